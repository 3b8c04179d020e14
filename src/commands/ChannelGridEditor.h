#pragma once
// The channel window's rules without the window: the grid's load, row selection,
// the enable and disable commands, "Exit" and the close box, acting on
// AppState::Grid and the radio image. The Qt window shows the grid state and
// forwards its events here.
#include "commands/AppState.h"

namespace kvr27 {

class ChannelGridEditor {
public:
    explicit ChannelGridEditor(AppState& state);

    // The window's load: header, "No" column, row 1 selected, then every row
    // rewritten from the channel table.
    void load();
    // The user made `row` (1..100) the current row.
    void rowSelected(int row);

    // "Enable" / "disable": the current row's channel, when its "Frequency(ch)" cell
    // is not empty; the step "Enable channel 12" / "Disable channel 12" (the row's "No").
    void enableClicked();
    void disableClicked();
    // "Enable All" / "disable All": every row whose "Frequency(ch)" cell is not
    // empty; the step "Enable All" / "Disable All".
    void enableAllClicked();
    void disableAllClicked();
    // "Exit": the radio's current channel becomes the lowest enabled one. The window
    // is then hidden.
    void exitClicked();
    // The close box: as "Exit"; the edits stay in the image, unsaved.
    void closed();

private:
    void enableRow(int row);
    void disableRow(int row);
    // Runs a row command on the current row and selects it, as one step.
    void currentRow(const char* verb, void (ChannelGridEditor::*rowCommand)(int));
    // Runs a row command on rows 1 to 100 with the grid hidden, then selects row 1;
    // one step `name`.
    void everyRow(const char* name, void (ChannelGridEditor::*rowCommand)(int));
    void setCurrentChannel();

    AppState& state_;
};

} // namespace kvr27
