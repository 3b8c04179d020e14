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
#include <QTimer>
#include <QSysInfo>
#include <QtTest>

using namespace kvr27;

using Program = test::ShellFixture;
using test::OpenTopLevel;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    // A second copy is refused while the first runs; a lock left behind by a copy
    // that no longer runs does not block the next start.
    void singleInstance_data()
    {
        QTest::addColumn<QByteArray>("content"); // of the lock file; null: held by a running copy
        QTest::newRow("running") << QByteArray();
        QTest::newRow("holder ended")
            << QByteArray("2147483000\nkvr27-clone\n") + QSysInfo::machineHostName().toUtf8() + "\n";
        QTest::newRow("half written") << QByteArray("12");
    }
    void singleInstance()
    {
        QFETCH(QByteArray, content);
        Program program;
        SingleInstanceLock running(program.lockPath());
        if (content.isNull())
            QVERIFY(running.tryAcquire());
        else
            test::WriteFileText(program.lockPath().toStdString(), content.toStdString());
        SingleInstanceLock next(program.lockPath());
        frmSplash splash(program.context());
        QCOMPARE(splash.start(next), !content.isNull());
        QCOMPARE(splash.isVisible(), !content.isNull());
        QVERIFY(!SingleInstanceLock(program.lockPath()).tryAcquire());
        using Shown = std::vector<test::ShownMessage>;
        const Shown refused{{AlreadyRunningMessage, MessageIcon::Critical, false}};
        QCOMPARE(program.messages.shown, content.isNull() ? refused : Shown{});
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
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); }); // still running
        QCOMPARE(QCoreApplication::exec(), 0);
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
        frmStart* start = OpenTopLevel<frmStart>();
        QVERIFY(!splash.isVisible() && start);
        QString options; // per option: visible, checked
        for (QRadioButton* option : start->Option1)
            options += QString("%1%2 ").arg(option->isVisible()).arg(option->isChecked());
        QCOMPARE(options, "11 10 10 00 00 ");
        start->Option1[1]->click();
        start->Command1->click();

        frmMain* main = OpenTopLevel<frmMain>();
        QVERIFY(!start->isVisible() && main);
        QCOMPARE(main->windowTitle(), QString("KV-R27Z Clone Utility"));
        QVERIFY(main->Option1[2]->isChecked() && program.state.ComIndex == 2);
        delete main;
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
