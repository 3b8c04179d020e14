// The codecs between the radio image and the form states of the VFO window, the
// channel grid and the channel dialog.
#include "core/AppState.h"
#include "image/ChannelDialogForm.h"
#include "image/VfoCodec.h"
#include "support/RecordingMessageSink.h"

#include <QtTest>

using namespace kvr27;

namespace {

// Fills whose values all pass the boxes' filters.
SilentMessageSink quiet;

AppState StartedAs(int option)
{
    AppState state;
    StartWithModel(state, option);
    return state;
}

using TextBox = std::string VfoForm::*;

// The packed bytes of the VFO settings, in their order.
const std::array<std::uint8_t VfoSettings::*, 7> PackedBytes = {
    &VfoSettings::LockPowerTone, &VfoSettings::BatteryBeepSquelch, &VfoSettings::BellShiftStep,
    &VfoSettings::BcloCallTot,   &VfoSettings::SkipScanApo,        &VfoSettings::EpoLamp,
    &VfoSettings::RptFlags};

} // namespace

Q_DECLARE_METATYPE(TextBox)
Q_DECLARE_METATYPE(ChannelRecord)

class TestImageCodecs : public QObject {
    Q_OBJECT
private slots:
    // The seven packed bytes through the VFO window and back: what the option groups
    // and lists show, and the bytes collected again. Codes 3 of the three-way groups
    // leave the options as the start-up fill set them (None, None, On(5s), "-"), list
    // codes outside their lists are kept, and scan skip is never collected.
    void packedBytes_data()
    {
        QTest::addColumn<QList<int>>("bytes");
        // optKeyLock, optTxPower, optToneSet; optBattery, optBeep, optBs, squelch;
        // optBell, optStb, optShift, cboStep; optBclo, CboCallTone, cboTot; optSkip,
        // optScan, cboApo; optEpo, optLamp; optRptShift, optRptTone.
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<QList<int>>("collected");
        QTest::newRow("bits set") << QList<int>{0xC1, 0x67, 0xD8, 0xB5, 0xC2, 0xA0, 0x50}
                                  << QList<int>{0, 1, 1, 0, 0, 0, 7, 0, 0, 1, 8, 0, 3, 5, 0, 1, 2, 0, 2, 1, 0}
                                  << QList<int>{0xC1, 0x67, 0xD8, 0xB5, 0x42, 0xA0, 0x50};
        QTest::newRow("bits clear") << QList<int>{0x02, 0x94, 0x20, 0x4F, 0x04, 0x10, 0x20}
                                    << QList<int>{1, 0, 2, 1, 1, 1, 20, 1, 1, 2, 0, 1, 4, 15, 1, 0, 4, 1, 1, 2, 1}
                                    << QList<int>{0x02, 0x94, 0x20, 0x4F, 0x04, 0x10, 0x20};
        QTest::newRow("codes without an option") << QList<int>{0x03, 0x00, 0x3F, 0x7F, 0x07, 0x30, 0x30}
                                                 << QList<int>{1, 0, 0, 0, 1, 1, 0, 1, 1, 0, 15, 1, 7, 15, 1, 0, 7,
                                                               1, 0, 2, 1}
                                                 << QList<int>{0x00, 0x00, 0x0F, 0x7F, 0x07, 0x00, 0x20};
    }
    void packedBytes()
    {
        QFETCH(QList<int>, bytes);
        QFETCH(QList<int>, shown);
        QFETCH(QList<int>, collected);
        AppState state = StartedAs(0);
        for (std::size_t i = 0; i < PackedBytes.size(); ++i)
            state.Image.Vfo.*PackedBytes[i] = static_cast<std::uint8_t>(bytes[qsizetype(i)]);
        FillVfoWindow(state.Image, state.Vfo, quiet);
        const VfoForm& f = state.Vfo;
        QCOMPARE((QList<int>{f.optKeyLock, f.optTxPower, f.optToneSet, f.optBattery, f.optBeep, f.optBs,
                             QString::fromStdString(f.txtSquelch).toInt(), f.optBell, f.optStb, f.optShift, f.cboStep,
                             f.optBclo, f.CboCallTone, f.cboTot, f.optSkip, f.optScan, f.cboApo, f.optEpo, f.optLamp,
                             f.optRptShift, f.optRptTone}),
                 shown);
        test::RecordingMessageSink messages;
        QCOMPARE(CollectVfoWindow(state.Image, state.Vfo, messages), 0);
        QList<int> after;
        for (auto field : PackedBytes)
            after << state.Image.Vfo.*field;
        QCOMPARE(after, collected);
    }

