#include "CliArgs.h"

#include <algorithm>

namespace kvr27::cli {

std::optional<std::string> CliArgs::value(std::string_view option) const
{
    const auto found = values.find(option);
    return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
}

ParsedCliArgs ParseCliArgs(const std::vector<std::string>& args, const std::vector<std::string_view>& valueOptions,
                           const std::vector<std::string_view>& flagOptions)
{
    const auto listed = [](const std::vector<std::string_view>& list, std::string_view arg) {
        return std::find(list.begin(), list.end(), arg) != list.end();
    };
    CliArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || listed(flagOptions, arg)) {
            parsed.flags.insert(arg);
        } else if (listed(valueOptions, arg)) {
            if (i + 1 == args.size())
                return {std::nullopt, "option " + arg + " needs a value"};
            if (!parsed.values.emplace(arg, args[++i]).second)
                return {std::nullopt, "option " + arg + " given twice"};
        } else if (arg.size() > 1 && arg.starts_with('-')) {
            return {std::nullopt, "unknown option " + arg};
        } else {
            parsed.files.push_back(arg);
        }
    }
    return {std::move(parsed), {}};
}

} // namespace kvr27::cli
