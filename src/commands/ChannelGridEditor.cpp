#include "commands/ChannelGridEditor.h"

#include "commands/Document.h"
#include "image/ChannelGrid.h"

namespace kvr27 {

ChannelGridEditor::ChannelGridEditor(AppState& state) : state_(state) {}

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

void ChannelGridEditor::currentRow(const char* verb, void (ChannelGridEditor::*rowCommand)(int))
{
    const RadioImage before = state_.Image;
    const GridSelection selected = SelectionOf(state_.Grid);
    const int row = state_.Grid.Row;
    (this->*rowCommand)(row);
    SelectChannelRow(state_.Grid, row);
    RecordStep(state_, std::string(verb) + " channel " + std::to_string(row - 1), before, selected);
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
    RecordStep(state_, name, before, selected);
}

void ChannelGridEditor::enableClicked()
{
    currentRow("Enable", &ChannelGridEditor::enableRow);
}

void ChannelGridEditor::disableClicked()
{
    currentRow("Disable", &ChannelGridEditor::disableRow);
}

void ChannelGridEditor::enableAllClicked()
{
    everyRow("Enable All", &ChannelGridEditor::enableRow);
}

void ChannelGridEditor::disableAllClicked()
{
    everyRow("Disable All", &ChannelGridEditor::disableRow);
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
