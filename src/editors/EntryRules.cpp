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
