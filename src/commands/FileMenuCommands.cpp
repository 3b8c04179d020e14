#include "commands/FileMenuCommands.h"

#include "commands/Document.h"
#include "core/FileAccess.h"
#include "core/PathText.h"
#include "core/Questions.h"
#include "files/ChannelCsv.h"
#include "files/CloneFile.h"
#include "image/ChannelGrid.h"
#include "image/VfoCodec.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

namespace kvr27 {

namespace {

// The report, ended as Failed after its message.
template <class Report>
Report Failed(Report& report)
{
    report.End = CommandEnd::Failed;
    return report;
}

// The file's content as `parse` takes it in, or nothing after "File reading error."
// with the line and the reason of the content's first fault, or with the file and
// the reason it was not read (a missing file, a device, a file far too large).
template <class Content, class Parse>
std::optional<Content> ReadContent(const std::filesystem::path& name, MessageSink& messages, Parse parse)
{
    std::string text;
    if (const FileResult result = ReadWholeFile(name, text); !result.ok()) {
        messages.notify(FileReadingErrorMessage, MessageIcon::None, Utf8FromPath(name) + ": " + result.Reason);
        return std::nullopt;
    }
    Content content;
    if (const FileContentCheck check = parse(text, content); !check.ok()) {
        messages.notify(FileReadingErrorMessage, MessageIcon::None, check.detail());
        return std::nullopt;
    }
    return content;
}

// Replaces the file with `text`: Done with the file as the output (its note says
// `action` and the file), or Failed after a message with the file's name and the
// reason.
CommandReport WriteChosenFile(const std::filesystem::path& name, const std::string& text, MessageSink& messages,
                              const char* action)
{
    CommandReport report;
    ReportingMessageSink shown(messages, report);
    const FileResult result = ReplaceFileAtomically(name, text);
    if (!result.ok()) {
        shown.notify(TranslatedFormat("Messages", KVR27_TEXT("Messages", "The file \"%1\" could not be written, and was left as it was.\r%2."),
                                      {Utf8FromPath(name), result.Reason}));
        return Failed(report);
    }
    report.Files.Output = Utf8FromPath(name);
    report.Action = action;
    return report;
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
// empty) is told with its line and field, and added to `refused` in line order.
void FillFromFile(AppState& state, MessageSink& messages, std::vector<CloneFileReplacement>& refused)
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
                            TranslatedFormat("Messages", KVR27_TEXT("Messages", "Line %1: %2 %3 cannot be shown in the VFO window."),
                                             {std::to_string(entry.Field.Line), entry.Field.Name, entry.Text}));
            const std::int64_t value = std::stoll(entry.Text);
            const auto place = std::find_if(refused.begin(), refused.end(),
                                            [&entry](const auto& r) { return r.Field.Line > entry.Field.Line; });
            refused.insert(place, {entry.Field, value, value, message});
        }
    }
    // Anything else the fill said (nothing today) is passed on as it was.
    for (; next < held.texts.size(); ++next)
        messages.notify(held.texts[next]);
}

// The question before a command replaces the settings; true to go on.
bool MayReplaceSettings(const AppState& state, MessageSink& messages)
{
    return !state.History.unsaved() || messages.ask(SettingsChangedQuestion);
}

// The command on the chosen file, its report after the messages of the question and
// the dialog (`asked`); Declined when no file was chosen.
using NamedFileCommand = std::function<CommandReport(const std::filesystem::path& name)>;
CommandReport OnChosenFile(CommandReport asked, const std::optional<std::filesystem::path>& name,
                           const NamedFileCommand& command)
{
    if (!name) {
        asked.End = CommandEnd::Declined;
        return asked;
    }
    CommandReport done = command(*name);
    done.Messages.insert(done.Messages.begin(), asked.Messages.begin(), asked.Messages.end());
    return done;
}

// Load and Import: the changed-settings question, the open dialog, the command.
CommandReport OnFileToOpen(const AppState& state, MessageSink& messages, Dialogs& dialogs, const char* filter,
                           const NamedFileCommand& command)
{
    CommandReport asked;
    ReportingMessageSink shown(messages, asked);
    const auto name = MayReplaceSettings(state, shown) ? dialogs.openFile(filter) : std::nullopt;
    return OnChosenFile(asked, name, command);
}

