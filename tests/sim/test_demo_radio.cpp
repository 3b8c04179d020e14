// The demo radio of kvr27-sim --model: the model names it takes, and contents that
// every model's program reads, shows and writes back without a complaint.
#include "DemoRadio.h"
#include "LinkRig.h"
#include "core/Questions.h"
#include "SimOptions.h"
#include "image/ModelRules.h"
#include "link/DataMenuCommands.h"

#include <QtTest>

using namespace kvr27;
using namespace kvr27::test;

class TestDemoRadio : public QObject {
    Q_OBJECT
private slots:
    void modelOption_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("option"); // -1: refused
        QTest::addColumn<int>("code");
        QTest::newRow("PA") << "KV-R27PA" << 0 << 6;
        QTest::newRow("Z") << "KV-R27Z" << 1 << 4;
        QTest::newRow("X") << "KV-R27X" << 2 << 2;
        QTest::newRow("PMR only") << "KV-R27PA(PMR only)" << 3 << 11;
        QTest::newRow("LPD only") << "KV-R27PA(LPD only)" << 4 << 10;
        QTest::newRow("start window caption") << "KV-R27 PA" << -1 << 0;
        QTest::newRow("lower case") << "kv-r27pa" << -1 << 0;
        QTest::newRow("empty") << "" << -1 << 0;
    }
    void modelOption()
    {
        QFETCH(QString, name);
        QFETCH(int, option);
        QFETCH(int, code);
        std::string error;
        const auto options = sim::ParseSimOptions({"--model", name.toStdString()}, error);
        QCOMPARE(options.has_value(), option >= 0);
        if (!options) {
            QCOMPARE(QString::fromStdString(error), "unknown model: " + name);
            return;
        }
        QCOMPARE(options->model, std::optional<int>(option));
        QCOMPARE(int(sim::DemoMemory(option).at(0x7F6)), code);
    }

    // The start-up VFO blocks and the channels' blocks as the radio holds them.
    void dualBandMemory()
    {
        LinkRig rig;
        rig.radio.memory() = sim::DemoMemory(0);
        QCOMPARE(rig.block(0x700), std::string("02963B400000EA6040000000FFFFFFFF"));
        QCOMPARE(rig.block(0x710), std::string("670300000001080827FFFFFFFFFFFFFF"));
        QCOMPARE(rig.block(0x720), std::string("F8000000000000000000000000FFFFFF"));
        QCOMPARE(rig.block(0x730), std::string("0007A1200820FFFFFFFFFFFFFFFFFFFF"));
        QCOMPARE(rig.block(0x000), std::string("0294D1EC0000EA600808270403FFFFFF"));
        QCOMPARE(rig.block(0x030), std::string("02000000000000000808048801FFFFFF")); // PMR 3
        QCOMPARE(rig.block(0x050), std::string("02963B400000EA600808270003FFFFFF")); // unused
        QCOMPARE(rig.block(0x640), std::string(32, 'F'));
    }

    // Read > All, then Write > All: no message but the overwrite question, the
    // channels in the grid, and the radio left byte for byte as it was.
    void readsAndWritesBackCleanly_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("enabled");
        QTest::addColumn<QStringList>("firstColumn"); // "Frequency(ch)" of rows 1 to 5
        QTest::newRow("PA") << 0 << 5 << QStringList{"433.07500", "433.50000", "434.00000", "3", "8"};
        QTest::newRow("Z") << 1 << 3 << QStringList{"445.00000", "446.00625", "438.50000", "", ""};
        QTest::newRow("X") << 2 << 3 << QStringList{"433.00000", "435.00000", "439.50000", "", ""};
        QTest::newRow("PMR only") << 3 << 3 << QStringList{"1", "3", "8", "", ""};
        QTest::newRow("LPD only") << 4 << 3 << QStringList{"433.07500", "433.50000", "434.77500", "", ""};
    }
    void readsAndWritesBackCleanly()
    {
        QFETCH(int, option);
        QFETCH(int, enabled);
        QFETCH(QStringList, firstColumn);
        const sim::RadioEmulator::Memory demo = sim::DemoMemory(option);
        LinkRig rig(option, demo.at(0x7F6));
        rig.radio.memory() = demo;

        ReadAllCommand(rig.state, rig.services);
        QVERIFY(rig.messages.shown.empty());
        int inUse = 0;
        for (const ChannelRecord& channel : rig.state.Image.Channels)
            inUse += channel.Enabled ? 1 : 0;
        QCOMPARE(inUse, enabled);
        QCOMPARE(int(rig.state.Image.Vfo.CurrentChannel), 1);
        for (int row = 1; row <= 5; ++row)
            QCOMPARE(QString::fromStdString(rig.state.Grid.TextMatrix(row, 1)), firstColumn[row - 1]);
        QCOMPARE(CheckFrequencyRange(rig.state.Image, rig.state.Vfo.txtFrequency, true, true, rig.messages), 0);

        WriteAllCommand(rig.state, rig.services);
        QCOMPARE(rig.messages.texts(), std::vector<std::string>{OverwriteQuestion});
        QVERIFY(rig.radio.memory() == demo);
    }
};

QTEST_GUILESS_MAIN(TestDemoRadio)
#include "test_demo_radio.moc"
