#include "app/editors/EditorWindow.h"

#include "app/editors/EditorWidgets.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

namespace kvr27::app {

EditorWindow::EditorWindow(const EditorContext& context, const char* titleSuffix, QWidget* parent)
    : QDialog(parent), context_(context), link_{context.LinkPort, context.LinkWaiter, context.Messages, *this},
      titleSuffix_(titleSuffix)
{
    statusBar_ = MakeStatusBar(this, &statusPanel_);
}

void EditorWindow::prepare()
{
    if (loadPending_) {
        setWindowTitle(QString::fromStdString(context_.State.Image.ModelName) + QString::fromLatin1(titleSuffix_));
        load();
        loadPending_ = false;
    }
    render();
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
    statusPanel_->setText(QString::fromStdString(text));
}

QString EditorWindow::statusText() const
{
    return statusPanel_->text();
}

void EditorWindow::reject()
{
    if (context_.State.TransferRunning)
        return;
    closedByCloseBox();
    loadPending_ = true;
    QDialog::reject();
}

QStatusBar* EditorWindow::statusBar()
{
    return statusBar_;
}

QPushButton* EditorWindow::addCommand(int index, const char* caption)
{
    QPushButton* button = MakeCommandButton(this, index, caption);
    connect(button, &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
    commands_.push_back(button);
    return button;
}

void EditorWindow::Command1_Click(int index)
{
    if (context_.State.TransferRunning)
        return;
    setCommandsEnabled(false);
    runCommand(index);
    setCommandsEnabled(true);
}

void EditorWindow::setCommandsEnabled(bool enabled)
{
    for (QPushButton* button : commands_)
        button->setEnabled(enabled);
}

} // namespace kvr27::app
