#pragma once
// The texts the windows show, in the user's language. The core builds its messages,
// notes and report words in English; the windows set a translator once at start, so
// the texts the core builds for them come in the user's language. The command-line
// tool sets none: it, the files and the tests stay English.
#include <functional>
#include <initializer_list>
#include <string>

// Marks an English text for the translators' catalog (lupdate reads it as
// QT_TRANSLATE_NOOP); the text itself is unchanged.
#define KVR27_TEXT(context, text) text

namespace kvr27 {

// Gives `text`, marked in `context`, in the user's language ("" where there is none).
using TextTranslator = std::function<std::string(const char* context, const std::string& text)>;

// The translator for the rest of the run; an empty one keeps English.
void SetTextTranslator(TextTranslator translator);

// `text` in the user's language, or as it is.
std::string Translated(const char* context, const std::string& text);

// Translated, then "%1", "%2", ... replaced by the arguments in their order. lupdate
// does not read a text followed by a braced list: mark it with KVR27_TEXT.
std::string TranslatedFormat(const char* context, const std::string& text,
                             std::initializer_list<std::string> arguments);

} // namespace kvr27
