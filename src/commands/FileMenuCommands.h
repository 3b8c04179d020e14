#pragma once
// The main window's File menu: Load, Save, Import(Mem Setting) and
// Export(Mem Setting), without widgets. Each asks the shared file dialog for a name
// (Cancel ends the command with nothing changed), reads or writes the whole file at
// once and tells the user what went wrong: "File reading error." for content that
// cannot be taken in (its detail names the line and the reason), a message naming
// the file and the system's reason for a file that cannot be read or written. A failed command changes nothing: not the image,
// the editors, the history, nor the file on disk. Each returns its report:
// Declined after Cancel in the question or the dialog, Failed after its message,
// else Done; the messages in their order; the file saved or exported as Files.Output,
// the file loaded or imported as Files.Source, and the Action for the note ("Saved
// radio.r27").
#include "commands/AppState.h"
#include "commands/CommandReport.h"
#include "core/Dialogs.h"
#include "core/MessageSink.h"
#include "core/UserText.h"
#include "files/CloneFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kvr27 {

// The file dialog filters of the two kinds of file.
// The descriptions show in the user's language in the file dialogs.
inline constexpr const char* CloneFileFilter = KVR27_TEXT("Filters", "Norvik R-27 Clone Files (*.r27)") "|*.r27|";
inline constexpr const char* ChannelCsvFilter = KVR27_TEXT("Filters", "CSV Files (*.csv)") "|*.csv|";

// Load and Import ask the changed-settings question first when the image is unsaved
// (Cancel: nothing happens). Load replaces the VFO settings and every channel (the
// model and VfoDefaults stay), refills the VFO form and the channel grid, and begins
// a new history; Import replaces the channels and the current channel and refreshes
// the grid, as the step "Import channels from radio.csv" (unsaved until saved).
CommandReport LoadCommand(AppState& state, MessageSink& messages, Dialogs& dialogs);
CommandReport ImportCommand(AppState& state, MessageSink& messages, Dialogs& dialogs);

// Save writes the image and makes it the clean point; Export writes the channel grid's
// texts and changes nothing. Both replace the chosen file atomically.
CommandReport SaveCommand(AppState& state, MessageSink& messages, Dialogs& dialogs);
CommandReport ExportCommand(AppState& state, MessageSink& messages, Dialogs& dialogs);

// A load's report with each value a load rule replaced, and each the VFO window
// refuses (its message as the Refusal), in line order.
struct [[nodiscard]] LoadReport : CommandReport {
    std::vector<CloneFileReplacement> Replaced;
};

// The four commands on a named file, without the question and the dialog (for the
// command-line tool, and the commands' own work): Done, or Failed after its
// message. "File reading error." carries where and why as its detail.
LoadReport LoadCloneFile(AppState& state, const std::filesystem::path& name, MessageSink& messages);
CommandReport SaveCloneFile(AppState& state, const std::filesystem::path& name, MessageSink& messages);
CommandReport ImportChannelCsv(AppState& state, const std::filesystem::path& name, MessageSink& messages);
CommandReport ExportChannelCsv(const AppState& state, const std::filesystem::path& name, MessageSink& messages);

} // namespace kvr27
