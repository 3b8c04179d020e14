#include "app/frmSplash.h"

#include "app/ProductInfo.h"
#include "app/SingleInstanceLock.h"
#include "app/frmStart.h"

#include <QCoreApplication>
#include <QFrame>
#include <QTimer>
#include <QVBoxLayout>

namespace kvr27 {

frmSplash::frmSplash(const AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), context_(context)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(ProductTitle());
    setFocusPolicy(Qt::StrongFocus);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Panel);
    Frame1->setFrameShadow(QFrame::Raised);
    Frame1->setLineWidth(2);
    AddProductInfo(Frame1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(2000);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

bool frmSplash::start(SingleInstanceLock& lock)
{
    if (!lock.tryAcquire()) {
        context_.Messages.notify(AlreadyRunningMessage, MessageIcon::Critical);
        return false;
    }
    show();
    activateWindow();
    setFocus();
    Timer1->start();
    return true;
}

void frmSplash::Timer1_Timer()
{
    Timer1->stop();
    auto* startWindow = new frmStart(context_);
    startWindow->setAttribute(Qt::WA_DeleteOnClose);
    startWindow->show();
    close();
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    Q_UNUSED(event);
    Timer1->stop();
    close();
    // A splash window is no window whose closing ends the program by itself, and no
    // other window is open yet.
    QCoreApplication::quit();
}

} // namespace kvr27
