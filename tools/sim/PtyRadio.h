#pragma once
// The emulated radio on a pseudo-terminal: the program under test opens the pty's
// device as its serial port. What the radio sends can be paced at the line rate of
// 9600 baud (about 1.04 ms a character with one stop bit, 1.15 ms with two), and
// held back as a USB adapter holds received data.
#include "RadioEmulator.h"
#include "link/Port.h"

#include <chrono>
#include <csignal>
#include <string>

namespace kvr27::sim {

// How the radio's characters reach the program.
struct LineTiming {
    bool pace = true;  // at 9600 baud, else at once
    int stopBits = 1;  // 8N1 or 8N2
    // How late the characters that answer a command begin: the radio's and the
    // cable's delay, plus a random part of up to `jitter`.
    std::chrono::milliseconds latency{0};
    std::chrono::milliseconds jitter{0};
};

class PtyRadio {
public:
    PtyRadio(RadioEmulator& radio, LineTiming line, std::chrono::milliseconds lateBy);
    ~PtyRadio();
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    // Creates the pty, or says why not.
    PortOpening open();
    // The device the program opens, e.g. /dev/pts/3.
    const std::string& devicePath() const { return devicePath_; }

    // Answers until `stop` is set (by a signal that `blocked` holds back outside the
    // wait) or the radio has hung up.
    void run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask);

private:
    RadioEmulator& radio_;
    LineTiming line_;
    std::chrono::milliseconds lateBy_;
    int master_ = -1;
    int slave_ = -1; // held open so the master never sees a hang-up between the program's opens
    std::string devicePath_;
};

} // namespace kvr27::sim
