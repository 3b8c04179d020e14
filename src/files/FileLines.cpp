#include "files/FileLines.h"

#include "core/UserText.h"

#include <string>

namespace kvr27 {

namespace {
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
} // namespace

std::vector<std::string_view> SplitFileLines(std::string_view text)
{
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        const bool crLf = text[end] == '\r' && text.substr(end + 1).starts_with('\n');
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return lines;
}

FileContentCheck CheckTextContent(std::string_view text)
{
    const std::vector<std::string_view> lines = SplitFileLines(text);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        for (const char c : lines[k]) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 && c != '\t') {
                constexpr std::string_view Digits = "0123456789ABCDEF";
                const std::string hex = {Digits[byte / 16], Digits[byte % 16], 'h'};
                return {static_cast<int>(k) + 1, TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "a byte %1, so the file is no text"), {hex})};
            }
        }
    }
    return {};
}

std::string FileContentCheck::detail() const
{
    if (ok())
        return {};
    std::string text =
        Line > 0 ? TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "Line %1: %2"), {std::to_string(Line), Why}) : Why;
    if (text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text + ".";
}

std::string Quoted(std::string_view text)
{
    constexpr std::size_t Longest = 24;
    if (text.size() > Longest)
        return "\"" + std::string(text.substr(0, Longest)) + "...\"";
    return "\"" + std::string(text) + "\"";
}

} // namespace kvr27
