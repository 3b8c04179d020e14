// The editor windows driven like a user: typing, moving the focus and clicking,
// checked against texts, messages, flags and the radio image. The radio is the
// in-process emulator.
#include "LinkRig.h"
#include "app/ShellFixture.h"
#include "app/editors/frmMem.h"
#include "app/editors/frmMemSub.h"
#include "app/editors/TransferStatusBar.h"
#include "app/editors/frmVfo.h"
#include "commands/ChannelDialogEditor.h"
#include "commands/ChannelGridEditor.h"
#include "commands/Document.h"
#include "core/Questions.h"
#include "editors/EntryRules.h"
#include "image/VfoCodec.h"
#include "support/FileText.h"

#include <QtWidgets>
#include <QtTest>

using namespace kvr27;
using Texts = std::vector<std::string>;
using test::Activate;

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

// Chooses the step list's entry by keys, as a user does; -1 leaves it alone.
void ChooseStep(QWidget& window, int index)
{
    auto* steps = Find<QComboBox>(window, "cboStep");
    if (index < 0)
        return;
    Focus(steps);
    QTest::keyClick(steps, Qt::Key_Home);
    for (int down = 0; down < index; ++down)
        QTest::keyClick(steps, Qt::Key_Down);
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
    // A mouse event on a row's cell as a window system delivers it, the event loop
    // turning after it; `held` the buttons down after it.
    void mouse(QEvent::Type type, int row, Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = {}, int col = 1)
    {
        QWidget* viewport = window.MSFlexGrid1->viewport();
        QPoint point = window.MSFlexGrid1->visualRect(at(row, col)).center();
        point.setY(std::min(point.y(), viewport->height() - 2)); // on the shown part of the row
        qt_handleMouseEvent(window.windowHandle(), viewport->mapTo(&window, point), viewport->mapToGlobal(point), held,
                            type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, type, modifiers,
                            QTest::lastMouseTimestamp += 40);
        QTest::qWait(20);
    }
    // A click (press, release) and a double-click (twice, Qt making the second press
    // the double-click), each a second after the mouse's last event.
    void click(int row, Qt::KeyboardModifiers modifiers = {}, int col = 1, int times = 1)
    {
        for (int time = 0; time < times; ++time) {
            mouse(QEvent::MouseButtonPress, row, Qt::LeftButton, modifiers, col);
            mouse(QEvent::MouseButtonRelease, row, Qt::NoButton, modifiers, col);
        }
        QTest::lastMouseTimestamp += 1000;
    }
    void doubleClick(int row, int col) { click(row, {}, col, 2); }
    // The texts of a column of grid rows first to last.
    QStringList column(int first, int last, int col = 1) const
    {
        QStringList texts;
        for (int row = first; row <= last; ++row)
            texts << at(row, col).data().toString();
        return texts;
    }
    Rig& rig;
    app::frmMem window;
};

} // namespace

class EditorWindowsTest : public QObject {
    Q_OBJECT
private slots:
    // A text pasted into a box (or typed, once filled twice), then the box left by
    // Tab: the filter on the change and the length limit, then the raster rule and
    // the limits on leaving.
    void pastedThenLeft_data() { test::AddDataRows("windows.txt", "pasted"); }
    void pastedThenLeft()
    {
        QFETCH(QStringList, f);
        const QString box = f[0], text = f[2], message = f[4];
        const int step = f[1].toInt();
        Rig rig;
        if (step < 0)
            rig.state.Image.Vfo.BellShiftStep |= 0x0F; // a step code the list lacks
        VfoWindow vfo(rig);
        vfo.open();
        ChooseStep(vfo.window, step);
        if (text.startsWith("typed "))
            TypeInto(vfo.box(box), text.mid(6));
        else {
            QGuiApplication::clipboard()->setText(text);
            Focus(vfo.box(box));
            vfo.box(box)->paste();
        }
        QTest::keyClick(vfo.box(box), Qt::Key_Tab);
        QCOMPARE(vfo.box(box)->text(), f[3]);
        QCOMPARE(rig.messages.texts(), message.isEmpty() ? Texts{} : Texts{message.toStdString()});
    }

