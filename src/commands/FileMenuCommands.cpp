#include "commands/FileMenuCommands.h"

#include "core/FileAccess.h"
#include "core/Questions.h"
#include "files/ChannelCsv.h"
#include "files/CloneFile.h"
#include "image/ChannelGrid.h"
#include "image/VfoCodec.h"

#include <algorithm>
#include <array>
#include <optional>

namespace kvr27 {

namespace {

// The file's whole text, or nothing after "File reading error." with the file and
// the reason (a missing file, a device, a file far too large) below it.
std::optional<std::string> ReadChosenFile(const std::string& name, MessageSink& messages)
{
    std::string text;
    const FileResult result = ReadWholeFile(name, text);
    if (!result.ok()) {
        messages.notify(FileReadingErrorMessage, MessageIcon::None, name + ": " + result.Reason);
        return std::nullopt;
    }
    return text;
}

bool WriteChosenFile(const std::string& name, const std::string& text, MessageSink& messages)
{
    const FileResult result = ReplaceFileAtomically(name, text);
    if (!result.ok()) {
        messages.notify("The file \"" + name + "\" could not be written, and was left as it was.\r" + result.Reason +
                        ".");
        return false;
    }
    return true;
}

// The boxes of the VFO window that show a value of the clone file, and the file's
// field each shows.
struct VfoBoxOfFile {
    std::string VfoForm::*Box;
    const char* Field;
};
constexpr std::array<VfoBoxOfFile, 5> VfoBoxesOfFile = {{
    {&VfoForm::txtFrequency, "Frequency"},       {&VfoForm::txtPmrFreq, "PmrChannel"},
    {&VfoForm::txtShiftFreq, "ShiftFreq"},       {&VfoForm::txtSquelch, "BatteryBeepSquelch"},
    {&VfoForm::txtRptShiftFreq, "RptShiftFreq"},
}};

// Keeps the notices of a fill back, in order.
class HeldNotices : public MessageSink {
public:
    void notify(const std::string& text, MessageIcon, const std::string&) override { texts.push_back(text); }
    bool ask(const std::string&, const std::string&) override { return false; }
    std::vector<std::string> texts;
};

// Fills the VFO window from a loaded file. A value its box refuses (the box is left
// empty) is told with its line and field, and added to `refused` when given.
void FillFromFile(AppState& state, MessageSink& messages, std::vector<CloneFileReplacement>* refused)
{
    HeldNotices held;
    FillVfoWindow(state.Image, state.Vfo, held);
    const std::vector<CloneFileEntry> entries = CloneFileEntries(state.Image);
    std::size_t next = 0;
    for (const VfoBoxOfFile& box : VfoBoxesOfFile) {
        if (!(state.Vfo.*box.Box).empty() || next >= held.texts.size())
            continue;
        const std::string& message = held.texts[next++];
        for (const CloneFileEntry& entry : entries) {
            if (entry.Field.Channel >= 0 || entry.Field.Name != box.Field)
                continue;
            messages.notify(message, MessageIcon::None,
                            "Line " + std::to_string(entry.Field.Line) + ": " + entry.Field.Name + " " + entry.Text +
                                " cannot be shown in the VFO window.");
            if (refused) {
                const std::int64_t value = std::stoll(entry.Text);
                const auto place = std::find_if(refused->begin(), refused->end(), [&entry](const auto& r) {
                    return r.Field.Line > entry.Field.Line;
                });
                refused->insert(place, {entry.Field, value, value, message});
            }
        }
    }
    // Anything else the fill said (nothing today) is passed on as it was.
    for (; next < held.texts.size(); ++next)
        messages.notify(held.texts[next]);
}

// The question before a command replaces the settings; true to go on.
bool MayReplaceSettings(const AppState& state, MessageSink& messages)
{
    return !state.Image.SettingsChanged || messages.ask(SettingsChangedQuestion);
}

} // namespace

bool LoadCloneFile(AppState& state, const std::string& name, MessageSink& messages,
                   std::vector<CloneFileReplacement>* replaced)
{
    const auto text = ReadChosenFile(name, messages);
    if (!text)
        return false;
    CloneFileContent content;
    if (const FileContentCheck check = ParseCloneFile(*text, state.Image.Defaults, content, replaced); !check.ok()) {
        messages.notify(FileReadingErrorMessage, MessageIcon::None, check.detail());
        return false;
    }
    state.Image.Vfo = content.Vfo;
    state.Image.Channels = content.Channels;
    FillFromFile(state, messages, replaced);
    RefreshChannelGrid(state.Image, state.Grid);
    state.Image.SettingsChanged = false;
    return true;
}

bool SaveCloneFile(AppState& state, const std::string& name, MessageSink& messages)
{
    if (!WriteChosenFile(name, CloneFileText(state.Image), messages))
        return false;
    state.Image.SettingsChanged = false;
    return true;
}

bool ImportChannelCsv(AppState& state, const std::string& name, MessageSink& messages)
{
    const auto text = ReadChosenFile(name, messages);
    if (!text)
        return false;
    ChannelCsvContent content;
    if (const FileContentCheck check = ParseChannelCsv(*text, state.Image, content); !check.ok()) {
        messages.notify(FileReadingErrorMessage, MessageIcon::None, check.detail());
        return false;
    }
    state.Image.Channels = content.Channels;
    state.Image.Vfo.CurrentChannel = content.CurrentChannel;
    RefreshChannelGrid(state.Image, state.Grid);
    // The imported channels are neither saved nor written yet.
    state.Image.SettingsChanged = true;
    return true;
}

bool ExportChannelCsv(const AppState& state, const std::string& name, MessageSink& messages)
{
    return WriteChosenFile(name, ChannelCsvText(state.Image, state.Grid), messages);
}

void LoadCommand(AppState& state, MessageSink& messages, Dialogs& dialogs)
{
    if (!MayReplaceSettings(state, messages))
        return;
    if (const auto name = dialogs.openFile(CloneFileFilter))
        LoadCloneFile(state, *name, messages);
}

void SaveCommand(AppState& state, MessageSink& messages, Dialogs& dialogs)
{
    if (const auto name = dialogs.saveFile(CloneFileFilter, messages))
        SaveCloneFile(state, *name, messages);
}

void ImportCommand(AppState& state, MessageSink& messages, Dialogs& dialogs)
{
    if (!MayReplaceSettings(state, messages))
        return;
    if (const auto name = dialogs.openFile(ChannelCsvFilter))
        ImportChannelCsv(state, *name, messages);
}

void ExportCommand(AppState& state, MessageSink& messages, Dialogs& dialogs)
{
    if (const auto name = dialogs.saveFile(ChannelCsvFilter, messages))
        ExportChannelCsv(state, *name, messages);
}

} // namespace kvr27
