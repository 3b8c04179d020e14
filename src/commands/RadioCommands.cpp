#include "commands/RadioCommands.h"

#include "commands/RadioBackup.h"
#include "commands/RadioComparison.h"
#include "commands/TracedCommand.h"
#include "commands/VfoEditor.h"
#include "core/PathText.h"
#include "core/Questions.h"
#include "core/UserText.h"
#include "image/ChannelGrid.h"
#include "image/VfoCodec.h"
#include "link/WriteVerification.h"

#include <optional>
#include <utility>

namespace kvr27 {

namespace {

// One run of a transfer command: the services with the report's messages and the
// trace's port, the link session, and the report it fills. While it lasts a transfer
// is running, so every window refuses its commands while the link waits.
struct RadioCommandRun {
    RadioCommandRun(AppState& state, LinkServices& services, const RadioCommandOptions& options)
        : state_(state), services_(services), options_(options), messages(services.messages, report),
          trace_(services.port, state.Safeguards.TraceExchanges, options.Clock, state.FastTransfer),
          link_{trace_.port(), services.waiter, messages, services.progress},
          session{link_, state.Link, state.ComIndex + 1, options.PortName, state.FastTransfer},
          runningBefore_(std::exchange(state.TransferRunning, true))
    {
        state.Link.CancelRequested = false;
        state.Link.PortProblem.clear();
    }
    ~RadioCommandRun() { state_.TransferRunning = runningBefore_; }
    RadioCommandRun(const RadioCommandRun&) = delete;
    RadioCommandRun& operator=(const RadioCommandRun&) = delete;

    bool editor() const { return options_.Target == ProgressTarget::Editor; }

    // Keeps how a transfer ended: a failure earlier in the command stays, and the
    // channels a write left out add up.
    void keep(TransferKind kind, const LinkResult& result, bool verified = false, std::uint8_t radioCode = 0)
    {
        std::optional<TransferOutcome>& last = report.Transfer;
        if (!last || last->Result.ok())
            last = TransferOutcome{kind, result, services_.port.deviceName(session.ComNumber),
                                   radioCode ? radioCode : state_.Image.ModelCode, verified, 0, {}};
        last->LeftOut = static_cast<int>(report.LeftOut.size());
        last->SlowedAfter = session.SlowedAfter;
        last->Repeated = session.Repeated;
        if (plannedBlocks_ > 0) {
            last->ChangedBlocks = changedBlocks_;
            last->AllBlocks = plannedBlocks_;
        }
    }

    // The backup before a write; false after BackupFailedMessage.
    bool backUp()
    {
        std::string problem = Translated("Reasons", "The program knows no folder for backups.");
        if (!options_.BackupFile.empty() || !state_.DataFolder.empty()) {
            RadioBackupResult backup = BackUpRadio(state_.Image, session, options_.Target, options_.BackupFile,
                                                         BackupFolder(state_.DataFolder));
            if (backup.ok()) {
                radio_ = std::move(backup.Radio);
                report.Files.Backup = Utf8FromPath(backup.Saved.File);
                return true;
            }
            if (!backup.Read.ok())
                keep(TransferKind::Backup, backup.Read, false, backup.RadioModelCode);
            problem = backup.problem();
        }
        report.Files.BackupProblem = problem;
        messages.notify(std::string(BackupFailedMessage) + "\r" + problem, MessageIcon::Exclamation);
        return false;
    }

    // A finished write, read back when the user wants it verified: a difference or a
    // read-back that could not finish makes the write count as failed.
    void readBack(const LinkResult& result, const WriteRecord& record)
    {
        report.Written->insert(report.Written->end(), record.Sent.begin(), record.Sent.end());
        if (record.Held) {
            changedBlocks_ += static_cast<int>(record.Sent.size());
            plannedBlocks_ += record.Planned;
        }
        report.LeftOut.insert(report.LeftOut.end(), record.LeftOut.begin(), record.LeftOut.end());
        if (!result.ok() || !state_.Safeguards.VerifyAfterWrite)
            return keep(TransferKind::Write, result);
        const LinkResult verify = VerifyWrittenBlocks(record.Sent, session, options_.Target);
        keep(verify.ok() ? TransferKind::Write : TransferKind::Verify, verify, verify.ok());
    }

    // The VFO settings as `form` held them when the command began, or nothing after
    // the message about a blank box or a text that is no number.
    std::optional<VfoSettings> collectVfo(const VfoForm& form)
    {
        RadioImage collected = state_.Image;
        if (const FormVerdict taken = CollectVfoWindow(collected, form, messages); taken != FormVerdict::Taken) {
            keep(TransferKind::Write, {LinkFault::FormRefused, {},
                                       taken == FormVerdict::BlankBox ? EditingIncompleteMessage : NotANumberMessage});
            return std::nullopt;
        }
        return collected.Vfo;
    }

    // The radio identified and the checks of a write of `values` (or of the channels
    // only) passed; false after their message. A frequency outside the radio's range
    // is emptied in the form.
    bool checkRadio(const VfoSettings* values)
    {
        const LinkResult result = CheckRadioBeforeWrite(state_.Image, values, session, options_.Target);
        if (result.Fault == LinkFault::OutOfRange)
            state_.Vfo.txtFrequency.clear();
        if (!result.ok())
            keep(TransferKind::Write, result);
        return result.ok();
    }

    void writeVfo(const VfoSettings& values)
    {
        WriteRecord record{{}, {}, heldBlocks(), 0};
        const LinkResult result = WriteVfoSettings(state_.Image, values, session, options_.Target, &record);
        readBack(result, record);
    }

    // `identified`: checkRadio has just read the identity block, with no write since.
    void writeMemory(bool identified)
    {
        WriteRecord record{{}, {}, heldBlocks(), 0};
        const LinkResult result = WriteChannels(state_.Image, session, options_.Target, &record, identified);
        readBack(result, record);
    }

