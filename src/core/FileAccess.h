#pragma once
// Whole-file reading and atomic replacing of files, with what went wrong when they
// fail: the core's one place that touches the file system.
#include <filesystem>
#include <string>
#include <string_view>

namespace kvr27 {

// How a file operation ended. On failure `Reason` is the system's description
// ("No such file or directory", "File too large").
struct [[nodiscard]] FileResult {
    enum class Step { None, Open, Read, Write, Replace };
    Step Failed = Step::None;
    std::string Reason;

    bool ok() const { return Failed == Step::None; }
};

// Reads the whole file, bytes as they are, into `content`.
FileResult ReadWholeFile(const std::filesystem::path& file, std::string& content);

// Replaces the file by `content`: writes it to "<file>.tmp" beside it, then renames
// that over the file. On any failure the temporary file is removed and the old file,
// if there was one, is left byte for byte as it was.
FileResult ReplaceFileAtomically(const std::filesystem::path& file, std::string_view content);

// Whether a new file can be made in the folder: a short-lived probe file is
// created there and removed again.
bool CanCreateFilesIn(const std::filesystem::path& folder);

} // namespace kvr27
