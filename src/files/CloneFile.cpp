#include "files/CloneFile.h"

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

// The order of the 31 VFO lines and their load rules, for writing and reading alike.
template <typename Vfo, typename Visit>
void VisitVfoLines(Vfo& vfo, const VfoDefaults& d, Visit&& visit)
{
    visit(vfo.Frequency, AsIs);
    // KeyLock and LowPower kept; ToneSet kept unless it holds code 3; bits 2 to 5 are
    // not used. A value outside a byte is left for the field check to refuse.
    visit(vfo.LockPowerTone, [](Value v) {
        if (v < 0 || v > 255)
            return v;
        const Value toneSet = v & 3;
        return (v & 0xC0) | (toneSet == 3 ? 0 : toneSet);
    });
    visit(vfo.VfoReserved1, AsIs);
    visit(vfo.VfoReserved2, AsIs);
    visit(vfo.TxTone, Above(38, d.TxTone));
    visit(vfo.RxTone, Above(38, d.RxTone));
    visit(vfo.PmrTone, Above(39, d.PmrTone));
    visit(vfo.PmrChannel, [&](Value v) { return v < 1 || v > 8 ? d.PmrChannel : v; });
    visit(vfo.CurrentChannel, Above(100, 0));
    for (auto& extra : vfo.ExtraBytes)
        visit(extra, AsIs);
    visit(vfo.ShiftFreq, Offset(d.ShiftFreq));
    visit(vfo.BatteryBeepSquelch, [&](Value v) { return (v & 31) > 20 ? d.BatteryBeepSquelch : v; });
    visit(vfo.BellShiftStep, [&](Value v) { return (v & 48) == 48 || (v & 15) > 8 ? d.BellShiftStep : v; });
    visit(vfo.BcloCallTot, [&](Value v) { return (v & 112) > 64 ? d.BcloCallTot : v; });
    visit(vfo.SkipScanApo, [&](Value v) { return (v & 7) > 4 ? d.SkipScanApo : v; });
    visit(vfo.EpoLamp, CodeThreeIn(48, d.EpoLamp));
    visit(vfo.RptShiftFreq, Offset(d.RptShiftFreq));
    visit(vfo.RptTone, Above(38, d.RptTone));
    visit(vfo.RptFlags, CodeThreeIn(48, d.RptFlags));
}

// The 8 lines of one channel and their load rules.
template <typename Record, typename Visit>
void VisitChannelLines(Record& record, const VfoDefaults& d, Visit&& visit)
{
    visit(record.Frequency, AsIs);
    visit(record.ShiftFreq, Offset(d.ShiftFreq));
    visit(record.TxTone, Above(38, d.TxTone));
    visit(record.RxTone, Above(38, d.RxTone));
    visit(record.PmrTone, Above(39, d.PmrTone));
    visit(record.ChannelFlags, [](Value v) {
        return (v & 3) == 3 || (v & 12) == 12 || (v & 48) == 48 ? 0 : v;
    });
    visit(record.Step, [](Value v) { return (v & 15) > 8 ? 0 : v; });
    visit(record.Enabled, AsIs);
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

// Takes the lines one after another, stopping at the first fault.
class LineReader {
public:
    explicit LineReader(const std::vector<std::string_view>& lines) : lines_(lines) {}

    template <typename Field, typename Rule>
    void operator()(Field& field, Rule rule)
    {
        if (!check_.ok())
            return;
        const std::string_view text = lines_[static_cast<std::size_t>(next_++)];
        if constexpr (std::is_same_v<Field, bool>) {
            if (text != TrueText && text != FalseText)
                return fail("neither #TRUE# nor #FALSE#");
            field = text == TrueText;
        } else {
            const auto number = ReadNumber(text);
            if (!number)
                return fail("not a whole number");
            const Value value = rule(*number);
            if (value < std::numeric_limits<Field>::min() || value > std::numeric_limits<Field>::max())
                return fail("value does not fit its field");
            field = static_cast<Field>(value);
        }
    }

    const FileContentCheck& check() const { return check_; }

private:
    void fail(const char* why) { check_ = {next_, why}; }

    const std::vector<std::string_view>& lines_;
    int next_ = 0;
    FileContentCheck check_;
};

} // namespace

std::string CloneFileText(const RadioImage& image)
{
    std::string text;
    text.reserve(8 * CloneFileLines);
    const auto write = [&text](const auto& field, auto) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, bool>)
            text += field ? TrueText : FalseText;
        else
            text += std::to_string(field);
        text += FileLineEnd;
    };
    VisitVfoLines(image.Vfo, image.Defaults, write);
    for (const ChannelRecord& record : image.Channels)
        VisitChannelLines(record, image.Defaults, write);
    return text;
}

FileContentCheck ParseCloneFile(std::string_view text, const VfoDefaults& defaults, CloneFileContent& content)
{
    const std::vector<std::string_view> lines = SplitFileLines(text);
    if (lines.size() != CloneFileLines)
        return {0, std::to_string(lines.size()) + " lines instead of 831"};
    LineReader read(lines);
    VisitVfoLines(content.Vfo, defaults, read);
    for (ChannelRecord& record : content.Channels)
        VisitChannelLines(record, defaults, read);
    return read.check();
}

} // namespace kvr27
