#pragma once
// What a transfer works with besides the program state: the port, the wait, the
// message boxes and the status bar that shows its progress.
#include "core/MessageSink.h"
#include "link/Port.h"
#include "link/Waiter.h"

#include <string>

namespace kvr27 {

// Which status bar shows a transfer's progress: the editor window that started it,
// or the main window.
enum class ProgressTarget { Editor = 0, Main = 1 };

// The status bars' single panel.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    // Replaces the status text of the target's window ("" clears it).
    virtual void showProgress(ProgressTarget target, const std::string& text) = 0;
};

struct LinkServices {
    Port& port;
    Waiter& waiter;
    MessageSink& messages;
    ProgressSink& progress;
};

} // namespace kvr27
