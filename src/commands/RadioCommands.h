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
    // editor window whose button started the command. The VFO window's read asks
    // about the edits its form holds too; an editor's read refills its form only
    // after a read that succeeded, and leaves its status text empty.
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
// changed-settings question when the image is unsaved (Cancel: Declined, nothing
// happens); the channels are not read when the VFO read failed. Afterwards the VFO
// form and/or the channel grid show the image again, and a read that succeeded
// begins a new history (clean). A failed read changes only ModelCode, and the image
// stays as unsaved as it was; a read the user cancelled leaves the image and the
// forms as they were. The status
// text is left empty, or says why the port could not be opened.
CommandReport ReadRadioCommand(AppState& state, LinkServices& services, RadioParts parts,
                               const RadioCommandOptions& options = {});

// Writes `parts` of the image into the radio, the VFO settings as the VFO form held
// them when the command began. A write is refused, with nothing written and no
// backup, by a blank box or a text that is no number in the form (its message, before
// the overwrite question), by Cancel to the question (Declined), and, once the
// radio's identity block is read, by a frequency outside the radio's range (emptied
// in the form) or a radio of another model; a refused VFO part refuses a Write >
// All's channels too. Then with Safeguards.BackupBeforeWrite a backup of the whole
// radio (when it fails BackupFailedMessage with the reason and nothing is written);
// the VFO settings; then the channels, whatever the VFO write gave. With
// Safeguards.VerifyAfterWrite each write is read back after its own exchanges, and a
// difference or a read-back that cannot finish fails the command. The report's
// Written lists what the radio took. The image and its history stay as
// they are.
// With AppState::ReviewBeforeWrite the overwrite question gives way to a review: the
// whole radio is read (the backup's read when there is one) and what the write
// changes is shown: Cancel sends nothing more (Declined); when nothing changes,
// NothingToWriteMessage and nothing is written. With AppState::ChangedBlocksOnly after
// such a read, only the blocks the radio does not hold already are sent and read back.
CommandReport WriteRadioCommand(AppState& state, LinkServices& services, RadioParts parts,
                                const RadioCommandOptions& options = {});

// Reads the whole radio into `radio` (a copy of the image), as Read > All reads it
// (progress, Cancel, the pace, the trace); the image, the forms and the flags stay
// as they are.
CommandReport ReadRadioCopyCommand(AppState& state, LinkServices& services, RadioReading& radio,
                                   const RadioCommandOptions& options = {});

} // namespace kvr27
