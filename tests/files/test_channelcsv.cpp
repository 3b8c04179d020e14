// The channel CSV: the exported text, the import rules on hand-written lines, the
// files that are refused, a random table kept through export and import, and the
// exported file as Python's csv module reads it.
#include "FilesFixture.h"
#include "files/ChannelCsv.h"
#include "files/FileMenuCommands.h"
#include "image/Startup.h"
#include "support/FileText.h"
#include "support/RecordingMessageSink.h"
#include "support/ScriptedDialogs.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <map>

using namespace kvr27;

namespace {

const std::string Header = "No,Frequency(ch),Step,Shift,Shift Freq,Bclo,Skip,Tone,TxTone,RxTone,PmrTone,mode";

// A dual-band image with channel 0 showing every kind of value, channel 1 disabled
// after the grid showed it, channel 2 never used; the current channel is 42.
void SampleImage(AppState& state)
{
    StartWithModel(state, 0);
    ChannelRecord& first = state.Image.Channels.at(0);
    first = {43312500, 60000, 12, 38, 39, 0x80 | 0x40 | 0x20 | 0x04 | 0x02, 3, true};
    ChannelRecord& second = state.Image.Channels.at(1);
    second = {2 * 16777216, 0, 0, 0, 4, 0x08 | 0x10 | 0x01, 8, true};
    state.Image.Vfo.CurrentChannel = 42;
    RefreshChannelGrid(state.Image, state.Grid);
    second.Enabled = false;
}

// The image a hand-written line is read into: the given model, the test fallbacks,
// channel 0 enabled at 433.00000 MHz with an offset of 1 MHz.
RadioImage ImportTarget(int option)
{
    RadioImage image;
    InitialiseRadioImage(image, option);
    image.Defaults = test::TestDefaults();
    image.Channels.at(0) = {43300000, 100000, 1, 1, 1, 0, 0, true};
    return image;
}

const std::map<QString, std::function<std::int64_t(const ChannelCsvContent&)>> Fields = {
    {"CurrentChannel", [](const ChannelCsvContent& c) { return c.CurrentChannel; }},
    {"Frequency", [](const ChannelCsvContent& c) { return c.Channels.at(0).Frequency; }},
    {"ShiftFreq", [](const ChannelCsvContent& c) { return c.Channels.at(0).ShiftFreq; }},
    {"ChannelFlags", [](const ChannelCsvContent& c) { return c.Channels.at(0).ChannelFlags; }},
    {"Step", [](const ChannelCsvContent& c) { return c.Channels.at(0).Step; }},
    {"TxTone", [](const ChannelCsvContent& c) { return c.Channels.at(0).TxTone; }},
    {"PmrTone", [](const ChannelCsvContent& c) { return c.Channels.at(0).PmrTone; }},
    {"Enabled", [](const ChannelCsvContent& c) { return c.Channels.at(0).Enabled; }},
};

} // namespace

class TestChannelCsv : public QObject {
    Q_OBJECT
private slots:
    void exportedText()
    {
        AppState state;
        SampleImage(state);
        const std::string text = ChannelCsvText(state.Image, state.Grid);
        QVERIFY(text.starts_with(" 41 \r\n" + Header + "\r\n"
                                 "0,433.12500,12.5KHz,-,0.60000,On,On,TSQ,100.0Hz,250.3Hz,Off,LPD\r\n"
                                 "1,,50KHz,+,0.00000,Off,Off,T,67.0Hz,67.0Hz,5,PMR\r\n"
                                 "2,,,,,,,,,,,\r\n"));
        QVERIFY(text.ends_with("\r\n99,,,,,,,,,,,\r\n"));
        QCOMPARE(std::count(text.begin(), text.end(), '\n'), 102);
        QCOMPARE(std::count(text.begin(), text.end(), '\r'), 102);

        state.Image.Vfo.CurrentChannel = 0;
        QVERIFY(ChannelCsvText(state.Image, state.Grid).starts_with("\r\nNo,"));
    }

