// The radio's memory map, the link's exchanges and device names, and the four
// transfers and Data menu commands over the emulated radio: the commands on the
// wire, what is read and written, the model check, the range pass of the memory
// write, the questions and flags, and every fault of the radio.
#include "LinkRig.h"
#include "commands/ChannelDialogEditor.h"
#include "commands/ChannelGridEditor.h"
#include "commands/Document.h"
#include "commands/FileMenuCommands.h"
#include "commands/VfoEditor.h"
#include "core/Questions.h"
#include "image/FrequencyText.h"
#include "link/Framing.h"
#include "link/MemoryMap.h"
#include "link/PortAssignments.h"
#include "link/SerialDeviceName.h"
#include "link/TransferOutcome.h"
#include "support/FileText.h"

#include <QtTest>


using namespace kvr27;
using namespace kvr27::test;
using sim::Fault;
using Texts = std::vector<std::string>;

namespace {
constexpr int OptionPA = 0, OptionX = 2, OptionPmrOnly = 3;
} // namespace

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(DataCommand)

class TestLink : public QObject {
    Q_OBJECT

private slots:
    // Channel n at 16 x n: +0 Frequency, +4 ShiftFreq, +8 TxTone, +9 RxTone, +10
    // PmrTone, +11 ChannelFlags, +12 Step, +13..+15 FF on write.
    void channelBlock()
    {
        for (const QStringList& row : DataRows("link.txt", "channel")) {
            QList<int> f;
            for (const QString& field : row[2].split(' '))
                f << field.toInt(nullptr, 0);
            const ChannelRecord record{f[0], f[1], std::uint8_t(f[2]), std::uint8_t(f[3]), std::uint8_t(f[4]),
                                       std::uint8_t(f[5]), std::uint8_t(f[6]), false};
            ChannelRecord decoded;
            DecodeChannelBlock(row[1].toStdString(), decoded);
            QVERIFY2(decoded == record, qPrintable(row[0]));
            QCOMPARE(QString::fromStdString(EncodeChannelBlock(record)), row[1].left(26) + "FFFFFF");
        }
    }

    // The VFO blocks with every field at its address: 700h Frequency, 704h ShiftFreq,
    // 708h LockPowerTone, 709h and 70Ah the reserved bytes, 70Bh the 0-based PMR
    // channel; 710h..714h the packed bytes, 715h the current channel, 716h TxTone,
    // 717h RxTone, 718h PmrTone; 730h RptShiftFreq, 734h RptTone, 735h RptFlags; the
    // model code at 7F6h. Bytes that hold no field are not read and written as FF.
    void vfoBlocks()
    {
        const VfoSettings fields{.Frequency = 0x02966250, .LockPowerTone = 0xC1, .VfoReserved1 = 0xA5,
                                 .VfoReserved2 = 0x5A, .TxTone = 0x0C, .RxTone = 0x1D, .PmrTone = 0x26,
                                 .PmrChannel = 3, .ShiftFreq = 0x0007A120, .BatteryBeepSquelch = 0x67,
                                 .BellShiftStep = 0x93, .BcloCallTot = 0xB5, .SkipScanApo = 0xC2, .EpoLamp = 0xA0,
                                 .RptShiftFreq = 0x00030D40, .RptTone = 0x0E, .RptFlags = 0x60};
        VfoSettings decoded;
        DecodeVfoBlock1("029662500007A120C1A55A020C0D0E0F", decoded);
        DecodeVfoBlock2("6793B5C2A02A0C1D26191A1B1C1D1E1F", decoded);
        DecodeVfoBlock3("00030D400E60363738393A3B3C3D3E3F", decoded);
        QVERIFY(decoded == fields);
        QCOMPARE(DecodeCurrentChannel("6793B5C2A02A0C1D26191A1B1C1D1E1F"), 0x2A);
        QCOMPARE(DecodeModelCode("F0F1F2F3F4F50BF7F8F9FAFBFCFDFEFF"), 0x0B);
        QCOMPARE(EncodeVfoBlock1(fields), "029662500007A120C1A55A02FFFFFFFF");
        QCOMPARE(EncodeVfoBlock2(fields, 0x2A), "6793B5C2A02A0C1D26FFFFFFFFFFFFFF");
        QCOMPARE(EncodeVfoBlock3(fields), "00030D400E60FFFFFFFFFFFFFFFFFFFF");
    }