    // Every way into a box selects its whole text, so typing replaces it: the window
    // opening on it, a click, coming back from another window. Leaving the step list
    // rounds all three frequency boxes, each with its own message. However it is
    // left (Cancel, the close box, OK), the window opens again at one size: whole,
    // without a scroll bar, the status bar below the buttons.
    void focusSelectsAndStepRounds()
    {
        Rig rig(1); // a KV-R27Z: the repeater offset can be edited
        VfoWindow vfo(rig);
        const QSize first = vfo.window.size();
        QCOMPARE(QApplication::focusWidget(), vfo.box("txtFrequency"));
        QTRY_COMPARE(vfo.box("txtFrequency")->selectedText(), "445.00000");
        QLineEdit* offset = vfo.box("txtShiftFreq");
        QTest::mouseClick(offset, Qt::LeftButton);
        QTRY_COMPARE(offset->selectedText(), "5.00000");
        offset->deselect();
        QWidget other;
        Activate(other);
        Activate(vfo.window);
        QTRY_COMPARE(offset->selectedText(), "5.00000");

        ChooseStep(vfo.window, 1); // 6.25 kHz
        QStringList boxes{"txtFrequency", "txtShiftFreq", "txtRptShiftFreq"}, typed{"446.00625", "0.60625", "1.00625"};
        for (int box = 0; box < 3; ++box)
            TypeInto(vfo.box(boxes[box]), typed[box]);
        ChooseStep(vfo.window, 0); // 5 kHz
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(rig.messages.texts(), (Texts{RoundedFrequencyMessage, RoundedOffsetMessage, RoundedRepeaterOffsetMessage}));
        for (QString& box : boxes)
            box = vfo.box(box)->text();
        QCOMPARE(boxes, (QStringList{"446.00500", "0.60500", "1.00500"}));
        for (const char* leave : {"Command1_3", "close", "Command1_2", "Command1_3"}) {
            qstrcmp(leave, "close") == 0 ? void(vfo.window.close()) : Click(vfo.window, leave);
            QVERIFY(!vfo.window.isVisible());
            vfo.open();
            const QRect status = vfo.window.findChild<app::TransferStatusBar*>()->geometry();
            QCOMPARE(vfo.window.size(), first);
            QVERIFY(!Find<QScrollArea>(vfo.window, "VfoScroll")->verticalScrollBar()->isVisible());
            QVERIFY(vfo.window.rect().contains(status) && status.top() > vfo.window.Command1[3]->geometry().bottom());
        }
    }

    // A remark on the frequency moves no control. Cancel, the close box and Escape
    // drop the edits without the leave rules of the box left (no word about a value
    // thrown away): a later write sends the image's values. OK, and Enter in a box, run them first and store the rounded value.
    void leavingTheWindow_data() { test::AddDataRows("windows.txt", "leave"); }
    void leavingTheWindow()
    {
        QFETCH(QStringList, f);
        const int how = f[0].toInt();
        Rig rig;
        VfoWindow vfo(rig);
        const QSize first = vfo.window.size();
        const QList<QRect> places = test::ControlPlaces(vfo.window);
        TypeInto(vfo.box("txtSquelch"), "3");
        Click(vfo.window, "optBeep_1");
        TypeInto(vfo.box("txtFrequency"), "435.000019");
        QCOMPARE(vfo.box("txtFrequency")->text(), "435.00001"); // nine characters at most
        QCOMPARE(Find<QLabel>(vfo.window, "lblRange")->text(),
                 "435.00001 MHz is outside this radio's range, 433.06 to below 434.785 MHz: it will not be written.");
        QCOMPARE(test::ControlPlaces(vfo.window), places);
        vfo.window.showProgress(ProgressTarget::Editor, "Vfo mode read       33%");
        if (how == 0 || how == 3)
            Click(vfo.window, how == 0 ? "Command1_3" : "Command1_2");
        else if (how == 1)
            vfo.window.close();
        else
            QTest::keyClick(vfo.box("txtFrequency"), how == 2 ? Qt::Key_Escape : Qt::Key_Return);
        QCOMPARE(rig.messages.texts(), f[1].isEmpty() ? Texts{} : Texts{f[1].toStdString()});
        QVERIFY(!vfo.window.isVisible() && rig.state.History.unsaved() == (how >= 3));
        QCOMPARE(int(rig.state.Image.Vfo.Frequency), how >= 3 ? 43500000 : 43400000);
        if (how == 0) // Cancel also empties the status line and drops the window's change mark
            QVERIFY(vfo.window.statusText().isEmpty());
        if (how < 3) {
            vfo.open(); // the remark gone, the window opens at its first size
            QCOMPARE(vfo.window.size(), first);
            rig.messages.answers = {true};
            (void)rig.run(test::WriteVfo);
            // 434.00000 MHz, offset 0.60000; squelch 7 with beeper and battery saving on.
            QCOMPARE(rig.writes(), (Texts{"QZ~F0700W02963B400000EA6040000000FFFFFFFF\r",
                                          "QZ~F0710W670300000000080827FFFFFFFFFFFFFF\r",
                                          "QZ~F0730W0007A1200820FFFFFFFFFFFFFFFFFFFF\r"}));
        }
    }

