// From program start to the main window and its editor windows, driven as a user
// drives them: the refusal of a second copy, the splash and the start window, the
// shortcuts and the Data menu, the notes after a transfer, cancelling a read, the
// safeguards, the COM choice kept in setup.ini and the close that asks before
// unsaved settings are lost.
#include "EmulatedPort.h"
#include "ShellFixture.h"
#include "app/SingleInstanceLock.h"
#include "app/frmAbout.h"
#include "app/editors/ElidedLabel.h"
#include "app/editors/frmMem.h"
#include "app/editors/frmMemSub.h"
#include "app/editors/frmVfo.h"
#include "app/editors/TransferStatusBar.h"
#include "app/frmMain.h"
#include "app/frmPort.h"
#include "app/frmReport.h"
#include "app/frmSplash.h"
#include "app/frmStart.h"
#include "core/Questions.h"
#include "support/FileText.h"
#include "app/editors/frmDifferences.h"
#include "DemoRadio.h"

#include <QtWidgets>
#include <QPrinter>
#include <QtTest>

using namespace kvr27;
using test::Activate;
using test::OpenTopLevel;

namespace {
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

// The note of the last command.
QString NoteOf(QWidget& window)
{
    return window.findChild<app::TransferStatusBar*>("StatusBar1")->noteText();
}

// The messages shown, each with its detail after " | ", a carriage return as "\r".
QStringList Shown(const Shell& shell)
{
    QStringList shown;
    for (const auto& m : shell.messages.shown)
        shown << QString::fromStdString(m.detail.empty() ? m.text : m.text + " | " + m.detail).replace('\r', "\\r");
    return shown;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    // A second copy is refused while the first runs; a lock left behind by a copy
    // that no longer runs, or half written, does not block the next start. The
    // splash stays 2 s, and the program's event loop ends when its only window goes:
    // a key on the splash (before the start window shows), or the start window's
    // close box or Escape.
    void startAndEnd_data() { test::AddDataRows("windows.txt", "start"); }
    void startAndEnd()
    {
        QFETCH(QStringList, f);
        const bool held = f[0] == "running";
        const QString lock = QString(f[0]).replace('/', '\n').replace("HOST", QSysInfo::machineHostName());
        const int how = f[1].toInt();
        test::ShellFixture program;
        SingleInstanceLock running(program.lockPath());
        if (held)
            QVERIFY(running.tryAcquire());
        else if (!lock.isEmpty())
            test::WriteFileText(program.lockPath().toStdString(), lock.toStdString());
        SingleInstanceLock next(program.lockPath());
        frmSplash splash(program.context());
        QCOMPARE(splash.start(next), !held);
        QCOMPARE(splash.isVisible(), !held);
        QVERIFY(!SingleInstanceLock(program.lockPath()).tryAcquire());
        using Shown = std::vector<test::ShownMessage>;
        QCOMPARE(program.messages.shown,
                 (held ? Shown{{AlreadyRunningMessage, MessageIcon::Critical, false}} : Shown{}));
        if (held)
            return;
        QCOMPARE(splash.Timer1->interval(), 2000);
        if (how > 0)
            splash.Timer1_Timer();
        QCOMPARE(splash.isVisible(), how == 0); // the start window replaces it
        QTimer::singleShot(0, &splash, [&] {
            QWidget* window = how > 0 ? static_cast<QWidget*>(OpenTopLevel<frmStart>()) : &splash;
            how == 1 ? void(window->close()) : QTest::keyClick(window, how == 0 ? Qt::Key_Space : Qt::Key_Escape);
        });
        QTimer::singleShot(5000, &splash, [] { QCoreApplication::exit(1); }); // still running
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!splash.isVisible() && !splash.Timer1->isActive());
        QVERIFY(!OpenTopLevel<frmStart>() && !OpenTopLevel<frmMain>());
    }

