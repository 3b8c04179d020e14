// The windows in each language: the main window, the VFO window and the channel
// grid opened with the language's translations installed show no text that is still
// the English source of an entry the language's catalog translates; and Info >
// Language... keeps the choice for the next start.
#include "LinkRig.h"
#include "app/ShellFixture.h"
#include "app/editors/frmDifferences.h"
#include "app/editors/frmMem.h"
#include "app/editors/frmMemSub.h"
#include "app/editors/frmVfo.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "app/frmPort.h"
#include "app/frmReport.h"
#include "app/frmStart.h"
#include "commands/ChannelGridEditor.h"
#include "commands/RadioComparison.h"
#include "link/SerialDeviceName.h"
#include "core/FileAccess.h"
#include "core/UserOptions.h"
#include "files/ChannelCsv.h"
#include "files/CloneFile.h"
#include "image/Startup.h"
#include "support/FileText.h"
#include "image/VfoCodec.h"
#include "platform/QtTranslations.h"

#include <QtWidgets>
#include <QtTest>

using namespace kvr27;

namespace {

// The element's text, with the control characters lupdate writes as <byte value="xd"/>.
QString ElementText(QXmlStreamReader& xml)
{
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Characters)
            text += xml.text();
        else if (token == QXmlStreamReader::StartElement && ++depth && xml.name() == QLatin1String("byte"))
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        else if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return text;
}

// The sources the catalog file translates to something else (unfinished entries
// are not translated yet), less those spelt as one of its translations ("No" is
// Italian for "Off").
QSet<QString> TranslatedSources(const QString& file)
{
    QSet<QString> translations;
    QFile ts(file);
    if (!ts.open(QIODevice::ReadOnly))
        QTest::qFail(qPrintable(file + ": " + ts.errorString()), __FILE__, __LINE__);
    QSet<QString> sources;
    QString source;
    QXmlStreamReader xml(&ts);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = ElementText(xml);
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().hasAttribute(QLatin1String("type"));
            const QString translation = ElementText(xml);
            if (!unfinished && !translation.isEmpty() && translation != source)
                sources.insert(source), translations.insert(translation);
        }
    }
    if (xml.hasError())
        QTest::qFail(qPrintable(file + ": " + xml.errorString()), __FILE__, __LINE__);
    return sources - translations;
}

