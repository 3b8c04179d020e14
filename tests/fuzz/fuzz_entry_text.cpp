// The frequency texts and the editors' entry rules on any text: the count a text
// reads to is the exact decimal value rounded halves to even (or nothing beyond 32
// bits), and formats back to a text that reads to the same count; the filter of
// each field kind accepts only texts of the characters it allows and names the
// first offending one; the raster rule leaves a text on the raster that passes the
// filter and stays as it is.
//
// Input: a selector byte (field kind and tuning step), then the text.
#include "FuzzSupport.h"
#include "editors/EntryRules.h"
#include "image/FrequencyText.h"
#include "image/Labels.h"
#include "image/VfoCodec.h"
#include "support/RecordingMessageSink.h"

#include <optional>

using namespace kvr27;
using namespace kvr27::fuzz;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The count of 10 Hz units of a MHz text, worked out in 128 bits for texts of up to
// 30 digits; the outer nothing when the text is longer, the inner nothing when it
// is no number or its count does not fit 32 bits.
std::optional<std::optional<std::int32_t>> ExpectedCount(std::string_view text)
{
    const bool negative = text.starts_with('-');
    text.remove_prefix(negative ? 1 : 0);
    __int128 number = 0, scale = 1;
    int digits = 0, points = 0;
    for (char c : text) {
        if (c != '.' && !IsDigit(c))
            return std::optional<std::int32_t>{};
        if (c == '.' && ++points)
            continue;
        if (++digits > 30)
            return std::nullopt;
        number = number * 10 + (c - '0');
        scale *= points > 0 ? 10 : 1;
    }
    __int128 count = number * 100000 / scale;
    const __int128 rest = number * 100000 % scale;
    count += 2 * rest > scale || (2 * rest == scale && count % 2 == 1) ? 1 : 0;
    count = negative ? -count : count;
    if (points > 1 || digits == 0 || count < INT32_MIN || count > INT32_MAX)
        return std::optional<std::int32_t>{};
    return static_cast<std::int32_t>(count);
}

void CheckFrequencyText(std::string_view text)
{
    const std::optional<std::int32_t> count = ParseFrequency(text);
    const auto expected = ExpectedCount(text);
    Require(!expected || *expected == count, "ParseFrequency is not the exact count, halves to even");
    const std::string formatted = count ? FormatFrequency(*count) : "";
    Require(!count || (IsDecimalText(text) && formatted.size() - formatted.find('.') == 6 &&
                       ParseFrequency(formatted) == count),
            "a counted text is no decimal text, or its count formats to no text of five decimals that reads back");
}

// The filter of each kind, by the characters it allows: the message is that of the
// first offending character, none when there is none.
std::optional<std::string_view> ExpectedFilterMessage(FieldKind kind, std::string_view text)
{
    if (kind == FieldKind::PmrChannel && !text.empty() && (text.size() != 1 || text[0] < '1' || text[0] > '8'))
        return PmrChannelDigitMessage;
    unsigned points = 0, value = 0;
    for (char c : text) {
        points += c == '.' ? 1 : 0;
        if (!IsDigit(c) && (c != '.' || kind == FieldKind::Squelch))
            return DigitsOnlyMessage;
        if (points > 1)
            return TooManyPointsMessage;
        value = std::min(1000u, value * 10 + static_cast<unsigned>(c - '0'));
    }
    if (kind == FieldKind::Squelch && value > MaxSquelch)
        return SquelchLimitMessage;
    return std::nullopt;
}

void CheckFilter(FieldKind kind, std::string_view text)
{
    const auto message = FilterMessage(kind, text);
    Require(message == ExpectedFilterMessage(kind, text), "FilterMessage is not that of the first offending character");
    std::string box(text);
    test::RecordingMessageSink messages;
    const bool passed = FilterField(kind, box, messages);
    Require(passed ? !message && box == text && messages.shown.empty()
                   : message && box.empty() && messages.texts() == std::vector<std::string>{std::string(*message)},
            "FilterField changed or spoke about a text that passed, or did not empty a refused one after its message");
}

// The raster rule on a text the filter let through: a PMR channel or squelch text,
// an empty one and any without a step of the list stay; a frequency or offset on the
// raster stays, one off it is rounded down to the raster point below, once.
void CheckRaster(FieldKind kind, std::string_view text, int stepIndex)
{
    const auto repair = RasterRepair(kind, text, stepIndex, RoundedMessage);
    const auto count = ParseFrequency(text);
    const bool onList = stepIndex >= 0 && stepIndex < static_cast<int>(StepRaster.size());
    const std::int32_t raster = onList ? StepRaster[static_cast<std::size_t>(stepIndex)] : 1;
    const bool rasterKind = kind == FieldKind::Frequency || kind == FieldKind::Offset;
    if (!repair)
        return Require(!rasterKind || text.empty() || !onList ||
                           (count && *count % raster == 0 && (kind != FieldKind::Offset || *count <= 9999500)),
                       "an off-raster text or an offset above 99.995 stayed");
    Require(rasterKind, "the raster rule changed a PMR channel or squelch text");
    if (repair->Text.empty())
        return Require(repair->Message == NotANumberMessage || repair->Message == OffsetLimitMessage,
                       "a text emptied with another message");
    const auto rounded = ParseFrequency(repair->Text);
    Require(onList && count && repair->Message == RoundedMessage && !FilterMessage(kind, repair->Text) && rounded &&
                *rounded % raster == 0 && *rounded <= *count && *count - *rounded < raster &&
                !RasterRepair(kind, repair->Text, stepIndex, RoundedMessage),
            "a text rounded without a step or a count, with another message, not to the raster point below, or again");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const auto kind = static_cast<FieldKind>(data[0] % 4);
    const int stepIndex = data[0] / 4 % 12 - 1; // -1 and 9, 10: no step of the list
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckFrequencyText(text);
    CheckFilter(kind, text);
    if (!FilterMessage(kind, text))
        CheckRaster(kind, text, stepIndex);
    return 0;
}
