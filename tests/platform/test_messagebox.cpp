// The Qt face of the core's seams: message boxes as the user sees them, and the file
// dialog filters.
#include "platform/QtFileFilter.h"
#include "platform/QtMessageSink.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QtTest>

namespace {

// What a message box showed, and which button answered it.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Reads the box that is about to open and presses the button with the caption given.
void AnswerNextBox(SeenBox& seen, const QString& press)
{
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text().remove('&');
        seen.buttons.sort();
        for (QAbstractButton* button : box->buttons())
            if (button->text().remove('&') == press)
                button->click();
    });
}

} // namespace

class TestMessageBox : public QObject {
    Q_OBJECT
private slots:
    void notify_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("boxIcon");
        QTest::newRow("second copy, before a model")
            << "" << "KV-R27 Clone Utility is already boot up." << int(kvr27::MessageIcon::Critical)
            << "KV-R27 Clone Utility" << "KV-R27 Clone Utility is already boot up." << int(QMessageBox::Critical);
        QTest::newRow("link failure") << "KV-R27PA" << "Can't open com Port" << int(kvr27::MessageIcon::Exclamation)
                                      << "KV-R27PA Clone Utility" << "Can't open com Port" << int(QMessageBox::Warning);
        QTest::newRow("two lines") << "KV-R27X" << "first\rsecond" << int(kvr27::MessageIcon::None)
                                   << "KV-R27X Clone Utility" << "first\nsecond" << int(QMessageBox::NoIcon);
    }
    void notify()
    {
        QFETCH(QString, model);
        QFETCH(QString, text);
        QFETCH(int, icon);
        QFETCH(QString, title);
        QFETCH(QString, shown);
        QFETCH(int, boxIcon);
        kvr27::RadioImage image;
        image.ModelName = model.toStdString();
        kvr27::QtMessageSink sink(image);
        SeenBox seen;
        AnswerNextBox(seen, "OK");
        sink.notify(text.toStdString(), static_cast<kvr27::MessageIcon>(icon));
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text, shown);
        QCOMPARE(int(seen.icon), boxIcon);
        QCOMPARE(seen.buttons, QStringList{"OK"});
    }

    void ask_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<bool>("answer");
        QTest::newRow("OK") << "OK" << true;
        QTest::newRow("Cancel") << "Cancel" << false;
    }
    void ask()
    {
        QFETCH(QString, press);
        QFETCH(bool, answer);
        kvr27::RadioImage image;
        image.ModelName = "KV-R27PA";
        kvr27::QtMessageSink sink(image);
        SeenBox seen;
        AnswerNextBox(seen, press);
        QCOMPARE(sink.ask("The setting has been changed.\rMay you keep processing it?"), answer);
        QCOMPARE(seen.text, QString("The setting has been changed.\nMay you keep processing it?"));
        QCOMPARE(seen.title, QString("KV-R27PA Clone Utility"));
        QCOMPARE(int(seen.icon), int(QMessageBox::NoIcon));
        QCOMPARE(seen.buttons, (QStringList{"Cancel", "OK"}));
    }

    void fileFilter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qtFilter");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("clone file") << "Norvik R-27 Clone Files (*.r27)|*.r27|" << "Norvik R-27 Clone Files (*.r27)"
                                    << "r27";
        QTest::newRow("CSV") << "CSV Files (*.csv)|*.csv|" << "CSV Files (*.csv)" << "csv";
        QTest::newRow("two pairs, no final bar") << "Text (*.txt)|*.txt|All Files (*.*)|*.*"
                                                 << "Text (*.txt);;All Files (*.*)" << "txt";
        QTest::newRow("description without pattern") << "Clone Files|*.r27;*.R27|" << "Clone Files (*.r27 *.R27)"
                                                      << "r27";
        QTest::newRow("wildcard only") << "All Files (*.*)|*.*|" << "All Files (*.*)" << "";
    }
    void fileFilter()
    {
        QFETCH(QString, filter);
        QFETCH(QString, qtFilter);
        QFETCH(QString, suffix);
        QCOMPARE(kvr27::QtFileFilter(filter.toStdString()), qtFilter);
        QCOMPARE(kvr27::DefaultSuffix(filter.toStdString()), suffix);
    }
};

QTEST_MAIN(TestMessageBox)
#include "test_messagebox.moc"
