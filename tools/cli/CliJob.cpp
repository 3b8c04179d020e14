#include "CliJob.h"

#include "files/FileMenuCommands.h"
#include "image/ModelRules.h"

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
    for (int option = 0; option < ModelOptions; ++option) {
        if (StartupModelForOption(option).ModelName == name) {
            StartWithModel(state, option);
            return true;
        }
    }
    usage("unknown model \"" + name + "\"");
    return false;
}

bool CliJob::load(AppState& state, const std::string& file)
{
    if (LoadCloneFile(state, file, messages))
        return true;
    fail("cannot load " + file, true);
    return false;
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
    if (SaveCloneFile(state, file, messages))
        return true;
    fail("cannot write the " + std::string(what) + " file", true);
    return false;
}

int CliJob::usage(std::string_view text)
{
    failureCode = ExitUsage;
    return fail(text);
}

int CliJob::fail(std::string_view text, bool withNotice)
{
    progress.finish();
    Fail(streams, verb, withNotice && !messages.lastNotice().empty() ? std::string(text) + ": " + messages.lastNotice()
                                                                     : std::string(text));
    return failureCode;
}

} // namespace kvr27::cli
