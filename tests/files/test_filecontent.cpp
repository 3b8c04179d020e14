// The clone file and the channel CSV: hand-written lines through the load and import
// rules, the files that are refused, and the exact text written.
#include "commands/AppState.h"
#include "files/ChannelCsv.h"
#include "files/CloneFile.h"
#include "image/Startup.h"

#include <QtTest>

using namespace kvr27;

namespace {

// The fallbacks of the hand-written files: each differs from the files' own values.
const VfoDefaults Fallbacks = {.TxTone = 17, .RxTone = 18, .PmrTone = 9, .PmrChannel = 6, .ShiftFreq = 70000,
                               .BatteryBeepSquelch = 5, .BellShiftStep = 3, .RptFlags = 0x20};

// A valid clone file, line by line, every value one the rules keep.
QStringList CloneLines()
{
    QStringList lines = {"43400000", "0", "1", "2", "3", "4", "5", "8", "7"};
    for (int extra = 8; extra <= 20; ++extra)
        lines << QString::number(extra);
    lines << "60000" << "6" << "2" << "0" << "0" << "0" << "60000" << "0" << "0";
    for (int channel = 0; channel < 100; ++channel)
        lines << QString::number(43300000 + 2500 * channel) << "100000" << "1" << "2" << "3" << "4" << "5" << "#FALSE#";
    return lines;
}

QByteArray Joined(const QStringList& lines, const char* end = "\r\n") { return (lines.join(end) + end).toUtf8(); }

// The file with `line` holding `text`; `kept` is what that line holds once the file
// is loaded and saved again, "refused" when the file is not loaded.
void CloneRow(const char* name, int line, const QString& text, const QString& kept)
{
    QStringList lines = CloneLines();
    lines[line - 1] = text;
    QTest::newRow(name) << Joined(lines) << line << kept;
}

const QByteArray Header = "No,Frequency(ch),Step,Shift,Shift Freq,Bclo,Skip,Tone,TxTone,RxTone,PmrTone,mode";
const QByteArray Lpd = "0,434.00000,5KHz,None,0.60000,Off,Off,None,67.0Hz,67.0Hz,1,LPD";

// Line 1 and one channel line of a CSV file; `read` is the current channel and
// channel 0's Frequency, ShiftFreq, TxTone, RxTone, PmrTone, ChannelFlags, Step and
// Enabled as imported, empty when the file is refused.
void CsvRow(const char* name, int option, const QByteArray& line1, const QByteArray& channel, QList<qint64> read)
{
    QTest::newRow(name) << option << line1 + "\r\n" + Header + "\r\n" + channel + "\r\n" << read;
}

} // namespace

class TestFileContent : public QObject {
    Q_OBJECT
private slots:
    void cloneFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("kept");
        QTest::newRow("LF line ends") << Joined(CloneLines(), "\n") << 1 << "43400000";
        QTest::newRow("CR line ends") << Joined(CloneLines(), "\r") << 1 << "43400000";
        QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + Joined(CloneLines()) << 1 << "43400000";
        QTest::newRow("no last line end") << Joined(CloneLines()).chopped(2) << 831 << "#FALSE#";
        CloneRow("blanks around a negative number", 1, " -5 ", "-5");
        CloneRow("tone set code 3", 2, "195", "192");
        CloneRow("unused bits of line 2", 2, "62", "2");
        CloneRow("PMR channel 0", 8, "0", "6");
        CloneRow("current channel 101", 9, "101", "0");
        CloneRow("offset -1", 23, "-1", "70000");
        CloneRow("shift code 3", 25, "48", "3");
        CloneRow("step 9", 25, "9", "3");
        CloneRow("repeater shift code 3", 31, "48", "32");
        CloneRow("channel RxTone 39", 35, "39", "18");
        CloneRow("channel shift code 3", 37, "3", "0");
        CloneRow("channel mode code 3", 37, "12", "0");
        CloneRow("channel tone set code 3", 37, "48", "0");
        CloneRow("channel step 9", 38, "9", "0");
        CloneRow("channel step 8, upper bits", 38, "24", "24");
        CloneRow("last channel enabled", 831, "#TRUE#", "#TRUE#");

