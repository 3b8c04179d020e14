// From program start to the main window and its editor windows, driven as a user
// drives them: the refusal of a second copy, the splash and the start window, the
// shortcuts and the Data menu, the notes after a transfer, cancelling a read, the
// safeguards, the COM choice kept in setup.ini and the close that asks before
// unsaved settings are lost.
#include "EmulatedPort.h"
#include "ShellFixture.h"
#include "app/SingleInstanceLock.h"
#include "app/editors/ElidedLabel.h"
#include "app/editors/frmMem.h"
#include "app/editors/frmMemSub.h"
#include "app/editors/frmVfo.h"
#include "app/editors/TransferStatusBar.h"
#include "app/frmMain.h"
#include "app/frmPort.h"
#include "app/frmSplash.h"
#include "app/frmStart.h"
#include "core/Questions.h"
#include "support/FileText.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSysInfo>
#include <QTableView>
#include <QTimer>
#include <QtTest>

using namespace kvr27;
using test::OpenTopLevel;

namespace {
void Activate(QWidget& window)
{
    window.show(), window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// A KV-R27PA state over an emulated radio whose VFO blocks the boxes accept.
struct Shell : test::ShellFixture {
    explicit Shell(std::uint8_t radioCode = 8) : radio(radioCode)
    {
        StartWithModel(state, 0);
        std::fill(radio.memory().begin() + 0x700, radio.memory().begin() + 0x740, 0);
    }
    AppContext linked()
    {
        AppContext c = context();
        std::tie(c.LinkPort, c.LinkWaiter, c.ReportPrinter) = std::tuple(&port, &port, &printer);
        return c;
    }
    sim::RadioEmulator radio;
    sim::EmulatedPort port{radio};
    QPrinter printer;
    app::EditorContext editors{state, messages, port, port};
};

// The note, and whether it goes by itself.
QString NoteOf(QWidget& window)
{
    auto* bar = window.findChild<app::TransferStatusBar*>("StatusBar1");
    return bar->noteText() + (bar->findChild<QTimer*>("StatusBar1_NoteTimer")->isActive() ? " (goes)" : "");
}

// The messages shown, each with its detail after " | ".
QStringList Shown(const Shell& shell)
{
    QStringList shown;
    for (const auto& m : shell.messages.shown)
        shown << QString::fromStdString(m.detail.empty() ? m.text : m.text + " | " + m.detail);
    return shown;
}

// An editor window opened as the main window opens it; the grid filled first.
template <typename Editor>
Editor* Open(Shell& shell)
{
    RefreshChannelGrid(shell.state.Image, shell.state.Grid);
    auto* window = new Editor(shell.editors);
    window->openModal();
    return window;
}

} // namespace

class TestMainWindow : public QObject {
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
        test::ShellFixture program;
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

    // The splash stays 2 s. The program's event loop ends when its only window goes: a key on the splash
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
        test::ShellFixture program;
        SingleInstanceLock lock(program.lockPath());
        frmSplash splash(program.context());
        QVERIFY(splash.start(lock));
        QCOMPARE(splash.Timer1->interval(), 2000);
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

