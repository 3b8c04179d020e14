// kvr27 report: the problem report without a document, as Info > Report a Problem...
// saves it: the files it holds are listed, then saved as one zip archive.
#include "CliJob.h"
#include "CliVerb.h"
#include "commands/ProblemReport.h"
#include "commands/TracedCommand.h"
#include "core/PathText.h"
#include "core/UserOptions.h"
#include "platform/QtSystemFacts.h"
#include "platform/SetupIniLocation.h"
#include "platform/UserConfigFolder.h"
#include "platform/ZipArchive.h"

#include <QCoreApplication>

#include <ostream>

namespace kvr27::cli {

namespace {

int RunReport(const CliArgs& args, CliStreams& streams)
{
    CliJob job(args, streams, "report");
    const auto output = job.output();
    if (!output)
        return ExitUsage;
    ProblemReportSources sources{CurrentSystemFacts(), UserConfigFolder() / UserOptionsName,
                                 FoundSetupIni(QCoreApplication::applicationDirPath()),
                                 UserDataFolder() / TraceFolderName};
    const std::vector<ReportFile> files = ProblemReportFiles(sources);
    if (const FileResult saved = SaveZipArchive(PathFromUtf8(*output), files); !saved.ok())
        return job.fail("cannot write " + *output + ": " + saved.Reason);
    for (const ReportFile& file : files)
        streams.out << file.Name << " (" << file.Content.size() << " bytes)\n";
    return ExitOk;
}

} // namespace

const CliVerb ReportVerb = {
    "report",
    "usage: kvr27 report -o FILE.zip\n"
    "Saves the problem report of the main program's Info menu as one zip archive:\n"
    "the version and build, the system and Qt versions, the serial ports the system\n"
    "lists, options.ini, setup.ini and the five newest exchange traces, without a\n"
    "document, and lists the files it holds. Nothing is sent anywhere.\n",
    {"-o"},
    {},
    0,
    RunReport,
};

} // namespace kvr27::cli
