// Working by keyboard, the notes after a transfer, cancelling a read, the status
// line and the windows' placement, driven as a user drives the windows.
#include "EmulatedPort.h"
#include "ShellFixture.h"
#include "app/editors/ElidedLabel.h"
#include "app/editors/frmMem.h"
#include "app/editors/frmMemSub.h"
#include "app/editors/frmVfo.h"
#include "app/editors/TransferStatusBar.h"
#include "app/frmMain.h"
#include "app/frmPort.h"
#include "app/frmStart.h"
#include "platform/QtMessageSink.h"
#include "platform/TitleWidth.h"
#include "core/Questions.h"
#include "image/ChannelGrid.h"
#include "image/VfoCodec.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QtTest>

using namespace kvr27;

namespace {

void Activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// The emulated radio's wait, with a hook at every tick (counted from 1).
struct TickWaiter : Waiter {
    explicit TickWaiter(sim::EmulatedPort& port) : port(port) {}
    void waitTick() override
    {
        port.waitTick();
        if (onTick)
            onTick(++ticks);
    }
    sim::EmulatedPort& port;
    std::function<void(int)> onTick;
    int ticks = 0;
};

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
        c.LinkPort = &port;
        c.LinkWaiter = &waiter;
        return c;
    }
    sim::RadioEmulator radio;
    sim::EmulatedPort port{radio};
    TickWaiter waiter{port};
    app::EditorContext editors{state, messages, port, waiter};
};

QString NoteOf(QWidget& window)
{
    return window.findChild<app::TransferStatusBar*>("StatusBar1")->noteText();
}

} // namespace

