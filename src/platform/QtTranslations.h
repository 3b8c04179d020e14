#pragma once
// The windows in the user's language: the languages the program offers, and the
// translators (Qt's own dialogs, the windows, the texts the core builds) of the one
// chosen in Info > Language... or, without a choice, of the system's language.
#include <QList>
#include <QString>

namespace kvr27 {

struct ProgramLanguage {
    QString Code; // "de", as options.ini keeps it
    QString Name; // in its own language: "Deutsch"
};

// The languages beside English, in the order Info > Language... lists them.
const QList<ProgramLanguage>& ProgramLanguages();

// Installs the translators of `code` ("" for the system's language) for the rest of
// the run and returns the language the windows show ("en" when the program has
// none of the system's languages).
QString InstallTranslations(const QString& code);

// Removes the translators installed so far: the windows made afterwards, and the
// texts the core builds, are English again.
void RemoveTranslations();

} // namespace kvr27