    // The start window offers the three models, the first chosen; the main window
    // opens where it was, for the model chosen, on the COM option of setup.ini, and a
    // long status text wraps rather than widen it. Each shortcut or Data menu item
    // reaches its command; while a transfer runs nothing of the window can be used
    // (a click that reaches a handler is refused), the progress bar shows the
    // progress text whole, and Cancel is offered during a read, never during a
    // write. Alt with a mnemonic opens its menu.
    void mainWindowByKeyboard_data()
    {
        QTest::addColumn<QString>("keys"); // a key sequence, or the menu item triggered
        QTest::addColumn<QList<int>>("counts"); // exchanges, files asked, printer asked, status emptied
        // First message, Cancel's tooltip, the note, the last progress (and whether Cancel was offered).
        QTest::addColumn<QStringList>("texts");
        const QStringList none{"", "", "", ""};
        const QString noCancel = "A write cannot be cancelled: the radio would be left half written.";
        QTest::newRow("Load") << "Ctrl+O" << QList<int>{0, 1, 0, 0} << none;
        QTest::newRow("Save") << "Ctrl+S" << QList<int>{0, 1, 0, 0} << none;
        QTest::newRow("Print") << "Ctrl+P" << QList<int>{0, 0, 1, 0} << none;
        QTest::newRow("Read > All") << "Ctrl+R" << QList<int>{107, 0, 0, 1}
                                    << QStringList{"", "", "Read complete (goes)", "Memory mode read       100%+Cancel"};
        QTest::newRow("Read > Vfo Mode") << "mnuEepReadVfo" << QList<int>{4, 0, 0, 1}
                                         << QStringList{"", "", "Read complete (goes)", "Vfo mode read       66%+Cancel"};
        QTest::newRow("Read > Memory Mode") << "mnuEepReadMem" << QList<int>{103, 0, 0, 1}
                                            << QStringList{"", "", "Read complete (goes)", "Memory mode read       100%+Cancel"};
        QTest::newRow("Write > All") << "Ctrl+Shift+W" << QList<int>{8, 0, 0, 1}
                                     << QStringList{OverwriteQuestion, noCancel, "Write complete (goes)",
                                                    "Memory mode write       100%"};
        QTest::newRow("Write > Vfo Mode") << "mnuEepWriteVfo" << QList<int>{5, 0, 0, 1}
                                          << QStringList{OverwriteQuestion, noCancel, "Write complete (goes)",
                                                         "Vfo mode Write       66%"};
        QTest::newRow("Write > Memory Mode") << "mnuEepWriteMem" << QList<int>{3, 0, 0, 1}
                                             << QStringList{OverwriteQuestion, noCancel, "Write complete (goes)",
                                                            "Memory mode write       100%"};
    }
    void mainWindowByKeyboard()
    {
        QFETCH(QString, keys);
        Shell shell(4); // a KV-R27Z
        shell.dialogs.printAnswers = {std::nullopt};
        test::WriteFileText(shell.setupIni(), "3\r\n");
        frmStart start(shell.linked());
        start.show();
        start.move(120, 90);
        const QPoint centre = start.frameGeometry().center();
        QString options; // per option: visible, checked
        for (QRadioButton* option : start.Option1)
            options += QString("%1%2 ").arg(option->isVisible()).arg(option->isChecked());
        QCOMPARE(options, "11 10 10 00 00 ");
        start.Option1[1]->click();
        start.findChild<QPushButton*>("Command1")->click();
        std::unique_ptr<frmMain> window(OpenTopLevel<frmMain>());
        QVERIFY(window && !start.isVisible());
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        QCOMPARE(window->windowTitle(), QString("KV-R27Z Clone Utility"));
        QVERIFY(window->Option1[2]->isChecked() && shell.state.ComIndex == 2);
        // Centred within a few pixels (the window's final size comes with showing it).
        QVERIFY((window->frameGeometry().center() - centre).manhattanLength() <= 8);
        Activate(*window);
        const int width = window->width();
        const QString device = "COM1 (/dev/serial/by-id/usb-Some_Maker_USB_Serial_Cable_0123456789ABCDEF-if00-port0): "
                               "Permission denied";
        window->setStatusText(device);
        QTest::qWait(20);
        QCOMPARE(window->width(), width);
        auto* panel = window->findChild<app::ElidedLabel*>("StatusBar1_Panel1");
        QVERIFY(panel->shownLines(panel->contentsRect().width()).last().endsWith("Permission denied"));
        auto* cancel = window->findChild<QPushButton*>("StatusBar1_Cancel");
        auto* bar = window->findChild<QProgressBar*>("StatusBar1_Progress");
        QString progress;
        bool offered = false;
        shell.port.onTick = [&](int) {
            const bool fits = bar->fontMetrics().horizontalAdvance(bar->text()) < bar->contentsRect().width();
            progress = bar->isVisible() ? bar->text() + (fits ? "" : " (cut)") + (cancel->isEnabled() ? "+Cancel" : "")
                                        : progress;
            offered |= window->menuBar()->isEnabled() || window->Command1[0]->isEnabled()
                       || window->Option1[2]->isEnabled() || window->Command2->isEnabled();
            window->mnuEepReadVfo_Click();
            window->Command1_Click(2);
        };
        if (keys.startsWith("mnu"))
            window->findChild<QAction*>(keys)->trigger();
        else
            QTest::keySequence(window.get(), QKeySequence(keys));
        QTEST((QList<int>{int(shell.radio.commands().size()), int(shell.dialogs.filtersAsked.size()),
                          int(shell.dialogs.printAnswers.empty()), window->statusText().isEmpty()}), "counts");
        QTEST((QStringList{Shown(shell).value(0), cancel->toolTip(), NoteOf(*window), progress}), "texts");
        QVERIFY(!offered && !bar->isVisible() && !shell.state.TransferRunning && window->Command1[0]->isEnabled());
        QTest::keyClick(window.get(), Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(window->mnuEeprom->isVisible() ? window->mnuEeprom->title() : QString(), QString("&Data"));
        // The first button opens the channel window, modal over the main window.
        QString opened;
        QTimer::singleShot(0, [&] {
            if (auto* mem = OpenTopLevel<app::frmMem>(); mem && mem->isModal()) {
                opened = mem->windowTitle();
                mem->reject();
            }
        });
        window->Command1[0]->click();
        QCOMPARE(opened, QString("KV-R27Z Clone Utility(Memory Mode)"));
    }

    // The note after each way a transfer ends (one row per cause), which stays; the
    // message boxes say what they said.
    void notes_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QList<int>>("setup"); // fault, after how many exchanges, the radio's model code
        QTest::addColumn<QStringList>("shown"); // the note, then the messages
        // An exchange's failure: the note and the message's detail say the same.
        const auto failed = [](const QString& cause) {
            return QStringList{"Read failed on emulated COM1: " + cause, "Read/Write Error | emulated COM1: " + cause};
        };
        using enum sim::Fault;
        QTest::newRow("silence") << "mnuEepReadVfo" << QList<int>{int(Silence), 0, 8}
                                 << failed("no answer from the radio at block 07F0h");
        QTest::newRow("short") << "mnuEepReadVfo" << QList<int>{int(ShortAnswer), 1, 8}
                               << failed("an answer of the wrong length at block 0700h");
        QTest::newRow("err") << "mnuEepReadMem" << QList<int>{int(Error), 1, 8}
                             << failed("the radio answered \"ERR\" at channel 0");
        QTest::newRow("nonhex") << "mnuEepReadMem" << QList<int>{int(NonHex), 6, 8}
                                << failed("an answer that is not hexadecimal at channel 5");
        QTest::newRow("other model") << "mnuEepReadVfo" << QList<int>{int(None), 0, 4} << QStringList{
            "Read failed on emulated COM1: the radio reports KV-R27Z (code 4)",
            "The selected and actual models are different. | The radio reports KV-R27Z (code 4)."};
        QTest::newRow("no port") << "mnuEepReadVfo" << QList<int>{int(None), 0, 0} << QStringList{
            "Read failed: could not open COM1 (emulated COM1): No such file or directory",
            "Can't open com Port | COM1 (emulated COM1): No such file or directory"};
    }
    void notes()
    {
        QFETCH(QString, item);
        QFETCH(QList<int>, setup);
        Shell shell(static_cast<std::uint8_t>(setup[2]));
        if (setup[2] == 0)
            shell.port.missingPorts = {1};
        shell.radio.setFault(static_cast<sim::Fault>(setup[0]), setup[1]);
        frmMain window(shell.linked());
        window.show();
        window.findChild<QAction*>(item)->trigger();
        QTEST(QStringList{NoteOf(window)} + Shown(shell), "shown");
    }

