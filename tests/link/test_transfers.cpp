// The four transfers and the Data menu commands over the emulated radio: the
// commands as they go on the wire, what is read and written, the model check, the
// range pass of the memory write, the questions and flags, and every fault of the
// radio.
#include "LinkRig.h"
#include "core/Questions.h"
#include "image/VfoCodec.h"
#include "link/DataMenuCommands.h"
#include "link/Transfers.h"

#include <QtTest>

#include <functional>
#include <random>

using namespace kvr27;
using namespace kvr27::test;
using sim::Fault;

using TransferFunction = std::function<std::string(AppState&, LinkServices&, ProgressTarget)>;
using Command = std::function<void(AppState&, LinkServices&)>;
using Texts = std::vector<std::string>;
Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(TransferFunction)
Q_DECLARE_METATYPE(Command)

namespace {

constexpr int OptionPA = 0;
constexpr int OptionX = 2;
constexpr int OptionPmrOnly = 3;
constexpr int OptionLpdOnly = 4;
const std::string ReadWriteError = "Read/Write Error";

} // namespace

class TestTransfers : public QObject {
    Q_OBJECT

private slots:
    void readAllBringsTheRadioIntoTheImage()
    {
        LinkRig rig(OptionPA, 8);
        LoadKnownRadio(rig);
        rig.state.Image.SettingsChanged = rig.state.Image.VfoChanged = rig.state.Image.ChannelsChanged = true;
        rig.state.Image.Vfo.ExtraBytes[4] = 7;

        ReadAllCommand(rig.state, rig.services);

        QCOMPARE(rig.messages.texts(), Texts{SettingsChangedQuestion});
        const Texts& sent = rig.radio.commands();
        QCOMPARE(sent.size(), 4u + 103u);
        QCOMPARE(Texts(sent.begin(), sent.begin() + 6), (Texts{"QZ~F07F0R\r", "QZ~F0700R\r", "QZ~F0710R\r",
                                                              "QZ~F0730R\r", "QZ~F07F0R\r", "QZ~F0000R\r"}));
        QCOMPARE(Texts(sent.end() - 3, sent.end()), (Texts{"QZ~F0630R\r", "QZ~F0720R\r", "QZ~F0710R\r"}));
        const RadioImage& image = rig.state.Image;
        QCOMPARE(image.ModelCode, 8);
        QCOMPARE(image.Vfo.Frequency, 43410000);
        QCOMPARE(image.Vfo.CurrentChannel, 6);
        QCOMPARE(image.Vfo.ExtraBytes[4], 7);
        QCOMPARE(image.Channels.at(5).Frequency, 0x03000000);
        QVERIFY(image.Channels.at(0).Enabled && image.Channels.at(5).Enabled && image.Channels.at(40).Enabled);
        // A channel whose bit is clear is read like any other.
        QVERIFY(!image.Channels.at(7).Enabled);
        QCOMPARE(image.Channels.at(7).Step, 0x05);
        QVERIFY(!image.SettingsChanged && !image.VfoChanged && !image.ChannelsChanged);
        // The editors show what was read.
        QCOMPARE(rig.state.Vfo.txtFrequency, std::string("434.10000"));
        QCOMPARE(rig.state.Grid.TextMatrix(41, 1), std::string("434.20000"));
        // Progress: three VFO steps, 100 channel steps, then the status is cleared.
        QCOMPARE(rig.progress.shown.size(), 3u + 100u + 1u);
        QCOMPARE(rig.progress.shown[0].second, std::string("Vfo mode read       33%"));
        QCOMPARE(rig.progress.shown[3].second, std::string("Memory mode read       1%"));
        QCOMPARE(rig.progress.shown.back(), std::make_pair(ProgressTarget::Main, std::string()));
    }

