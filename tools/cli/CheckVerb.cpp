// kvr27 check: loads a clone file with every load rule and lists the values the
// rules replaced; optionally saves the loaded image.
#include "CliJob.h"
#include "CliVerb.h"

#include <ostream>

namespace kvr27::cli {

namespace {

int RunCheck(const CliArgs& args, CliStreams& streams)
{
    CliJob job(args, streams, "check");
    AppState state;
    const auto replaced = job.startAndLoadReplaced(state, args.files[0]);
    if (!replaced)
        return job.failureCode;
    std::size_t refused = 0;
    for (const CloneFileReplacement& r : *replaced) {
        streams.out << ReplacementText(r) << '\n';
        refused += r.Refusal.empty() ? 0 : 1;
    }
    streams.out << replaced->size() - refused << " value(s) replaced\n";
    if (refused > 0)
        streams.out << refused << " value(s) refused by the VFO window\n";
    const auto output = args.value("-o");
    return !output || job.save(state, *output) ? ExitOk : job.failureCode;
}

} // namespace

const CliVerb CheckVerb = {
    "check",
    "usage: kvr27 check --model M FILE [-o NORMAL]\n"
    "Loads the clone file FILE with every load rule and lists each value a rule\n"
    "replaced (the line, the file's value and the value used) and each value the VFO\n"
    "window refuses to show. -o NORMAL saves the loaded image as Save would. Fails\n"
    "with \"File reading error.\", the line and the reason when FILE cannot be loaded.\n",
    {"--model", "-o"},
    {},
    1,
    RunCheck,
};

} // namespace kvr27::cli
