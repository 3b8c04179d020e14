#include "core/UserOptions.h"

#include <array>
#include <string>
#include <string_view>
#include <system_error>

namespace kvr27 {

namespace {

// Each option with its name in the file.
struct NamedOption {
    std::string_view Name;
    bool UserOptions::*Value;
};
constexpr std::array<NamedOption, 3> NamedOptions = {{
    {"FastTransfer", &UserOptions::FastTransfer},
    {"ReviewBeforeWrite", &UserOptions::ReviewBeforeWrite},
    {"ChangedBlocksOnly", &UserOptions::ChangedBlocksOnly},
}};

} // namespace

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
        for (const NamedOption& option : NamedOptions) {
            if (line.size() == option.Name.size() + 2 && line.starts_with(option.Name)
                && line[option.Name.size()] == '=' && (line.back() == '1' || line.back() == '0'))
                options.*option.Value = line.back() == '1';
        }
        if (line.starts_with("Language=") && line.size() <= 9 + 8)
            options.Language = line.substr(9);
    }
    return options;
}

FileResult WriteUserOptions(const std::filesystem::path& file, const UserOptions& options)
{
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    std::string text;
    for (const NamedOption& option : NamedOptions)
        text.append(option.Name).append(options.*option.Value ? "=1\r\n" : "=0\r\n");
    if (!options.Language.empty())
        text.append("Language=").append(options.Language).append("\r\n");
    return ReplaceFileAtomically(file, text);
}

} // namespace kvr27
