#pragma once
// The channel window: shows the channel grid state (AppState::Grid) and its selected
// rows in MSFlexGrid1 and hands its events to the ChannelGridEditor; a double-click,
// Enter or F2 opens the one-channel dialog on the current row. A row's context menu
// offers it with every channel operation on the selected rows (clipboard, delete,
// insert, move, sort, edit several, channel plans), "Enable" and "disable", and Undo
// and Redo; the operations with a common key have it in the grid, and dragging
// selected rows moves them. Modal over the main window, hidden by "Exit" and kept
// for the next opening.
#include "app/editors/EditorWindow.h"
#include "commands/ChannelGridEditor.h"

#include <array>
#include <functional>
#include <optional>

class QKeyEvent;
class QMenu;
class QMouseEvent;
class QTableView;

namespace kvr27::app {

class ChannelGridModel;
class frmMemSub;

class frmMem : public EditorWindow {
    Q_OBJECT

public:
    explicit frmMem(const EditorContext& context, QWidget* parent = nullptr);

    // Opens the one-channel dialog on the current row.
    void MSFlexGrid1_DblClick();
    // "Edit Selected Channels…": the channel dialog over the selected channels.
    void editSelected();

    // How the channel dialog is run once it is loaded; by default modally (exec).
    void setDialogRunner(std::function<void(frmMemSub&)> runner);
    // How a row's context menu is run; by default at the pointer (exec).
    void setRowMenuRunner(std::function<void(QMenu&, const QPoint&)> runner);

    QTableView* MSFlexGrid1 = nullptr;
    // Command1_0 to Command1_6: "Read Memories", "Write Memories", "Enable",
    // "Enable All", "disable", "disable All", "Exit".
    std::array<QPushButton*, 7> Command1{};

protected:
    void load() override;
    void render() override;
    QWidget* entryControls() override;
    void runCommand(int index) override;
    // The close box: the current channel is recomputed.
    void closedByCloseBox() override;
    // Enter and F2 on a row open the channel dialog, as a double-click does; the
    // operations' keys; a drag of selected rows.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window opens as tall as the screen allows, its width as it is; the grid
    // takes the focus, on the current row, so arrows and Enter work at once.
    void showEvent(QShowEvent* event) override;

private:
    // Makes the window as tall as the screen's free area, within it.
    void fitToScreenHeight();
    // The context menu of a row: the channel dialog, "Enable" and "disable".
    void showRowMenu(const QPoint& position);
    // Shows the grid state's current cell and selected rows, without scrolling.
    void showSelection();
    // Takes the view's current row and selected rows into the grid state.
    void followView();
    // Runs an operation of the grid editor (none while a transfer runs) and shows
    // its outcome.
    void operate(const std::function<void()>& operation);
    // The operation of a key pressed in the grid; false for other keys.
    bool operationKey(const QKeyEvent& key);
    // A mouse event on the grid's rows: a press on a selected row and a move beyond
    // the drag distance drag the selected rows; the release drops them.
    bool dragEvent(const QMouseEvent& mouse);
    // Places the channel dialog below the current row (above it near the screen's
    // bottom), so the row stays in sight.
    void placeBesideRow(QWidget& dialog);

    ChannelGridEditor editor_;
    ChannelGridModel* model_ = nullptr;
    std::function<void(frmMemSub&)> dialogRunner_;
    std::function<void(QMenu&, const QPoint&)> rowMenuRunner_;
    bool rendering_ = false;
    // A press on a selected row: the selection it may drag, and where it began.
    std::optional<ChannelSelection> dragged_;
    QPoint dragStart_;
    bool dragging_ = false;
};

} // namespace kvr27::app