// Every text the window shows: its title, labels, buttons, frames, lists, menu and
// context actions, and the header sections and cells of its tables.
QStringList ShownTexts(QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (auto* label : window.findChildren<QLabel*>())
        texts << label->text();
    for (auto* button : window.findChildren<QAbstractButton*>())
        texts << button->text() << button->toolTip();
    for (auto* frame : window.findChildren<QGroupBox*>())
        texts << frame->title();
    for (auto* action : window.findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    for (auto* list : window.findChildren<QComboBox*>())
        for (int item = 0; item < list->count(); ++item)
            texts << list->itemText(item);
    for (auto* header : window.findChildren<QHeaderView*>())
        if (header->model())
            for (int section = 0; section < header->count(); ++section)
                texts << header->model()->headerData(section, header->orientation()).toString();
    for (auto* table : window.findChildren<QTableView*>())
        for (int row = 0; row < table->model()->rowCount(); ++row)
            for (int col = 0; col < table->model()->columnCount(); ++col)
                texts << table->model()->index(row, col).data().toString();
    texts.removeAll(QString());
    return texts;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { RemoveTranslations(); }

    void windowsShowTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        for (const ProgramLanguage& language : ProgramLanguages())
            QTest::newRow(qPrintable(language.Code)) << language.Code;
    }

    void windowsShowTheLanguage()
    {
        QFETCH(QString, code);
        const QSet<QString> translated =
            TranslatedSources(QStringLiteral(KVR27_TRANSLATIONS_DIR "/kvr27_%1.ts").arg(code));
        QCOMPARE(InstallTranslations(code), code);

        test::ShellFixture shell;
        frmMain main(shell.context());
        test::LinkRig rig;
        const app::EditorContext context{rig.state, rig.messages, rig.port, rig.port};
        app::frmVfo vfo(context);
        FillVfoWindow(rig.state.Image, rig.state.Vfo, rig.messages);
        vfo.openModal();
        app::frmMem mem(context);
        ChannelRecord& channel = rig.state.Image.Channels.at(0); // its cells show "None" and "Off"
        channel = EmptyChannel(rig.state.Image.Defaults);
        channel.Enabled = true;
        RefreshChannelGrid(rig.state.Image, rig.state.Grid);
        mem.openModal();
        // The dialogs those windows open.
        SelectChannelRow(rig.state.Grid, 1);
        app::frmMemSub channelDialog(rig.state, rig.messages);
        frmStart start(shell.context());
        frmAbout about("KV-R27PA");
        frmPort ports(shell.portAssignments(), FixedSerialDevice("/dev/ttyUSB0"), rig.messages);
        frmReport report({{}, {}, {}, {}, nullptr}, rig.state.Image, rig.messages, shell.dialogs);
        app::frmDifferences differences("KV-R27PA", true, nullptr);
        RadioImage before = rig.state.Image;
        before.Channels.at(0).Enabled = false;
        differences.showLines(DifferenceLines(before, rig.state.Image), {});

        QStringList english;
        for (QWidget* window : std::initializer_list<QWidget*>{&main, &vfo, &mem, &channelDialog, &start, &about, &ports,
                                                               &report, &differences})
            for (const QString& text : ShownTexts(*window))
                if (translated.contains(text))
                    english << window->objectName() + ": " + text;
        english.removeDuplicates();
        QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral(" | "))));
    }

    // What the layers below hand up for a message or the differences window comes in
    // the language too: a refused file's reason, a failed exchange, a file the
    // program will not open, a changed channel's words.
    void reasonsFromBelow_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("expected");
        QTest::newRow("de csv") << "de" << "csv" << "Zeile 3: Frequenz \"abc\" ist keine passende Zahl in MHz.";
        QTest::newRow("pl csv") << "pl" << "csv" << "Wiersz 3: częstotliwość \"abc\" nie jest pasującą liczbą MHz.";
        QTest::newRow("de clone file") << "de" << "clone file" << "1 Zeilen statt 831.";
        QTest::newRow("de no answer") << "de" << "no answer" << "keine Antwort auf R0700";
        QTest::newRow("fr pipe") << "fr" << "pipe" << "Pas un fichier ordinaire (un tube nommé)";
        QTest::newRow("de differences") << "de" << "differences" << "Kanal 0: nicht belegt \u2192 belegt|Kanal 1, TX-Ton: 88.5Hz \u2192 100.0Hz";
        QTest::newRow("pl differences") << "pl" << "differences" << "Kanał 0: nieużywany \u2192 używany|Kanał 1, Ton TX: 88.5Hz \u2192 100.0Hz";
    }

    void reasonsFromBelow()
    {
        QFETCH(QString, code);
        QFETCH(QString, what);
        QFETCH(QString, expected);
        QCOMPARE(InstallTranslations(code), code);
        test::LinkRig rig;
        const RadioImage& image = rig.state.Image;
        std::string shown;
        if (what == "csv") {
            ChannelCsvContent content;
            shown = ParseChannelCsv("0\r\nheader\r\n1,abc,25KHz,None,0,Off,Off,None,67.0Hz,67.0Hz,Off,LPD\r\n", image, content)
                        .detail();
        } else if (what == "clone file") {
            CloneFileContent content;
            shown = ParseCloneFile("1\r\n", image.Defaults, content).detail();
        } else if (what == "no answer") {
            shown = DescribeLinkResult({LinkFault::NoAnswer, "R0700", {}});
        } else if (what == "pipe") {
            shown = FileRefusal(std::filesystem::file_type::fifo, 0).value_or("");
        } else {
            RadioImage changed = image;
            changed.Channels.at(0) = EmptyChannel(image.Defaults);
            changed.Channels.at(0).Enabled = true;
            changed.Channels.at(1) = changed.Channels.at(0);
            RadioImage before = changed;
            before.Channels.at(0).Enabled = false;
            changed.Channels.at(1).TxTone = 12; // 100.0Hz
            for (const std::string& line : DifferenceLines(before, changed))
                shown += (shown.empty() ? "" : "|") + line;
        }
        QCOMPARE(QString::fromStdString(shown), expected);
    }

    // Info > Language... as the user answers its list: the choice goes to options.ini
    // beside the other options, the windows keep their language, and the next start
    // shows the chosen one.
    void languageMenuKeepsTheChoice_data()
    {
        QTest::addColumn<QString>("answer"); // the list's entry chosen; empty: Cancel
        QTest::addColumn<QString>("file");   // options.ini after
        QTest::addColumn<QString>("fileMenu"); // the File menu at the next start
        const QString before = QStringLiteral("FastTransfer=1\r\nReviewBeforeWrite=0\r\nChangedBlocksOnly=1\r\nLanguage=de\r\n");
        QTest::newRow("Polski") << "Polski" << QString(before).replace("=de", "=pl") << "&Plik";
        QTest::newRow("English") << "English" << QString(before).replace("=de", "=en") << "&File";
        QTest::newRow("System language") << "System language"
                                         << "FastTransfer=1\r\nReviewBeforeWrite=0\r\nChangedBlocksOnly=1\r\n" << "&File";
        QTest::newRow("Cancel") << "" << before << "&Datei";
    }

    void languageMenuKeepsTheChoice()
    {
        QFETCH(QString, answer);
        QFETCH(QString, file);
        QFETCH(QString, fileMenu);
        test::ShellFixture shell;
        AppContext context = shell.context();
        context.UserOptionsPath = shell.dir.filePath("options.ini").toStdString();
        const std::string before = "FastTransfer=1\r\nReviewBeforeWrite=0\r\nChangedBlocksOnly=1\r\nLanguage=de\r\n";
        test::WriteFileText(context.UserOptionsPath, before);
        QStringList offered;
        {
            frmMain window(context);
            // The list comes up modal: answer it once the event loop shows it.
            QTimer answering;
            connect(&answering, &QTimer::timeout, &answering, [&] {
                auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                answering.stop();
                offered = dialog->comboBoxItems();
                if (answer.isEmpty())
                    return dialog->reject();
                dialog->setTextValue(answer);
                dialog->accept();
            });
            answering.start(10);
            window.findChild<QAction*>(QStringLiteral("mnuLanguage"))->trigger();
            QCOMPARE(window.findChild<QMenu*>(QStringLiteral("mnuFile"))->title(), QStringLiteral("&File"));
        }
        QCOMPARE(offered, QStringList({"System language", "English", "Deutsch", "Fran\u00e7ais", "Italiano", "Espa\u00f1ol",
                                       "Nederlands", "Polski"}));
        QCOMPARE(QString::fromStdString(test::ReadFileText(context.UserOptionsPath)), file);
        QCOMPARE(shell.messages.texts(),
                 answer.isEmpty() ? std::vector<std::string>{}
                                  : std::vector<std::string>{"The language changes when the program is started again."});

        // The next start installs what options.ini holds (the system's language is
        // English here).
        InstallTranslations(QString::fromStdString(ReadUserOptions(context.UserOptionsPath).Language));
        frmMain next(context);
        QCOMPARE(next.findChild<QMenu*>(QStringLiteral("mnuFile"))->title(), fileMenu);
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
