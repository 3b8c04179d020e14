#pragma once
// A fresh program state for window tests: recording message sink, scripted dialogs,
// and a temporary folder for setup.ini, the port assignments and the lock file.
#include "app/AppContext.h"
#include "support/RecordingMessageSink.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTemporaryDir>
#include <QWidget>

namespace kvr27::test {

struct ShellFixture {
    // Without the Data menu's safeguards (verify, backup, trace), which their own
    // tests switch on; backups and traces would go to the temporary folder.
    ShellFixture()
    {
        state.Safeguards = {false, false, false};
        state.DataFolder = dir.path().toStdString();
    }

    AppState state;
    RecordingMessageSink messages;
    ScriptedDialogs dialogs;
    QTemporaryDir dir{QDir::tempPath() + "/kvr27.shell-XXXXXX"}; // a point in a folder's name is no extension

    std::filesystem::path setupIni() const { return dir.filePath("setup.ini").toStdString(); }
    QString lockPath() const { return dir.filePath("kvr27-clone.lock"); }
    std::filesystem::path portAssignments() const { return dir.filePath("ports.ini").toStdString(); }
    AppContext context() { return {state, messages, dialogs, setupIni(), portAssignments()}; }
};

// Shows a window and makes it the active one, so that it takes the focus.
inline void Activate(QWidget& window)
{
    window.show(), window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// The window's size and where each control that takes the focus lies in it, once
// the event loop has turned: what must not move under the pointer.
inline QList<QRect> ControlPlaces(QWidget& window)
{
    QTest::qWait(10);
    QList<QRect> places{window.rect()};
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (widget->isVisible() && widget->focusPolicy() != Qt::NoFocus)
            places << QRect(widget->mapTo(&window, QPoint()), widget->size());
    return places;
}

// The visible top-level window of a class, or null.
template <typename Window>
Window* OpenTopLevel()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

} // namespace kvr27::test
