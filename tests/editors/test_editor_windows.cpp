// The editor windows driven like a user: typing, moving the focus and clicking,
// checked against texts, messages, flags and the radio image. The radio is the
// in-process emulator.
#include "LinkRig.h"
#include "app/editors/frmMem.h"
#include "app/editors/frmMemSub.h"
#include "app/editors/frmVfo.h"
#include "core/Questions.h"
#include "editors/EntryRules.h"
#include "image/VfoCodec.h"
#include "link/DataMenuCommands.h"
#include "link/Link.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace kvr27;
using Texts = std::vector<std::string>;

namespace {

template <class T = QWidget>
T* Find(const QWidget& window, const QString& name)
{
    return window.findChild<T*>(name); // null, and a crash, when the control is missing
}

// Gives the box the focus as a user's Tab would; its text is then selected.
void Focus(QWidget* widget)
{
    widget->clearFocus();
    widget->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

// Types into a box after giving it the focus, so that the text typed replaces it.
void TypeInto(QLineEdit* box, const QString& text)
{
    Focus(box);
    QVERIFY2(box->selectedText() == box->text(), qPrintable(box->objectName()));
    QTest::keyClicks(box, text);
}

void Click(const QWidget& window, const char* name)
{
    QTest::mouseClick(Find<QAbstractButton>(window, name), Qt::LeftButton);
}

// Shows a window and makes it the active one, so that it takes the focus.
void Activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// A KV-R27PA program state and its emulated radio, with the editor windows over them.
struct Rig : test::LinkRig {
    explicit Rig(int option = 0) : test::LinkRig(option)
    {
        // VFO settings the VFO window's boxes accept (all zero).
        std::fill(radio.memory().begin() + 0x700, radio.memory().begin() + 0x740, 0);
    }
    app::EditorContext context{state, messages, port, port};
};

// The VFO window opened as the main window opens it: refilled from the image.
struct VfoWindow {
    explicit VfoWindow(Rig& rig) : rig(rig), window(rig.context) { open(); }
    void open()
    {
        FillVfoWindow(rig.state.Image, rig.state.Vfo, rig.messages);
        window.openModal();
        Activate(window);
    }
    QLineEdit* box(const QString& name) const { return Find<QLineEdit>(window, name); }
    Rig& rig;
    app::frmVfo window;
};

struct MemWindow {
    explicit MemWindow(Rig& rig) : rig(rig), window(rig.context) { open(); }
    void open()
    {
        RefreshChannelGrid(rig.state.Image, rig.state.Grid);
        window.openModal();
    }
    QModelIndex at(int row, int col) const { return window.MSFlexGrid1->model()->index(row - 1, col); }
    void click(int row, int col)
    {
        QWidget* viewport = window.MSFlexGrid1->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, window.MSFlexGrid1->visualRect(at(row, col)).center());
    }
    // A double-click as a window system delivers it: press, release, press, release,
    // the event loop turning between them; Qt makes the second press the double-click.
    void doubleClick(int row, int col)
    {
        const QPoint point = window.MSFlexGrid1->visualRect(at(row, col)).center();
        QWidget* viewport = window.MSFlexGrid1->viewport();
        int time = QTest::lastMouseTimestamp + 1000;
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                                  QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            qt_handleMouseEvent(window.windowHandle(), viewport->mapTo(&window, point), viewport->mapToGlobal(point),
                                held, Qt::LeftButton, type, {}, time += 40);
            QTest::qWait(20);
        }
        QTest::lastMouseTimestamp = time + 1000;
    }
    Rig& rig;
    app::frmMem window;
};

} // namespace

