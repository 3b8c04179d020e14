#pragma once
// Whole-file reading and atomic replacing of files, with what went wrong when they
// fail: the core's one place that touches the file system.
#include "core/UserText.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kvr27 {

// How a file operation ended. On failure `Reason` says why, in the system's words
// where it has them ("No such file or directory", "File too large").
struct [[nodiscard]] FileResult {
    enum class Step { None, Open, Read, Write, Replace, NameTaken };
    Step Failed = Step::None;
    std::string Reason;

    bool ok() const { return Failed == Step::None; }
};

// The largest file the program reads: far above any file it writes (a clone file is
// about 5 KB, a channel CSV about 7 KB), far below what would hold up the program.
inline constexpr std::uintmax_t MaxReadFileSize = std::uintmax_t{1024} * 1024;

// Why a file of this type and size is not read ("Is a directory", "Not a regular
// file (a named pipe)", too large), or nothing when it is.
std::optional<std::string> FileRefusal(std::filesystem::file_type type, std::uintmax_t size);

// Why a file cannot be opened while another program holds it open and shares it
// with none (a CSV open in a spreadsheet, on Windows).
inline constexpr const char* FileInUseReason =
    KVR27_TEXT("Reasons", "Another program is using the file; close it there and try again");

// Reads the whole file, bytes as they are, into `content`. Only a regular file of at
// most MaxReadFileSize bytes is read; anything else (a folder, a device, a named pipe)
// is refused at once, without waiting.
FileResult ReadWholeFile(const std::filesystem::path& file, std::string& content);

// Replaces the file by `content` as a careful editor saves: the content goes into a
// new file of a unique name beside it (created exclusively, never one that was there),
// reaches the disk, and is then renamed over the file. A link stays a link: the file
// it leads to is replaced. The file keeps its permissions (a new one gets the usual
// ones). An empty name, a folder, a device, a named pipe, and a file without any
// write permission (read-only, whoever runs the program) are refused. On any failure
// the new file is removed and the old one is left byte for byte as it was.
FileResult ReplaceFileAtomically(const std::filesystem::path& file, std::string_view content);

// Makes the new file `file` holding `content`, whole or not at all, as
// ReplaceFileAtomically writes, but only where nothing has that name: then the
// result is Step::NameTaken and nothing is changed.
FileResult CreateFileAtomically(const std::filesystem::path& file, std::string_view content);

// Whether a new file can be made in the folder: a short-lived probe file of a unique
// name is created there and removed again.
bool CanCreateFilesIn(const std::filesystem::path& folder);

} // namespace kvr27
