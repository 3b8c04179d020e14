#include "CliFileClash.h"

#include "core/PathText.h"

#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace kvr27::cli {

namespace {

namespace fs = std::filesystem;

// Every option of the subcommands that names a file they write.
constexpr std::array<std::string_view, 3> OutputOptions = {"-o", "--backup", "--trace"};

// Whether two names lead to one file: the same file when both exist (through links,
// hard links or other paths), else the same path once the links of its existing
// part are followed.
bool SameFile(const fs::path& a, const fs::path& b)
{
    std::error_code error;
    if (fs::exists(a, error) && fs::exists(b, error))
        return fs::equivalent(a, b, error);
    return fs::weakly_canonical(fs::absolute(a, error), error) == fs::weakly_canonical(fs::absolute(b, error), error);
}

} // namespace

std::optional<std::string> FileClash(const CliArgs& args)
{
    for (std::size_t i = 0; i < OutputOptions.size(); ++i) {
        const auto output = args.value(OutputOptions[i]);
        if (!output)
            continue;
        const std::string named = std::string(OutputOptions[i]) + " " + *output;
        if (output->empty())
            return named + "\"\" names no file";
        for (const std::string& input : args.files) {
            if (SameFile(PathFromUtf8(*output), PathFromUtf8(input)))
                return named + " would replace the input " + input;
        }
        for (std::size_t j = 0; j < i; ++j) {
            const auto other = args.value(OutputOptions[j]);
            if (other && SameFile(PathFromUtf8(*output), PathFromUtf8(*other)))
                return named + " and " + std::string(OutputOptions[j]) + " " + *other + " are the same file";
        }
    }
    return std::nullopt;
}

} // namespace kvr27::cli
