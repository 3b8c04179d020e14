#pragma once
// The channel window: shows the channel grid state (AppState::Grid) in MSFlexGrid1
// and hands its events to the ChannelGridEditor; a double-click opens the
// one-channel dialog on the current row. Modal over the main window, hidden by
// "Exit" and kept for the next opening.
#include "app/editors/EditorContext.h"
#include "editors/ChannelGridEditor.h"
#include "link/LinkServices.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QTableView;

namespace kvr27::app {

class ChannelGridModel;
class frmMemSub;

class frmMem : public QDialog, public ProgressSink {
    Q_OBJECT

public:
    explicit frmMem(const EditorContext& context, QWidget* parent = nullptr);

    // Shows the grid state as it stands (the caller refreshes it from the image
    // first) and waits until the window is hidden.
    int showModal();
    // The same without waiting: the window is shown modal and the call returns.
    void openModal();

    // The seven buttons: "Read Memories", "Write Memories", "Enable", "Enable All",
    // "disable", "disable All", "Exit".
    void Command1_Click(int index);
    // Opens the one-channel dialog on the current row.
    void MSFlexGrid1_DblClick();

    // How the channel dialog is run once it is loaded; by default modally (exec).
    void setDialogRunner(std::function<void(frmMemSub&)> runner);

    QTableView* MSFlexGrid1 = nullptr;
    std::array<QPushButton*, 7> Command1{};

    // A transfer's progress, in this window's status bar.
    void showProgress(ProgressTarget target, const std::string& text) override;
    // The status bar's text.
    QString statusText() const;

protected:
    // The close box (and Escape): the current channel is recomputed; the next
    // opening loads the window afresh.
    void reject() override;

private:
    void prepare();
    void render();
    void setButtonsEnabled(bool enabled);

    EditorContext context_;
    AppState& state_;
    LinkServices link_;
    ChannelGridEditor editor_;
    ChannelGridModel* model_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    std::function<void(frmMemSub&)> dialogRunner_;
    bool loadPending_ = true;
    bool rendering_ = false;
};

} // namespace kvr27::app
