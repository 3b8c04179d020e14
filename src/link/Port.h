#pragma once
// The serial port seam: what the link needs of the port that reaches the radio.
// The program's port is a serial device (QtPort); tests use an emulated radio.
#include <cstddef>
#include <string>

namespace kvr27 {

// How opening a port ended: open, or the system's reason why not.
struct [[nodiscard]] PortOpening {
    bool Opened = true;
    std::string Reason; // "No such file or directory", "Permission denied"; "" when open
    bool ok() const { return Opened; }
};

class Port {
public:
    virtual ~Port() = default;
    // Opens COM port `portNumber` (1..5).
    virtual PortOpening open(int portNumber) = 0;
    virtual void close() = 0;
    // Whether the port is open. A port whose device goes away while it is open
    // (unplugged, hung up, a write the system refuses) closes itself; opening it
    // again reaches the device once it is back.
    virtual bool isOpen() const = 0;
    // Sends the characters as they are.
    virtual void write(const std::string& text) = 0;
    // Number of received characters waiting to be read.
    virtual std::size_t bytesAvailable() = 0;
    // Takes every received character waiting.
    virtual std::string readAll() = 0;
    // The received characters waiting, left waiting: a fast exchange looks at its
    // answer while it comes.
    virtual std::string peek() = 0;
    // The device that COM port `portNumber` stands for, for the user's eyes.
    virtual std::string deviceName(int portNumber) const = 0;
};

} // namespace kvr27
