// From program start to the main window: the refusal of a second copy, the splash's
// two ways out, and the start window's model choice.
#include "app/SingleInstanceLock.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "app/frmStart.h"
#include "support/RecordingMessageSink.h"
#include "support/ScriptedDialogs.h"

#include <QSysInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <fstream>

using namespace kvr27;

namespace {

struct Program {
    AppState state;
    test::RecordingMessageSink messages;
    test::ScriptedDialogs dialogs;
    QTemporaryDir dir;

    AppContext context() { return {state, messages, dialogs, std::filesystem::path(dir.path().toStdString()) / "setup.ini"}; }
    QString lockPath() const { return dir.filePath("kvr27-clone.lock"); }
};

template <typename Window>
Window* OpenTopLevel()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void secondCopyIsRefused_data()
    {
        QTest::addColumn<int>("heldForSeconds");
        QTest::newRow("just started") << 0;
        QTest::newRow("running for a day") << 86400;
    }
    void secondCopyIsRefused()
    {
        QFETCH(int, heldForSeconds);
        Program program;
        SingleInstanceLock running(program.lockPath());
        QVERIFY(running.tryAcquire());
        QFile lockFile(program.lockPath());
        QVERIFY(lockFile.open(QIODevice::ReadWrite));
        QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-heldForSeconds),
                                     QFileDevice::FileModificationTime));
        lockFile.close();

        SingleInstanceLock second(program.lockPath());
        frmSplash splash(program.context());
        QVERIFY(!splash.start(second));
        QCOMPARE(program.messages.shown,
                 (std::vector<test::ShownMessage>{{AlreadyRunningMessage, MessageIcon::Critical, false}}));
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.Timer1->isActive());
    }

    // A lock left behind by a copy that no longer runs does not block the next start.
    void leftoverLockIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("holder ended") << QByteArray("2147483000\nkvr27-clone\n") + QSysInfo::machineHostName().toUtf8()
                                             + "\n";
        QTest::newRow("half written") << QByteArray("12");
        QTest::newRow("empty") << QByteArray();
    }
    void leftoverLockIsTakenOver()
    {
        QFETCH(QByteArray, content);
        Program program;
        std::ofstream(program.lockPath().toStdString(), std::ios::binary) << content.toStdString();
        SingleInstanceLock lock(program.lockPath());
        QVERIFY(lock.tryAcquire());
        SingleInstanceLock second(program.lockPath());
        QVERIFY(!second.tryAcquire());
    }

    void keyOnSplashEndsWithoutStartWindow()
    {
        Program program;
        SingleInstanceLock lock(program.lockPath());
        frmSplash splash(program.context());
        QVERIFY(splash.start(lock));
        QVERIFY(splash.isVisible());
        QCOMPARE(splash.findChild<QLabel*>("lblVersion")->text(), QString("Version 0.6.0 beta"));

        QTest::keyClick(&splash, Qt::Key_Space);

        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.Timer1->isActive());
        QVERIFY(!OpenTopLevel<frmStart>());
    }

    void splashOpensStartAndOkOpensMain()
    {
        Program program;
        std::ofstream(program.context().SetupIniPath, std::ios::binary) << "3\r\n";
        SingleInstanceLock lock(program.lockPath());
        frmSplash splash(program.context());
        QVERIFY(splash.start(lock));
        QCOMPARE(splash.Timer1->interval(), 2000);

        splash.Timer1_Timer();

        QVERIFY(!splash.isVisible());
        frmStart* start = OpenTopLevel<frmStart>();
        QVERIFY(start);
        QCOMPARE(start->windowTitle(), QString("KV-R27 Clone Utility"));
        const QStringList captions{"KV-R27 PA", "KV-R27 Z", "KV-R27 X", "KV-R27 PA(PMR only)", "KV-R27 PA(LPD only)"};
        for (int i = 0; i < 5; ++i) {
            auto* option = start->findChild<QRadioButton*>(QString("Option1_%1").arg(i));
            QCOMPARE(option->text(), captions[i]);
            QCOMPARE(option->isVisible(), i < 3);
            QCOMPARE(option->isChecked(), i == 0);
        }
        QVERIFY(start->height() < start->findChild<QRadioButton*>("Option1_2")->y() + 4 * start->Command1->height());

        start->findChild<QRadioButton*>("Option1_1")->click();
        program.state.Image.VfoChanged = true;
        start->findChild<QPushButton*>("Command1")->click();

        QVERIFY(!start->isVisible());
        frmMain* main = OpenTopLevel<frmMain>();
        QVERIFY(main);
        QCOMPARE(main->windowTitle(), QString("KV-R27Z Clone Utility"));
        QCOMPARE(program.state.Image.ModelName, std::string("KV-R27Z"));
        QCOMPARE(program.state.Image.Vfo.Frequency, 44500000);
        QCOMPARE(program.state.Image.Channels.at(99).Frequency, 44500000);
        QVERIFY(!program.state.Image.VfoChanged);
        QCOMPARE(program.state.ComIndex, 2);
        delete main;
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
