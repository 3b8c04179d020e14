#include "core/FileAccess.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

namespace kvr27 {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

FileResult Failure(FileResult::Step step, int error)
{
    return {step, error != 0 ? std::strerror(error) : "unknown error"};
}

} // namespace

FileResult ReadWholeFile(const std::filesystem::path& file, std::string& content)
{
    std::error_code status;
    if (std::filesystem::is_directory(file, status))
        return Failure(FileResult::Step::Open, EISDIR);
    errno = 0;
    FileHandle in(std::fopen(file.c_str(), "rb"));
    if (!in)
        return Failure(FileResult::Step::Open, errno);
    std::string text;
    std::array<char, 16384> buffer;
    std::size_t count;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), in.get())) > 0)
        text.append(buffer.data(), count);
    if (std::ferror(in.get()))
        return Failure(FileResult::Step::Read, errno);
    content = std::move(text);
    return {};
}

FileResult ReplaceFileAtomically(const std::filesystem::path& file, std::string_view content)
{
    std::filesystem::path temp = file;
    temp += ".tmp";
    auto discard = [&temp](FileResult result) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return result;
    };

    errno = 0;
    std::FILE* out = std::fopen(temp.c_str(), "wb");
    if (!out)
        return Failure(FileResult::Step::Open, errno);
    errno = 0;
    const bool written = std::fwrite(content.data(), 1, content.size(), out) == content.size() &&
                         std::fflush(out) == 0;
    const int writeError = errno;
    errno = 0;
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed)
        return discard(Failure(FileResult::Step::Write, written ? errno : writeError));

    std::error_code error;
    std::filesystem::rename(temp, file, error);
    if (error)
        return discard({FileResult::Step::Replace, error.message()});
    return {};
}

bool CanCreateFilesIn(const std::filesystem::path& folder)
{
    const std::filesystem::path probe = folder / ".kvr27-write-probe";
    FileHandle out(std::fopen(probe.c_str(), "wb"));
    if (!out)
        return false;
    out.reset();
    std::error_code ignored;
    std::filesystem::remove(probe, ignored);
    return true;
}

} // namespace kvr27