    void importRules_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("line1");
        QTest::addColumn<QString>("channel");
        QTest::addColumn<QString>("field");
        QTest::addColumn<qint64>("expected");
        const QString lpd = "0,434.00000,5KHz,None,0.60000,Off,Off,None,67.0Hz,67.0Hz,1,LPD";
        QTest::newRow("line 1 empty") << 0 << "" << lpd << "CurrentChannel" << qint64(0);
        QTest::newRow("line 1 41 between blanks") << 0 << " 41 " << lpd << "CurrentChannel" << qint64(42);
        QTest::newRow("line 1 150") << 0 << "150" << lpd << "CurrentChannel" << qint64(151);
        QTest::newRow("line 1 no number") << 0 << "x" << lpd << "CurrentChannel" << qint64(1);
        QTest::newRow("line 1 2.5") << 0 << "2.5 " << lpd << "CurrentChannel" << qint64(4);
        QTest::newRow("LPD flags") << 0 << "" << "0,434.00000,5KHz,+,0.60000,On,Off,TSQ,67.0Hz,67.0Hz,1,LPD"
                                   << "ChannelFlags" << qint64(0x96);
        QTest::newRow("Skip, -, T") << 0 << "" << "0,434.00000,5KHz,-,0.60000,Off,On,T,67.0Hz,67.0Hz,1,LPD"
                                    << "ChannelFlags" << qint64(0x65);
        QTest::newRow("LPD MHz") << 0 << "" << lpd << "Frequency" << qint64(43400000);
        QTest::newRow("half to even, down") << 0 << "" << "0,434.000005,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,LPD"
                                            << "Frequency" << qint64(43400000);
        QTest::newRow("half to even, up") << 0 << "" << "0,434.000015,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,LPD"
                                          << "Frequency" << qint64(43400002);
        QTest::newRow("f4 -1.00000") << 0 << "" << "0,434.00000,5KHz,None,-1.00000,Off,Off,None,67.0Hz,67.0Hz,1,LPD"
                                     << "ShiftFreq" << qint64(60000);
        QTest::newRow("f4 99.50000") << 0 << "" << "0,434.00000,5KHz,None,99.50000,Off,Off,None,67.0Hz,67.0Hz,1,LPD"
                                     << "ShiftFreq" << qint64(9950000);
        QTest::newRow("f4 99.60000") << 0 << "" << "0,434.00000,5KHz,None,99.60000,Off,Off,None,67.0Hz,67.0Hz,1,LPD"
                                     << "ShiftFreq" << qint64(60000);
        QTest::newRow("f4 64.00000") << 0 << "" << "0,434.00000,5KHz,None,64.00000,Off,Off,None,67.0Hz,67.0Hz,1,LPD"
                                     << "ShiftFreq" << qint64(6400000);
        QTest::newRow("step 6.25KHz") << 0 << "" << "0,434.00000,6.25KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,LPD"
                                      << "Step" << qint64(1);
        QTest::newRow("unknown step") << 0 << "" << "0,434.00000,5khz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,LPD"
                                      << "Step" << qint64(3);
        QTest::newRow("TxTone 250.3Hz") << 0 << "" << "0,434.00000,5KHz,None,0.6,Off,Off,None,250.3Hz,67.0Hz,1,LPD"
                                        << "TxTone" << qint64(38);
        QTest::newRow("unknown TxTone") << 0 << "" << "0,434.00000,5KHz,None,0.6,Off,Off,None,67Hz,67.0Hz,1,LPD"
                                        << "TxTone" << qint64(7);
        QTest::newRow("PmrTone --") << 0 << "" << "0,434.00000,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,--,LPD"
                                    << "PmrTone" << qint64(9);
        QTest::newRow("PmrTone Off") << 0 << "" << "0,434.00000,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,Off,LPD"
                                     << "PmrTone" << qint64(39);
        QTest::newRow("PMR 3") << 0 << "" << "0,3,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,PMR"
                               << "Frequency" << qint64(50331648);
        QTest::newRow("PMR 3 mode") << 0 << "" << "0,3,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,PMR"
                                    << "ChannelFlags" << qint64(8);
        QTest::newRow("PMR 9") << 0 << "" << "0,9,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,PMR"
                               << "Frequency" << qint64(3 * 16777216);
        QTest::newRow("PMR 1") << 0 << "" << "0,1,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,PMR"
                               << "Frequency" << qint64(16777216);
        QTest::newRow("KV-R27X with PMR") << 2 << "" << "0,3,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,--,PMR"
                                          << "ChannelFlags" << qint64(0);
        QTest::newRow("KV-R27X MHz") << 2 << "" << "0,434.00000,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,--,--"
                                     << "Frequency" << qint64(43400000);
        QTest::newRow("PMR only: channel 3") << 3 << "" << "0,3,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,--,--"
                                             << "Frequency" << qint64(50331648);
        QTest::newRow("PMR only: PMR mode") << 3 << "" << "0,3,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,--,--"
                                            << "ChannelFlags" << qint64(8);
        QTest::newRow("empty f1 disables") << 0 << "" << "0,,x,y,z,,,,,,," << "Enabled" << qint64(0);
        QTest::newRow("empty f1 keeps the rest") << 0 << "" << "0,,x,y,z,,,,,,," << "ShiftFreq" << qint64(100000);
    }
    void importRules()
    {
        QFETCH(int, option);
        QFETCH(QString, line1);
        QFETCH(QString, channel);
        QFETCH(QString, field);
        QFETCH(qint64, expected);
        const RadioImage image = ImportTarget(option);
        ChannelCsvContent content;
        const std::string text = line1.toStdString() + "\r\nanything\r\n" + channel.toStdString() + "\r\n";
        QVERIFY(ParseChannelCsv(text, image, content).ok());
        QCOMPARE(Fields.at(field)(content), expected);
        QCOMPARE(content.Channels.at(1), image.Channels.at(1));
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        const QByteArray line = "0,434.00000,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,LPD\r\n";
        QTest::newRow("103 lines") << "\r\nh\r\n" + line.repeated(101);
        QTest::newRow("11 fields") << "\r\nh\r\n" + line + "0,434.00000,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1\r\n";
        QTest::newRow("13 fields") << "\r\nh\r\n" + line + "0,434.00000,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,LPD,\r\n";
        QTest::newRow("f1 no number") << QByteArray("\r\nh\r\n0,434.0x,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,LPD\r\n");
        QTest::newRow("f1 beyond 32 bits") << QByteArray("\r\nh\r\n0,21474.83648,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,LPD\r\n");
        QTest::newRow("PMR f1 no number") << QByteArray("\r\nh\r\n0,three,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,PMR\r\n");
        QTest::newRow("f4 no number") << QByteArray("\r\nh\r\n0,434.00000,5KHz,None,,Off,Off,None,67.0Hz,67.0Hz,1,LPD\r\n");
        QTest::newRow("line 1 255") << QByteArray("255\r\nh\r\n") + line;
        QTest::newRow("line 1 -2") << QByteArray("-2\r\nh\r\n") + line;
        QTest::newRow("trimmed only of CR") << QByteArray("\r\nh\r\n0,434.00000 ,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,LPD\r\n");
    }
    void refusedFiles()
    {
        QFETCH(QByteArray, text);
        ChannelCsvContent content;
        QVERIFY(!ParseChannelCsv(text.toStdString(), ImportTarget(0), content).ok());
    }

    // A random table of every model through export and import: every enabled
    // channel comes back (a single-band model's PmrTone shows "--" and comes back as
    // its fallback), disabled ones stay disabled.
    void roundTrip()
    {
        QRandomGenerator random(27);
        for (int option = 0; option < 5; ++option) {
            AppState state;
            StartWithModel(state, option);
            test::RandomiseImage(state, random);
            RefreshChannelGrid(state.Image, state.Grid);
            RadioImage target;
            InitialiseRadioImage(target, option);
            ChannelCsvContent content;
            QVERIFY(ParseChannelCsv(ChannelCsvText(state.Image, state.Grid), target, content).ok());

            QCOMPARE(content.CurrentChannel, state.Image.Vfo.CurrentChannel);
            for (int i = 0; i < ChannelTable::Count; ++i) {
                ChannelRecord expected = state.Image.Channels.at(i);
                if (!expected.Enabled)
                    expected = target.Channels.at(i);
                else if (option != 0)
                    expected.PmrTone = target.Defaults.PmrTone;
                QCOMPARE(content.Channels.at(i), expected);
            }
        }
    }

    // Python's csv module reads the exported file as the grid shows it.
    void readByPythonCsv()
    {
        AppState state;
        SampleImage(state);
        QTemporaryDir dir;
        const std::string file = dir.filePath("channels.csv").toStdString();
        test::RecordingMessageSink messages;
        test::ScriptedDialogs dialogs;
        dialogs.saveAnswers = {file};
        ExportCommand(state, messages, dialogs);
        QVERIFY(messages.shown.empty());

        QProcess python;
        python.start("python3", {"-c", "import csv, sys\n"
                                       "rows = list(csv.reader(open(sys.argv[1], newline='')))\n"
                                       "print(len(rows), sorted({len(r) for r in rows[1:]}))\n"
                                       "for r in rows[:4]: print('|'.join(r))\n",
                                 QString::fromStdString(file)});
        QVERIFY(python.waitForFinished(10000));
        QCOMPARE(python.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(python.readAllStandardOutput()),
                 QString("102 [12]\n"
                         " 41 \n"
                         "No|Frequency(ch)|Step|Shift|Shift Freq|Bclo|Skip|Tone|TxTone|RxTone|PmrTone|mode\n"
                         "0|433.12500|12.5KHz|-|0.60000|On|On|TSQ|100.0Hz|250.3Hz|Off|LPD\n"
                         "1||50KHz|+|0.00000|Off|Off|T|67.0Hz|67.0Hz|5|PMR\n"));
    }
};

QTEST_GUILESS_MAIN(TestChannelCsv)
#include "test_channelcsv.moc"