    // A value the radio holds that its box refuses is shown with the box's message and
    // an empty box, so OK cannot store it, keeps the window open and the image as it
    // was, and gives the box the focus.
    void filledValuesPassTheFilters_data() { test::AddDataRows("windows.txt", "filled"); }
    void filledValuesPassTheFilters()
    {
        QFETCH(QStringList, f);
        const QString box = f[0];
        Rig rig;
        VfoSettings& stored = rig.state.Image.Vfo;
        stored.BatteryBeepSquelch = box == "txtSquelch" ? 0x79 : stored.BatteryBeepSquelch;
        stored.PmrChannel = box == "txtPmrFreq" ? 12 : stored.PmrChannel;
        stored.Frequency = box == "txtFrequency" ? -43400000 : stored.Frequency;
        const VfoSettings before = stored;
        VfoWindow vfo(rig);
        QCOMPARE(vfo.box(box)->text(), "");
        Focus(vfo.box(box)); // passing through the emptied box changes nothing
        QTest::keyClick(vfo.box(box), Qt::Key_Tab);
        vfo.window.showProgress(ProgressTarget::Editor, "Vfo mode read       33%");
        Click(vfo.window, "Command1_2");
        QCOMPARE(rig.messages.texts(), (Texts{f[1].toStdString(), EditingIncompleteMessage}));
        QVERIFY(vfo.window.isVisible() && rig.state.Image.Vfo == before && QApplication::focusWidget() == vfo.box(box));
        QCOMPARE(vfo.window.statusText(), ""); // emptied by a refused OK too
    }

    // Each model edits only its own settings: the frames the user finds disabled, by
    // their captions (the outermost disabled frame of each). Scan skip is never offered.
    void modelRestrictedControls_data() { test::AddDataRows("windows.txt", "restricted"); }
    void modelRestrictedControls()
    {
        QFETCH(QStringList, f);
        Rig rig(f[0].toInt());
        rig.state.Image.ModelCode = static_cast<std::uint8_t>(f[1].toInt());
        VfoWindow vfo(rig);
        QStringList seen;
        for (QGroupBox* frame : vfo.window.findChildren<QGroupBox*>())
            if (!frame->isEnabled() && frame->parentWidget()->isEnabled())
                seen << frame->title();
        seen.sort();
        QStringList disabled = f[2].split('/');
        disabled.sort();
        QCOMPARE(seen, disabled);
    }

