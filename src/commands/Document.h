#pragma once
// The document the user edits: AppState's image with its history. Every command that
// changes the image makes its change one named step here, and undo and redo bring
// the image, the VFO form and the channel grid (rows and selection) back together.
#include "commands/AppState.h"

#include <string>

namespace kvr27 {

// The grid's current cell and selection as a step keeps them.
GridSelection SelectionOf(const ChannelGrid& grid);

// Makes `after` the image, as the step `name`, and `selectionAfter` the grid's
// selection; the editors are the caller's to refresh. No step, and false, when
// `after` equals the image.
bool ApplyStep(AppState& state, std::string name, const RadioImage& after, const GridSelection& selectionAfter);
// The same for a change a command has already made to the image and the grid:
// `before` and `selectionBefore` are how they were before it.
bool RecordStep(AppState& state, std::string name, const RadioImage& before, const GridSelection& selectionBefore);

// Shows the rows whose channel differs between `shown` (what the grid shows) and
// `target`: an enabled channel in the normal look; a channel that was only enabled
// or disabled keeps its values in the disabled look, as "disable" leaves them; any
// other disabled channel as a refresh shows it, empty. The selection stays.
void ShowChangedRows(const RadioImage& shown, const RadioImage& target, ChannelGrid& grid);

// Undo and redo of the last step and of the last undone one: the image's VFO
// settings and channels as they were, the VFO form filled from them, the grid's rows
// the step changed shown as the step's command left them, and its selection restored.
// The model and the radio's model code stay. False, with nothing changed, when
// there is no such step.
bool UndoStep(AppState& state);
bool RedoStep(AppState& state);

// "Undo <step>" / "Redo <step>" for a menu; "Undo" / "Redo" when there is none.
std::string UndoCaption(const AppState& state);
std::string RedoCaption(const AppState& state);

} // namespace kvr27
