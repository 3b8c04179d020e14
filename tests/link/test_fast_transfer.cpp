// Fast transfers: when a fast exchange may stop waiting, that a fast command sends
// what the normal pace sends, and the fall-back to the normal pace after the first
// exchange that fails.
#include "LinkRig.h"
#include "link/AnswerJudgement.h"
#include "link/ExchangeTrace.h"
#include "support/FileText.h"
#include "support/ImageDifference.h"

#include <QtTest>

using namespace kvr27;
using namespace kvr27::test;
using sim::Fault;

Q_DECLARE_METATYPE(DataCommand)

class TestFastTransfer : public QObject {
    Q_OBJECT

private slots:
    // When a fast wait may end: the rows of tests/data/link.txt.
    void answerIsWhole()
    {
        for (const QStringList& row : DataRows("link.txt", "whole")) {
            const bool read = row[1] == "read";
            const QString received = QString(row[2]).replace("\\r", "\r").replace("\\n", "\n");
            QVERIFY2(AnswerIsWhole(read ? ExchangeKind::Read : ExchangeKind::Write, read ? "QZ~F0700R\r" : "QZ~F0715OW2A\r",
                                   received.toStdString()) == (row[3] == "1"),
                     qPrintable(row[0]));
        }
    }

    // Fast mode sends the same commands and ends every wait early, the backup's and
    // the read-back's too; the normal pace waits every tick in full.
    void paceChangesOnlyTheWait_data()
    {
        QTest::addColumn<DataCommand>("command");
        QTest::addColumn<int>("exchanges");
        QTest::newRow("Read > All") << ReadAll << 107;
        QTest::newRow("Write > All, backed up and read back") << WriteAll << 120;
    }
    void paceChangesOnlyTheWait()
    {
        QFETCH(DataCommand, command);
        QFETCH(int, exchanges);
        LinkRig normal, fast;
        QTemporaryDir data;
        for (LinkRig* rig : {&normal, &fast}) {
            LoadKnownRadio(*rig);
            rig->state.Safeguards = {true, true, false};
            rig->state.DataFolder = data.path().toStdString();
            rig->state.FastTransfer = rig == &fast;
            QVERIFY(rig->run(command, true).ok());
        }
        QCOMPARE(normal.port.ticks, exchanges);
        QCOMPARE(normal.port.earlyEnds, 0);
        QCOMPARE(fast.port.earlyEnds, exchanges);
        QCOMPARE(fast.radio.commands(), normal.radio.commands());
        QCOMPARE(ImageDifference(fast.state.Image, normal.state.Image), std::string());
    }

