// Where the image lies in the radio's memory: the PMR adjustment, the 0-based PMR
// channel, the bitmap, FF for bytes no field fills, and values that wrap instead of
// overflowing.
#include "link/MemoryMap.h"

#include <QtTest>

using namespace kvr27;

class TestMemoryMap : public QObject {
    Q_OBJECT

private slots:
    // A channel block read, and the block its record writes back.
    void channelBlock_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<qint32>("frequency");
        QTest::addColumn<QString>("written");
        QTest::newRow("PMR channel 3") << "02000000000000000000000800000000" << 0x03000000
                                       << "02000000000000000000000800FFFFFF";
        QTest::newRow("LPD, no adjustment") << "0294CDEC0007A1200A0B26C4061F2F3F" << 0x294CDEC
                                            << "0294CDEC0007A1200A0B26C406FFFFFF";
        QTest::newRow("PMR adjustment wraps") << "FFFFFFFF000000000000000800000000" << 0x00FFFFFF
                                              << "FFFFFFFF000000000000000800FFFFFF";
        QTest::newRow("PMR adjustment at the top") << "7F000000000000000000000800000000"
                                                   << std::numeric_limits<qint32>::min()
                                                   << "7F000000000000000000000800FFFFFF";
        QTest::newRow("mode 0C is not PMR") << "FFFFFFFF000000000000000C00000000" << -1
                                            << "FFFFFFFF000000000000000C00FFFFFF";
    }
    void channelBlock()
    {
        QFETCH(QString, block);
        QFETCH(qint32, frequency);
        QFETCH(QString, written);
        ChannelRecord record;
        DecodeChannelBlock(block.toStdString(), record);
        QCOMPARE(record.Frequency, frequency);
        QCOMPARE(QString::fromStdString(EncodeChannelBlock(record)), written);
    }

    void pmrChannel_data()
    {
        QTest::addColumn<QString>("radioByte");
        QTest::addColumn<int>("pmrChannel");
        QTest::newRow("first channel") << "00" << 1;
        QTest::newRow("eighth channel") << "07" << 8;
        QTest::newRow("FF wraps to 0") << "FF" << 0;
    }
    void pmrChannel()
    {
        QFETCH(QString, radioByte);
        QFETCH(int, pmrChannel);
        const std::string block = "02963B400000EA60C10203" + radioByte.toStdString() + "00000000";
        VfoSettings vfo;
        DecodeVfoBlock1(block, vfo);
        QCOMPARE(vfo.PmrChannel, pmrChannel);
        QCOMPARE(EncodeVfoBlock1(vfo), block.substr(0, 24) + "FFFFFFFF");
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

        // On reading, the bits behind channel 99 are ignored.
        block.replace(25, 1, "F");
        ChannelTable read;
        DecodeChannelBitmap(block.toStdString(), read);
        QCOMPARE(read, channels);
    }
};

QTEST_APPLESS_MAIN(TestMemoryMap)
#include "test_memory_map.moc"
