// The codecs between the radio image and the form states of the VFO window, the
// channel grid and the channel dialog.
#include "core/AppState.h"
#include "image/ChannelDialogForm.h"
#include "image/ModelRules.h"
#include "image/VfoCodec.h"
#include "support/RecordingMessageSink.h"

#include <QtTest>

#include <functional>

using namespace kvr27;

namespace {

AppState StartedAs(int option)
{
    AppState state;
    StartWithModel(state, option);
    return state;
}

QStringList RowTexts(const ChannelGrid& grid, int row)
{
    QStringList texts;
    for (int col = 1; col <= 11; ++col)
        texts << QString::fromStdString(grid.TextMatrix(row, col));
    return texts;
}

using ByteField = std::uint8_t VfoSettings::*;
using Expectation = std::function<int(int)>;
using TextBox = std::string VfoForm::*;

} // namespace

Q_DECLARE_METATYPE(ByteField)
Q_DECLARE_METATYPE(Expectation)
Q_DECLARE_METATYPE(TextBox)

class TestImageCodecs : public QObject {
    Q_OBJECT
private slots:
    void packedByteRoundTrip_data();
    void packedByteRoundTrip();
    void fillShowsPackedSettings();
    void fillMarksChangeOnlyWhenAnOptionMoves();
    void collectRefuses_data();
    void collectRefuses();
    void modelControls_data();
    void modelControls();
    void gridRowTexts_data();
    void gridRowTexts();
    void dialogOnEmptyChannelStoresTheDefaults();
    void dialogStoresFlagsAndPmrChannel_data();
    void dialogStoresFlagsAndPmrChannel();
    void dialogLoadsPmrRecord();
};

void TestImageCodecs::packedByteRoundTrip_data()
{
    QTest::addColumn<ByteField>("field");
    QTest::addColumn<Expectation>("expected");
    // Codes 3 of the three-way groups leave the options as the start-up fill set them.
    QTest::newRow("LockPowerTone") << &VfoSettings::LockPowerTone
                                   << Expectation([](int v) { return (v & 0xC0) | ((v & 3) == 3 ? 0 : v & 3); });
    QTest::newRow("BatteryBeepSquelch") << &VfoSettings::BatteryBeepSquelch << Expectation([](int v) { return v; });
    QTest::newRow("BellShiftStep") << &VfoSettings::BellShiftStep
                                   << Expectation([](int v) { return (v & 0x30) == 0x30 ? v & 0xCF : v; });
    QTest::newRow("BcloCallTot") << &VfoSettings::BcloCallTot << Expectation([](int v) { return v; });
    QTest::newRow("SkipScanApo drops scan skip")
        << &VfoSettings::SkipScanApo << Expectation([](int v) { return v & 0x47; });
    QTest::newRow("EpoLamp") << &VfoSettings::EpoLamp
                             << Expectation([](int v) { return (v & 0x80) | ((v & 0x30) == 0x30 ? 0 : v & 0x30); });
    QTest::newRow("RptFlags") << &VfoSettings::RptFlags
                              << Expectation([](int v) { return (v & 0x40) | ((v & 0x30) == 0x30 ? 0x20 : v & 0x30); });
}

void TestImageCodecs::packedByteRoundTrip()
{
    QFETCH(ByteField, field);
    QFETCH(Expectation, expected);
    for (int v = 0; v < 256; ++v) {
        AppState state = StartedAs(0);
        state.Image.Vfo.*field = static_cast<std::uint8_t>(v);
        FillVfoWindow(state.Image, state.Vfo);
        test::RecordingMessageSink messages;
        QCOMPARE(CollectVfoWindow(state.Image, state.Vfo, messages), 0);
        QVERIFY(messages.shown.empty());
        if (int(state.Image.Vfo.*field) != expected(v))
            QFAIL(qPrintable(QString("byte %1h collected as %2h").arg(v, 2, 16).arg(int(state.Image.Vfo.*field), 2, 16)));
    }
}

void TestImageCodecs::fillShowsPackedSettings()
{
    AppState state = StartedAs(0);
    VfoSettings& vfo = state.Image.Vfo;
    vfo.LockPowerTone = 0xC1;
    vfo.BatteryBeepSquelch = 0x67;
    vfo.BcloCallTot = 0xB5;
    vfo.SkipScanApo = 0xC2;
    vfo.Frequency = 44600625;
    FillVfoWindow(state.Image, state.Vfo);
    const VfoForm& f = state.Vfo;
    // Key lock On, Low, T; 1(AA), beeper On, saving On; BCLO On, 1750Hz, 150sec;
    // scan skip On, Busy, 60min.
    QCOMPARE((QList<int>{f.optKeyLock, f.optTxPower, f.optToneSet, f.optBattery, f.optBeep, f.optBs, f.optBclo,
                         f.CboCallTone, f.cboTot, f.optSkip, f.optScan, f.cboApo}),
             (QList<int>{0, 1, 1, 0, 0, 0, 0, 3, 5, 0, 1, 2}));
    QCOMPARE(f.txtSquelch, std::string("7"));
    QCOMPARE(f.txtFrequency, std::string("446.00625"));

    test::RecordingMessageSink messages;
    state.Vfo.txtFrequency = "434";
    QCOMPARE(CollectVfoWindow(state.Image, state.Vfo, messages), 0);
    QCOMPARE(vfo.Frequency, 43400000);
    QCOMPARE(int(vfo.SkipScanApo), 0x42);
}

