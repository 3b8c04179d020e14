#include "CliRadio.h"

#include "commands/RadioComparison.h"
#include "core/PathText.h"
#include "image/ModelRules.h"
#include "link/WrittenBlocks.h"
#include "platform/UserConfigFolder.h"

#include <chrono>
#include <cstdio>
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

namespace {

// The port's messages without "Can't open com Port": the closing error line names
// the port and the system's reason, so the failure is told once.
class PortFailureToldOnce : public MessageSink {
public:
    explicit PortFailureToldOnce(MessageSink& shown) : shown_(shown) {}
    void notify(const std::string& text, MessageIcon icon, const std::string& detail) override
    {
        if (text != CantOpenPortMessage)
            shown_.notify(text, icon, detail);
    }
    bool ask(const std::string& text, const std::string& detail) override { return shown_.ask(text, detail); }

private:
    MessageSink& shown_;
};

// Runs `command` and gives its report, with the seconds it took in `seconds`.
template <class Command>
CommandReport Timed(double& seconds, Command command)
{
    const auto began = std::chrono::steady_clock::now();
    CommandReport report = command();
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    return report;
}

} // namespace

CliRadio::CliRadio(SerialDeviceLookup lookup, int comNumber, CliJob& job, std::string portName)
    : job_(job), port_(std::move(lookup)), messages_(std::make_unique<PortFailureToldOnce>(job.messages)),
      services_{port_, waiter_, *messages_, job.progress}, comNumber_(comNumber), portName_(std::move(portName))
{
}

CliRadio::~CliRadio() = default;

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
    const RadioCommandOptions options = prepare(state);
    CommandReport report = Timed(seconds_, [&] { return ReadRadioCommand(state, services_, parts, options); });
    job_.progress.finish();
    wrote_ = false;
    state_ = &state;
    return report;
}

CommandReport CliRadio::write(AppState& state, RadioParts parts)
{
    const RadioCommandOptions options = prepare(state);
    CommandReport report = Timed(seconds_, [&] { return WriteRadioCommand(state, services_, parts, options); });
    job_.progress.finish();
    wrote_ = true;
    state_ = &state;
    return report;
}

std::string CliRadio::summary(const CommandReport& report) const
{
    const TransferOutcome& outcome = *report.Transfer;
    const std::string port = portName_.empty() ? "COM" + std::to_string(comNumber_) + " (" + outcome.Device + ")"
                                               : portName_;
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", seconds_);
    std::string text = (wrote_ ? "wrote " : "read ") + ReportedModel(outcome.RadioModelCode) + " on " + port +
                       " in " + seconds + " s: ";
    if (wrote_)
        return text + WrittenPartsText(report.Written.value_or(SentBlocks{})) + (outcome.Verified ? " (verified)" : "");
    int inUse = 0;
    for (int n = 0; n < ChannelTable::Count; ++n)
        inUse += state_->Image.Channels.at(n).Enabled ? 1 : 0;
    return text + "the VFO settings, " + std::to_string(inUse) + (inUse == 1 ? " channel" : " channels") + " in use";
}

int CliRadio::finish(const CommandReport& report, int code)
{
    if (code == ExitOk && report.ok() && report.Transfer && !job_.args.has("-q"))
        job_.streams.out << summary(report) << '\n';
    if (report.Transfer && !report.Transfer->SlowedAfter.empty())
        job_.streams.out << SlowedDownNote(report.Transfer->SlowedAfter) << '\n';
    if (report.Transfer && report.Transfer->Repeated > 0)
        job_.streams.out << RepeatedNote(report.Transfer->Repeated) << '\n';
    if (report.Files.TraceProblem.empty())
        return code;
    job_.fail("trace not saved: " + report.Files.TraceProblem);
    return code == ExitOk ? ExitFailure : code;
}

} // namespace kvr27::cli
