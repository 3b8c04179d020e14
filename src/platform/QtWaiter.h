#pragma once
// The wait of one timer tick between a command and its answer: a nested event loop
// that a precise single-shot 100 ms timer ends, so windows stay responsive; a fast
// wait ends sooner when its answer has come.
#include "link/Waiter.h"

namespace kvr27 {

class QtWaiter : public Waiter {
public:
    static constexpr int TickMilliseconds = 100;
    void waitTick() override;
    // Looks every millisecond whether the wait may end.
    void waitTickOrUntil(const WaitSettled& settled) override;
};

} // namespace kvr27
