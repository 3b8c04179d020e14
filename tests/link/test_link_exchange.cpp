// The radio's memory map (every field at its address, byte by byte, both ways), the
// link's single exchanges (answer judging, late characters, opening and switching
// ports) and the device names of the COM options. The command texts on the wire:
// test_transfers.
#include "LinkRig.h"
#include "link/Framing.h"
#include "link/Link.h"
#include "link/MemoryMap.h"
#include "link/SerialDeviceName.h"

#include <QtTest>

#include <numeric>

using namespace kvr27;
using namespace kvr27::test;
using sim::Fault;
using Texts = std::vector<std::string>;

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(ChannelRecord)

class TestLinkExchange : public QObject {
    Q_OBJECT

private slots:
    // Channel n at 16 x n: +0 Frequency, +4 ShiftFreq, +8 TxTone, +9 RxTone, +10
    // PmrTone, +11 ChannelFlags, +12 Step, +13..+15 FF on write. 32-bit values are
    // two's complement; a PMR channel's number is one less on the radio, and the
    // adjustment wraps.
    void channelBlock_data()
    {
        QTest::addColumn<QString>("read");
        QTest::addColumn<ChannelRecord>("record");
        QTest::addColumn<QString>("written");
        QTest::newRow("LPD, every byte") << "0294CDEC0007A1200A0B26C4061F2F3F"
                                         << ChannelRecord{0x0294CDEC, 0x0007A120, 0x0A, 0x0B, 0x26, 0xC4, 0x06, false}
                                         << "0294CDEC0007A1200A0B26C406FFFFFF";
        QTest::newRow("PMR channel 3") << "02000000800000000000000800000000"
                                       << ChannelRecord{0x03000000, INT32_MIN, 0, 0, 0, 0x08, 0, false}
                                       << "02000000800000000000000800FFFFFF";
        QTest::newRow("PMR adjustment wraps") << "FFFFFFFFFFFFFFFE0000000800000000"
                                              << ChannelRecord{0x00FFFFFF, -2, 0, 0, 0, 0x08, 0, false}
                                              << "FFFFFFFFFFFFFFFE0000000800FFFFFF";
        QTest::newRow("PMR adjustment at the top") << "7F000000000000000000000800000000"
                                                   << ChannelRecord{INT32_MIN, 0, 0, 0, 0, 0x08, 0, false}
                                                   << "7F000000000000000000000800FFFFFF";
        QTest::newRow("mode 0C is not PMR") << "FFFFFFFF02963B400000000C00000000"
                                            << ChannelRecord{-1, 43400000, 0, 0, 0, 0x0C, 0, false}
                                            << "FFFFFFFF02963B400000000C00FFFFFF";
    }

    void channelBlock()
    {
        QFETCH(QString, read);
        QFETCH(ChannelRecord, record);
        QFETCH(QString, written);
        ChannelRecord decoded;
        DecodeChannelBlock(read.toStdString(), decoded);
        QVERIFY(decoded == record);
        QCOMPARE(QString::fromStdString(EncodeChannelBlock(record)), written);
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
    void bitmap_data()
    {
        QTest::addColumn<QList<int>>("enabled");
        QTest::addColumn<QString>("block");
        QTest::newRow("channels 0, 7 and 8") << QList<int>{0, 7, 8} << "81800000000000000000000000FFFFFF";
        QTest::newRow("channel 99 is bit 4 of 72Ch") << QList<int>{99} << "00000000000000000000000010FFFFFF";
        QList<int> all(100);
        std::iota(all.begin(), all.end(), 0);
        QTest::newRow("all") << all << "FFFFFFFFFFFFFFFFFFFFFFFFF0FFFFFF";
    }
    void bitmap()
    {
        QFETCH(QList<int>, enabled);
        QFETCH(QString, block);
        ChannelTable channels;
        for (int n : enabled)
            channels.at(n).Enabled = true;
        QCOMPARE(QString::fromStdString(EncodeChannelBitmap(channels)), block);
        ChannelTable decoded;
        DecodeChannelBitmap(block.replace(25, 7, "F000000").toStdString(), decoded);
        QVERIFY(decoded == channels);
    }

    // A read takes only a 32-digit data answer; a write an answer of 2 or 3
    // characters that does not begin with "ERR", whatever else it holds. A failure
    // is reported once; the port stays open. (Every fault in every transfer:
    // test_transfers.)
    void answers_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("payload");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("read: data answer") << false << Fault::None << "" << true;
        QTest::newRow("read: ERR, 17 characters") << false << Fault::Error << "" << false;
        QTest::newRow("read: 17 characters, not ERR") << false << Fault::Payload << "0AB" << false;
        QTest::newRow("write: L + 6") << true << Fault::None << "" << true;
        QTest::newRow("write: L + 6, any text") << true << Fault::Payload << "ER" << true;
        QTest::newRow("write: L + 7, any text") << true << Fault::Payload << "ERO" << true;
        QTest::newRow("write: L + 7, ERR") << true << Fault::Error << "" << false;
        QTest::newRow("write: L + 5") << true << Fault::ShortAnswer << "" << false;
    }
    void answers()
    {
        QFETCH(bool, write);
        QFETCH(Fault, fault);
        QFETCH(QString, payload);
        QFETCH(bool, succeeds);
        LinkRig rig;
        rig.putBlock(0x30, "0123456789ABCDEF0011223344556677");
        rig.radio.setFault(fault, 0, payload.toStdString());
        QCOMPARE(OpenComPort(rig.state, rig.services, ProgressTarget::Main), 1);
        const std::string result = write ? WriteBlock(rig.services, CurrentChannelCommand(7))
                                         : ReadBlock(rig.services, 0x30);
        QCOMPARE(rig.port.ticks, 1);
        QVERIFY(rig.port.isOpen());
        const std::string data = write ? "0" : "0123456789ABCDEF0011223344556677";
        QCOMPARE(result, succeeds ? data : std::string("-1"));
        QCOMPARE(rig.messages.texts(), succeeds ? Texts{} : Texts{"Read/Write Error"});
    }