    // Cancel on the question before a read (edits would be lost) or a write sends
    // nothing and changes nothing.
    void cancelSendsNothing_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("question");
        QTest::newRow("Read > All") << Command(ReadAllCommand) << SettingsChangedQuestion;
        QTest::newRow("Read > Vfo Mode") << Command(ReadVfoCommand) << SettingsChangedQuestion;
        QTest::newRow("Read > Memory Mode") << Command(ReadMemoryCommand) << SettingsChangedQuestion;
        QTest::newRow("Write > All") << Command(WriteAllCommand) << OverwriteQuestion;
        QTest::newRow("Write > Vfo Mode") << Command(WriteVfoCommand) << OverwriteQuestion;
        QTest::newRow("Write > Memory Mode") << Command(WriteMemoryCommand) << OverwriteQuestion;
    }
    void cancelSendsNothing()
    {
        QFETCH(Command, command);
        QFETCH(QString, question);
        LinkRig rig(OptionPA, 8);
        rig.state.Image.SettingsChanged = rig.state.Image.VfoChanged = rig.state.Image.ChannelsChanged = true;
        rig.state.Vfo.txtSquelch = "7";
        rig.messages.answers = {false};
        command(rig.state, rig.services);
        QCOMPARE(rig.messages.texts(), Texts{question.toStdString()});
        QCOMPARE(rig.port.opens, 0);
        QVERIFY(rig.state.Image.SettingsChanged && rig.state.Image.VfoChanged && rig.state.Image.ChannelsChanged);
        QCOMPARE(rig.state.Vfo.txtSquelch, std::string("7"));
    }

    // After a failed read the windows show the unchanged image and the flags are
    // clear; a failed VFO read skips the memory read.
    void failedReadAllStillClearsTheFlags()
    {
        LinkRig rig(OptionPA, 8);
        rig.radio.setFault(Fault::Silence, 2);
        rig.state.Image.SettingsChanged = rig.state.Image.VfoChanged = true;
        rig.state.Vfo.txtFrequency = "434.55555";
        const RadioImage before = rig.state.Image;
        ReadAllCommand(rig.state, rig.services);
        QCOMPARE(rig.radio.commands().size(), 3u);
        QCOMPARE(rig.messages.texts(), (Texts{SettingsChangedQuestion, ReadWriteError}));
        QCOMPARE(rig.state.Image.Vfo, before.Vfo);
        QCOMPARE(rig.state.Vfo.txtFrequency, std::string("434.00000"));
        QVERIFY(!rig.state.Image.SettingsChanged && !rig.state.Image.VfoChanged);
    }

    // Which codes belong to which model is tested with the range check in
    // test_image_values; here, that every transfer applies it.
    void modelCheck_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("radioCode");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("KV-R27PA, code 9") << OptionPA << 9 << true;
        QTest::newRow("KV-R27PA, code 5") << OptionPA << 5 << false;
        QTest::newRow("KV-R27X, code 4") << OptionX << 4 << false;
        QTest::newRow("PMR only: no check") << OptionPmrOnly << 4 << true;
    }
    void modelCheck()
    {
        QFETCH(int, option);
        QFETCH(int, radioCode);
        QFETCH(bool, accepted);
        for (auto transfer : {ReadVfoMode, ReadMemoryMode, WriteVfoMode, WriteMemoryMode}) {
            LinkRig rig(option, static_cast<std::uint8_t>(radioCode));
            const RadioImage before = rig.state.Image;
            QCOMPARE(transfer(rig.state, rig.services, ProgressTarget::Editor), std::string(accepted ? "0" : "-1"));
            if (!accepted) {
                QCOMPARE(rig.messages.texts(), Texts{"The selected and actual models are different."});
                QCOMPARE(rig.radio.commands().size(), 1u);
                QVERIFY(rig.state.Image.Vfo == before.Vfo && rig.state.Image.Channels == before.Channels);
                QCOMPARE(rig.state.Image.ModelCode, radioCode);
            }
        }
    }

    // Each fault of the radio fails each transfer with one "Read/Write Error": the
    // image is as it was (the model code aside, once the identity block was read)
    // and the port stays open. Each fault comes at one exchange, chosen so that
    // every transfer fails at its first exchange, part-way through its reads and,
    // for writes, at a write.
    void faultMatrix_data()
    {
        QTest::addColumn<TransferFunction>("transfer");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("answeredNormally");
        const std::vector<std::pair<const char*, Fault>> faults = {
            {"silence", Fault::Silence}, {"short", Fault::ShortAnswer}, {"long", Fault::LongAnswer},
            {"ERR", Fault::Error},       {"non-hex", Fault::NonHex},    {"late", Fault::Delay},
            {"hang-up", Fault::HangUp},  {"17 characters, not ERR", Fault::Payload}};
        // Exchanges answered before each fault, in the order above. A write's
        // acknowledgement is not examined, so a long, non-hex or odd answer fails a read.
        const std::vector<std::tuple<const char*, TransferFunction, std::vector<int>>> transfers = {
            {"ReadVfoMode", ReadVfoMode, {0, 2, 3, 2, 3, 0, 2, 2}},
            {"ReadMemoryMode", ReadMemoryMode, {51, 0, 1, 101, 102, 51, 0, 60}},
            {"WriteVfoMode", WriteVfoMode, {3, 4, 0, 3, 1, 4, 0, 1}},
            {"WriteMemoryMode", WriteMemoryMode, {1, 3, 0, 4, 0, 1, 3, 0}},
        };
        for (const auto& [name, transfer, positions] : transfers) {
            for (std::size_t i = 0; i < faults.size(); ++i)
                QTest::addRow("%s, %s after %d", name, faults[i].first, positions[i])
                    << transfer << faults[i].second << positions[i];
        }
    }
    void faultMatrix()
    {
        QFETCH(TransferFunction, transfer);
        QFETCH(Fault, fault);
        QFETCH(int, answeredNormally);
        LinkRig rig(OptionPA, 8);
        LoadKnownRadio(rig);
        // An image whose write gives it back unchanged: the current channel is the
        // first enabled one.
        for (int n : {2, 9, 30})
            rig.state.Image.Channels.at(n).Enabled = true;
        rig.state.Image.Vfo.CurrentChannel = 3;
        RadioImage expected = rig.state.Image;
        if (answeredNormally > 0)
            expected.ModelCode = 8;
        rig.radio.setFault(fault, answeredNormally, "0AB");

        QCOMPARE(transfer(rig.state, rig.services, ProgressTarget::Main), std::string("-1"));
        const ShownMessage readWriteError{ReadWriteError, MessageIcon::Exclamation, false};
        QCOMPARE(rig.messages.shown, std::vector<ShownMessage>{readWriteError});
        QCOMPARE(rig.state.Image.ModelCode, expected.ModelCode);
        QCOMPARE(rig.state.Image.Vfo, expected.Vfo);
        QCOMPARE(rig.state.Image.Channels, expected.Channels);
        QVERIFY(rig.port.isOpen());
        QCOMPARE(static_cast<int>(rig.radio.commands().size()), answeredNormally + 1);
        QVERIFY(!rig.state.TransferRunning);
        // Progress stays at the last block that came through.
        if (QByteArray(QTest::currentDataTag()).startsWith("ReadMemoryMode, silence"))
            QCOMPARE(rig.progress.last(), std::string("Memory mode read       50%"));
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

        QCOMPARE(WriteMemoryMode(rig.state, rig.services, ProgressTarget::Main), std::string("0"));
        QCOMPARE(rig.radio.commands(), (Texts{"QZ~F07F0R\r", "QZ~F0720W02400000000000000000000000FFFFFF\r",
                                              "QZ~F0060W02963B400000EA600808270403FFFFFF\r",
                                              "QZ~F0090W010000000000EA600808270803FFFFFF\r", "QZ~F0715OW07\r"}));
        QVERIFY(channels == before);
        QCOMPARE(rig.state.Image.Vfo.CurrentChannel, 7);
        QCOMPARE(rig.messages.shown, (std::vector<ShownMessage>{
                                         {"The thing besides the range is not written in.", MessageIcon::None, true}}));
    }

    // The VFO blocks go out as the VFO window shows them, with the radio's own byte
    // at 715h.
    void vfoWriteSendsTheFormAndKeepsTheRadiosCurrentChannel()
    {
        LinkRig rig(OptionPA, 6);
        rig.putBlock(0x710, "00002A00002A00000000000000000000");
        rig.state.Image.Vfo.CurrentChannel = 5;
        rig.state.Vfo.txtSquelch = "3";
        QCOMPARE(WriteVfoMode(rig.state, rig.services, ProgressTarget::Editor), std::string("0"));
        QCOMPARE(rig.radio.commands(), (Texts{"QZ~F07F0R\r", "QZ~F0710R\r",
                                              "QZ~F0700W02963B400000EA6040000000FFFFFFFF\r",
                                              "QZ~F0710W63030000002A080827FFFFFFFFFFFFFF\r",
                                              "QZ~F0730W0007A1200820FFFFFFFFFFFFFFFFFFFF\r"}));
        QCOMPARE(rig.state.Image.Vfo.BatteryBeepSquelch, 0x63);
        QCOMPARE(rig.state.Image.Vfo.CurrentChannel, 5);
        QCOMPARE(rig.progress.last(), std::string("Vfo mode Write       100%"));
        QCOMPARE(rig.progress.shown.back().first, ProgressTarget::Editor);
    }

    // The frequency is checked against the model once the radio is identified.
    void vfoWriteRefusesAFrequencyOutOfRange()
    {
        LinkRig rig(OptionPA, 6);
        rig.state.Vfo.txtFrequency = "440.00000";
        const VfoSettings before = rig.state.Image.Vfo;
        QCOMPARE(WriteVfoMode(rig.state, rig.services, ProgressTarget::Editor), std::string("-1"));
        QCOMPARE(rig.messages.texts(), Texts{"Enter from 433.06 to 434.785 or less only."});
        QCOMPARE(rig.radio.commands().size(), 1u);
        QCOMPARE(rig.state.Vfo.txtFrequency, std::string());
        QCOMPARE(rig.state.Image.Vfo, before);
    }

    // An empty box stops the VFO write before the port is opened; the memory is
    // written all the same. No channel is enabled: an all-clear bitmap, no channel
    // block, current channel 00.
    void writeAllWithAnEmptyBoxStillWritesTheMemory()
    {
        LinkRig rig(OptionPA, 6);
        rig.state.Vfo.txtSquelch.clear();
        rig.state.Image.SettingsChanged = true;
        rig.state.Image.Vfo.CurrentChannel = 12;
        WriteAllCommand(rig.state, rig.services);
        QCOMPARE(rig.messages.texts(), (Texts{OverwriteQuestion, "Editing incomplete. Check blank columns."}));
        QCOMPARE(rig.radio.commands(),
                 (Texts{"QZ~F07F0R\r", "QZ~F0720W00000000000000000000000000FFFFFF\r", "QZ~F0715OW00\r"}));
        QCOMPARE(rig.state.Image.Vfo.CurrentChannel, 0);
        QVERIFY(rig.state.Image.SettingsChanged);
        QCOMPARE(rig.progress.shown.end()[-2].second, std::string("Memory mode write       100%"));
        QCOMPARE(rig.progress.last(), std::string());
    }

    // Whatever the radio holds comes back bit for bit: a read and a write of every
    // channel and VFO block reproduce each byte that has a place in the image.
    void everyValueReadIsWrittenBackBitForBit()
    {
        LinkRig rig(OptionLpdOnly, 0);
        std::mt19937 random(27);
        for (auto& byte : rig.radio.memory())
            byte = static_cast<std::uint8_t>(random());
        for (std::uint16_t a = 0x720; a < 0x72D; ++a)
            rig.radio.memory()[a] = 0xFF;
        rig.radio.memory()[0x72C] = 0xF0;
        // VFO values the window's boxes accept: positive frequencies and offsets, PMR
        // channel 1 to 8, squelch up to 20 (the boxes empty any other when filled).
        for (int a : {0x700, 0x704, 0x730})
            rig.radio.memory()[a] &= 0x7F;
        rig.radio.memory()[0x70B] &= 0x07;
        rig.radio.memory()[0x710] = (rig.radio.memory()[0x710] & 0xE0) | 0x14;
        const sim::RadioEmulator::Memory original = rig.radio.memory();
        QCOMPARE(ReadVfoMode(rig.state, rig.services, ProgressTarget::Main), std::string("0"));
        QCOMPARE(ReadMemoryMode(rig.state, rig.services, ProgressTarget::Main), std::string("0"));
        FillVfoWindow(rig.state.Image, rig.state.Vfo, rig.messages);
        rig.radio.memory().fill(0);
        rig.radio.memory()[0x715] = original[0x715];
        QCOMPARE(WriteVfoMode(rig.state, rig.services, ProgressTarget::Main), std::string("0"));
        QCOMPARE(WriteMemoryMode(rig.state, rig.services, ProgressTarget::Main), std::string("0"));
        auto same = [&](int from, int to) {
            return std::equal(original.begin() + from, original.begin() + to, rig.radio.memory().begin() + from);
        };
        for (int n = 0; n < 100; ++n)
            QVERIFY2(same(16 * n, 16 * n + 13), qPrintable(QString("channel %1").arg(n)));
        // Of the VFO blocks, the bytes that pass the VFO window unchanged: the 32-bit
        // fields, the reserved bytes, the PMR channel and the tones (the packed bytes
        // keep only the bits the window shows).
        QVERIFY(same(0x700, 0x708) && same(0x709, 0x70C) && same(0x716, 0x719));
        QVERIFY(same(0x720, 0x72C) && same(0x730, 0x735));
    }
};

QTEST_APPLESS_MAIN(TestTransfers)
#include "test_transfers.moc"
