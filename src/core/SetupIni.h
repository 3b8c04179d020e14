#pragma once
// setup.ini: one line, the COM port number 1 to 5, CR LF. It lives in the user's
// configuration folder, or beside a program that is not installed (a portable copy).
#include "core/FileAccess.h"

#include <filesystem>

namespace kvr27 {

// The COM option index (0 = COM1 .. 4 = COM5) that the file names. A missing or
// unreadable file, or a first line other than exactly "1".."5", gives 0 (COM1).
int ReadSetupIni(const std::filesystem::path& file);

// Writes the number (index + 1) and CR LF. The file is replaced atomically (written
// beside it, then renamed over it), so an interrupted write never leaves a broken
// file. When it could not be written, the old file is untouched; an index outside
// 0..4 writes nothing.
FileResult WriteSetupIni(const std::filesystem::path& file, int comIndex);

// The file name of setup.ini in a folder.
inline constexpr const char* SetupIniName = "setup.ini";

// Whether the program's folder is where an installed program lives: one of the
// system's own folders (/bin, /sbin, anything under /usr, /opt or /snap) or the
// folder the build installs into (`installFolder`, empty for none). An installed
// program never writes beside itself, whoever runs it.
bool IsInstalledProgramFolder(const std::filesystem::path& programFolder,
                              const std::filesystem::path& installFolder);

// Where setup.ini is read and written: in the user's configuration folder when the
// file is there already; else in the program's folder when the program is not an
// installed one and files can be made there (a portable copy, or the build tree);
// else in the user's configuration folder.
std::filesystem::path ChooseSetupIniPath(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& userConfigFolder,
                                         const std::filesystem::path& installFolder);

} // namespace kvr27
