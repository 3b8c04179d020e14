#pragma once
// The emulated radio as the program's port, in-process: what the radio sends is
// there at once, so a tick of the wait only counts. Characters the radio sends late
// (Delay fault) arrive just after the count that ends the wait. A fast wait looks
// at the answer once a millisecond of a clock of its own.
#include "RadioEmulator.h"
#include "link/Port.h"
#include "link/Waiter.h"

#include <functional>
#include <set>
#include <string>
#include <utility>

namespace kvr27::sim {

class EmulatedPort : public Port, public Waiter {
public:
    explicit EmulatedPort(RadioEmulator& radio) : radio_(radio) {}

    PortOpening open(int portNumber) override;
    void close() override;
    bool isOpen() const override { return openPort_ != 0; }
    void write(const std::string& text) override;
    std::size_t bytesAvailable() override;
    std::string readAll() override;
    std::string peek() override { return received_; }
    std::string deviceName(int portNumber) const override;

    // Counts the tick, then runs onTick with the ticks so far (counted from 1): what
    // the user does while the program waits for the radio.
    void waitTick() override
    {
        ++ticks;
        received_ += std::exchange(straggler, {});
        if (onTick)
            onTick(ticks);
    }

    // The same, for a fast wait that ends at the first millisecond (0 to 99) at
    // which `settled` says so; such a wait is counted in earlyEnds too.
    void waitTickOrUntil(const WaitSettled& settled) override;

    // Characters that arrive stragglerAt into the next wait, after what the radio
    // sent at once: the end of an answer that came in two parts. A fast wait that
    // ended sooner gets them just after its count.
    std::string straggler;
    std::chrono::milliseconds stragglerAt{2};
    // Port numbers whose open fails, as a port that is absent or in use.
    std::set<int> missingPorts;
    // The device is unplugged: the next write finds it gone and the port closes
    // itself, and opens fail until it is plugged in again.
    bool unplugged = false;
    // Counters for tests.
    int ticks = 0;
    int earlyEnds = 0;
    std::function<void(int)> onTick;
    int opens = 0;
    int closes = 0;
    int openPort() const { return openPort_; }

private:
    RadioEmulator& radio_;
    int openPort_ = 0;
    std::string received_;
    std::string late_;
};

} // namespace kvr27::sim
