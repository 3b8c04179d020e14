#pragma once
// The user's configuration folder of the program, and the files kept there whatever
// the program's folder is.
#include <filesystem>

namespace kvr27 {

// "kvr27-clone" in the system's configuration folder ($XDG_CONFIG_HOME or ~/.config
// on Linux).
std::filesystem::path UserConfigFolder();

// "kvr27-clone" in the system's data folder ($XDG_DATA_HOME or ~/.local/share on
// Linux): the backups and traces of the program.
std::filesystem::path UserDataFolder();

// The user's COM port assignments (PortAssignments), shared by the program and kvr27.
std::filesystem::path PortAssignmentsFile();

} // namespace kvr27
