#pragma once
// The few file operations that need the operating system's own calls rather than
// std::filesystem: opening without blocking, creating a file that nothing else can
// have, and flushing to the disk. FileAccess builds on them; another system gets
// its own SystemFiles.cpp.
#include "core/FileAccess.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kvr27::detail {

// Opens the file without waiting for a writer (a named pipe), takes it only when
// FileRefusal finds nothing against it (a regular file of at most MaxReadFileSize
// bytes, also while it is read), and reads it whole.
FileResult ReadRegularFile(const std::filesystem::path& file, std::string& content);

// Tries at unique names before giving up (each one only fails when a file of that
// name appeared in between).
inline constexpr int NameTries = 100;

// Six letters or digits, different for every call: the end of a new file's name.
std::string UniqueNameEnd();

// Creates a new file in `folder` named "<name>.XXXXXX" with a unique end, exclusively
// (a link or file of that name is never opened), writes `content` and flushes it to
// the disk. The file gets `mode` where the system has modes (else what the system
// gives a new file); made is set to its path as soon as it exists, also when a later
// step fails.
FileResult WriteNewFile(const std::filesystem::path& folder, const std::filesystem::path& name,
                        std::string_view content, std::optional<std::filesystem::perms> mode,
                        std::filesystem::path& made);

// Puts the new file `made` in the place of `target`, in one step that replaces an
// existing target (whose attributes and access rights stay where the system keeps
// them with the name); a failure is Step::Replace and leaves `target` as it was.
FileResult ReplaceWith(const std::filesystem::path& made, const std::filesystem::path& target);

// Gives the new file `made` the name `target` in one step, only where nothing has
// that name: Step::NameTaken (and `made` left as it was) when something has, so that
// two programs saving under the same name never replace each other's file.
FileResult MoveToNewName(const std::filesystem::path& made, const std::filesystem::path& target);

// Why the system does not let this user write into the file ("Permission denied",
// FileInUseReason), or nothing when it does (for root whatever the mode says).
std::optional<std::string> WriteRefusal(const std::filesystem::path& file);

// Flushes a folder's entries (a rename just done in it) to the disk, where the
// system can.
void SyncFolder(const std::filesystem::path& folder);

} // namespace kvr27::detail
