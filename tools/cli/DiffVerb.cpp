// kvr27 diff: two clone files compared value by value.
#include "CliJob.h"
#include "CliVerb.h"
#include "files/CloneFile.h"

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
    const std::vector<CloneFileEntry> left = CloneFileEntries(a.Image);
    const std::vector<CloneFileEntry> right = CloneFileEntries(b.Image);
    int differences = 0;
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (left[i].Text == right[i].Text)
            continue;
        ++differences;
        if (left[i].Field.Channel >= 0)
            streams.out << "channel " << left[i].Field.Channel << ' ';
        streams.out << left[i].Field.Name << ": " << left[i].Text << " | " << right[i].Text << '\n';
    }
    return differences == 0 ? ExitOk : ExitFailure;
}

} // namespace

const CliVerb DiffVerb = {
    "diff",
    "usage: kvr27 diff [--model M] A B\n"
    "Compares the clone files A and B as loaded for model M (KV-R27PA when not given),\n"
    "value by value: each line names the field (and the channel, numbered as the\n"
    "channel window's \"No\" column) with A's value and B's value. Exit status 0 when\n"
    "they are the same, 1 when they differ, 2 when a file cannot be loaded.\n",
    {"--model"},
    {},
    2,
    RunDiff,
};

} // namespace kvr27::cli
