#include "files/CloneFile.h"

#include "core/UserText.h"
#include "files/FileLines.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <type_traits>
#include <vector>

namespace kvr27 {

namespace {

using Value = std::int64_t;

// The load rules: each takes the value read and gives the value to store.
Value AsIs(Value v) { return v; }
auto Above(Value limit, Value fallback)
{
    return [=](Value v) { return v > limit ? fallback : v; };
}
auto Offset(Value fallback)
{
    return [=](Value v) { return v > 9950000 || v < 0 ? fallback : v; };
}
// A 2-bit group holding code 3 (no such setting) makes the byte fall back.
auto CodeThreeIn(Value mask, Value fallback)
{
    return [=](Value v) { return (v & mask) == mask ? fallback : v; };
}

// The order of the 31 VFO lines, their field names and their load rules, for
// writing and reading alike: visit(name, field, rule).
template <typename Vfo, typename Visit>
void VisitVfoLines(Vfo& vfo, const VfoDefaults& d, Visit&& visit)
{
    visit("Frequency", vfo.Frequency, AsIs);
    // KeyLock and LowPower kept; ToneSet kept unless it holds code 3; bits 2 to 5 are
    // not used. A value outside a byte is left for the field check to refuse.
    visit("LockPowerTone", vfo.LockPowerTone, [](Value v) {
        if (v < 0 || v > 255)
            return v;
        const Value toneSet = v & 3;
        return (v & 0xC0) | (toneSet == 3 ? 0 : toneSet);
    });
    visit("VfoReserved1", vfo.VfoReserved1, AsIs);
    visit("VfoReserved2", vfo.VfoReserved2, AsIs);
    visit("TxTone", vfo.TxTone, Above(38, d.TxTone));
    visit("RxTone", vfo.RxTone, Above(38, d.RxTone));
    visit("PmrTone", vfo.PmrTone, Above(39, d.PmrTone));
    visit("PmrChannel", vfo.PmrChannel, [&](Value v) { return v < 1 || v > 8 ? d.PmrChannel : v; });
    visit("CurrentChannel", vfo.CurrentChannel, Above(100, 0));
    for (std::size_t i = 0; i < vfo.ExtraBytes.size(); ++i)
        visit("ExtraBytes[" + std::to_string(i) + "]", vfo.ExtraBytes[i], AsIs);
    visit("ShiftFreq", vfo.ShiftFreq, Offset(d.ShiftFreq));
    visit("BatteryBeepSquelch", vfo.BatteryBeepSquelch,
          [&](Value v) { return (v & 31) > 20 ? d.BatteryBeepSquelch : v; });
    visit("BellShiftStep", vfo.BellShiftStep,
          [&](Value v) { return (v & 48) == 48 || (v & 15) > 8 ? d.BellShiftStep : v; });
    visit("BcloCallTot", vfo.BcloCallTot, [&](Value v) { return (v & 112) > 64 ? d.BcloCallTot : v; });
    visit("SkipScanApo", vfo.SkipScanApo, [&](Value v) { return (v & 7) > 4 ? d.SkipScanApo : v; });
    visit("EpoLamp", vfo.EpoLamp, CodeThreeIn(48, d.EpoLamp));
    visit("RptShiftFreq", vfo.RptShiftFreq, Offset(d.RptShiftFreq));
    visit("RptTone", vfo.RptTone, Above(38, d.RptTone));
    visit("RptFlags", vfo.RptFlags, CodeThreeIn(48, d.RptFlags));
}

// The 8 lines of one channel, their field names and their load rules.
template <typename Record, typename Visit>
void VisitChannelLines(Record& record, const VfoDefaults& d, Visit&& visit)
{
    visit("Frequency", record.Frequency, AsIs);
    visit("ShiftFreq", record.ShiftFreq, Offset(d.ShiftFreq));
    visit("TxTone", record.TxTone, Above(38, d.TxTone));
    visit("RxTone", record.RxTone, Above(38, d.RxTone));
    visit("PmrTone", record.PmrTone, Above(39, d.PmrTone));
    visit("ChannelFlags", record.ChannelFlags, [](Value v) {
        return (v & 3) == 3 || (v & 12) == 12 || (v & 48) == 48 ? 0 : v;
    });
    visit("Step", record.Step, [](Value v) { return (v & 15) > 8 ? 0 : v; });
    visit("Enabled", record.Enabled, AsIs);
}

constexpr std::string_view TrueText = "#TRUE#";
constexpr std::string_view FalseText = "#FALSE#";

// A whole decimal number with blanks around it, or nothing.
std::optional<Value> ReadNumber(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (text.starts_with('+') && !text.substr(1).starts_with('-'))
        text.remove_prefix(1);
    Value value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

constexpr int VfoLines = 31;
constexpr int LinesPerChannel = 8;

// The field of 1-based line `line`, named `name` by its visitor.
CloneFileField FieldAtLine(int line, std::string_view name)
{
    return {line, line <= VfoLines ? -1 : (line - VfoLines - 1) / LinesPerChannel, std::string(name)};
}

} // namespace

std::string FieldText(const CloneFileField& field)
{
    return field.Channel >= 0
               ? TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "channel %1 %2"), {std::to_string(field.Channel), field.Name})
               : field.Name;
}

