#pragma once
// What the VFO window and the channel window share: modal showing over the main
// window, the load on first showing (and again after the close box), their own
// status bar for the progress of their transfers, and their command buttons.
#include "app/editors/EditorContext.h"
#include "app/editors/EditorWidgets.h"
#include "commands/CommandReport.h"
#include "link/ImageTransfers.h"
#include "link/LinkServices.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QStatusBar;

namespace kvr27::app {

class DocumentUndoActions;
class TransferStatusBar;

class EditorWindow : public QDialog, public ProgressSink {
    Q_OBJECT

public:
    // Shows the form state as it stands (the caller refills it from the image
    // first) and waits until the window is hidden.
    int showModal();
    // The same without waiting: the window is shown modal and the call returns.
    void openModal();

    // A transfer's progress, in this window's status bar.
    void showProgress(ProgressTarget target, const std::string& text) override;
    // The status bar's text.
    QString statusText() const;

    // A click on command button `index`: refused while a transfer runs; the window's
    // command buttons are disabled while the command works. Button 0 reads and
    // button 1 writes in both editors: their status bar shows the progress with a
    // Cancel for the read, then the note of how the transfer ended, and the entry
    // controls are frozen meanwhile, so nothing typed during the transfer is taken.
    void Command1_Click(int index);

    // The close box (and Escape), refused while a transfer runs: the window is
    // discarded, so the next showing loads it afresh.
    void reject() final;

protected:
    // `titleSuffix` follows the model name in the window's title; `parts` are what
    // its Read and Write buttons transfer.
    EditorWindow(const EditorContext& context, const char* titleSuffix, RadioParts parts, QWidget* parent);

    // The window's load: its rules' start state.
    virtual void load() = 0;
    // Shows the form state.
    virtual void render() = 0;
    // The widget holding the controls that take the user's values.
    virtual QWidget* entryControls() = 0;

    // What the close box does besides.
    virtual void closedByCloseBox() {}
    // The status bar, to be placed at the bottom of the window.
    TransferStatusBar* statusBar();
    // Makes the button Command1_<index>.
    QPushButton* addCommand(int index, const char* caption, CommandKind kind = CommandKind::TakesEdits);
    // The window's part of button `index` (after the transfer of buttons 0 and 1).
    virtual void runCommand(int index) = 0;

    EditorContext context_;
    LinkServices link_;
    // Undo and Redo of the document's steps: keys, and the window's context menu.
    DocumentUndoActions* undoActions_;

private:
    void prepare();
    void setCommandsEnabled(bool enabled);

    const char* titleSuffix_;
    RadioParts parts_;
    TransferStatusBar* statusBar_ = nullptr;
    std::vector<QPushButton*> commands_;
    bool loadPending_ = true;
};

} // namespace kvr27::app
