// End to end through the program's own serial port (QtPort, QtWaiter) to the radio
// emulator kvr27-sim on a pseudo-terminal: Read > All and Write > All give exactly
// what they give in-process (where test_transfers checks them byte by byte).
#include "LinkRig.h"
#include "MemoryImageFile.h"
#include "commands/CommandNote.h"
#include "platform/QtPort.h"
#include "platform/QtWaiter.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace kvr27;
using namespace kvr27::test;

class TestLinkPty : public QObject {
    Q_OBJECT

private slots:
    // Between the read and the write the radio's device goes away (its pseudo-terminal
    // closes, as when the cable is pulled out) and comes back at the same name while
    // the program's events run: the port closes itself and the write opens it afresh.
    // (A device that goes away during a transfer: test_link, test_cli_pty.)
    void readAllThenWriteAll()
    {
        // The same radio and state in-process give what the pty must give.
        LinkRig expected(0, 8);
        LoadKnownRadio(expected);
        QTemporaryDir dir;
        const QString image = dir.filePath("radio.bin"), dump = dir.filePath("after.bin");
        const QString link = dir.filePath("KVR27_COM1");
        QVERIFY(sim::SaveMemoryImage(image.toStdString(), expected.radio.memory()));
        QProcess simulator;
        const auto plugIn = [&] {
            simulator.start(KVR27_SIM_PATH, {"--image", image, "--dump", dump, "--link", link});
            return simulator.waitForReadyRead(5000);
        };
        QVERIFY(plugIn());
        qputenv("KVR27_COM1", link.toUtf8());

        AppState state;
        StartWithModel(state, 0);
        state.Safeguards = NoSafeguards;
        QtPort port{SystemSerialDeviceLookup({})};
        QtWaiter waiter;
        RecordingMessageSink messages;
        RecordingProgress progress;
        LinkServices services{port, waiter, messages, progress};
        QElapsedTimer timer;
        timer.start();
        (void)RunCommand(ReadAll, state, services);
        (void)expected.run(ReadAll);
        QVERIFY(messages.shown.empty());
        QVERIFY(timer.elapsed() >= 107 * QtWaiter::TickMilliseconds);
        QCOMPARE(state.Image.ModelCode, 8);
        QVERIFY(state.Image.Vfo == expected.state.Image.Vfo && state.Image.Channels == expected.state.Image.Channels);
        QVERIFY(port.isOpen());
        simulator.terminate();
        QVERIFY(simulator.waitForFinished(5000) && plugIn());
        QTRY_VERIFY(!port.isOpen());

        // Disable channel 5, put channel 0 out of range, add channel 60.
        for (AppState* s : {&state, &expected.state}) {
            s->Image.Channels.at(5).Enabled = false;
            s->Image.Channels.at(0).Frequency = 44000000;
            s->Image.Channels.at(60) = s->Image.Channels.at(40);
            s->Image.Channels.at(60).Frequency = 43306000;
            s->Vfo.txtSquelch.assign(1, '9'); // (not = "9": a false -Wrestrict of GCC 12)
        }
        const CommandReport written = RunCommand(WriteAll, state, services);
        (void)expected.run(WriteAll);
        simulator.terminate();
        QVERIFY(simulator.waitForFinished(5000));
        QCOMPARE(messages.texts(), expected.messages.texts());
        QCOMPARE(messages.texts().back(), std::string("The thing besides the range is not written in."));
        QVERIFY(sim::LoadMemoryImage(dump.toStdString()) == expected.radio.memory());
        // Channels 40 and 60 written, channel 0 left out (its number in the note).
        QCOMPARE(expected.radio.commands().size(), 107u + 5u + 5u);
        QCOMPARE(CommandNote(written), std::string("Write complete; 1 channel left out: outside the radio's range"));
        // Every VFO value read comes back, the squelch as edited; current channel 41.
        QCOMPARE(QString::fromStdString(expected.block(0x700) + expected.block(0x710) + expected.block(0x730)),
                 "029662500000EA60C1AABB02FFFFFFFF" "8913B5420029080926FFFFFFFFFFFFFF"
                 "0007A1200560FFFFFFFFFFFFFFFFFFFF");
    }
};

QTEST_GUILESS_MAIN(TestLinkPty)
#include "test_link_pty.moc"