void TestImageCodecs::fillMarksChangeOnlyWhenAnOptionMoves()
{
    AppState state = StartedAs(1);
    QVERIFY(!state.Image.VfoChanged);
    FillVfoWindow(state.Image, state.Vfo);
    QVERIFY(!state.Image.VfoChanged);

    // A lamp code of 3 leaves the group's selection as it was: nothing moves.
    state.Image.Vfo.EpoLamp = 0x30;
    FillVfoWindow(state.Image, state.Vfo);
    QVERIFY(!state.Image.VfoChanged);
    QCOMPARE(state.Vfo.optLamp, 0);

    state.Image.Vfo.EpoLamp = 0x20;
    FillVfoWindow(state.Image, state.Vfo);
    QVERIFY(state.Image.VfoChanged);
    QCOMPARE(state.Vfo.optLamp, 2);
}

void TestImageCodecs::collectRefuses_data()
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
    QTest::newRow("repeater offset past 32 bits") << &VfoForm::txtRptShiftFreq << "21474.83648" << NotANumberMessage;
    QTest::newRow("PMR channel above a byte") << &VfoForm::txtPmrFreq << "256" << NotANumberMessage;
    QTest::newRow("squelch above its five bits") << &VfoForm::txtSquelch << "32" << NotANumberMessage;
}

void TestImageCodecs::collectRefuses()
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

void TestImageCodecs::modelControls_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("groupA");
    QTest::addColumn<bool>("groupB");
    QTest::addColumn<bool>("groupC");
    QTest::newRow("PA 6") << 0 << 6 << false << true << true;
    QTest::newRow("PA 8") << 0 << 8 << false << true << true;
    QTest::newRow("PA 7") << 0 << 7 << true << true << true;
    QTest::newRow("PA 9") << 0 << 9 << true << true << true;
    QTest::newRow("Z 4") << 1 << 4 << true << false << true;
    QTest::newRow("X 3") << 2 << 3 << true << false << true;
    QTest::newRow("PMR only") << 3 << 11 << false << true << false;
    QTest::newRow("PMR only with 9") << 3 << 9 << true << true << true;
    QTest::newRow("LPD only") << 4 << 10 << false << false << true;
}

void TestImageCodecs::modelControls()
{
    QFETCH(int, option);
    QFETCH(int, code);
    QFETCH(bool, groupA);
    QFETCH(bool, groupB);
    QFETCH(bool, groupC);
    AppState state = StartedAs(option);
    state.Image.ModelCode = static_cast<std::uint8_t>(code);
    FillVfoWindow(state.Image, state.Vfo);
    const bool expected[] = {groupA, groupB, groupC};
    for (std::size_t g = 0; g < AllModelControlGroups.size(); ++g)
        for (std::string_view control : ModelControlGroupControls(AllModelControlGroups[g]))
            QVERIFY2(state.Vfo.Enabled.isEnabled(control) == expected[g], std::string(control).c_str());
    // Controls outside the three groups are never touched.
    QVERIFY(state.Vfo.Enabled.isEnabled("Frame1_1"));
    QVERIFY(state.Vfo.Enabled.isEnabled("txtSquelch"));
}

void TestImageCodecs::gridRowTexts_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("txTone");
    QTest::addColumn<int>("pmrTone");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("PA PMR channel 3")
        << "KV-R27PA" << 0x03000000 << 0x08 << 0 << 8 << 2
        << QStringList{"3", "5KHz", "None", "0.60000", "Off", "Off", "None", "88.5Hz", "88.5Hz", "3", "PMR"};
    QTest::newRow("PA LPD") << "KV-R27PA" << 43400000 << 0x04 << 0x13 << 0 << 39
                            << QStringList{"434.00000", "12.5KHz", "None", "0.60000", "Off", "Off", "None",
                                           "67.0Hz",    "88.5Hz",  "Off",  "LPD"};
    QTest::newRow("PA no mode is LPD") << "KV-R27PA" << 43306476 << 0xC0 << 2 << 38 << 0
                                       << QStringList{"433.06476", "10KHz", "None", "0.60000", "On", "On", "None",
                                                      "250.3Hz",   "88.5Hz", "1",   "LPD"};
    QTest::newRow("Z skip only") << "KV-R27Z" << 44500000 << (0x40 | 0x12) << 8 << 8 << 0
                                 << QStringList{"445.00000", "50KHz", "+", "0.60000", "Off", "On", "TSQ",
                                                "88.5Hz",    "88.5Hz", "--", "--"};
    QTest::newRow("X PMR flag shows MHz") << "KV-R27X" << 0x03000000 << 0x88 << 0 << 8 << 0
                                          << QStringList{"503.31648", "5KHz", "None", "0.60000", "On", "Off", "None",
                                                         "88.5Hz",    "88.5Hz", "--", "--"};
    QTest::newRow("codes outside the tables") << "KV-R27PA" << 43400000 << 0x37 << 9 << 39 << 40
                                              << QStringList{"434.00000", "?", "?", "0.60000", "Off", "Off", "?",
                                                             "?",         "88.5Hz", "?", "LPD"};
}

