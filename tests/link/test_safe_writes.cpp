// The safeguards around the transfers against the emulated radio: the read-back
// after a write (one read per written block, a difference named, a read-back that
// fails), the backup of the radio before a write (what it holds, nothing written
// when it fails, the twenty backups kept) and the exchange trace (line by line, the
// verdict of every kind of answer, where its file goes); none of them changes what
// the transfer itself sends.
#include "LinkRig.h"
#include "core/FileAccess.h"
#include "core/Questions.h"
#include "commands/FileMenuCommands.h"
#include "commands/CommandNote.h"
#include "commands/RadioBackup.h"
#include "support/FileText.h"

#include <QTemporaryDir>
#include <QtTest>

#include <ctime>
#include <filesystem>

using namespace kvr27;
using namespace kvr27::test;
using sim::Fault;
using Texts = std::vector<std::string>;

namespace {

// A KV-R27PA image read from the known radio, to be written back with `safeguards`
// and one edit: channel 40 at 433.10000 MHz.
struct WriteRig : LinkRig {
    explicit WriteRig(TransferSafeguards safeguards) : LinkRig(0, 6)
    {
        LoadKnownRadio(*this);
        (void)run(ReadAll);
        known = state.Image;
        state.Image.Channels.at(40).Frequency = 43310000;
        state.Safeguards = safeguards;
        state.DataFolder = folder.path().toStdString();
        messages.shown.clear();
        readCount = radio.commands().size();
    }
    // The commands of the write, without the read that set the rig up.
    Texts writeCommands() const { return Texts(radio.commands().begin() + readCount, radio.commands().end()); }
    // Runs a write command as the Data menu does, keeping its report.
    void write(DataCommand command) { report = run(command); }
    std::string note() const { return CommandNote(report); }

    QTemporaryDir folder;
    RadioImage known; // as read from the radio
    std::size_t readCount = 0;
    CommandReport report;
};

constexpr TransferSafeguards TraceOnly{false, false, true};

// Runs `command` traced into the data folder `folder` (a write without its
// question), with a clock 100 ms further on at each reading: the n-th command goes
// out at n x 100 ms.
CommandReport RunTraced(LinkRig& rig, DataCommand command, const QString& folder)
{
    rig.state.Safeguards = TraceOnly;
    rig.state.DataFolder = folder.toStdString();
    RadioCommandOptions options;
    options.Confirmed = true;
    options.Clock = [now = std::chrono::milliseconds(5000)]() mutable { return now += std::chrono::milliseconds(100); };
    return command.Write ? WriteRadioCommand(rig.state, rig.services, command.Parts, options)
                         : ReadRadioCommand(rig.state, rig.services, command.Parts, options);
}

} // namespace

