#include "platform/ZipArchive.h"

#include <zip.h>

#include <memory>
#include <string>

namespace kvr27 {

namespace {

struct SourceFree {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Source = std::unique_ptr<zip_source_t, SourceFree>;

FileResult Failed(const std::string& why) { return {FileResult::Step::Write, "cannot make the zip archive: " + why}; }

// The archive's bytes, built in memory, so the file is written in one atomic step.
FileResult ZipBytes(const std::vector<ReportFile>& files, std::string& bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    Source buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    zip_t* archive = buffer ? zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error) : nullptr;
    if (!archive) {
        const std::string why = zip_error_strerror(&error);
        zip_error_fini(&error);
        return Failed(why);
    }
    zip_error_fini(&error);
    zip_source_keep(buffer.get()); // the archive frees its reference on closing; ours stays
    for (const ReportFile& file : files) {
        zip_source_t* content = zip_source_buffer(archive, file.Content.data(), file.Content.size(), 0);
        if (!content || zip_file_add(archive, file.Name.c_str(), content, ZIP_FL_ENC_UTF_8) < 0) {
            const std::string why = zip_strerror(archive);
            zip_source_free(content);
            zip_discard(archive);
            return Failed(file.Name + ": " + why);
        }
    }
    if (zip_close(archive) != 0) {
        const std::string why = zip_strerror(archive);
        zip_discard(archive);
        return Failed(why);
    }
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(buffer.get(), &stat) != 0 || zip_source_open(buffer.get()) != 0)
        return Failed(zip_error_strerror(zip_source_error(buffer.get())));
    bytes.resize(static_cast<std::size_t>(stat.size));
    const zip_int64_t read = zip_source_read(buffer.get(), bytes.data(), stat.size);
    zip_source_close(buffer.get());
    if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size)
        return Failed("the archive could not be read back from memory");
    return {};
}

} // namespace

FileResult SaveZipArchive(const std::filesystem::path& file, const std::vector<ReportFile>& files)
{
    std::string bytes;
    if (FileResult made = ZipBytes(files, bytes); !made.ok())
        return made;
    return ReplaceFileAtomically(file, bytes);
}

} // namespace kvr27
