// The link operations over the emulated radio: hex texts, command framing, answer
// judging, opening and switching ports, and the device names of the COM options.
#include "LinkRig.h"
#include "link/Framing.h"
#include "link/HexText.h"
#include "link/Link.h"
#include "link/SerialDeviceName.h"

#include <QtTest>

#include <map>

using namespace kvr27;
using namespace kvr27::test;
using sim::Fault;

Q_DECLARE_METATYPE(Fault)

namespace {

const ShownMessage ReadWriteError{ReadWriteErrorMessage, MessageIcon::Exclamation, false};

} // namespace

class TestLinkExchange : public QObject {
    Q_OBJECT

private slots:
    void hexToLong_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint32>("value");
        QTest::newRow("frequency") << "02963B40" << 43400000;
        QTest::newRow("offset") << "0000EA60" << 60000;
        QTest::newRow("all ones") << "FFFFFFFF" << -1;
        QTest::newRow("top bit alone") << "80000000" << std::numeric_limits<qint32>::min();
        QTest::newRow("largest") << "7FFFFFFF" << std::numeric_limits<qint32>::max();
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

    void hexToLongRefusesWhatIsNoNumber()
    {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, HexToLong("0000EA6"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, HexToLong("0000EA6G"));
    }

    void commandTexts_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("expected");
        QTest::newRow("read 5") << QString::fromStdString(ReadCommand(5)) << "QZ~F0005R\r";
        QTest::newRow("read 630h") << QString::fromStdString(ReadCommand(1584)) << "QZ~F0630R\r";
        QTest::newRow("read identity") << QString::fromStdString(ReadCommand(0x7F0)) << "QZ~F07F0R\r";
        QTest::newRow("current channel") << QString::fromStdString(CurrentChannelCommand(0x2A)) << "QZ~F0715OW2A\r";
        QTest::newRow("write")
            << QString::fromStdString(WriteCommand(0x700, std::string(32, 'F')))
            << QString("QZ~F0700W") + QString(32, 'F') + "\r";
    }
    void commandTexts()
    {
        QFETCH(QString, command);
        QFETCH(QString, expected);
        QCOMPARE(command, expected);
    }

    // Every answer to a read but a 32-digit data answer is a failed exchange,
    // reported once; the port stays open.
    void readBlockAnswers_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("data answer") << Fault::None << true;
        QTest::newRow("45 characters") << Fault::ShortAnswer << false;
        QTest::newRow("47 characters") << Fault::LongAnswer << false;
        QTest::newRow("ERR, 17 characters") << Fault::Error << false;
        QTest::newRow("non-hex payload") << Fault::NonHex << false;
        QTest::newRow("silence") << Fault::Silence << false;
        QTest::newRow("answer after the tick") << Fault::Delay << false;
        QTest::newRow("hung up") << Fault::HangUp << false;
    }
    void readBlockAnswers()
    {
        QFETCH(Fault, fault);
        QFETCH(bool, succeeds);
        LinkRig rig;
        rig.putBlock(0x30, "0123456789ABCDEF0011223344556677");
        rig.radio.setFault(fault);
        QCOMPARE(OpenComPort(rig.state, rig.services, ProgressTarget::Main), 1);
        const std::string result = ReadBlock(rig.services, 0x30);
        QCOMPARE(rig.radio.commands(), std::vector<std::string>{"QZ~F0030R\r"});
        QCOMPARE(rig.port.ticks, 1);
        QVERIFY(rig.port.isOpen());
        if (succeeds) {
            QCOMPARE(result, std::string("0123456789ABCDEF0011223344556677"));
            QVERIFY(rig.messages.shown.empty());
        } else {
            QCOMPARE(result, std::string(LinkFailure));
            QCOMPARE(rig.messages.shown, std::vector<ShownMessage>{ReadWriteError});
        }
    }

    // A write succeeds on an acknowledgement of 2 or 3 characters unless the
    // payload is "ERR".
    void writeBlockAnswers_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("acknowledged, L + 6") << Fault::None << true;
        QTest::newRow("3-character payload, L + 7") << Fault::LongAnswer << true;
        QTest::newRow("acknowledgement not examined") << Fault::NonHex << true;
        QTest::newRow("L + 5") << Fault::ShortAnswer << false;
        QTest::newRow("ERR") << Fault::Error << false;
        QTest::newRow("silence") << Fault::Silence << false;
        QTest::newRow("late") << Fault::Delay << false;
    }
    void writeBlockAnswers()
    {
        QFETCH(Fault, fault);
        QFETCH(bool, succeeds);
        for (const std::string& command : {WriteCommand(0x40, std::string(32, '0')), CurrentChannelCommand(7)}) {
            LinkRig rig;
            rig.radio.setFault(fault);
            OpenComPort(rig.state, rig.services, ProgressTarget::Main);
            QCOMPARE(WriteBlock(rig.services, command), std::string(succeeds ? LinkSuccess : LinkFailure));
            QCOMPARE(rig.messages.shown.size(), succeeds ? 0u : 1u);
        }
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
        QCOMPARE(rig.messages.shown.size(), 1u);
    }

    void portSwitching()
    {
        LinkRig rig;
        rig.state.ComIndex = 1;
        QCOMPARE(OpenComPort(rig.state, rig.services, ProgressTarget::Main), 1);
        QCOMPARE(rig.state.Link.OpenPortNumber, 2);
        QCOMPARE(OpenComPort(rig.state, rig.services, ProgressTarget::Main), 1);
        QCOMPARE(rig.port.opens, 1);
        QCOMPARE(rig.port.closes, 0);

        rig.state.ComIndex = 3;
        QCOMPARE(OpenComPort(rig.state, rig.services, ProgressTarget::Main), 1);
        QCOMPARE(rig.port.closes, 1);
        QCOMPARE(rig.port.openPort(), 4);
        QCOMPARE(rig.state.Link.OpenPortNumber, 4);
        QVERIFY(rig.messages.shown.empty());
    }

    void portThatCannotBeOpened()
    {
        LinkRig rig;
        rig.port.missingPorts = {5};
        rig.state.ComIndex = 4;
        QCOMPARE(OpenComPort(rig.state, rig.services, ProgressTarget::Editor), -1);
        QCOMPARE(rig.state.Link.OpenPortNumber, NoPortOpen);
        const ShownMessage cantOpen{CantOpenPortMessage, MessageIcon::Exclamation, false};
        QCOMPARE(rig.messages.shown, std::vector<ShownMessage>{cantOpen});
        const std::string reason = "COM5 (emulated COM5): No such file or directory";
        QCOMPARE(rig.state.Link.PortProblem, reason);
        QCOMPARE(rig.progress.shown.back(), std::make_pair(ProgressTarget::Editor, reason));

        // The next transfer tries again.
        rig.port.missingPorts.clear();
        QCOMPARE(OpenComPort(rig.state, rig.services, ProgressTarget::Main), 1);
        QCOMPARE(rig.state.Link.PortProblem, std::string());
    }

    void serialDeviceNames_data()
    {
        QTest::addColumn<bool>("windows");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("device");
        QTest::newRow("windows") << true << 3 << "/dev/pts/4" << QStringList{"/dev/ttyS2"} << "COM3";
        QTest::newRow("environment first") << false << 1 << "/tmp/kvr27-com1" << QStringList{"/dev/ttyUSB0"}
                                           << "/tmp/kvr27-com1";
        QTest::newRow("USB adapter") << false << 1 << "" << QStringList{"/dev/ttyUSB0", "/dev/ttyS0"}
                                     << "/dev/ttyUSB0";
        QTest::newRow("ACM before ttyS") << false << 2 << "" << QStringList{"/dev/ttyACM1", "/dev/ttyS1"}
                                         << "/dev/ttyACM1";
        QTest::newRow("built-in port") << false << 5 << "" << QStringList{"/dev/ttyUSB0", "/dev/ttyS4"}
                                       << "/dev/ttyS4";
        QTest::newRow("none exists") << false << 4 << "" << QStringList{} << "/dev/ttyUSB3";
    }
    void serialDeviceNames()
    {
        QFETCH(bool, windows);
        QFETCH(int, port);
        QFETCH(QString, environment);
        QFETCH(QStringList, existing);
        QFETCH(QString, device);
        SerialDeviceLookup lookup;
        lookup.windows = windows;
        lookup.environment = [&](const std::string& name) -> std::optional<std::string> {
            if (environment.isEmpty() || name != "KVR27_COM" + std::to_string(port))
                return std::nullopt;
            return environment.toStdString();
        };
        lookup.exists = [&](const std::string& path) { return existing.contains(QString::fromStdString(path)); };
        QCOMPARE(QString::fromStdString(SerialDeviceName(port, lookup)), device);
    }
};

QTEST_APPLESS_MAIN(TestLinkExchange)
#include "test_link_exchange.moc"
