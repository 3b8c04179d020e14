#include "commands/ChannelGridEditor.h"

#include "core/Questions.h"
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
    state_.Image.ChannelsChanged = true;
}

void ChannelGridEditor::disableRow(int row)
{
    ChannelGrid& grid = state_.Grid;
    grid.Col = 1;
    if (grid.TextMatrix(row, 1).empty())
        return;
    state_.Image.Channels.at(row - 1).Enabled = false;
    grid.Look[static_cast<std::size_t>(row)] = RowLook::Disabled;
    state_.Image.ChannelsChanged = true;
}

void ChannelGridEditor::enableClicked()
{
    const int row = state_.Grid.Row;
    enableRow(row);
    SelectChannelRow(state_.Grid, row);
}

void ChannelGridEditor::disableClicked()
{
    const int row = state_.Grid.Row;
    disableRow(row);
    SelectChannelRow(state_.Grid, row);
}

void ChannelGridEditor::everyRow(void (ChannelGridEditor::*rowCommand)(int))
{
    state_.Grid.Visible = false;
    for (int row = 1; row < ChannelGrid::Rows; ++row) {
        state_.Grid.Row = row;
        (this->*rowCommand)(row);
    }
    SelectChannelRow(state_.Grid, 1);
    state_.Grid.Visible = true;
}

void ChannelGridEditor::enableAllClicked()
{
    everyRow(&ChannelGridEditor::enableRow);
}

void ChannelGridEditor::disableAllClicked()
{
    everyRow(&ChannelGridEditor::disableRow);
}

void ChannelGridEditor::setCurrentChannel()
{
    state_.Image.Vfo.CurrentChannel = state_.Image.Channels.firstEnabledNumber();
}

void ChannelGridEditor::exitClicked()
{
    setCurrentChannel();
    if (state_.Image.ChannelsChanged) {
        state_.Image.ChannelsChanged = false;
        state_.Image.SettingsChanged = true;
    }
}

void ChannelGridEditor::closed()
{
    setCurrentChannel();
}

} // namespace kvr27
