// kvr27 write: a clone file into the radio, as Load and Write > All, Vfo Mode or
// Memory Mode, optionally after a backup read of the radio.
#include "CliRadio.h"
#include "CliVerb.h"
#include "core/Questions.h"
#include "link/ImageTransfers.h"
#include "link/TransferOutcome.h"

namespace kvr27::cli {

namespace {

int WriteToRadio(CliJob& job, AppState& state, CliRadio& radio, bool vfo, bool memory);

int RunWrite(const CliArgs& args, CliStreams& streams)
{
    CliJob job(args, streams, "write");
    if (args.has("--vfo") && args.has("--memory"))
        return job.usage("--vfo and --memory exclude each other");
    const bool vfo = !args.has("--memory");
    const bool memory = !args.has("--vfo");
    AppState state;
    if (!job.startAndLoad(state, args.files[0]))
        return job.failureCode;
    const auto radio = CliRadio::Open(job);
    if (!radio)
        return job.failureCode;
    return radio->finish(WriteToRadio(job, state, *radio, vfo, memory));
}

// The write itself, on an opened radio: the question, the backup, the writes and
// their read-back.
int WriteToRadio(CliJob& job, AppState& state, CliRadio& radio, bool vfo, bool memory)
{
    const CliArgs& args = job.args;
    CliStreams& streams = job.streams;
    // --yes is the answer: the question is neither asked nor shown.
    if (!args.has("--yes") && !job.messages.ask(OverwriteQuestion))
        return job.fail(streams.inIsTerminal ? "write cancelled"
                                             : "write refused: not confirmed (--yes) and standard input is no terminal");
    if (const auto backupFile = args.value("--backup")) {
        AppState backup;
        job.startModel(backup);
        const LinkResult read = ReadWholeRadio(backup, radio, job);
        if (!read.ok())
            return job.fail("backup read failed, nothing written: " + DescribeLinkResult(read));
        if (!job.save(backup, *backupFile, "backup"))
            return job.failureCode;
    }
    // As Write > All, the memory write runs whatever the VFO write gave; the first
    // failure is the one reported. Each write is read back unless --no-verify.
    const bool verify = !args.has("--no-verify");
    LinkResult result;
    LinkResult verified;
    int leftOut = 0;
    const auto readBack = [&](const LinkResult& written, const WriteRecord& record) {
        leftOut += record.LeftOut;
        if (verify && written.ok() && verified.ok())
            verified = VerifyWrittenBlocks(record.Sent, radio.session(), ProgressTarget::Main);
    };
    if (vfo) {
        WriteRecord record;
        result = WriteVfoSettings(state.Image, state.Vfo, radio.session(), ProgressTarget::Main, &record);
        readBack(result, record);
    }
    if (memory) {
        WriteRecord record;
        LinkResult channels = WriteChannels(state.Image, radio.session(), ProgressTarget::Main, &record);
        readBack(channels, record);
        if (result.ok())
            result = std::move(channels);
    }
    job.progress.finish();
    if (leftOut > 0)
        streams.out << LeftOutNote(leftOut) << '\n';
    if (!result.ok())
        return job.fail("write failed: " +
                        (result.Fault == LinkFault::FormRefused && !job.messages.lastNotice().empty()
                             ? job.messages.lastNotice()
                             : DescribeLinkResult(result)));
    if (!verified.ok())
        return job.fail(verified.Fault == LinkFault::VerifyMismatch
                            ? "verify failed: the radio does not hold what was written: " + verified.Detail
                            : "written, but not verified: " + DescribeLinkResult(verified));
    return ExitOk;
}

} // namespace

const CliVerb WriteVerb = {
    "write",
    "usage: kvr27 write --model M --port P FILE [--vfo | --memory] [--yes] [--backup BACKUP]\n"
    "                   [--no-verify] [--trace TRACE]\n"
    "Loads the clone file FILE and writes it into the radio on port P, as Write > All\n"
    "(--vfo: Write > Vfo Mode, --memory: Write > Memory Mode). The overwrite question\n"
    "is answered by --yes; without it the tool asks on a terminal and refuses otherwise.\n"
    "--backup BACKUP first reads the radio and saves its contents as BACKUP; when that\n"
    "fails nothing is written.\n"
    "Channels outside the radio's range are left out, and their number is printed.\n"
    "Every block written is read back and compared afterwards; a difference, or a\n"
    "read-back that cannot finish, ends with exit status 1. --no-verify leaves it out.\n"
    "--trace TRACE writes every exchange with the radio (the backup read's and the\n"
    "read-back's too) into the text file TRACE, one line each (time, command, answer,\n"
    "count, verdict), also when the write fails; exit status 1 when TRACE cannot be\n"
    "written.\n",
    {"--model", "--port", "--backup", "--trace"},
    {"--vfo", "--memory", "--yes", "--no-verify"},
    1,
    RunWrite,
};

} // namespace kvr27::cli