    // A changed option or step makes "Read Setting" ask first; the read refills the form. The
    // write buttons back the radio up first and leave a trace, as the Data menu's
    // writes do. While a transfer runs (the read, the backup read, the write, the
    // read-back) the entry controls take nothing: 440 MHz typed into the frequency
    // box at each wait is lost and the radio gets 434.1 MHz as the box showed it;
    // keys on the grid do not move its row.
    void transfersRefillAndTakeNothingTypedMeanwhile()
    {
        Rig rig;
        QTemporaryDir data;
        rig.state.DataFolder = data.path().toStdString();
        rig.state.Safeguards = {true, true, true};
        rig.putBlock(0x700, "029662500000EA6040000000FFFFFFFF"); // 434.10000 MHz
        VfoWindow vfo(rig);
        QLineEdit* frequency = vfo.box("txtFrequency");
        rig.port.onTick = [&](int) {
            QTest::keyClick(frequency, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(frequency, "440.00000");
        };
        Click(vfo.window, "optBeep_1"); // an option marks the window whatever it chose
        Click(vfo.window, "Command1_0");
        ChooseStep(vfo.window, 1);
        Click(vfo.window, "Command1_0");
        QCOMPARE(rig.messages.texts(), (Texts{SettingsChangedQuestion, SettingsChangedQuestion}));
        QVERIFY(!VfoFormHoldsEdits(rig.state.Image, rig.state.Vfo)); // the read refills the window
        QCOMPARE((QStringList{frequency->text(), Find<QComboBox>(vfo.window, "cboStep")->currentText()}), (QStringList{"434.10000", "5KHz"}));
        Click(vfo.window, "Command1_1");
        QCOMPARE(rig.port.ticks, 4 + 4 + 107 + 5 + 3);
        QCOMPARE(frequency->text(), "434.10000");
        QCOMPARE(rig.writes().front(), "QZ~F0700W029662500000EA6040000000FFFFFFFF\r");

        MemWindow mem(rig);
        rig.port.onTick = [&](int) { QTest::keyClick(mem.window.MSFlexGrid1, Qt::Key_Down); };
        Click(mem.window, "Command1_1");
        QCOMPARE(rig.state.Grid.Row, 1);
        QCOMPARE((QList<qsizetype>{QDir(data.filePath("backups")).entryList(QDir::Files).size(),
                                   QDir(data.filePath("traces")).entryList(QDir::Files).size()}),
                 (QList<qsizetype>{2, 4})); // the reads leave a trace too
    }

    // The channel dialog by model and mode: the mode option switches the boxes, and
    // the blank-field test follows the mode.
    void dialogModesAndBlankFields_data() { test::AddDataRows("windows.txt", "dialog"); }
    void dialogModesAndBlankFields()
    {
        QFETCH(QStringList, f);
        const int mode = f[1].toInt();
        const bool stored = f[5] == "1";
        QStringList texts = f.mid(2, 3);
        Rig rig(f[0].toInt());
        const ChannelTable before = rig.state.Image.Channels;
        ChannelGridEditor(rig.state, rig.messages).rowSelected(3);
        ChannelDialogEditor dialog(rig.state, rig.messages);
        if (mode >= 0) {
            dialog.optionSelected(DialogOption::Model, mode);
            // The mode chosen switches the boxes: the PMR channel's in PMR mode, else the frequency's.
            QCOMPARE((QList<bool>{dialog.form().Enabled.isEnabled("txtPmrFreq"), dialog.form().Enabled.isEnabled("txtFrequency")}),
                     (QList<bool>{mode == 1, mode == 0}));
        }
        for (DialogText box : {DialogText::Frequency, DialogText::ShiftFreq, DialogText::PmrFreq})
            dialog.textChanged(box, texts.takeFirst().toStdString());
        QCOMPARE(dialog.okClicked(), stored);
        QVERIFY((UndoCaption(rig.state) == "Undo Edit channel 2") == stored && (rig.state.Image.Channels == before) != stored);
        QCOMPARE(rig.messages.texts(), stored ? Texts{} : Texts{EditingIncompleteMessage});
    }

    // The grid opens as tall as the screen allows, with the focus on its current row: arrows to a row, then Enter,
    // the keypad's Enter or F2, open the dialog on that row, beside it, where Enter
    // is OK after the box's raster rule. Gestures on rows that are not the current
    // one: a click on a "No" cell selects its row; a double-click opens the dialog on
    // its row (also on the last row, partly shown), whose step box rounds when left
    // and whose Cancel after an off-raster frequency says nothing and stores nothing;
    // its range remark moves no control, and a refused OK focuses the blank box.
    // The row menu offers its three commands. The close box recomputes the current
    // channel; a write that fails keeps it; "Enable" on an empty row and "Enable All"
    // change nothing, and "Exit" turns the grid's changes into changed settings.
    void gridGestures()
    {
        Rig rig;
        rig.state.Image.Channels.at(6).Enabled = true;
        rig.state.Image.Channels.at(6).Frequency = 44000000; // outside the KV-R27PA's range
        MemWindow mem(rig);
        Activate(mem.window);
        const QRect screen = mem.window.screen()->availableGeometry(); // the window as tall as it allows
        QVERIFY(screen.contains(mem.window.frameGeometry()) && mem.window.height() > screen.height() * 9 / 10);
        QTableView* grid = mem.window.MSFlexGrid1;
        QStringList opened;
        mem.window.setDialogRunner([&](app::frmMemSub& dialog) {
            const QRect cell = grid->visualRect(mem.at(rig.state.Grid.Row, 1));
            opened << Find<QLabel>(dialog, "lblChannel")->text()
                          + (dialog.frameGeometry().intersects({grid->viewport()->mapToGlobal(cell.topLeft()), cell.size()})
                                 ? " over its row" : "");
            if (opened.size() < 3)
                return;
            dialog.open();
            Activate(dialog);
            auto* frequency = Find<QLineEdit>(dialog, "txtFrequency");
            if (opened.size() == 3) {
                TypeInto(frequency, "434.00001");
                QTest::keyClick(frequency, Qt::Key_Return);
                opened << QString("%1 %2").arg(dialog.result()).arg(rig.state.Image.Channels.at(3).Frequency);
            } else if (opened.size() == 6) {
                const QList<QRect> places = test::ControlPlaces(dialog);
                TypeInto(frequency, "440.00000");
                opened << Find<QLabel>(dialog, "lblRange")->text();
                const QList<QRect> remarked = test::ControlPlaces(dialog);
                QTest::keyClick(frequency, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(frequency, Qt::Key_Delete);
                Click(dialog, "Command1_0"); // refused: the blank box takes the focus
                QVERIFY(remarked == places && test::ControlPlaces(dialog) == places && QApplication::focusWidget() == frequency);
                TypeInto(frequency, "434.00001");
                Click(dialog, "Command1_1");
            } else {
                TypeInto(frequency, "434.00625"); // on the 12.5 kHz raster
                ChooseStep(dialog, 0);            // 5 kHz
                Focus(Find<QLineEdit>(dialog, "txtShiftFreq"));
                Click(dialog, "Command1_0");
            }
        });
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Return, Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter, Qt::Key_F2}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QTest::qWait(10);
        }
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(mem.at(7, 0)).center());
        QTRY_VERIFY(grid->selectionModel()->isSelected(mem.at(7, 1)) && grid->selectionModel()->isSelected(mem.at(7, 11)));
        QCOMPARE(rig.state.Grid.Row, 7);
        mem.doubleClick(3, 1);
        QCOMPARE(mem.at(3, 1).data().toString(), "434.00500");
        // 16 rows whole and the 17th partly shown.
        mem.window.resize(mem.window.width(), mem.window.height() - grid->viewport()->height() + 16 * grid->rowHeight(0) + 10);
        QTRY_COMPARE(grid->rowAt(grid->viewport()->height() - 1), 16);
        QVERIFY(grid->visualRect(mem.at(17, 0)).bottom() >= grid->viewport()->height());
        mem.doubleClick(17, 0);
        const QString outside = "440.00000 MHz is outside this radio's range, 433.06 to below 434.785 MHz: it will "
                                "not be written.";
        QCOMPARE(opened, (QStringList{"Channel 1", "Channel 3", "Channel 3", "1 43400000", "Channel 2", "Channel 16",
                                      outside}));
        // The row the write would leave out is marked, the reason in its tooltip.
        QCOMPARE((QList<QVariant>{mem.at(7, 1).data(Qt::ToolTipRole), mem.at(3, 1).data(Qt::ToolTipRole), mem.at(7, 1)
                                  .data(Qt::BackgroundRole).isValid(), mem.at(3, 1).data(Qt::BackgroundRole)}),
                 (QList<QVariant>{outside, {}, true, {}}));
        QCOMPARE(rig.messages.texts(), (Texts{RoundedMessage, RoundedFrequencyMessage, EditingIncompleteMessage}));
        QVERIFY(!rig.state.Image.Channels.at(16).Enabled && mem.at(17, 1).data().toString().isEmpty());
        QStringList offered;
        mem.window.setRowMenuRunner([&](QMenu& menu, const QPoint&) {
            for (QAction* action : menu.actions())
                offered << action->text();
            menu.actions().at(3)->trigger();
        });
        const QRect cell = grid->visualRect(mem.at(3, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTRY_COMPARE(rig.state.Grid.Row, 3);
        emit grid->customContextMenuRequested(cell.center());
        QCOMPARE(offered, (QStringList{"Edit Channel...", "Edit Selected Channels…", "Enable", "disable", "", "Cut", "Copy",
                                       "Paste", "", "Delete", "Delete and Shift Up", "Insert Empty Channel", "Move Up",
                                       "Move Down", "Sort by Frequency", "", "Fill LPD Channels…", "Fill PMR Channels…",
                                       "", "Undo Edit channel 2", "Redo"}));
        QVERIFY(!rig.state.Image.Channels.at(2).Enabled);
        rig.state.Image.Channels.at(2).Frequency = 43310000; // "Enable" shows the row as the image holds it
        Click(mem.window, "Command1_2");
        QCOMPARE(mem.at(3, 1).data().toString(), "433.10000");
        emit grid->customContextMenuRequested(cell.center());
        mem.window.close();
        QCOMPARE(int(rig.state.Image.Vfo.CurrentChannel), 4);
        QVERIFY(rig.state.History.unsaved()); // the close box keeps the edits, unsaved

        rig.state.Image.Vfo.CurrentChannel = 0;
        mem.open();
        rig.radio.setFault(sim::Fault::Silence, 2); // after the identity block and the bitmap
        rig.messages.shown.clear();
        rig.messages.answers = {true};
        Click(mem.window, "Command1_1");
        QCOMPARE(rig.messages.texts(), (Texts{OverwriteQuestion, ReadWriteErrorMessage,
                                              "The thing besides the range is not written in."}));
        QCOMPARE(int(rig.state.Image.Vfo.CurrentChannel), 4);
        const ChannelTable before = rig.state.Image.Channels;
        const std::string lastStep = UndoCaption(rig.state);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(mem.at(10, 1)).center());
        QTRY_COMPARE(rig.state.Grid.Row, 10);
        Click(mem.window, "Command1_2");
        QVERIFY(rig.state.Image.Channels == before && UndoCaption(rig.state) == lastStep);
        Click(mem.window, "Command1_3"); // "Enable All": no row shown empty is turned on
        QVERIFY(rig.state.Image.Channels == before);
        Click(mem.window, "Command1_6");
        QVERIFY(!mem.window.isVisible());
    }