    // The start window offers the three models, the first chosen; the main window
    // opens where it was, for the model chosen, on the COM option of setup.ini, and a
    // long status text, shortened, whole in its tooltip, neither widens it nor moves
    // a control. Each shortcut or Data menu item
    // reaches its command; while a transfer runs nothing of the window can be used
    // (a click that reaches a handler is refused), the progress bar shows the
    // progress text whole, and Cancel is offered during a read, never during a
    // write. Alt with a mnemonic opens its menu.
    void mainWindowByKeyboard_data() { test::AddDataRows("windows.txt", "keyboard"); }
    void mainWindowByKeyboard()
    {
        QFETCH(QStringList, f);
        const QString keys = f[0];
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
        const QList<QRect> places = test::ControlPlaces(*window);
        const QString device = "COM1 (/dev/serial/by-id/usb-Some_Maker_USB_Serial_Cable_0123456789ABCDEF-if00-port0): "
                               "Permission denied";
        window->setStatusText(device);
        QCOMPARE(test::ControlPlaces(*window), places);
        QCOMPARE(window->findChild<app::ElidedLabel*>("StatusBar1_Panel1")->toolTip(), device);
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
        QCOMPARE(QString("%1 %2 %3 %4").arg(shell.radio.commands().size()).arg(shell.dialogs.filtersAsked.size())
                     .arg(shell.dialogs.printAnswers.empty()).arg(window->statusText().isEmpty()), f[1]);
        QCOMPARE((QStringList{Shown(shell).value(0), cancel->toolTip(), NoteOf(*window), progress}), f.mid(2));
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

    // How a read ends, in the note, which moves no control of the window, and the
    // messages: each fault of an exchange, where the note and the message's detail
    // say the same; Cancel or Escape in each window that reads, which stops the read at once,
    // silently, the image, the forms and the change flags as before.
    void readEnds_data() { test::AddDataRows("windows.txt", "read"); }
    void readEnds()
    {
        QFETCH(QStringList, f);
        const int window = f[0].toInt(), cancelAt = f[4].toInt();
        Shell shell(static_cast<std::uint8_t>(f[3].toInt()));
        if (f[3] == "0")
            shell.port.missingPorts = {1};
        shell.radio.setFault(static_cast<sim::Fault>(f[1].toInt()), f[2].toInt());
        RadioImage& image = shell.state.Image;
        image.Channels.at(3).Enabled = true;
        if (cancelAt > 0)
            shell.state.History.push({});
        RefreshChannelGrid(image, shell.state.Grid); // as the main window does before it opens an editor
        app::EditorWindow* editor = window == 1 ? static_cast<app::EditorWindow*>(new app::frmVfo(shell.editors))
                                    : window == 2 ? new app::frmMem(shell.editors) : nullptr;
        std::unique_ptr<QWidget> shown(editor ? static_cast<QWidget*>(editor) : new frmMain(shell.linked()));
        if (editor)
            editor->openModal();
        Activate(*shown);
        const QList<QRect> places = test::ControlPlaces(*shown);
        const RadioImage before = image;
        const VfoForm form = shell.state.Vfo;
        const auto row4 = shell.state.Grid.TextMatrix(4, 1);
        auto* cancel = shown->findChild<QPushButton*>("StatusBar1_Cancel");
        // A disabled Cancel does nothing and the read runs on past cancelAt. The key
        // goes where the window system sends it: to the focus, else the window.
        shell.port.onTick = [&](int tick) {
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : shown.get();
            if (tick == cancelAt)
                window < 2 ? QTest::keyClick(focus, Qt::Key_Escape) : QTest::mouseClick(cancel, Qt::LeftButton);
            QCoreApplication::processEvents();
        };
        window == 0 ? shown->findChild<QAction*>(f[5])->trigger() : shown->findChild<QPushButton*>("Command1_0")->click();
        QCOMPARE(QStringList{NoteOf(*shown)} + Shown(shell), (QStringList{f[6], f.mid(7).join('|')}));
        QCOMPARE(test::ControlPlaces(*shown), places);
        if (cancelAt == 0)
            return;
        QVERIFY(shown->isVisible() && image.Vfo == before.Vfo && image.Channels == before.Channels && shell.state.Vfo == form
                && shell.state.Grid.TextMatrix(4, 1) == row4);
        QCOMPARE((QList<int>{int(shell.radio.commands().size()), image.ModelCode, shell.state.History.unsaved(),
                             cancel->isVisible(), shell.state.TransferRunning}),
                 (QList<int>{cancelAt, before.ModelCode, 1, 0, 0}));
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
        QCOMPARE(seen, (QStringList{link, "Read complete", link, "Read complete",
                                    "/nonexistent/kvr27-com3", "Read failed: could not open COM3 "
                                    "(/nonexistent/kvr27-com3): No such file or directory"}));
    }
    // The Data menu's safeguards as the user switches them: the read-back names the
    // channel the radio did not store; unchecked, the same write reports success;
    // the backup and the trace are named in the note.
    void safeguardsFromTheDataMenu_data() { test::AddDataRows("windows.txt", "safeguard"); }
    void safeguardsFromTheDataMenu()
    {
        QFETCH(QStringList, f);
        const QStringList toggled = f[0].split('/');
        const QString note = f[2];
        Shell shell;
        shell.state.Safeguards = {};
        ChannelRecord& channel = shell.state.Image.Channels.at(5);
        std::tie(channel.Frequency, channel.Enabled) = std::tuple(43310000, true);
        frmMain window(shell.linked());
        window.show();
        for (const QString& item : toggled)
            window.findChild<QAction*>(item)->trigger();
        // Exchanges of the write: identity, bitmap, channel 5 (stored wrong), 715h.
        const bool backup = !toggled.contains("mnuBackupBeforeWrite");
        shell.radio.setFault(sim::Fault::WrongStore, backup ? 107 + 2 : 2);
        window.mnuEepWriteMem->trigger();
        QCOMPARE(Shown(shell).mid(1).join(""), f[1]);
        const QString backups = QDir(shell.dir.path()).filePath("backups");
        // The note names the files; its tooltip has their whole paths.
        const QString tip = window.findChild<QLabel*>("StatusBar1_Note")->toolTip();
        const QString whole = QString(note).replace("BACKUPS", backups).replace("DATA", shell.dir.path());
        QVERIFY2(window.StatusBar1->noteText().startsWith(QString(note).remove("BACKUPS/").remove("DATA/traces/"))
                     && (tip.isEmpty() ? note : tip).startsWith(whole),
                 qPrintable(window.StatusBar1->noteText() + " | " + tip));
        QCOMPARE(QDir(backups).entryList(QDir::Files).size(), backup ? 1 : 0);
    }

    // Data > Fast Transfer, Review before Write and Write Changed Blocks Only are off
    // until the user checks them, and the next start finds them as the user left them.
    void dataOptionsRemembered_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("file");
        QTest::newRow("fast") << "mnuFastTransfer" << "FastTransfer=1\r\nReviewBeforeWrite=0\r\nChangedBlocksOnly=0\r\n";
        QTest::newRow("review") << "mnuReviewBeforeWrite" << "FastTransfer=0\r\nReviewBeforeWrite=1\r\nChangedBlocksOnly=0\r\n";
        QTest::newRow("changed") << "mnuChangedBlocksOnly" << "FastTransfer=0\r\nReviewBeforeWrite=0\r\nChangedBlocksOnly=1\r\n";
    }
    void dataOptionsRemembered()
    {
        QFETCH(QString, item);
        QFETCH(QString, file);
        Shell shell;
        AppContext context = shell.linked();
        context.UserOptionsPath = QDir(shell.dir.path()).filePath("config/options.ini").toStdString();
        const auto options = [&shell] {
            return std::array{shell.state.FastTransfer, shell.state.ReviewBeforeWrite, shell.state.ChangedBlocksOnly};
        };
        {
            frmMain window(context);
            QAction* action = window.findChild<QAction*>(item);
            QVERIFY(action->isCheckable() && !action->isChecked() && (options() == std::array{false, false, false}));
            action->trigger();
        }
        QCOMPARE(QString::fromStdString(test::ReadFileText(context.UserOptionsPath)), file);
        const auto checked = options();
        shell.state.FastTransfer = shell.state.ReviewBeforeWrite = shell.state.ChangedBlocksOnly = false;
        frmMain again(context);
        QVERIFY(again.findChild<QAction*>(item)->isChecked() && options() == checked);
    }

