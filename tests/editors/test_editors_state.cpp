// The editors' rules on the form states: the grid's commands and the channel dialog.
#include "commands/AppState.h"
#include "commands/ChannelDialogEditor.h"
#include "commands/ChannelGridEditor.h"
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

} // namespace

class EditorStateTest : public QObject {
    Q_OBJECT

private slots:
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
        QVERIFY(started.storeRow(9) && started.storeRow(5));
        state.Image.SettingsChanged = false;
        grid.closed();
        QCOMPARE(int(state.Image.Vfo.CurrentChannel), 5);
        QVERIFY(state.Image.ChannelsChanged && !state.Image.SettingsChanged);
        grid.exitClicked();
        QVERIFY(!state.Image.ChannelsChanged && state.Image.SettingsChanged);
    }

    // The channel dialog by model and mode: the blank-field test follows the mode.
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
        QTest::newRow("PA PMR no frequency") << int(OptionPA) << 1 << "" << "0.60000" << "3" << "";
        QTest::newRow("PA PMR no pmr channel") << int(OptionPA) << 1 << "434.00000" << "0.60000" << "" << blank;
        QTest::newRow("PA PMR no offset") << int(OptionPA) << 1 << "434.00000" << "" << "3" << blank;
        QTest::newRow("Z no frequency") << int(OptionZ) << -1 << "" << "0.60000" << "1" << blank;
        QTest::newRow("LPD only no offset") << int(OptionLpdOnly) << -1 << "434.00000" << "" << "1" << blank;
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
            if (mode >= 0)
                dialog.optionSelected(DialogOption::Model, mode);
            dialog.textChanged(DialogText::Frequency, frequency.toStdString());
            dialog.textChanged(DialogText::ShiftFreq, offset.toStdString());
            dialog.textChanged(DialogText::PmrFreq, pmr.toStdString());
        });
        QCOMPARE(closed, message.isEmpty());
        QVERIFY(started.state.Image.ChannelsChanged == closed && (started.state.Image.Channels == before) != closed);
        QCOMPARE(started.sink.texts(), message.isEmpty() ? Texts{} : Texts{message.toStdString()});
    }
};

QTEST_GUILESS_MAIN(EditorStateTest)
#include "test_editors_state.moc"
