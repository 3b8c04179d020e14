#include "Kvr27Cli.h"

#include "CliFileClash.h"
#include "CliVerb.h"
#include "core/ProgramVersion.h"

#include <array>
#include <ostream>

namespace kvr27::cli {

namespace {

const std::array<const CliVerb*, 8> Verbs = {&ReadVerb,  &WriteVerb, &ExportCsvVerb, &ImportCsvVerb,
                                             &CheckVerb, &ShowVerb,  &DiffVerb,      &ReportVerb};

void PrintUsage(std::ostream& out)
{
    out << "usage: kvr27 <command> [options]   (kvr27 <command> --help for one command)\n"
           "commands:";
    for (const CliVerb* verb : Verbs)
        out << ' ' << verb->Name;
    out << "\nmodels (any letter case): KV-R27PA, KV-R27Z, KV-R27X, \"KV-R27PA(PMR only)\",\n"
           "  \"KV-R27PA(LPD only)\"\n"
           "ports: COM1 to COM5 (as the main program maps them) or a device path\n"
           "exit status: 0 success, 1 failure (diff: the files differ), 2 bad command line\n"
           "kvr27 --version prints the version and the licence\n";
}

} // namespace

int RunKvr27(const std::vector<std::string>& args, CliStreams& streams)
{
    if (args.empty() || args[0] == "--help" || args[0] == "help") {
        PrintUsage(args.empty() ? streams.err : streams.out);
        return args.empty() ? ExitUsage : ExitOk;
    }
    if (args[0] == "--version") {
        streams.out << VersionNotice("kvr27");
        return ExitOk;
    }
    for (const CliVerb* verb : Verbs) {
        if (verb->Name != args[0])
            continue;
        const auto [parsed, refusal] = ParseCliArgs({args.begin() + 1, args.end()}, verb->Values, verb->Flags);
        std::string error = refusal;
        if (parsed && parsed->has("--help")) {
            streams.out << verb->Help;
            return ExitOk;
        }
        if (parsed && parsed->files.size() != verb->Files)
            error = "expected " + std::to_string(verb->Files) + " file argument(s), got " +
                    std::to_string(parsed->files.size());
        if (!error.empty()) {
            Fail(streams, verb->Name, error + " (see kvr27 " + std::string(verb->Name) + " --help)");
            return ExitUsage;
        }
        if (const auto clash = FileClash(*parsed)) {
            Fail(streams, verb->Name, *clash);
            return ExitUsage;
        }
        return verb->Run(*parsed, streams);
    }
    Fail(streams, args[0], "unknown command (see kvr27 --help)");
    return ExitUsage;
}

} // namespace kvr27::cli
