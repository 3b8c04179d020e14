#pragma once
// The wait between a command and its answer: one timer tick (100 ms, counted from
// the start of the wait) during which the program keeps servicing its events.
#include <chrono>
#include <functional>

namespace kvr27 {

// Asked again and again during a fast wait, with the time since the wait began:
// whether the wait may end now.
using WaitSettled = std::function<bool(std::chrono::microseconds elapsed)>;

class Waiter {
public:
    virtual ~Waiter() = default;
    // Returns after one tick; window events are processed meanwhile.
    virtual void waitTick() = 0;
    // The wait of a fast exchange: as waitTick, but it ends as soon as `settled`
    // says so; it is asked about every millisecond. A waiter that cannot look in
    // between waits the whole tick.
    virtual void waitTickOrUntil(const WaitSettled& settled)
    {
        (void)settled;
        waitTick();
    }
};

} // namespace kvr27
