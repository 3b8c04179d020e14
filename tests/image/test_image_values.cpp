// Frequency texts, label tables, start-up values and model rules of the radio image.
#include "core/AppState.h"
#include "image/FrequencyText.h"
#include "image/Labels.h"
#include "image/ModelRules.h"
#include "support/RecordingMessageSink.h"

#include <QtTest>

using namespace kvr27;

namespace {

struct RangeCase {
    const char* model;
    int code;
    const char* text;
    bool showRange, showModel;
    int result;
    const char* message; // "": none
};

QStringList Texts(LabelTable table)
{
    QStringList texts;
    for (std::string_view text : table)
        texts << QString::fromUtf8(text.data(), qsizetype(text.size()));
    return texts;
}

// The fields VfoDefaults shares with VfoSettings, in the order of VfoDefaults.
QList<qint64> SharedFields(const auto& s)
{
    return {s.Frequency,     s.LockPowerTone, s.TxTone,       s.RxTone,  s.PmrTone,
            s.PmrChannel,    s.ShiftFreq,     s.BatteryBeepSquelch, s.BellShiftStep, s.BcloCallTot,
            s.SkipScanApo,   s.EpoLamp,       s.RptShiftFreq, s.RptTone, s.RptFlags};
}

} // namespace

Q_DECLARE_METATYPE(RangeCase)
Q_DECLARE_METATYPE(VfoSettings)
Q_DECLARE_METATYPE(ChannelRecord)