    // Rows selected as a user does (click, Shift+click), copied by Ctrl+C and pasted by
    // Ctrl+V on a row that is not current, asking before it replaces enabled channels;
    // Ctrl+Z takes the paste back. Row 2 dragged to row 6 lands there, the rows between
    // moving up. A table a spreadsheet wrote comes in through the real clipboard.
    void severalRowsClipboardAndDrag()
    {
        Rig rig;
        for (int channel : {1, 2, 3, 11, 12}) {
            rig.state.Image.Channels.at(channel).Enabled = true;
            rig.state.Image.Channels.at(channel).Frequency = 43300000 + channel * 1000;
        }
        MemWindow mem(rig);
        mem.window.setDialogRunner([](app::frmMemSub&) { QFAIL("no dialog opens"); });
        Activate(mem.window);
        const auto ctrl = [](Qt::Key key) {
            QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
            QTest::qWait(10);
        };
        const QStringList copied = {"433.01000", "433.02000", "433.03000"};
        mem.click(2);
        mem.click(4, Qt::ShiftModifier);
        QCOMPARE(SelectedChannels(rig.state.Grid), (ChannelSelection{{1, 2, 3}, 3}));
        ctrl(Qt::Key_C);
        mem.click(12);
        rig.messages.answers = {true};
        ctrl(Qt::Key_V);
        QCOMPARE(rig.messages.texts(), (Texts{"The paste replaces 2 enabled channels. Paste over them?"}));
        QCOMPARE(mem.column(12, 14), copied);
        QCOMPARE(SelectedChannels(rig.state.Grid), (ChannelSelection{{11, 12, 13}, 11}));
        ctrl(Qt::Key_Z);
        QCOMPARE(mem.column(12, 14), (QStringList{"433.11000", "433.12000", ""}));

        mem.click(2);
        mem.mouse(QEvent::MouseButtonPress, 2, Qt::LeftButton);
        for (int row = 3; row <= 6; ++row)
            mem.mouse(QEvent::MouseMove, row, Qt::LeftButton);
        mem.mouse(QEvent::MouseButtonRelease, 6, Qt::NoButton);
        QTRY_COMPARE(mem.column(2, 7), (QStringList{copied[1], copied[2], "", "", copied[0], ""}));
        QCOMPARE(SelectedChannels(rig.state.Grid), (ChannelSelection{{5}, 5}));

        QGuiApplication::clipboard()->setText("Frequency(ch)\tStep\tShift\tShift Freq\tBclo\tSkip\tTone\tTxTone\t"
                                              "RxTone\tPmrTone\tmode\r\n434,1\t25KHz\t-\t0,6\tOn\tOn\tTSQ\t100.0Hz\t"
                                              "250.3Hz\t5\tLPD\r\n");
        mem.click(9);
        ctrl(Qt::Key_V);
        QCOMPARE(mem.column(9, 9) + mem.column(9, 9, 4) + mem.column(9, 9, 7), (QStringList{"434.10000", "0.60000", "TSQ"}));
    }