    // Data > Compare with Radio after two channels were edited: the differences
    // window lists those two, and the document stays as it was, unsaved.
    void compareWithRadio()
    {
        Shell shell(6);
        shell.radio.memory() = sim::DemoMemory(0);
        frmMain window(shell.linked());
        window.show();
        window.mnuEepReadAll->trigger();
        RadioImage& image = shell.state.Image;
        image.Channels.at(0).TxTone = 12;
        image.Channels.at(1).Frequency = 43310000;
        shell.state.History.push({});
        const RadioImage before = image;
        window.mnuCompareRadio->trigger();
        auto* differences = window.findChild<app::frmDifferences*>("frmDifferences");
        QVERIFY(differences && differences->isVisible());
        QStringList lines;
        for (int i = 0; i < differences->lstDifferences->count(); ++i)
            lines << differences->lstDifferences->item(i)->text();
        QCOMPARE(differences->lblCount->text() + "\n" + lines.join("\n"), QString("2 differences\nChannel 0, TxTone: 88.5Hz \u2192 100.0Hz\n"
                         "Channel 1, Frequency(ch): 433.50000 \u2192 433.10000"));
        QVERIFY(image.Vfo == before.Vfo && image.Channels == before.Channels && shell.state.History.unsaved());
    }

    // Info > Report a Problem...: the window lists the settings files and the data
    // folder's trace, the document only once it is ticked; Save... writes what it
    // listed as an archive Python's zipfile reads whole, and says where.
    void problemReportFromTheInfoMenu()
    {
        Shell shell;
        AppContext context = shell.context();
        context.UserOptionsPath = shell.dir.filePath("options.ini").toStdString();
        test::WriteFileText(context.UserOptionsPath, "FastTransfer=0\r\n");
        test::WriteFileText(shell.setupIni(), "[Setting]\r\n");
        QVERIFY(QDir(shell.dir.path()).mkpath("traces"));
        test::WriteFileText(shell.dir.filePath("traces/trace-2026-01-07-101530.txt").toStdString(), "0 | QZ~F0700R");
        shell.dialogs.saveAnswers = {shell.dir.filePath("report").toStdString()};
        frmMain window(context);
        window.show();
        QStringList listed; // the names before and after the tick, "|" between
        QTimer::singleShot(0, [&] {
            auto* report = OpenTopLevel<frmReport>();
            const auto names = [&] {
                for (int row = 0; row < report->tblFiles->rowCount(); ++row)
                    listed << report->tblFiles->item(row, 0)->text();
            };
            names();
            listed << "|";
            QTest::mouseClick(report->chkDocument, Qt::LeftButton, {}, QPoint(4, report->chkDocument->height() / 2));
            names();
            report->cmdSave->click();
        });
        QVERIFY(window.mnuInfoMenu->actions().contains(window.mnuReportProblem));
        window.mnuReportProblem->trigger();
        const QStringList held{"system.txt", "options.ini", "setup.ini", "traces/trace-2026-01-07-101530.txt"};
        QCOMPARE(listed, held + QStringList{"|"} + held + QStringList{"document.r27"});
        const QString zip = shell.dir.filePath("report.zip");
        QCOMPARE(test::ZipListing(zip), (held + QStringList{"document.r27", "ok"}));
        QCOMPARE(Shown(shell), QStringList{"The problem report was saved as " + zip + "."});
    }

