// kvr27-clone: the KV-R27 Clone Utility's windows.
#include "app/AppContext.h"
#include "app/RadioPictures.h"
#include "app/SingleInstanceLock.h"
#include "app/frmSplash.h"
#include "platform/QtDialogs.h"
#include "platform/QtMessageSink.h"
#include "platform/SetupIniLocation.h"
#include "platform/UserConfigFolder.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kvr27-clone"));
    QApplication::setWindowIcon(QIcon(kvr27::RadioPicture()));

    kvr27::AppState state;
    state.DataFolder = kvr27::UserDataFolder();
    kvr27::QtMessageSink messages(state.Image);
    kvr27::QtDialogs dialogs;
    const kvr27::AppContext context{state, messages, dialogs,
                                    kvr27::SetupIniLocation(QApplication::applicationDirPath()),
                                    kvr27::PortAssignmentsFile(),
                                    nullptr, nullptr, &dialogs.printer()};

    kvr27::SingleInstanceLock lock;
    kvr27::frmSplash splash(context);
    if (!splash.start(lock))
        return 0;
    return app.exec();
}
