// The kvr27 tool on files, called in-process: check, show, diff, the CSV commands,
// and bad input (one-line error, non-zero exit, no output file).
#include "CliRun.h"
#include "core/AppState.h"
#include "files/CloneFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace kvr27;
using namespace kvr27::test;

namespace {

// The start-up image of KV-R27PA as a clone file, with lines (1-based) replaced.
void WriteCloneFile(const QString& name, const std::map<int, std::string>& replaced = {}, int dropLines = 0)
{
    AppState state;
    StartWithModel(state, 0);
    QStringList lines = QString::fromStdString(CloneFileText(state.Image)).split("\r\n");
    lines.removeLast();
    for (const auto& [line, text] : replaced)
        lines[line - 1] = QString::fromStdString(text);
    for (int i = 0; i < dropLines; ++i)
        lines.removeLast();
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write((lines.join("\r\n") + "\r\n").toUtf8());
}

void WriteText(const QString& name, const QByteArray& text)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

class TestCliFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(dir_.path()));
        WriteCloneFile("plain.r27");
        // TxTone 45, PmrChannel 9, channel 1's offset above 99.5 MHz, squelch 25.
        WriteCloneFile("odd.r27", {{5, "45"}, {8, "9"}, {41, "9950001"}, {24, "25"}});
        WriteCloneFile("short.r27", {}, 1);
        WriteCloneFile("other.r27", {{1, "43306000"}, {34, "7"}});
        WriteCloneFile("negative.r27", {{1, "-43400000"}});
        WriteText("bad.csv", "1\r\nheader\r\nonly,three,fields\r\n");
    }

    void checkListsReplacedValues()
    {
        const CliOutcome run = RunCli({"check", "--model", "KV-R27PA", "odd.r27", "-o", "normal.r27"});
        QCOMPARE(run.code, 0);
        // The replacements are KV-R27PA's start-up values (squelch byte 67h).
        QCOMPARE(run.out, std::string("line 5: TxTone: file 45, used 8\n"
                                      "line 8: PmrChannel: file 9, used 1\n"
                                      "line 24: BatteryBeepSquelch: file 25, used 103\n"
                                      "line 41: channel 1 ShiftFreq: file 9950001, used 60000\n"
                                      "4 value(s) replaced\n"));
        const CliOutcome again = RunCli({"check", "--model", "KV-R27PA", "normal.r27"});
        QCOMPARE(again.out, std::string("0 value(s) replaced\n"));
    }

    void diffNamesTheFieldsThatDiffer()
    {
        const CliOutcome same = RunCli({"diff", "plain.r27", "plain.r27"});
        QCOMPARE(same.code, 0);
        QCOMPARE(same.out, std::string());
        const CliOutcome differ = RunCli({"diff", "--model", "KV-R27PA", "plain.r27", "other.r27"});
        QCOMPARE(differ.code, 1);
        QCOMPARE(differ.out, std::string("Frequency: 43400000 | 43306000\n"
                                         "channel 0 TxTone: 8 | 7\n"));
    }

    void showPrintsTheReportLayout()
    {
        const CliOutcome run = RunCli({"show", "--model", "KV-R27PA", "plain.r27"});
        QCOMPARE(run.code, 0);
        const QStringList lines = QString::fromStdString(run.out).split('\n');
        QCOMPARE(lines.value(0), QString(" [VFO Setting]"));
        QCOMPARE(lines.value(1), QString(" Frequency = 434.00000                  Key Lock = Off"));
        QCOMPARE(lines.value(15), QString(" Tone setting = Off                     Tone frequency = 88.5Hz"));
        QCOMPARE(lines.value(18), QString(" [Memory mode]"));
        QCOMPARE(lines.value(19), QString(" No  Frequency(ch) Step   Shift  Shift Freq  Bclo  Skip  Tone  TxTone  RxTone  "
                                          "PmrTone  mode"));
    }

    void csvRoundTripKeepsTheChannels()
    {
        QCOMPARE(RunCli({"export-csv", "--model", "KV-R27PA", "other.r27", "-o", "other.csv"}).code, 0);
        QCOMPARE(RunCli({"import-csv", "--model", "KV-R27PA", "other.r27", "other.csv", "-o", "back.r27"}).code, 0);
        QCOMPARE(RunCli({"diff", "other.r27", "back.r27"}).code, 0);
    }

    void helpOfEveryCommand_data()
    {
        QTest::addColumn<QString>("verb");
        for (const char* verb : {"read", "write", "export-csv", "import-csv", "check", "show", "diff"})
            QTest::newRow(verb) << QString(verb);
    }
    void helpOfEveryCommand()
    {
        QFETCH(QString, verb);
        const CliOutcome run = RunCli({verb, "--help"});
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.starts_with("usage: kvr27 " + verb.toStdString() + " "));
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("error");   // the last line of standard error, or its start
        QTest::addColumn<QString>("output");  // a file that must not exist afterwards
        QTest::newRow("missing file")
            << QStringList{"check", "--model", "KV-R27PA", "missing.r27", "-o", "out.r27"} << 1
            << "kvr27 check: cannot load missing.r27: The file \"missing.r27\" could not be read. No such file or "
               "directory."
            << "out.r27";
        QTest::newRow("830 lines") << QStringList{"check", "--model", "KV-R27PA", "short.r27", "-o", "out.r27"} << 1
                                   << "kvr27 check: cannot load short.r27: File reading error." << "out.r27";
        QTest::newRow("malformed CSV")
            << QStringList{"import-csv", "--model", "KV-R27PA", "plain.r27", "bad.csv", "-o", "out.r27"} << 1
            << "kvr27 import-csv: cannot import bad.csv: File reading error." << "out.r27";
        QTest::newRow("unknown model") << QStringList{"export-csv", "--model", "KV-R99", "plain.r27", "-o", "out.csv"}
                                       << 1 << "kvr27 export-csv: unknown model \"KV-R99\"" << "out.csv";
        QTest::newRow("unknown option") << QStringList{"show", "--model", "KV-R27PA", "--colour", "plain.r27"} << 2
                                        << "kvr27 show: unknown option --colour (see kvr27 show --help)" << "";
        QTest::newRow("unknown port") << QStringList{"read", "--model", "KV-R27PA", "--port", "COM9", "-o", "out.r27"}
                                      << 1 << "kvr27 read: unknown port \"COM9\" (COM1 to COM5 or a device path)"
                                      << "out.r27";
        QTest::newRow("port not opened")
            << QStringList{"read", "--model", "KV-R27PA", "--port", "/nonexistent/tty", "-o", "out.r27"} << 1
            << "kvr27 read: read failed: port not opened: COM1 (/nonexistent/tty): " << "out.r27";
        QTest::newRow("write on a pipe without --yes")
            << QStringList{"write", "--model", "KV-R27PA", "--port", "/nonexistent/tty", "--backup", "out.r27",
                           "plain.r27"}
            << 1 << "kvr27 write: write refused: not confirmed (--yes) and standard input is no terminal"
            << "out.r27";
        QTest::newRow("squelch the VFO form refuses")
            << QStringList{"write", "--model", "KV-R27PA", "--port", "/nonexistent/tty", "--vfo", "--yes", "negative.r27"}
            << 1 << "kvr27 write: write failed: Editing incomplete. Check blank columns." << "";
    }
    void badInput()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, error);
        QFETCH(QString, output);
        const CliOutcome run = RunCli(args);
        QCOMPARE(run.code, code);
        QVERIFY2(run.lastErrLine().starts_with(error.toStdString()), run.err.c_str());
        QCOMPARE(run.out, std::string());
        if (!output.isEmpty())
            QVERIFY(!QFile::exists(output) && !QFile::exists(output + ".tmp"));
    }
};

QTEST_GUILESS_MAIN(TestCliFiles)
#include "test_cli_files.moc"
