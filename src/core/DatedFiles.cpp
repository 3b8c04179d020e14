#include "core/DatedFiles.h"

#include "core/FileAccess.h"
#include "core/PathText.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <ctime>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

namespace kvr27 {

namespace {

// "-2026-12-07-101530": the date and time part of a name.
constexpr std::size_t StampLength = 18;

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The age order of a dated file by its name: its stamp, then its same-second
// number; nothing for a file of another name.
std::optional<std::pair<std::string, int>> DatedOrder(std::string_view name, std::string_view extension)
{
    if (!name.ends_with(extension))
        return std::nullopt;
    name.remove_suffix(extension.size());
    int number = 1;
    if (const std::size_t dash = name.rfind('-');
        dash != std::string_view::npos && name.size() - dash < 4 && AllDigits(name.substr(dash + 1))) {
        number = std::stoi(std::string(name.substr(dash + 1)));
        name = name.substr(0, dash);
    }
    if (name.size() <= StampLength)
        return std::nullopt;
    const std::string_view stamp = name.substr(name.size() - StampLength);
    const bool shaped = stamp[0] == '-' && stamp[5] == '-' && stamp[8] == '-' && stamp[11] == '-' &&
                        AllDigits(stamp.substr(1, 4)) && AllDigits(stamp.substr(6, 2)) &&
                        AllDigits(stamp.substr(9, 2)) && AllDigits(stamp.substr(12, 6));
    if (!shaped)
        return std::nullopt;
    return std::make_pair(std::string(stamp), number);
}

// The largest same-second number a name may carry.
constexpr int MaxNumber = 99;

// The dated files of that extension in `folder`, those written longest ago first (by
// their file time, which a clock or time zone turned back does not reorder; the
// name breaks ties), but for `kept`. A file whose time cannot be read comes first.
std::vector<std::filesystem::path> DatedFilesByAge(const std::filesystem::path& folder, std::string_view extension,
                                                   const std::filesystem::path& kept = {})
{
    using Age = std::pair<std::filesystem::file_time_type, std::pair<std::string, int>>;
    std::vector<std::pair<Age, std::filesystem::path>> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.is_regular_file(error) || (!kept.empty() && entry.path().filename() == kept.filename()))
            continue;
        auto order = DatedOrder(Utf8FromPath(entry.path().filename()), extension);
        if (!order)
            continue;
        auto written = entry.last_write_time(error);
        if (error)
            written = std::filesystem::file_time_type::min();
        files.emplace_back(Age{written, std::move(*order)}, entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<std::filesystem::path> paths;
    paths.reserve(files.size());
    for (auto& file : files)
        paths.push_back(std::move(file.second));
    return paths;
}

// Removes the dated files written longest ago until `keep` stay, the file just
// written `kept` among them whatever its date: after the clock went back its name
// and time are the oldest.
void RemoveOldest(const std::filesystem::path& folder, const std::filesystem::path& kept,
                  std::string_view extension, int keep)
{
    const std::vector<std::filesystem::path> others = DatedFilesByAge(folder, extension, kept);
    const auto room = static_cast<std::size_t>(keep - 1);
    std::error_code error;
    for (std::size_t i = 0; i + room < others.size(); ++i)
        std::filesystem::remove(others[i], error);
}

// The local time of `when`.
std::tm LocalTime(std::chrono::system_clock::time_point when)
{
    const std::time_t time = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &time);
#else
    localtime_r(&time, &local);
#endif
    return local;
}

// "<base>-YYYY-MM-DD-HHMMSS<extension>" for the local time `when`.
std::string DatedFileName(std::string_view base, const std::tm& when, std::string_view extension)
{
    std::array<char, 32> stamp{};
    const std::size_t length = std::strftime(stamp.data(), stamp.size(), "-%Y-%m-%d-%H%M%S", &when);
    std::string name(base);
    name.append(stamp.data(), length).append(extension);
    return name;
}

} // namespace

SavedFile SaveDatedFile(const std::filesystem::path& folder, std::string_view base,
                        std::chrono::system_clock::time_point now, std::string_view extension,
                        std::string_view content, int keep)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return {{}, Utf8FromPath(folder) + ": " + error.message()};
    const std::string name = DatedFileName(base, LocalTime(now), extension);
    const std::string stem = name.substr(0, name.size() - extension.size());
    std::filesystem::path file = folder / name;
    FileResult written = CreateFileAtomically(file, content);
    for (int number = 2; written.Failed == FileResult::Step::NameTaken && number <= MaxNumber; ++number) {
        file = folder / (stem + "-" + std::to_string(number) + std::string(extension));
        written = CreateFileAtomically(file, content);
    }
    if (!written.ok())
        return {{}, Utf8FromPath(file) + ": " + written.Reason};
    if (keep > 0)
        RemoveOldest(folder, file, extension, keep);
    return {file, {}};
}

std::vector<std::filesystem::path> NewestDatedFiles(const std::filesystem::path& folder, std::string_view extension,
                                                    std::size_t count)
{
    std::vector<std::filesystem::path> files = DatedFilesByAge(folder, extension);
    if (files.size() > count)
        files.erase(files.begin(), files.end() - static_cast<std::ptrdiff_t>(count));
    return files;
}

} // namespace kvr27
