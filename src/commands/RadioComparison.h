#pragma once
// What differs between two sets of settings, one line each in the words of the
// windows ("Channel 12, TxTone: 88.5Hz → 67.0Hz"), built on the comparison that
// kvr27 diff prints: for File > Compare with File..., Data > Compare with Radio and
// the review before a write. The document is never changed by them.
#include "core/UserText.h"
#include "commands/AppState.h"
#include "commands/CommandReport.h"
#include "commands/RadioCommands.h"
#include "core/Dialogs.h"
#include "files/SettingsDifferences.h"

#include <string>
#include <vector>

namespace kvr27 {

inline constexpr const char* ReviewQuestion = KVR27_TEXT("Messages", "Write these changes into the radio?");
inline constexpr const char* NothingToWriteMessage = KVR27_TEXT("Messages", "The radio holds these settings already, so nothing was written.");

// The lines of `differences`, from each Left to its Right: a VFO setting by its
// window's name ("Frequency: 433.07500 → 434.10000"), a channel by number, column
// and shown value, a channel in use on one side only as one line ("Channel 3: not
// in use → in use"), values no window shows by their clone-file names.
std::vector<std::string> DifferenceLines(const std::vector<SettingsDifference>& differences);

// The lines from `from` to `to`, both of one model, as their VFO windows would show
// them.
std::vector<std::string> DifferenceLines(const RadioImage& from, const RadioImage& to);

// The count shown above the lines: "No differences", "1 difference", "12 differences".
std::string DifferenceCount(std::size_t count);

// What a write of `parts` changes on the radio that holds `radio`: the VFO values of
// `form` (the image's own where the form refuses them), the channels of `image` and
// the current channel the channel write sends.
std::vector<std::string> WriteChanges(const RadioImage& image, const VfoForm& form, const RadioImage& radio,
                                      RadioParts parts);

// A comparison command's report and its lines, from the other side (the file, the
// radio) to the document.
struct [[nodiscard]] ComparisonReport : CommandReport {
    std::vector<std::string> Lines;
};

// File > Compare with File...: the clone file the open dialog names, loaded into a
// copy of the state (Cancel: Declined; a file that cannot be loaded: Failed after
// the load's message).
ComparisonReport CompareWithFileCommand(const AppState& state, MessageSink& messages, Dialogs& dialogs);

// Data > Compare with Radio: the whole radio read into a copy (progress, Cancel and
// the pace of a read).
ComparisonReport CompareWithRadioCommand(AppState& state, LinkServices& services,
                                         const RadioCommandOptions& options = {});

} // namespace kvr27
