// The editors' rules on the form states: change tracking of the VFO window, OK and
// Cancel, the grid's enable/disable/Exit commands, and the channel dialog.
#include "core/AppState.h"
#include "editors/ChannelDialogEditor.h"
#include "editors/ChannelGridEditor.h"
#include "editors/VfoEditor.h"
#include "image/ModelRules.h"
#include "image/VfoCodec.h"
#include "support/RecordingMessageSink.h"

#include <QtTest>

using namespace kvr27;
using Texts = std::vector<std::string>;

namespace {

enum { OptionPA = 0, OptionZ = 1, OptionX = 2, OptionPmrOnly = 3, OptionLpdOnly = 4 };

// The start-up state of a model, with recorded messages.
struct Started {
    explicit Started(int option = OptionPA) { StartWithModel(state, option); }
    AppState state;
    test::RecordingMessageSink sink;

    // Opens the dialog on `row`, lets `edit` work on it and presses OK.
    bool storeRow(int row, const std::function<void(ChannelDialogEditor&)>& edit = {})
    {
        ChannelGridEditor(state).rowSelected(row);
        ChannelDialogEditor dialog(state, sink);
        if (edit)
            edit(dialog);
        return dialog.okClicked();
    }
};

// The VFO window loaded over a KV-R27PA's stored values (frequency 434.00000,
// offset 0.60000, PMR channel 1, squelch 7, step 12.5 kHz).
struct VfoStarted : Started {
    VfoStarted() { editor.load(); }
    VfoEditor editor{state, sink};
};

} // namespace

class EditorStateTest : public QObject {
    Q_OBJECT

private slots:
    // Which text changes mark the VFO window changed, against the stored values.
    void vfoTextTracking_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("message");

