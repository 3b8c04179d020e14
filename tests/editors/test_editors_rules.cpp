// The entry rules of the editors' text boxes: filters, the raster rule, the limits.
#include "editors/EntryRules.h"
#include "image/VfoCodec.h"
#include "support/RecordingMessageSink.h"

#include <QtTest>

using namespace kvr27;

Q_DECLARE_METATYPE(kvr27::FieldKind)

class EntryRulesTest : public QObject {
    Q_OBJECT

private slots:
    // A text typed into a box, then the box left: the filter on typing, the raster
    // rule and the limits on leaving.
    void typedThenLeft_data()
    {
        QTest::addColumn<FieldKind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("step");         // the step box's index
        QTest::addColumn<QString>("expected"); // the text afterwards
        QTest::addColumn<QString>("message");  // empty: no message

        const auto F = FieldKind::Frequency;
        const auto O = FieldKind::Offset;
        const auto P = FieldKind::PmrChannel;
        const auto S = FieldKind::Squelch;
        const QString rounded = RoundedMessage;
        QTest::newRow("frequency second point") << F << "446.0.1" << 0 << "" << TooManyPointsMessage;
        QTest::newRow("first offender decides: point") << F << "4..x" << 0 << "" << TooManyPointsMessage;
        QTest::newRow("frequency minus") << F << "-1" << 0 << "" << DigitsOnlyMessage;
        QTest::newRow("pmr 0") << P << "0" << 0 << "" << PmrChannelDigitMessage;
        QTest::newRow("pmr 9") << P << "9" << 0 << "" << PmrChannelDigitMessage;
        QTest::newRow("pmr 12, as a fill sets it") << P << "12" << 0 << "" << PmrChannelDigitMessage;
        QTest::newRow("pmr 8 never rounds") << P << "8" << 0 << "8" << "";
        QTest::newRow("squelch 20") << S << "20" << 0 << "20" << "";
        QTest::newRow("squelch 21") << S << "21" << 0 << "" << SquelchLimitMessage;
        QTest::newRow("squelch 1a") << S << "1a" << 0 << "" << DigitsOnlyMessage;
        QTest::newRow("6.25 kHz on its raster") << F << "446.00625" << 1 << "446.00625" << "";
        QTest::newRow("6.25 kHz off the 5 kHz raster") << F << "446.00625" << 0 << "446.00500" << rounded;
        QTest::newRow("5 kHz off the 6.25 kHz raster") << F << "446.00500" << 1 << "446.00000" << rounded;
        QTest::newRow("trailing point rounds") << F << "434.001" << 0 << "434.00000" << rounded;
        QTest::newRow("lone point is emptied") << F << "." << 0 << "" << NotANumberMessage;
        QTest::newRow("no step selected: no raster") << F << "446.00123" << -1 << "446.00123" << "";
        QTest::newRow("offset 99.995 stays") << O << "99.995" << 0 << "99.995" << "";
        QTest::newRow("offset 99.995 on 12.5 kHz") << O << "99.995" << 3 << "99.99375" << rounded;
        QTest::newRow("offset 99.996") << O << "99.996" << 0 << "" << OffsetLimitMessage;
        QTest::newRow("offset 98.9999") << O << "98.9999" << 0 << "98.99500" << rounded;
    }

    void typedThenLeft()
    {
        QFETCH(FieldKind, kind);
        QFETCH(QString, text);
        QFETCH(int, step);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        test::RecordingMessageSink sink;
        std::string field = text.toStdString();
        if (FilterField(kind, field, sink)) {
            const bool changed = RepairField(kind, field, step, RoundedMessage, sink);
            QCOMPARE(changed, QString::fromStdString(field) != text);
        }
        QCOMPARE(QString::fromStdString(field), expected);
        QCOMPARE(sink.texts(), message.isEmpty() ? std::vector<std::string>{} : std::vector{message.toStdString()});
    }
};

QTEST_GUILESS_MAIN(EntryRulesTest)
#include "test_editors_rules.moc"
