#include "app/editors/DocumentUndoActions.h"

#include "commands/Document.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace kvr27::app {

DocumentUndoActions::DocumentUndoActions(AppState& state, QWidget* window, std::function<void()> changed)
    : QObject(window), state_(state), changed_(std::move(changed)), undo_(new QAction(window)),
      redo_(new QAction(window))
{
    undo_->setObjectName(QStringLiteral("mnuEditUndo"));
    redo_->setObjectName(QStringLiteral("mnuEditRedo"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(undo_, &QAction::triggered, this, [this] { step(UndoStep); });
    connect(redo_, &QAction::triggered, this, [this] { step(RedoStep); });
    window->addAction(undo_);
    window->addAction(redo_);
    refresh();
}

void DocumentUndoActions::refresh()
{
    undo_->setText(QString::fromStdString(UndoCaption(state_)));
    redo_->setText(QString::fromStdString(RedoCaption(state_)));
    undo_->setEnabled(state_.History.undoable() != nullptr);
    redo_->setEnabled(state_.History.redoable() != nullptr);
}

void DocumentUndoActions::step(bool (*command)(AppState&))
{
    if (state_.TransferRunning)
        return;
    if (command(state_))
        changed_();
    refresh();
}

void DocumentUndoActions::watchTextBoxes(QWidget* window)
{
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

bool DocumentUndoActions::eventFilter(QObject* watched, QEvent* event)
{
    // A text box takes the undo and redo keys for itself; with nothing of its own to
    // undo or redo it lets them pass to the window's actions.
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        const bool undoKey = undo_->shortcuts().contains(pressed);
        const bool redoKey = redo_->shortcuts().contains(pressed);
        if ((undoKey && !box->isUndoAvailable()) || (redoKey && !box->isRedoAvailable())) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kvr27::app