    void fillMarksChangeOnlyWhenAnOptionMoves()
    {
        AppState state = StartedAs(1);
        QVERIFY(!state.Image.VfoChanged);
        FillVfoWindow(state.Image, state.Vfo, quiet);
        QVERIFY(!state.Image.VfoChanged);

        // A lamp code of 3 leaves the group's selection as it was: nothing moves.
        state.Image.Vfo.EpoLamp = 0x30;
        FillVfoWindow(state.Image, state.Vfo, quiet);
        QVERIFY(!state.Image.VfoChanged);
        QCOMPARE(state.Vfo.optLamp, 0);

        state.Image.Vfo.EpoLamp = 0x20;
        FillVfoWindow(state.Image, state.Vfo, quiet);
        QVERIFY(state.Image.VfoChanged);
        QCOMPARE(state.Vfo.optLamp, 2);
    }

    void collectRefuses_data()
    {
        QTest::addColumn<TextBox>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString blank = EditingIncompleteMessage;
        QTest::newRow("empty frequency") << &VfoForm::txtFrequency << "" << blank;
        QTest::newRow("empty offset") << &VfoForm::txtShiftFreq << "" << blank;
        QTest::newRow("empty repeater offset") << &VfoForm::txtRptShiftFreq << "" << blank;
        QTest::newRow("empty PMR channel") << &VfoForm::txtPmrFreq << "" << blank;
        QTest::newRow("empty squelch") << &VfoForm::txtSquelch << "" << blank;
        QTest::newRow("repeater offset past 32 bits")
            << &VfoForm::txtRptShiftFreq << "21474.83648" << NotANumberMessage;
        QTest::newRow("PMR channel above a byte") << &VfoForm::txtPmrFreq << "256" << NotANumberMessage;
        QTest::newRow("squelch above its five bits") << &VfoForm::txtSquelch << "32" << NotANumberMessage;
    }
    void collectRefuses()
    {
        QFETCH(TextBox, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        AppState state = StartedAs(0);
        state.Vfo.txtSquelch = "3"; // edits that must not be stored either
        state.Vfo.optKeyLock = 0;
        state.Vfo.*box = text.toStdString();
        const VfoSettings before = state.Image.Vfo;
        test::RecordingMessageSink messages;
        QCOMPARE(CollectVfoWindow(state.Image, state.Vfo, messages), -1);
        QVERIFY(messages.shown == std::vector<test::ShownMessage>{{message.toStdString()}});
        QVERIFY(state.Image.Vfo == before);
    }

    void gridRowTexts_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<ChannelRecord>("record");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("PA PMR channel 3")
            << "KV-R27PA" << ChannelRecord{0x03000000, 60000, 8, 8, 2, 0x08, 0, true}
            << QStringList{"3", "5KHz", "None", "0.60000", "Off", "Off", "None", "88.5Hz", "88.5Hz", "3", "PMR"};
        QTest::newRow("PA LPD")
            << "KV-R27PA" << ChannelRecord{43400000, 60000, 0, 8, 39, 0x04, 0x13, true}
            << QStringList{"434.00000", "12.5KHz", "None", "0.60000", "Off", "Off", "None", "67.0Hz", "88.5Hz", "Off",
                           "LPD"};
        QTest::newRow("PA no mode is LPD")
            << "KV-R27PA" << ChannelRecord{43306476, 60000, 38, 8, 0, 0xC0, 2, true}
            << QStringList{"433.06476", "10KHz", "None", "0.60000", "On", "On", "None", "250.3Hz", "88.5Hz", "1",
                           "LPD"};
        QTest::newRow("Z skip only")
            << "KV-R27Z" << ChannelRecord{44500000, 60000, 8, 8, 0, 0x52, 8, true}
            << QStringList{"445.00000", "50KHz", "+", "0.60000", "Off", "On", "TSQ", "88.5Hz", "88.5Hz", "--", "--"};
        QTest::newRow("X PMR flag shows MHz")
            << "KV-R27X" << ChannelRecord{0x03000000, 60000, 8, 8, 0, 0x88, 0, true}
            << QStringList{"503.31648", "5KHz", "None", "0.60000", "On", "Off", "None", "88.5Hz", "88.5Hz", "--", "--"};
        QTest::newRow("codes outside the tables")
            << "KV-R27PA" << ChannelRecord{43400000, 60000, 39, 8, 40, 0x37, 9, true}
            << QStringList{"434.00000", "?", "?", "0.60000", "Off", "Off", "?", "?", "88.5Hz", "?", "LPD"};
    }
    void gridRowTexts()
    {
        QFETCH(QString, model);
        QFETCH(ChannelRecord, record);
        QFETCH(QStringList, texts);
        AppState state = StartedAs(0);
        state.Image.ModelName = model.toStdString();
        SetupChannelGrid(state.Grid, state.Image.ModelName);
        state.Image.Channels.at(41) = record;
        RefreshChannelGrid(state.Image, state.Grid);
        QStringList shown;
        for (int col = 1; col <= 11; ++col)
            shown << QString::fromStdString(state.Grid.TextMatrix(42, col));
        QCOMPARE(shown, texts);
    }