void TestImageCodecs::gridRowTexts()
{
    QFETCH(QString, model);
    QFETCH(int, frequency);
    QFETCH(int, flags);
    QFETCH(int, step);
    QFETCH(int, txTone);
    QFETCH(int, pmrTone);
    QFETCH(QStringList, texts);
    AppState state = StartedAs(0);
    state.Image.ModelName = model.toStdString();
    SetupChannelGrid(state.Grid, state.Image.ModelName);
    ChannelRecord& record = state.Image.Channels.at(41);
    record = {frequency, 60000, std::uint8_t(txTone), 8, std::uint8_t(pmrTone), std::uint8_t(flags),
              std::uint8_t(step), true};
    RefreshChannelGrid(state.Image, state.Grid);
    QCOMPARE(RowTexts(state.Grid, 42), texts);
}

void TestImageCodecs::dialogOnEmptyChannelStoresTheDefaults()
{
    AppState state = StartedAs(0);
    state.Image.Vfo.Frequency = 43000000; // the VFO moved after start-up; defaults did not
    SelectChannelRow(state.Grid, 1);
    ChannelDialogForm form;
    LoadChannelDialog(state.Image, state.Grid, form);
    QCOMPARE(form.txtFrequency, std::string("434.00000"));
    QCOMPARE(form.txtShiftFreq, std::string("0.60000"));
    QCOMPARE(form.cboStep, 3);
    QCOMPARE(form.cboPmrTone, 39);
    QCOMPARE(form.optShift, 0);
    QCOMPARE(form.optSkip, 1);
    QCOMPARE(form.optBclo, 1);
    QCOMPARE(form.optToneSet, 0);
    QCOMPARE(form.optModel, 0);
    QVERIFY(form.Enabled.isEnabled("Frame1_0") && !form.Enabled.isEnabled("Frame1_7"));
    QVERIFY(!form.Enabled.isEnabled("Label1_2") && !form.Enabled.isEnabled("txtPmrFreq"));

    test::RecordingMessageSink messages;
    QVERIFY(StoreChannelDialog(state.Image, state.Grid, form, messages));
    const ChannelRecord expected{43400000, 60000, 8, 8, 39, ModeLpdFlag, 3, true};
    QVERIFY(state.Image.Channels.at(0) == expected);
    QVERIFY(state.Image.ChannelsChanged && state.Image.SettingsChanged);
    QCOMPARE(QString::fromStdString(state.Grid.TextMatrix(1, 1)), QString("434.00000"));
    QCOMPARE(state.Grid.Look[1], RowLook::Normal);
}

void TestImageCodecs::dialogStoresFlagsAndPmrChannel_data()
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

void TestImageCodecs::dialogStoresFlagsAndPmrChannel()
{
    QFETCH(int, option);
    QFETCH(int, mode);
    QFETCH(bool, modeFrameEnabled);
    QFETCH(int, flags);
    QFETCH(int, frequency);
    AppState state = StartedAs(option);
    SelectChannelRow(state.Grid, 10);
    ChannelDialogForm form;
    LoadChannelDialog(state.Image, state.Grid, form);
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

void TestImageCodecs::dialogLoadsPmrRecord()
{
    AppState state = StartedAs(0);
    state.Image.Channels.at(2) = {0x05000000, 12500, 1, 2, 3, 0x08 | 0x30 | 0x03, 0x21, true};
    RefreshChannelGrid(state.Image, state.Grid);
    SelectChannelRow(state.Grid, 3);
    ChannelDialogForm form;
    LoadChannelDialog(state.Image, state.Grid, form);
    QCOMPARE(form.optModel, 1);
    QCOMPARE(form.txtPmrFreq, std::string("5"));
    QCOMPARE(form.txtFrequency, std::string("434.00000"));
    QCOMPARE(form.txtShiftFreq, std::string("0.12500"));
    QCOMPARE(form.cboStep, 1);
    QCOMPARE(form.optShift, NoSelection); // shift code 3 selects nothing
    QCOMPARE(form.optToneSet, NoSelection);
    QVERIFY(!form.Enabled.isEnabled("Frame1_0") && form.Enabled.isEnabled("Frame1_11"));
}

QTEST_GUILESS_MAIN(TestImageCodecs)
#include "test_image_codecs.moc"
