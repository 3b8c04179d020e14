// The kvr27 tool on files, called in-process: check, show, diff, and bad input
// (one-line error, non-zero exit, no output file).
#include "CliContext.h"
#include "CliRun.h"
#include "commands/AppState.h"
#include "files/CloneFile.h"
#include "support/FileText.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <filesystem>
#include <utility>

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
        WriteCloneFile("odd.r27", {"1", "-5", "5", "45", "8", "9", "41", "9950001", "24", "25"});
        WriteFileText("bad.csv", "\r\nNo,Frequency(ch)\r\n0,434.00000,5KHz\r\n");
        WriteFileText("lpd.csv", "\r\nNo\r\n0,434.00000,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,lpd\r\n");
        std::filesystem::create_symlink("bad.csv", "link.csv");
        WriteCloneFile("edited.r27", {"1", "43362500", "34", "7", "3", "7", "77", "20", "79", "#TRUE#", "95", "#TRUE#",
                                      "29", "60000", "2", "129", "5", "0"});
        WriteCloneFile("step.r27", {"38", "19"});
        plain_ = ReadFileText("plain.r27");
    }

    // Each command as a user types it (tests/data/cli.txt): its exit code, what it
    // prints, and standard error. No row leaves a file named out.* (nor its
    // temporary twin), or changes an input.
    void commands_data() { AddDataRows("cli.txt", "command"); }
    void commands()
    {
        QFETCH(QStringList, f);
        QStringList row = QStringList{QTest::currentDataTag()} + f; // row[0]: its name
        const CliOutcome run = RunCli(row[1].split(' '));
        QCOMPARE(run.code, row[2].toInt());
        const QString error = row[3].replace("\\n", "\n");
        QString out = row.mid(4).join('|').replace("\\n", "\n");
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

    // kvr27 report: the settings files and the five newest traces (another file of
    // the folder passed over), in an archive Python's zipfile reads whole; what the
    // tool lists is what the archive holds.
    void reportArchive()
    {
        const QString config = dir_.filePath("config/kvr27-clone"), traces = dir_.filePath("data/kvr27-clone/traces");
        QVERIFY(QDir().mkpath(config) && QDir().mkpath(traces));
        WriteFileText((config + "/options.ini").toStdString(), "FastTransfer=1\r\n");
        WriteFileText((config + "/setup.ini").toStdString(), "[Setting]\r\n");
        // Written in another order than their times say: the file times decide, set
        // apart by a minute each (a fast disk gives files written at once one time).
        const auto now = std::filesystem::file_time_type::clock::now();
        const std::pair<const char*, int> written[] = {
            {"trace-2026-01-09-101530-2.txt", 2}, {"trace-2026-01-09-101530.txt", 3}, {"notes.txt", 0},
            {"trace-2025-12-31-235959.txt", 6},   {"trace-2026-01-10-000000.txt", 1},
            {"trace-2026-01-08-101530.txt", 4},   {"trace-2026-01-07-101530.txt", 5}};
        for (const auto& [name, minutesAgo] : written) {
            const std::filesystem::path file = (traces + "/" + name).toStdString();
            WriteFileText(file, name);
            std::filesystem::last_write_time(file, now - std::chrono::minutes(minutesAgo));
        }
        qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", dir_.filePath("data").toUtf8());
        const CliOutcome run = RunCli({"report", "-o", "problem.zip"});
        qunsetenv("XDG_CONFIG_HOME"), qunsetenv("XDG_DATA_HOME");
        QCOMPARE(run.code, 0);
        QStringList listed;
        for (const QString& line : QString::fromStdString(run.out).trimmed().split('\n'))
            listed << line.section(" (", 0, 0);
        const QStringList held{"system.txt", "options.ini", "setup.ini", "traces/trace-2026-01-07-101530.txt",
                               "traces/trace-2026-01-08-101530.txt", "traces/trace-2026-01-09-101530.txt",
                               "traces/trace-2026-01-09-101530-2.txt", "traces/trace-2026-01-10-000000.txt"};
        QCOMPARE(listed, held);
        QCOMPARE(ZipListing("problem.zip"), held + QStringList{"ok"});
    }

    // The progress line draws with plain characters only (a Windows console shows
    // no others) and blanks what a longer line left.
    void progressLine()
    {
        std::ostringstream out, err;
        std::istringstream in;
        cli::CliStreams streams{out, err, in, false, true};
        cli::CliProgress progress(streams);
        progress.showProgress(ProgressTarget::Main, "Reading memories 100%");
        progress.showProgress(ProgressTarget::Main, "Writing 5%");
        progress.finish();
        QCOMPARE(err.str(), std::string("\r[##############################] Reading memories 100%"
                                        "\r[#                             ] Writing 5%           \n"));
    }
};

QTEST_GUILESS_MAIN(TestCliFiles)
#include "test_cli_files.moc"