        QStringList lines = CloneLines();
        QTest::newRow("830 lines") << Joined(lines.mid(1)) << 1 << "refused";
        QTest::newRow("832 lines") << Joined(lines << "0") << 1 << "refused";
        QTest::newRow("an empty line after line 831") << Joined(CloneLines()) + "\r\n" << 1 << "refused";
        CloneRow("beyond 32 bits", 1, "2147483648", "refused");
        CloneRow("a point", 2, "3.5", "refused");
        CloneRow("byte 256", 3, "256", "refused");
        CloneRow("TxTone -1", 5, "-1", "refused");
        CloneRow("empty line", 5, "", "refused");
        CloneRow("300 passes its rule, not its byte", 24, "300", "refused");
        CloneRow("Enabled lower case", 831, "#true#", "refused");
    }
    // A loaded file saved again gives the same lines, but for the one under test.
    void cloneFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, line);
        QFETCH(QString, kept);
        RadioImage image;
        InitialiseRadioImage(image, 0);
        image.Defaults = Fallbacks;
        CloneFileContent content;
        QCOMPARE(ParseCloneFile(file.toStdString(), image.Defaults, content).ok(), kept != "refused");
        if (kept == "refused")
            return;
        image.Vfo = content.Vfo;
        image.Channels = content.Channels;
        QStringList expected = CloneLines() << "";
        expected[line - 1] = kept;
        QCOMPARE(QString::fromStdString(CloneFileText(image)).split("\r\n"), expected);
    }

    void channelCsv_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<qint64>>("read");
        CsvRow("line 1 41 between blanks", 0, " 41 ", Lpd, {42, 43400000, 60000, 0, 0, 0, 0x04, 0, 1});
        CsvRow("line 1 no number", 0, "x", Lpd, {1, 43400000, 60000, 0, 0, 0, 0x04, 0, 1});
        CsvRow("line 1 half to even", 0, "1.5", Lpd, {2, 43400000, 60000, 0, 0, 0, 0x04, 0, 1});
        CsvRow("line 1 254", 0, "254", Lpd, {255, 43400000, 60000, 0, 0, 0, 0x04, 0, 1});
        CsvRow("+, Bclo, TSQ", 0, "", "0,434.00000,5KHz,+,0.60000,On,Off,TSQ,67.0Hz,67.0Hz,1,LPD",
               {0, 43400000, 60000, 0, 0, 0, 0x96, 0, 1});
        CsvRow("-, Skip, T", 0, "", "0,434.00000,5KHz,-,0.60000,Off,On,T,67.0Hz,67.0Hz,1,LPD",
               {0, 43400000, 60000, 0, 0, 0, 0x65, 0, 1});
        CsvRow("MHz half to even, down", 0, "", "0,434.000005,6.25KHz,None,0.6,Off,Off,None,250.3Hz,67Hz,Off,LPD",
               {0, 43400000, 60000, 38, 18, 39, 0x04, 1, 1});
        CsvRow("MHz half to even, up", 0, "", "0,434.000015,5khz,None,99.50000,Off,Off,None,67.0Hz,67.0Hz,--,LPD",
               {0, 43400002, 9950000, 0, 0, 9, 0x04, 3, 1});
        CsvRow("offset above 99.5 MHz", 0, "", "0,434.00000,5KHz,None,99.60000,Off,Off,None,67.0Hz,67.0Hz,1,LPD",
               {0, 43400000, 70000, 0, 0, 0, 0x04, 0, 1});
        CsvRow("offset -1", 0, "", "0,434.00000,5KHz,None,-1.00000,Off,Off,None,67.0Hz,67.0Hz,1,LPD",
               {0, 43400000, 70000, 0, 0, 0, 0x04, 0, 1});
        CsvRow("PMR channel 1", 0, "", "0,1,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,PMR",
               {0, 16777216, 60000, 0, 0, 0, 0x08, 0, 1});
        CsvRow("PMR channel 9", 0, "", "0,9,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,PMR",
               {0, 100663296, 60000, 0, 0, 0, 0x08, 0, 1});
        CsvRow("PMR channel 2.5 is channel 2", 0, "", "0,2.5,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,PMR",
               {0, 33554432, 60000, 0, 0, 0, 0x08, 0, 1});
        CsvRow("single band, MHz", 2, "", "0,434.00000,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,--,--",
               {0, 43400000, 60000, 0, 0, 9, 0, 0, 1});
        CsvRow("PMR only: a channel number", 3, "", "0,3,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,--,--",
               {0, 50331648, 60000, 0, 0, 9, 0x08, 0, 1});
        CsvRow("PMR only: PMR tone", 3, "", "0,3,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,5,PMR",
               {0, 50331648, 60000, 0, 0, 4, 0x08, 0, 1});
        CsvRow("empty f1 disables, keeps the rest", 0, "", "0,,x,y,z,,,,,,,", {0, 43300000, 100000, 1, 1, 1, 0, 0, 0});
        CsvRow("single band, LPD", 2, "", "0,434.00000,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,--,LPD",
               {0, 43400000, 60000, 0, 0, 9, 0, 0, 1});
        QTest::newRow("spreadsheet, CR line ends")
            << 0 << " 41 \r" + Header + "\r" + Lpd + "\r" << QList<qint64>{42, 43400000, 60000, 0, 0, 0, 0x04, 0, 1};

        CsvRow("line 1 255", 0, "255", Lpd, {});
        CsvRow("line 1 -2", 0, "-2", Lpd, {});
        CsvRow("11 fields", 0, "", Lpd + "\r\n0,434.00000,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1", {});
        CsvRow("13 fields", 0, "", Lpd + ",", {});
        CsvRow("f1 no number", 0, "", "0,434.0x,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,LPD", {});
        CsvRow("f1 beyond 32 bits", 0, "", "0,21474.83648,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,LPD", {});
        CsvRow("f1 blank after", 0, "", "0,434.00000 ,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,LPD", {});
        CsvRow("PMR f1 no number", 0, "", "0,three,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,PMR", {});
        CsvRow("f4 no number", 0, "", "0,434.00000,5KHz,None,,Off,Off,None,67.0Hz,67.0Hz,1,LPD", {});
        CsvRow("mode empty", 0, "", "0,434.00000,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,", {});
        CsvRow("mode lpd", 0, "", "0,434.00000,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,lpd", {});
        CsvRow("single band, PMR", 2, "", "0,3,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,--,PMR", {});
        CsvRow("PMR only, LPD", 3, "", Lpd, {});
        QTest::newRow("empty file") << 0 << QByteArray() << QList<qint64>{};
        QTest::newRow("NUL bytes") << 0 << QByteArray(300, '\0') << QList<qint64>{};
        QTest::newRow("103 lines") << 0 << "\r\n" + Header + "\r\n" + (Lpd + "\r\n").repeated(101) << QList<qint64>{};
    }
    void channelCsv()
    {
        QFETCH(int, option);
        QFETCH(QByteArray, file);
        QFETCH(QList<qint64>, read);
        RadioImage image;
        InitialiseRadioImage(image, option);
        image.Defaults = Fallbacks;
        image.Channels.at(0) = {43300000, 100000, 1, 1, 1, 0, 0, true};
        ChannelCsvContent content;
        QCOMPARE(ParseChannelCsv(file.toStdString(), image, content).ok(), !read.isEmpty());
        if (read.isEmpty())
            return;
        const ChannelRecord& r = content.Channels.at(0);
        QCOMPARE((QList<qint64>{content.CurrentChannel, r.Frequency, r.ShiftFreq, r.TxTone, r.RxTone, r.PmrTone,
                                r.ChannelFlags, r.Step, r.Enabled}), read);
        QVERIFY(content.Channels.at(1) == image.Channels.at(1));
    }

    // The exported table as the grid shows it, but with no frequency for a channel
    // disabled after the grid showed it; imported into a fresh image, it comes back.
    void exportedCsv()
    {
        AppState state;
        StartWithModel(state, 0);
        state.Image.Channels.at(0) = {43312500, 60000, 12, 38, 39, 0x80 | 0x40 | 0x20 | 0x04 | 0x02, 3, true};
        state.Image.Channels.at(1) = {2 * 16777216, 0, 0, 0, 4, 0x08 | 0x10 | 0x01, 8, true};
        state.Image.Vfo.CurrentChannel = 42;
        RefreshChannelGrid(state.Image, state.Grid);
        state.Image.Channels.at(1).Enabled = false;
        const QByteArray head = " 41 \r\n" + Header + "\r\n"
                                "0,433.12500,12.5KHz,-,0.60000,On,On,TSQ,100.0Hz,250.3Hz,Off,LPD\r\n";
        const QByteArray text = QByteArray::fromStdString(ChannelCsvText(state.Image, state.Grid));
        QVERIFY(text.startsWith(head + "1,,50KHz,+,0.00000,Off,Off,T,67.0Hz,67.0Hz,5,PMR\r\n2,,,,,,,,,,,\r\n"));
        QVERIFY(text.endsWith("\r\n99,,,,,,,,,,,\r\n"));
        QCOMPARE(text.count('\n'), 102);

        AppState fresh;
        StartWithModel(fresh, 0);
        ChannelCsvContent content;
        QVERIFY(ParseChannelCsv(text.toStdString(), fresh.Image, content).ok());
        fresh.Image.Channels = content.Channels;
        fresh.Image.Vfo.CurrentChannel = content.CurrentChannel;
        RefreshChannelGrid(fresh.Image, fresh.Grid);
        QVERIFY(QByteArray::fromStdString(ChannelCsvText(fresh.Image, fresh.Grid)).startsWith(head + "1,,,"));

        state.Image.Vfo.CurrentChannel = 0;
        QVERIFY(ChannelCsvText(state.Image, state.Grid).starts_with("\r\nNo,"));
    }
};

QTEST_GUILESS_MAIN(TestFileContent)
#include "test_filecontent.moc"
