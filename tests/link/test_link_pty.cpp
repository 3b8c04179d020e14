// End to end through the program's own serial port (QtPort, QtWaiter) to the radio
// emulator kvr27-sim on a pseudo-terminal: Read > All gives exactly the radio's
// settings, Write > All leaves exactly the expected bytes in the radio.
#include "LinkRig.h"
#include "MemoryImageFile.h"
#include "link/DataMenuCommands.h"
#include "link/Link.h"
#include "link/Transfers.h"
#include "platform/QtPort.h"
#include "platform/QtWaiter.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace kvr27;
using namespace kvr27::test;

class TestLinkPty : public QObject {
    Q_OBJECT

private:
    // Starts kvr27-sim with the memory of `radio` and points COM1 at its pty.
    void startRadio(const sim::RadioEmulator& radio)
    {
        QVERIFY(sim::SaveMemoryImage(imageFile().toStdString(), radio.memory()));
        simulator_.setProgram(QStringLiteral(KVR27_SIM_PATH));
        simulator_.setArguments({"--image", imageFile(), "--dump", dumpFile()});
        simulator_.start();
        QVERIFY(simulator_.waitForStarted());
        QVERIFY(simulator_.waitForReadyRead(5000));
        const QByteArray device = simulator_.readLine().trimmed();
        QVERIFY(device.startsWith("/dev/"));
        qputenv("KVR27_COM1", device);
    }
    // Stops kvr27-sim and gives the memory it ended with.
    sim::RadioEmulator::Memory stopRadio()
    {
        simulator_.terminate();
        if (!simulator_.waitForFinished(5000))
            return {};
        return sim::LoadMemoryImage(dumpFile().toStdString()).value_or(sim::RadioEmulator::Memory{});
    }
    QString imageFile() const { return dir_.filePath("radio.bin"); }
    QString dumpFile() const { return dir_.filePath("after.bin"); }

    QTemporaryDir dir_;
    QProcess simulator_;

private slots:
    void readAllThenWriteAll()
    {
        // The same radio and state in-process give what the pty must give.
        LinkRig expected(0, 8);
        LoadKnownRadio(expected);
        startRadio(expected.radio);

        AppState state;
        StartWithModel(state, 0);
        QtPort port;
        QtWaiter waiter;
        RecordingMessageSink messages;
        RecordingProgress progress;
        LinkServices services{port, waiter, messages, progress};

        QElapsedTimer timer;
        timer.start();
        ReadAllCommand(state, services);
        ReadAllCommand(expected.state, expected.services);
        QVERIFY(messages.shown.empty());
        QVERIFY(timer.elapsed() >= 107 * QtWaiter::TickMilliseconds);
        QCOMPARE(state.Image.ModelCode, 8);
        QCOMPARE(state.Image.Vfo, expected.state.Image.Vfo);
        QCOMPARE(state.Image.Channels, expected.state.Image.Channels);
        QCOMPARE(state.Image.Vfo.CurrentChannel, 6);
        QVERIFY(port.isOpen());

        // Disable channel 5, put channel 0 out of range, add channel 60.
        auto edit = [](AppState& s) {
            s.Image.Channels.at(5).Enabled = false;
            s.Image.Channels.at(0).Frequency = 44000000;
            s.Image.Channels.at(60) = s.Image.Channels.at(40);
            s.Image.Channels.at(60).Frequency = 43306000;
            s.Vfo.txtSquelch.assign(1, '9');
        };
        edit(state);
        edit(expected.state);
        WriteAllCommand(state, services);
        WriteAllCommand(expected.state, expected.services);
        const sim::RadioEmulator::Memory written = stopRadio();
        QCOMPARE(messages.texts(), expected.messages.texts());
        QCOMPARE(messages.texts().back(), std::string(LeftOutMessage));
        QVERIFY(written == expected.radio.memory());
        // What the radio must hold: channels 40 and 60 enabled and written, channel 0
        // left out, channel 5 as it was.
        QCOMPARE(expected.radio.commands().size(), 107u + 5u + 1u + 1u + 2u + 1u);
        QCOMPARE(expected.block(0x720), std::string("00000000008000080000000000FFFFFF"));
        QCOMPARE(expected.block(0x3C0).substr(0, 8), std::string("0294CC10"));
        QCOMPARE(expected.block(0x050), std::string("0200000000000000000026080100FFFF"));
    }
};

QTEST_GUILESS_MAIN(TestLinkPty)
#include "test_link_pty.moc"
