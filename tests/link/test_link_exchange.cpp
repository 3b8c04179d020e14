// The link operations over the emulated radio: hex texts, command framing, answer
// judging, opening and switching ports, and the device names of the COM options.
#include "LinkRig.h"
#include "link/Framing.h"
#include "link/HexText.h"
#include "link/Link.h"
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

    // A read accepts only a 32-digit data answer; a write an acknowledgement of 2 or
    // 3 characters that is not "ERR". A failure is reported once; the port stays open.
    // (Silence and a hang-up fail every transfer in test_transfers' fault matrix.)
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
        QCOMPARE(rig.messages.texts(), succeeds ? std::vector<std::string>{} : std::vector<std::string>{ReadWriteErrorMessage});
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

        // A port that cannot be opened: the message, the reason, and a new try next time.
        rig.port.missingPorts = {5};
        rig.state.ComIndex = 4;
        QCOMPARE(OpenComPort(rig.state, rig.services, ProgressTarget::Editor), -1);
        QCOMPARE(rig.state.Link.OpenPortNumber, NoPortOpen);
        const ShownMessage cantOpen{CantOpenPortMessage, MessageIcon::Exclamation, false};
        QCOMPARE(rig.messages.shown, std::vector<ShownMessage>{cantOpen});
        const std::string reason = "COM5 (emulated COM5): No such file or directory";
        QCOMPARE(rig.progress.shown.back(), std::make_pair(ProgressTarget::Editor, reason));
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
