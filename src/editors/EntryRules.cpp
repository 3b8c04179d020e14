#include "editors/EntryRules.h"

#include "image/FrequencyText.h"
#include "image/Labels.h"
#include "image/VfoCodec.h"

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

// Whether a text of digits and at most one point is above 99.995, compared digit by
// digit so that no text is too long to judge.
bool AboveOffsetLimit(std::string_view text)
{
    const auto point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    fraction = fraction.substr(0, fraction.find_last_not_of('0') + 1);
    if (whole.size() != 2)
        return whole.size() > 2;
    if (whole != "99")
        return whole > "99";
    return fraction > "995";
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
        if (text.front() < '1' || text.front() > '8')
            return PmrChannelDigitMessage;
        return std::nullopt;
    case FieldKind::Squelch: return SquelchFilterMessage(text);
    }
    return std::nullopt;
}

TextSelection SelectionOnFocus(std::string_view text)
{
    return {0, static_cast<int>(text.size())};
}

std::optional<FieldRepair> RasterRepair(FieldKind kind, std::string_view text, int stepIndex,
                                        std::string_view roundedMessage)
{
    if (text.empty() || (kind != FieldKind::Frequency && kind != FieldKind::Offset))
        return std::nullopt;
    if (std::none_of(text.begin(), text.end(), IsDigit))
        return FieldRepair{"", NotANumberMessage};
    if (kind == FieldKind::Offset && AboveOffsetLimit(text))
        return FieldRepair{"", OffsetLimitMessage};
    const auto units = ParseFrequency(text);
    if (!units)
        return FieldRepair{"", NotANumberMessage};
    if (stepIndex < 0 || stepIndex >= static_cast<int>(StepRaster.size()))
        return std::nullopt;
    const std::int32_t raster = StepRaster[static_cast<std::size_t>(stepIndex)];
    if (*units % raster == 0)
        return std::nullopt;
    return FieldRepair{FormatFrequency(raster * (*units / raster)), roundedMessage};
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

bool RepairField(FieldKind kind, std::string& text, int stepIndex, std::string_view roundedMessage,
                 MessageSink& messages)
{
    auto repair = RasterRepair(kind, text, stepIndex, roundedMessage);
    if (!repair)
        return false;
    messages.notify(std::string(repair->Message));
    text = std::move(repair->Text);
    return true;
}

} // namespace kvr27
