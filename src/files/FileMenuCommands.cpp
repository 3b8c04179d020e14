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

// The file's whole text, or nothing after telling the user why it could not be read.
std::optional<std::string> ReadChosenFile(const std::string& name, MessageSink& messages)
{
    std::string text;
    const FileResult result = ReadWholeFile(name, text);
    if (!result.ok()) {
        messages.notify("The file \"" + name + "\" could not be read.\r" + result.Reason + ".");
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

void LoadCommand(AppState& state, MessageSink& messages, Dialogs& dialogs)
{
    if (!MayReplaceSettings(state, messages))
        return;
    const auto name = dialogs.openFile(CloneFileFilter);
    if (!name)
        return;
    const auto text = ReadChosenFile(*name, messages);
    if (!text)
        return;
    CloneFileContent content;
    if (!ParseCloneFile(*text, state.Image.Defaults, content).ok()) {
        messages.notify(FileReadingErrorMessage);
        return;
    }
    state.Image.Vfo = content.Vfo;
    state.Image.Channels = content.Channels;
    FillVfoWindow(state.Image, state.Vfo, messages);
    RefreshChannelGrid(state.Image, state.Grid);
    state.Image.SettingsChanged = false;
}

void SaveCommand(AppState& state, MessageSink& messages, Dialogs& dialogs)
{
    const auto name = dialogs.saveFile(CloneFileFilter);
    if (name && WriteChosenFile(*name, CloneFileText(state.Image), messages))
        state.Image.SettingsChanged = false;
}

void ImportCommand(AppState& state, MessageSink& messages, Dialogs& dialogs)
{
    if (!MayReplaceSettings(state, messages))
        return;
    const auto name = dialogs.openFile(ChannelCsvFilter);
    if (!name)
        return;
    const auto text = ReadChosenFile(*name, messages);
    if (!text)
        return;
    ChannelCsvContent content;
    if (!ParseChannelCsv(*text, state.Image, content).ok()) {
        messages.notify(FileReadingErrorMessage);
        return;
    }
    state.Image.Channels = content.Channels;
    state.Image.Vfo.CurrentChannel = content.CurrentChannel;
    RefreshChannelGrid(state.Image, state.Grid);
    state.Image.SettingsChanged = false;
}

void ExportCommand(AppState& state, MessageSink& messages, Dialogs& dialogs)
{
    const auto name = dialogs.saveFile(ChannelCsvFilter);
    if (name)
        WriteChosenFile(*name, ChannelCsvText(state.Image, state.Grid), messages);
}

} // namespace kvr27
