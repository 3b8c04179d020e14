// kvr27 check: loads a clone file with every load rule and lists the values the
// rules replaced; optionally saves the loaded image.
#include "CliJob.h"
#include "CliVerb.h"
#include "files/FileMenuCommands.h"

#include <ostream>

namespace kvr27::cli {

namespace {

int RunCheck(const CliArgs& args, CliStreams& streams)
{
    CliJob job(args, streams, "check");
    AppState state;
    if (!job.startModel(state))
        return job.failureCode;
    std::vector<CloneFileReplacement> replaced;
    if (!LoadCloneFile(state, args.files[0], job.messages, &replaced))
        return job.fail("cannot load " + args.files[0], true);
    for (const CloneFileReplacement& r : replaced) {
        streams.out << "line " << r.Field.Line << ": ";
        if (r.Field.Channel >= 0)
            streams.out << "channel " << r.Field.Channel << ' ';
        streams.out << r.Field.Name << ": file " << r.FileValue << ", used " << r.UsedValue << '\n';
    }
    streams.out << replaced.size() << " value(s) replaced\n";
    const auto output = args.value("-o");
    return !output || job.save(state, *output) ? ExitOk : job.failureCode;
}

} // namespace

const CliVerb CheckVerb = {
    "check",
    "usage: kvr27 check --model M FILE [-o NORMAL]\n"
    "Loads the clone file FILE with every load rule and lists each value a rule\n"
    "replaced: the line, the file's value and the value used. -o NORMAL saves the\n"
    "loaded image as Save would. Fails with \"File reading error.\" when FILE cannot\n"
    "be loaded.\n",
    {"--model", "-o"},
    {},
    1,
    RunCheck,
};

} // namespace kvr27::cli
