// The Windows branch of SystemFiles: the wide (UTF-16) calls, so that any letter in a
// user's folder or file name reaches the file system as it is.
#include "core/SystemFiles.h"

#include "core/PathText.h"
#include "core/UserText.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace kvr27::detail {

namespace fs = std::filesystem;

namespace {

// The system's own words for an error, as UTF-8 (a file held by another program
// as FileInUseReason), without the closing full stop and
// line end that FormatMessage adds.
std::string SystemMessage(DWORD error)
{
    // The system's words for these ("The process cannot access the file...") do not
    // say what the user can do about it.
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        return Translated("Reasons", FileInUseReason);
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length > 0 && buffer ? std::wstring(buffer, length) : std::wstring();
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L'.' ||
                             text.back() == L' '))
        text.pop_back();
    if (text.empty())
        return TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "System error %1"), {std::to_string(error)});
    return Utf8FromPath(fs::path(text));
}

FileResult Failure(FileResult::Step step, DWORD error) { return {step, SystemMessage(error)}; }

// Closes the handle when it goes out of scope, unless it was closed already.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }
    bool close()
    {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

// What an open handle is: a file or folder on a disk, a named pipe, a device.
fs::file_type TypeOf(HANDLE handle, const BY_HANDLE_FILE_INFORMATION& info)
{
    switch (GetFileType(handle)) {
    case FILE_TYPE_DISK:
        return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? fs::file_type::directory
                                                                      : fs::file_type::regular;
    case FILE_TYPE_PIPE:
        return fs::file_type::fifo;
    case FILE_TYPE_CHAR:
        return fs::file_type::character;
    default:
        return fs::file_type::unknown;
    }
}

bool WriteAll(HANDLE handle, std::string_view content)
{
    while (!content.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(handle, content.data(), chunk, &written, nullptr) || written == 0)
            return false;
        content.remove_prefix(written);
    }
    return true;
}

} // namespace

FileResult ReadRegularFile(const fs::path& file, std::string& content)
{
    Handle in(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (in.get() == INVALID_HANDLE_VALUE)
        return Failure(FileResult::Step::Open, GetLastError());
    // Looked at again now that it is open: the name may lead elsewhere by now.
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(in.get()) == FILE_TYPE_DISK && !GetFileInformationByHandle(in.get(), &info))
        return Failure(FileResult::Step::Open, GetLastError());
    const std::uintmax_t size = (std::uintmax_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    if (auto refusal = FileRefusal(TypeOf(in.get(), info), size))
        return {FileResult::Step::Open, std::move(*refusal)};
    std::string text;
    std::array<char, 16384> buffer{};
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(in.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &count, nullptr))
            return Failure(FileResult::Step::Read, GetLastError());
        if (count == 0)
            break;
        text.append(buffer.data(), count);
        if (auto refusal = FileRefusal(fs::file_type::regular, text.size())) // it grew while being read
            return {FileResult::Step::Read, std::move(*refusal)};
    }
    content = std::move(text);
    return {};
}

FileResult WriteNewFile(const fs::path& folder, const fs::path& name, std::string_view content,
                        std::optional<fs::perms> mode, fs::path& made)
{
    // A file has no mode here; the read-only attribute of a target was refused before.
    (void)mode;
    HANDLE created = INVALID_HANDLE_VALUE;
    DWORD error = ERROR_SUCCESS;
    fs::path file;
    for (int tries = 0; created == INVALID_HANDLE_VALUE && tries < NameTries; ++tries) {
        file = folder / name;
        file += "." + UniqueNameEnd();
        // CREATE_NEW fails on any file or link of that name: it is never opened.
        created = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        error = created == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
        if (error != ERROR_SUCCESS && error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            break;
    }
    if (created == INVALID_HANDLE_VALUE) {
        std::error_code ignored;
        return {FileResult::Step::Open,
                TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "Cannot make a new file in the folder \"%1\": %2"),
                                 {Utf8FromPath(fs::absolute(folder, ignored)), SystemMessage(error)})};
    }
    made = file;
    Handle out(created);
    if (!WriteAll(out.get(), content) || !FlushFileBuffers(out.get()))
        return Failure(FileResult::Step::Write, GetLastError());
    if (!out.close())
        return Failure(FileResult::Step::Write, GetLastError());
    return {};
}

FileResult ReplaceWith(const fs::path& made, const fs::path& target)
{
    // ReplaceFileW keeps the replaced file's attributes and access rights; a target
    // that does not exist (or a volume that cannot replace) takes the plain move,
    // which replaces too and returns only once the move is on the disk.
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES &&
        ReplaceFileW(target.c_str(), made.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return {};
    if (!MoveFileExW(made.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Failure(FileResult::Step::Replace, GetLastError());
    return {};
}

FileResult MoveToNewName(const fs::path& made, const fs::path& target)
{
    // Without MOVEFILE_REPLACE_EXISTING the move fails on any file of that name.
    if (MoveFileExW(made.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
        return {};
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
        return {FileResult::Step::NameTaken, SystemMessage(error)};
    return Failure(FileResult::Step::Replace, error);
}

std::optional<std::string> WriteRefusal(const fs::path& file)
{
    // Opening for writing asks the access rights, and whether another program holds
    // the file, without changing it.
    Handle probe(CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (probe.get() != INVALID_HANDLE_VALUE)
        return std::nullopt;
    return SystemMessage(GetLastError());
}

void SyncFolder(const fs::path&)
{
    // The move was made with MOVEFILE_WRITE_THROUGH; a folder cannot be flushed here.
}

} // namespace kvr27::detail