// Save and Export: the save dialog (with its question before a name it completed
// replaces a file), the command.
CommandReport OnFileToSave(MessageSink& messages, Dialogs& dialogs, const char* filter,
                           const NamedFileCommand& command)
{
    CommandReport asked;
    ReportingMessageSink shown(messages, asked);
    const auto name = dialogs.saveFile(filter, shown);
    return OnChosenFile(asked, name, command);
}

} // namespace

LoadReport LoadCloneFile(AppState& state, const std::filesystem::path& name, MessageSink& messages)
{
    LoadReport report;
    ReportingMessageSink shown(messages, report);
    std::vector<CloneFileReplacement> replaced;
    const auto content = ReadContent<CloneFileContent>(name, shown, [&](const std::string& text, auto& read) {
        return ParseCloneFile(text, state.Image.Defaults, read, &replaced);
    });
    if (!content)
        return Failed(report);
    state.Image.Vfo = content->Vfo;
    state.Image.Channels = content->Channels;
    FillFromFile(state, shown, replaced);
    RefreshChannelGrid(state.Image, state.Grid);
    state.History.begin();
    report.Replaced = std::move(replaced);
    report.Files.Source = Utf8FromPath(name);
    report.Action = "Loaded";
    return report;
}

CommandReport SaveCloneFile(AppState& state, const std::filesystem::path& name, MessageSink& messages)
{
    CommandReport report = WriteChosenFile(name, CloneFileText(state.Image), messages, "Saved");
    if (report.ok())
        state.History.markClean();
    return report;
}

CommandReport ImportChannelCsv(AppState& state, const std::filesystem::path& name, MessageSink& messages)
{
    CommandReport report;
    ReportingMessageSink shown(messages, report);
    const auto content = ReadContent<ChannelCsvContent>(
        name, shown, [&](const std::string& text, auto& read) { return ParseChannelCsv(text, state.Image, read); });
    if (!content)
        return Failed(report);
    const RadioImage before = state.Image;
    const GridSelection selected = SelectionOf(state.Grid);
    state.Image.Channels = content->Channels;
    state.Image.Vfo.CurrentChannel = content->CurrentChannel;
    RefreshChannelGrid(state.Image, state.Grid);
    RecordStep(state, TranslatedFormat("Notes", KVR27_TEXT("Notes", "Import channels from %1"), {Utf8FromPath(name.filename())}), before,
               selected);
    report.Files.Source = Utf8FromPath(name);
    report.Action = "Imported";
    return report;
}

CommandReport ExportChannelCsv(const AppState& state, const std::filesystem::path& name, MessageSink& messages)
{
    return WriteChosenFile(name, ChannelCsvText(state.Image, state.Grid), messages, "Exported");
}

CommandReport LoadCommand(AppState& state, MessageSink& messages, Dialogs& dialogs)
{
    return OnFileToOpen(state, messages, dialogs, CloneFileFilter,
                        [&](const std::filesystem::path& name) -> CommandReport {
                            return LoadCloneFile(state, name, messages);
                        });
}

CommandReport SaveCommand(AppState& state, MessageSink& messages, Dialogs& dialogs)
{
    return OnFileToSave(messages, dialogs, CloneFileFilter,
                        [&](const std::filesystem::path& name) { return SaveCloneFile(state, name, messages); });
}

CommandReport ImportCommand(AppState& state, MessageSink& messages, Dialogs& dialogs)
{
    return OnFileToOpen(state, messages, dialogs, ChannelCsvFilter,
                        [&](const std::filesystem::path& name) { return ImportChannelCsv(state, name, messages); });
}

CommandReport ExportCommand(AppState& state, MessageSink& messages, Dialogs& dialogs)
{
    return OnFileToSave(messages, dialogs, ChannelCsvFilter,
                        [&](const std::filesystem::path& name) { return ExportChannelCsv(state, name, messages); });
}

} // namespace kvr27
