#include "commands/ChannelGridEditor.h"

#include "core/UserText.h"

#include "commands/ChannelClipboard.h"
#include "commands/ChannelOperations.h"
#include "commands/ChannelPlans.h"
#include "commands/Document.h"
#include "image/ChannelGrid.h"
#include "image/ModelRules.h"

#include <algorithm>

namespace kvr27 {

namespace {

std::string EnabledChannels(int count)
{
    if (count == 1)
        return Translated("Messages", "1 enabled channel");
    return TranslatedFormat("Messages", KVR27_TEXT("Messages", "%1 enabled channels"), {std::to_string(count)});
}

} // namespace

ChannelSelection SelectedChannels(const ChannelGrid& grid)
{
    const int current = grid.Row - 1;
    return {grid.Selected.empty() ? std::vector<int>{current} : grid.Selected, current};
}

std::string PasteOverQuestion(int overwritten)
{
    return TranslatedFormat("Messages", KVR27_TEXT("Messages", "The paste replaces %1. Paste over them?"), {EnabledChannels(overwritten)});
}

std::string FillOverQuestion(int overwritten)
{
    return TranslatedFormat("Messages", KVR27_TEXT("Messages", "The new channels replace %1. Fill over them?"), {EnabledChannels(overwritten)});
}

ChannelGridEditor::ChannelGridEditor(AppState& state, MessageSink& messages) : state_(state), messages_(messages) {}

void ChannelGridEditor::load()
{
    SetupChannelGrid(state_.Grid, state_.Image.ModelName);
    RefreshChannelGrid(state_.Image, state_.Grid);
}

void ChannelGridEditor::rowSelected(int row)
{
    if (row >= 1 && row < ChannelGrid::Rows)
        SelectChannelRow(state_.Grid, row);
}

void ChannelGridEditor::channelsSelected(std::vector<int> channels, int current)
{
    if (current < 0 || current >= ChannelTable::Count)
        return;
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    std::erase_if(channels, [](int channel) { return channel < 0 || channel >= ChannelTable::Count; });
    SelectChannelRow(state_.Grid, current + 1);
    if (channels != std::vector<int>{current})
        state_.Grid.Selected = std::move(channels);
}

void ChannelGridEditor::enableRow(int row)
{
    ChannelGrid& grid = state_.Grid;
    grid.Col = 1;
    if (grid.TextMatrix(row, 1).empty())
        return;
    state_.Image.Channels.at(row - 1).Enabled = true;
    ShowChannelRow(state_.Image, grid, row - 1);
    grid.Look[static_cast<std::size_t>(row)] = RowLook::Normal;
}

void ChannelGridEditor::disableRow(int row)
{
    ChannelGrid& grid = state_.Grid;
    grid.Col = 1;
    if (grid.TextMatrix(row, 1).empty())
        return;
    state_.Image.Channels.at(row - 1).Enabled = false;
    grid.Look[static_cast<std::size_t>(row)] = RowLook::Disabled;
}

void ChannelGridEditor::selectedRows(const char* verb, void (ChannelGridEditor::*rowCommand)(int))
{
    const RadioImage before = state_.Image;
    const GridSelection selected = SelectionOf(state_.Grid);
    const ChannelSelection channels = SelectedChannels(state_.Grid);
    for (int channel : channels.Channels)
        (this->*rowCommand)(channel + 1);
    SelectChannelRow(state_.Grid, selected.Row);
    state_.Grid.Selected = selected.Channels;
    RecordStep(state_, TranslatedFormat("Notes", verb, {ChannelsInWords(channels.Channels)}), before, selected);
}

void ChannelGridEditor::everyRow(const char* name, void (ChannelGridEditor::*rowCommand)(int))
{
    const RadioImage before = state_.Image;
    const GridSelection selected = SelectionOf(state_.Grid);
    state_.Grid.Visible = false;
    for (int row = 1; row < ChannelGrid::Rows; ++row) {
        state_.Grid.Row = row;
        (this->*rowCommand)(row);
    }
    SelectChannelRow(state_.Grid, 1);
    state_.Grid.Visible = true;
    RecordStep(state_, Translated("Notes", name), before, selected);
}

void ChannelGridEditor::enableClicked()
{
    selectedRows(KVR27_TEXT("Notes", "Enable %1"), &ChannelGridEditor::enableRow);
}

void ChannelGridEditor::disableClicked()
{
    selectedRows(KVR27_TEXT("Notes", "Disable %1"), &ChannelGridEditor::disableRow);
}

void ChannelGridEditor::enableAllClicked()
{
    everyRow(KVR27_TEXT("Notes", "Enable All"), &ChannelGridEditor::enableRow);
}

void ChannelGridEditor::disableAllClicked()
{
    everyRow(KVR27_TEXT("Notes", "Disable All"), &ChannelGridEditor::disableRow);
}

bool ChannelGridEditor::apply(const ChannelEdit& edit, std::string (*question)(int))
{
    if (edit.Outcome == ChannelEditOutcome::Refused)
        messages_.notify(edit.Refusal);
    if (!edit.done() || (question && edit.Overwritten > 0 && !messages_.ask(question(edit.Overwritten))))
        return false;
    const RadioImage shown = state_.Image;
    RadioImage after = shown;
    after.Channels = edit.Channels;
    GridSelection selection;
    selection.Row = edit.Selection.Current + 1;
    if (edit.Selection.Channels != std::vector<int>{edit.Selection.Current})
        selection.Channels = edit.Selection.Channels;
    ApplyStep(state_, edit.StepName, after, selection);
    ShowChangedRows(shown, state_.Image, state_.Grid);
    return true;
}

std::string ChannelGridEditor::copyClicked() const
{
    return ChannelClipboardText(state_.Image, SelectedChannels(state_.Grid));
}

std::string ChannelGridEditor::cutClicked()
{
    const ChannelEdit edit = CutChannels(state_.Image, SelectedChannels(state_.Grid));
    return apply(edit) ? edit.Clipboard : std::string();
}

void ChannelGridEditor::pasteClicked(std::string_view text)
{
    (void)apply(PasteChannels(state_.Image, SelectedChannels(state_.Grid), text), PasteOverQuestion);
}

void ChannelGridEditor::deleteClicked()
{
    (void)apply(DeleteChannels(state_.Image, SelectedChannels(state_.Grid)));
}

void ChannelGridEditor::deleteAndShiftUpClicked()
{
    (void)apply(DeleteAndShiftUp(state_.Image, SelectedChannels(state_.Grid)));
}

void ChannelGridEditor::insertClicked()
{
    (void)apply(InsertEmptyChannel(state_.Image, SelectedChannels(state_.Grid)));
}

void ChannelGridEditor::moveByOne(bool down)
{
    (void)apply(MoveChannelsByOne(state_.Image, SelectedChannels(state_.Grid), down));
}

void ChannelGridEditor::droppedOn(const ChannelSelection& dragged, int row)
{
    (void)apply(MoveChannelsTo(state_.Image, dragged, row - 1));
}

void ChannelGridEditor::sortClicked()
{
    (void)apply(SortByFrequency(state_.Image, SelectedChannels(state_.Grid)));
}

void ChannelGridEditor::fillLpdClicked()
{
    (void)apply(FillLpdChannels(state_.Image, SelectedChannels(state_.Grid)), FillOverQuestion);
}

void ChannelGridEditor::fillPmrClicked()
{
    (void)apply(FillPmrChannels(state_.Image, SelectedChannels(state_.Grid)), FillOverQuestion);
}

bool ChannelGridEditor::canFillPmr() const
{
    return HasPmrChannels(state_.Image.ModelName);
}

void ChannelGridEditor::setCurrentChannel()
{
    const std::uint8_t current = state_.Image.Channels.firstEnabledNumber();
    if (state_.Image.Vfo.CurrentChannel == current)
        return;
    state_.Image.Vfo.CurrentChannel = current;
    // It follows from the channels the steps enabled, so undo and redo keep it so.
    state_.History.amendLast(state_.Image);
}

void ChannelGridEditor::exitClicked()
{
    setCurrentChannel();
}

void ChannelGridEditor::closed()
{
    setCurrentChannel();
}

} // namespace kvr27
