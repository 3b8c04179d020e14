#pragma once
// Where the program keeps setup.ini on this system.
#include "platform/UserConfigFolder.h"

#include <QString>

#include <filesystem>

namespace kvr27 {

// setup.ini beside the program or in UserConfigFolder(), as ChooseSetupIniPath
// decides (the build's install folder counts as an installed program's). When the user's folder is chosen it is made, so the file can be written
// when the program ends.
std::filesystem::path SetupIniLocation(const QString& programFolder);

// The same choice without making any folder: where the program looks for setup.ini.
std::filesystem::path FoundSetupIni(const QString& programFolder);

} // namespace kvr27