    // The About window states the licence, shows its OK button below it, and OK
    // closes it.
    void aboutWindow()
    {
        frmAbout about("KV-R27PA");
        Activate(about);
        auto* ok = about.findChild<QPushButton*>("cmdOK");
        QVERIFY(about.rect().contains(ok->geometry()) && ok->isVisible());
        auto* licence = about.findChild<QLabel*>("lblDisclaimer");
        QCOMPARE(licence->text(), "This program is free software: you may copy, share and change it under the terms of "
                                  "the GNU General Public License, version 3 or later. It comes with no warranty.");
        QVERIFY(ok->mapTo(&about, QPoint()).y() >= licence->mapTo(&about, QPoint(0, licence->height())).y());
        QTest::keyClick(&about, Qt::Key_Return);
        QVERIFY(!about.isVisible() && about.result() == QDialog::Accepted);
    }

    // "port close" closes the port, and the next transfer opens it afresh; another
    // COM option does not touch the open port. Closing the window is refused during
    // a transfer, and asks before changed settings are lost; it saves the COM choice
    // and closes the port.
    void closeWindow()
    {
        Shell shell;
        frmMain window(shell.linked());
        window.show();
        window.mnuEepReadVfo_Click();
        window.Command2->click();
        QVERIFY(!shell.port.isOpen() && shell.state.Link.OpenPortNumber == NoPortOpen);
        window.mnuEepReadVfo_Click();
        window.findChild<QRadioButton*>("Option1_3")->click();
        QCOMPARE(shell.state.ComIndex, 3);
        shell.state.History.push({});
        // A transfer running, the answer to the question, whether the window closes.
        for (const auto& [running, answer, closes] : {std::tuple(true, true, false), {false, false, false}, {false, true, true}}) {
            std::tie(shell.state.TransferRunning, shell.messages.answers) = std::tuple(running, std::deque<bool>{answer});
            QCOMPARE(window.close(), closes);
            QVERIFY(window.isVisible() != closes && shell.port.isOpen() != closes);
            QCOMPARE(test::ReadFileText(shell.setupIni()), std::string(closes ? "4\r\n" : ""));
            QCOMPARE(shell.state.Link.OpenPortNumber, closes ? NoPortOpen : 1);
        }
        const test::ShownMessage asked{SettingsChangedQuestion, MessageIcon::None, true};
        QCOMPARE(shell.messages.shown, (std::vector<test::ShownMessage>{asked, asked}));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
