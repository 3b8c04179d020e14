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

// Opens the dialog on `row`, lets `edit` work on it and presses OK.
bool StoreRow(AppState& state, MessageSink& sink, int row, const std::function<void(ChannelDialogEditor&)>& edit = {})
{
    ChannelGridEditor(state).rowSelected(row);
    ChannelDialogEditor dialog(state, sink);
    if (edit)
        edit(dialog);
    return dialog.okClicked();
}

} // namespace

class EditorStateTest : public QObject {
    Q_OBJECT

private slots:
    // Which text changes mark the VFO window changed, against the stored values
    // (frequency 434.00000, offset 0.60000, PMR channel 1, squelch 7).
    void vfoTextTracking_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("message");

        const int f = int(VfoText::Frequency), o = int(VfoText::ShiftFreq), p = int(VfoText::PmrFreq),
                  s = int(VfoText::Squelch);
        QTest::newRow("stored frequency text") << f << "434.00000" << false << "434.00000" << "";
        QTest::newRow("same number, other text") << f << "434" << true << "434" << "";
        QTest::newRow("refused text empties and marks") << f << "44x" << true << "" << DigitsOnlyMessage;
        QTest::newRow("stored offset text") << o << "0.60000" << false << "0.60000" << "";
        QTest::newRow("pmr stored channel") << p << "1" << false << "1" << "";
        QTest::newRow("pmr other channel") << p << "2" << true << "2" << "";
        QTest::newRow("pmr refused: empty, no mark") << p << "9" << false << "" << PmrChannelDigitMessage;
        QTest::newRow("pmr emptied by the user") << p << "" << false << "" << "";
        QTest::newRow("squelch stored level") << s << "7" << false << "7" << "";
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
        AppState state;
        StartWithModel(state, OptionPA);
        test::RecordingMessageSink sink;
        VfoEditor editor(state, sink);
        editor.load();
        editor.textChanged(VfoText(box), text.toStdString());
        QCOMPARE(state.Image.VfoChanged, changed);
        QCOMPARE(QString::fromStdString(state.Vfo.*(VfoTextBoxes[size_t(box)].Field)), after);
        QCOMPARE(sink.texts(), message.isEmpty() ? Texts{} : Texts{message.toStdString()});
    }

    void vfoStepBoxRoundsEveryFrequencyBox()
    {
        AppState state;
        StartWithModel(state, OptionPA);
        test::RecordingMessageSink sink;
        VfoEditor editor(state, sink);
        editor.load();
        editor.listSelected(VfoList::Step, 0);
        editor.textChanged(VfoText::Frequency, "446.00625");
        editor.textChanged(VfoText::ShiftFreq, "0.60625");
        editor.textChanged(VfoText::RptShiftFreq, "99.996");
        editor.stepLostFocus();
        QCOMPARE(sink.texts(), (Texts{RoundedFrequencyMessage, RoundedOffsetMessage, OffsetLimitMessage}));
        QCOMPARE(state.Vfo.txtFrequency, "446.00500");
        QCOMPARE(state.Vfo.txtShiftFreq, "0.60500");
        QCOMPARE(state.Vfo.txtRptShiftFreq, "");

        // A box that loses the focus uses the plain message.
        sink.shown.clear();
        editor.listSelected(VfoList::Step, 1);
        editor.lostFocus(VfoText::Frequency);
        QCOMPARE(sink.texts(), (Texts{RoundedMessage}));
        QCOMPARE(state.Vfo.txtFrequency, "446.00000");
    }

    void vfoListsAndOptionsMarkTheWindow()
    {
        AppState state;
        StartWithModel(state, OptionPA);
        test::RecordingMessageSink sink;
        VfoEditor editor(state, sink);
        editor.load();
        editor.listSelected(VfoList::Step, 3); // the stored step
        QVERIFY(!state.Image.VfoChanged);
        editor.listSelected(VfoList::Step, 0);
        QVERIFY(state.Image.VfoChanged);
        editor.listSelected(VfoList::Step, 3); // back again: the mark stays
        QVERIFY(state.Image.VfoChanged);
        QVERIFY(editor.cancelClicked());
        QVERIFY(!state.Image.VfoChanged);
        editor.optionSelected(VfoOption::Beep, 0); // options are not compared
        QVERIFY(state.Image.VfoChanged);
    }

    void vfoOk_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text"); // typed into the box before OK
        QTest::addColumn<QString>("message");
        const int s = int(VfoText::Squelch), f = int(VfoText::Frequency);
        QTest::newRow("untouched") << s << "7" << "";
        QTest::newRow("edited") << s << "12" << "";
        QTest::newRow("empty squelch") << s << "" << EditingIncompleteMessage;
        QTest::newRow("frequency beyond 32 bits") << f << "99999.999" << NotANumberMessage;
        QTest::newRow("lone point") << f << "." << NotANumberMessage;
    }

    void vfoOk()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        AppState state;
        StartWithModel(state, OptionPA);
        test::RecordingMessageSink sink;
        VfoEditor editor(state, sink);
        editor.load();
        const VfoSettings before = state.Image.Vfo;
        editor.textChanged(VfoText(box), text.toStdString());
        const bool edited = state.Image.VfoChanged;
        QCOMPARE(editor.okClicked(), message.isEmpty());
        QCOMPARE(sink.texts(), message.isEmpty() ? Texts{} : Texts{message.toStdString()});
        if (message.isEmpty()) {
            QCOMPARE(state.Image.SettingsChanged, edited);
            QCOMPARE(QString::number(state.Image.Vfo.Squelch()), text);
            QVERIFY(!state.Image.VfoChanged);
        } else {
            QVERIFY(state.Image.Vfo == before);
            QVERIFY(!state.Image.SettingsChanged);
        }
    }

    void vfoCodesOutsideTheListsSurviveAnUntouchedWindow()
    {
        AppState state;
        StartWithModel(state, OptionPA);
        test::RecordingMessageSink sink;
        state.Image.Vfo.TxTone = 45;
        state.Image.Vfo.PmrTone = 41;
        state.Image.Vfo.BellShiftStep = (state.Image.Vfo.BellShiftStep & 0xF0) | 0x0C;
        state.Image.Vfo.BcloCallTot = 0x7F; // call tone 7, time-out 15
        state.Image.Vfo.SkipScanApo = 0x07;
        state.Image.Vfo.LockPowerTone = 0x43; // tone setting 3
        FillVfoWindow(state.Image, state.Vfo);
        VfoEditor editor(state, sink);
        editor.load();
        const VfoSettings before = state.Image.Vfo;
        editor.textChanged(VfoText::Frequency, "434.00100"); // off every raster, but no step selected
        editor.lostFocus(VfoText::Frequency);
        QVERIFY(sink.shown.empty());
        editor.textChanged(VfoText::Frequency, "434.00000");
        QVERIFY(editor.okClicked());
        VfoSettings expected = before;
        expected.SkipScanApo &= 0x7F; // scan skip is never taken from the window
        QCOMPARE(state.Image.Vfo.TxTone, expected.TxTone);
        QCOMPARE(state.Image.Vfo.PmrTone, expected.PmrTone);
        QCOMPARE(state.Image.Vfo.BellShiftStep, expected.BellShiftStep);
        QCOMPARE(state.Image.Vfo.BcloCallTot, expected.BcloCallTot);
        QCOMPARE(state.Image.Vfo.SkipScanApo, expected.SkipScanApo);
    }

    void gridCommandsOnEmptyRowsChangeNothing()
    {
        AppState state;
        StartWithModel(state, OptionPA);
        ChannelGridEditor grid(state);
        grid.load();
        const ChannelGrid before = state.Grid;
        grid.rowSelected(5);
        grid.enableClicked();
        grid.disableClicked();
        grid.enableAllClicked();
        grid.disableAllClicked();
        QVERIFY(!state.Image.ChannelsChanged);
        for (const ChannelRecord& record : state.Image.Channels)
            QVERIFY(!record.Enabled);
        QVERIFY(state.Grid.Text == before.Text);
        QVERIFY(state.Grid.Look == before.Look);
    }

    void gridDisableEnableAndExit()
    {
        AppState state;
        StartWithModel(state, OptionPA);
        test::RecordingMessageSink sink;
        ChannelGridEditor grid(state);
        grid.load();
        QVERIFY(StoreRow(state, sink, 5));
        grid.exitClicked();
        QCOMPARE(int(state.Image.Vfo.CurrentChannel), 5);
        grid.rowSelected(5);
        grid.disableClicked();
        grid.exitClicked();
        QCOMPARE(int(state.Image.Vfo.CurrentChannel), 0);
        grid.enableClicked();
        QVERIFY(StoreRow(state, sink, 9));
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

    // The blank-field test of the channel dialog, by model and mode.
    void dialogBlankFields_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("mode"); // -1: as loaded
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("pmr");
        QTest::addColumn<bool>("stored");

        QTest::newRow("PA LPD complete") << int(OptionPA) << 0 << "434.00000" << "0.60000" << "1" << true;
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

    void dialogBlankFields()
    {
        QFETCH(int, option);
        QFETCH(int, mode);
        QFETCH(QString, frequency);
        QFETCH(QString, offset);
        QFETCH(QString, pmr);
        QFETCH(bool, stored);
        AppState state;
        StartWithModel(state, option);
        test::RecordingMessageSink sink;
        const ChannelTable before = state.Image.Channels;
        const bool closed = StoreRow(state, sink, 3, [&](ChannelDialogEditor& dialog) {
            if (mode >= 0)
                dialog.optionSelected(DialogOption::Model, mode);
            dialog.textChanged(DialogText::Frequency, frequency.toStdString());
            dialog.textChanged(DialogText::ShiftFreq, offset.toStdString());
            dialog.textChanged(DialogText::PmrFreq, pmr.toStdString());
        });
        QCOMPARE(closed, stored);
        QCOMPARE(state.Image.Channels.at(2).Enabled, stored);
        QCOMPARE(state.Image.ChannelsChanged, stored);
        if (!stored) {
            QVERIFY(state.Image.Channels == before);
            QCOMPARE(sink.texts(), (Texts{EditingIncompleteMessage}));
        }
    }

    void dialogForcedModes_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("modeChoice");
        QTest::addColumn<int>("shownMode");
        QTest::addColumn<bool>("lpdControls");
        QTest::newRow("PA") << int(OptionPA) << true << 0 << true;
        QTest::newRow("Z") << int(OptionZ) << false << 0 << true;
        QTest::newRow("X") << int(OptionX) << false << 0 << true;
        QTest::newRow("LPD only") << int(OptionLpdOnly) << false << 0 << true;
        QTest::newRow("PMR only") << int(OptionPmrOnly) << false << 1 << false;
    }

    void dialogForcedModes()
    {
        QFETCH(int, option);
        QFETCH(bool, modeChoice);
        QFETCH(int, shownMode);
        QFETCH(bool, lpdControls);
        AppState state;
        StartWithModel(state, option);
        test::RecordingMessageSink sink;
        ChannelDialogEditor dialog(state, sink);
        const EnabledStates& enabled = dialog.form().Enabled;
        for (auto control : DialogModeControls)
            QCOMPARE(enabled.isEnabled(control), modeChoice);
        QCOMPARE(dialog.form().optModel, shownMode);
        QCOMPARE(enabled.isEnabled("txtFrequency"), lpdControls);
        QCOMPARE(enabled.isEnabled("Frame1_6"), lpdControls);
        QCOMPARE(enabled.isEnabled("Frame1_11"), !lpdControls);
        QCOMPARE(enabled.isEnabled("Label1_2"), !lpdControls);
        QVERIFY(enabled.isEnabled("Frame1_8"));
    }

    void dialogRasterAndNumbers()
    {
        AppState state;
        StartWithModel(state, OptionPA);
        test::RecordingMessageSink sink;
        const ChannelTable before = state.Image.Channels;
        ChannelDialogEditor dialog(state, sink);
        dialog.listSelected(DialogList::Step, 0);
        dialog.textChanged(DialogText::Frequency, "446.00625");
        dialog.stepLostFocus();
        QCOMPARE(dialog.form().txtFrequency, "446.00500");
        dialog.textChanged(DialogText::ShiftFreq, ".");
        dialog.lostFocus(DialogText::ShiftFreq);
        QCOMPARE(dialog.form().txtShiftFreq, "");
        QCOMPARE(sink.texts(), (Texts{RoundedFrequencyMessage, NotANumberMessage}));
        // A lone point that was never left still cannot be stored.
        sink.shown.clear();
        dialog.textChanged(DialogText::ShiftFreq, ".");
        QVERIFY(!dialog.okClicked());
        QCOMPARE(sink.texts(), (Texts{NotANumberMessage}));
        QVERIFY(state.Image.Channels == before);
        QVERIFY(!state.Image.ChannelsChanged);
    }

    // The PMR-only variant stores its channels as PMR channels, so that the grid, a
    // reload of the dialog and the radio see them as such.
    void pmrOnlyChannelsAreMarkedPmr()
    {
        AppState state;
        StartWithModel(state, OptionPmrOnly);
        test::RecordingMessageSink sink;
        QVERIFY(StoreRow(state, sink, 2, [](ChannelDialogEditor& dialog) {
            dialog.textChanged(DialogText::PmrFreq, "6");
        }));
        const ChannelRecord& record = state.Image.Channels.at(1);
        QVERIFY(record.IsPmr());
        QCOMPARE(record.Frequency, 6 * PmrChannelUnit);
        QCOMPARE(state.Grid.TextMatrix(2, 1), "6");
        QCOMPARE(state.Grid.TextMatrix(2, 11), "--");
        ChannelGridEditor(state).rowSelected(2);
        ChannelDialogEditor reopened(state, sink);
        QCOMPARE(reopened.form().txtPmrFreq, "6");
        QCOMPARE(reopened.form().optModel, 1);
        QVERIFY(reopened.form().Enabled.isEnabled("txtPmrFreq"));
    }
};

QTEST_GUILESS_MAIN(EditorStateTest)
#include "test_editors_state.moc"
