#pragma once
// Files the program keeps by date and time in a folder of its own (the backups
// before writes, the exchange traces): "<base>-YYYY-MM-DD-HHMMSS<extension>", with
// "-2", "-3" ... "-99" before the extension for more within the same second.
#include <chrono>
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

// Saves `content` atomically as a new dated file in `folder` (made when missing),
// named by the local time of `now`; the name is taken exclusively, so that two
// programs saving within the same second each keep their own file. Then, with
// `keep` > 0, only `keep` dated files of that extension stay: the file just written
// and the others last written (by the file system's time, which neither a time
// zone nor daylight saving moves; the names only break ties). Files of other names
// are never touched.
SavedFile SaveDatedFile(const std::filesystem::path& folder, std::string_view base,
                        std::chrono::system_clock::time_point now, std::string_view extension,
                        std::string_view content, int keep);

// The `count` newest dated files of that extension in `folder`, oldest first; files
// of other names are passed over, and a missing folder has none.
std::vector<std::filesystem::path> NewestDatedFiles(const std::filesystem::path& folder, std::string_view extension,
                                                    std::size_t count);

} // namespace kvr27
