#pragma once
// The transfer commands: Read and Write > All, Vfo Mode and Memory Mode of the
// Data menu, the editors' Read and Write buttons, and kvr27 read and write. One
// read and one write, each with every safeguard in one place: the questions, the
// backup, the VFO form collected once, the read-back, the trace.
#include "commands/AppState.h"
#include "commands/CommandReport.h"
#include "link/ExchangeTrace.h"
#include "link/ImageTransfers.h"
#include "link/LinkServices.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kvr27 {

struct RadioCommandOptions {
    // Where the progress shows: the main window's Data menu (and kvr27), or the
    // editor window whose button started the command. An editor's read asks about its
    // own change flag too, refills its form only after a read that succeeded, clears
    // only SettingsChanged and its own flag, and leaves its status text empty.
    ProgressTarget Target = ProgressTarget::Main;
    // The overwrite question has been answered already (kvr27 --yes): not asked.
    bool Confirmed = false;
    // kvr27's files: the backup (with Safeguards.BackupBeforeWrite) and the trace
    // (with Safeguards.TraceExchanges) go there; empty: dated files in
    // AppState::DataFolder's backups/ and traces/.
    std::filesystem::path BackupFile;
    std::filesystem::path TraceFile;
    // How messages name the port when not by its COM number (a device path given to
    // kvr27); empty: "COMn (device)".
    std::string PortName;
    TraceClock Clock = SteadyTraceClock();
    // With AppState::ReviewBeforeWrite: shows what the write changes on the radio,
    // one line each, and answers whether to write. Without it the lines are the
    // detail of ReviewQuestion (--yes: not asked).
    std::function<bool(const std::vector<std::string>& lines)> Review;
};

struct RadioReading;

// The options of a command started from an editor window's button.
RadioCommandOptions EditorCommandOptions();

// Reads `parts` of the radio of COM option ComIndex + 1 into the image. First the
// changed-settings question when SettingsChanged is set (Cancel: Declined, nothing
// happens); the channels are not read when the VFO read failed. Afterwards the VFO
// form and/or the channel grid show the image again and the change flags are
// cleared, after a failure too (only ModelCode changed then). A read the user
// cancelled leaves the image, the forms and the flags as they were. The status
// text is left empty, or says why the port could not be opened.
CommandReport ReadRadioCommand(AppState& state, LinkServices& services, RadioParts parts,
                               const RadioCommandOptions& options = {});

// Writes `parts` of the image into the radio: the overwrite question (Cancel:
// Declined); with Safeguards.BackupBeforeWrite a backup of the whole radio, and
// when it fails BackupFailedMessage with the reason and nothing is written; the
// VFO settings as the VFO form held them when the command began (a blank box or a
// text that is no number is refused with its message, and a frequency outside the
// radio's range is emptied in the form); then the channels, whatever the VFO write
// gave. With Safeguards.VerifyAfterWrite each write is read back after its own
// exchanges, and a difference or a read-back that cannot finish fails the command.
// The change flags stay as they are.
// With AppState::ReviewBeforeWrite the whole radio is read first (the backup's read
// when there is one) and what the write changes is reviewed: Cancel sends nothing
// more (Declined); when nothing changes, NothingToWriteMessage and nothing is
// written. With AppState::ChangedBlocksOnly after such a read, only the blocks the
// radio does not hold already are sent and read back.
CommandReport WriteRadioCommand(AppState& state, LinkServices& services, RadioParts parts,
                                const RadioCommandOptions& options = {});

// Reads the whole radio into `radio` (a copy of the image), as Read > All reads it
// (progress, Cancel, the pace, the trace); the image, the forms and the flags stay
// as they are.
CommandReport ReadRadioCopyCommand(AppState& state, LinkServices& services, RadioReading& radio,
                                   const RadioCommandOptions& options = {});

} // namespace kvr27
