// kvr27 read: VFO and memory from the radio into a clone file, as Read > All and Save.
#include "CliRadio.h"
#include "CliVerb.h"
#include "link/LinkResult.h"

namespace kvr27::cli {

namespace {

int RunRead(const CliArgs& args, CliStreams& streams)
{
    CliJob job(args, streams, "read");
    AppState state;
    const auto output = job.output();
    if (!output)
        return job.failureCode;
    if (!job.startModel(state))
        return job.failureCode;
    const auto radio = CliRadio::Open(job);
    if (!radio)
        return job.failureCode;
    const CommandReport report = radio->read(state, RadioParts::All);
    if (!report.ok())
        return radio->finish(report, job.fail("read failed: " + DescribeLinkResult(report.Transfer->Result)));
    return radio->finish(report, job.save(state, *output) ? ExitOk : job.failureCode);
}

} // namespace

const CliVerb ReadVerb = {
    "read",
    "usage: kvr27 read --model M --port P -o FILE [--fast] [--trace TRACE] [-q]\n"
    "Reads the VFO settings and the memory channels of the radio on port P (COM1-COM5\n"
    "or a device path), as Read > All, and saves them as the clone file FILE.\n"
    "FILE is written only after the whole read succeeded.\n"
    "--trace TRACE writes every exchange with the radio into the text file TRACE, one\n"
    "line each (time, command, answer, count, verdict), also when the read fails (a\n"
    "read that exchanged nothing leaves TRACE as it was); exit status 1 when TRACE\n"
    "cannot be written.\n"
    "--fast ends each exchange as soon as the radio's answer is whole instead of\n"
    "waiting 100 ms; after an exchange that fails it goes on at the normal pace and\n"
    "says where (\"slowed down after block 0730h\").\n"
    "A read that succeeded prints one line: the radio, the port, the time and the\n"
    "channels in use; -q leaves it out.\n",
    {"--model", "--port", "-o", "--trace"},
    {"--fast", "-q"},
    0,
    RunRead,
};

} // namespace kvr27::cli
