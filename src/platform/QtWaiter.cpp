#include "platform/QtWaiter.h"

#include <QEventLoop>
#include <QTimer>

namespace kvr27 {

void QtWaiter::waitTick()
{
    QEventLoop loop;
    QTimer::singleShot(TickMilliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace kvr27