class TestComfort : public QObject {
    Q_OBJECT
private slots:
    void shortcutsReachTheirCommands_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<int>("exchanges");
        QTest::addColumn<int>("filesAsked");
        QTest::addColumn<bool>("printAsked");
        QTest::addColumn<QString>("question");
        QTest::newRow("Load") << QKeySequence("Ctrl+O") << 0 << 1 << false << "";
        QTest::newRow("Save") << QKeySequence("Ctrl+S") << 0 << 1 << false << "";
        QTest::newRow("Print") << QKeySequence("Ctrl+P") << 0 << 0 << true << "";
        QTest::newRow("Read > All") << QKeySequence("Ctrl+R") << 107 << 0 << false << "";
        QTest::newRow("Write > All") << QKeySequence("Ctrl+Shift+W") << 8 << 0 << false << OverwriteQuestion;
    }
    void shortcutsReachTheirCommands()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(int, exchanges);
        QFETCH(int, filesAsked);
        QFETCH(bool, printAsked);
        QFETCH(QString, question);
        Shell shell;
        shell.dialogs.printAnswers = {std::nullopt};
        QPrinter printer;
        AppContext context = shell.linked();
        context.ReportPrinter = &printer;
        frmMain window(context);
        Activate(window);
        QTest::keySequence(&window, keys);
        QCOMPARE(static_cast<int>(shell.radio.commands().size()), exchanges);
        QCOMPARE(static_cast<int>(shell.dialogs.filtersAsked.size()), filesAsked);
        QCOMPARE(shell.dialogs.printAnswers.empty(), printAsked);
        QCOMPARE(QString::fromStdString(shell.messages.texts().empty() ? "" : shell.messages.texts().front()), question);
    }

    void altOpensTheMenus()
    {
        Shell shell;
        frmMain window(shell.context());
        Activate(window);
        QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
        QTRY_VERIFY(window.mnuEeprom->isVisible());
        QCOMPARE(window.mnuEeprom->title(), QString("&Data"));
    }

    // The note after each way a transfer ends; the message boxes say what they said.
    void notes_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("radioCode");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QStringList>("messages");
        const QStringList none;
        const QStringList rwError{"Read/Write Error"};
        const int normal = static_cast<int>(sim::Fault::None);
        QTest::newRow("read") << "mnuEepReadVfo" << normal << 0 << 8 << "Read complete" << none;
        QTest::newRow("write") << "mnuEepWriteMem" << normal << 0 << 8 << "Write complete" << QStringList{OverwriteQuestion};
        QTest::newRow("silence") << "mnuEepReadVfo" << int(sim::Fault::Silence) << 0 << 8
                                 << "Read failed on emulated COM1: no answer from the radio at block 07F0h" << rwError;
        QTest::newRow("short") << "mnuEepReadVfo" << int(sim::Fault::ShortAnswer) << 1 << 8
                               << "Read failed on emulated COM1: an answer of the wrong length at block 0700h" << rwError;
        QTest::newRow("long") << "mnuEepReadVfo" << int(sim::Fault::LongAnswer) << 2 << 8
                              << "Read failed on emulated COM1: an answer of the wrong length at block 0710h" << rwError;
        QTest::newRow("err") << "mnuEepReadMem" << int(sim::Fault::Error) << 1 << 8
                             << "Read failed on emulated COM1: the radio answered \"ERR\" at channel 0" << rwError;
        QTest::newRow("nonhex") << "mnuEepReadMem" << int(sim::Fault::NonHex) << 6 << 8
                                << "Read failed on emulated COM1: an answer that is not hexadecimal at channel 5"
                                << rwError;
        QTest::newRow("delay") << "mnuEepReadVfo" << int(sim::Fault::Delay) << 3 << 8
                               << "Read failed on emulated COM1: no answer from the radio at block 0730h" << rwError;
        QTest::newRow("hangup") << "mnuEepReadMem" << int(sim::Fault::HangUp) << 101 << 8
                                << "Read failed on emulated COM1: no answer from the radio at block 0720h" << rwError;
        QTest::newRow("err on write") << "mnuEepWriteMem" << int(sim::Fault::Error) << 1 << 8
                                      << "Write failed on emulated COM1: the radio answered \"ERR\" at block 0720h"
                                      << QStringList{OverwriteQuestion, "Read/Write Error"};
        QTest::newRow("other model") << "mnuEepReadVfo" << normal << 0 << 4
                                     << "Read failed on emulated COM1: the radio reports KV-R27Z (code 4)"
                                     << QStringList{"The selected and actual models are different."};
        QTest::newRow("no port") << "mnuEepReadVfo" << normal << 0 << 0
                                 << "Read failed: could not open COM1 (emulated COM1): No such file or directory"
                                 << QStringList{"Can't open com Port"};
    }
    void notes()
    {
        QFETCH(QString, item);
        QFETCH(int, fault);
        QFETCH(int, after);
        QFETCH(int, radioCode);
        QFETCH(QString, note);
        QFETCH(QStringList, messages);
        Shell shell(static_cast<std::uint8_t>(radioCode));
        if (radioCode == 0)
            shell.port.missingPorts = {1};
        shell.radio.setFault(static_cast<sim::Fault>(fault), after);
        frmMain window(shell.linked());
        window.show();
        window.findChild<QAction*>(item)->trigger();
        QCOMPARE(NoteOf(window), note);
        QStringList shown;
        for (const std::string& text : shell.messages.texts())
            shown << QString::fromStdString(text);
        QCOMPARE(shown, messages);
    }

    // Cancel in each window that reads: the read stops at once, silently, and
    // the image, the forms and the change flags are as before.
    void cancelledReadChangesNothing_data()
    {
        QTest::addColumn<int>("window"); // 0 main Read > All, 1 VFO "Read Setting", 2 grid "Read Memories"
        QTest::addColumn<int>("cancelAt");
        QTest::newRow("main window, in the memory part") << 0 << 40;
        QTest::newRow("VFO window") << 1 << 3;
        QTest::newRow("channel grid") << 2 << 10;
    }
    void cancelledReadChangesNothing()
    {
        QFETCH(int, window);
        QFETCH(int, cancelAt);
        Shell shell;
        shell.state.Image.Channels.at(3).Enabled = true;
        shell.state.Image.SettingsChanged = true;
        shell.state.Image.VfoChanged = true;
        shell.state.Image.ChannelsChanged = true;

        std::unique_ptr<QWidget> shown;
        std::function<void()> read;
        if (window == 0) {
            auto* main = new frmMain(shell.linked());
            shown.reset(main);
            read = [main] { main->mnuEepReadAll_Click(); };
        } else if (window == 1) {
            auto* vfo = new app::frmVfo(shell.editors);
            shown.reset(vfo);
            vfo->openModal();
            read = [vfo] { vfo->Command1_Click(0); };
        } else {
            auto* mem = new app::frmMem(shell.editors);
            shown.reset(mem);
            mem->openModal();
            read = [mem] { mem->Command1_Click(0); };
        }
        shown->show();
        const RadioImage image = shell.state.Image;
        const VfoForm form = shell.state.Vfo;
        const ChannelGrid grid = shell.state.Grid;
        auto* cancel = shown->findChild<QPushButton*>("StatusBar1_Cancel");
        shell.waiter.onTick = [&](int tick) {
            if (tick == cancelAt) {
                QVERIFY(cancel->isVisible() && cancel->isEnabled());
                QTest::mouseClick(cancel, Qt::LeftButton);
            }
        };
        read();

        QCOMPARE(static_cast<int>(shell.radio.commands().size()), cancelAt);
        QCOMPARE(shell.messages.texts(), std::vector<std::string>{SettingsChangedQuestion});
        QCOMPARE(NoteOf(*shown), QString("Read cancelled"));
        QVERIFY(shell.state.Image.Vfo == image.Vfo);
        QVERIFY(shell.state.Image.Channels == image.Channels);
        QCOMPARE(shell.state.Image.ModelCode, image.ModelCode);
        QCOMPARE(shell.state.Image.SettingsChanged, image.SettingsChanged);
        QCOMPARE(shell.state.Image.VfoChanged, image.VfoChanged);
        QCOMPARE(shell.state.Image.ChannelsChanged, image.ChannelsChanged);
        QVERIFY(shell.state.Image.SettingsChanged);
        QVERIFY(shell.state.Vfo == form);
        QVERIFY(shell.state.Grid.TextMatrix(4, 1) == grid.TextMatrix(4, 1));
        QVERIFY(!cancel->isVisible());
        QVERIFY(!shell.state.TransferRunning);
    }

    void writeCannotBeCancelled()
    {
        Shell shell;
        frmMain window(shell.linked());
        window.show();
        auto* cancel = window.findChild<QPushButton*>("StatusBar1_Cancel");
        bool offered = false;
        QString tip;
        shell.waiter.onTick = [&](int) {
            offered = offered || (cancel->isVisible() && cancel->isEnabled());
            tip = cancel->toolTip();
        };
        window.mnuEepWriteMem_Click();
        QVERIFY(!offered);
        QCOMPARE(tip, QString("A write cannot be cancelled: the radio would be left half written."));
        QCOMPARE(NoteOf(window), QString("Write complete"));
    }

    // Enter, the keypad's Enter and F2 on a row open the dialog on that row, beside it.
    void keysOnAGridRowOpenTheDialog_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("F2") << int(Qt::Key_F2);
    }
    void keysOnAGridRowOpenTheDialog()
    {
        QFETCH(int, key);
        Shell shell;
        app::frmMem window(shell.editors);
        RefreshChannelGrid(shell.state.Image, shell.state.Grid);
        window.openModal();
        Activate(window);
        QString label;
        bool overRow = true;
        const QModelIndex row12 = window.MSFlexGrid1->model()->index(12, 1);
        window.setDialogRunner([&](app::frmMemSub& dialog) {
            label = dialog.findChild<QLabel*>("lblChannel")->text();
            const QRect cell = window.MSFlexGrid1->visualRect(row12);
            const QRect rowOnScreen(window.MSFlexGrid1->viewport()->mapToGlobal(cell.topLeft()), cell.size());
            overRow = dialog.frameGeometry().intersects(rowOnScreen);
        });
        window.MSFlexGrid1->setCurrentIndex(row12);
        window.MSFlexGrid1->setFocus();
        QTest::keyClick(window.MSFlexGrid1, static_cast<Qt::Key>(key));
        QCOMPARE(label, QString("Channel 12"));
        QVERIFY(!overRow);
    }

    void rowContextMenu()
    {
        Shell shell;
        ChannelRecord& channel = shell.state.Image.Channels.at(2);
        channel.Frequency = 43400000;
        channel.Enabled = true;
        app::frmMem window(shell.editors);
        RefreshChannelGrid(shell.state.Image, shell.state.Grid);
        window.openModal();
        Activate(window);
        QStringList offered;
        window.setRowMenuRunner([&](QMenu& menu, const QPoint&) {
            for (QAction* action : menu.actions())
                offered << action->text();
            menu.actions().at(2)->trigger();
        });
        const QRect cell = window.MSFlexGrid1->visualRect(window.MSFlexGrid1->model()->index(2, 1));
        QTest::mouseClick(window.MSFlexGrid1->viewport(), Qt::LeftButton, {}, cell.center());
        QTRY_COMPARE(shell.state.Grid.Row, 3);
        emit window.MSFlexGrid1->customContextMenuRequested(cell.center());
        QCOMPARE(offered, (QStringList{"Edit Channel...", "Enable", "disable"}));
        QVERIFY(!shell.state.Image.Channels.at(2).Enabled);
    }

    // Enter in a box confirms as OK does, the box's leave rule (the raster) first.
    void enterInTheDialogsIsOk()
    {
        Shell shell;
        app::frmMem grid(shell.editors);
        RefreshChannelGrid(shell.state.Image, shell.state.Grid);
        grid.openModal();
        int result = -1;
        grid.setDialogRunner([&](app::frmMemSub& dialog) {
            dialog.open();
            Activate(dialog);
            auto* box = dialog.findChild<QLineEdit*>("txtFrequency");
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, "434.00001");
            QTest::keyClick(box, Qt::Key_Return);
            result = dialog.result();
        });
        grid.MSFlexGrid1_DblClick();
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(shell.state.Image.Channels.at(0).Frequency, 43400000);

        app::frmVfo vfo(shell.editors);
        vfo.openModal();
        Activate(vfo);
        auto* box = vfo.findChild<QLineEdit*>("txtFrequency");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, "433.50001");
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!vfo.isVisible());
        QCOMPARE(shell.state.Image.Vfo.Frequency, 43350000);
    }

    void longStatusTextKeepsTheWidth()
    {
        Shell shell;
        frmMain window(shell.context());
        Activate(window);
        const int width = window.width();
        const QString device = "COM1 (/dev/serial/by-id/usb-Some_Maker_USB_Serial_Cable_0123456789ABCDEF-if00-port0): "
                               "Permission denied";
        window.setStatusText(device);
        QTest::qWait(20);
        QCOMPARE(window.width(), width);
        QCOMPARE(window.findChild<QLabel*>("StatusBar1_Panel1")->toolTip(), device);
        QCOMPARE(window.statusText(), device);
    }

    // A long note wraps at spaces onto a second line, the rest shortened; a word
    // longer than the line is broken.
    void longNoteWraps_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width"); // in widths of "0"
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits") << "Read complete" << 40 << QStringList{"Read complete"};
        QTest::newRow("two lines") << "Read failed on /dev/ttyUSB0: no answer" << 30
                                   << QStringList{"Read failed on /dev/ttyUSB0:", "no answer"};
        QTest::newRow("long word") << "/tmp/kvr27shots/a/b/c/d/e/f/radio" << 20
                                   << QStringList{"/tmp/kvr27shots/a/b/", "c/d/e/f/radio"};
    }
    void longNoteWraps()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QStringList, lines);
        app::ElidedLabel label;
        QFont mono(QStringLiteral("monospace"));
        mono.setStyleHint(QFont::Monospace);
        label.setFont(mono);
        label.setMaxLines(2);
        label.setFullText(text);
        QCOMPARE(label.shownLines(label.fontMetrics().horizontalAdvance(QString(width, '0'))), lines);
    }

    // On a screen lower than the VFO window the frames scroll and the buttons stay.
    void vfoWindowFitsTheScreen()
    {
        Shell shell;
        app::frmVfo vfo(shell.editors);
        vfo.openModal();
        Activate(vfo);
        const QRect screen = vfo.screen()->availableGeometry();
        QVERIFY(vfo.frameGeometry().height() <= screen.height());
        QVERIFY(vfo.rect().contains(vfo.Command1[3]->geometry()));
        QVERIFY(vfo.Command1[3]->isVisible());
    }

    void mainWindowOpensWhereTheStartWindowWas()
    {
        Shell shell;
        frmStart start(shell.context());
        start.show();
        start.move(120, 90);
        const QPoint centre = start.frameGeometry().center();
        start.findChild<QPushButton*>("Command1")->click();
        frmMain* main = test::OpenTopLevel<frmMain>();
        QVERIFY(main);
        // Centred within a few pixels (the window's final size comes with showing it).
        QVERIFY((main->frameGeometry().center() - centre).manhattanLength() <= 8);
        main->setAttribute(Qt::WA_DeleteOnClose, false);
        delete main;
    }

    // A message box shows its whole title, however short its text.
    // A device assigned in the port window is the one the main window opens, also
    // after a restart (a new window reading the settings again); KVR27_COMn goes first.
    void assignedPortIsOpened_data()
    {
        QTest::addColumn<QString>("variable"); // KVR27_COM3; "": unset
        QTest::addColumn<QString>("device");   // "radio": the emulator's link
        QTest::addColumn<QString>("note");
        QTest::newRow("assigned") << "" << "radio" << "Read complete";
        QTest::newRow("variable first") << "/nonexistent/kvr27-com3" << "/nonexistent/kvr27-com3"
                                        << "Read failed: could not open COM3 (/nonexistent/kvr27-com3): "
                                           "No such file or directory";
    }
    void assignedPortIsOpened()
    {
        QFETCH(QString, variable);
        QFETCH(QString, device);
        QFETCH(QString, note);
        Shell shell;
        const QString link = shell.dir.filePath("radio");
        if (device == "radio")
            device = link;
        QProcess simulator;
        simulator.start(KVR27_SIM_PATH, {"--no-pace", "--link", link});
        QVERIFY(simulator.waitForReadyRead(5000));
        if (!variable.isEmpty())
            qputenv("KVR27_COM3", variable.toUtf8());
        for (int run = 0; run < 2; ++run) {
            frmMain window(shell.context());
            window.show();
            if (run == 0) {
                QTimer::singleShot(0, [&] {
                    auto* ports = test::OpenTopLevel<frmPort>();
                    QVERIFY(ports);
                    ports->cboAssigned[2]->setCurrentText(link);
                    ports->accept();
                });
                window.mnuPort->trigger();
                window.Option1[2]->click();
            }
            QVERIFY(window.Option1[2]->isChecked());
            QCOMPARE(window.Option1[2]->toolTip(), device);
            window.mnuEepReadVfo->trigger();
            QCOMPARE(NoteOf(window), note);
            window.close();
        }
        qunsetenv("KVR27_COM3");
        simulator.terminate();
        QVERIFY(simulator.waitForFinished(5000));
    }

    void messageBoxesShowTheirTitle()
    {
        RadioImage image;
        image.ModelName = "KV-R27PA(PMR only)";
        QtMessageSink sink(image);
        int width = 0;
        int needed = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            width = box->width();
            needed = TitleBarWidth(*box);
            box->accept();
        });
        sink.notify("OK");
        QVERIFY(needed > 0);
        QVERIFY(width >= needed);
    }
};

QTEST_MAIN(TestComfort)
#include "test_comfort.moc"
