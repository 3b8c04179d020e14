// Frequency texts, start-up values and model rules of the radio image.
#include "image/FrequencyText.h"
#include "image/ModelRules.h"
#include "image/Startup.h"
#include "support/RecordingMessageSink.h"

#include <QtTest>

using namespace kvr27;

class TestImageValues : public QObject {
    Q_OBJECT
private slots:
    void parseFrequency_data();
    void parseFrequency();
    void formatFrequency_data();
    void formatFrequency();
    void startupValues_data();
    void startupValues();
    void channelTableIsIndexChecked();
    void checkFrequencyRange_data();
    void checkFrequencyRange();
};

void TestImageValues::parseFrequency_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("factor");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("units");

    QTest::newRow("whole MHz") << "434" << qint64(100000) << true << 43400000;
    QTest::newRow("five decimals") << "446.00625" << qint64(100000) << true << 44600625;
    QTest::newRow("trailing point") << "5." << qint64(100000) << true << 500000;
    QTest::newRow("leading point") << ".5" << qint64(100000) << true << 50000;
    QTest::newRow("half rounds to even, down") << "0.000005" << qint64(100000) << true << 0;
    QTest::newRow("half rounds to even, up") << "0.000015" << qint64(100000) << true << 2;
    QTest::newRow("above half rounds up") << "0.0000050001" << qint64(100000) << true << 1;
    QTest::newRow("below half rounds down") << "433.0000049999999999999999" << qint64(100000) << true << 43300000;
    QTest::newRow("negative half to even") << "-0.000025" << qint64(100000) << true << -2;
    QTest::newRow("negative") << "-1.00000" << qint64(100000) << true << -100000;
    QTest::newRow("largest that fits") << "21474.83647" << qint64(100000) << true << 2147483647;
    QTest::newRow("one above int32") << "21474.83648" << qint64(100000) << false << 0;
    QTest::newRow("rounds past int32") << "21474.836475" << qint64(100000) << false << 0;
    QTest::newRow("nine typed digits overflow") << "99999.999" << qint64(100000) << false << 0;
    QTest::newRow("smallest that fits") << "-21474.83648" << qint64(100000) << true << int(-2147483648LL);
    QTest::newRow("huge") << "123456789012345678901234567890" << qint64(100000) << false << 0;
    QTest::newRow("lone point") << "." << qint64(100000) << false << 0;
    QTest::newRow("empty") << "" << qint64(100000) << false << 0;
    QTest::newRow("two points") << "446.0.1" << qint64(100000) << false << 0;
    QTest::newRow("letter") << "44x" << qint64(100000) << false << 0;
    QTest::newRow("blank") << " 434" << qint64(100000) << false << 0;
    QTest::newRow("exponent") << "4e2" << qint64(100000) << false << 0;
    QTest::newRow("lone minus") << "-" << qint64(100000) << false << 0;
    QTest::newRow("PMR channel 8") << "8" << qint64(16777216) << true << 0x08000000;
    QTest::newRow("PMR channel 127") << "127" << qint64(16777216) << true << 0x7F000000;
    QTest::newRow("PMR channel 128 overflows") << "128" << qint64(16777216) << false << 0;
}

void TestImageValues::parseFrequency()
{
    QFETCH(QString, text);
    QFETCH(qint64, factor);
    QFETCH(bool, valid);
    QFETCH(int, units);
    auto result = ScaleDecimalText(text.toStdString(), factor);
    QCOMPARE(result.has_value(), valid);
    if (valid)
        QCOMPARE(*result, units);
}

void TestImageValues::formatFrequency_data()
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

void TestImageValues::formatFrequency()
{
    QFETCH(int, units);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(FormatFrequency(units)), text);
    QCOMPARE(ParseFrequency(text.toStdString()).value(), units);
}

void TestImageValues::startupValues_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<int>("step");
    QTest::addColumn<QList<int>>("bytes"); // BellShiftStep, BcloCallTot, RptFlags
    QTest::newRow("PA") << 0 << "KV-R27PA" << 6 << "434.00000" << "0.60000" << 3 << QList<int>{0x03, 0x00, 0x20};
    QTest::newRow("Z") << 1 << "KV-R27Z" << 4 << "445.00000" << "5.00000" << 0 << QList<int>{0x00, 0x00, 0x60};
    QTest::newRow("X") << 2 << "KV-R27X" << 2 << "433.00000" << "5.00000" << 3 << QList<int>{0x03, 0x00, 0x20};
    QTest::newRow("PMR only") << 3 << "KV-R27PA(PMR only)" << 11 << "434.00000" << "0.60000" << 3
                              << QList<int>{0x03, 0x30, 0x20};
    QTest::newRow("any other option") << 7 << "KV-R27PA(LPD only)" << 10 << "434.00000" << "0.60000" << 3
                                      << QList<int>{0x03, 0x00, 0x20};
}

