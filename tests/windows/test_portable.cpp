// What the program does differently on Windows, checked here with Windows' facts
// passed in: port names as the port list and the user spell them, the tool's --port,
// and the tool's progress line, which must draw with plain characters only.
#include "CliContext.h"
#include "link/SerialDeviceName.h"

#include <QtTest>

#include <sstream>

using namespace kvr27;

class TestPortable : public QObject {
    Q_OBJECT
private slots:
    void portNames_data()
    {
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("choice"); // the COM number, else the device; "-": refused
        QTest::addColumn<QString>("listed"); // as the port list names it
        QTest::addColumn<bool>("same");
        QTest::newRow("COM2 on Windows") << true << "COM2" << "2" << "\\\\.\\COM2" << true;
        QTest::newRow("COM7 on Windows") << true << "COM7" << "COM7" << "\\\\.\\COM7" << true;
        QTest::newRow("lower case on Windows") << true << "com7" << "com7" << "COM7" << true;
        QTest::newRow("COM12 by its device name") << true << "\\\\.\\COM12" << "\\\\.\\COM12" << "COM12" << true;
        QTest::newRow("COM1 is not COM12") << true << "\\\\.\\COM12" << "\\\\.\\COM12" << "COM1" << false;
        QTest::newRow("nothing on Windows") << true << "" << "-" << "" << true;
        QTest::newRow("COM7 on Linux") << false << "COM7" << "-" << "COM7" << true;
        QTest::newRow("a device on Linux") << false << "/dev/ttyUSB3" << "/dev/ttyUSB3" << "/dev/ttyUSB3" << true;
        QTest::newRow("case counts on Linux") << false << "/dev/ttyusb3" << "/dev/ttyusb3" << "/dev/ttyUSB3" << false;
    }
    void portNames()
    {
        QFETCH(bool, windows);
        QFETCH(QString, text);
        QFETCH(QString, listed);
        const std::optional<PortChoice> choice = ParsePortChoice(text.toStdString(), windows);
        QTEST(!choice             ? "-"
              : choice->ComNumber ? QString::number(choice->ComNumber)
                                  : QString::fromStdString(choice->Device),
              "choice");
        QTEST(SameSerialDevice(text.toStdString(), listed.toStdString(), windows), "same");
    }

    void progressLineBlanksWhatALongerOneLeft()
    {
        std::ostringstream out, err;
        std::istringstream in;
        cli::CliStreams streams{out, err, in, false, true};
        cli::CliProgress progress(streams);
        progress.showProgress(ProgressTarget::Main, "Reading memories 100%");
        progress.showProgress(ProgressTarget::Main, "Writing 5%");
        progress.finish();
        QCOMPARE(err.str(), std::string("\r[##############################] Reading memories 100%"
                                        "\r[#                             ] Writing 5%           \n"));
    }
};

QTEST_APPLESS_MAIN(TestPortable)
#include "test_portable.moc"