namespace {

// Takes the lines one after another, stopping at the first fault.
// Each value a rule replaced goes to `replaced` when one is given.
class LineReader {
public:
    LineReader(const std::vector<std::string_view>& lines, std::vector<CloneFileReplacement>* replaced)
        : lines_(lines), replaced_(replaced)
    {
    }

    template <typename Field, typename Rule>
    void operator()(std::string_view name, Field& field, Rule rule)
    {
        if (!check_.ok())
            return;
        const std::string_view text = lines_[static_cast<std::size_t>(next_++)];
        const CloneFileField where = FieldAtLine(next_, name);
        if constexpr (std::is_same_v<Field, bool>) {
            if (text != TrueText && text != FalseText)
                return fail(where, TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "%1 is neither #TRUE# nor #FALSE#"), {Quoted(text)}));
            field = text == TrueText;
        } else {
            const auto number = ReadNumber(text);
            if (!number)
                return fail(where, TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "%1 is not a whole number"), {Quoted(text)}));
            const Value value = rule(*number);
            constexpr Value Lowest = std::numeric_limits<Field>::min();
            constexpr Value Highest = std::numeric_limits<Field>::max();
            if (value < Lowest || value > Highest)
                return fail(where, TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "%1 is outside %2 to %3"),
                                                   {std::to_string(value), std::to_string(Lowest),
                                                    std::to_string(Highest)}));
            field = static_cast<Field>(value);
            if (replaced_ && value != *number)
                replaced_->push_back({where, *number, value, {}});
        }
    }

    const FileContentCheck& check() const { return check_; }

private:
    // The fault "channel 0 Enabled: ..." on the field's line.
    void fail(const CloneFileField& where, const std::string& why)
    {
        check_ = {where.Line, FieldText(where) + ": " + why};
    }

    const std::vector<std::string_view>& lines_;
    std::vector<CloneFileReplacement>* replaced_;
    int next_ = 0;
    FileContentCheck check_;
};

} // namespace

std::vector<CloneFileEntry> CloneFileEntries(const RadioImage& image)
{
    std::vector<CloneFileEntry> entries;
    entries.reserve(CloneFileLines);
    const auto write = [&entries](std::string_view name, const auto& field, auto) {
        std::string text;
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, bool>)
            text = field ? TrueText : FalseText;
        else
            text = std::to_string(field);
        entries.push_back({FieldAtLine(static_cast<int>(entries.size()) + 1, name), std::move(text)});
    };
    VisitVfoLines(image.Vfo, image.Defaults, write);
    for (const ChannelRecord& record : image.Channels)
        VisitChannelLines(record, image.Defaults, write);
    return entries;
}

std::string CloneFileText(const RadioImage& image)
{
    std::string text;
    text.reserve(std::size_t{8} * CloneFileLines);
    for (const CloneFileEntry& entry : CloneFileEntries(image)) {
        text += entry.Text;
        text += FileLineEnd;
    }
    return text;
}

FileContentCheck ParseCloneFile(std::string_view text, const VfoDefaults& defaults, CloneFileContent& content,
                                std::vector<CloneFileReplacement>* replaced)
{
    if (FileContentCheck binary = CheckTextContent(text); !binary.ok())
        return binary;
    const std::vector<std::string_view> lines = SplitFileLines(text);
    if (lines.size() != CloneFileLines)
        return {0, TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "%1 lines instead of 831"), {std::to_string(lines.size())})};
    LineReader read(lines, replaced);
    VisitVfoLines(content.Vfo, defaults, read);
    for (ChannelRecord& record : content.Channels)
        VisitChannelLines(record, defaults, read);
    return read.check();
}

} // namespace kvr27
