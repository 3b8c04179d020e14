#include "commands/Document.h"

#include "core/UserText.h"
#include "image/VfoCodec.h"

#include <utility>

namespace kvr27 {

namespace {

void Select(ChannelGrid& grid, const GridSelection& selection)
{
    grid.Row = selection.Row;
    grid.Col = selection.Col;
    grid.ColSel = selection.ColSel;
    grid.Selected = selection.Channels;
}

} // namespace

void ShowChangedRows(const RadioImage& shown, const RadioImage& target, ChannelGrid& grid)
{
    const GridSelection selection = SelectionOf(grid);
    RadioImage visible = target;
    for (int index = 0; index < ChannelTable::Count; ++index) {
        const ChannelRecord& now = shown.Channels.at(index);
        const ChannelRecord& next = target.Channels.at(index);
        if (now == next)
            continue;
        ChannelRecord flipped = now;
        flipped.Enabled = next.Enabled;
        const bool onlyDisabled = !next.Enabled && flipped == next;
        ClearChannelRow(grid, index, target.ModelName);
        visible.Channels.at(index).Enabled = next.Enabled || onlyDisabled;
        ShowChannelRow(visible, grid, index);
        grid.Look.at(static_cast<std::size_t>(index) + 1) = next.Enabled ? RowLook::Normal : RowLook::Disabled;
    }
    Select(grid, selection);
}

namespace {

void Restore(AppState& state, const RadioImage& image, const GridSelection& selection)
{
    const RadioImage shown = state.Image;
    state.Image.Vfo = image.Vfo;
    state.Image.Channels = image.Channels;
    // The window was filled from these values when they were the image.
    SilentMessageSink none;
    FillVfoWindow(state.Image, state.Vfo, none);
    ShowChangedRows(shown, state.Image, state.Grid);
    Select(state.Grid, selection);
}

// `verb` alone, or `verbWithStep` with the step's name for its %1.
std::string Caption(const char* verb, const char* verbWithStep, const DocumentStep* step)
{
    return step ? TranslatedFormat("Notes", verbWithStep, {step->Name}) : Translated("Notes", verb);
}

} // namespace

GridSelection SelectionOf(const ChannelGrid& grid)
{
    return {grid.Row, grid.Col, grid.ColSel, grid.Selected};
}

bool ApplyStep(AppState& state, std::string name, const RadioImage& after, const GridSelection& selectionAfter)
{
    const RadioImage before = state.Image;
    const GridSelection selectionBefore = SelectionOf(state.Grid);
    state.Image = after;
    Select(state.Grid, selectionAfter);
    return RecordStep(state, std::move(name), before, selectionBefore);
}

bool RecordStep(AppState& state, std::string name, const RadioImage& before, const GridSelection& selectionBefore)
{
    if (state.Image == before)
        return false;
    state.History.push({std::move(name), before, state.Image, selectionBefore, SelectionOf(state.Grid)});
    return true;
}

bool UndoStep(AppState& state)
{
    if (!state.History.undoable())
        return false;
    const DocumentStep& step = state.History.undo();
    Restore(state, step.Before, step.SelectionBefore);
    return true;
}

bool RedoStep(AppState& state)
{
    if (!state.History.redoable())
        return false;
    const DocumentStep& step = state.History.redo();
    Restore(state, step.After, step.SelectionAfter);
    return true;
}

std::string UndoCaption(const AppState& state)
{
    return Caption(KVR27_TEXT("Notes", "Undo"), KVR27_TEXT("Notes", "Undo %1"), state.History.undoable());
}

std::string RedoCaption(const AppState& state)
{
    return Caption(KVR27_TEXT("Notes", "Redo"), KVR27_TEXT("Notes", "Redo %1"), state.History.redoable());
}

} // namespace kvr27
