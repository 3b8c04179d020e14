// kvr27 and the main window end to end through the serial port (QtPort, QtWaiter)
// against kvr27-sim on a pseudo-terminal: a read then write leaves the radio as it
// was (a read for another model is refused); the window reads what the tool read and
// writes what the tool writes, also after the radio's device went away and came
// back; a failed transfer leaves no output file and the radio untouched, and a
// read-back that differs fails the write.
#include "CliRun.h"
#include "DemoRadio.h"
#include "MemoryImageFile.h"
#include "app/frmMain.h"
#include "app/ShellFixture.h"
#include "commands/FileMenuCommands.h"
#include "platform/QtPort.h"
#include "platform/QtWaiter.h"
#include "support/FileText.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace kvr27;
using namespace kvr27::test;

class TestCliPty : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QProcess simulator_;
    const QString device_ = dir_.filePath("radio.tty"); // a link to the radio's pty
    const sim::RadioEmulator::Memory memory_ = sim::DemoMemory(0);

    // Starts kvr27-sim on `memory_` with the given extra arguments.
    void startRadio(const QStringList& extra = {})
    {
        QVERIFY(sim::SaveMemoryImage("radio.bin", memory_));
        simulator_.setProgram(QStringLiteral(KVR27_SIM_PATH));
        simulator_.setArguments(QStringList{"--image", "radio.bin", "--dump", "after.bin", "--no-pace", "--link",
                                            device_} + extra);
        simulator_.start();
        QVERIFY(simulator_.waitForStarted());
        QVERIFY(simulator_.waitForReadyRead(5000));
        QVERIFY(simulator_.readLine().startsWith("/dev/"));
    }
    sim::RadioEmulator::Memory stopRadio()
    {
        simulator_.terminate(); // a radio that hung up has ended by itself
        if (simulator_.state() != QProcess::NotRunning && !simulator_.waitForFinished(5000))
            return {};
        return sim::LoadMemoryImage("after.bin").value_or(sim::RadioEmulator::Memory{});
    }
    QStringList radioArgs(const char* verb) { return {verb, "--model", "KV-R27PA", "--port", device_}; }
    // The given fields of each line of a trace file (1 command, 3 count, 4 verdict).
    static QStringList TraceLines(const QString& file, const QList<int>& fields)
    {
        QStringList lines;
        for (const QString& line : QString::fromStdString(ReadFileText(file.toStdString())).split('\n', Qt::SkipEmptyParts)) {
            QStringList kept;
            for (int field : fields)
                kept << line.section(" | ", field, field);
            lines << kept.join(" | ");
        }
        return lines;
    }

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(dir_.path())); }

    // A failed row leaves its radio running; the next row starts its own.
    void cleanup()
    {
        if (simulator_.state() != QProcess::NotRunning)
            stopRadio();
    }

    // The read goes through "--port COM2", the device the user assigned to COM2 in
    // the port window; the write through the device path, without the read-back.
    void readThenWriteLeavesTheRadioAsItWas()
    {
        startRadio();
        QVERIFY(QDir().mkpath("config/kvr27-clone"));
        WriteFileText("config/kvr27-clone/ports.ini", "COM2=" + device_.toStdString() + "\r\n");
        qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toUtf8());
        const CliOutcome read = RunCli({"read", "--model", "KV-R27PA", "--port", "COM2", "-o", "radio.r27"});
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY2(read.code == 0 && read.err.empty(), read.err.c_str());
        // One line on success: what, the radio, the port, the time, the channels.
        const QString summary = "^read KV-R27PA \\(code 6\\) on COM2 \\(" + QRegularExpression::escape(device_)
                                + "\\) in \\d+\\.\\d s: the VFO settings, 5 channels in use\n$";
        QVERIFY2(QRegularExpression(summary).match(QString::fromStdString(read.out)).hasMatch(), read.out.c_str());
        // A read for another model is refused with the model the radio reports.
        QCOMPARE(RunCli({"read", "--model", "KV-R27Z", "--port", device_, "-o", "other.r27"}).lastErrLine(),
                 "kvr27 read: read failed: the radio reports KV-R27PA (code 6), another model than the one chosen");
        const CliOutcome write = RunCli(radioArgs("write") << "radio.r27" << "--yes" << "--no-verify" << "--trace"
                                                           << "write.txt");
        QCOMPARE(write.err, std::string()); // --yes answers the question unasked
        QCOMPARE(write.code, 0);
        QCOMPARE(QString::fromStdString(write.out).section(": ", 1),
                 "the VFO settings, the channel bitmap, 5 channels, the current channel\n");
        QCOMPARE(TraceLines("write.txt", {1}).size(), 13); // write-all-verified.txt without its 10 read-backs
        QVERIFY(stopRadio() == memory_);
    }

    // The main window's Read > All gives what kvr27 read (radio.r27, above), one
    // tick of QtWaiter per exchange. Then the radio's device goes away (its pty
    // closes, as when the cable is pulled out) and comes back at the same name
    // while the window's events run: the port closes itself, and Write > All opens
    // it afresh and sends what kvr27 write sends for radio.r27 with the same
    // safeguards (read-back and trace).
    void toolAndWindowSendTheSame()
    {
        startRadio();
        const CliOutcome quiet = RunCli(radioArgs("write") << "radio.r27" << "--yes" << "--trace" << "tool.txt" << "-q");
        QVERIFY(quiet.code == 0 && quiet.out.empty());

        ShellFixture shell;
        StartWithModel(shell.state, 0);
        AppState fromFile;
        StartWithModel(fromFile, 0);
        QVERIFY(LoadCloneFile(fromFile, "radio.r27", shell.messages).ok());
        SerialDeviceLookup lookup;
        lookup.environment = [device = device_.toStdString()](const std::string&) { return device; };
        lookup.exists = [](const std::string&) { return true; };
        QtPort port(lookup);
        QtWaiter waiter;
        AppContext context = shell.context();
        context.LinkPort = &port;
        context.LinkWaiter = &waiter;
        frmMain window(context);
        QElapsedTimer timer;
        timer.start();
        window.mnuEepReadAll_Click();
        QVERIFY(timer.elapsed() >= 107 * QtWaiter::TickMilliseconds);
        QVERIFY(shell.messages.shown.empty() && port.isOpen());
        QVERIFY(shell.state.Image.Vfo == fromFile.Image.Vfo && shell.state.Image.Channels == fromFile.Image.Channels);

        QVERIFY(stopRadio() == memory_);
        startRadio();
        QTRY_VERIFY(!port.isOpen());
        shell.state.Safeguards = {true, false, true};
        shell.messages.answers = {true};
        window.mnuEepWriteAll_Click();
        const QStringList traces = QDir(shell.dir.filePath("traces")).entryList(QDir::Files);
        QCOMPARE(traces.size(), 1);
        const QStringList commands = TraceLines("tool.txt", {1});
        QCOMPARE(TraceLines(shell.dir.filePath("traces/" + traces[0]), {1}), commands);
        // The VFO blocks, their read-back; the bitmap, the five channels in use,
        // the current channel, their read-back (715h through 710h).
        QCOMPARE(commands.join('\n') + '\n', QString::fromStdString(ReadFileText(KVR27_TEST_DATA "/write-all-verified.txt")));
        QVERIFY(stopRadio() == memory_);
    }

    // A failed transfer (tests/data/cli.txt) leaves no output file and the radio as
    // it was (but for what a write stored before its read-back failed it); --trace
    // writes one line per exchange all the same. A trace that cannot be written
    // fails the run after the transfer's own outcome.
    void failuresLeaveNoFile_data() { AddDataRows("cli.txt", "failure"); }
    void failuresLeaveNoFile()
    {
        QFETCH(QStringList, f);
        QStringList row = QStringList{QTest::currentDataTag()} + f; // row[0]: its name
        const QStringList fault = row[1].split(' ', Qt::SkipEmptyParts), args = row[2].split(' ');
        const int lines = row[3].toInt();
        startRadio(fault);
        QFile::remove("trace.txt");
        const std::string radio = ReadFileText("radio.r27");
        WriteFileText("far.r27", "44000000" + radio.substr(radio.find('\r')));
        const QString trace = fault.isEmpty() ? "." : "trace.txt";
        const CliOutcome run = RunCli(radioArgs(qPrintable(args[0])) + args.mid(1) + QStringList{"--trace", trace});
        QCOMPARE(run.code, 1);
        QCOMPARE(QString::fromStdString(run.lastErrLine()), row[4].replace("DEVICE", device_));
        QCOMPARE(QDir().entryList({"out.r27*"}, QDir::Files | QDir::Hidden), QStringList());
        const QStringList traced = TraceLines("trace.txt", {1, 3, 4});
        QCOMPARE(traced.size(), lines);
        QCOMPARE(traced.value(lines - 1), row.mid(5).join('|'));
        QCOMPARE(QFile::exists("traced.r27"), fault.isEmpty());
        QCOMPARE(stopRadio() == memory_, !fault.contains("wrongstore"));
    }
};

QTEST_MAIN(TestCliPty)
#include "test_cli_pty.moc"