        const int f = int(VfoText::Frequency), p = int(VfoText::PmrFreq), s = int(VfoText::Squelch);
        QTest::newRow("stored frequency text") << f << "434.00000" << false << "434.00000" << "";
        QTest::newRow("same number, other text") << f << "434" << true << "434" << "";
        QTest::newRow("refused text empties and marks") << f << "44x" << true << "" << DigitsOnlyMessage;
        QTest::newRow("pmr other channel") << p << "2" << true << "2" << "";
        QTest::newRow("pmr refused: empty, no mark") << p << "9" << false << "" << PmrChannelDigitMessage;
        QTest::newRow("pmr emptied by the user") << p << "" << false << "" << "";
        QTest::newRow("squelch same level, other text") << s << "07" << false << "07" << "";
        QTest::newRow("squelch other level") << s << "20" << true << "20" << "";
        QTest::newRow("squelch above 20") << s << "21" << false << "" << SquelchLimitMessage;
    }

    void vfoTextTracking()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(bool, changed);
        QFETCH(QString, after);
        QFETCH(QString, message);
        VfoStarted vfo;
        vfo.editor.textChanged(VfoText(box), text.toStdString());
        QCOMPARE(vfo.state.Image.VfoChanged, changed);
        QCOMPARE(QString::fromStdString(vfo.state.Vfo.*(VfoTextBoxes[size_t(box)].Field)), after);
        QCOMPARE(vfo.sink.texts(), message.isEmpty() ? Texts{} : Texts{message.toStdString()});
    }

    // Leaving the step box rounds all three frequency boxes, each with its own text;
    // a box that loses the focus uses the plain one.
    void vfoRoundingTexts()
    {
        VfoStarted vfo;
        vfo.editor.listSelected(VfoList::Step, 0);
        vfo.editor.textChanged(VfoText::Frequency, "446.00625");
        vfo.editor.textChanged(VfoText::ShiftFreq, "0.60625");
        vfo.editor.textChanged(VfoText::RptShiftFreq, "1.00625");
        vfo.editor.stepLostFocus();
        QCOMPARE(vfo.sink.texts(),
                 (Texts{RoundedFrequencyMessage, RoundedOffsetMessage, RoundedRepeaterOffsetMessage}));
        QCOMPARE(vfo.state.Vfo.txtShiftFreq, "0.60500");
        QCOMPARE(vfo.state.Vfo.txtRptShiftFreq, "1.00500");

        vfo.sink.shown.clear();
        vfo.editor.listSelected(VfoList::Step, 1);
        vfo.editor.lostFocus(VfoText::Frequency);
        QCOMPARE(vfo.sink.texts(), (Texts{RoundedMessage}));
        QCOMPARE(vfo.state.Vfo.txtFrequency, "446.00000");
    }

    // Lists mark the window only when they differ from the stored code, options
    // always; Cancel drops the mark and OK turns it into changed settings.
    void vfoChangeMarks()
    {
        VfoStarted vfo;
        vfo.editor.listSelected(VfoList::Step, 3); // the stored step
        QVERIFY(vfo.editor.okClicked());
        QVERIFY(!vfo.state.Image.VfoChanged && !vfo.state.Image.SettingsChanged);
        vfo.editor.listSelected(VfoList::Step, 0);
        vfo.editor.listSelected(VfoList::Step, 3); // back again: the mark stays
        QVERIFY(vfo.state.Image.VfoChanged);
        QVERIFY(vfo.editor.cancelClicked());
        QVERIFY(!vfo.state.Image.VfoChanged);
        vfo.editor.optionSelected(VfoOption::Beep, 0); // options are not compared
        QVERIFY(vfo.state.Image.VfoChanged);
        QVERIFY(vfo.editor.okClicked());
        QVERIFY(vfo.state.Image.SettingsChanged && !vfo.state.Image.VfoChanged);
    }

    void gridCommandsAndExit()
    {
        Started started;
        AppState& state = started.state;
        ChannelGridEditor grid(state);
        grid.load();
        // On empty rows the commands change nothing.
        const ChannelGrid emptyGrid = state.Grid;
        const ChannelTable emptyChannels = state.Image.Channels;
        grid.rowSelected(5);
        grid.enableClicked();
        grid.disableClicked();
        grid.enableAllClicked();
        grid.disableAllClicked();
        QVERIFY(!state.Image.ChannelsChanged);
        QVERIFY(state.Image.Channels == emptyChannels);
        QVERIFY(state.Grid.Text == emptyGrid.Text && state.Grid.Look == emptyGrid.Look);

        // "Exit" makes the lowest enabled channel the current one.
        QVERIFY(started.storeRow(9));
        QVERIFY(started.storeRow(5));
        state.Image.SettingsChanged = false;
        grid.exitClicked();
        QCOMPARE(int(state.Image.Vfo.CurrentChannel), 5);
        QVERIFY(!state.Image.ChannelsChanged);
        QVERIFY(state.Image.SettingsChanged);

        // The close box recomputes the current channel but keeps the flags.
        grid.disableAllClicked();
        QCOMPARE(state.Grid.Look[9], RowLook::Disabled);
        QCOMPARE(state.Grid.Row, 1);
        state.Image.SettingsChanged = false;
        grid.closed();
        QCOMPARE(int(state.Image.Vfo.CurrentChannel), 0);
        QVERIFY(state.Image.ChannelsChanged);
        QVERIFY(!state.Image.SettingsChanged);

        // Rows emptied by a refresh cannot be enabled again.
        RefreshChannelGrid(state.Image, state.Grid);
        grid.enableAllClicked();
        QVERIFY(!state.Image.Channels.at(4).Enabled);
    }

    // The channel dialog by model: only the dual-band one offers the mode, the boxes
    // open are those of the mode shown, and the blank-field test follows the mode.
    void dialogModesAndBlankFields_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("mode"); // the mode chosen; -1: the model offers no choice
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("pmr");
        QTest::addColumn<bool>("stored");

        QTest::newRow("PA LPD no frequency") << int(OptionPA) << 0 << "" << "0.60000" << "1" << false;
        QTest::newRow("PA LPD no offset") << int(OptionPA) << 0 << "434.00000" << "" << "1" << false;
        QTest::newRow("PA LPD no pmr channel") << int(OptionPA) << 0 << "434.00000" << "0.60000" << "" << true;
        QTest::newRow("PA PMR no frequency") << int(OptionPA) << 1 << "" << "0.60000" << "3" << true;
        QTest::newRow("PA PMR no pmr channel") << int(OptionPA) << 1 << "434.00000" << "0.60000" << "" << false;
        QTest::newRow("PA PMR no offset") << int(OptionPA) << 1 << "434.00000" << "" << "3" << false;
        QTest::newRow("Z no frequency") << int(OptionZ) << -1 << "" << "0.60000" << "1" << false;
        QTest::newRow("X no pmr channel") << int(OptionX) << -1 << "434.00000" << "0.60000" << "" << true;
        QTest::newRow("LPD only no offset") << int(OptionLpdOnly) << -1 << "434.00000" << "" << "1" << false;
        QTest::newRow("PMR only no frequency") << int(OptionPmrOnly) << -1 << "" << "0.60000" << "2" << true;
        QTest::newRow("PMR only no pmr channel") << int(OptionPmrOnly) << -1 << "434.00000" << "0.60000" << "" << false;
    }

    void dialogModesAndBlankFields()
    {
        QFETCH(int, option);
        QFETCH(int, mode);
        QFETCH(QString, frequency);
        QFETCH(QString, offset);
        QFETCH(QString, pmr);
        QFETCH(bool, stored);
        Started started(option);
        const ChannelTable before = started.state.Image.Channels;
        const bool closed = started.storeRow(3, [&](ChannelDialogEditor& dialog) {
            for (auto control : DialogModeControls)
                QCOMPARE(dialog.form().Enabled.isEnabled(control), mode >= 0);
            if (mode >= 0)
                dialog.optionSelected(DialogOption::Model, mode);
            const bool pmrShown = dialog.form().optModel == 1; // the PMR-only model shows PMR
            QCOMPARE(dialog.form().Enabled.isEnabled("txtFrequency"), !pmrShown);
            QCOMPARE(dialog.form().Enabled.isEnabled("txtPmrFreq"), pmrShown);
            dialog.textChanged(DialogText::Frequency, frequency.toStdString());
            dialog.textChanged(DialogText::ShiftFreq, offset.toStdString());
            dialog.textChanged(DialogText::PmrFreq, pmr.toStdString());
        });
        QCOMPARE(closed, stored);
        QCOMPARE(started.state.Image.ChannelsChanged, stored);
        QCOMPARE(started.state.Image.Channels == before, !stored);
        QCOMPARE(started.sink.texts(), stored ? Texts{} : Texts{EditingIncompleteMessage});
    }

    // A lone point is emptied on leaving its box, and refused by OK when never left.
    void dialogRasterAndNumbers()
    {
        Started started;
        const ChannelTable before = started.state.Image.Channels;
        ChannelDialogEditor dialog(started.state, started.sink);
        dialog.listSelected(DialogList::Step, 0);
        dialog.textChanged(DialogText::Frequency, "446.00625");
        dialog.stepLostFocus();
        QCOMPARE(dialog.form().txtFrequency, "446.00500");
        dialog.textChanged(DialogText::ShiftFreq, ".");
        dialog.lostFocus(DialogText::ShiftFreq);
        QCOMPARE(dialog.form().txtShiftFreq, "");
        dialog.textChanged(DialogText::ShiftFreq, ".");
        QVERIFY(!dialog.okClicked());
        QCOMPARE(started.sink.texts(), (Texts{RoundedFrequencyMessage, NotANumberMessage, NotANumberMessage}));
        QVERIFY(started.state.Image.Channels == before);
        QVERIFY(!started.state.Image.ChannelsChanged);
    }

    // The PMR-only variant stores its channels as PMR channels, so that the grid, a
    // reload of the dialog and the radio see them as such.
    void pmrOnlyChannelsAreMarkedPmr()
    {
        Started started(OptionPmrOnly);
        AppState& state = started.state;
        QVERIFY(started.storeRow(2, [](ChannelDialogEditor& dialog) { dialog.textChanged(DialogText::PmrFreq, "6"); }));
        const ChannelRecord& record = state.Image.Channels.at(1);
        QVERIFY(record.IsPmr());
        QCOMPARE(record.Frequency, 6 * PmrChannelUnit);
        QCOMPARE(state.Grid.TextMatrix(2, 1), "6");
        QCOMPARE(state.Grid.TextMatrix(2, 11), "--");
        ChannelGridEditor(state).rowSelected(2);
        ChannelDialogEditor reopened(state, started.sink);
        QCOMPARE(reopened.form().txtPmrFreq, "6");
        QCOMPARE(reopened.form().optModel, 1);
    }
};

QTEST_GUILESS_MAIN(EditorStateTest)
#include "test_editors_state.moc"
