// The demo radio of kvr27-sim --model: the model names it takes, the model code
// its memory reports, and channels that no load rule of the clone file changes.
#include "DemoRadio.h"
#include "SimOptions.h"
#include "files/CloneFile.h"
#include "image/Startup.h"

#include <QtTest>

using namespace kvr27;

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

        RadioImage image;
        InitialiseRadioImage(image, option);
        sim::AddDemoChannels(image);
        CloneFileContent content;
        std::vector<CloneFileReplacement> replaced;
        QVERIFY(ParseCloneFile(CloneFileText(image), image.Defaults, content, &replaced).ok());
        QCOMPARE(replaced.size(), 0u);
    }
};

QTEST_GUILESS_MAIN(TestDemoRadio)
#include "test_demo_radio.moc"
