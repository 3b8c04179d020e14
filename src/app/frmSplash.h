#pragma once
// The splash window: refuses a second running copy, shows the program's name and
// version for two seconds and then opens the start window. A key pressed while it
// shows closes it, which ends the program.
#include "core/UserText.h"
#include "app/AppContext.h"

#include <QWidget>

class QFrame;
class QTimer;

namespace kvr27 {

class SingleInstanceLock;

// The notice that refuses a second copy.
inline constexpr const char* AlreadyRunningMessage = KVR27_TEXT("Messages", "KV-R27 Clone Utility is already boot up.");

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(const AppContext& context, QWidget* parent = nullptr);

    // The window's load: false (after the critical notice) when another copy holds
    // the lock, and the program is to end; otherwise shows the window and starts Timer1.
    bool start(SingleInstanceLock& lock);

    QFrame* Frame1;
    QTimer* Timer1;

    // Two seconds after the load: opens the start window and closes this one.
    void Timer1_Timer();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext context_;
};

} // namespace kvr27
