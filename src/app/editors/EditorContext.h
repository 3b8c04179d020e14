#pragma once
// What the editor windows are given: the program state, the message boxes, and the
// main window's port and wait for their own transfers.
#include "commands/AppState.h"
#include "core/MessageSink.h"
#include "link/Port.h"
#include "link/Waiter.h"

namespace kvr27::app {

struct EditorContext {
    AppState& State;
    MessageSink& Messages;
    Port& LinkPort;
    Waiter& LinkWaiter;
};

} // namespace kvr27::app
