// The windows in each language: the main window, the VFO window and the channel
// grid opened with the language's translations installed show no text that is still
// the English source of an entry the language's catalog translates.
#include "LinkRig.h"
#include "app/ShellFixture.h"
#include "app/editors/frmMem.h"
#include "app/editors/frmVfo.h"
#include "app/frmMain.h"
#include "commands/ChannelGridEditor.h"
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
// are not translated yet).
QSet<QString> TranslatedSources(const QString& file)
{
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
                sources.insert(source);
        }
    }
    if (xml.hasError())
        QTest::qFail(qPrintable(file + ": " + xml.errorString()), __FILE__, __LINE__);
    return sources;
}

// Every text the window shows: its title, labels, buttons, frames, menu and context
// actions, and the header sections of its tables.
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
    for (auto* header : window.findChildren<QHeaderView*>())
        if (header->model())
            for (int section = 0; section < header->count(); ++section)
                texts << header->model()->headerData(section, header->orientation()).toString();
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
        RefreshChannelGrid(rig.state.Image, rig.state.Grid);
        mem.openModal();

        QStringList english;
        for (QWidget* window : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&vfo), static_cast<QWidget*>(&mem)})
            for (const QString& text : ShownTexts(*window))
                if (translated.contains(text))
                    english << window->objectName() + ": " + text;
        english.removeDuplicates();
        QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
