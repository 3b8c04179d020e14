// The exchange trace over the emulated radio: a Read > All traced line by line,
// the verdict of every kind of answer, a trace that changes nothing on the wire,
// and where the trace file goes.
#include "LinkRig.h"
#include "commands/DataMenuCommands.h"
#include "commands/TracedCommand.h"
#include "commands/Transfers.h"
#include "support/FileText.h"

#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace kvr27;
using namespace kvr27::test;
using sim::Fault;
using Command = std::function<void(AppState&, LinkServices&)>;

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(Command)

namespace {

// A clock 100 ms further on at each reading: the n-th command goes out at n x 100 ms.
TraceClock TickingClock()
{
    return [now = std::chrono::milliseconds(5000)]() mutable { return now += std::chrono::milliseconds(100); };
}

// Runs `command` traced into a data folder of its own; the trace's lines.
QStringList TracedLines(LinkRig& rig, const Command& command, const QTemporaryDir& folder)
{
    rig.state.Safeguards.TraceExchanges = true;
    rig.state.DataFolder = folder.path().toStdString();
    rig.state.Link.beginCommand();
    RunTracedCommand(rig.state, rig.services, [&](LinkServices& link) { command(rig.state, link); }, TickingClock());
    return QString::fromStdString(ReadFileText(rig.state.Link.TraceFile)).split('\n', Qt::SkipEmptyParts);
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
        const QStringList lines = TracedLines(rig, ReadAllCommand, folder);

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
        QCOMPARE(QString::fromStdString(CommandNote(rig.state.Link)),
                 "Read complete; trace: " + folder.filePath("traces/" + files[0]));

        // A trace that cannot be saved is named in the note and leaves the transfer's
        // outcome alone (the naming of the files is that of every dated file).
        WriteFileText(folder.filePath("file").toStdString(), "not a folder");
        rig.state.DataFolder = folder.filePath("file").toStdString();
        rig.state.Link.beginCommand();
        RunTracedCommand(rig.state, rig.services,
                         [&](LinkServices& link) { (void)ReadVfoMode(rig.state, link, ProgressTarget::Main); });
        QCOMPARE(CommandNote(rig.state.Link),
                 "Read complete; trace not saved: " + rig.state.DataFolder.string() + "/traces: Not a directory");
    }

    // The last line of a transfer that a fault ends (or that ends well): the
    // answer as it came, carriage returns visible, its count and the verdict.
    void verdicts_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("answeredNormally");
        QTest::addColumn<QString>("line");
        const Command readVfo = [](AppState& s, LinkServices& l) { (void)ReadVfoMode(s, l, ProgressTarget::Main); };
        const Command writeMemory = [](AppState& s, LinkServices& l) { (void)WriteMemoryMode(s, l, ProgressTarget::Main); };
        QTest::newRow("silence") << readVfo << Fault::Silence << 0 << R"(100 ms | QZ~F07F0R\r |  | 0 | no answer)";
        QTest::newRow("short") << readVfo << Fault::ShortAnswer << 0
                               << R"(100 ms | QZ~F07F0R\r | QZ~F07F0R\r\r\nFFFFFFFFFFFF06FFFFFFFFFFFFFFFFFF\r | 45 | wrong length)";
        QTest::newRow("long") << readVfo << Fault::LongAnswer << 0
                              << R"(100 ms | QZ~F07F0R\r | QZ~F07F0R\r\r\nFFFFFFFFFFFF06FFFFFFFFFFFFFFFFFF\r\n\n | 47 | wrong length)";
        QTest::newRow("ERR") << readVfo << Fault::Error << 0 << R"(100 ms | QZ~F07F0R\r | QZ~F07F0R\r\r\nERR\r\n | 17 | ERR)";
        QTest::newRow("non-hex") << readVfo << Fault::NonHex << 0
                                 << R"(100 ms | QZ~F07F0R\r | QZ~F07F0R\r\r\nFFFFFGFFFFFF06FFFFFFFFFFFFFFFFFF\r\n | 46 | not hexadecimal)";
        QTest::newRow("late answer") << readVfo << Fault::Delay << 1
                                     << R"(200 ms | QZ~F0700R\r | QZ~F0700R\r\r\nFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF\r\n | 10 | no answer)";
        QTest::newRow("write refused") << writeMemory << Fault::Error << 1
                                       << R"(200 ms | QZ~F0720W00000000000000000000000000FFFFFF\r | )"
                                          R"(QZ~F0720W00000000000000000000000000FFFFFF\r\r\nERR\r\n | 49 | ERR)";
        QTest::newRow("write acknowledged") << writeMemory << Fault::None << 0
                                            << R"(300 ms | QZ~F0715OW00\r | QZ~F0715OW00\r\r\nOK\r\n | 19 | acknowledgement)";
    }
    void verdicts()
    {
        QFETCH(Command, command);
        QFETCH(Fault, fault);
        QFETCH(int, answeredNormally);
        LinkRig rig;
        rig.radio.setFault(fault, answeredNormally);
        QTemporaryDir folder;
        const QStringList lines = TracedLines(rig, command, folder);
        QCOMPARE(lines.size(), static_cast<int>(rig.radio.commands().size()));
        QTEST(lines.last(), "line");
    }

    // With the trace on, the radio receives exactly what it receives without it,
    // and the transfer ends the same; with it off no trace is kept.
    void nothingChangesOnTheWire_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<Fault>("fault");
        QTest::newRow("Read > All") << Command(ReadAllCommand) << Fault::None;
        QTest::newRow("Write > All") << Command(WriteAllCommand) << Fault::None;
        QTest::newRow("Read > All, late answers") << Command(ReadAllCommand) << Fault::Delay;
    }
    void nothingChangesOnTheWire()
    {
        QFETCH(Command, command);
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
            rig.state.Link.beginCommand();
            RunTracedCommand(rig.state, rig.services, [&](LinkServices& link) { command(rig.state, link); });
            received[traced] = rig.radio.commands();
            QCOMPARE(QDir(folder.filePath("traces")).exists(), traced);
            notes[traced] = rig.state.Link.LastTransfer ? TransferNote(*rig.state.Link.LastTransfer) : "";
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
