#include "core/UserText.h"

#include <utility>

namespace kvr27 {

namespace {

TextTranslator& CurrentTranslator()
{
    static TextTranslator translator;
    return translator;
}

} // namespace

void SetTextTranslator(TextTranslator translator)
{
    CurrentTranslator() = std::move(translator);
}

std::string Translated(const char* context, const std::string& text)
{
    const TextTranslator& translator = CurrentTranslator();
    if (!translator || text.empty())
        return text;
    std::string translated = translator(context, text);
    return translated.empty() ? text : translated;
}

std::string TranslatedFormat(const char* context, const std::string& text,
                             std::initializer_list<std::string> arguments)
{
    const std::string format = Translated(context, text);
    std::string result;
    for (std::size_t at = 0; at < format.size(); ++at) {
        const char digit = at + 1 < format.size() ? format[at + 1] : '\0';
        const auto index = static_cast<std::size_t>(digit - '1');
        if (format[at] == '%' && digit >= '1' && digit <= '9' && index < arguments.size()) {
            result += *(arguments.begin() + static_cast<std::ptrdiff_t>(index));
            ++at;
        } else {
            result += format[at];
        }
    }
    return result;
}

} // namespace kvr27
