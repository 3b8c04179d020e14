// The main window over the emulated radio: the Data menu commands (every
// command of the window refused while a transfer runs, the progress bar), the COM
// choice kept in setup.ini, and the close that asks before unsaved settings are lost
// and closes the port.
#include "EmulatedPort.h"
#include "ShellFixture.h"
#include "app/editors/TransferStatusBar.h"
#include "app/frmMain.h"
#include "support/FileText.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace kvr27;

namespace {

// A KV-R27PA state whose main window talks to an emulated radio.
struct Shell : test::ShellFixture {
    Shell()
    {
        StartWithModel(state, 0);
        // VFO settings the VFO window's boxes accept (all zero).
        std::fill(radio.memory().begin() + 0x700, radio.memory().begin() + 0x740, 0);
    }
    sim::RadioEmulator radio{8};
    sim::EmulatedPort port{radio};
    AppContext linkedContext()
    {
        AppContext c = context();
        std::tie(c.LinkPort, c.LinkWaiter) = std::tuple(&port, &port);
        return c;
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    // The menu tree in order, by object name and caption as the user reads them
    // (the mnemonic mark left out), with the check marks a new run starts with.
    void menuItems()
    {
        Shell shell;
        shell.state.Safeguards = {};
        frmMain window(shell.context());
        QStringList items;
        std::function<void(QWidget*)> walk = [&](QWidget* menu) {
            for (QAction* item : menu->actions()) {
                if (item->isSeparator())
                    continue;
                const QString mark = !item->isCheckable() ? "" : item->isChecked() ? " [x]" : " [ ]";
                items << item->objectName() + ' ' + QString(item->text()).remove('&') + mark;
                if (item->menu())
                    walk(item->menu());
            }
        };
        walk(window.menuBar());
        QCOMPARE(items, (QStringList{"mnuFile File", "mnuFileLode Load", "mnuFileSave Save",
                                     "mnuFileImport Import(Mem Setting)", "mnuFileExport Export(Mem Setting)",
                                     "mnuEeprom Data", "mnuEepRead Read", "mnuEepReadAll All",
                                     "mnuEepReadVfo Vfo Mode", "mnuEepReadMem Memory Mode", "mnuEepWrite Write",
                                     "mnuEepWriteAll All", "mnuEepWriteVfo Vfo Mode", "mnuEepWriteMem Memory Mode",
                                     "mnuVerifyAfterWrite Verify after Write [x]",
                                     "mnuBackupBeforeWrite Backup before Write [x]",
                                     "mnuExchangeTrace Exchange Trace [ ]", "mnuPort Port...",
                                     "mnuPrint Print", "mnuInfo Info"}));
    }

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
        // At each wait: whether any command of the window can be used, the progress
        // bar; a click that reaches a handler anyway is refused.
        bool offered = false, progressShown = false;
        shell.port.onTick = [&](int) {
            offered |= window.menuBar()->isEnabled() || window.Command1[0]->isEnabled() ||
                       window.Option1[2]->isEnabled() || window.Command2->isEnabled();
            progressShown |= window.findChild<QProgressBar*>("StatusBar1_Progress")->isVisible();
            window.mnuEepReadVfo_Click();
            window.Command1_Click(2);
        };
        window.show();
        window.findChild<QAction*>(item)->trigger();

        QCOMPARE(static_cast<int>(shell.radio.commands().size()), exchanges);
        QVERIFY(!offered && progressShown);
        QVERIFY(window.menuBar()->isEnabled() && window.Command1[0]->isEnabled() && window.Option1[2]->isEnabled());
        QVERIFY(!window.findChild<QProgressBar*>("StatusBar1_Progress")->isVisible() && !shell.state.TransferRunning);
        QCOMPARE(window.statusText(), QString());
    }

