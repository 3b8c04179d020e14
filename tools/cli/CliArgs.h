#pragma once
// The command line of one subcommand: its options (those that take a value and
// plain flags, as the subcommand declares them) and its other arguments in order.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kvr27::cli {

struct CliArgs {
    std::map<std::string, std::string, std::less<>> values; // "--model" -> "KV-R27PA"
    std::set<std::string, std::less<>> flags;                // "--yes"
    std::vector<std::string> files;

    // The value of an option, or nothing when it was not given.
    std::optional<std::string> value(std::string_view option) const;
    bool has(std::string_view flag) const { return flags.contains(flag); }
};

// A command line split, or why it is refused.
struct [[nodiscard]] ParsedCliArgs {
    std::optional<CliArgs> Args;
    std::string Error; // empty when Args holds the command line
};

// Splits `args` (after the subcommand's name). `valueOptions` take the next
// argument ("-o FILE"); `flagOptions` take none; "--help" is always a flag. Refuses
// an unknown option, a missing value and an option given twice.
ParsedCliArgs ParseCliArgs(const std::vector<std::string>& args, const std::vector<std::string_view>& valueOptions,
                           const std::vector<std::string_view>& flagOptions);

} // namespace kvr27::cli
