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
#include "commands/RadioComparison.h"
#include "support/FileText.h"

#include <QTemporaryDir>
#include <QtTest>

#include <ctime>
#include <filesystem>
#include <random>

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

// A confirmed Write > All with a review (answered by `review`, none: no review) and
// changed blocks only or not.
CommandReport WriteAllWith(LinkRig& rig, bool changedOnly, std::function<bool(const Texts&)> review = {})
{
    rig.state.ReviewBeforeWrite = bool(review);
    rig.state.ChangedBlocksOnly = changedOnly;
    RadioCommandOptions options;
    options.Confirmed = true;
    options.Review = std::move(review);
    return WriteRadioCommand(rig.state, rig.services, RadioParts::All, options);
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

    // A write of changed blocks only leaves the radio byte for byte as a full write:
    // radios of random channel blocks and bitmaps (bytes no field holds included),
    // a few random edits, the backup's read as the whole read.
    void changedOnlyWritesAsAFullWrite_data()
    {
        QTest::addColumn<int>("seed");
        for (int seed : {1, 2, 3, 4, 5, 6})
            QTest::addRow("%d", seed) << seed;
    }
    void changedOnlyWritesAsAFullWrite()
    {
        QFETCH(int, seed);
        std::mt19937 random(static_cast<unsigned>(seed));
        LinkRig full(0, 6), changed(0, 6);
        LoadKnownRadio(changed);
        for (std::size_t at = 0; at < 0x730; at = at == 0x63F ? 0x720 : at + 1)
            changed.radio.memory()[at] = static_cast<std::uint8_t>(random());
        QVERIFY(changed.run(ReadAll).ok());
        for (int edits = 1 + seed % 3; edits > 0; --edits) {
            ChannelRecord& channel = changed.state.Image.Channels.at(static_cast<int>(random() % 100));
            std::tie(channel.Frequency, channel.TxTone, channel.ChannelFlags) =
                std::tuple(43310000 + 2500 * static_cast<int>(random() % 100), std::uint8_t(random() % 50), 0x04);
            channel.Enabled = seed % 2 || !channel.Enabled;
        }
        if (seed % 3 == 0)
            changed.state.Vfo.txtFrequency = "433.50000";
        QTemporaryDir folder;
        changed.state.DataFolder = folder.path().toStdString();
        changed.state.Safeguards = {true, true, false};
        full.state = changed.state;
        full.radio.memory() = changed.radio.memory();
        const std::size_t before = changed.writes().size();
        QVERIFY(WriteAllWith(full, false).ok());
        QVERIFY(WriteAllWith(changed, true).ok());
        QVERIFY(changed.radio.memory() == full.radio.memory());
        QVERIFY(changed.writes().size() - before < full.writes().size() - before);
    }

    // One channel edited: its block, the current channel and the blocks whose bytes
    // no field holds differ from FF go out, and only they are read back; a radio
    // that stores them wrong fails the write as ever.
    void changedOnlySendsAndReadsBackTheChangedBlocks()
    {
        WriteRig rig({true, true, false});
        rig.report = WriteAllWith(rig, true);
        // The radio identified before the backup's 107 reads, then the write.
        QCOMPARE(Texts(rig.radio.commands().begin() + std::ptrdiff_t(rig.readCount) + 1 + 107, rig.radio.commands().end()),
                 (Texts{"QZ~F0710R\r", "QZ~F07F0R\r", "QZ~F0000W0294CDEC0000EA600A0B001403FFFFFF\r",
                        "QZ~F0050W02000000000000000000260801FFFFFF\r", "QZ~F0280W0294DBB0000000000000000402FFFFFF\r",
                        "QZ~F0715OW01\r", "QZ~F0000R\r", "QZ~F0050R\r", "QZ~F0280R\r", "QZ~F0710R\r"}));
        QCOMPARE(rig.note().substr(0, rig.note().find(';')), std::string("Write complete and verified: 4 of 8 blocks changed"));

        WriteRig wrong({true, true, false});
        wrong.radio.setFault(Fault::WrongStore, static_cast<int>(wrong.readCount) + 107);
        const CommandReport report = WriteAllWith(wrong, true);
        QVERIFY(report.End == CommandEnd::Failed && report.Transfer->Result.Fault == LinkFault::VerifyMismatch);
    }

    // The review shows what the write changes; Cancel sends nothing, nothing to
    // change writes nothing; a radio changed by hand while the review waits, as the
    // write finds, is written whole again.
    void reviewBeforeWriting()
    {
        WriteRig rig(NoSafeguards);
        Texts reviewed;
        const auto answer = [&reviewed](bool go) {
            return [&reviewed, go](const Texts& lines) { return reviewed = lines, go; };
        };
        QCOMPARE(WriteAllWith(rig, true, answer(false)).End, CommandEnd::Declined);
        QCOMPARE(reviewed, (Texts{"Channel 40, Frequency(ch): 434.20000 → 433.10000", "CurrentChannel: 6 → 1"}));
        QCOMPARE(rig.writes(), Texts{});

        rig.state.Image.Channels.at(40) = rig.known.Channels.at(40);
        rig.radio.memory()[0x715] = 1;
        QCOMPARE(WriteAllWith(rig, true, answer(true)).End, CommandEnd::Done);
        QCOMPARE(rig.messages.texts(), Texts{NothingToWriteMessage});
        QCOMPARE(rig.writes(), Texts{});

        rig.state.Image.Channels.at(40).Frequency = 43310000;
        // The squelch and the bitmap changed by hand: the write finds 710h changed.
        const std::array<std::uint8_t, 2> before = {rig.radio.memory()[0x710], rig.radio.memory()[0x720]};
        QVERIFY(WriteAllWith(rig, true, [&](const Texts&) {
                    return ++rig.radio.memory()[0x710], ++rig.radio.memory()[0x720], true;
                }).ok());
        QCOMPARE((std::array{rig.radio.memory()[0x710], rig.radio.memory()[0x720]}), before);
    }
};

QTEST_GUILESS_MAIN(TestSafeWrites)
#include "test_safe_writes.moc"
