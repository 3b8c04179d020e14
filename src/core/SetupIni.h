#pragma once
// setup.ini in the program's folder: one line, the COM port number 1 to 5, CR LF.
#include <filesystem>

namespace kvr27 {

// The COM option index (0 = COM1 .. 4 = COM5) that the file names. A missing or
// unreadable file, or a first line other than exactly "1".."5", gives 0 (COM1).
int ReadSetupIni(const std::filesystem::path& file);

// Writes the number (index + 1) and CR LF. The file is replaced atomically (written
// beside it, then renamed over it), so an interrupted write never leaves a broken
// file. Returns false when it could not be written; the old file is then untouched.
bool WriteSetupIni(const std::filesystem::path& file, int comIndex);

} // namespace kvr27
