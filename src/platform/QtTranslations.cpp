#include "platform/QtTranslations.h"

#include "core/UserText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kvr27 {

namespace {

// The language among the program's that the system's preferred languages name first.
QString SystemLanguage()
{
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QString code = QLocale(name).name().section(QLatin1Char('_'), 0, 0);
        if (code == QLatin1String("en"))
            return code;
        for (const ProgramLanguage& language : ProgramLanguages())
            if (language.Code == code)
                return code;
    }
    return QStringLiteral("en");
}

// The translators installed, owned by the application.
QList<QTranslator*>& Installed()
{
    static QList<QTranslator*> translators;
    return translators;
}

// Loads one translator into the application; kept until RemoveTranslations.
void Install(const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
        Installed().append(translator);
    else
        delete translator;
}

} // namespace

const QList<ProgramLanguage>& ProgramLanguages()
{
    static const QList<ProgramLanguage> languages = {
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},
    };
    return languages;
}

QString InstallTranslations(const QString& code)
{
    QString chosen = code.isEmpty() ? SystemLanguage() : code;
    bool known = false;
    for (const ProgramLanguage& language : ProgramLanguages())
        known = known || language.Code == chosen;
    if (!known)
        return QStringLiteral("en");
    // Qt's own texts: its dialogs, and the serial port's error texts where Qt has them.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    Install(QStringLiteral("qtbase_") + chosen, qtFolder);
    Install(QStringLiteral("qtserialport_") + chosen, qtFolder);
    Install(QStringLiteral("kvr27_") + chosen, QStringLiteral(":/i18n"));
    SetTextTranslator([](const char* context, const std::string& text) {
        return QCoreApplication::translate(context, text.c_str()).toStdString();
    });
    return chosen;
}

void RemoveTranslations()
{
    SetTextTranslator({});
    for (QTranslator* translator : Installed()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    Installed().clear();
}

} // namespace kvr27