    void dialogOnEmptyChannelStoresTheDefaults()
    {
        AppState state = StartedAs(0);
        state.Image.Vfo.Frequency = 43000000; // the VFO moved after start-up; defaults did not
        SelectChannelRow(state.Grid, 1);
        ChannelDialogForm form;
        LoadChannelDialog(state.Image, state.Grid, form, quiet);
        QCOMPARE(form.txtFrequency + ' ' + form.txtShiftFreq, std::string("434.00000 0.60000"));
        // Step 12.5KHz, PMR tone Off, no shift, skip and BCLO Off, no tone, LPD.
        QCOMPARE((QList<int>{form.cboStep, form.cboPmrTone, form.optShift, form.optSkip, form.optBclo, form.optToneSet,
                             form.optModel}),
                 (QList<int>{3, 39, 0, 1, 1, 0, 0}));
        QVERIFY(form.Enabled.isEnabled("Frame1_0") && !form.Enabled.isEnabled("Frame1_7"));
        QVERIFY(!form.Enabled.isEnabled("Label1_2") && !form.Enabled.isEnabled("txtPmrFreq"));

        test::RecordingMessageSink messages;
        QVERIFY(StoreChannelDialog(state.Image, state.Grid, form, messages));
        QVERIFY(state.Image.Channels.at(0) == (ChannelRecord{43400000, 60000, 8, 8, 39, 0x04, 3, true}));
        QVERIFY(state.Image.ChannelsChanged && state.Image.SettingsChanged);
        QCOMPARE(QString::fromStdString(state.Grid.TextMatrix(1, 1)), QString("434.00000"));
        QCOMPARE(state.Grid.Look[1], RowLook::Normal);
    }

    void dialogStoresFlagsAndPmrChannel_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("modeFrameEnabled");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("frequency");
        QTest::newRow("PA LPD + and TSQ") << 0 << 0 << true << 0x16 << 43400000;
        QTest::newRow("PA PMR 8") << 0 << 1 << true << 0x1A << 0x08000000;
        QTest::newRow("Z mode frame disabled") << 1 << 0 << false << 0x12 << 43400000;
        QTest::newRow("X keeps MHz even with PMR chosen") << 2 << 1 << false << 0x12 << 43400000;
    }
    void dialogStoresFlagsAndPmrChannel()
    {
        QFETCH(int, option);
        QFETCH(int, mode);
        QFETCH(bool, modeFrameEnabled);
        QFETCH(int, flags);
        QFETCH(int, frequency);
        AppState state = StartedAs(option);
        SelectChannelRow(state.Grid, 10);
        ChannelDialogForm form;
        LoadChannelDialog(state.Image, state.Grid, form, quiet);
        form.Enabled.set("Frame1_10", modeFrameEnabled);
        form.optModel = mode;
        form.optShift = 1;
        form.optToneSet = 2;
        form.txtFrequency = "434";
        form.txtPmrFreq = "8";
        test::RecordingMessageSink messages;
        QVERIFY(StoreChannelDialog(state.Image, state.Grid, form, messages));
        QCOMPARE(int(state.Image.Channels.at(9).ChannelFlags), flags);
        QCOMPARE(state.Image.Channels.at(9).Frequency, frequency);
    }

    void dialogLoadsPmrRecord()
    {
        AppState state = StartedAs(0);
        state.Image.Channels.at(2) = {0x05000000, 12500, 1, 2, 3, 0x08 | 0x30 | 0x03, 0x21, true};
        RefreshChannelGrid(state.Image, state.Grid);
        SelectChannelRow(state.Grid, 3);
        ChannelDialogForm form;
        LoadChannelDialog(state.Image, state.Grid, form, quiet);
        QCOMPARE(form.optModel, 1);
        QCOMPARE(form.txtPmrFreq, std::string("5"));
        QCOMPARE(form.txtFrequency, std::string("434.00000"));
        QCOMPARE(form.txtShiftFreq, std::string("0.12500"));
        QCOMPARE(form.cboStep, 1);
        QCOMPARE(form.optShift, NoSelection); // shift code 3 selects nothing
        QCOMPARE(form.optToneSet, NoSelection);
        QVERIFY(!form.Enabled.isEnabled("Frame1_0") && form.Enabled.isEnabled("Frame1_11"));
    }
};

QTEST_GUILESS_MAIN(TestImageCodecs)
#include "test_image_codecs.moc"
