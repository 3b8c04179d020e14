#include "platform/SetupIniLocation.h"

#include "core/SetupIni.h"
#include "core/PathText.h"
#include "platform/QtPath.h"

namespace kvr27 {

std::filesystem::path FoundSetupIni(const QString& programFolder)
{
    return ChooseSetupIniPath(PathFromQString(programFolder), UserConfigFolder(), PathFromUtf8(KVR27_INSTALL_BINDIR));
}

std::filesystem::path SetupIniLocation(const QString& programFolder)
{
    const std::filesystem::path userFolder = UserConfigFolder();
    std::filesystem::path file = FoundSetupIni(programFolder);
    if (file.parent_path() == userFolder) {
        std::error_code ignored; // a folder that cannot be made is passed over like an unwritable file
        std::filesystem::create_directories(userFolder, ignored);
    }
    return file;
}

} // namespace kvr27
