// The editors' rules on the form states: change tracking of the VFO window, OK and
// Cancel, the grid's commands, and the channel dialog.
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

Texts Message(const QString& text)
{
    return text.isEmpty() ? Texts{} : Texts{text.toStdString()};
}

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
        QTest::newRow("squelch same level, other text") << s << "07" << false << "07" << "";
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
        QCOMPARE(vfo.sink.texts(), Message(message));
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
        QVERIFY(!vfo.state.Image.VfoChanged);
        vfo.editor.listSelected(VfoList::Step, 0);
        QVERIFY(vfo.state.Image.VfoChanged);
        QVERIFY(vfo.editor.cancelClicked());
        QVERIFY(!vfo.state.Image.VfoChanged);
        vfo.editor.optionSelected(VfoOption::Beep, 0); // options are not compared
        QVERIFY(vfo.state.Image.VfoChanged);
        QVERIFY(vfo.editor.okClicked());
        QVERIFY(vfo.state.Image.SettingsChanged && !vfo.state.Image.VfoChanged);
    }

    // The commands change nothing on empty rows; "Exit" makes the lowest enabled
    // channel the current one, the close box does so keeping the flags.
    void gridCommands()
    {
        Started started;
        AppState& state = started.state;
        ChannelGridEditor grid(state);
        grid.load();
        const ChannelTable empty = state.Image.Channels;
        grid.rowSelected(5);
        grid.enableClicked();
        grid.enableAllClicked();
        QVERIFY(!state.Image.ChannelsChanged && state.Image.Channels == empty);

        QVERIFY(started.storeRow(9));
        QVERIFY(started.storeRow(5));
        state.Image.SettingsChanged = false;
        grid.closed();
        QCOMPARE(int(state.Image.Vfo.CurrentChannel), 5);
        QVERIFY(state.Image.ChannelsChanged && !state.Image.SettingsChanged);
        grid.exitClicked();
        QVERIFY(!state.Image.ChannelsChanged && state.Image.SettingsChanged);
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
        QTest::addColumn<QString>("message"); // empty: stored

        const QString blank = EditingIncompleteMessage;
        QTest::newRow("PA LPD no frequency") << int(OptionPA) << 0 << "" << "0.60000" << "1" << blank;
        QTest::newRow("PA LPD no pmr channel") << int(OptionPA) << 0 << "434.00000" << "0.60000" << "" << "";
        QTest::newRow("PA LPD lone point") << int(OptionPA) << 0 << "434.00000" << "." << "1" << NotANumberMessage;
        QTest::newRow("PA PMR no frequency") << int(OptionPA) << 1 << "" << "0.60000" << "3" << "";
        QTest::newRow("PA PMR no pmr channel") << int(OptionPA) << 1 << "434.00000" << "0.60000" << "" << blank;
        QTest::newRow("PA PMR no offset") << int(OptionPA) << 1 << "434.00000" << "" << "3" << blank;
        QTest::newRow("Z no frequency") << int(OptionZ) << -1 << "" << "0.60000" << "1" << blank;
        QTest::newRow("LPD only no offset") << int(OptionLpdOnly) << -1 << "434.00000" << "" << "1" << blank;
        QTest::newRow("PMR only no pmr channel") << int(OptionPmrOnly) << -1 << "434.00000" << "0.60000" << "" << blank;
    }

    void dialogModesAndBlankFields()
    {
        QFETCH(int, option);
        QFETCH(int, mode);
        QFETCH(QString, frequency);
        QFETCH(QString, offset);
        QFETCH(QString, pmr);
        QFETCH(QString, message);
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
        QCOMPARE(closed, message.isEmpty());
        QCOMPARE(started.state.Image.ChannelsChanged, closed);
        QCOMPARE(started.state.Image.Channels == before, !closed);
        QCOMPARE(started.sink.texts(), Message(message));
    }

    // The PMR-only variant stores its channels as PMR channels, so that the grid, a
    // reload of the dialog and the radio see them as such.
    void pmrOnlyChannelsAreMarkedPmr()
    {
        Started started(OptionPmrOnly);
        AppState& state = started.state;
        QVERIFY(started.storeRow(2, [](ChannelDialogEditor& dialog) { dialog.textChanged(DialogText::PmrFreq, "6"); }));
        QVERIFY(state.Image.Channels.at(1).IsPmr());
        QCOMPARE(state.Grid.TextMatrix(2, 11), "--");
        ChannelDialogEditor reopened(state, started.sink);
        QCOMPARE(reopened.form().txtPmrFreq, "6");
        QCOMPARE(reopened.form().optModel, 1);
    }
};

QTEST_GUILESS_MAIN(EditorStateTest)
#include "test_editors_state.moc"