class TestSafeWrites : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        tzset();
    }

    // A transfer sends the same with or without a safeguard and ends the same: the
    // read-back only adds one read per written block after each transfer (the
    // one-byte write at 715h is read back with its block 710h); the trace adds
    // nothing, also when answers come late. A safeguard that finds a fault fails
    // the write and says why: a radio that acknowledges a write but keeps another
    // byte (the read-back names the place, the address and both values), a
    // read-back that cannot finish (the write stays unverified). When the backup
    // cannot be made (the radio cannot be read, or the data folder is a file),
    // nothing is written.
    void safeguards_data() { AddDataRows("link.txt", "safeguard"); }
    void safeguards()
    {
        QFETCH(QStringList, f);
        QStringList row = QStringList{QTest::currentDataTag()} + f; // row[0]: its name
        const DataCommand command = DataCommandNamed(row[1].toStdString());
        const TransferSafeguards safeguards{row[2] == "verify", row[2] == "backup", row[2] == "trace"};
        const Fault fault = FaultNamed(row[3].toStdString());
        const int goodExchanges = row[4].toInt();
        QString message = row[5].replace("\\r", "\r");
        WriteRig plain(NoSafeguards), guarded(safeguards);
        if (goodExchanges < 0) {
            guarded.state.DataFolder /= "file";
            QVERIFY(ReplaceFileAtomically(guarded.state.DataFolder, "x").ok());
        }
        const std::array<std::uint8_t, 2048> memoryBefore = guarded.radio.memory();
        for (WriteRig* rig : {&plain, &guarded}) {
            rig->radio.setFault(fault, static_cast<int>(rig->readCount) + goodExchanges);
            rig->messages.answers = {true};
            rig->write(command);
            QCOMPARE(QDir(rig->folder.filePath("traces")).exists(), rig == &guarded && safeguards.TraceExchanges);
        }
        const std::string note = guarded.note();
        QCOMPARE(QString::fromStdString(note.substr(0, note.find("; "))), row[6]); // the files: readAllTrace
        if (message.isEmpty()) {
            Texts expected = plain.writeCommands();
            QVERIFY(expected.size() > 3);
            // The VFO write ends after its three block writes; the memory write with 715h.
            const auto vfoEnd = std::find(expected.begin(), expected.end(), "QZ~F0730W0007A1200560FFFFFFFFFFFFFFFFFFFF\r");
            if (safeguards.VerifyAfterWrite && command.Parts != RadioParts::Memory)
                expected.insert(vfoEnd + 1, {"QZ~F0700R\r", "QZ~F0710R\r", "QZ~F0730R\r"});
            if (safeguards.VerifyAfterWrite && command.Parts != RadioParts::Vfo)
                expected.insert(expected.end(),
                                {"QZ~F0720R\r", "QZ~F0000R\r", "QZ~F0050R\r", "QZ~F0280R\r", "QZ~F0710R\r"});
            if (safeguards.BackupBeforeWrite) // after the identity, the whole radio as Read > All
                expected.insert(expected.begin() + 1, guarded.radio.commands().begin(),
                                guarded.radio.commands().begin() + std::ptrdiff_t(guarded.readCount));
            QCOMPARE(guarded.writeCommands(), expected);
            QCOMPARE(guarded.messages.texts(), plain.messages.texts());
            QVERIFY(guarded.state.Image.Vfo == plain.state.Image.Vfo
                    && guarded.state.Image.Channels == plain.state.Image.Channels);
            // The backup loads to what the radio held, not the image written.
            const QStringList backups = QDir(guarded.folder.filePath("backups")).entryList(QDir::Files);
            QCOMPARE(backups.size(), int(safeguards.BackupBeforeWrite));
            if (safeguards.BackupBeforeWrite) {
                AppState loaded;
                StartWithModel(loaded, 0);
                QVERIFY(LoadCloneFile(loaded, guarded.folder.filePath("backups/" + backups[0]).toStdString(),
                                      guarded.messages).ok());
                QCOMPARE(loaded.Image.Vfo, guarded.known.Vfo);
                for (int n : {0, 5, 7, 40}) // the channels the radio holds, 7 disabled
                    QCOMPARE(loaded.Image.Channels.at(n), guarded.known.Channels.at(n));
            }
            if (safeguards.VerifyAfterWrite)
                QCOMPARE(guarded.progress.shown.end()[-2].second, std::string("Verify       100%"));
            return;
        }
        Texts shown = guarded.messages.texts();
        QCOMPARE(shown.size(), 2u);
        QCOMPARE(shown[0], std::string(OverwriteQuestion));
        QCOMPARE(guarded.messages.shown[1].icon, MessageIcon::Exclamation);
        if (message.contains("DATA")) // followed by the system's reason
            shown[1].resize(std::min(shown[1].size(), std::size_t(message.size() - 4 + guarded.folder.path().size())));
        QCOMPARE(QString::fromStdString(shown[1]), message.replace("DATA", guarded.folder.path()));
        if (safeguards.BackupBeforeWrite) {
            QVERIFY(guarded.radio.memory() == memoryBefore);
            for (const std::string& sent : guarded.writeCommands())
                QVERIFY2(sent.find('W') == std::string::npos, sent.c_str());
        }
    }

    // A write that its checks refuse has written nothing and says so: a blank box
    // before the question (and before any exchange: no trace either), a frequency
    // outside the radio's range or another model right after the identity block.
    // A write cut short says what it wrote. The backup follows the checks.
    void refusedWritesWriteNothing_data() { AddDataRows("link.txt", "refusal"); }
    void refusedWritesWriteNothing()
    {
        QFETCH(QStringList, f);
        WriteRig rig({true, true, true});
        const QString change = f[1];
        if (change == "squelch")
            rig.state.Vfo.txtSquelch.clear();
        else if (change == "frequency")
            rig.state.Vfo.txtFrequency = "440.00000";
        else if (change == "model")
            rig.state.Image.ModelName = "KV-R27Z";
        else
            rig.radio.setFault(Fault::Silence, static_cast<int>(rig.readCount) + change.toInt());
        rig.messages.answers = {true};
        rig.write(DataCommandNamed(f[0].toStdString()));
        QStringList shown;
        for (const std::string& text : rig.messages.texts())
            shown << (text == OverwriteQuestion ? "Q" : QString::fromStdString(text));
        QCOMPARE(shown.join(" / "), f[2]);
        const QDir folder(rig.folder.path());
        QCOMPARE(QDir(folder.filePath("traces")).entryList(QDir::Files).size(), f[3].toInt());
        const std::string note = rig.note();
        QCOMPARE(QString::fromStdString(note.substr(0, std::min(note.find("; backup: "), note.find("; trace: ")))), f[4]);
        if (!f[4].contains("nothing was written"))
            return;
        QVERIFY(rig.report.End == CommandEnd::Failed && rig.report.Files.Backup.empty());
        QCOMPARE(QDir(folder.filePath("backups")).entryList(QDir::Files), QStringList());
        for (const std::string& sent : rig.writeCommands())
            QVERIFY2(sent.ends_with("R\r"), sent.c_str());
    }

    // The folder keeps the twenty newest backups, named after the model.
    // A byte written as FF is a value like any other: channels 0 to 7 in use fill
    // the bitmap's first byte, and a radio that keeps FE there fails the read-back.
    void readBackComparesBytesWrittenAsFF()
    {
        WriteRig rig({true, false, false});
        for (int n = 1; n < 8; ++n)
            rig.state.Image.Channels.at(n) = rig.state.Image.Channels.at(0);
        rig.radio.setFault(Fault::WrongStore, int(rig.readCount) + 1, {}, 1); // the bitmap's write only
        rig.messages.answers = {true};
        rig.write(WriteMemory);
        QCOMPARE(rig.note(), std::string("Verify failed on emulated COM1: the channel bitmap, byte 0720h written FFh, "
                                         "read back FEh; written: the channel bitmap, 9 channels, the current channel"));
    }

    void keepsTheTwentyNewestBackups()
    {
        QTemporaryDir dir;
        const std::filesystem::path folder = dir.path().toStdString();
        RadioImage image;
        image.ModelName = "KV-R27PA(PMR only)";
        // 2026-12-07 10:15:30 UTC, then one backup a second.
        const auto start = std::chrono::system_clock::from_time_t(1796638530);
        for (int i = 0; i < 21; ++i)
            QVERIFY(SaveRadioBackup(image, folder, start + std::chrono::seconds(i)).ok());
        const QStringList names = QDir(dir.path()).entryList(QDir::Files); // sorted by name
        QCOMPARE(names.size(), 20);
        QCOMPARE(names[0], "KV-R27PA_PMR_only-2026-12-07-101531.r27");
    }

    // Identity, the three VFO blocks, identity again, the 100 channels, the bitmap
    // and 710h for the current channel: 107 lines, one file in traces/; then a trace
    // that cannot be saved.
    void readAllTrace()
    {
        LinkRig rig;
        LoadKnownRadio(rig);
        QTemporaryDir folder;
        const CommandReport report = RunTraced(rig, ReadAll, folder.path());
        QCOMPARE(ReadFileText(report.Files.Trace), ReadFileText(KVR27_TEST_DATA "/read-all.trace"));
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
    // answer as it came, carriage returns visible, its count and the verdict (no
    // answer and "ERR" to a read: test_cli_pty, failuresLeaveNoFile).
    void verdicts()
    {
        for (const QStringList& row : DataRows("link.txt", "verdict")) {
            LinkRig rig;
            rig.radio.setFault(FaultNamed(row[2].toStdString()), row[3].toInt());
            QTemporaryDir folder;
            const CommandReport report = RunTraced(rig, DataCommandNamed(row[1].toStdString()), folder.path());
            const QStringList lines = QString::fromStdString(ReadFileText(report.Files.Trace)).split('\n', Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), static_cast<int>(rig.radio.commands().size()));
            QCOMPARE(lines.last(), row.mid(4).join('|').replace("\r\n", "\\r\\n")); // the trace shows "\r\n" as text
        }
    }

    // Escapes that keep a line one line and show every byte.
    void escapes()
    {
        QCOMPARE(EscapeControls(std::string("OK\r\n a\\b \x00\x1B\t\x7F \xC3\xA9", 16)),
                 R"(OK\r\n a\\b \x00\x1B\t\x7F \xC3\xA9)");
    }
};

QTEST_GUILESS_MAIN(TestSafeWrites)
#include "test_safe_writes.moc"
