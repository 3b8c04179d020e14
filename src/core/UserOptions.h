#pragma once
// The Data menu's choices that the program remembers for the user, kept in
// options.ini in the user's configuration folder: one "Name=1" (or 0) line each,
// and "Language=de" (Info > Language...; none for the system's language), CR LF.
#include "core/FileAccess.h"

#include <filesystem>
#include <string>

namespace kvr27 {

inline constexpr const char* UserOptionsName = "options.ini";

struct UserOptions {
    bool FastTransfer = false;      // Data > Fast Transfer
    bool ReviewBeforeWrite = false; // Data > Review before Write
    bool ChangedBlocksOnly = false; // Data > Write Changed Blocks Only
    std::string Language;           // the windows' language code, "" for the system's
};

// The options in the file; the defaults for a file that is missing or cannot be
// read, and for a line the program does not know.
UserOptions ReadUserOptions(const std::filesystem::path& file);

// Replaces the file atomically, making its folder when there is none.
FileResult WriteUserOptions(const std::filesystem::path& file, const UserOptions& options);

} // namespace kvr27
