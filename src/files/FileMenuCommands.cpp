#include "files/FileMenuCommands.h"

#include "core/FileAccess.h"
#include "core/Questions.h"
#include "files/ChannelCsv.h"
#include "files/CloneFile.h"
#include "image/ChannelGrid.h"
#include "image/VfoCodec.h"

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
    if (!ParseCloneFile(*text, state.Image.Defaults, content, replaced).ok()) {
        messages.notify(FileReadingErrorMessage);
        return false;
    }
    state.Image.Vfo = content.Vfo;
    state.Image.Channels = content.Channels;
    FillVfoWindow(state.Image, state.Vfo, messages);
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
    if (!ParseChannelCsv(*text, state.Image, content).ok()) {
        messages.notify(FileReadingErrorMessage);
        return false;
    }
    state.Image.Channels = content.Channels;
    state.Image.Vfo.CurrentChannel = content.CurrentChannel;
    RefreshChannelGrid(state.Image, state.Grid);
    state.Image.SettingsChanged = false;
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
    if (const auto name = dialogs.saveFile(CloneFileFilter))
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
    if (const auto name = dialogs.saveFile(ChannelCsvFilter))
        ExportChannelCsv(state, *name, messages);
}

} // namespace kvr27
