#include "core/FileAccess.h"

#include "core/SystemFiles.h"
#include "core/UserText.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>

namespace kvr27 {

namespace fs = std::filesystem;

namespace {

// The system allows this many links in a row before it calls it a loop.
constexpr int MaxLinksFollowed = 40;

FileResult Failure(FileResult::Step step, int error) { return {step, std::strerror(error)}; }

bool HasWritePermission(fs::perms mode)
{
    return (mode & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) != fs::perms::none;
}

// The file a save must replace, into `target`: `file` itself, or where its chain of
// links ends (which need not exist yet).
FileResult FinalTarget(const fs::path& file, fs::path& target)
{
    target = file;
    for (int followed = 0;; ++followed) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(target, error)))
            return {};
        if (followed == MaxLinksFollowed)
            return Failure(FileResult::Step::Open, ELOOP);
        const fs::path next = fs::read_symlink(target, error);
        if (error)
            return {FileResult::Step::Open, error.message()};
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
}

} // namespace

std::string detail::UniqueNameEnd()
{
    static constexpr std::string_view Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, Letters.size() - 1);
    std::string end(6, ' ');
    for (char& letter : end)
        letter = Letters[pick(random)];
    return end;
}

std::optional<std::string> FileRefusal(fs::file_type type, std::uintmax_t size)
{
    switch (type) {
    case fs::file_type::regular:
        if (size > MaxReadFileSize)
            return TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "The file is too large: %1 bytes, more than the %2 this program reads"),
                                    {std::to_string(size), std::to_string(MaxReadFileSize)});
        return std::nullopt;
    case fs::file_type::directory:
        return std::strerror(EISDIR);
    case fs::file_type::fifo:
        return Translated("Reasons", "Not a regular file (a named pipe)");
    case fs::file_type::character:
    case fs::file_type::block:
        return Translated("Reasons", "Not a regular file (a device)");
    case fs::file_type::socket:
        return Translated("Reasons", "Not a regular file (a socket)");
    default:
        return Translated("Reasons", "Not a regular file");
    }
}

FileResult ReadWholeFile(const fs::path& file, std::string& content)
{
    if (file.empty())
        return Failure(FileResult::Step::Open, ENOENT);
    // Looked at before opening, so that opening a named pipe cannot wait for a writer.
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (error)
        return {FileResult::Step::Open, error.message()};
    const std::uintmax_t size = status.type() == fs::file_type::regular ? fs::file_size(file, error) : 0;
    if (auto refusal = FileRefusal(status.type(), error ? 0 : size))
        return {FileResult::Step::Open, std::move(*refusal)};
    return detail::ReadRegularFile(file, content);
}

FileResult ReplaceFileAtomically(const fs::path& file, std::string_view content)
{
    if (file.empty())
        return {FileResult::Step::Open, Translated("Reasons", "No file name given")};
    fs::path target;
    if (FileResult found = FinalTarget(file, target); !found.ok())
        return found;

    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    std::optional<fs::perms> mode;
    if (fs::exists(status)) {
        if (auto refusal = FileRefusal(status.type(), 0))
            return {FileResult::Step::Open, std::move(*refusal)};
        if (!HasWritePermission(status.permissions()))
            return {FileResult::Step::Open, Translated("Reasons", "The file is read-only")};
        if (auto refusal = detail::WriteRefusal(target))
            return {FileResult::Step::Open, std::move(*refusal)};
        mode = status.permissions() & fs::perms::all;
    }

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::path temporary;
    const auto discard = [&temporary](FileResult result) {
        std::error_code ignored;
        if (!temporary.empty())
            fs::remove(temporary, ignored);
        return result;
    };
    const FileResult written = detail::WriteNewFile(folder, target.filename(), content, mode, temporary);
    if (!written.ok())
        return discard(written);
    if (const FileResult replaced = detail::ReplaceWith(temporary, target); !replaced.ok())
        return discard(replaced);
    detail::SyncFolder(folder);
    return {};
}

FileResult CreateFileAtomically(const fs::path& file, std::string_view content)
{
    if (file.empty())
        return {FileResult::Step::Open, Translated("Reasons", "No file name given")};
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    fs::path temporary;
    FileResult result = detail::WriteNewFile(folder, file.filename(), content, std::nullopt, temporary);
    if (result.ok())
        result = detail::MoveToNewName(temporary, file);
    std::error_code ignored;
    if (!result.ok() && !temporary.empty())
        fs::remove(temporary, ignored);
    if (result.ok())
        detail::SyncFolder(folder);
    return result;
}

bool CanCreateFilesIn(const fs::path& folder)
{
    fs::path probe;
    const FileResult made = detail::WriteNewFile(folder, ".kvr27-write-probe", {}, std::nullopt, probe);
    std::error_code ignored;
    if (!probe.empty())
        fs::remove(probe, ignored);
    return made.ok();
}

} // namespace kvr27
