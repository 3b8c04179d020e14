// The Qt face of the core's seams: message boxes as the user sees them, and the save
// dialog (its filter, its questions before a file is replaced).
#include "platform/QtDialogs.h"
#include "platform/QtMessageSink.h"
#include "platform/TitleWidth.h"
#include "support/FileText.h"
#include "support/RecordingMessageSink.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QtTest>

class TestMessageBox : public QObject {
    Q_OBJECT
private slots:
    void messageBox_data() { kvr27::test::AddDataRows("windows.txt", "box"); }
    void messageBox()
    {
        QFETCH(QStringList, f);
        const int icon = f[1].toInt();
        const QString press = f[2];
        kvr27::RadioImage image;
        image.ModelName = f[0].toStdString();
        kvr27::QtMessageSink sink(image);
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QStringList buttons;
            for (QAbstractButton* button : box->buttons())
                buttons << button->text().remove('&');
            buttons.sort();
            shown = QString("%1|%2|%3|%4|%5|%6").arg(box->windowTitle(), box->text()).arg(box->icon())
                        .arg(buttons.join(' '), box->informativeText()).arg(box->width() >= kvr27::TitleBarWidth(*box));
            if (press == "Escape")
                QTest::keyClick(box, Qt::Key_Escape);
            for (QAbstractButton* button : box->buttons())
                if (button->text().remove('&') == press)
                    button->click();
        });
        const bool result =
            icon < 0 ? sink.ask("a\rb", "c\rd") : (sink.notify("a\r\nb", kvr27::MessageIcon(icon), "c\rd"), true);
        QCOMPARE(shown.replace('\n', "\\n"), f.mid(4).join('|'));
        QCOMPARE(result, f[3] == "1");
    }

    // A chosen file that exists is asked about by the dialog itself, not again by the
    // message sink; answered No, nothing is chosen.
    void saveDialogAsksBeforeReplacing()
    {
        QTemporaryDir dir;
        QFile(dir.filePath("radio.r27")).open(QIODevice::WriteOnly);
        kvr27::QtDialogs dialogs;
        kvr27::test::RecordingMessageSink messages;
        QString asked;
        QTimer::singleShot(0, [&] {
            QPointer dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QCOMPARE(dialog->nameFilters(), QStringList{"Norvik R-27 Clone Files (*.r27)"});
            QTimer::singleShot(0, [&, dialog] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    asked += box->text(), box->button(QMessageBox::No)->click();
                if (dialog && dialog->isVisible()) // still open after No
                    dialog->reject();
            });
            dialog->selectFile(dir.filePath("radio.r27"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QCOMPARE(dialogs.saveFile("Norvik R-27 Clone Files (*.r27)|*.r27|", messages), std::nullopt);
        QVERIFY2(asked.contains("radio.r27 already exists") && messages.shown.empty(), qPrintable(asked));
    }
};

QTEST_MAIN(TestMessageBox)
#include "test_messagebox.moc"
