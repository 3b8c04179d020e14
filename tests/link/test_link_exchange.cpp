// The link's texts and single exchanges: hex texts, command framing, where the
// image lies in the radio's memory (the PMR adjustment, the 0-based PMR channel, the
// bitmap, FF for bytes no field fills, values that wrap instead of overflowing),
// answer judging, opening and switching ports, and the device names of the COM
// options.
#include "LinkRig.h"
#include "link/Framing.h"
#include "link/HexText.h"
#include "link/Link.h"
#include "link/MemoryMap.h"
#include "link/SerialDeviceName.h"

#include <QtTest>

using namespace kvr27;
using namespace kvr27::test;
using sim::Fault;

Q_DECLARE_METATYPE(Fault)

class TestLinkExchange : public QObject {
    Q_OBJECT

private slots:
    void hexToLong_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint32>("value");
        QTest::newRow("frequency") << "02963B40" << 43400000;
        QTest::newRow("all ones") << "FFFFFFFF" << -1;
        QTest::newRow("top bit alone") << "80000000" << std::numeric_limits<qint32>::min();
        QTest::newRow("FFFFFFFE") << "FFFFFFFE" << -2;
        QTest::newRow("lowercase, longer text") << "0000ea60FF" << 60000;
    }
    void hexToLong()
    {
        QFETCH(QString, text);
        QFETCH(qint32, value);
        QCOMPARE(HexToLong(text.toStdString()), value);
        QCOMPARE(HexToLong(HexLong(value)), value);
    }

    void commandTexts()
    {
        QCOMPARE(ReadCommand(5), std::string("QZ~F0005R\r"));
        QCOMPARE(ReadCommand(1584), std::string("QZ~F0630R\r"));
        QCOMPARE(CurrentChannelCommand(0x2A), std::string("QZ~F0715OW2A\r"));
        QCOMPARE(WriteCommand(0x700, std::string(32, 'F')), "QZ~F0700W" + std::string(32, 'F') + "\r");
    }

    // A channel block read, and the block its record writes back.
    void channelBlock_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<qint32>("frequency");
        QTest::addColumn<QString>("written");
        QTest::newRow("PMR channel 3") << "02000000000000000000000800000000" << 0x03000000
                                       << "02000000000000000000000800FFFFFF";
        QTest::newRow("LPD, no adjustment") << "0294CDEC0007A1200A0B26C4061F2F3F" << 0x294CDEC
                                            << "0294CDEC0007A1200A0B26C406FFFFFF";
        QTest::newRow("PMR adjustment wraps") << "FFFFFFFF000000000000000800000000" << 0x00FFFFFF
                                              << "FFFFFFFF000000000000000800FFFFFF";
        QTest::newRow("PMR adjustment at the top") << "7F000000000000000000000800000000"
                                                   << std::numeric_limits<qint32>::min()
                                                   << "7F000000000000000000000800FFFFFF";
        QTest::newRow("mode 0C is not PMR") << "FFFFFFFF000000000000000C00000000" << -1
                                            << "FFFFFFFF000000000000000C00FFFFFF";
    }
    void channelBlock()
    {
        QFETCH(QString, block);
        QFETCH(qint32, frequency);
        QFETCH(QString, written);
        ChannelRecord record;
        DecodeChannelBlock(block.toStdString(), record);
        QCOMPARE(record.Frequency, frequency);
        QCOMPARE(QString::fromStdString(EncodeChannelBlock(record)), written);
    }

    void pmrChannel_data()
    {
        QTest::addColumn<QString>("radioByte");
        QTest::addColumn<int>("pmrChannel");
        QTest::newRow("first channel") << "00" << 1;
        QTest::newRow("eighth channel") << "07" << 8;
        QTest::newRow("FF wraps to 0") << "FF" << 0;
    }
    void pmrChannel()
    {
        QFETCH(QString, radioByte);
        QFETCH(int, pmrChannel);
        const std::string block = "02963B400000EA60C10203" + radioByte.toStdString() + "00000000";
        VfoSettings vfo;
        DecodeVfoBlock1(block, vfo);
        QCOMPARE(vfo.PmrChannel, pmrChannel);
        QCOMPARE(EncodeVfoBlock1(vfo), block.substr(0, 24) + "FFFFFFFF");
    }

    void bitmap_data()
    {
        QTest::addColumn<QList<int>>("enabled");
        QTest::addColumn<QString>("block");
        QTest::newRow("channels 0, 7 and 8") << QList<int>{0, 7, 8} << "81800000000000000000000000FFFFFF";
        QTest::newRow("none") << QList<int>{} << "00000000000000000000000000FFFFFF";
        QTest::newRow("channel 99 is bit 4 of 72Ch") << QList<int>{99} << "00000000000000000000000010FFFFFF";
    }
    void bitmap()
    {
        QFETCH(QList<int>, enabled);
        QFETCH(QString, block);
        ChannelTable channels;
        for (int n : enabled)
            channels.at(n).Enabled = true;
        QCOMPARE(QString::fromStdString(EncodeChannelBitmap(channels)), block);
        // On reading, the bits behind channel 99 are ignored.
        block.replace(25, 1, "F");
        ChannelTable read;
        DecodeChannelBitmap(block.toStdString(), read);
        QCOMPARE(read, channels);
    }

    // A read accepts only a 32-digit data answer; a write an acknowledgement of 2 or
    // 3 characters that is not "ERR". A failure is reported once; the port stays
    // open. (Every fault against every transfer: test_transfers.)
    void answers_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("read: data answer") << false << Fault::None << true;
        QTest::newRow("read: 45 characters") << false << Fault::ShortAnswer << false;
        QTest::newRow("read: 47 characters") << false << Fault::LongAnswer << false;
        QTest::newRow("read: ERR, 17 characters") << false << Fault::Error << false;
        QTest::newRow("read: non-hex payload") << false << Fault::NonHex << false;
        QTest::newRow("read: after the tick") << false << Fault::Delay << false;
        QTest::newRow("write: L + 6") << true << Fault::None << true;
        QTest::newRow("write: L + 7") << true << Fault::LongAnswer << true;
        QTest::newRow("write: payload not examined") << true << Fault::NonHex << true;
        QTest::newRow("write: L + 5") << true << Fault::ShortAnswer << false;
        QTest::newRow("write: ERR") << true << Fault::Error << false;
    }
    void answers()
    {
        QFETCH(bool, write);
        QFETCH(Fault, fault);
        QFETCH(bool, succeeds);
        LinkRig rig;
        rig.putBlock(0x30, "0123456789ABCDEF0011223344556677");
        rig.radio.setFault(fault);
        QCOMPARE(OpenComPort(rig.state, rig.services, ProgressTarget::Main), 1);
        const std::string result = write ? WriteBlock(rig.services, CurrentChannelCommand(7))
                                         : ReadBlock(rig.services, 0x30);
        QCOMPARE(rig.port.ticks, 1);
        QVERIFY(rig.port.isOpen());
        const std::string data = write ? LinkSuccess : "0123456789ABCDEF0011223344556677";
        QCOMPARE(result, succeeds ? data : std::string(LinkFailure));
        QCOMPARE(rig.messages.texts().size(), succeeds ? 0u : 1u);
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
        QCOMPARE(rig.state.Link.OpenPortNumber, NoPortOpen);
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