    // Channel n is bit 7 - (n mod 8) of byte 720h + n div 8; the four bits behind
    // channel 99 are ignored on reading and 0 on writing; 72Dh..72Fh are FF.
    void bitmap()
    {
        const std::vector<std::pair<QList<int>, QString>> cases = {
            {{0, 7, 8}, "81800000000000000000000000FFFFFF"}, {{99}, "00000000000000000000000010FFFFFF"}};
        for (auto [enabled, block] : cases) {
            ChannelTable channels;
            for (int n : enabled)
                channels.at(n).Enabled = true;
            QCOMPARE(QString::fromStdString(EncodeChannelBitmap(channels)), block);
            ChannelTable decoded;
            DecodeChannelBitmap(block.replace(25, 7, "F000000").toStdString(), decoded);
            QVERIFY(decoded == channels);
        }
    }

    // An open port is kept while its COM option stays; another option closes it
    // first. A port that cannot be opened, or whose device went away during a
    // transfer, is opened afresh next time (the message and status text of a failed
    // open: test_mainwindow).
    void openingAndSwitchingPorts()
    {
        LinkRig rig;
        const auto open = [&rig](int comIndex, ProgressTarget target = ProgressTarget::Main) {
            rig.state.ComIndex = comIndex;
            LinkSession session = rig.session();
            return OpenLinkPort(session, target).ok();
        };
        QVERIFY(open(1) && open(1) && open(3));
        QCOMPARE((QList<int>{rig.port.opens, rig.port.closes, rig.port.openPort(), rig.state.Link.OpenPortNumber}),
                 (QList<int>{2, 1, 4, 4}));
        rig.port.missingPorts = {5};
        QVERIFY(!open(4, ProgressTarget::Editor));
        QCOMPARE(rig.state.Link.OpenPortNumber, 255);
        QCOMPARE(rig.progress.shown.back(),
                 std::make_pair(ProgressTarget::Editor, std::string("COM5 (emulated COM5): No such file or directory")));
        rig.port.missingPorts.clear();
        QVERIFY(open(4));
        QCOMPARE(rig.state.Link.PortProblem, std::string());

        rig.port.onTick = [&](int) { rig.port.unplugged = true; }; // after the identity block
        const CommandReport gone = rig.run(ReadVfo);
        QCOMPARE(rig.messages.shown.back(), (ShownMessage{"Read/Write Error", MessageIcon::Exclamation, false,
                                                          "the device emulated COM5 is gone"}));
        QCOMPARE(TransferNote(*gone.Transfer),
                 std::string("Read failed on emulated COM5: the device is gone at block 0700h"));
        QVERIFY(!rig.port.isOpen() && rig.state.Link.OpenPortNumber == NoPortOpen);
        rig.port.onTick = {}, rig.port.unplugged = false;
        QVERIFY(rig.run(ReadVfo).ok());
    }

    void serialDeviceNames()
    {
        for (const QStringList& row : DataRows("link.txt", "device")) {
            SerialDeviceLookup lookup;
            lookup.windows = row[1] == "1";
            lookup.environment = [&](const std::string& name) {
                return row[2].isEmpty() || name != "KVR27_COM2" ? std::nullopt : std::optional(row[2].toStdString());
            };
            lookup.exists = [&](const std::string& path) { return row[3].split(' ').contains(path.c_str()); };
            lookup.assigned = [&](int number) { return number == 2 ? row[4].toStdString() : std::string(); };
            QCOMPARE(QString::fromStdString(SerialDeviceName(2, lookup)), row[5]);
        }
    }

    // The port as typed (kvr27 --port, the port list) on Windows and elsewhere.
    void portNames()
    {
        for (const QStringList& row : DataRows("link.txt", "portname")) {
            const bool windows = row[1] == "1";
            const std::optional<PortChoice> choice = ParsePortChoice(row[2].toStdString(), windows);
            QCOMPARE(!choice             ? QString("-")
                     : choice->ComNumber ? QString::number(choice->ComNumber)
                                         : QString::fromStdString(choice->Device),
                     row[3]);
            QVERIFY2(SameSerialDevice(row[2].toStdString(), row[4].toStdString(), windows) == (row[5] == "1"),
                     qPrintable(row[0]));
        }
    }

