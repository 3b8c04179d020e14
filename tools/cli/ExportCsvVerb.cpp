// kvr27 export-csv: the channels of a clone file as a channel CSV, as Load and
// Export(Mem Setting).
#include "CliJob.h"
#include "CliVerb.h"
#include "commands/FileMenuCommands.h"
#include "core/PathText.h"

namespace kvr27::cli {

namespace {

int RunExportCsv(const CliArgs& args, CliStreams& streams)
{
    CliJob job(args, streams, "export-csv");
    const auto output = job.output();
    if (!output)
        return job.failureCode;
    AppState state;
    if (!job.startAndLoad(state, args.files[0]))
        return job.failureCode;
    return job.printReport(ExportChannelCsv(state, PathFromUtf8(*output), job.quiet), "cannot write the output file")
               ? ExitOk
               : job.failureCode;
}

} // namespace

const CliVerb ExportCsvVerb = {
    "export-csv",
    "usage: kvr27 export-csv --model M FILE -o CSV\n"
    "Writes the channels of the clone file FILE as the channel CSV file CSV, as\n"
    "Export(Mem Setting) does.\n",
    {"--model", "-o"},
    {},
    1,
    RunExportCsv,
};

} // namespace kvr27::cli
