#pragma once
// The wait of one timer tick between a command and its answer: a nested event loop
// that a precise single-shot 100 ms timer ends, so windows stay responsive.
#include "link/Waiter.h"

namespace kvr27 {

class QtWaiter : public Waiter {
public:
    static constexpr int TickMilliseconds = 100;
    void waitTick() override;
};

} // namespace kvr27
