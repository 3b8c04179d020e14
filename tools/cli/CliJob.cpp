#include "CliJob.h"

#include "commands/FileMenuCommands.h"
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

bool CliJob::load(AppState& state, const std::string& file, std::vector<CloneFileReplacement>* replaced)
{
    messages.hold();
    const bool loaded = LoadCloneFile(state, file, messages, replaced);
    // After a load, the only notices are the VFO window's refusals.
    messages.release(!loaded ? CliMessages::Held::DropLast
                             : (replaced ? CliMessages::Held::DropAll : CliMessages::Held::Print));
    if (!loaded)
        fail("cannot load " + file, true);
    return loaded;
}

bool CliJob::fileStep(const std::function<bool()>& command, std::string_view failure)
{
    messages.hold();
    const bool done = command();
    messages.release(done ? CliMessages::Held::Print : CliMessages::Held::DropLast);
    if (!done)
        fail(failure, true);
    return done;
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
    return fileStep([&] { return SaveCloneFile(state, file, messages); },
                    "cannot write the " + std::string(what) + " file");
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

std::string ReplacementText(const CloneFileReplacement& replacement)
{
    std::string text = "line " + std::to_string(replacement.Field.Line) + ": " + FieldText(replacement.Field) +
                       ": file " + std::to_string(replacement.FileValue);
    if (!replacement.Refusal.empty())
        return text + ", refused by the VFO window (" + replacement.Refusal + ")";
    return text + ", used " + std::to_string(replacement.UsedValue);
}

} // namespace kvr27::cli
