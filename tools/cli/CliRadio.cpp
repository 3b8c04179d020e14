#include "CliRadio.h"

#include "commands/RadioComparison.h"
#include "core/PathText.h"
#include "platform/UserConfigFolder.h"

#include <utility>

namespace kvr27::cli {

std::unique_ptr<CliRadio> CliRadio::Open(CliJob& job)
{
    const auto port = job.args.value("--port");
    if (!port) {
        job.usage("--port is required");
        return nullptr;
    }
    const std::optional<PortChoice> choice = ParsePortChoice(*port, SystemIsWindows());
    if (!choice) {
        job.usage("unknown port \"" + *port + "\" (COM1 to COM5 or a device path)");
        return nullptr;
    }
    if (choice->ComNumber > 0)
        return std::make_unique<CliRadio>(SystemSerialDeviceLookup(PortAssignmentsFile()), choice->ComNumber, job);
    return std::make_unique<CliRadio>(FixedSerialDevice(choice->Device), 1, job, *port);
}

CliRadio::CliRadio(SerialDeviceLookup lookup, int comNumber, CliJob& job, std::string portName)
    : job_(job), port_(std::move(lookup)), services_{port_, waiter_, job.messages, job.progress},
      comNumber_(comNumber), portName_(std::move(portName))
{
}

RadioCommandOptions CliRadio::prepare(AppState& state)
{
    const CliArgs& args = job_.args;
    state.ComIndex = comNumber_ - 1;
    RadioCommandOptions options;
    options.PortName = portName_;
    options.TraceFile = PathFromUtf8(args.value("--trace").value_or(""));
    options.BackupFile = PathFromUtf8(args.value("--backup").value_or(""));
    state.Safeguards.TraceExchanges = !options.TraceFile.empty();
    state.Safeguards.BackupBeforeWrite = !options.BackupFile.empty();
    state.Safeguards.VerifyAfterWrite = !args.has("--no-verify");
    state.FastTransfer = args.has("--fast");
    // --yes is the answer: the question is neither asked nor shown.
    options.Confirmed = args.has("--yes");
    state.ReviewBeforeWrite = args.has("--review");
    state.ChangedBlocksOnly = args.has("--changed-only");
    options.Review = [this](const std::vector<std::string>& lines) {
        job_.progress.finish();
        job_.streams.out << DifferenceCount(lines.size()) << " (the radio now -> after the write):\n";
        for (const std::string& line : lines)
            job_.streams.out << "  " << line << '\n';
        return job_.messages.ask(ReviewQuestion);
    };
    return options;
}

CommandReport CliRadio::read(AppState& state, RadioParts parts)
{
    CommandReport report = ReadRadioCommand(state, services_, parts, prepare(state));
    job_.progress.finish();
    return report;
}

CommandReport CliRadio::write(AppState& state, RadioParts parts)
{
    CommandReport report = WriteRadioCommand(state, services_, parts, prepare(state));
    job_.progress.finish();
    return report;
}

int CliRadio::finish(const CommandReport& report, int code)
{
    if (report.Transfer && !report.Transfer->SlowedAfter.empty())
        job_.streams.out << SlowedDownNote(report.Transfer->SlowedAfter) << '\n';
    if (report.Files.TraceProblem.empty())
        return code;
    job_.fail("trace not saved: " + report.Files.TraceProblem);
    return code == ExitOk ? ExitFailure : code;
}

} // namespace kvr27::cli