    // The first exchange that fails in fast mode is repeated once, after one more
    // tick, at the normal pace, which the rest of the command keeps; only a repeat
    // that fails too is reported.
    void fallsBackOnce_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("clearedAtWait"); // 0: never
        QTest::addColumn<int>("stragglerAtWait"); // its next wait gets a character late
        QTest::addColumn<int>("stragglerMs");     // by this much: 2 within the guard, 10 after it
        QTest::addColumn<QString>("repeated");
        QTest::addColumn<int>("earlyEnds");
        QTest::addColumn<QString>("note");
        QTest::addColumn<int>("messages");
        QTest::newRow("one short answer") << Fault::ShortAnswer << 4 << 0 << 2 << "QZ~F0730R\r" << 3
                                          << "Read complete; slowed down after block 0730h" << 0;
        QTest::newRow("an answer in two parts") << Fault::None << 0 << 2 << 2 << "QZ~F0710R\r" << 2
                                                << "Read complete; slowed down after block 0710h" << 0;
        QTest::newRow("a character after the guard") << Fault::None << 0 << 2 << 10 << "QZ~F0710R\r" << 3
                                                     << "Read complete; slowed down after block 0710h" << 0;
        QTest::newRow("ERR twice") << Fault::Error << 0 << 0 << 2 << "QZ~F0730R\r" << 4
                                   << "Read failed on emulated COM1: the radio answered \"ERR\" at block 0730h; "
                                      "slowed down after block 0730h"
                                   << 1;
    }
    void fallsBackOnce()
    {
        QFETCH(Fault, fault);
        QFETCH(int, clearedAtWait);
        QFETCH(int, stragglerAtWait);
        QFETCH(int, stragglerMs);
        QFETCH(QString, repeated);
        QFETCH(int, earlyEnds);
        QFETCH(QString, note);
        QFETCH(int, messages);
        LinkRig rig;
        LoadKnownRadio(rig);
        rig.state.FastTransfer = true;
        rig.radio.setFault(fault, 3);
        rig.port.stragglerAt = std::chrono::milliseconds(stragglerMs);
        rig.port.onTick = [&](int wait) {
            if (wait == clearedAtWait)
                rig.radio.setFault(Fault::None);
            if (wait == stragglerAtWait)
                rig.port.straggler = "\n";
        };
        const CommandReport report = rig.run(ReadVfo);
        QCOMPARE(QString::fromStdString(TransferNote(*report.Transfer)), note);
        QCOMPARE(static_cast<int>(rig.messages.shown.size()), messages);
        const std::vector<std::string>& sent = rig.radio.commands();
        QCOMPARE(sent.size(), std::size_t(5));
        QCOMPARE(std::count(sent.begin(), sent.end(), repeated.toStdString()), 2);
        QCOMPARE(rig.port.earlyEnds, earlyEnds);
        if (messages == 0) {
            QCOMPARE(rig.state.Vfo.txtFrequency, std::string("434.10000"));
            QCOMPARE(rig.state.Vfo.txtSquelch, std::string("20"));
        }
    }

    // Characters that come between a fast read and the next command (while a
    // backup is saved, say) fail that read: it is repeated at the normal pace before
    // the next command goes out, and must give the same data again.
    void charactersBeforeTheNextCommand()
    {
        for (const std::string changedTo : {"", "9413B5420006080926FFFFFFFFFFFF00"}) { // block 0710h before the repeat
            LinkRig rig;
            LoadKnownRadio(rig);
            LinkSession session{rig.services, rig.state.Link, 1, {}, true};
            std::string digits;
            QVERIFY(OpenLinkPort(session, ProgressTarget::Main).ok() && TryReadBlock(session, 0x710, digits).ok());
            rig.port.straggler = "\n";
            rig.port.waitTick();
            if (!changedTo.empty())
                rig.putBlock(0x710, changedTo);
            const LinkResult next = TryReadBlock(session, 0x730, digits);
            QCOMPARE(next.Exchange + (next.ok() ? " ok" : " failed"),
                     std::string(changedTo.empty() ? "QZ~F0730R ok" : "QZ~F0710R failed"));
            QCOMPARE(rig.radio.commands().size(), changedTo.empty() ? 3u : 2u);
            QCOMPARE(rig.radio.commands()[1], std::string("QZ~F0710R\r"));
        }
    }

    // The trace of a fast exchange ends with how long it took.
    void traceShowsEachExchangesTime()
    {
        LinkRig rig;
        LoadKnownRadio(rig);
        int calls = 0;
        TracingPort tracing(rig.port, [&calls] { return std::chrono::milliseconds(7 * calls++); }, true);
        LinkServices services{tracing, rig.port, rig.messages, rig.progress};
        LinkSession session{services, rig.state.Link, 1, {}, true};
        std::string digits;
        QVERIFY(OpenLinkPort(session, ProgressTarget::Main).ok());
        QVERIFY(TryReadBlock(session, 0x710, digits).ok());
        QCOMPARE(tracing.text(), std::string("7 ms | QZ~F0710R\\r | QZ~F0710R\\r\\r\\n9413B5420006080926FFFFFFFFFFFFFF"
                                             "\\r\\n | 46 | data | 7 ms\n"));
    }
};

QTEST_GUILESS_MAIN(TestFastTransfer)
#include "test_fast_transfer.moc"
