#include "files/ChannelRowCodec.h"

#include "core/UserText.h"
#include "files/FileContentCheck.h"
#include "image/ChannelGrid.h"
#include "image/FrequencyText.h"
#include "image/Labels.h"
#include "image/ModelRules.h"

namespace kvr27 {

namespace {

constexpr char Quote = '"';
// The "mode" and "PmrTone" texts of the models without LPD and PMR channels.
constexpr std::string_view NoModeText = "--";

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

// A number as a spreadsheet of a comma locale writes it: its one decimal comma
// becomes a point.
std::string DecimalPoint(std::string text)
{
    const std::size_t comma = text.find(',');
    if (comma != std::string::npos && text.find_first_of(",.", comma + 1) == std::string::npos &&
        text.find('.') == std::string::npos)
        text[comma] = '.';
    return text;
}

} // namespace

RowFields SplitRowFields(std::string_view line, char separator)
{
    RowFields row;
    std::size_t pos = 0;
    for (;;) {
        std::string field;
        if (pos < line.size() && line[pos] == Quote) {
            for (++pos;; ++pos) {
                if (pos >= line.size()) {
                    row.Fault = TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "the field in quotes %1 is not closed"), {Quoted(field)});
                    return row;
                }
                if (line[pos] != Quote)
                    field += line[pos];
                else if (pos + 1 < line.size() && line[pos + 1] == Quote)
                    field += line[++pos];
                else
                    break;
            }
            ++pos; // the closing quote
            if (pos < line.size() && line[pos] != separator) {
                row.Fault = TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "the field in quotes %1 has text after its closing quote"),
                                             {Quoted(field)});
                return row;
            }
        } else {
            const std::size_t end = std::min(line.find(separator, pos), line.size());
            field = line.substr(pos, end - pos);
            pos = end;
        }
        row.Fields.push_back(std::move(field));
        if (pos >= line.size())
            return row;
        ++pos; // the separator
    }
}

std::string JoinRowFields(const std::vector<std::string>& fields, char separator)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += separator;
        line += fields[i];
    }
    return line;
}

ChannelRowFault ReadChannelRow(const std::vector<std::string>& fields, const RadioImage& image,
                               ChannelRecord& record)
{
    const std::vector<std::string>& f = fields;
    if (f.at(1).empty()) {
        record.Enabled = false;
        return {};
    }
    const VfoDefaults& d = image.Defaults;
    const bool pmrOnlyModel = image.ModelName == ModelPAPmrOnly;
    if (!ModeNamesChannel(f.at(11), image.ModelName))
        return {11, TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "mode %1 names no channel of %2"), {Quoted(f[11]), image.ModelName})};

    const std::string frequency = DecimalPoint(f[1]);
    // The PMR-only variant has PMR channels only: its older files show the channel
    // number with "--" as mode, and it is read as a number, never as MHz.
    if (f[11] == ModeLabels[1] || pmrOnlyModel) {
        if (!IsDecimalText(frequency))
            return {1, TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "channel number %1 is not a number"), {Quoted(f[1])})};
        const auto units = ScaleDecimalText(frequency, PmrChannelUnit);
        const bool channelNumber = units && *units >= PmrChannelUnit && *units <= 8 * PmrChannelUnit;
        // A number between 1 and 8 is taken as the nearest whole channel (halves to
        // even): the grid, the dialog and the radio know whole channels only.
        record.Frequency = channelNumber ? *ScaleDecimalText(frequency, 1) * PmrChannelUnit
                                         : static_cast<std::int32_t>(d.PmrChannel * std::int64_t{PmrChannelUnit});
    } else {
        const auto units = ParseFrequency(frequency);
        if (!units)
            return {1, TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "frequency %1 is not a number of MHz that fits"), {Quoted(f[1])})};
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
    const std::string offsetText = DecimalPoint(f[4]);
    if (!IsDecimalText(offsetText))
        return {4, TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "offset %1 is not a number"), {Quoted(f[4])})};
    const auto offset = ParseFrequency(offsetText);
    record.ShiftFreq = offset && *offset >= 0 && *offset <= 9950000 ? *offset : d.ShiftFreq;

    record.TxTone = LabelCode(ToneLabels, f[8], d.TxTone);
    record.RxTone = LabelCode(ToneLabels, f[9], d.RxTone);
    record.PmrTone = LabelCode(PmrToneLabels, f[10], d.PmrTone);
    record.Enabled = true;
    return {};
}

} // namespace kvr27
