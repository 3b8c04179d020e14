// kvr27 import-csv: a channel CSV into a clone file, as Load, Import(Mem Setting)
// and Save.
#include "CliJob.h"
#include "CliVerb.h"
#include "commands/FileMenuCommands.h"
#include "core/PathText.h"

namespace kvr27::cli {

namespace {

int RunImportCsv(const CliArgs& args, CliStreams& streams)
{
    CliJob job(args, streams, "import-csv");
    const auto output = job.output();
    if (!output)
        return job.failureCode;
    AppState state;
    if (!job.startAndLoad(state, args.files[0]))
        return job.failureCode;
    if (!job.printReport(ImportChannelCsv(state, PathFromUtf8(args.files[1]), job.quiet),
                         "cannot import " + args.files[1]))
        return job.failureCode;
    return job.save(state, *output) ? ExitOk : job.failureCode;
}

} // namespace

const CliVerb ImportCsvVerb = {
    "import-csv",
    "usage: kvr27 import-csv --model M FILE CSV -o NEW\n"
    "Takes the channels and the current channel of the channel CSV file CSV into the\n"
    "clone file FILE, as Import(Mem Setting) does, and saves the result as NEW.\n",
    {"--model", "-o"},
    {},
    2,
    RunImportCsv,
};

} // namespace kvr27::cli
