// kvr27 read and write end to end through the serial port against kvr27-sim on a
// pseudo-terminal: a read then write leaves the radio as it was (a read for another
// model is refused); a failed backup read or a silent radio leaves no output file and
// the radio untouched.
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
    QString device_;
    const sim::RadioEmulator::Memory memory_ = sim::DemoMemory(0);

    // Starts kvr27-sim on `memory_` with the given extra arguments.
    void startRadio(const QStringList& extra = {})
    {
        QVERIFY(sim::SaveMemoryImage("radio.bin", memory_));
        simulator_.setProgram(QStringLiteral(KVR27_SIM_PATH));
        simulator_.setArguments(QStringList{"--image", "radio.bin", "--dump", "after.bin", "--no-pace"} + extra);
        simulator_.start();
        QVERIFY(simulator_.waitForStarted());
        QVERIFY(simulator_.waitForReadyRead(5000));
        device_ = QString::fromUtf8(simulator_.readLine().trimmed());
        QVERIFY(device_.startsWith("/dev/"));
    }
    sim::RadioEmulator::Memory stopRadio()
    {
        simulator_.terminate(); // a radio that hung up has ended by itself
        if (simulator_.state() != QProcess::NotRunning && !simulator_.waitForFinished(5000))
            return {};
        return sim::LoadMemoryImage("after.bin").value_or(sim::RadioEmulator::Memory{});
    }
    QStringList radioArgs(const char* verb) { return {verb, "--model", "KV-R27PA", "--port", device_}; }
    // The lines of trace.txt, each without its time and answer: command, count, verdict.
    static QStringList TraceLines()
    {
        QFile trace("trace.txt");
        if (!trace.open(QIODevice::ReadOnly))
            return {"(no trace)"};
        QStringList lines;
        for (const QString& line : QString::fromLatin1(trace.readAll()).split('\n', Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(" | ");
            lines << (fields.size() == 5 ? QStringList{fields[1], fields[3], fields[4]}.join(" | ") : line);
        }
        return lines;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(dir_.path()));
    }

    // The commands of a trace file, one per exchange, in order.
    static QStringList TracedCommands(const QString& file)
    {
        QStringList commands;
        for (const QString& line : QString::fromStdString(ReadFileText(file.toStdString())).split('\n', Qt::SkipEmptyParts))
            commands << line.section(" | ", 1, 1);
        return commands;
    }

    // A failed row leaves its radio running; the next row starts its own.
    void cleanup()
    {
        if (simulator_.state() != QProcess::NotRunning)
            stopRadio();
    }

    // The read goes through "--port COM2", the device the user assigned to COM2 in
    // the port window; the write through the device path.
    void readThenWriteLeavesTheRadioAsItWas()
    {
        startRadio();
        QVERIFY(QDir().mkpath("config/kvr27-clone"));
        WriteFileText("config/kvr27-clone/ports.ini", "COM2=" + device_.toStdString() + "\r\n");
        qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toUtf8());
        const CliOutcome read = RunCli({"read", "--model", "KV-R27PA", "--port", "COM2", "-o", "radio.r27"});
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY2(read.code == 0 && read.err.empty(), read.err.c_str());
        // A read for another model is refused with the model the radio reports.
        QCOMPARE(RunCli({"read", "--model", "KV-R27Z", "--port", device_, "-o", "other.r27"}).lastErrLine(),
                 "kvr27 read: read failed: the radio reports KV-R27PA (code 6), another model than the one chosen");
        const CliOutcome write = RunCli(radioArgs("write") << "radio.r27" << "--yes");
        QCOMPARE(write.err, std::string()); // --yes answers the question unasked
        QCOMPARE(write.code, 0);
        QVERIFY(stopRadio() == memory_);
    }

    // kvr27 write and the main window's Write > All send the same commands for the
    // same clone file with the same safeguards (read-back and trace): both run the
    // one write command. radio.r27 is the file the first test read.
    void toolAndWindowSendTheSame()
    {
        startRadio();
        QVERIFY(RunCli(radioArgs("write") << "radio.r27" << "--yes" << "--trace" << "tool.txt").code == 0);

        ShellFixture shell;
        shell.state.Safeguards = {true, false, true};
        StartWithModel(shell.state, 0);
        QVERIFY(LoadCloneFile(shell.state, "radio.r27", shell.messages).ok());
        SerialDeviceLookup lookup;
        lookup.environment = [device = device_.toStdString()](const std::string&) { return device; };
        lookup.exists = [](const std::string&) { return true; };
        QtPort port(lookup);
        QtWaiter waiter;
        AppContext context = shell.context();
        context.LinkPort = &port;
        context.LinkWaiter = &waiter;
        frmMain window(context);
        shell.messages.answers = {true};
        window.mnuEepWriteAll_Click();
        const QStringList traces = QDir(shell.dir.filePath("traces")).entryList(QDir::Files);
        QCOMPARE(traces.size(), 1);
        const QStringList commands = TracedCommands("tool.txt");
        QCOMPARE(TracedCommands(shell.dir.filePath("traces/" + traces[0])), commands);
        // The VFO blocks, their read-back; the bitmap, the five channels in use,
        // the current channel, their read-back (715h through 710h).
        QCOMPARE(commands, (QStringList{
            R"(QZ~F07F0R\r)", R"(QZ~F0710R\r)", R"(QZ~F0700W02963B400000EA6040000000FFFFFFFF\r)",
            R"(QZ~F0710W670300000001080827FFFFFFFFFFFFFF\r)", R"(QZ~F0730W0007A1200820FFFFFFFFFFFFFFFFFFFF\r)",
            R"(QZ~F0700R\r)", R"(QZ~F0710R\r)", R"(QZ~F0730R\r)",
            R"(QZ~F07F0R\r)", R"(QZ~F0720WF8000000000000000000000000FFFFFF\r)",
            R"(QZ~F0000W0294D1EC0000EA600808270403FFFFFF\r)", R"(QZ~F0010W029577F0000000000C0C279603FFFFFF\r)",
            R"(QZ~F0020W02963B400000EA600814274500FFFFFF\r)", R"(QZ~F0030W02000000000000000808048801FFFFFF\r)",
            R"(QZ~F0040W07000000000000000808270801FFFFFF\r)", R"(QZ~F0715OW01\r)",
            R"(QZ~F0720R\r)", R"(QZ~F0000R\r)", R"(QZ~F0010R\r)", R"(QZ~F0020R\r)", R"(QZ~F0030R\r)",
            R"(QZ~F0040R\r)", R"(QZ~F0710R\r)"}));
        QVERIFY(stopRadio() == memory_);
    }

    // A failed transfer leaves no output file and the radio as it was; --trace writes
    // one line per exchange all the same (the last line's command, count, verdict).
    // A trace that cannot be written fails the run after the transfer's own outcome.
    void failuresLeaveNoFile_data()
    {
        QTest::addColumn<QStringList>("fault");
        QTest::addColumn<QStringList>("args"); // after the verb's model and port
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("error");
        QTest::newRow("silent radio") << QStringList{"--fault", "silence"} << QStringList{"read", "-o", "out.r27"} << 1
                                      << R"(QZ~F07F0R\r | 0 | no answer)" << "kvr27 read: read failed: no answer to QZ~F07F0R";
        QTest::newRow("late answers") << QStringList{"--fault", "delay", "--fault-after", "4"}
                                      << QStringList{"read", "-o", "out.r27"} << 5 << R"(QZ~F07F0R\r | 10 | no answer)"
                                      << "kvr27 read: read failed: no answer to QZ~F07F0R";
        QTest::newRow("backup read fails") // radio.r27 is the file the first test read
            << QStringList{"--fault", "err", "--fault-after", "20"}
            << QStringList{"write", "radio.r27", "--yes", "--backup", "out.r27"} << 21 << R"(QZ~F00F0R\r | 17 | ERR)"
            << "kvr27 write: backup read failed, nothing written: \"ERR\" answer to QZ~F00F0R";
        QTest::newRow("radio gone") << QStringList{"--fault", "hangup", "--fault-after", "3"}
                                    << QStringList{"read", "-o", "out.r27"} << 4 << R"(QZ~F0730R\r | 0 | no answer)"
                                    << "kvr27 read: read failed: the device DEVICE is gone";
        QTest::newRow("trace into a folder") << QStringList{} << QStringList{"read", "-o", "traced.r27"} << 1
                                             << "(no trace)" << "kvr27 read: trace not saved: .: Is a directory";
    }
    void failuresLeaveNoFile()
    {
        QFETCH(QStringList, fault);
        QFETCH(QStringList, args);
        QFETCH(int, lines);
        QFETCH(QString, error);
        startRadio(fault);
        QFile::remove("trace.txt");
        const QString trace = fault.isEmpty() ? "." : "trace.txt";
        const CliOutcome run = RunCli(radioArgs(qPrintable(args[0])) + args.mid(1) + QStringList{"--trace", trace});
        QCOMPARE(run.code, 1);
        QCOMPARE(QString::fromStdString(run.lastErrLine()), error.replace("DEVICE", device_));
        QCOMPARE(QDir().entryList({"out.r27*"}, QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(TraceLines().size(), lines);
        QTEST(TraceLines().last(), "last");
        QCOMPARE(QFile::exists("traced.r27"), fault.isEmpty());
        QVERIFY(stopRadio() == memory_);
    }

    // The radio keeps a wrong byte of the first channel written (after the
    // identification and the bitmap): the read-back names it and the write fails;
    // --no-verify writes as before and succeeds. The file is radio.r27, read above,
    // with channel 1 at 440 MHz: left out, and counted.
    void verifyAfterWrite_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("error");
        QTest::newRow("verified") << QStringList{} << 1
                                  << "kvr27 write: verify failed: the radio does not hold what was written: "
                                     "channel 0, byte 0000h written 02h, read back 03h";
        QTest::newRow("--no-verify") << QStringList{"--no-verify"} << 0 << "";
    }
    void verifyAfterWrite()
    {
        QFETCH(QStringList, extra);
        startRadio({"--fault", "wrongstore", "--fault-after", "2"});
        QStringList lines = QString::fromStdString(ReadFileText("radio.r27")).split("\r\n");
        lines[39] = "44000000"; // channel 1's frequency, line 40
        WriteFileText("far.r27", lines.join("\r\n").toStdString());
        const CliOutcome write = RunCli(radioArgs("write") << "far.r27" << "--memory" << "--yes" << extra);
        QCOMPARE(write.out, std::string("1 channel left out: outside the radio's range\n"));
        QTEST(write.code, "code");
        QTEST(QString::fromStdString(write.code ? write.lastErrLine() : std::string()), "error");
    }
};

QTEST_MAIN(TestCliPty)
#include "test_cli_pty.moc"
