// The clone file and the channel CSV: hand-written lines through the load and import
// rules, the files that are refused, and the exact text written.
#include "commands/AppState.h"
#include "files/ChannelCsv.h"
#include "files/CloneFile.h"
#include "image/Startup.h"
#include "support/FileText.h"

#include <QtTest>

using namespace kvr27;

namespace {

// The fallbacks of the hand-written files: each differs from the files' own values.
const VfoDefaults Fallbacks = {.TxTone = 17, .RxTone = 18, .PmrTone = 9, .PmrChannel = 6, .ShiftFreq = 70000,
                               .BatteryBeepSquelch = 5, .BellShiftStep = 3, .RptTone = 19, .RptFlags = 0x20};

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

const QByteArray Header = "No,Frequency(ch),Step,Shift,Shift Freq,Bclo,Skip,Tone,TxTone,RxTone,PmrTone,mode";
const QByteArray Lpd = "0,434.00000,5KHz,None,0.60000,Off,Off,None,67.0Hz,67.0Hz,1,LPD";

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
        for (const QStringList& row : test::DataRows("file-content.txt", "clone")) {
            QStringList lines = CloneLines();
            lines[row[1].toInt() - 1] = row[2];
            QTest::newRow(qPrintable(row[0])) << Joined(lines) << row[1].toInt() << row[3];
        }
        QTest::newRow("830 lines") << Joined(CloneLines().mid(1)) << 0 << "refused";
        QTest::newRow("832 lines") << Joined(CloneLines() << "0") << 0 << "refused";
        QTest::newRow("an empty line after line 831") << Joined(CloneLines()) + "\r\n" << 0 << "refused";
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
        const FileContentCheck check = ParseCloneFile(file.toStdString(), image.Defaults, content);
        QCOMPARE(check.ok(), kept != "refused");
        QCOMPARE(check.Line, check.ok() ? 0 : line); // 0: the file as a whole
        if (kept == "refused")
            return;
        image.Vfo = content.Vfo, image.Channels = content.Channels;
        QStringList expected = CloneLines() << "";
        expected[line - 1] = kept;
        QCOMPARE(QString::fromStdString(CloneFileText(image)).split("\r\n"), expected);
    }

    void channelCsv_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("read");
        for (const QStringList& row : test::DataRows("file-content.txt", "csv"))
            QTest::newRow(qPrintable(row[0])) << row[1].toInt()
                                              << (row[2] + "\r\n" + Header + "\r\n" + row[3] + "\r\n").toUtf8()
                                              << test::Numbers(row[4]);
        QTest::newRow("spreadsheet, CR line ends")
            << 0 << " 41 \r" + Header + "\r" + Lpd + "\r" << QList<int>{42, 43400000, 60000, 0, 0, 0, 0x04, 0, 1};

        QTest::newRow("empty file") << 0 << QByteArray() << QList<int>{};
        QTest::newRow("NUL bytes") << 0 << QByteArray(300, '\0') << QList<int>{};
        QTest::newRow("103 lines") << 0 << "\r\n" + Header + "\r\n" + (Lpd + "\r\n").repeated(101) << QList<int>{};
    }
    void channelCsv()
    {
        QFETCH(int, option);
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, read);
        RadioImage image;
        InitialiseRadioImage(image, option);
        image.Defaults = Fallbacks;
        image.Channels.at(0) = {43300000, 100000, 1, 1, 1, 0, 0, true};
        ChannelCsvContent content;
        QCOMPARE(ParseChannelCsv(file.toStdString(), image, content).ok(), !read.isEmpty());
        if (read.isEmpty())
            return;
        const ChannelRecord& r = content.Channels.at(0);
        QCOMPARE((QList<int>{content.CurrentChannel, r.Frequency, r.ShiftFreq, r.TxTone, r.RxTone, r.PmrTone,
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
        QVERIFY(text.endsWith("\r\n99,,,,,,,,,,,\r\n") && text.count('\n') == 102);

        AppState fresh;
        StartWithModel(fresh, 0);
        ChannelCsvContent content;
        QVERIFY(ParseChannelCsv(text.toStdString(), fresh.Image, content).ok());
        fresh.Image.Channels = content.Channels, fresh.Image.Vfo.CurrentChannel = content.CurrentChannel;
        RefreshChannelGrid(fresh.Image, fresh.Grid);
        QVERIFY(QByteArray::fromStdString(ChannelCsvText(fresh.Image, fresh.Grid)).startsWith(head + "1,,,"));

        state.Image.Vfo.CurrentChannel = 0;
        QVERIFY(ChannelCsvText(state.Image, state.Grid).starts_with("\r\nNo,"));
    }
};

QTEST_GUILESS_MAIN(TestFileContent)
#include "test_filecontent.moc"