    // A write of changed blocks only compares with the radio read whole just before.
    RadioBlocks* heldBlocks() { return state_.ChangedBlocksOnly && radio_ ? &radio_->Blocks : nullptr; }

    // The review before a write: the radio read whole unless the backup did, and what
    // the write changes shown. Nothing when the write goes on, else how the command ends.
    std::optional<CommandEnd> review(const VfoForm& form, RadioParts parts)
    {
        if (!radio_) {
            radio_ = ReadRadioCopy(state_.Image, session, options_.Target);
            if (!radio_->Read.ok()) {
                keep(TransferKind::Read, radio_->Read, false, radio_->Image.ModelCode);
                return CommandEnd::Failed;
            }
        }
        const std::vector<std::string> lines = WriteChanges(state_.Image, form, radio_->Image, parts);
        if (lines.empty()) {
            messages.notify(NothingToWriteMessage);
            return CommandEnd::Done;
        }
        std::string detail = DifferenceCount(lines.size());
        for (const std::string& line : lines)
            detail += "\r" + line;
        if (options_.Review ? options_.Review(lines) : options_.Confirmed || messages.ask(ReviewQuestion, detail))
            return std::nullopt;
        return CommandEnd::Declined;
    }

    // The status text the command leaves, and its trace saved.
    CommandReport finish(CommandEnd end)
    {
        services_.progress.showProgress(options_.Target, editor() ? std::string() : state_.Link.PortProblem);
        trace_.save(options_.TraceFile, state_.DataFolder / TraceFolderName, report.Files);
        report.End = end;
        return std::move(report);
    }

    CommandEnd transferEnd() const
    {
        return report.Transfer && !report.Transfer->Result.ok() ? CommandEnd::Failed : CommandEnd::Done;
    }

    // In this order: each is made from those before it.
    AppState& state_;
    LinkServices& services_;
    const RadioCommandOptions& options_;
    CommandReport report;
    ReportingMessageSink messages;
    CommandTrace trace_;
    LinkServices link_;
    LinkSession session;
    bool runningBefore_;
    std::optional<RadioReading> radio_; // the radio as this command read it whole
    int changedBlocks_ = 0;
    int plannedBlocks_ = 0;
};

} // namespace

RadioCommandOptions EditorCommandOptions()
{
    RadioCommandOptions options;
    options.Target = ProgressTarget::Editor;
    return options;
}

CommandReport ReadRadioCommand(AppState& state, LinkServices& services, RadioParts parts,
                               const RadioCommandOptions& options)
{
    RadioCommandRun run(state, services, options);
    RadioImage& image = state.Image;
    const bool editor = run.editor();
    const bool formEdits = editor && HasVfo(parts) && VfoFormHoldsEdits(image, state.Vfo);
    if ((state.History.unsaved() || formEdits) && !run.messages.ask(SettingsChangedQuestion))
        return run.finish(CommandEnd::Declined);
    const RadioImage before = image;
    const LinkResult result = ReadRadio(image, run.session, parts, options.Target);
    run.keep(TransferKind::Read, result);
    if (result.Fault == LinkFault::Cancelled) {
        image = before;
        return run.finish(CommandEnd::Cancelled);
    }
    // An editor keeps what the user typed when its read fails.
    if (!editor || result.ok()) {
        if (HasVfo(parts))
            FillVfoWindow(image, state.Vfo, run.messages);
        if (HasMemory(parts))
            RefreshChannelGrid(image, state.Grid);
    }
    // What was read is the new clean point; a failed read changed nothing of the
    // user's (only the radio's model code), so its edits stay unsaved.
    if (result.ok())
        state.History.begin();
    return run.finish(run.transferEnd());
}

CommandReport WriteRadioCommand(AppState& state, LinkServices& services, RadioParts parts,
                                const RadioCommandOptions& options)
{
    // The values the VFO write sends: what the user types while the command waits
    // for the radio reaches the form, not this copy.
    const VfoForm form = state.Vfo;
    RadioCommandRun run(state, services, options);
    run.report.Written.emplace();
    // A write is refused before it writes anything: first the checks that need no
    // radio, then the question (or the review in its place), then the checks against
    // the code the radio reports, before the backup. A Write > All whose VFO part is
    // refused writes no channel.
    std::optional<VfoSettings> values;
    if (HasVfo(parts) && !(values = run.collectVfo(form)))
        return run.finish(CommandEnd::Failed);
    if (!options.Confirmed && !state.ReviewBeforeWrite && !run.messages.ask(OverwriteQuestion))
        return run.finish(CommandEnd::Declined);
    if (!run.checkRadio(values ? &*values : nullptr))
        return run.finish(CommandEnd::Failed);
    if (state.Safeguards.BackupBeforeWrite && !run.backUp())
        return run.finish(CommandEnd::Failed);
    if (const auto end = state.ReviewBeforeWrite ? run.review(form, parts) : std::nullopt)
        return run.finish(*end);
    if (values)
        run.writeVfo(*values);
    if (HasMemory(parts))
        run.writeMemory(!values);
    return run.finish(run.transferEnd());
}

CommandReport ReadRadioCopyCommand(AppState& state, LinkServices& services, RadioReading& radio,
                                   const RadioCommandOptions& options)
{
    RadioCommandRun run(state, services, options);
    radio = ReadRadioCopy(state.Image, run.session, options.Target);
    run.keep(TransferKind::Read, radio.Read, false, radio.Image.ModelCode);
    return run.finish(radio.Read.Fault == LinkFault::Cancelled ? CommandEnd::Cancelled : run.transferEnd());
}

} // namespace kvr27
