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
#include "core/Questions.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>

using namespace kvr27;

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

class TestComfort : public QObject {
    Q_OBJECT
private slots:
    // The main window opens where the start window was, and a long status text wraps
    // rather than widen it. Each shortcut reaches its command; the progress bar shows
    // the progress text whole; Cancel is offered during a read, never during a write.
    // Alt with a mnemonic opens its menu.
    void mainWindowByKeyboard_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QList<int>>("counts"); // exchanges, files asked, printer asked
        // First message, Cancel's tooltip, the note, the last progress (and whether Cancel was offered).
        QTest::addColumn<QStringList>("texts");
        const QStringList none{"", "", "", ""};
        QTest::newRow("Load") << QKeySequence("Ctrl+O") << QList<int>{0, 1, 0} << none;
        QTest::newRow("Save") << QKeySequence("Ctrl+S") << QList<int>{0, 1, 0} << none;
        QTest::newRow("Print") << QKeySequence("Ctrl+P") << QList<int>{0, 0, 1} << none;
        QTest::newRow("Read > All") << QKeySequence("Ctrl+R") << QList<int>{107, 0, 0}
                                    << QStringList{"", "", "Read complete (goes)", "Memory mode read       100%+Cancel"};
        QTest::newRow("Write > All") << QKeySequence("Ctrl+Shift+W") << QList<int>{8, 0, 0}
                                     << QStringList{OverwriteQuestion,
                                                    "A write cannot be cancelled: the radio would be left half written.",
                                                    "Write complete (goes)", "Memory mode write       100%"};
    }
    void mainWindowByKeyboard()
    {
        QFETCH(QKeySequence, keys);
        Shell shell;
        shell.dialogs.printAnswers = {std::nullopt};
        frmStart start(shell.linked());
        start.show();
        start.move(120, 90);
        const QPoint centre = start.frameGeometry().center();
        start.findChild<QPushButton*>("Command1")->click();
        std::unique_ptr<frmMain> window(test::OpenTopLevel<frmMain>());
        QVERIFY(window);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
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
        shell.port.onTick = [&](int) {
            const bool fits = bar->fontMetrics().horizontalAdvance(bar->text()) < bar->contentsRect().width();
            progress = bar->isVisible() ? bar->text() + (fits ? "" : " (cut)") + (cancel->isEnabled() ? "+Cancel" : "")
                                        : progress;
        };
        QTest::keySequence(window.get(), keys);
        QTEST((QList<int>{int(shell.radio.commands().size()), int(shell.dialogs.filtersAsked.size()),
                          int(shell.dialogs.printAnswers.empty())}), "counts");
        QTEST((QStringList{Shown(shell).value(0), cancel->toolTip(), NoteOf(*window), progress}), "texts");
        QTest::keyClick(window.get(), Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(window->mnuEeprom->isVisible() ? window->mnuEeprom->title() : QString(), QString("&Data"));
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

    // The grid opens with the focus on its current row: arrows to a row, then Enter,
    // the keypad's Enter or F2, open the dialog on that row, beside it, where Enter
    // is OK. The row menu offers its three commands and "disable" turns the
    // row off.
    void gridByKeyboardAndMouse()
    {
        Shell shell;
        shell.state.Image.Channels.at(2).Enabled = true;
        std::unique_ptr<app::frmMem> window(Open<app::frmMem>(shell));
        Activate(*window);
        QTableView* grid = window->MSFlexGrid1;
        QStringList seen;
        window->setDialogRunner([&](app::frmMemSub& dialog) {
            const QRect cell = grid->visualRect(grid->model()->index(shell.state.Grid.Row - 1, 1));
            const QRect row(grid->viewport()->mapToGlobal(cell.topLeft()), cell.size());
            seen << dialog.findChild<QLabel*>("lblChannel")->text()
                        + (dialog.frameGeometry().intersects(row) ? " over its row" : "");
            if (seen.size() == 3) { // Enter in a box is OK, after the box's raster rule
                dialog.open();
                Activate(dialog);
                auto* box = dialog.findChild<QLineEdit*>("txtFrequency");
                box->selectAll();
                QTest::keyClicks(box, "434.00001");
                QTest::keyClick(box, Qt::Key_Return);
                seen << QString("%1 %2").arg(dialog.result()).arg(shell.state.Image.Channels.at(2).Frequency);
            }
        });
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Return, Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter, Qt::Key_F2}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QTest::qWait(10);
        }
        QCOMPARE(seen, (QStringList{"Channel 1", "Channel 3", "Channel 3", "1 43400000"}));
        QStringList offered;
        window->setRowMenuRunner([&](QMenu& menu, const QPoint&) {
            for (QAction* action : menu.actions()) offered << action->text();
            menu.actions().at(2)->trigger();
        });
        const QRect cell = grid->visualRect(grid->model()->index(2, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTRY_COMPARE(shell.state.Grid.Row, 3);
        emit grid->customContextMenuRequested(cell.center());
        QCOMPARE(offered, (QStringList{"Edit Channel...", "Enable", "disable"}));
        QVERIFY(!shell.state.Image.Channels.at(2).Enabled);
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
};

QTEST_MAIN(TestComfort)
#include "test_comfort.moc"
