#pragma once
// Marks a transfer as running for as long as the scope lives, so that every window
// refuses commands while the link waits for the radio. Scopes may nest.
#include "commands/AppState.h"

namespace kvr27 {

class TransferScope {
public:
    explicit TransferScope(AppState& state) : state_(state), before_(state.TransferRunning)
    {
        state_.TransferRunning = true;
    }
    ~TransferScope() { state_.TransferRunning = before_; }
    TransferScope(const TransferScope&) = delete;
    TransferScope& operator=(const TransferScope&) = delete;

private:
    AppState& state_;
    bool before_;
};

} // namespace kvr27
