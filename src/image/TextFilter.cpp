#include "image/TextFilter.h"

#include "image/FrequencyText.h"

#include <algorithm>

namespace kvr27 {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Frequency and offset boxes: the first offending character decides the message.
std::optional<std::string_view> DecimalFilterMessage(std::string_view text)
{
    bool pointSeen = false;
    for (char c : text) {
        if (!IsDigit(c) && c != '.')
            return DigitsOnlyMessage;
        if (c == '.') {
            if (pointSeen)
                return TooManyPointsMessage;
            pointSeen = true;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> SquelchFilterMessage(std::string_view text)
{
    if (!std::all_of(text.begin(), text.end(), IsDigit))
        return DigitsOnlyMessage;
    if (!ParseSmallNumber(text, MaxSquelch))
        return SquelchLimitMessage;
    return std::nullopt;
}

} // namespace

int MaxLength(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Frequency: return 9;
    case FieldKind::Offset: return 8;
    case FieldKind::PmrChannel: return 1;
    case FieldKind::Squelch: return 2;
    }
    return 0;
}

std::optional<std::string_view> FilterMessage(FieldKind kind, std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    switch (kind) {
    case FieldKind::Frequency:
    case FieldKind::Offset: return DecimalFilterMessage(text);
    case FieldKind::PmrChannel:
        // One digit 1 to 8: a longer text can only come from a fill (a radio's
        // channel 12, say), and the radio has no such channel.
        if (text.size() != 1 || text.front() < '1' || text.front() > '8')
            return PmrChannelDigitMessage;
        return std::nullopt;
    case FieldKind::Squelch: return SquelchFilterMessage(text);
    }
    return std::nullopt;
}

bool FilterField(FieldKind kind, std::string& text, MessageSink& messages)
{
    const auto message = FilterMessage(kind, text);
    if (!message)
        return true;
    messages.notify(std::string(*message));
    text.clear();
    return false;
}

} // namespace kvr27
