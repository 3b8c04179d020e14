// The exchange trace over the emulated radio: a Read > All traced line by line,
// the verdict of every kind of answer, a trace that changes nothing on the wire,
// and where the trace file goes.
#include "LinkRig.h"
#include "commands/CommandNote.h"
#include "support/FileText.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace kvr27;
using namespace kvr27::test;
using sim::Fault;

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(DataCommand)

namespace {

// A clock 100 ms further on at each reading: the n-th command goes out at n x 100 ms.
TraceClock TickingClock()
{
    return [now = std::chrono::milliseconds(5000)]() mutable { return now += std::chrono::milliseconds(100); };
}

// Runs `command` traced into the data folder `folder` (a write without its
// question), with the ticking clock.
CommandReport RunTraced(LinkRig& rig, DataCommand command, const QString& folder)
{
    rig.state.Safeguards.TraceExchanges = true;
    rig.state.DataFolder = folder.toStdString();
    RadioCommandOptions options;
    options.Confirmed = true;
    options.Clock = TickingClock();
    return command.Write ? WriteRadioCommand(rig.state, rig.services, command.Parts, options)
                         : ReadRadioCommand(rig.state, rig.services, command.Parts, options);
}

// The lines of the trace that a command left.
QStringList TracedLines(const CommandReport& report)
{
    return QString::fromStdString(ReadFileText(report.Files.Trace)).split('\n', Qt::SkipEmptyParts);
}

} // namespace

class TestTrace : public QObject {
    Q_OBJECT

private slots:
    // Identity, the three VFO blocks, identity again, the 100 channels, the bitmap
    // and 710h for the current channel: 107 lines, one file in traces/; then a trace
    // that cannot be saved.
    void readAllTrace()
    {
        LinkRig rig;
        LoadKnownRadio(rig);
        QTemporaryDir folder;
        const CommandReport report = RunTraced(rig, ReadAll, folder.path());
        const QStringList lines = TracedLines(report);

        QStringList commands;
        for (const QString& line : lines)
            commands << line.section(" | ", 1, 1);
        QStringList expected{R"(QZ~F07F0R\r)", R"(QZ~F0700R\r)", R"(QZ~F0710R\r)", R"(QZ~F0730R\r)", R"(QZ~F07F0R\r)"};
        for (int n = 0; n < 100; ++n)
            expected << QString(R"(QZ~F%1R\r)").arg(QString::number(n * 16, 16).toUpper().rightJustified(4, '0'));
        expected << R"(QZ~F0720R\r)" << R"(QZ~F0710R\r)";
        QCOMPARE(commands, expected);
        QCOMPARE(lines[0], R"(100 ms | QZ~F07F0R\r | QZ~F07F0R\r\r\nFFFFFFFFFFFF06FFFFFFFFFFFFFFFFFF\r\n | 46 | data)");
        QCOMPARE(lines[1], R"(200 ms | QZ~F0700R\r | QZ~F0700R\r\r\n029662500000EA60C1AABB02FFFFFFFF\r\n | 46 | data)");
        QCOMPARE(lines[10], R"(1100 ms | QZ~F0050R\r | QZ~F0050R\r\r\n0200000000000000000026080100FFFF\r\n | 46 | data)");
        QCOMPARE(lines[106],
                 R"(10700 ms | QZ~F0710R\r | QZ~F0710R\r\r\n9413B5420006080926FFFFFFFFFFFFFF\r\n | 46 | data)");
        const QStringList files = QDir(folder.filePath("traces")).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QVERIFY(QRegularExpression(R"(^trace-\d{4}-\d\d-\d\d-\d{6}\.txt$)").match(files[0]).hasMatch());
        QCOMPARE(QString::fromStdString(CommandNote(report)),
                 "Read complete; trace: " + folder.filePath("traces/" + files[0]));

        // A trace that cannot be saved is named in the note and leaves the transfer's
        // outcome alone (the naming of the files is that of every dated file).
        WriteFileText(folder.filePath("file").toStdString(), "not a folder");
        QCOMPARE(CommandNote(RunTraced(rig, ReadVfo, folder.filePath("file"))),
                 "Read complete; trace not saved: " + folder.filePath("file").toStdString() + "/traces: Not a directory");
    }

