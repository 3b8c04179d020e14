// The POSIX branch of SystemFiles.
#include "core/SystemFiles.h"

#include "core/PathText.h"
#include "core/UserText.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvr27::detail {

namespace fs = std::filesystem;

namespace {

FileResult Failure(FileResult::Step step, int error) { return {step, std::strerror(error)}; }

// Closes the descriptor when it goes out of scope, unless it was closed already.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

fs::file_type TypeOf(mode_t mode)
{
    if (S_ISREG(mode))
        return fs::file_type::regular;
    if (S_ISDIR(mode))
        return fs::file_type::directory;
    if (S_ISFIFO(mode))
        return fs::file_type::fifo;
    if (S_ISCHR(mode))
        return fs::file_type::character;
    if (S_ISBLK(mode))
        return fs::file_type::block;
    if (S_ISSOCK(mode))
        return fs::file_type::socket;
    return fs::file_type::unknown;
}

bool WriteAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t count = ::write(fd, content.data(), content.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        content.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

} // namespace

FileResult ReadRegularFile(const fs::path& file, std::string& content)
{
    Descriptor in(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (in.get() < 0)
        return Failure(FileResult::Step::Open, errno);
    // Looked at again now that it is open: the name may lead elsewhere by now.
    struct stat info {};
    if (::fstat(in.get(), &info) != 0)
        return Failure(FileResult::Step::Open, errno);
    if (auto refusal = FileRefusal(TypeOf(info.st_mode), static_cast<std::uintmax_t>(info.st_size)))
        return {FileResult::Step::Open, std::move(*refusal)};
    std::string text;
    std::array<char, 16384> buffer{};
    for (;;) {
        const ssize_t count = ::read(in.get(), buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return Failure(FileResult::Step::Read, errno);
        if (count == 0)
            break;
        text.append(buffer.data(), static_cast<std::size_t>(count));
        if (auto refusal = FileRefusal(fs::file_type::regular, text.size())) // it grew while being read
            return {FileResult::Step::Read, std::move(*refusal)};
    }
    content = std::move(text);
    return {};
}

FileResult WriteNewFile(const fs::path& folder, const fs::path& name, std::string_view content,
                        std::optional<fs::perms> mode, fs::path& made)
{
    constexpr mode_t NewFileMode = 0666; // less the user's umask, as every new file
    int fd = -1;
    fs::path file;
    for (int tries = 0; fd < 0 && tries < NameTries; ++tries) {
        file = folder / name;
        file += "." + UniqueNameEnd();
        fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, NewFileMode);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int error = errno;
        std::error_code ignored;
        return {FileResult::Step::Open,
                TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "Cannot make a new file in the folder \"%1\": %2"),
                                 {Utf8FromPath(fs::absolute(folder, ignored)), std::strerror(error)})};
    }
    made = file;
    Descriptor out(fd);
    if (mode && ::fchmod(out.get(), static_cast<mode_t>(*mode)) != 0)
        return Failure(FileResult::Step::Write, errno);
    if (!WriteAll(out.get(), content) || ::fsync(out.get()) != 0)
        return Failure(FileResult::Step::Write, errno);
    if (!out.close())
        return Failure(FileResult::Step::Write, errno);
    return {};
}

FileResult ReplaceWith(const fs::path& made, const fs::path& target)
{
    if (std::rename(made.c_str(), target.c_str()) != 0)
        return Failure(FileResult::Step::Replace, errno);
    return {};
}

FileResult MoveToNewName(const fs::path& made, const fs::path& target)
{
    // A second name for the new file is made only where none exists; the file then
    // has its place whole, and the first name goes.
    if (::link(made.c_str(), target.c_str()) == 0) {
        ::unlink(made.c_str());
        return {};
    }
    if (errno == EEXIST)
        return {FileResult::Step::NameTaken, std::strerror(EEXIST)};
    // A file system without links (a FAT memory stick): the name is taken by an
    // empty file made exclusively, which the new file then replaces.
    Descriptor reserved(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600));
    if (reserved.get() < 0)
        return {errno == EEXIST ? FileResult::Step::NameTaken : FileResult::Step::Replace, std::strerror(errno)};
    reserved.close();
    if (FileResult replaced = ReplaceWith(made, target); !replaced.ok()) {
        ::unlink(target.c_str());
        return replaced;
    }
    return {};
}

std::optional<std::string> WriteRefusal(const fs::path& file)
{
    if (::access(file.c_str(), W_OK) == 0)
        return std::nullopt;
    return std::strerror(errno);
}

void SyncFolder(const fs::path& folder)
{
    // Where a folder cannot be opened or flushed, the rename reaches the disk with
    // the system's next flush; the file itself already has.
    Descriptor entries(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (entries.get() >= 0)
        ::fsync(entries.get());
}

} // namespace kvr27::detail
