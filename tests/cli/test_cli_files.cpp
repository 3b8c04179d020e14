// The kvr27 tool on files, called in-process: check, show, diff, and bad input
// (one-line error, non-zero exit, no output file).
#include "CliRun.h"
#include "commands/AppState.h"
#include "files/CloneFile.h"
#include "support/FileText.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace kvr27;
using namespace kvr27::test;

namespace {

// The start-up image of KV-R27PA as a clone file, with lines replaced: line number
// (1-based), text, line number, text ...
void WriteCloneFile(const char* name, const QStringList& replaced = {})
{
    AppState state;
    StartWithModel(state, 0);
    QStringList lines = QString::fromStdString(CloneFileText(state.Image)).split("\r\n");
    for (qsizetype i = 0; i + 1 < replaced.size(); i += 2)
        lines[replaced[i].toInt() - 1] = replaced[i + 1];
    WriteFileText(name, (lines.join("\r\n")).toStdString());
}

} // namespace

class TestCliFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::string plain_; // plain.r27 as written

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(dir_.path()));
        WriteCloneFile("plain.r27");
        // Frequency -5, TxTone 45, PmrChannel 9, channel 1's offset above 99.5 MHz, squelch 25.
        WriteCloneFile("odd.r27", {"1", "-5", "5", "45", "8", "9", "41", "9950001", "24", "25"});
        WriteFileText("bad.csv", "\r\nNo,Frequency(ch)\r\n0,434.00000,5KHz\r\n");
        WriteFileText("lpd.csv", "\r\nNo\r\n0,434.00000,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,lpd\r\n");
        std::filesystem::create_symlink("bad.csv", "link.csv");
        WriteCloneFile("edited.r27", {"1", "43362500", "34", "7", "3", "7", "77", "20", "79", "#TRUE#", "95", "#TRUE#",
                                      "29", "60000", "2", "129"});
        WriteCloneFile("step.r27", {"38", "19"});
        plain_ = ReadFileText("plain.r27");
    }

    // Each command as a user types it: its exit code, what it prints, and standard
    // error (its last line or that line's start; all of it when the row's text ends
    // in a newline). No row leaves a file named out.* (nor its temporary twin), or
    // changes an input.
    void commands_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out"); // "@name": the data file of that name
        QTest::addColumn<QString>("error");
        // The replacements are KV-R27PA's start-up values (squelch byte 67h); the
        // refused frequency stays in the image, and so in the saved file.
        const QString refused = "line 1: Frequency: file -5, refused by the VFO window (Enter 0 to 9 numeric "
                                "values only.)\n";
        QTest::newRow("check lists replaced values")
            << QStringList{"check", "--model", "KV-R27PA", "odd.r27", "-o", "normal.r27"} << 0
            << refused + "line 5: TxTone: file 45, used 8\n"
                         "line 8: PmrChannel: file 9, used 1\n"
                         "line 24: BatteryBeepSquelch: file 25, used 103\n"
                         "line 41: channel 1 ShiftFreq: file 9950001, used 60000\n"
                         "4 value(s) replaced\n1 value(s) refused by the VFO window\n"
            << "";
        QTest::newRow("check what check saved") << QStringList{"check", "--model", "KV-R27PA", "normal.r27"} << 0
                                                << refused + "0 value(s) replaced\n1 value(s) refused by the VFO window\n"
                                                << "";
        QTest::newRow("show") << QStringList{"show", "--model", "KV-R27PA", "plain.r27"} << 0 << "@plain-show.txt" << "";
        // In the windows' words.
        QTest::newRow("diff, same") << QStringList{"diff", "plain.r27", "plain.r27"} << 0 << "" << "";
        QTest::newRow("diff: VFO, channels in use or not, a value no window shows")
            << QStringList{"diff", "plain.r27", "edited.r27"} << 1
            << "Frequency: 434.00000 | 433.62500\nQuick Repeater Access Mode / Offset frequency: 5.00000 | 0.60000\n"
               "Key Lock: Off | On\nTransmission Output Level: Low | Hi\nTone setting: None | T\n"
               "channel 0 (not in use) TxTone: 88.5Hz | 85.4Hz\nchannel 5: not in use | in use\n"
               "channel 5 Shift: None | +\nchannel 7: not in use | in use\nVfoReserved1: 0 | 7\n"
            << "";
        QTest::newRow("diff, shown alike: the step's upper bits") << QStringList{"diff", "plain.r27", "step.r27"} << 1
                                                                  << "channel 0 Step: 3 | 19\n" << "";
        QTest::newRow("missing file") << QStringList{"check", "--model", "KV-R27PA", "missing.r27", "-o", "out.r27"}
                                      << 1 << "" << "kvr27 check: cannot load missing.r27: File reading error. missing.r27: "
                                              "No such file or directory";
        QTest::newRow("a device") << QStringList{"check", "--model", "KV-R27PA", "/dev/zero", "-o", "out.r27"} << 1 << ""
                                  << "kvr27 check: cannot load /dev/zero: File reading error. /dev/zero: Not a "
                                     "regular file (a device)";
        QTest::newRow("CSV mode lpd")
            << QStringList{"import-csv", "--model", "KV-R27PA", "plain.r27", "lpd.csv", "-o", "out.r27"} << 1 << ""
            << "kvr27 import-csv: cannot import lpd.csv: File reading error. Line 3: mode \"lpd\" names no channel "
               "of KV-R27PA.\n";
        QTest::newRow("show a refused frequency")
            << QStringList{"show", "--model", "KV-R27PA", "odd.r27"} << 1 << ""
            << "kvr27 show: cannot show odd.r27: line 1: Frequency: file -5, refused by the VFO window "
               "(Enter 0 to 9 numeric values only.)\n";
        QTest::newRow("export over its input") << QStringList{"export-csv", "--model", "KV-R27PA", "plain.r27", "-o", "./plain.r27"}
                                               << 2 << "" << "kvr27 export-csv: -o ./plain.r27 would replace the input plain.r27";
        QTest::newRow("import over its CSV, through a link")
            << QStringList{"import-csv", "--model", "KV-R27PA", "plain.r27", "bad.csv", "-o", "link.csv"} << 2 << ""
            << "kvr27 import-csv: -o link.csv would replace the input bad.csv";
        QTest::newRow("no -o") << QStringList{"export-csv", "--model", "KV-R27PA", "plain.r27"} << 2 << ""
                               << "kvr27 export-csv: -o FILE is required";
        QTest::newRow("no model") << QStringList{"show", "plain.r27"} << 2 << "" << "kvr27 show: --model is required";
        QTest::newRow("unknown model") << QStringList{"export-csv", "--model", "KV-R99", "plain.r27", "-o", "out.csv"}
                                       << 2 << "" << "kvr27 export-csv: unknown model \"KV-R99\"";
        QTest::newRow("unknown port") << QStringList{"read", "--model", "KV-R27PA", "--port", "COM9", "-o", "out.r27"}
                                      << 2 << "" << "kvr27 read: unknown port \"COM9\" (COM1 to COM5 or a device path)";
        QTest::newRow("port not opened")
            << QStringList{"read", "--model", "KV-R27PA", "--port", "/nonexistent/tty", "-o", "out.r27"} << 1 << ""
            << "kvr27 read: read failed: port not opened: /nonexistent/tty: ";
        QTest::newRow("unknown option") << QStringList{"show", "--model", "KV-R27PA", "--colour", "plain.r27"} << 2 << ""
                                        << "kvr27 show: unknown option --colour (see kvr27 show --help)";
        QTest::newRow("write on a pipe without --yes") << QStringList{"write", "--model", "KV-R27PA", "--port",
                                                                      "/nonexistent/tty", "--backup", "out.r27", "plain.r27"}
                                                       << 1 << "" << "kvr27 write: write refused: not confirmed (--yes) and "
                                                               "standard input is no terminal";
        QTest::newRow("frequency the VFO form refuses")
            << QStringList{"write", "--model", "KV-R27PA", "--port", "/nonexistent/tty", "--vfo", "--yes", "odd.r27"}
            << 1 << "" << "kvr27 write: write failed: Editing incomplete. Check blank columns.";
    }
    void commands()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, out);
        QFETCH(QString, error);
        const CliOutcome run = RunCli(args);
        QTEST(run.code, "code");
        if (out.startsWith('@'))
            out = QString::fromStdString(ReadFileText(KVR27_TEST_DATA "/" + out.mid(1).toStdString()));
        QCOMPARE(QString::fromStdString(run.out), out);
        if (error.isEmpty() || error.endsWith('\n'))
            QCOMPARE(QString::fromStdString(run.err), error);
        else
            QVERIFY2(run.lastErrLine().starts_with(error.toStdString()), run.err.c_str());
        QCOMPARE(QDir().entryList({"out.*"}, QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(ReadFileText("plain.r27"), plain_);
        QCOMPARE(ReadFileText("bad.csv"), std::string("\r\nNo,Frequency(ch)\r\n0,434.00000,5KHz\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliFiles)
#include "test_cli_files.moc"
