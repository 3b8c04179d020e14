#pragma once
// What every window of the program is given: the process-wide state, the message
// boxes, the file and printer dialogs, and where setup.ini lives.
#include "commands/AppState.h"
#include "core/Dialogs.h"
#include "core/MessageSink.h"
#include "link/Port.h"
#include "link/Waiter.h"

#include <filesystem>

class QPrinter;

namespace kvr27 {

struct AppContext {
    AppState& State;
    MessageSink& Messages;
    Dialogs& FileDialogs;
    std::filesystem::path SetupIniPath; // beside the program or in the user's configuration folder
    std::filesystem::path PortAssignmentsPath{}; // the user's COM port assignments (none when empty)
    // The serial port and the answer wait of the transfers; the main window makes its
    // own (QtPort, QtWaiter) when they are not given.
    Port* LinkPort = nullptr;
    Waiter* LinkWaiter = nullptr;
    // The printer of the settings report, set up by the printer dialog of FileDialogs
    // (QtDialogs::printer()); Print is refused without one.
    QPrinter* ReportPrinter = nullptr;
    // Where the Data menu's remembered choices live (UserOptions); nothing is
    // remembered when empty.
    std::filesystem::path UserOptionsPath{};
};

} // namespace kvr27