    void lateCharactersAreDiscardedByTheNextExchange()
    {
        LinkRig rig;
        rig.radio.setFault(Fault::Delay);
        OpenComPort(rig.state, rig.services, ProgressTarget::Main);
        QCOMPARE(ReadBlock(rig.services, 0x7F0), std::string(LinkFailure));
        QVERIFY(rig.port.bytesAvailable() > 0);
        rig.radio.setFault(Fault::None);
        QCOMPARE(ReadBlock(rig.services, 0x7F0).size(), 32u);
    }

    // An open port is kept while its COM option stays; another option closes it
    // first. A port that cannot be opened is tried again next time (its message and
    // status text: test_mainwindow).
    void openingAndSwitchingPorts()
    {
        LinkRig rig;
        rig.state.ComIndex = 1;
        QCOMPARE(OpenComPort(rig.state, rig.services, ProgressTarget::Main), 1);
        QCOMPARE(OpenComPort(rig.state, rig.services, ProgressTarget::Main), 1);
        QCOMPARE(rig.port.opens, 1);
        rig.state.ComIndex = 3;
        QCOMPARE(OpenComPort(rig.state, rig.services, ProgressTarget::Main), 1);
        QCOMPARE(rig.port.closes, 1);
        QCOMPARE(rig.port.openPort(), 4);
        QCOMPARE(rig.state.Link.OpenPortNumber, 4);
        rig.port.missingPorts = {5};
        rig.state.ComIndex = 4;
        QCOMPARE(OpenComPort(rig.state, rig.services, ProgressTarget::Editor), -1);
        QCOMPARE(rig.state.Link.OpenPortNumber, 255);
        rig.port.missingPorts.clear();
        QCOMPARE(OpenComPort(rig.state, rig.services, ProgressTarget::Main), 1);
        QCOMPARE(rig.state.Link.PortProblem, std::string());
    }

    void serialDeviceNames_data()
    {
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("device");
        QTest::newRow("windows") << true << "/dev/pts/4" << QStringList{"/dev/ttyS1"} << "COM2";
        QTest::newRow("variable first") << false << "/tmp/com" << QStringList{"/dev/ttyUSB1"} << "/tmp/com";
        QTest::newRow("USB") << false << "" << QStringList{"/dev/ttyUSB1", "/dev/ttyS1"} << "/dev/ttyUSB1";
        QTest::newRow("ACM") << false << "" << QStringList{"/dev/ttyACM1", "/dev/ttyS1"} << "/dev/ttyACM1";
        QTest::newRow("built-in") << false << "" << QStringList{"/dev/ttyUSB0", "/dev/ttyS1"} << "/dev/ttyS1";
        QTest::newRow("none exists") << false << "" << QStringList{} << "/dev/ttyUSB1";
    }
    void serialDeviceNames()
    {
        QFETCH(bool, windows);
        QFETCH(QString, environment);
        QFETCH(QStringList, existing);
        QFETCH(QString, device);
        SerialDeviceLookup lookup;
        lookup.windows = windows;
        lookup.environment = [&](const std::string& name) -> std::optional<std::string> {
            if (environment.isEmpty() || name != "KVR27_COM2")
                return std::nullopt;
            return environment.toStdString();
        };
        lookup.exists = [&](const std::string& path) { return existing.contains(QString::fromStdString(path)); };
        QCOMPARE(QString::fromStdString(SerialDeviceName(2, lookup)), device);
    }
};

QTEST_APPLESS_MAIN(TestLinkExchange)
#include "test_link_exchange.moc"
