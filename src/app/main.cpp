// kvr27-clone: the KV-R27 Clone Utility's windows.
#include "app/AppContext.h"
#include "app/RadioPictures.h"
#include "app/SingleInstanceLock.h"
#include "app/frmSplash.h"
#include "core/ProgramVersion.h"
#include "core/UserOptions.h"
#include "platform/QtDialogs.h"
#include "platform/QtMessageSink.h"
#include "platform/QtTranslations.h"
#include "platform/SetupIniLocation.h"
#include "platform/UserConfigFolder.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

const char* const Help =
    "Usage: kvr27-clone [--help] [--version]\n"
    "\n"
    "Reads a KV-R27PA, KV-R27Z or KV-R27X radio's settings over a serial cable, edits\n"
    "the VFO settings and the 100 memory channels, keeps them in clone files (.r27) and\n"
    "CSV files, prints a settings report and writes the settings back into the radio.\n"
    "Without options it opens its windows; Qt's own options (-platform, -style, ...)\n"
    "are passed to Qt.\n"
    "\n"
    "Options:\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and the licence and exit\n"
    "\n"
    "Environment:\n"
    "  KVR27_COM1 ... KVR27_COM5  the serial device that COM1 to COM5 stand for; else\n"
    "                             the device assigned in Data > Port..., else the first\n"
    "                             that exists of /dev/ttyUSB0, /dev/ttyACM0, /dev/ttyS0\n"
    "                             for COM1 (1 for COM2, and so on)\n"
    "\n"
    "Files:\n"
    "  ~/.config/kvr27-clone/setup.ini  the chosen COM port (beside a program that is\n"
    "                                   not installed, when its folder takes new files\n"
    "                                   and no such file exists in ~/.config)\n"
    "  ~/.config/kvr27-clone/ports.ini  the devices assigned in Data > Port...\n"
    "  ~/.config/kvr27-clone/options.ini  whether Data > Fast Transfer is checked, and\n"
    "                                     the language chosen in Info > Language...\n"
    "\n"
    "kvr27 does the same without windows; kvr27-sim answers like a radio.\n";

// Answers --help and --version before any window (or display) is needed: the exit
// status, or none to start the windows.
// A window program on Windows starts without a console: --help and --version write
// into the console of the command prompt that started it, where there is one.
void UseStartingConsole()
{
#ifdef _WIN32
    if (AttachConsole(ATTACH_PARENT_PROCESS) && std::freopen("CONOUT$", "w", stdout))
        std::cout.clear();
#endif
}

std::optional<int> AnswerInfoOptions(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "--version") == 0)
            UseStartingConsole();
        if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << Help;
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << kvr27::VersionNotice("kvr27-clone");
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = AnswerInfoOptions(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kvr27-clone"));
    QApplication::setWindowIcon(QIcon(kvr27::RadioPicture()));

    const std::filesystem::path userOptions = kvr27::UserConfigFolder() / kvr27::UserOptionsName;
    kvr27::InstallTranslations(QString::fromStdString(kvr27::ReadUserOptions(userOptions).Language));

    kvr27::AppState state;
    state.DataFolder = kvr27::UserDataFolder();
    kvr27::QtMessageSink messages(state.Image);
    kvr27::QtDialogs dialogs;
    const kvr27::AppContext context{state, messages, dialogs,
                                    kvr27::SetupIniLocation(QApplication::applicationDirPath()),
                                    kvr27::PortAssignmentsFile(),
                                    nullptr, nullptr, &dialogs.printer(),
                                    userOptions};

    kvr27::SingleInstanceLock lock;
    kvr27::frmSplash splash(context);
    if (!splash.start(lock))
        return 0;
    return app.exec();
}