    // In the grid, "disable All" then Ctrl+Z gives every row its look and values
    // back, and Ctrl+Y greys them again, keys as the window system delivers them.
    // Ctrl+Z in a text box of the VFO window undoes its typing while it has any,
    // then the document's last step.
    void undoAndRedoByKeys()
    {
        Rig rig;
        test::LoadKnownRadio(rig);
        QVERIFY(rig.run(test::ReadAll).ok());
        MemWindow mem(rig);
        Activate(mem.window);
        auto rows = [&] {
            QStringList shown;
            for (int row = 1; row <= 100; ++row)
                shown << (mem.at(row, 1).data(Qt::FontRole).value<QFont>().strikeOut() ? "~" : "") +
                             mem.at(row, 1).data().toString() + mem.at(row, 11).data().toString();
            return shown;
        };
        const QStringList read = rows();
        QCOMPARE((QStringList{read[0], read[5], read[40]}), (QStringList{"433.06476LPD", "3PMR", "434.20000LPD"}));
        auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            QTest::qWait(10);
        };
        Click(mem.window, "Command1_5");
        QTest::qWait(10);
        const QStringList greyed = rows();
        QCOMPARE((QStringList{greyed[0], greyed[5], greyed[7]}), (QStringList{"~433.06476LPD", "~3PMR", ""}));
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rows(), read);
        QVERIFY(!rig.state.History.unsaved() && rig.state.Image.Channels.at(40).Enabled);
        key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(rows(), greyed);
        key(Qt::Key_Z, Qt::ControlModifier);
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(rows() == greyed && !rig.state.Image.Channels.at(0).Enabled);
        Click(mem.window, "Command1_6");

        VfoWindow vfo(rig);
        TypeInto(vfo.box("txtFrequency"), "434.3");
        Click(vfo.window, "Command1_2");
        vfo.open();
        TypeInto(vfo.box("txtFrequency"), "434.4");
        for (const char* shown : {"434.30000", "434.10000"}) {
            key(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(vfo.box("txtFrequency")->text(), shown);
        }
        QCOMPARE(UndoCaption(rig.state), "Undo Disable All");
    }
};

QTEST_MAIN(EditorWindowsTest)
#include "test_editor_windows.moc"
