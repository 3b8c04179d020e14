// From program start to the main window: the refusal of a second copy, the splash's
// two ways out, the start window's model choice and the COM option from setup.ini.
#include "ShellFixture.h"
#include "app/SingleInstanceLock.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "app/frmStart.h"
#include "support/FileText.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSysInfo>
#include <QTimer>
#include <QtTest>

using namespace kvr27;

using Program = test::ShellFixture;
using test::OpenTopLevel;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void secondCopyIsRefused()
    {
        Program program;
        SingleInstanceLock running(program.lockPath());
        QVERIFY(running.tryAcquire());
        SingleInstanceLock second(program.lockPath());
        frmSplash splash(program.context());
        QVERIFY(!splash.start(second));
        QCOMPARE(program.messages.shown,
                 (std::vector<test::ShownMessage>{{AlreadyRunningMessage, MessageIcon::Critical, false}}));
        QVERIFY(!splash.isVisible());
    }

    // A lock left behind by a copy that no longer runs does not block the next start.
    void leftoverLockIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("holder ended")
            << QByteArray("2147483000\nkvr27-clone\n") + QSysInfo::machineHostName().toUtf8() + "\n";
        QTest::newRow("half written") << QByteArray("12");
        QTest::newRow("empty") << QByteArray();
    }
    void leftoverLockIsTakenOver()
    {
        QFETCH(QByteArray, content);
        Program program;
        test::WriteFileText(program.lockPath().toStdString(), content.toStdString());
        SingleInstanceLock lock(program.lockPath());
        QVERIFY(lock.tryAcquire());
        SingleInstanceLock second(program.lockPath());
        QVERIFY(!second.tryAcquire());
    }

    // The program's event loop ends when its only window goes: a key on the splash
    // (before the start window shows), or the start window's close box or Escape.
    void programEndsWithItsOnlyWindow_data()
    {
        QTest::addColumn<bool>("startWindowShown");
        QTest::addColumn<int>("how"); // 0 a key, 1 the close box, 2 Escape
        QTest::newRow("key on the splash") << false << 0;
        QTest::newRow("start window's close box") << true << 1;
        QTest::newRow("Escape in the start window") << true << 2;
    }
    void programEndsWithItsOnlyWindow()
    {
        QFETCH(bool, startWindowShown);
        QFETCH(int, how);
        Program program;
        SingleInstanceLock lock(program.lockPath());
        frmSplash splash(program.context());
        QVERIFY(splash.start(lock));
        if (startWindowShown)
            splash.Timer1_Timer();
        QTimer::singleShot(0, &splash, [&] {
            QWidget* window = startWindowShown ? static_cast<QWidget*>(OpenTopLevel<frmStart>()) : &splash;
            if (how == 1)
                window->close();
            else
                QTest::keyClick(window, how == 0 ? Qt::Key_Space : Qt::Key_Escape);
        });
        bool stillRunning = false;
        QTimer::singleShot(5000, [&] {
            stillRunning = true;
            QCoreApplication::exit(1);
        });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!stillRunning);
        QVERIFY(!splash.isVisible() && !splash.Timer1->isActive());
        QVERIFY(!OpenTopLevel<frmStart>() && !OpenTopLevel<frmMain>());
    }

    void splashOpensStartAndOkOpensMain()
    {
        Program program;
        test::WriteFileText(program.context().SetupIniPath, "3\r\n");
        SingleInstanceLock lock(program.lockPath());
        frmSplash splash(program.context());
        QVERIFY(splash.start(lock));
        QCOMPARE(splash.Timer1->interval(), 2000);
        QCOMPARE(splash.findChild<QLabel*>("lblVersion")->text(), "Version 0.6.0 beta");
        QCOMPARE(splash.findChild<QLabel*>("lblTitle")->text(), "KV-R27 Clone Utility");

        splash.Timer1_Timer();

        QVERIFY(!splash.isVisible());
        frmStart* start = OpenTopLevel<frmStart>();
        QVERIFY(start);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(start->Option1[i]->isVisible(), i < 3);
            QCOMPARE(start->Option1[i]->isChecked(), i == 0);
        }
        start->Option1[1]->click();
        start->Command1->click();

        QVERIFY(!start->isVisible());
        frmMain* main = OpenTopLevel<frmMain>();
        QVERIFY(main);
        QCOMPARE(main->windowTitle(), QString("KV-R27Z Clone Utility"));
        QVERIFY(main->Option1[2]->isChecked());
        QCOMPARE(program.state.ComIndex, 2);
        delete main;
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
