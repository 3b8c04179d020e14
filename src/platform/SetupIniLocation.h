#pragma once
// Where the program keeps setup.ini on this system.
#include <QString>

#include <filesystem>

namespace kvr27 {

// The user's configuration folder of the program: "kvr27-clone" in the system's
// configuration folder ($XDG_CONFIG_HOME or ~/.config on Linux).
std::filesystem::path UserConfigFolder();

// setup.ini beside the program or in UserConfigFolder(), as ChooseSetupIniPath
// decides. When the user's folder is chosen it is made, so the file can be written
// when the program ends.
std::filesystem::path SetupIniLocation(const QString& programFolder);

} // namespace kvr27