void TestImageValues::startupValues()
{
    QFETCH(int, option);
    QFETCH(QString, model);
    QFETCH(int, code);
    QFETCH(QString, frequency);
    QFETCH(QString, offset);
    QFETCH(int, step);
    QFETCH(QList<int>, bytes);

    RadioImage image;
    image.Vfo.VfoReserved1 = 0x55; // left from an earlier run: start-up clears it
    image.SettingsChanged = true;
    InitialiseRadioImage(image, option);

    const VfoSettings& vfo = image.Vfo;
    QCOMPARE(QString::fromStdString(image.ModelName), model);
    QCOMPARE(int(image.ModelCode), code);
    QCOMPARE(QString::fromStdString(FormatFrequency(vfo.Frequency)), frequency);
    QCOMPARE(QString::fromStdString(FormatFrequency(vfo.ShiftFreq)), offset);
    QCOMPARE(int(vfo.Step()), step);
    QCOMPARE((QList<int>{vfo.BellShiftStep, vfo.BcloCallTot, vfo.RptFlags}), bytes);
    QCOMPARE(int(vfo.VfoReserved1), 0);
    QVERIFY(image.Defaults == VfoDefaults::From(vfo));
    QVERIFY(!image.SettingsChanged);
    for (const ChannelRecord& channel : image.Channels) {
        QVERIFY(!channel.Enabled);
        QCOMPARE(QString::fromStdString(FormatFrequency(channel.Frequency)), frequency);
        QCOMPARE(channel.ShiftFreq, vfo.ShiftFreq);
        QCOMPARE(int(channel.Step), step);
    }
}

void TestImageValues::channelTableIsIndexChecked()
{
    RadioImage image;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, image.Channels.at(100));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, image.Channels.at(-1));
}

void TestImageValues::checkFrequencyRange_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("showRange");
    QTest::addColumn<bool>("showModel");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");

    const QString lpd = "Enter from 433.06 to 434.785 or less only.";
    const QString wide = "Enter from 420 to 474 or less only.";
    const QString x = "Enter from 430 to 440 or less only.";
    const QString mismatch = "The selected and actual models are different.";
    QTest::newRow("PA 6 low edge") << "KV-R27PA" << 6 << "433.06" << true << true << 0 << "";
    QTest::newRow("PA 6 below low") << "KV-R27PA" << 6 << "433.05995" << true << true << -1 << lpd;
    QTest::newRow("PA 6 just below high") << "KV-R27PA" << 6 << "434.78" << true << true << 0 << "";
    QTest::newRow("PA 8 high is out") << "KV-R27PA" << 8 << "434.785" << true << true << -1 << lpd;
    QTest::newRow("PA 8 quiet") << "KV-R27PA" << 8 << "434.785" << false << false << -1 << "";
    QTest::newRow("PA 7 low edge") << "KV-R27PA" << 7 << "420" << true << true << 0 << "";
    QTest::newRow("PA 9 below low") << "KV-R27PA" << 9 << "419.99" << true << true << -1 << wide;
    QTest::newRow("PA 9 just below high") << "KV-R27PA" << 9 << "473.99375" << true << true << 0 << "";
    QTest::newRow("PA 9 high is out") << "KV-R27PA" << 9 << "474" << true << true << -1 << wide;
    QTest::newRow("Z 4 low edge") << "KV-R27Z" << 4 << "420.00000" << true << true << 0 << "";
    QTest::newRow("Z 5 high is out") << "KV-R27Z" << 5 << "474.00000" << true << true << -1 << wide;
    QTest::newRow("X 2 low edge") << "KV-R27X" << 2 << "430" << true << true << 0 << "";
    QTest::newRow("X 2 below high") << "KV-R27X" << 2 << "439.995" << true << true << 0 << "";
    QTest::newRow("X 2 high is out") << "KV-R27X" << 2 << "440" << true << true << -1 << x;
    QTest::newRow("X 3 accepts 440") << "KV-R27X" << 3 << "440" << true << true << 0 << "";
    QTest::newRow("X 3 high is out") << "KV-R27X" << 3 << "474" << true << true << -1 << wide;
    QTest::newRow("Z with code 2 speaks") << "KV-R27Z" << 2 << "445" << true << true << -2 << mismatch;
    QTest::newRow("Z with code 2 range flag only") << "KV-R27Z" << 2 << "445" << true << false << -2 << "";
    QTest::newRow("Z with code 2 quiet") << "KV-R27Z" << 2 << "445" << false << false << -2 << "";
    QTest::newRow("PA with code 10") << "KV-R27PA" << 10 << "434" << true << true << -2 << mismatch;
    QTest::newRow("LPD only any code") << "KV-R27PA(LPD only)" << 3 << "1000" << true << true << 0 << "";
    QTest::newRow("PMR only any text") << "KV-R27PA(PMR only)" << 0 << "." << true << true << 0 << "";
    QTest::newRow("not a number is out") << "KV-R27PA" << 6 << "." << true << true << -1 << lpd;
    QTest::newRow("case matters") << "kv-r27pa" << 99 << "1" << true << true << 0 << "";
}

void TestImageValues::checkFrequencyRange()
{
    QFETCH(QString, model);
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(bool, showRange);
    QFETCH(bool, showModel);
    QFETCH(int, result);
    QFETCH(QString, message);

    RadioImage image;
    image.ModelName = model.toStdString();
    image.ModelCode = static_cast<std::uint8_t>(code);
    const RadioImage before = image;
    test::RecordingMessageSink messages;
    QCOMPARE(CheckFrequencyRange(image, text.toStdString(), showRange, showModel, messages), result);
    if (message.isEmpty())
        QVERIFY(messages.shown.empty());
    else
        QVERIFY(messages.shown == std::vector<test::ShownMessage>{{message.toStdString()}});
    QCOMPARE(image.ModelCode, before.ModelCode);
}

QTEST_GUILESS_MAIN(TestImageValues)
#include "test_image_values.moc"