    void portAssignmentsText()
    {
        for (const QStringList& row : DataRows("link.txt", "ports")) {
            const QString text = QString(row[1]).replace("\\n", "\n").replace("\\t", "\t");
            const PortAssignments parsed = ParsePortAssignments(text.toStdString());
            QStringList shown;
            for (const std::string& device : parsed)
                shown << QString::fromStdString(device);
            QCOMPARE(shown, row.mid(2));
            if (text.endsWith("\r\n"))
                QCOMPARE(QString::fromStdString(FormatPortAssignments(parsed)), text);
        }
    }

    // Cancel on the question (edits would be lost) sends nothing and changes
    // nothing; OK reads the radio, and the editors show what was read.
    void readAll()
    {
        LinkRig rig(OptionPA, 8);
        LoadKnownRadio(rig);
        RadioImage& image = rig.state.Image;
        image.Vfo.ExtraBytes[4] = 7;
        rig.state.History.push({"Edit", image, image, {}, {}});
        rig.state.Vfo.txtSquelch = "7";
        rig.messages.answers = {false, true};
        QCOMPARE(rig.run(ReadAll).End, CommandEnd::Declined);
        QVERIFY(rig.port.opens == 0 && rig.state.History.unsaved());
        QCOMPARE(rig.state.Vfo.txtSquelch, std::string("7"));
        QCOMPARE(rig.progress.shown, (std::vector<std::pair<ProgressTarget, std::string>>{{ProgressTarget::Main, ""}}));

        (void)rig.run(ReadAll);

        // (The commands on the wire: test_safe_writes, readAllTrace.)
        QCOMPARE(rig.messages.texts(), (Texts{SettingsChangedQuestion, SettingsChangedQuestion}));
        QCOMPARE((QList<int>{image.ModelCode, image.Vfo.Frequency, image.Vfo.CurrentChannel, image.Vfo.ExtraBytes[4],
                             image.Channels.at(5).Frequency, image.Channels.at(7).Step}),
                 (QList<int>{8, 43410000, 6, 7, 0x03000000, 5}));
        // A channel whose bit is clear is read like any other.
        QCOMPARE((QList<bool>{image.Channels.at(0).Enabled, image.Channels.at(5).Enabled, image.Channels.at(40).Enabled,
                              image.Channels.at(7).Enabled, rig.state.History.unsaved()}),
                 (QList<bool>{true, true, true, false, false}));
        QCOMPARE(rig.state.Vfo.txtFrequency + ' ' + rig.state.Vfo.txtSquelch + ' ' + rig.state.Grid.TextMatrix(41, 1),
                 "434.10000 20 434.20000");
        // Progress: three VFO steps, 100 channel steps, then the status is cleared.
        QCOMPARE(rig.progress.shown.size(), 1u + 3u + 100u + 1u);
        QCOMPARE(rig.progress.shown[4].second, std::string("Memory mode read       1%"));
        QCOMPARE(rig.progress.shown.back(), std::make_pair(ProgressTarget::Main, std::string()));

        // After a failed read the windows show the unchanged image, still unsaved
        // (documentHistory); a failed VFO read skips the memory read.
        rig.radio.setFault(Fault::Silence, 107 + 2);
        rig.state.Vfo.txtFrequency = "434.55555";
        (void)rig.run(ReadAll);
        QCOMPARE(rig.radio.commands().size(), 107u + 4u); // the failed exchange repeated
        QCOMPARE(rig.messages.texts().back(), "Read/Write Error");
        QCOMPARE(rig.state.Vfo.txtFrequency, std::string("434.10000"));
    }

