#include "core/UserOptions.h"

#include <string>
#include <string_view>
#include <system_error>

namespace kvr27 {

UserOptions ReadUserOptions(const std::filesystem::path& file)
{
    UserOptions options;
    std::string text;
    if (!ReadWholeFile(file, text).ok())
        return options;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line == "FastTransfer=1" || line == "FastTransfer=0")
            options.FastTransfer = line.back() == '1';
        else if (line.starts_with("Language=") && line.size() <= 9 + 8)
            options.Language = line.substr(9);
    }
    return options;
}

FileResult WriteUserOptions(const std::filesystem::path& file, const UserOptions& options)
{
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    std::string text = std::string(options.FastTransfer ? "FastTransfer=1" : "FastTransfer=0") + "\r\n";
    if (!options.Language.empty())
        text += "Language=" + options.Language + "\r\n";
    return ReplaceFileAtomically(file, text);
}

} // namespace kvr27