    // Cancel or Escape in each window that reads: the read stops at once, silently,
    // and the image, the forms and the change flags are as before.
    void cancelledReadChangesNothing_data()
    {
        QTest::addColumn<int>("window"); // 0 main Read > All, 1 VFO "Read Setting", 2 grid "Read Memories"
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<bool>("escape"); // else a click on Cancel
        QTest::newRow("main window, in the memory part, Escape") << 0 << 40 << true;
        QTest::newRow("VFO window, Escape") << 1 << 3 << true;
        QTest::newRow("channel grid, Cancel") << 2 << 10 << false;
    }
    void cancelledReadChangesNothing()
    {
        QFETCH(int, window);
        QFETCH(int, cancelAt);
        QFETCH(bool, escape);
        Shell shell;
        RadioImage& image = shell.state.Image;
        image.Channels.at(3).Enabled = true;
        image.SettingsChanged = image.VfoChanged = image.ChannelsChanged = true;
        std::unique_ptr<QWidget> shown(window == 0   ? new frmMain(shell.linked())
                                       : window == 1 ? static_cast<QWidget*>(Open<app::frmVfo>(shell))
                                                     : Open<app::frmMem>(shell));
        Activate(*shown);
        const RadioImage before = image;
        const VfoForm form = shell.state.Vfo;
        const auto row4 = shell.state.Grid.TextMatrix(4, 1);
        auto* cancel = shown->findChild<QPushButton*>("StatusBar1_Cancel");
        // A disabled Cancel does nothing and the read runs on past cancelAt. The key
        // goes where the window system sends it: to the focus, else the window.
        shell.port.onTick = [&](int tick) {
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : shown.get();
            if (tick == cancelAt)
                escape ? QTest::keyClick(focus, Qt::Key_Escape) : QTest::mouseClick(cancel, Qt::LeftButton);
            QCoreApplication::processEvents();
        };
        window == 0 ? static_cast<frmMain*>(shown.get())->mnuEepReadAll->trigger()
                    : shown->findChild<QPushButton*>("Command1_0")->click();
        QCOMPARE(QStringList{NoteOf(*shown)} + Shown(shell),
                 (QStringList{"Read cancelled (goes)", SettingsChangedQuestion}));
        QVERIFY(shown->isVisible());
        QVERIFY(image.Vfo == before.Vfo && image.Channels == before.Channels && shell.state.Vfo == form
                && shell.state.Grid.TextMatrix(4, 1) == row4);
        QCOMPARE((QList<int>{int(shell.radio.commands().size()), image.ModelCode, image.SettingsChanged,
                             image.VfoChanged, image.ChannelsChanged, cancel->isVisible(), shell.state.TransferRunning}),
                 (QList<int>{cancelAt, before.ModelCode, 1, before.VfoChanged, before.ChannelsChanged, 0, 0}));
    }

