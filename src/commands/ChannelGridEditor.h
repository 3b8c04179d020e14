#pragma once
// The channel window's rules without the window: the grid's load, the selection of
// rows, the enable and disable commands, the channel operations (clipboard, delete,
// insert, move, sort, channel plans), "Exit" and the close box, acting on
// AppState::Grid and the radio image. The Qt window shows the grid state and
// forwards its events here.
#include "commands/AppState.h"
#include "commands/ChannelEdit.h"
#include "core/MessageSink.h"

#include <string>
#include <string_view>

namespace kvr27 {

// The grid's selected channels and current one, as the channel operations take them.
ChannelSelection SelectedChannels(const ChannelGrid& grid);

// Asked before a paste or a fill replaces enabled channels.
std::string PasteOverQuestion(int overwritten);
std::string FillOverQuestion(int overwritten);

class ChannelGridEditor {
public:
    // `messages` says why an operation is refused and asks before one overwrites.
    ChannelGridEditor(AppState& state, MessageSink& messages);

    // The window's load: header, "No" column, row 1 selected, then every row
    // rewritten from the channel table.
    void load();
    // The user made `row` (1..100) the current row.
    void rowSelected(int row);
    // The user selected the `channels` (0..99, any order) with `current` the current
    // row's channel; none selected leaves the current one alone selected.
    void channelsSelected(std::vector<int> channels, int current);

    // "Enable" / "disable": each selected channel whose "Frequency(ch)" cell is not
    // empty; the step "Enable channel 12" / "Disable 3 channels" (the rows' "No").
    void enableClicked();
    void disableClicked();
    // "Enable All" / "disable All": every row whose "Frequency(ch)" cell is not
    // empty; the step "Enable All" / "Disable All".
    void enableAllClicked();
    void disableAllClicked();
    // The channel operations on the selection, each one step of the history, the
    // selection after it shown: Ctrl+C gives the clipboard's text, Ctrl+X that text
    // with the channels emptied (nothing when refused), Ctrl+V pastes `text`.
    std::string copyClicked() const;
    std::string cutClicked();
    void pasteClicked(std::string_view text);
    void deleteClicked();
    void deleteAndShiftUpClicked();
    void insertClicked();
    // Ctrl+Down / Ctrl+Up: the selected block by one row.
    void moveByOne(bool down);
    // A drag of the `dragged` channels (the selection when it began) dropped on
    // `row` (1..100).
    void droppedOn(const ChannelSelection& dragged, int row);
    void sortClicked();
    void fillLpdClicked();
    void fillPmrClicked();
    // Whether the model has PMR channels to fill.
    bool canFillPmr() const;
    // The edit's outcome: a refusal's message; with `question` asked first (when
    // it overwrites enabled channels, the count given) and answered yes, the new
    // table and selection as one step, the rows that changed shown anew. Returns
    // whether the table changed.
    bool apply(const ChannelEdit& edit, std::string (*question)(int) = nullptr);

    // "Exit": the radio's current channel becomes the lowest enabled one. The window
    // is then hidden.
    void exitClicked();
    // The close box: as "Exit"; the edits stay in the image, unsaved.
    void closed();

private:
    void enableRow(int row);
    void disableRow(int row);
    // Runs a row command on each selected row, keeping the selection, as one step.
    void selectedRows(const char* verb, void (ChannelGridEditor::*rowCommand)(int));
    // Runs a row command on rows 1 to 100 with the grid hidden, then selects row 1;
    // one step `name`.
    void everyRow(const char* name, void (ChannelGridEditor::*rowCommand)(int));
    void setCurrentChannel();

    AppState& state_;
    MessageSink& messages_;
};

} // namespace kvr27
