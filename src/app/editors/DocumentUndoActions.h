#pragma once
// The Edit commands of a window: "Undo <step>" and "Redo <step>" bound to the
// document's history (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y), disabled when there is no
// such step. In a text box that holds typing of its own the keys undo the typing,
// as the box always does; once it holds none they undo the document's steps.
#include "commands/AppState.h"

#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace kvr27::app {

class DocumentUndoActions : public QObject {
    Q_OBJECT
public:
    // The actions, added to `window` so that their keys work anywhere in it;
    // `changed` runs after each undo or redo to show the restored document.
    DocumentUndoActions(AppState& state, QWidget* window, std::function<void()> changed);

    QAction* undo() const { return undo_; }
    QAction* redo() const { return redo_; }
    // Sets the captions and enabled states from the history.
    void refresh();
    // Lets the keys pass to the document's steps from every text box of `window`
    // that holds no typing of its own to undo or redo.
    void watchTextBoxes(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(bool (*command)(AppState&));

    AppState& state_;
    std::function<void()> changed_;
    QAction* undo_;
    QAction* redo_;
};

} // namespace kvr27::app
