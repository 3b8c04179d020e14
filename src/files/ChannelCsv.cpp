#include "files/ChannelCsv.h"

#include "files/FileLines.h"
#include "image/FrequencyText.h"
#include "image/Labels.h"
#include "image/ModelRules.h"

#include <vector>

namespace kvr27 {

namespace {

constexpr char Separator = ',';
// The "mode" and "PmrTone" texts of the models without LPD and PMR channels.
constexpr std::string_view NoModeText = "--";

// Line 1: the current channel as the grid's "No" column counts it, in the form
// " 41 " (the blank before is the sign's place).
std::string CurrentChannelLine(std::uint8_t currentChannel)
{
    if (currentChannel == 0)
        return {};
    return " " + std::to_string(currentChannel - 1) + " ";
}

// The number at the start of line 1 (blanks skipped, reading stops at the first
// character that cannot continue it, no number is 0) plus 1, rounded halves to
// even; nothing when that is outside 0..255.
std::optional<std::uint8_t> ReadCurrentChannel(std::string_view line)
{
    std::size_t pos = line.find_first_not_of(" \t");
    if (pos == std::string_view::npos)
        return 1;
    const std::size_t start = pos;
    if (line[pos] == '-' || line[pos] == '+')
        ++pos;
    bool point = false;
    for (; pos < line.size(); ++pos) {
        if (line[pos] == '.' && !point)
            point = true;
        else if (line[pos] < '0' || line[pos] > '9')
            break;
    }
    std::string number(line.substr(start, pos - start));
    if (number.starts_with('+'))
        number.erase(0, 1);
    if (!IsDecimalText(number))
        return 1;
    // In millionths, so that the rounding happens after the 1 is added.
    constexpr std::int64_t Scale = 1000000;
    const auto scaled = ScaleDecimalText(number, Scale);
    if (!scaled)
        return std::nullopt;
    const std::int64_t plusOne = *scaled + Scale;
    std::int64_t whole = plusOne >= 0 ? plusOne / Scale : -((-plusOne + Scale - 1) / Scale);
    const std::int64_t rest = plusOne - whole * Scale;
    if (rest > Scale / 2 || (rest == Scale / 2 && whole % 2 != 0))
        ++whole;
    if (whole < 0 || whole > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(whole);
}

std::vector<std::string_view> SplitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(Separator, start);
        fields.push_back(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return fields;
        start = end + 1;
    }
}

template <typename Table>
std::uint8_t LabelCode(const Table& table, std::string_view text, std::uint8_t fallback)
{
    const std::optional<int> index = LabelIndex(table, text);
    return index ? static_cast<std::uint8_t>(*index) : fallback;
}

// Whether the "mode" field names a channel the model holds: "--" (no mode, as
// files of the single-band models have it) for every model, "LPD" for all but the
// PMR-only variant, "PMR" for the models with PMR channels.
bool ModeNamesChannel(std::string_view mode, std::string_view modelName)
{
    if (mode == NoModeText)
        return true;
    if (mode == ModeLabels[0])
        return modelName != ModelPAPmrOnly;
    return mode == ModeLabels[1] && HasPmrChannels(modelName);
}

// One channel line's 12 fields into the record; the reason when a field names no
// channel of the model, or a number field holds no number that fits.
std::string ReadChannelFields(const std::vector<std::string_view>& f, const RadioImage& image, ChannelRecord& record)
{
    if (f[1].empty()) {
        record.Enabled = false;
        return {};
    }
    const VfoDefaults& d = image.Defaults;
    const bool pmrOnlyModel = image.ModelName == ModelPAPmrOnly;
    if (!ModeNamesChannel(f[11], image.ModelName))
        return "mode " + Quoted(f[11]) + " names no channel of " + image.ModelName;

    // The PMR-only variant has PMR channels only: its older files show the channel
    // number with "--" as mode, and it is read as a number, never as MHz.
    if (f[11] == ModeLabels[1] || pmrOnlyModel) {
        if (!IsDecimalText(f[1]))
            return "channel number " + Quoted(f[1]) + " is not a number";
        const auto units = ScaleDecimalText(f[1], PmrChannelUnit);
        const bool channelNumber = units && *units >= PmrChannelUnit && *units <= 8 * PmrChannelUnit;
        // A number between 1 and 8 is taken as the nearest whole channel (halves to
        // even): the grid, the dialog and the radio know whole channels only.
        record.Frequency = channelNumber ? *ScaleDecimalText(f[1], 1) * PmrChannelUnit
                                         : static_cast<std::int32_t>(d.PmrChannel * std::int64_t{PmrChannelUnit});
    } else {
        const auto units = ParseFrequency(f[1]);
        if (!units)
            return "frequency " + Quoted(f[1]) + " is not a number of MHz that fits";
        record.Frequency = *units;
    }

    record.Step = LabelCode(StepLabels, f[2], static_cast<std::uint8_t>(d.BellShiftStep & 0x0F));

    std::uint8_t flags = 0;
    if (f[3] == ShiftLabels[1])
        flags = Bits::ChannelShift.put(flags, 1);
    else if (f[3] == ShiftLabels[2])
        flags = Bits::ChannelShift.put(flags, 2);
    flags = Bits::ChannelBclo.put(flags, f[5] == OnOffLabels[0] ? 1 : 0);
    flags = Bits::ChannelSkip.put(flags, f[6] == OnOffLabels[0] ? 1 : 0);
    if (f[7] == ToneSetLabels[1])
        flags = Bits::ChannelToneSet.put(flags, 1);
    else if (f[7] == ToneSetLabels[2])
        flags = Bits::ChannelToneSet.put(flags, 2);
    if (IsDualBandModel(image.ModelName))
        flags |= f[11] == ModeLabels[1] ? ModePmrFlag : ModeLpdFlag;
    else if (pmrOnlyModel)
        flags |= ModePmrFlag;
    record.ChannelFlags = flags;

    // Offsets are compared after rounding to 10 Hz; one too large for any field is
    // above 99.5 MHz like the rest.
    if (!IsDecimalText(f[4]))
        return "offset " + Quoted(f[4]) + " is not a number";
    const auto offset = ParseFrequency(f[4]);
    record.ShiftFreq = offset && *offset >= 0 && *offset <= 9950000 ? *offset : d.ShiftFreq;

    record.TxTone = LabelCode(ToneLabels, f[8], d.TxTone);
    record.RxTone = LabelCode(ToneLabels, f[9], d.RxTone);
    record.PmrTone = LabelCode(PmrToneLabels, f[10], d.PmrTone);
    record.Enabled = true;
    return {};
}

} // namespace

std::string ChannelCsvText(const RadioImage& image, const ChannelGrid& grid)
{
    std::string text = CurrentChannelLine(image.Vfo.CurrentChannel);
    text += FileLineEnd;
    for (int row = 0; row < ChannelGrid::Rows; ++row) {
        const bool disabledChannel = row > 0 && !image.Channels.at(row - 1).Enabled;
        for (int col = 0; col < ChannelGrid::Cols; ++col) {
            if (col > 0)
                text += Separator;
            if (!(disabledChannel && col == 1))
                text += grid.TextMatrix(row, col);
        }
        text += FileLineEnd;
    }
    return text;
}

FileContentCheck ParseChannelCsv(std::string_view text, const RadioImage& image, ChannelCsvContent& content)
{
    content = {image.Channels, image.Vfo.CurrentChannel};
    if (FileContentCheck binary = CheckTextContent(text); !binary.ok())
        return binary;
    const std::vector<std::string_view> lines = SplitFileLines(text);
    if (lines.size() > ChannelCsvMaxLines)
        return {0, std::to_string(lines.size()) + " lines, more than 102"};
    if (lines.empty())
        return {0, "the file is empty"};
    const auto current = ReadCurrentChannel(lines[0]);
    if (!current)
        return {1, "the current channel " + Quoted(lines[0]) + " plus 1 is outside 0 to 255"};
    content.CurrentChannel = lines[0].empty() ? 0 : *current;

    for (std::size_t k = 2; k < lines.size(); ++k) {
        const int line = static_cast<int>(k) + 1;
        const auto fields = SplitFields(lines[k]);
        if (fields.size() != ChannelGrid::Cols)
            return {line, std::to_string(fields.size()) + " fields instead of 12"};
        if (std::string why = ReadChannelFields(fields, image, content.Channels.at(static_cast<int>(k) - 2));
            !why.empty())
            return {line, std::move(why)};
    }
    return {};
}

} // namespace kvr27
