// kvr27 write: a clone file into the radio, as Load and Write > All, Vfo Mode or
// Memory Mode, optionally after a backup read of the radio.
#include "CliRadio.h"
#include "CliVerb.h"
#include "link/TransferOutcome.h"
#include "link/WrittenBlocks.h"

namespace kvr27::cli {

namespace {

// What went wrong, in the one closing line; a write that failed says what it wrote.
std::string FailureText(const CommandReport& report)
{
    if (!report.Transfer || report.Transfer->Kind == TransferKind::Backup) {
        return report.Transfer ? "backup read failed, nothing written: " + DescribeLinkResult(report.Transfer->Result)
                               : "cannot write the backup file, nothing written: " + report.Files.BackupProblem;
    }
    const LinkResult& result = report.Transfer->Result;
    if (report.Transfer->Kind == TransferKind::Write) {
        const SentBlocks written = report.Written.value_or(SentBlocks{});
        if (written.empty())
            return (result.Fault == LinkFault::FormRefused || result.Fault == LinkFault::OutOfRange ||
                            result.Fault == LinkFault::ModelMismatch
                        ? "write refused, nothing written: "
                        : "write failed, nothing written: ") +
                   DescribeLinkResult(result);
        return "write failed: " + DescribeLinkResult(result) + "; " + WrittenNote(written);
    }
    return result.Fault == LinkFault::VerifyMismatch
               ? "verify failed: the radio does not hold what was written: " + result.Detail
               : "written, but not verified: " + DescribeLinkResult(result);
}

int RunWrite(const CliArgs& args, CliStreams& streams)
{
    CliJob job(args, streams, "write");
    if (args.has("--vfo") && args.has("--memory"))
        return job.usage("--vfo and --memory exclude each other");
    const RadioParts parts = args.has("--vfo") ? RadioParts::Vfo : args.has("--memory") ? RadioParts::Memory
                                                                                          : RadioParts::All;
    AppState state;
    if (!job.startAndLoad(state, args.files[0]))
        return job.failureCode;
    const auto radio = CliRadio::Open(job);
    if (!radio)
        return job.failureCode;
    const CommandReport report = radio->write(state, parts);
    if (!report.LeftOut.empty())
        streams.out << LeftOutNote(static_cast<int>(report.LeftOut.size())) << '\n';
    if (report.ok() && report.Transfer && report.Transfer->ChangedBlocks >= 0)
        streams.out << ChangedBlocksNote(*report.Transfer) << '\n';
    switch (report.End) {
    case CommandEnd::Done:
        return radio->finish(report, ExitOk);
    case CommandEnd::Declined:
    case CommandEnd::Cancelled:
        return radio->finish(report, job.fail(streams.inIsTerminal ? "write cancelled"
                                                                   : "write refused: not confirmed (--yes) and "
                                                                     "standard input is no terminal"));
    case CommandEnd::Failed:
        break;
    }
    return radio->finish(report, job.fail(FailureText(report)));
}

} // namespace

const CliVerb WriteVerb = {
    "write",
    "usage: kvr27 write --model M --port P FILE [--vfo | --memory] [--yes] [--backup BACKUP]\n"
    "                   [--no-verify] [--fast] [--trace TRACE] [--review] [--changed-only] [-q]\n"
    "Loads the clone file FILE and writes it into the radio on port P, as Write > All\n"
    "(--vfo: Write > Vfo Mode, --memory: Write > Memory Mode). The overwrite question\n"
    "is answered by --yes; without it the tool asks on a terminal and refuses otherwise.\n"
    "A blank or non-numeric VFO value in FILE, a VFO frequency outside the radio's\n"
    "range or a radio of another model refuses the write before anything is written.\n"
    "--backup BACKUP first reads the radio and saves its contents as BACKUP; when that\n"
    "fails nothing is written.\n"
    "Channels outside the radio's range are left out, and their number is printed.\n"
    "Every block written is read back and compared afterwards; a difference, or a\n"
    "read-back that cannot finish, ends with exit status 1. --no-verify leaves it out.\n"
    "--trace TRACE writes every exchange with the radio (the backup read's and the\n"
    "read-back's too) into the text file TRACE, one line each (time, command, answer,\n"
    "count, verdict), also when the write fails; a write that exchanged nothing leaves\n"
    "TRACE as it was; exit status 1 when TRACE cannot be written.\n"
    "--fast ends each exchange as soon as the radio's answer is whole, as for read.\n"
    "--review first reads the radio (the backup's read with --backup), prints what the\n"
    "write changes and asks (with --yes: goes on); nothing differs: nothing is written.\n"
    "--changed-only sends only the blocks that differ from what that read found (and\n"
    "reads back only those); without --backup or --review it writes everything.\n"
    "A write that succeeded prints one line: the radio, the port, the time and what was\n"
    "written; -q leaves it out. A write that failed says what it had written.\n",
    {"--model", "--port", "--backup", "--trace"},
    {"--vfo", "--memory", "--yes", "--no-verify", "--fast", "--review", "--changed-only", "-q"},
    1,
    RunWrite,
};

} // namespace kvr27::cli
