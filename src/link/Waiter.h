#pragma once
// The wait between a command and its answer: one timer tick (100 ms, counted from
// the start of the wait) during which the program keeps servicing its events.
namespace kvr27 {

class Waiter {
public:
    virtual ~Waiter() = default;
    // Returns after one tick; window events are processed meanwhile.
    virtual void waitTick() = 0;
};

} // namespace kvr27
