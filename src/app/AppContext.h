#pragma once
// What every window of the program is given: the process-wide state, the message
// boxes, the file and printer dialogs, and where setup.ini lives.
#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/MessageSink.h"

#include <filesystem>

namespace kvr27 {

struct AppContext {
    AppState& State;
    MessageSink& Messages;
    Dialogs& FileDialogs;
    std::filesystem::path SetupIniPath; // the program's folder + "/setup.ini"
};

} // namespace kvr27
