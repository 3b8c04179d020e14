// The main window's Data menu over the emulated radio: every command of the window
// is refused while a transfer runs, the progress bar follows the status text, the
// COM options name their devices and the port closes with the window.
#include "EmulatedPort.h"
#include "LinkRig.h"
#include "ShellFixture.h"
#include "app/frmMain.h"

#include <QAction>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using kvr27::frmMain;

namespace {

// Counts ticks on the emulated radio and notes, at each, whether any command of
// the main window could be used.
struct WatchingWaiter : kvr27::Waiter {
    WatchingWaiter(kvr27::sim::EmulatedPort& port) : port(port) {}
    void waitTick() override
    {
        port.waitTick();
        if (!window)
            return;
        const bool anyEnabled = window->menuBar()->isEnabled() || window->Command1[0]->isEnabled() ||
                                window->Option1[2]->isEnabled() || window->Command2->isEnabled();
        commandsOfferedDuringTransfer = commandsOfferedDuringTransfer || anyEnabled;
        progressShown = progressShown || window->findChild<QProgressBar*>("StatusBar1_Progress")->isVisible();
        // A click that reaches a handler anyway is refused.
        window->mnuEepReadVfo_Click();
        window->Command1_Click(2);
    }
    kvr27::sim::EmulatedPort& port;
    frmMain* window = nullptr;
    bool commandsOfferedDuringTransfer = false;
    bool progressShown = false;
};

struct Shell : kvr27::test::ShellFixture {
    Shell() { kvr27::StartWithModel(state, 0); }
    kvr27::sim::RadioEmulator radio{8};
    kvr27::sim::EmulatedPort port{radio};
    WatchingWaiter waiter{port};
    kvr27::AppContext linkedContext()
    {
        kvr27::AppContext c = context();
        c.LinkPort = &port;
        c.LinkWaiter = &waiter;
        return c;
    }
};

} // namespace

class TestMainWindowLink : public QObject {
    Q_OBJECT
private slots:
    void dataCommands_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("exchanges");
        QTest::newRow("Read > All") << "mnuEepReadAll" << 107;
        QTest::newRow("Read > Vfo Mode") << "mnuEepReadVfo" << 4;
        QTest::newRow("Read > Memory Mode") << "mnuEepReadMem" << 103;
        QTest::newRow("Write > All") << "mnuEepWriteAll" << 5 + 3;
        QTest::newRow("Write > Vfo Mode") << "mnuEepWriteVfo" << 5;
        QTest::newRow("Write > Memory Mode") << "mnuEepWriteMem" << 3;
    }
    void dataCommands()
    {
        QFETCH(QString, item);
        QFETCH(int, exchanges);
        Shell shell;
        frmMain window(shell.linkedContext());
        shell.waiter.window = &window;
        window.show();
        window.findChild<QAction*>(item)->trigger();

        QCOMPARE(static_cast<int>(shell.radio.commands().size()), exchanges);
        QVERIFY(!shell.waiter.commandsOfferedDuringTransfer);
        QVERIFY(shell.waiter.progressShown);
        QVERIFY(window.isVisible());
        QVERIFY(window.menuBar()->isEnabled() && window.Command1[0]->isEnabled() && window.Option1[2]->isEnabled());
        QVERIFY(!window.findChild<QProgressBar*>("StatusBar1_Progress")->isVisible());
        QCOMPARE(window.statusText(), QString());
        QVERIFY(!shell.state.TransferRunning);
    }

    void portProblemInTheStatusLine()
    {
        Shell shell;
        shell.port.missingPorts = {2};
        frmMain window(shell.linkedContext());
        window.findChild<QRadioButton*>("Option1_1")->click();
        window.mnuEepReadVfo_Click();
        QCOMPARE(shell.messages.texts(), std::vector<std::string>{"Can't open com Port"});
        QCOMPARE(window.statusText(), QString("COM2 (emulated COM2): No such file or directory"));
        QCOMPARE(window.Option1[4]->toolTip(), QString("emulated COM5"));
    }

    void closingTheWindowClosesThePort()
    {
        Shell shell;
        frmMain window(shell.linkedContext());
        window.show();
        window.mnuEepReadVfo_Click();
        QVERIFY(shell.port.isOpen());
        QVERIFY(window.close());
        QVERIFY(!shell.port.isOpen());
        QCOMPARE(shell.state.Link.OpenPortNumber, kvr27::NoPortOpen);
    }
};

QTEST_MAIN(TestMainWindowLink)
#include "test_mainwindow_link.moc"
