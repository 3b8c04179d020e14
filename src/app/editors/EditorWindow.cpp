#include "app/editors/EditorWindow.h"

#include "app/editors/DocumentUndoActions.h"
#include "app/editors/EditorWidgets.h"
#include "app/editors/TransferStatusBar.h"
#include "app/editors/frmDifferences.h"
#include "commands/RadioCommands.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QStatusBar>

namespace kvr27::app {

EditorWindow::EditorWindow(const EditorContext& context, const char* titleSuffix, RadioParts parts,
                           QWidget* parent)
    : QDialog(parent), context_(context), link_{context.LinkPort, context.LinkWaiter, context.Messages, *this},
      undoActions_(new DocumentUndoActions(context.State, this, [this] { render(); })), titleSuffix_(titleSuffix),
      parts_(parts)
{
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void EditorWindow::prepare()
{
    if (loadPending_) {
        setWindowTitle(QString::fromStdString(context_.State.Image.ModelName) + QCoreApplication::translate("Controls", titleSuffix_));
        load();
        loadPending_ = false;
    }
    render();
    undoActions_->refresh();
}

int EditorWindow::showModal()
{
    prepare();
    return exec();
}

void EditorWindow::openModal()
{
    prepare();
    open();
}

void EditorWindow::showProgress(ProgressTarget, const std::string& text)
{
    statusBar_->setText(QString::fromStdString(text));
}

QString EditorWindow::statusText() const
{
    return statusBar_->text();
}

void EditorWindow::reject()
{
    if (context_.State.TransferRunning)
        return;
    closedByCloseBox();
    loadPending_ = true;
    QDialog::reject();
}

TransferStatusBar* EditorWindow::statusBar()
{
    // Made when the window places it, so its Cancel follows the window's own
    // controls in the focus order.
    if (!statusBar_)
        statusBar_ = new TransferStatusBar(this);
    return statusBar_;
}

QPushButton* EditorWindow::addCommand(int index, const char* caption, CommandKind kind)
{
    QPushButton* button = MakeCommandButton(this, index, caption, kind);
    connect(button, &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
    commands_.push_back(button);
    return button;
}

void EditorWindow::Command1_Click(int index)
{
    if (context_.State.TransferRunning)
        return;
    const bool transfer = index == 0 || index == 1;
    if (transfer) {
        statusBar_->beginTransfer(context_.State.Link, index == 0 ? TransferKind::Read : TransferKind::Write);
    } else {
        statusBar_->clearNote();
    }
    if (index >= 0 && index < static_cast<int>(commands_.size()))
        FocusForCommand(commands_[static_cast<std::size_t>(index)]);
    if (transfer)
        entryControls()->setEnabled(false);
    setCommandsEnabled(false);
    AppState& state = context_.State;
    RadioCommandOptions options = EditorCommandOptions();
    options.Review = ReviewInWindow(this, state.Image.ModelName);
    const CommandReport report = index == 0   ? ReadRadioCommand(state, link_, parts_, options)
                                 : index == 1 ? WriteRadioCommand(state, link_, parts_, options)
                                              : DeclinedReport();
    // The entry controls take the user's values again before the window's part,
    // which may give one of them the focus.
    if (transfer)
        entryControls()->setEnabled(true);
    runCommand(index);
    undoActions_->refresh();
    setCommandsEnabled(true);
    if (transfer)
        statusBar_->endTransfer(report);
}

void EditorWindow::setCommandsEnabled(bool enabled)
{
    for (QPushButton* button : commands_)
        button->setEnabled(enabled);
}

} // namespace kvr27::app