    // Undo and redo of the editors' steps over a read radio, and when a command that
    // replaces the image asks first: only while the image differs from what was
    // last read or saved.
    void documentHistory_data() { AddDataRows("link.txt", "history"); }
    void documentHistory()
    {
        QFETCH(QStringList, f);
        LinkRig rig(OptionPA, 8);
        LoadKnownRadio(rig);
        QVERIFY(rig.run(ReadAll).ok());
        AppState& state = rig.state;
        ChannelGridEditor grid(state, rig.messages);
        QTemporaryDir folder;
        for (const QString& command : f[0].split(' ', Qt::SkipEmptyParts)) {
            const QString name = command.section(QRegularExpression("[:*]"), 0, 0);
            const QString value = command.section(':', 1);
            for (int times = command.contains('*') ? command.section('*', 1).toInt() : 1; times > 0; --times) {
                if (name == "row")
                    grid.rowSelected(value.toInt());
                else if (name == "disableall")
                    grid.disableAllClicked();
                else if (name == "disable" || (name == "toggle" && state.Image.Channels.at(state.Grid.Row - 1).Enabled))
                    grid.disableClicked();
                else if (name == "enable" || name == "toggle")
                    grid.enableClicked();
                else if (name == "close")
                    grid.closed();
                else if (name == "undo" || name == "redo")
                    (void)(name == "undo" ? UndoStep(state) : RedoStep(state));
                else if (name == "save")
                    QVERIFY(SaveCloneFile(state, folder.filePath("s.r27").toStdString(), rig.messages).ok());
                else if (name == "readok" || name == "readfail") {
                    rig.radio.setFault(name == "readok" ? Fault::None : Fault::Silence);
                    QCOMPARE(rig.run(ReadAll).ok(), name == "readok");
                    rig.radio.setFault(Fault::None);
                } else if (name == "edit") {
                    ChannelDialogEditor dialog(state, rig.messages);
                    dialog.textChanged(DialogText::Frequency, value.toStdString());
                    QVERIFY(dialog.okClicked());
                } else {
                    QCOMPARE(name, "vfo");
                    VfoEditor vfo(state, rig.messages);
                    vfo.textChanged(VfoText::Frequency, value.toStdString());
                    QVERIFY(vfo.okClicked());
                }
            }
        }
        QStringList rows;
        for (int row : {1, 8})
            rows << (state.Grid.Look[std::size_t(row)] == RowLook::Disabled && !state.Grid.TextMatrix(row, 1).empty()
                         ? "~" : "") + QString::fromStdString(state.Grid.TextMatrix(row, 1));
        QCOMPARE(rows.join('/'), f[1]);
        QCOMPARE(state.Vfo.txtFrequency + ' ' + std::to_string(state.Image.Vfo.CurrentChannel),
                 (f[2] + ' ' + f[3]).toStdString());
        QCOMPARE(UndoCaption(state) + '/' + RedoCaption(state), f[4].toStdString());
        rig.messages.shown.clear();
        rig.messages.answers = {false};
        QCOMPARE(rig.run(ReadAll).End == CommandEnd::Declined, f[5] == "1");
    }

    // Which codes belong to which model: checkFrequencyRange in test_image; here,
    // that every transfer applies the check.
    void modelCheck()
    {
        const std::vector<std::tuple<int, std::uint8_t, bool>> cases = {
            {OptionPA, 9, true}, {OptionX, 4, false}, {OptionPmrOnly, 4, true}}; // option, radio code, accepted
        for (const auto& [option, radioCode, accepted] : cases) {
            for (DataCommand transfer : {ReadVfo, ReadMemory, WriteVfo, WriteMemory}) {
                LinkRig rig(option, radioCode);
                const RadioImage before = rig.state.Image;
                QCOMPARE(rig.run(transfer, true, ProgressTarget::Editor).ok(), accepted);
                if (accepted)
                    continue;
                // The notice names the code the image took from the radio.
                QVERIFY((rig.messages.shown == std::vector<ShownMessage>{{"The selected and actual models are different.",
                                                                          {}, false, "The radio reports KV-R27Z (code 4)."}}));
                QCOMPARE(rig.radio.commands().size(), 1u);
                QVERIFY(rig.state.Image.Vfo == before.Vfo && rig.state.Image.Channels == before.Channels);
            }
        }
    }