    // The Data menu's safeguards as the user switches them: the read-back names the
    // channel the radio did not store; unchecked, the same write reports success;
    // the backup and the trace are named in the note.
    void safeguardsFromTheDataMenu_data()
    {
        QTest::addColumn<QStringList>("toggled");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("note");
        QTest::newRow("verify") << QStringList{"mnuBackupBeforeWrite"}
                                << "The radio does not hold what was written:\rchannel 5, byte 0050h written 02h, "
                                   "read back 03h."
                                << "Verify failed on emulated COM1: channel 5, byte 0050h written 02h, read back 03h";
        QTest::newRow("neither") << QStringList{"mnuBackupBeforeWrite", "mnuVerifyAfterWrite"} << ""
                                 << "Write complete";
        QTest::newRow("backup") << QStringList{"mnuVerifyAfterWrite"} << ""
                                << "Write complete; backup: BACKUPS/KV-R27PA-2";
        QTest::newRow("trace") << QStringList{"mnuBackupBeforeWrite", "mnuVerifyAfterWrite", "mnuExchangeTrace"} << ""
                               << "Write complete; trace: DATA/traces/trace-2";
    }
    void safeguardsFromTheDataMenu()
    {
        QFETCH(QStringList, toggled);
        QFETCH(QString, message);
        QFETCH(QString, note);
        Shell shell;
        shell.state.Safeguards = {};
        ChannelRecord& channel = shell.state.Image.Channels.at(5);
        channel.Frequency = 43310000;
        channel.Enabled = true;
        frmMain window(shell.linkedContext());
        window.show();
        for (const QString& item : toggled)
            window.findChild<QAction*>(item)->trigger();
        // Exchanges of the write: identity, bitmap, channel 5 (stored wrong), 715h.
        const bool backup = !toggled.contains("mnuBackupBeforeWrite");
        shell.radio.setFault(sim::Fault::WrongStore, backup ? 107 + 2 : 2);
        window.mnuEepWriteMem->trigger();

        QStringList shown;
        for (const std::string& text : shell.messages.texts())
            shown << QString::fromStdString(text);
        QCOMPARE(shown, (message.isEmpty() ? QStringList{OverwriteQuestion} : QStringList{OverwriteQuestion, message}));
        const QString backups = QDir(shell.dir.path()).filePath("backups");
        // The note names the files; its tooltip has their whole paths.
        const QString tip = window.findChild<QLabel*>("StatusBar1_Note")->toolTip();
        const QString whole = QString(note).replace("BACKUPS", backups).replace("DATA", shell.dir.path());
        QVERIFY2(window.StatusBar1->noteText().startsWith(QString(note).remove("BACKUPS/").remove("DATA/traces/"))
                     && (tip.isEmpty() ? note : tip).startsWith(whole),
                 qPrintable(window.StatusBar1->noteText() + " | " + tip));
        QCOMPARE(QDir(backups).entryList(QDir::Files).size(), backup ? 1 : 0);
    }

    // "port close" closes the port, and the next transfer opens it afresh; another
    // COM option does not touch the open port; closing the window saves the COM
    // choice and closes the port.
    void closeWindow_data()
    {
        QTest::addColumn<bool>("settingsChanged");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("transferRunning");
        QTest::addColumn<bool>("closes");
        QTest::newRow("changed, OK") << true << true << false << true;
        QTest::newRow("changed, Cancel") << true << false << false << false;
        QTest::newRow("during a transfer") << false << true << true << false;
    }
    void closeWindow()
    {
        QFETCH(bool, settingsChanged);
        QFETCH(bool, answer);
        QFETCH(bool, transferRunning);
        QFETCH(bool, closes);
        Shell shell;
        AppContext context = shell.linkedContext();
        frmMain window(context);
        window.show();
        window.mnuEepReadVfo_Click();
        window.Command2->click();
        QVERIFY(!shell.port.isOpen() && shell.state.Link.OpenPortNumber == NoPortOpen);
        window.mnuEepReadVfo_Click();
        window.findChild<QRadioButton*>("Option1_3")->click();
        QCOMPARE(shell.state.ComIndex, 3);
        shell.state.Image.SettingsChanged = settingsChanged;
        shell.state.TransferRunning = transferRunning;
        shell.messages.answers = {answer};

        QCOMPARE(window.close(), closes);
        QVERIFY(window.isVisible() != closes && shell.port.isOpen() != closes);
        QCOMPARE(test::ReadFileText(shell.setupIni()), std::string(closes ? "4\r\n" : ""));
        QCOMPARE(shell.state.Link.OpenPortNumber, closes ? NoPortOpen : 1);
        const std::vector<test::ShownMessage> asked{{SettingsChangedQuestion, MessageIcon::None, true}};
        QCOMPARE(shell.messages.shown, settingsChanged && !transferRunning ? asked : decltype(asked){});
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
