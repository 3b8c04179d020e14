#include "platform/UserConfigFolder.h"

#include "link/PortAssignments.h"
#include "platform/QtPath.h"

#include <QStandardPaths>

namespace kvr27 {

std::filesystem::path UserConfigFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return PathFromQString(base) / "kvr27-clone";
}

std::filesystem::path UserDataFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return PathFromQString(base) / "kvr27-clone";
}

std::filesystem::path PortAssignmentsFile() { return UserConfigFolder() / PortAssignmentsName; }

} // namespace kvr27
