// kvr27 diff: two clone files compared setting by setting, in the windows' words.
#include "CliJob.h"
#include "CliVerb.h"
#include "files/SettingsDifferences.h"

#include <ostream>

namespace kvr27::cli {

namespace {

int RunDiff(const CliArgs& args, CliStreams& streams)
{
    CliJob job(args, streams, "diff");
    job.failureCode = ExitUsage; // 1 means the files differ
    AppState a;
    AppState b;
    if (!job.startAndLoad(a, args.files[0], "KV-R27PA") || !job.startAndLoad(b, args.files[1], "KV-R27PA"))
        return job.failureCode;
    const std::vector<SettingsDifference> differences = SettingsDifferences(a.Image, a.Vfo, b.Image, b.Vfo);
    for (const SettingsDifference& d : differences)
        streams.out << d.Name << ": " << d.Left << " | " << d.Right << '\n';
    return differences.empty() ? ExitOk : ExitFailure;
}

} // namespace

const CliVerb DiffVerb = {
    "diff",
    "usage: kvr27 diff [--model M] A B\n"
    "Compares the clone files A and B as loaded for model M (KV-R27PA when not given),\n"
    "setting by setting, in the words of the windows: each line names the setting\n"
    "(the VFO window's caption, or \"channel N\" and the channel window's column,\n"
    "N numbered as its \"No\" column) with A's value and B's value, as the windows\n"
    "show them. Values no window shows follow by their clone-file names. Exit status\n"
    "0 when they are the same, 1 when they differ, 2 when a file cannot be loaded.\n",
    {"--model"},
    {},
    2,
    RunDiff,
};

} // namespace kvr27::cli
