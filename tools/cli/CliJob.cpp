#include "CliJob.h"

#include "commands/FileMenuCommands.h"
#include "core/PathText.h"
#include "image/ModelRules.h"

#include <cctype>

namespace kvr27::cli {

namespace {

constexpr int ModelOptions = 5;

} // namespace

CliJob::CliJob(const CliArgs& args, CliStreams& streams, std::string_view verb)
    : args(args), streams(streams), verb(verb), messages(streams, args.has("--yes")), progress(streams)
{
}

bool CliJob::startModel(AppState& state, std::string_view fallback)
{
    const std::string name = args.value("--model").value_or(std::string(fallback));
    if (name.empty()) {
        usage("--model is required");
        return false;
    }
    // "kv-r27pa(pmr only)" names KV-R27PA(PMR only): the letters' case does not matter.
    const auto folded = [](std::string_view text) {
        std::string lower(text);
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return lower;
    };
    for (int option = 0; option < ModelOptions; ++option) {
        if (folded(StartupModelForOption(option).ModelName) == folded(name)) {
            StartWithModel(state, option);
            return true;
        }
    }
    usage("unknown model \"" + name + "\"");
    return false;
}

bool CliJob::load(AppState& state, const std::string& file)
{
    return printReport(LoadCloneFile(state, PathFromUtf8(file), quiet), "cannot load " + file);
}

std::optional<std::vector<CloneFileReplacement>> CliJob::startAndLoadReplaced(AppState& state,
                                                                           const std::string& file)
{
    if (!startModel(state))
        return std::nullopt;
    LoadReport loaded = LoadCloneFile(state, PathFromUtf8(file), quiet);
    // After a load, the only messages are the VFO window's refusals, which the caller lists.
    if (loaded.ok())
        return std::move(loaded.Replaced);
    static_cast<void>(printReport(loaded, "cannot load " + file));
    return std::nullopt;
}

bool CliJob::printReport(const CommandReport& report, std::string_view failure)
{
    std::vector<CommandMessage> told = report.Messages;
    std::string error(failure);
    if (!report.ok() && !told.empty()) {
        error += ": " + MessageLine(told.back().Text, told.back().Detail);
        told.pop_back();
    }
    for (const CommandMessage& message : told)
        Err(streams) << MessageLines(message.Text, message.Detail) << '\n';
    streams.err << std::flush;
    if (!report.ok())
        fail(error);
    return report.ok();
}

bool CliJob::startAndLoad(AppState& state, const std::string& file, std::string_view fallback)
{
    return startModel(state, fallback) && load(state, file);
}

std::optional<std::string> CliJob::output()
{
    auto file = args.value("-o");
    if (!file)
        usage("-o FILE is required");
    return file;
}

bool CliJob::save(AppState& state, const std::string& file, std::string_view what)
{
    return printReport(SaveCloneFile(state, PathFromUtf8(file), quiet),
                       "cannot write the " + std::string(what) + " file");
}

int CliJob::usage(std::string_view text)
{
    failureCode = ExitUsage;
    return fail(text);
}

int CliJob::fail(std::string_view text)
{
    progress.finish();
    Fail(streams, verb, text);
    return failureCode;
}

std::string ReplacementText(const CloneFileReplacement& replacement)
{
    std::string text = "line " + std::to_string(replacement.Field.Line) + ": " + FieldText(replacement.Field) +
                       ": file " + std::to_string(replacement.FileValue);
    if (!replacement.Refusal.empty())
        return text + ", refused by the VFO window (" + replacement.Refusal + ")";
    return text + ", used " + std::to_string(replacement.UsedValue);
}

} // namespace kvr27::cli
