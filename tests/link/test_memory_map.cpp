// Where the image lies in the radio's memory: channel blocks with the PMR
// adjustment, the VFO blocks, the bitmap, FF for bytes no field fills, and values
// that wrap instead of overflowing.
#include "link/MemoryMap.h"

#include <QtTest>

using namespace kvr27;

namespace {

std::string Digits(const QString& text) { return text.toStdString(); }

} // namespace

class TestMemoryMap : public QObject {
    Q_OBJECT

private slots:
    // A channel block read and written back: the image's Frequency, and the block
    // the write sends (bytes +13 to +15 always FF).
    void channelBlock_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<qint32>("frequency");
        QTest::addColumn<QString>("written");
        QTest::newRow("PMR channel 3") << "020000000000000000000008000000" "00" << 0x03000000
                                       << "02000000000000000000000800FFFFFF";
        QTest::newRow("LPD, no adjustment") << "0294CDEC000000000102030406AABBCC" << 0x294CDEC
                                            << "0294CDEC00000000010203040" "6FFFFFF";
        QTest::newRow("single-band mode 0") << "02963B400000EA601214002D00000000" << 43400000
                                            << "02963B400000EA601214002D00FFFFFF";
        QTest::newRow("PMR channel 0 on the radio") << "00000000FFFFFFFF26260AC808123456" << 0x01000000
                                                    << "00000000FFFFFFFF26260AC808FFFFFF";
        QTest::newRow("PMR adjustment wraps") << "FFFFFFFF000000000000000800000000" << 0x00FFFFFF
                                              << "FFFFFFFF000000000000000800FFFFFF";
        QTest::newRow("PMR adjustment at the top") << "7F000000000000000000000800000000"
                                                   << std::numeric_limits<qint32>::min()
                                                   << "7F000000000000000000000800FFFFFF";
        QTest::newRow("mode 0C is not PMR") << "FFFFFFFF00000000000000" "0C0" "0000000" << -1
                                            << "FFFFFFFF000000000000000C00FFFFFF";
    }
    void channelBlock()
    {
        QFETCH(QString, block);
        QFETCH(qint32, frequency);
        QFETCH(QString, written);
        ChannelRecord record;
        record.Enabled = true;
        DecodeChannelBlock(Digits(block), record);
        QCOMPARE(record.Frequency, frequency);
        QVERIFY(record.Enabled);
        QCOMPARE(QString::fromStdString(EncodeChannelBlock(record)), written);
    }

    void channelBlockFields()
    {
        ChannelRecord record;
        DecodeChannelBlock("0294CDEC0007A1200A0B26C7061F2F3F", record);
        QCOMPARE(record.ShiftFreq, 500000);
        QCOMPARE(record.TxTone, 0x0A);
        QCOMPARE(record.RxTone, 0x0B);
        QCOMPARE(record.PmrTone, 0x26);
        QCOMPARE(record.ChannelFlags, 0xC7);
        QCOMPARE(record.Step, 0x06);
        QCOMPARE(ChannelBlockAddress(99), 0x630);
    }

    void pmrChannel_data()
    {
        QTest::addColumn<int>("radioByte");
        QTest::addColumn<int>("pmrChannel");
        QTest::newRow("first channel") << 0x00 << 1;
        QTest::newRow("eighth channel") << 0x07 << 8;
        QTest::newRow("FF wraps to 0") << 0xFF << 0;
    }
    void pmrChannel()
    {
        QFETCH(int, radioByte);
        QFETCH(int, pmrChannel);
        const std::string block = "02963B400000EA60C10203" + Digits(QString("%1").arg(radioByte, 2, 16, QChar('0')).toUpper()) + "00000000";
        VfoSettings vfo;
        DecodeVfoBlock1(block, vfo);
        QCOMPARE(vfo.PmrChannel, pmrChannel);
        QCOMPARE(EncodeVfoBlock1(vfo), block.substr(0, 24) + "FFFFFFFF");
    }

    void vfoBlocks()
    {
        VfoSettings vfo;
        vfo.CurrentChannel = 9;
        vfo.ExtraBytes.fill(0x55);
        DecodeVfoBlock1("02963B400000EA60C1AABB0312345678", vfo);
        DecodeVfoBlock2("9F13B5C2A02A0A0B26FFFFFFFFFFFFFF", vfo);
        DecodeVfoBlock3("0007A12005601234567890ABCDEF0123", vfo);
        QCOMPARE(vfo.Frequency, 43400000);
        QCOMPARE(vfo.ShiftFreq, 60000);
        QCOMPARE(vfo.LockPowerTone, 0xC1);
        QCOMPARE(vfo.VfoReserved1, 0xAA);
        QCOMPARE(vfo.VfoReserved2, 0xBB);
        QCOMPARE(vfo.PmrChannel, 4);
        QCOMPARE(vfo.BatteryBeepSquelch, 0x9F);
        QCOMPARE(vfo.BellShiftStep, 0x13);
        QCOMPARE(vfo.BcloCallTot, 0xB5);
        QCOMPARE(vfo.SkipScanApo, 0xC2);
        QCOMPARE(vfo.EpoLamp, 0xA0);
        QCOMPARE(vfo.TxTone, 0x0A);
        QCOMPARE(vfo.RxTone, 0x0B);
        QCOMPARE(vfo.PmrTone, 0x26);
        QCOMPARE(vfo.RptShiftFreq, 500000);
        QCOMPARE(vfo.RptTone, 0x05);
        QCOMPARE(vfo.RptFlags, 0x60);
        // The VFO read leaves the current channel and the clone-file bytes alone.
        QCOMPARE(vfo.CurrentChannel, 9);
        QCOMPARE(vfo.ExtraBytes[0], 0x55);

        QCOMPARE(EncodeVfoBlock1(vfo), std::string("02963B400000EA60C1AABB03FFFFFFFF"));
        QCOMPARE(EncodeVfoBlock2(vfo, 0x2A), std::string("9F13B5C2A02A0A0B26FFFFFFFFFFFFFF"));
        QCOMPARE(EncodeVfoBlock3(vfo), std::string("0007A1200560FFFFFFFFFFFFFFFFFFFF"));
        QCOMPARE(DecodeCurrentChannel("9F13B5C2A02A0A0B26FFFFFFFFFFFFFF"), 0x2A);
        QCOMPARE(DecodeModelCode("FFFFFFFFFFFF07FFFFFFFFFFFFFFFFFF"), 7);
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

        ChannelTable read;
        DecodeChannelBitmap(Digits(block), read);
        QCOMPARE(read, channels);
    }

    void bitmapIgnoresBitsBehindChannel99()
    {
        ChannelTable channels;
        DecodeChannelBitmap("000000000000000000000000EF000000", channels);
        for (int n = 0; n < 96; ++n)
            QVERIFY(!channels.at(n).Enabled);
        QVERIFY(channels.at(96).Enabled && channels.at(97).Enabled && channels.at(98).Enabled);
        QVERIFY(!channels.at(99).Enabled);
    }
};

QTEST_APPLESS_MAIN(TestMemoryMap)
#include "test_memory_map.moc"
