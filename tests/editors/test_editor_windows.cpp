// The editor windows driven like a user: typing, moving the focus and clicking,
// checked against texts, messages, flags and the radio image. The radio is the
// in-process emulator.
#include "LinkRig.h"
#include "app/ShellFixture.h"
#include "app/editors/frmMem.h"
#include "app/editors/frmMemSub.h"
#include "app/editors/frmVfo.h"
#include "app/frmMain.h"
#include "core/Questions.h"
#include "editors/EntryRules.h"
#include "image/VfoCodec.h"
#include "link/DataMenuCommands.h"
#include "link/Link.h"

#include <QClipboard>
#include <QGroupBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using namespace kvr27;
using Texts = std::vector<std::string>;

namespace {

template <class T = QWidget>
T* Find(const QWidget& window, const char* name)
{
    T* widget = window.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// Gives the box the focus as a user's Tab would; its text is then selected.
void Focus(QWidget* widget)
{
    if (widget->hasFocus())
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

// The emulated radio's wait, with a look at the windows at every tick.
struct WatchingWaiter : Waiter {
    void waitTick() override
    {
        port->waitTick();
        onTick();
    }
    sim::EmulatedPort* port = nullptr;
    std::function<void()> onTick = [] {};
};

// A KV-R27PA program state and its emulated radio, with the editor windows over them.
struct Rig : test::LinkRig {
    explicit Rig(int option = 0) : test::LinkRig(option)
    {
        waiter.port = &port;
        // VFO settings the VFO window's boxes accept (all zero).
        std::fill(radio.memory().begin() + 0x700, radio.memory().begin() + 0x740, 0);
    }
    WatchingWaiter waiter;
    app::EditorContext context{state, messages, port, waiter};
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
    QLineEdit* box(const char* name) const { return Find<QLineEdit>(window, name); }
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
    QString cell(int row, int col) const { return model()->index(row - 1, col).data().toString(); }
    bool greyed(int row) const
    {
        const QModelIndex index = model()->index(row - 1, 1);
        return index.data(Qt::FontRole).value<QFont>().strikeOut() &&
               index.data(Qt::ForegroundRole).value<QColor>() != QColor(Qt::black);
    }
    const QAbstractItemModel* model() const { return window.MSFlexGrid1->model(); }
    // Double-clicks a row's frequency cell; `inDialog` drives the dialog meanwhile.
    void doubleClick(int row, std::function<void(app::frmMemSub&)> inDialog)
    {
        window.setDialogRunner([&](app::frmMemSub& dialog) {
            Activate(dialog);
            inDialog(dialog);
        });
        QWidget* viewport = window.MSFlexGrid1->viewport();
        const QRect cellRect = window.MSFlexGrid1->visualRect(model()->index(row - 1, 1));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, cellRect.center());
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, cellRect.center());
    }
    Rig& rig;
    app::frmMem window;
};

} // namespace

class EditorWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // Typing and pasting into boxes the window has just filled: the filter runs, and a
    // box takes no more than its length, a paste cut to what fits.
    void typing_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::newRow("frequency stops at nine") << "txtFrequency" << "123456789012345" << false << "123456789" << "";
        QTest::newRow("offset stops at eight") << "txtShiftFreq" << "1234567890123" << false << "12345678" << "";
        QTest::newRow("pmr channel stops at one") << "txtPmrFreq" << "34" << false << "3" << "";
        QTest::newRow("squelch stops at two") << "txtSquelch" << "123" << false << "12" << "";
        QTest::newRow("paste cut to the offset's eight") << "txtShiftFreq" << "1.234567890" << true << "1.234567" << "";
        QTest::newRow("paste cut to the frequency's nine") << "txtFrequency" << "434.1234567" << true << "434.12345"
                                                           << "";
    }

    void typing()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        Rig rig;
        VfoWindow vfo(rig);
        vfo.open(); // filled again while showing the same texts
        QLineEdit* edit = vfo.box(box.toLatin1().constData());
        if (pasted) {
            QGuiApplication::clipboard()->setText(typed);
            Focus(edit);
            edit->paste();
        } else {
            TypeInto(edit, typed);
        }
        QCOMPARE(edit->text(), shown);
        QCOMPARE(rig.messages.texts(), message.isEmpty() ? Texts{} : Texts{message.toStdString()});
    }

    // Every way into a box selects its whole text, so that typing replaces it: the
    // window opening on it, a click, coming back from another window.
    void typingReplacesTheTextOnEveryFocus()
    {
        Rig rig;
        VfoWindow vfo(rig);
        QCOMPARE(QApplication::focusWidget(), vfo.box("txtFrequency"));
        QTRY_COMPARE(vfo.box("txtFrequency")->selectedText(), "434.00000");
        QTest::keyClicks(vfo.box("txtFrequency"), "434.5");
        QCOMPARE(vfo.box("txtFrequency")->text(), "434.5");
        QLineEdit* offset = vfo.box("txtShiftFreq");
        QTest::mouseClick(offset, Qt::LeftButton);
        QTRY_COMPARE(offset->selectedText(), "0.60000");
        QTest::keyClicks(offset, "1");
        QCOMPARE(offset->text(), "1");
        QWidget other;
        Activate(other);
        Activate(vfo.window);
        QTRY_COMPARE(offset->selectedText(), "1");
    }

    // Edits left by Cancel, the close box or Escape are gone: a later write sends the
    // image's values, and the window opens again on them.
    void leavingWithoutOkDropsTheEdits_data()
    {
        QTest::addColumn<int>("how"); // 0 Cancel, 1 the close box, 2 Escape
        QTest::newRow("Cancel") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Escape") << 2;
    }
    void leavingWithoutOkDropsTheEdits()
    {
        QFETCH(int, how);
        Rig rig;
        VfoWindow vfo(rig);
        TypeInto(vfo.box("txtFrequency"), "435");
        TypeInto(vfo.box("txtSquelch"), "3");
        Click(vfo.window, "optBeep_1");
        vfo.window.showProgress(ProgressTarget::Editor, "Vfo mode read       33%");
        if (how == 0)
            Click(vfo.window, "Command1_3");
        else if (how == 1)
            vfo.window.close();
        else
            QTest::keyClick(&vfo.window, Qt::Key_Escape);
        QVERIFY(!vfo.window.isVisible());
        QVERIFY(!rig.state.Image.SettingsChanged);
        if (how == 0)
            QCOMPARE(vfo.window.statusText(), "");

        rig.messages.answers = {true};
        WriteVfoCommand(rig.state, rig.services);
        // 434.00000 MHz, offset 0.60000; squelch 7 with beeper and battery saving on.
        QCOMPARE(rig.writes(), (Texts{"QZ~F0700W02963B400000EA6040000000FFFFFFFF\r",
                                      "QZ~F0710W670300000000080827FFFFFFFFFFFFFF\r",
                                      "QZ~F0730W0007A1200820FFFFFFFFFFFFFFFFFFFF\r"}));
        vfo.open();
        QCOMPARE(vfo.box("txtFrequency")->text(), "434.00000");
        QCOMPARE(vfo.box("txtSquelch")->text(), "7");
        QVERIFY(Find<QRadioButton>(vfo.window, "optBeep_0")->isChecked());
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
        QCOMPARE(rig.messages.texts(), Texts{message.toStdString()});
        QCOMPARE(vfo.box(box.toLatin1().constData())->text(), "");
        vfo.window.showProgress(ProgressTarget::Editor, "Vfo mode read       33%");
        Click(vfo.window, "Command1_2");
        QCOMPARE(rig.messages.texts(), (Texts{message.toStdString(), EditingIncompleteMessage}));
        QVERIFY(vfo.window.isVisible());
        QCOMPARE(vfo.window.statusText(), ""); // emptied by a refused OK too
        QVERIFY(rig.state.Image.Vfo == before);
    }

    // Each model edits only its own settings: the frames the user finds disabled, by
    // their captions (the outermost disabled frame of each).
    void modelRestrictedControls_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("disabled");
        const QStringList transmit = {"Transmission Output Level", "Quick Repeater Access Mode"};
        const QStringList pmr = {"Ch No (PMR)", "Tone frequency (PMR)"};
        const QStringList vfo = {"Frequency", "Tone setting", "TX tone freq (Encode)", "RX tone freq (Decode)",
                                 "Tuning step", "Shift direction", "Offset frequency"};
        QTest::newRow("KV-R27PA code 6 (8 alike)") << 0 << 6 << transmit + QStringList{"Scan skip"};
        QTest::newRow("KV-R27PA code 7 (9 alike)") << 0 << 7 << QStringList{"Scan skip"};
        QTest::newRow("KV-R27Z") << 1 << 4 << pmr + QStringList{"Scan skip"};
        QTest::newRow("KV-R27X") << 2 << 3 << pmr + QStringList{"Scan skip"};
        QTest::newRow("KV-R27PA(PMR only)") << 3 << 11 << transmit + vfo + QStringList{"Scan skip"};
        QTest::newRow("KV-R27PA(LPD only)") << 4 << 10 << transmit + pmr + QStringList{"Scan skip"};
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

    // "Write Setting" and "Write Memories" answered with Cancel send nothing.
    void writeButtonsHonourCancel()
    {
        Rig rig;
        rig.messages.answers = {false, false};
        VfoWindow vfo(rig);
        Click(vfo.window, "Command1_1");
        MemWindow mem(rig);
        Click(mem.window, "Command1_1");
        QCOMPARE(rig.messages.texts(), (Texts{OverwriteQuestion, OverwriteQuestion}));
        QVERIFY(rig.radio.commands().empty());
    }

    // A KV-R27PA radio reporting code 6 has no Quick Repeater Access. While the read
    // runs, the buttons are off and refused, and the progress shows.
    void readSettingFollowsTheRadiosModelCode()
    {
        Rig rig;
        rig.state.Image.ModelCode = 7;
        VfoWindow vfo(rig);
        QStringList progress;
        bool buttonsOffered = false;
        rig.waiter.onTick = [&] {
            progress << vfo.window.statusText();
            buttonsOffered = buttonsOffered || vfo.window.Command1[2]->isEnabled();
            vfo.window.Command1_Click(2); // OK is refused meanwhile
        };
        Click(vfo.window, "Command1_0");
        QVERIFY(!Find(vfo.window, "Frame2")->isEnabled());
        QVERIFY(!buttonsOffered && !progress.isEmpty() && !progress.last().isEmpty());
        QCOMPARE(vfo.window.statusText(), "");
        QVERIFY(vfo.window.isVisible() && vfo.window.Command1[2]->isEnabled());
    }

    // Values no list or box can hold, as a radio may report them, are shown as well
    // as possible and come back unchanged.
    void oddStoredValuesSurviveTheWindow()
    {
        Rig rig;
        VfoSettings& vfo = rig.state.Image.Vfo;
        vfo.TxTone = 45;
        vfo.RptShiftFreq = 12345678; // "123.45678", longer than a user may type
        VfoWindow window(rig);
        QCOMPARE(Find<QComboBox>(window.window, "cboTxTone")->currentIndex(), -1);
        TypeInto(window.box("txtSquelch"), "3");
        Click(window.window, "Command1_2");
        QVERIFY(rig.messages.shown.empty());
        QCOMPARE(int(vfo.TxTone), 45);
        QCOMPARE(vfo.RptShiftFreq, 12345678);
    }

    // A click on a "No" cell selects that row as the current one, which "disable"
    // greys keeping its values; a box left with a lone point is emptied and the
    // dialog's step box rounds when left; the close box recomputes the current
    // channel; a write that fails keeps the current channel it computed.
    void gridAndDialogAsTheUserSeesThem()
    {
        Rig rig;
        rig.state.Image.Channels.at(6).Enabled = true;
        MemWindow mem(rig);
        QTableView* grid = mem.window.MSFlexGrid1;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(mem.model()->index(6, 0)).center());
        QTRY_VERIFY(grid->selectionModel()->isSelected(mem.model()->index(6, 1)));
        QVERIFY(grid->selectionModel()->isSelected(mem.model()->index(6, 11)));
        QCOMPARE(rig.state.Grid.Row, 7);
        Click(mem.window, "Command1_4"); // "disable"
        QVERIFY(mem.greyed(7) && !rig.state.Image.Channels.at(6).Enabled);
        QCOMPARE(mem.cell(7, 1), "434.00000");
        Click(mem.window, "Command1_2"); // "Enable"
        QVERIFY(!mem.greyed(7) && rig.state.Image.Channels.at(6).Enabled);

        mem.doubleClick(3, [&](app::frmMemSub& dialog) {
            auto* step = Find<QComboBox>(dialog, "cboStep");
            auto* offset = Find<QLineEdit>(dialog, "txtShiftFreq");
            TypeInto(offset, ".");
            TypeInto(Find<QLineEdit>(dialog, "txtFrequency"), "434.00625"); // on the 12.5 kHz raster
            QCOMPARE(offset->text(), "");
            Focus(step);
            QTest::keyClick(step, Qt::Key_Home);
            QCOMPARE(step->currentText(), "5KHz");
            TypeInto(offset, "0.6");
            QCOMPARE(rig.messages.texts(), (Texts{NotANumberMessage, RoundedFrequencyMessage}));
            QCOMPARE(Find<QLineEdit>(dialog, "txtFrequency")->text(), "434.00500");
            Click(dialog, "Command1_0");
        });
        QCOMPARE(mem.cell(3, 1), "434.00500");
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

    // The main window's buttons refill each editor from the image and wait for it.
    // Options edited and cancelled are moved back by the next opening's fill, so an
    // OK without edits then marks nothing changed.
    void mainWindowOpensTheEditorsFromTheImage()
    {
        test::ShellFixture shell;
        StartWithModel(shell.state, 0);
        frmMain main(shell.context());
        shell.state.Image.Vfo.Frequency = 43512500;
        shell.state.Image.Channels.at(0).Enabled = true;
        QStringList seen;
        auto press = [&seen](std::vector<const char*> buttons) {
            QTimer::singleShot(0, [&seen, buttons] {
                QWidget* window = QApplication::activeModalWidget();
                QVERIFY(window);
                auto* table = window->findChild<QTableView*>("MSFlexGrid1");
                seen << (table ? table->model()->index(0, 1).data().toString()
                               : Find<QLineEdit>(*window, "txtFrequency")->text());
                for (const char* button : buttons)
                    Click(*window, button);
            });
        };
        press({"optKeyLock_0", "optBeep_1", "Command1_3"});
        main.Command1_Click(1);
        press({"Command1_2"});
        main.Command1_Click(1);
        press({"Command1_6"});
        main.Command1_Click(0);
        QCOMPARE(seen, (QStringList{"435.12500", "435.12500", "434.00000"}));
        QVERIFY(!shell.state.Image.SettingsChanged && !shell.state.Image.VfoChanged);
    }
};

QTEST_MAIN(EditorWindowsTest)
#include "test_editor_windows.moc"