    // The last line of a transfer that a fault ends (or that ends well): the
    // answer as it came, carriage returns visible, its count and the verdict.
    void verdicts_data()
    {
        QTest::addColumn<DataCommand>("command");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("answeredNormally");
        QTest::addColumn<QString>("line");
        QTest::newRow("silence") << ReadVfo << Fault::Silence << 0 << R"(100 ms | QZ~F07F0R\r |  | 0 | no answer)";
        QTest::newRow("short") << ReadVfo << Fault::ShortAnswer << 0
                               << R"(100 ms | QZ~F07F0R\r | QZ~F07F0R\r\r\nFFFFFFFFFFFF06FFFFFFFFFFFFFFFFFF\r | 45 | wrong length)";
        QTest::newRow("long") << ReadVfo << Fault::LongAnswer << 0
                              << R"(100 ms | QZ~F07F0R\r | QZ~F07F0R\r\r\nFFFFFFFFFFFF06FFFFFFFFFFFFFFFFFF\r\n\n | 47 | wrong length)";
        QTest::newRow("ERR") << ReadVfo << Fault::Error << 0 << R"(100 ms | QZ~F07F0R\r | QZ~F07F0R\r\r\nERR\r\n | 17 | ERR)";
        QTest::newRow("non-hex") << ReadVfo << Fault::NonHex << 0
                                 << R"(100 ms | QZ~F07F0R\r | QZ~F07F0R\r\r\nFFFFFGFFFFFF06FFFFFFFFFFFFFFFFFF\r\n | 46 | not hexadecimal)";
        QTest::newRow("late answer") << ReadVfo << Fault::Delay << 1
                                     << R"(200 ms | QZ~F0700R\r | QZ~F0700R\r\r\nFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF\r\n | 10 | no answer)";
        QTest::newRow("write refused") << WriteMemory << Fault::Error << 1
                                       << R"(200 ms | QZ~F0720W00000000000000000000000000FFFFFF\r | )"
                                          R"(QZ~F0720W00000000000000000000000000FFFFFF\r\r\nERR\r\n | 49 | ERR)";
        QTest::newRow("write acknowledged") << WriteMemory << Fault::None << 0
                                            << R"(300 ms | QZ~F0715OW00\r | QZ~F0715OW00\r\r\nOK\r\n | 19 | acknowledgement)";
    }
    void verdicts()
    {
        QFETCH(DataCommand, command);
        QFETCH(Fault, fault);
        QFETCH(int, answeredNormally);
        LinkRig rig;
        rig.radio.setFault(fault, answeredNormally);
        QTemporaryDir folder;
        const QStringList lines = TracedLines(RunTraced(rig, command, folder.path()));
        QCOMPARE(lines.size(), static_cast<int>(rig.radio.commands().size()));
        QTEST(lines.last(), "line");
    }

    // With the trace on, the radio receives exactly what it receives without it,
    // and the transfer ends the same; with it off no trace is kept.
    void nothingChangesOnTheWire_data()
    {
        QTest::addColumn<DataCommand>("command");
        QTest::addColumn<Fault>("fault");
        QTest::newRow("Read > All") << ReadAll << Fault::None;
        QTest::newRow("Write > All") << WriteAll << Fault::None;
        QTest::newRow("Read > All, late answers") << ReadAll << Fault::Delay;
    }
    void nothingChangesOnTheWire()
    {
        QFETCH(DataCommand, command);
        QFETCH(Fault, fault);
        std::vector<std::string> received[2];
        std::string notes[2];
        for (const bool traced : {false, true}) {
            LinkRig rig;
            LoadKnownRadio(rig);
            rig.radio.setFault(fault, 3);
            rig.messages.answers = {true};
            rig.state.Safeguards.TraceExchanges = traced;
            QTemporaryDir folder;
            rig.state.DataFolder = folder.path().toStdString();
            const CommandReport report = rig.run(command);
            received[traced] = rig.radio.commands();
            QCOMPARE(QDir(folder.filePath("traces")).exists(), traced);
            notes[traced] = report.Transfer ? TransferNote(*report.Transfer) : "";
        }
        QVERIFY(received[false].size() > 3);
        QCOMPARE(received[true], received[false]);
        QCOMPARE(notes[true], notes[false]);
    }

    // Escapes that keep a line one line and show every byte.
    void escapes()
    {
        QCOMPARE(QString::fromStdString(EscapeControls(std::string("OK\r\n a\\b \x00\x1B\t\x7F \xC3\xA9", 16))),
                 R"(OK\r\n a\\b \x00\x1B\t\x7F \xC3\xA9)");
    }
};

QTEST_GUILESS_MAIN(TestTrace)
#include "test_trace.moc"