class TestImageValues : public QObject {
    Q_OBJECT
private slots:
    // Decimal text times a factor, halves to even; nothing that does not fit.
    void parseFrequency_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("factor");
        QTest::addColumn<QVariant>("units"); // none: refused
        QTest::newRow("whole MHz") << "434" << qint64(100000) << QVariant(43400000);
        QTest::newRow("trailing point") << "5." << qint64(100000) << QVariant(500000);
        QTest::newRow("leading point") << ".5" << qint64(100000) << QVariant(50000);
        QTest::newRow("half rounds to even, down") << "0.000005" << qint64(100000) << QVariant(0);
        QTest::newRow("half rounds to even, up") << "0.000015" << qint64(100000) << QVariant(2);
        QTest::newRow("above half rounds up") << "0.0000050001" << qint64(100000) << QVariant(1);
        QTest::newRow("below half rounds down") << "433.0000049999999999999999" << qint64(100000) << QVariant(43300000);
        QTest::newRow("negative half to even") << "-0.000025" << qint64(100000) << QVariant(-2);
        for (const char* text : {"21474.83648", "21474.836475", "99999.999", "123456789012345678901234567890", ".", "",
                                 "446.0.1", "44x", " 434", "4e2", "-"})
            QTest::addRow("refused: \"%s\"", text) << QString(text) << qint64(100000) << QVariant();
        QTest::newRow("PMR channel 8") << "8" << qint64(16777216) << QVariant(0x08000000);
        QTest::newRow("PMR channel 127") << "127" << qint64(16777216) << QVariant(0x7F000000);
        QTest::newRow("PMR channel 128 overflows") << "128" << qint64(16777216) << QVariant();
    }
    void parseFrequency()
    {
        QFETCH(QString, text);
        QFETCH(qint64, factor);
        QFETCH(QVariant, units);
        const auto result = ScaleDecimalText(text.toStdString(), factor);
        QCOMPARE(result ? QVariant(*result) : QVariant(), units);
    }

    // Five decimals, "." always, and the text reads back as the same count.
    void formatFrequency_data()
    {
        QTest::addColumn<int>("units");
        QTest::addColumn<QString>("text");
        QTest::newRow("VFO") << 43400000 << "434.00000";
        QTest::newRow("offset") << 60000 << "0.60000";
        QTest::newRow("zero") << 0 << "0.00000";
        QTest::newRow("odd step") << 44600625 << "446.00625";
        QTest::newRow("negative") << -100000 << "-1.00000";
        QTest::newRow("int32 max") << 2147483647 << "21474.83647";
        QTest::newRow("int32 min") << int(-2147483648LL) << "-21474.83648";
    }
    void formatFrequency()
    {
        QFETCH(int, units);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(FormatFrequency(units)), text);
        QCOMPARE(ParseFrequency(text.toStdString()).value(), units);
    }

    // The texts the windows, the grid and the channel files show for each code.
    void labelTables_data()
    {
        QTest::addColumn<QStringList>("table");
        QTest::addColumn<QString>("texts");
        QTest::newRow("StepLabels") << Texts(StepLabels) << "5KHz 6.25KHz 10KHz 12.5KHz 15KHz 20KHz 25KHz 30KHz 50KHz";
        QTest::newRow("ShiftLabels") << Texts(ShiftLabels) << "None + -";
        QTest::newRow("ToneSetLabels") << Texts(ToneSetLabels) << "None T TSQ";
        QTest::newRow("ToneLabels")
            << Texts(ToneLabels)
            << "67.0Hz 69.3Hz 71.9Hz 74.4Hz 77.0Hz 79.7Hz 82.5Hz 85.4Hz 88.5Hz 91.5Hz 94.8Hz 97.4Hz 100.0Hz "
               "103.5Hz 107.2Hz 110.9Hz 114.8Hz 118.8Hz 123.0Hz 127.3Hz 131.8Hz 136.5Hz 141.3Hz 146.2Hz 151.4Hz "
               "156.7Hz 162.2Hz 167.9Hz 173.8Hz 179.9Hz 186.2Hz 192.8Hz 203.5Hz 210.7Hz 218.1Hz 225.7Hz 233.6Hz "
               "241.8Hz 250.3Hz";
        QTest::newRow("PmrToneLabels") << Texts(PmrToneLabels)
                                       << "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 "
                                          "29 30 31 32 33 34 35 36 37 38 39 Off";
        QTest::newRow("OnOffLabels") << Texts(OnOffLabels) << "On Off";
        QTest::newRow("ModeLabels") << Texts(ModeLabels) << "LPD PMR";
        QTest::newRow("CallToneLabels") << Texts(CallToneLabels) << "ALT 1000Hz 1450Hz 1750Hz 2100Hz";
        QTest::newRow("TotLabels") << Texts(TotLabels)
                                   << "Off 30sec 60sec 90sec 120sec 150sec 180sec 210sec 240sec 270sec 300sec 330sec "
                                      "360sec 390sec 420sec 450sec";
        QTest::newRow("ApoLabels") << Texts(ApoLabels) << "Off 30min 60min 90min 120min";
        QStringList raster;
        for (int units : StepRaster)
            raster << QString::number(units);
        QTest::newRow("StepRaster") << raster << "500 625 500 625 500 500 500 500 500";
    }
    void labelTables()
    {
        QFETCH(QStringList, table);
        QFETCH(QString, texts);
        QCOMPARE(table, texts.split(' '));
    }

    // The start window's OK: every VFO field and every channel of the model, the
    // defaults taken from them, and the grid showing 100 empty rows.
    void startupValues_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("code");
        QTest::addColumn<VfoSettings>("vfo");
        QTest::addColumn<ChannelRecord>("channel");
        QTest::newRow("PA") << 0 << "KV-R27PA" << 6
                            << VfoSettings{43400000, 0x40, 0, 0, 8, 8, 39, 1, 0, {},
                                           60000, 0x67, 0x03, 0x00, 0, 0, 500000, 8, 0x20}
                            << ChannelRecord{43400000, 60000, 8, 8, 39, 0x00, 3, false};
        QTest::newRow("Z") << 1 << "KV-R27Z" << 4
                           << VfoSettings{44500000, 0x40, 0, 0, 8, 8, 39, 1, 0, {},
                                          500000, 0x67, 0x00, 0x00, 0, 0, 500000, 8, 0x60}
                           << ChannelRecord{44500000, 500000, 8, 8, 39, 0x00, 0, false};
        QTest::newRow("X") << 2 << "KV-R27X" << 2
                           << VfoSettings{43300000, 0x40, 0, 0, 8, 8, 39, 1, 0, {},
                                          500000, 0x67, 0x03, 0x00, 0, 0, 500000, 8, 0x20}
                           << ChannelRecord{43300000, 500000, 8, 8, 39, 0x00, 3, false};
        QTest::newRow("PMR only") << 3 << "KV-R27PA(PMR only)" << 11
                                  << VfoSettings{43400000, 0x40, 0, 0, 8, 8, 39, 1, 0, {},
                                                 60000, 0x67, 0x03, 0x30, 0, 0, 500000, 8, 0x20}
                                  << ChannelRecord{43400000, 60000, 8, 8, 39, 0x00, 3, false};
        QTest::newRow("any other option") << 7 << "KV-R27PA(LPD only)" << 10
                                          << VfoSettings{43400000, 0x40, 0, 0, 8, 8, 39, 1, 0, {},
                                                         60000, 0x67, 0x03, 0x00, 0, 0, 500000, 8, 0x20}
                                          << ChannelRecord{43400000, 60000, 8, 8, 39, 0x00, 3, false};
    }
    void startupValues()
    {
        QFETCH(int, option);
        QFETCH(QString, model);
        QFETCH(int, code);
        QFETCH(VfoSettings, vfo);
        QFETCH(ChannelRecord, channel);
        AppState state;
        state.Image.Vfo.VfoReserved1 = 0x55; // left from an earlier run: start-up clears it
        state.Image.SettingsChanged = true;
        StartWithModel(state, option);

        QCOMPARE(QString::fromStdString(state.Image.ModelName), model);
        QCOMPARE(int(state.Image.ModelCode), code);
        QCOMPARE(SharedFields(state.Image.Vfo), SharedFields(vfo));
        QVERIFY(state.Image.Vfo == vfo);
        QCOMPARE(SharedFields(state.Image.Defaults), SharedFields(vfo));
        QVERIFY(!state.Image.SettingsChanged && !state.Image.VfoChanged);
        const QString last = option == 0 ? "" : "--";
        QCOMPARE(QString::fromStdString(state.Grid.TextMatrix(0, 10)), option == 0 ? "PmrTone" : "--");
        for (int row = 1; row <= 100; ++row) {
            QVERIFY(state.Image.Channels.at(row - 1) == channel);
            QStringList texts;
            for (int col = 0; col <= 11; ++col)
                texts << QString::fromStdString(state.Grid.TextMatrix(row, col));
            QCOMPARE(texts, QStringList({QString::number(row - 1), "", "", "", "", "", "", "", "", "", last, last}));
        }
        QCOMPARE(state.Grid.Row, 1);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, state.Image.Channels.at(100));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, state.Image.Channels.at(-1));
    }

    // The transmit ranges by model and radio code, with or without their messages.
    void checkFrequencyRange_data()
    {
        QTest::addColumn<RangeCase>("c");
        const char* lpd = "Enter from 433.06 to 434.785 or less only.";
        const char* wide = "Enter from 420 to 474 or less only.";
        const char* mismatch = "The selected and actual models are different.";
        QTest::newRow("PA 6 low edge") << RangeCase{"KV-R27PA", 6, "433.06", true, true, 0, ""};
        QTest::newRow("PA 6 below low") << RangeCase{"KV-R27PA", 6, "433.05995", true, true, -1, lpd};
        QTest::newRow("PA 6 just below high") << RangeCase{"KV-R27PA", 6, "434.78", true, true, 0, ""};
        QTest::newRow("PA 8 high is out") << RangeCase{"KV-R27PA", 8, "434.785", true, true, -1, lpd};
        QTest::newRow("PA 8 quiet") << RangeCase{"KV-R27PA", 8, "434.785", false, false, -1, ""};
        QTest::newRow("PA 7 low edge") << RangeCase{"KV-R27PA", 7, "420", true, true, 0, ""};
        QTest::newRow("PA 9 high is out") << RangeCase{"KV-R27PA", 9, "474", true, true, -1, wide};
        QTest::newRow("Z 4 below low") << RangeCase{"KV-R27Z", 4, "419.99", true, true, -1, wide};
        QTest::newRow("Z 5 just below high") << RangeCase{"KV-R27Z", 5, "473.99375", true, true, 0, ""};
        QTest::newRow("X 2 low edge") << RangeCase{"KV-R27X", 2, "430", true, true, 0, ""};
        QTest::newRow("X 2 high is out")
            << RangeCase{"KV-R27X", 2, "440", true, true, -1, "Enter from 430 to 440 or less only."};
        QTest::newRow("X 3 accepts 440") << RangeCase{"KV-R27X", 3, "440", true, true, 0, ""};
        QTest::newRow("X 3 high is out") << RangeCase{"KV-R27X", 3, "474", true, true, -1, wide};
        QTest::newRow("Z with code 2 speaks") << RangeCase{"KV-R27Z", 2, "445", true, true, -2, mismatch};
        QTest::newRow("Z with code 2 range flag only") << RangeCase{"KV-R27Z", 2, "445", true, false, -2, ""};
        QTest::newRow("PA with code 10") << RangeCase{"KV-R27PA", 10, "434", true, true, -2, mismatch};
        QTest::newRow("LPD only any code") << RangeCase{"KV-R27PA(LPD only)", 3, "1000", true, true, 0, ""};
        QTest::newRow("PMR only any text") << RangeCase{"KV-R27PA(PMR only)", 0, ".", true, true, 0, ""};
        QTest::newRow("not a number is out") << RangeCase{"KV-R27PA", 6, ".", true, true, -1, lpd};
        QTest::newRow("case matters") << RangeCase{"kv-r27pa", 99, "1", true, true, 0, ""};
    }
    void checkFrequencyRange()
    {
        QFETCH(RangeCase, c);
        RadioImage image;
        image.ModelName = c.model;
        image.ModelCode = static_cast<std::uint8_t>(c.code);
        test::RecordingMessageSink messages;
        QCOMPARE(CheckFrequencyRange(image, c.text, c.showRange, c.showModel, messages), c.result);
        QCOMPARE(messages.texts(), *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        QCOMPARE(image.ModelCode, c.code);
    }
};

QTEST_GUILESS_MAIN(TestImageValues)
#include "test_image_values.moc"
