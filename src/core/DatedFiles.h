#pragma once
// Files the program keeps by date and time in a folder of its own (the backups
// before writes, the exchange traces): "<base>-YYYY-MM-DD-HHMMSS<extension>", with
// "-2", "-3" ... before the extension for more within the same second.
#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kvr27 {

// Where a dated file went, or why none was saved.
struct [[nodiscard]] SavedFile {
    std::filesystem::path File;
    std::string Problem; // the folder or file and the system's reason; "" when saved

    bool ok() const { return Problem.empty(); }
};

// The local time of `when`.
std::tm LocalTime(std::chrono::system_clock::time_point when);

// "<base>-YYYY-MM-DD-HHMMSS<extension>" for the local time `when`.
std::string DatedFileName(std::string_view base, const std::tm& when, std::string_view extension);

// Saves `content` atomically as a new dated file in `folder` (made when missing).
// Then, with `keep` > 0, only the `keep` newest dated files of that extension stay
// in the folder; files of other names are never touched.
SavedFile SaveDatedFile(const std::filesystem::path& folder, std::string_view base, const std::tm& when,
                        std::string_view extension, std::string_view content, int keep);

// The `count` newest dated files of that extension in `folder`, oldest first; files
// of other names are passed over, and a missing folder has none.
std::vector<std::filesystem::path> NewestDatedFiles(const std::filesystem::path& folder, std::string_view extension,
                                                    std::size_t count);

} // namespace kvr27