    // Each fault of the radio that lasts fails each transfer with one "Read/Write
    // Error", after the failed exchange was repeated once: the image is as it was
    // (the model code aside, once the identity block was read) and the port stays
    // open. Each fault comes at one exchange, chosen so that every transfer fails at
    // its first exchange, part-way through its reads and, for writes, at a write.
    // The same fault for one exchange only is overcome by the repeat, which the note
    // tells; a hang-up is for good.
    void faultMatrix_data()
    {
        QTest::addColumn<DataCommand>("transfer");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("answeredNormally");
        QTest::addColumn<bool>("once");
        const QStringList faults = {"silence", "short", "long", "err", "nonhex", "delay", "hangup", "payload"};
        for (const QStringList& row : DataRows("link.txt", "faults")) {
            const QStringList positions = row[1].split(' ');
            for (qsizetype i = 0; i < faults.size(); ++i) {
                for (const bool once : {false, true}) {
                    if (!once || faults[i] != "hangup")
                        QTest::addRow("%s, %s after %s%s", qPrintable(row[0]), qPrintable(faults[i]),
                                      qPrintable(positions[i]), once ? ", once" : "")
                            << DataCommandNamed(row[0].toStdString()) << FaultNamed(faults[i].toStdString())
                            << positions[i].toInt() << once;
                }
            }
        }
    }
    void faultMatrix()
    {
        QFETCH(DataCommand, transfer);
        QFETCH(Fault, fault);
        QFETCH(int, answeredNormally);
        QFETCH(bool, once);
        LinkRig rig(OptionPA, 8);
        LoadKnownRadio(rig);
        // An image whose write gives it back unchanged: the current channel is the
        // first enabled one.
        for (int n : {2, 9, 30})
            rig.state.Image.Channels.at(n).Enabled = true;
        rig.state.Image.Vfo.CurrentChannel = 3;
        const RadioImage before = rig.state.Image;
        rig.radio.setFault(fault, answeredNormally, "0AB", once ? 1 : sim::RadioEmulator::ForGood);

        const CommandReport report = rig.run(transfer, true);
        const Texts sent = rig.radio.commands();
        QCOMPARE(sent.at(std::size_t(answeredNormally)), sent.at(std::size_t(answeredNormally) + 1)); // repeated
        if (once) { // a late answer to the failed command too is thrown away before the repeat
            QCOMPARE(QString::fromStdString(TransferNote(*report.Transfer)),
                     QString(transfer.Write ? "Write" : "Read") + " complete; 1 exchange was repeated");
            return;
        }
        QCOMPARE(report.End, CommandEnd::Failed);
        QCOMPARE(rig.messages.texts(), Texts{"Read/Write Error"});
        QCOMPARE(rig.state.Image.ModelCode, answeredNormally > 0 ? 8 : before.ModelCode);
        QVERIFY(rig.state.Image.Vfo == before.Vfo && rig.state.Image.Channels == before.Channels);
        QVERIFY(rig.port.isOpen() && !rig.state.TransferRunning);
        QCOMPARE(static_cast<int>(sent.size()), answeredNormally + 2);
        // Progress stops at the last block that came through.
        if (QByteArray(QTest::currentDataTag()).startsWith("ReadMemory, silence"))
            QCOMPARE(rig.progress.shown.end()[-2].second, std::string("Memory mode read       50%"));
    }

    // Channel 5 (index 4) holds an LPD frequency outside the model's range: left
    // out of the write, enabled again afterwards, the message after the transfer.
    // A PMR channel goes out one less (channel 2 as 01).
    void memoryWriteLeavesOutChannelsOutOfRange()
    {
        LinkRig rig(OptionPA, 6);
        ChannelTable& channels = rig.state.Image.Channels;
        channels.at(4).Frequency = 44000000;
        channels.at(4).ChannelFlags = channels.at(6).ChannelFlags = 0x04;
        channels.at(9).Frequency = 0x02000000; // PMR channels get no range check
        channels.at(9).ChannelFlags = 0x08;
        for (int n : {4, 6, 9})
            channels.at(n).Enabled = true;
        const ChannelTable before = channels;

        const CommandReport report = rig.run(WriteMemory, true);
        QVERIFY(report.ok());
        QCOMPARE(rig.radio.commands(), (Texts{"QZ~F07F0R\r", "QZ~F0720W02400000000000000000000000FFFFFF\r",
                                              "QZ~F0060W02963B400000EA600808270403FFFFFF\r",
                                              "QZ~F0090W010000000000EA600808270803FFFFFF\r", "QZ~F0715OW07\r"}));
        QVERIFY(channels == before);
        QCOMPARE(rig.state.Image.Vfo.CurrentChannel, 7);
        QCOMPARE(rig.messages.shown, (std::vector<ShownMessage>{
                                         {"The thing besides the range is not written in.", MessageIcon::None, true,
                                          "Channel 4 is outside this radio's range, 433.06 to below 434.785 MHz, and "
                                          "was not written."}}));
        QCOMPARE(TransferNote(*report.Transfer),
                 std::string("Write complete; 1 channel left out: outside the radio's range"));
    }