    // A device assigned in the port window is the one the main window opens, also
    // after a restart (a new window reading the settings again); KVR27_COMn goes first.
    void assignedPortIsOpened()
    {
        Shell shell;
        const QString link = shell.dir.filePath("radio");
        QProcess simulator;
        simulator.start(KVR27_SIM_PATH, {"--no-pace", "--link", link});
        QVERIFY(simulator.waitForReadyRead(5000));
        QStringList seen; // per run: COM3's device, the note after a read
        for (int run = 0; run < 3; ++run) {
            if (run == 2)
                qputenv("KVR27_COM3", "/nonexistent/kvr27-com3");
            frmMain window(shell.context());
            window.show();
            if (run == 0) {
                QTimer::singleShot(0, [&] {
                    auto* ports = test::OpenTopLevel<frmPort>();
                    ports->cboAssigned[2]->setCurrentText(link);
                    ports->accept();
                });
                window.mnuPort->trigger();
                window.Option1[2]->click();
            }
            window.mnuEepReadVfo->trigger();
            seen << (window.Option1[2]->isChecked() ? window.Option1[2]->toolTip() : "COM3 not chosen")
                 << NoteOf(window);
            window.close();
        }
        qunsetenv("KVR27_COM3");
        simulator.terminate();
        simulator.waitForFinished(5000);
        QCOMPARE(seen, (QStringList{link, "Read complete (goes)", link, "Read complete (goes)",
                                    "/nonexistent/kvr27-com3", "Read failed: could not open COM3 "
                                    "(/nonexistent/kvr27-com3): No such file or directory"}));
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
        frmMain window(shell.linked());
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

    // Data > Fast Transfer is off until the user checks it, and the next start finds
    // it as the user left it.
    void fastTransferRemembered()
    {
        Shell shell;
        AppContext context = shell.linked();
        context.UserOptionsPath = QDir(shell.dir.path()).filePath("config/options.ini").toStdString();
        {
            frmMain window(context);
            QAction* item = window.findChild<QAction*>("mnuFastTransfer");
            QVERIFY(item->isCheckable() && !item->isChecked() && !shell.state.FastTransfer);
            item->trigger();
            QVERIFY(shell.state.FastTransfer);
        }
        QCOMPARE(test::ReadFileText(context.UserOptionsPath), std::string("FastTransfer=1\r\n"));
        shell.state.FastTransfer = false;
        frmMain again(context);
        QVERIFY(again.findChild<QAction*>("mnuFastTransfer")->isChecked() && shell.state.FastTransfer);
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
        AppContext context = shell.linked();
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