class EditorWindowsTest : public QObject {
    Q_OBJECT
private slots:
    // Typing and pasting into boxes the window has just filled (twice): a box takes no
    // more than its length, a paste cut to what fits.
    void typing_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("frequency stops at nine") << "txtFrequency" << "123456789012345" << false << "123456789";
        QTest::newRow("squelch stops at two") << "txtSquelch" << "123" << false << "12";
        QTest::newRow("paste cut to the offset's eight") << "txtShiftFreq" << "1.234567890" << true << "1.234567";
    }
    void typing()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        Rig rig;
        VfoWindow vfo(rig);
        vfo.open();
        QLineEdit* edit = vfo.box(box);
        if (pasted) {
            QGuiApplication::clipboard()->setText(typed);
            Focus(edit);
            edit->paste();
        } else {
            TypeInto(edit, typed);
        }
        QTEST(edit->text(), "shown");
        QVERIFY(rig.messages.shown.empty());
    }

    // The window opens with the focus on the frequency, its whole text selected so
    // that typing replaces it.
    // Every way into a box selects its whole text, so typing replaces it: the window
    // opening on it, a click, coming back from another window.
    void everyFocusSelectsTheText()
    {
        Rig rig;
        VfoWindow vfo(rig);
        QCOMPARE(QApplication::focusWidget(), vfo.box("txtFrequency"));
        QTRY_COMPARE(vfo.box("txtFrequency")->selectedText(), "434.00000");
        QLineEdit* offset = vfo.box("txtShiftFreq");
        QTest::mouseClick(offset, Qt::LeftButton);
        QTRY_COMPARE(offset->selectedText(), "0.60000");
        offset->deselect();
        QWidget other;
        Activate(other);
        Activate(vfo.window);
        QTRY_COMPARE(offset->selectedText(), "0.60000");
    }

    // Cancel, the close box and Escape drop the edits without the leave rules of the
    // box left (no word about a value thrown away): a later write sends the image's
    // values. OK runs them first and stores the rounded value.
    void leavingTheWindow_data()
    {
        QTest::addColumn<int>("how"); // 0 Cancel, 1 the close box, 2 Escape, 3 OK
        QTest::addColumn<Texts>("shown");
        QTest::newRow("Cancel") << 0 << Texts{};
        QTest::newRow("close box") << 1 << Texts{};
        QTest::newRow("Escape") << 2 << Texts{};
        QTest::newRow("OK") << 3 << Texts{RoundedMessage};
    }
    void leavingTheWindow()
    {
        QFETCH(int, how);
        Rig rig;
        VfoWindow vfo(rig);
        TypeInto(vfo.box("txtSquelch"), "3");
        Click(vfo.window, "optBeep_1");
        TypeInto(vfo.box("txtFrequency"), "435.00001");
        vfo.window.showProgress(ProgressTarget::Editor, "Vfo mode read       33%");
        if (how == 0 || how == 3)
            Click(vfo.window, how == 0 ? "Command1_3" : "Command1_2");
        else if (how == 1)
            vfo.window.close();
        else
            QTest::keyClick(vfo.box("txtFrequency"), Qt::Key_Escape);
        QTEST(rig.messages.texts(), "shown");
        QVERIFY(!vfo.window.isVisible() && rig.state.Image.SettingsChanged == (how == 3));
        if (how == 3) {
            QCOMPARE(int(rig.state.Image.Vfo.Frequency), 43500000);
            return;
        }
        if (how == 0)
            QCOMPARE(vfo.window.statusText(), "");

        rig.messages.answers = {true};
        WriteVfoCommand(rig.state, rig.services);
        // 434.00000 MHz, offset 0.60000; squelch 7 with beeper and battery saving on.
        QCOMPARE(rig.writes(), (Texts{"QZ~F0700W02963B400000EA6040000000FFFFFFFF\r",
                                      "QZ~F0710W670300000000080827FFFFFFFFFFFFFF\r",
                                      "QZ~F0730W0007A1200820FFFFFFFFFFFFFFFFFFFF\r"}));
    }

    // A value the radio holds that its box refuses is shown with the box's message and
    // an empty box, so OK cannot store it, keeps the window open and the image as it was.
    void filledValuesPassTheFilters_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("message");
        QTest::newRow("squelch 25") << "txtSquelch" << SquelchLimitMessage;
        QTest::newRow("PMR channel 9") << "txtPmrFreq" << PmrChannelDigitMessage;
        QTest::newRow("negative frequency") << "txtFrequency" << DigitsOnlyMessage;
    }
    void filledValuesPassTheFilters()
    {
        QFETCH(QString, box);
        QFETCH(QString, message);
        Rig rig;
        VfoSettings& stored = rig.state.Image.Vfo;
        stored.BatteryBeepSquelch = box == "txtSquelch" ? 0x79 : stored.BatteryBeepSquelch;
        stored.PmrChannel = box == "txtPmrFreq" ? 9 : stored.PmrChannel;
        stored.Frequency = box == "txtFrequency" ? -43400000 : stored.Frequency;
        const VfoSettings before = stored;
        VfoWindow vfo(rig);
        QCOMPARE(vfo.box(box)->text(), "");
        vfo.window.showProgress(ProgressTarget::Editor, "Vfo mode read       33%");
        Click(vfo.window, "Command1_2");
        QCOMPARE(rig.messages.texts(), (Texts{message.toStdString(), EditingIncompleteMessage}));
        QVERIFY(vfo.window.isVisible() && rig.state.Image.Vfo == before);
        QCOMPARE(vfo.window.statusText(), ""); // emptied by a refused OK too
    }

    // Each model edits only its own settings: the frames the user finds disabled, by
    // their captions (the outermost disabled frame of each). Scan skip is never offered.
    void modelRestrictedControls_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("disabled");
        const QStringList transmit = {"Transmission Output Level", "Quick Repeater Access Mode"};
        const QStringList pmr = {"Ch No (PMR)", "Tone frequency (PMR)"};
        const QStringList vfo = {"Frequency", "Tone setting", "TX tone freq (Encode)", "RX tone freq (Decode)",
                                 "Tuning step", "Shift direction", "Offset frequency"};
        QTest::newRow("KV-R27PA code 6 (8 alike)") << 0 << 6 << transmit;
        QTest::newRow("KV-R27Z (X alike)") << 1 << 4 << pmr;
        QTest::newRow("KV-R27PA(PMR only)") << 3 << 11 << transmit + vfo;
        QTest::newRow("KV-R27PA(LPD only)") << 4 << 10 << transmit + pmr;
    }
    void modelRestrictedControls()
    {
        QFETCH(int, option);
        QFETCH(int, code);
        QFETCH(QStringList, disabled);
        Rig rig(option);
        rig.state.Image.ModelCode = static_cast<std::uint8_t>(code);
        VfoWindow vfo(rig);
        QStringList seen;
        for (QGroupBox* frame : vfo.window.findChildren<QGroupBox*>())
            if (!frame->isEnabled() && frame->parentWidget()->isEnabled())
                seen << frame->title();
        seen.sort();
        disabled << "Scan skip";
        disabled.sort();
        QCOMPARE(seen, disabled);
    }

    // The options a fill checks, by the captions the user reads beside them.
    void optionCaptionsShowTheStoredSettings()
    {
        Rig rig;
        VfoSettings& stored = rig.state.Image.Vfo;
        stored.LockPowerTone = 0xC1;      // key lock On, Low, T
        stored.BatteryBeepSquelch = 0x87; // Li-ion, beeper Off, saving Off
        stored.BellShiftStep = 0x93;      // bell On, stand-by beep Off, "+"
        stored.BcloCallTot = 0x35;        // BCLO Off
        stored.SkipScanApo = 0xC2;        // scan skip On, Busy
        stored.EpoLamp = 0x90;            // external control On, lamp On
        stored.RptFlags = 0x60;           // repeater tone On, "-"
        VfoWindow vfo(rig);
        QStringList seen;
        for (QGroupBox* frame : vfo.window.findChildren<QGroupBox*>())
            for (QRadioButton* option : frame->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
                if (option->isChecked())
                    seen << frame->title() + ": " + option->text();
        QCOMPARE(seen, (QStringList{"Key Lock: On", "Tone setting: T", "Transmission Output Level: Low",
                                    "Shift direction: +", "Beeper: Off", "Battery saving: Off", "Bell: On",
                                    "Stand-by-beep: Off", "BCLO: Off", "Scan: Busy", "Scan skip: On",
                                    "External terminal control: On", "Lamp: On", "Battery type: 2(Li-ion)",
                                    "Shift direction: -", "Tone setting: On"}));
    }

    // "Write Setting" and "Write Memories" answered with Cancel send nothing; with OK
    // each backs the radio up first (a whole read, then the write's own
    // identification) and leaves its trace, as the Data menu's writes do.
    void writeButtonsAskAndBackUp_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("Cancel") << false;
        QTest::newRow("OK") << true;
    }
    void writeButtonsAskAndBackUp()
    {
        QFETCH(bool, answer);
        Rig rig;
        QTemporaryDir data;
        rig.state.DataFolder = data.path().toStdString();
        rig.state.Safeguards.BackupBeforeWrite = true;
        rig.state.Safeguards.TraceExchanges = true;
        rig.messages.answers = {answer, answer};
        VfoWindow vfo(rig);
        Click(vfo.window, "Command1_1");
        MemWindow mem(rig);
        Click(mem.window, "Command1_1");
        QCOMPARE(rig.messages.texts(), (Texts{OverwriteQuestion, OverwriteQuestion}));
        QCOMPARE(QDir(data.filePath("backups")).entryList(QDir::Files).size(), answer ? 2 : 0);
        // Each command its trace, a line per exchange (a refused write exchanged nothing).
        QDir traces(data.filePath("traces"));
        qsizetype lines = 0;
        for (const QString& name : traces.entryList(QDir::Files)) {
            QFile trace(traces.filePath(name));
            QVERIFY(trace.open(QIODevice::ReadOnly));
            lines += trace.readAll().count('\n');
        }
        QCOMPARE(traces.entryList(QDir::Files).size(), 2);
        QCOMPARE(lines, answer ? 107 + 5 + 107 + 3 : 0);
        const Texts& sent = rig.radio.commands();
        QCOMPARE(sent.size(), answer ? 107u + 5u + 107u + 3u : 0u);
        if (answer)
            QCOMPARE((Texts{sent[1], sent[107], sent[108], sent[113]}),
                     (Texts{"QZ~F0700R\r", "QZ~F07F0R\r", "QZ~F0710R\r", "QZ~F0700R\r"}));
    }

    // Gestures on rows that are not the current one: a click on a "No" cell selects its
    // row; a double-click opens the dialog on its row, whose step box rounds when
    // left; arrows and Enter open it too, and its Cancel after an off-raster frequency
    // says nothing and stores nothing. The close box recomputes the current channel; a
    // write that fails keeps the current channel it computed.
    void gridGestures()
    {
        Rig rig;
        rig.state.Image.Channels.at(6).Enabled = true;
        MemWindow mem(rig);
        Activate(mem.window);
        QTableView* grid = mem.window.MSFlexGrid1;
        mem.click(7, 0);
        QTRY_VERIFY(grid->selectionModel()->isSelected(mem.at(7, 1)) && grid->selectionModel()->isSelected(mem.at(7, 11)));
        QCOMPARE(rig.state.Grid.Row, 7);

        QStringList opened;
        mem.window.setDialogRunner([&](app::frmMemSub& dialog) {
            opened << Find<QLabel>(dialog, "lblChannel")->text();
            Activate(dialog);
            auto* frequency = Find<QLineEdit>(dialog, "txtFrequency");
            if (opened.size() == 2) {
                TypeInto(frequency, "434.00001");
                return Click(dialog, "Command1_1");
            }
            TypeInto(frequency, "434.00625"); // on the 12.5 kHz raster
            auto* step = Find<QComboBox>(dialog, "cboStep");
            Focus(step);
            QTest::keyClick(step, Qt::Key_Home); // 5 kHz
            Focus(Find<QLineEdit>(dialog, "txtShiftFreq"));
            Click(dialog, "Command1_0");
        });
        mem.doubleClick(3, 1);
        QCOMPARE(mem.at(3, 1).data().toString(), "434.00500");
        grid->setFocus();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}) {
            QTest::keyClick(grid, key);
            QTest::qWait(20);
        }
        QCOMPARE(opened, (QStringList{"Channel 2", "Channel 4"}));
        QCOMPARE(rig.messages.texts(), Texts{RoundedFrequencyMessage});
        QVERIFY(!rig.state.Image.Channels.at(4).Enabled && mem.at(5, 1).data().toString().isEmpty());
        mem.window.close();
        QCOMPARE(int(rig.state.Image.Vfo.CurrentChannel), 3);
        QVERIFY(rig.state.Image.ChannelsChanged);

        rig.state.Image.Vfo.CurrentChannel = 0;
        mem.open();
        rig.radio.setFault(sim::Fault::Silence, 2); // after the identity block and the bitmap
        rig.messages.shown.clear();
        rig.messages.answers = {true};
        Click(mem.window, "Command1_1");
        QCOMPARE(rig.messages.texts(), (Texts{OverwriteQuestion, ReadWriteErrorMessage}));
        QCOMPARE(int(rig.state.Image.Vfo.CurrentChannel), 3);
    }
};

QTEST_MAIN(EditorWindowsTest)
#include "test_editor_windows.moc"