    // The frequency is checked against the model once the radio is identified. The
    // VFO blocks go out as the VFO window showed them when the write began (440 MHz
    // typed while 710h is read, after the range check, is not sent), with the
    // radio's own byte at 715h.
    void vfoWrite()
    {
        LinkRig refused(OptionPA, 6);
        refused.state.Vfo.txtFrequency = "440.00000";
        const VfoSettings before = refused.state.Image.Vfo;
        QCOMPARE(refused.run(WriteVfo, true, ProgressTarget::Editor).Transfer->Result.Fault, LinkFault::OutOfRange);
        QCOMPARE(refused.messages.texts(), Texts{"Enter from 433.06 to 434.785 or less only."});
        QCOMPARE(refused.radio.commands().size(), 1u);
        QVERIFY(refused.state.Vfo.txtFrequency.empty() && refused.state.Image.Vfo == before);

        LinkRig rig(OptionPA, 6);
        rig.putBlock(0x710, "00002A00002A00000000000000000000");
        rig.state.Image.Vfo.CurrentChannel = 5;
        rig.state.Vfo.txtSquelch = "3";
        rig.port.onTick = [&](int tick) {
            if (tick == 2)
                rig.state.Vfo.txtFrequency = "440.00000";
        };
        (void)rig.run(WriteVfo, false, ProgressTarget::Editor);
        QCOMPARE(rig.radio.commands(), (Texts{"QZ~F07F0R\r", "QZ~F0710R\r",
                                              "QZ~F0700W02963B400000EA6040000000FFFFFFFF\r",
                                              "QZ~F0710W63030000002A080827FFFFFFFFFFFFFF\r",
                                              "QZ~F0730W0007A1200820FFFFFFFFFFFFFFFFFFFF\r"}));
        QCOMPARE(rig.state.Image.Vfo.BatteryBeepSquelch, 0x63);
        QCOMPARE(rig.state.Image.Vfo.CurrentChannel, 5);
        QCOMPARE(rig.progress.shown.end()[-2].second, std::string("Vfo mode Write       100%"));
        QCOMPARE(rig.progress.shown.back(), std::make_pair(ProgressTarget::Editor, std::string()));
    }

    // An empty box refuses a Write > All before its question: the port is not
    // opened, not even for the channels. Cancel on the question sends nothing. No
    // channel is enabled: an all-clear bitmap, no channel block, current channel 00.
    void emptyBoxRefusesWriteAllBeforeItsQuestion()
    {
        LinkRig rig(OptionPA, 6);
        rig.state.Vfo.txtSquelch.clear();
        rig.state.Image.Vfo.CurrentChannel = 12;
        rig.messages.answers = {false, true};
        QVERIFY(rig.run(WriteAll).End == CommandEnd::Failed && rig.port.opens == 0);
        QVERIFY(rig.run(WriteMemory).End == CommandEnd::Declined && rig.port.opens == 0);
        (void)rig.run(WriteMemory);
        QCOMPARE(rig.messages.texts(),
                 (Texts{"Editing incomplete. Check blank columns.", OverwriteQuestion, OverwriteQuestion}));
        QCOMPARE(rig.radio.commands(),
                 (Texts{"QZ~F07F0R\r", "QZ~F0720W00000000000000000000000000FFFFFF\r", "QZ~F0715OW00\r"}));
        QCOMPARE(rig.state.Image.Vfo.CurrentChannel, 0);
        QCOMPARE(rig.progress.shown.end()[-2].second, std::string("Memory mode write       100%"));
        QCOMPARE(rig.progress.shown.back().second, std::string());
    }
};

QTEST_APPLESS_MAIN(TestLink)
#include "test_link.moc"
