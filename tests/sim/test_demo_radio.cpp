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

    // Read > All, then Write > All: no message but the overwrite question, a VFO
    // frequency in range, and the radio left byte for byte as it was.
    void readsAndWritesBackCleanly_data()
    {
        QTest::addColumn<int>("option");
        for (int option = 0; option <= 4; ++option)
            QTest::addRow("option %d", option) << option;
    }
    void readsAndWritesBackCleanly()
    {
        QFETCH(int, option);
        const sim::RadioEmulator::Memory demo = sim::DemoMemory(option);
        LinkRig rig(option, demo.at(0x7F6));
        rig.radio.memory() = demo;
        ReadAllCommand(rig.state, rig.services);
        QVERIFY(rig.messages.shown.empty());
        QCOMPARE(CheckFrequencyRange(rig.state.Image, rig.state.Vfo.txtFrequency, true, true, rig.messages), 0);
        WriteAllCommand(rig.state, rig.services);
        QCOMPARE(rig.messages.texts(), std::vector<std::string>{OverwriteQuestion});
        QVERIFY(rig.radio.memory() == demo);
    }
};

QTEST_GUILESS_MAIN(TestDemoRadio)
#include "test_demo_radio.moc"
