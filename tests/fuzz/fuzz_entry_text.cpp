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
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    __int128 number = 0;
    int digits = 0, fractionDigits = 0, points = 0;
    for (char c : text) {
        if (c == '.') {
            ++points;
        } else if (IsDigit(c)) {
            if (++digits > 30)
                return std::nullopt;
            number = number * 10 + (c - '0');
            fractionDigits += points;
        } else {
            return std::optional<std::int32_t>{};
        }
    }
    if (points > 1 || digits == 0)
        return std::optional<std::int32_t>{};
    __int128 scale = 1;
    for (int i = 0; i < fractionDigits; ++i)
        scale *= 10;
    const __int128 scaled = number * 100000;
    __int128 count = scaled / scale;
    const __int128 rest = scaled % scale;
    if (2 * rest > scale || (2 * rest == scale && count % 2 == 1))
        ++count;
    if (negative)
        count = -count;
    if (count < INT32_MIN || count > INT32_MAX)
        return std::optional<std::int32_t>{};
    return std::optional<std::int32_t>{static_cast<std::int32_t>(count)};
}

void CheckFrequencyText(std::string_view text)
{
    const std::optional<std::int32_t> count = ParseFrequency(text);
    if (const auto expected = ExpectedCount(text); expected && *expected != count)
        PropertyFailed("ParseFrequency(\"" + std::string(text) + "\") is " + (count ? std::to_string(*count) : "nothing") +
                       ", not " + (*expected ? std::to_string(**expected) : "nothing"));
    if (!count)
        return;
    Require(IsDecimalText(text), "a text read to a count is no decimal text");
    const std::string formatted = FormatFrequency(*count);
    const std::size_t point = formatted.find('.');
    Require(point != std::string::npos && formatted.size() - point == 6, "formatted count without five decimals");
    Require(ParseFrequency(formatted) == count, "formatted count reads to another count");
}

// The filter of each kind, by the characters it allows: the message is that of the
// first offending character, none when there is none.
std::optional<std::string_view> ExpectedFilterMessage(FieldKind kind, std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    switch (kind) {
    case FieldKind::Frequency:
    case FieldKind::Offset: {
        bool point = false;
        for (char c : text) {
            if (!IsDigit(c) && c != '.')
                return DigitsOnlyMessage;
            if (c == '.' && point)
                return TooManyPointsMessage;
            point = point || c == '.';
        }
        return std::nullopt;
    }
    case FieldKind::PmrChannel:
        if (text.size() != 1 || text.front() < '1' || text.front() > '8')
            return PmrChannelDigitMessage;
        return std::nullopt;
    case FieldKind::Squelch: {
        unsigned value = 0;
        for (char c : text) {
            if (!IsDigit(c))
                return DigitsOnlyMessage;
            value = std::min(1000u, value * 10 + static_cast<unsigned>(c - '0'));
        }
        return value > MaxSquelch ? std::optional<std::string_view>{SquelchLimitMessage} : std::nullopt;
    }
    }
    return std::nullopt;
}

void CheckFilter(FieldKind kind, std::string_view text)
{
    const auto message = FilterMessage(kind, text);
    if (message != ExpectedFilterMessage(kind, text))
        PropertyFailed("filter of kind " + std::to_string(static_cast<int>(kind)) + " on \"" + std::string(text) +
                       "\": " + (message ? std::string(*message) : "accepted"));
    std::string box(text);
    test::RecordingMessageSink messages;
    const bool passed = FilterField(kind, box, messages);
    Require(passed == !message, "FilterField disagrees with FilterMessage");
    if (passed)
        Require(box == text && messages.shown.empty(), "a text that passed was changed or spoken about");
    else
        Require(box.empty() && messages.texts() == std::vector<std::string>{std::string(*message)},
                "a refused text was not emptied after its one message");
}

// The raster rule on a text the filter let through.
void CheckRaster(FieldKind kind, std::string_view text, int stepIndex)
{
    const auto repair = RasterRepair(kind, text, stepIndex, RoundedMessage);
    if (kind != FieldKind::Frequency && kind != FieldKind::Offset) {
        Require(!repair, "the raster rule changed a PMR channel or squelch text");
        return;
    }
    const auto count = ParseFrequency(text);
    const bool onList = stepIndex >= 0 && stepIndex < static_cast<int>(StepRaster.size());
    if (!repair) {
        // The text stays: empty, no step, or a count on the raster.
        if (text.empty() || !onList)
            return;
        Require(count && *count % StepRaster[static_cast<std::size_t>(stepIndex)] == 0, "an off-raster text stayed");
        Require(kind != FieldKind::Offset || *count <= 9999500, "an offset above 99.995 stayed");
        return;
    }
    if (repair->Text.empty()) {
        Require(repair->Message == NotANumberMessage || repair->Message == OffsetLimitMessage,
                "a text emptied with another message");
        return;
    }
    Require(onList && count, "a text rounded without a step or a count");
    Require(repair->Message == RoundedMessage, "a rounded text with another message");
    Require(!FilterMessage(kind, repair->Text), "a rounded text the filter refuses");
    const auto rounded = ParseFrequency(repair->Text);
    const std::int32_t raster = StepRaster[static_cast<std::size_t>(stepIndex)];
    Require(rounded && *rounded % raster == 0 && *rounded <= *count && *count - *rounded < raster,
            "a rounded text not the raster point below the count");
    Require(!RasterRepair(kind, repair->Text, stepIndex, RoundedMessage), "a rounded text rounded again");
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
