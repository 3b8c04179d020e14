#include "platform/QtWaiter.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace kvr27 {

void QtWaiter::waitTick()
{
    QEventLoop loop;
    QTimer::singleShot(TickMilliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtWaiter::waitTickOrUntil(const WaitSettled& settled)
{
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(TickMilliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    QTimer look;
    look.setTimerType(Qt::PreciseTimer);
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (settled(std::chrono::microseconds(clock.nsecsElapsed() / 1000)))
            loop.quit();
    });
    look.start(1);
    loop.exec();
}

} // namespace kvr27
