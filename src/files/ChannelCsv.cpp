#include "files/ChannelCsv.h"

#include "core/UserText.h"
#include "files/ChannelRowCodec.h"
#include "files/FileLines.h"
#include "image/FrequencyText.h"
#include "image/Labels.h"
#include "image/ModelRules.h"

#include <vector>

namespace kvr27 {

namespace {

constexpr char Separator = ',';

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

} // namespace

std::string ChannelCsvText(const RadioImage& image, const ChannelGrid& grid)
{
    std::string text = CurrentChannelLine(image.Vfo.CurrentChannel);
    text += FileLineEnd;
    for (int row = 0; row < ChannelGrid::Rows; ++row) {
        const bool disabledChannel = row > 0 && !image.Channels.at(row - 1).Enabled;
        std::vector<std::string> fields(grid.Text.at(static_cast<std::size_t>(row)).begin(),
                                        grid.Text.at(static_cast<std::size_t>(row)).end());
        if (disabledChannel)
            fields[1].clear();
        text += JoinRowFields(fields, Separator);
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
        return {0, TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "%1 lines, more than 102"), {std::to_string(lines.size())})};
    if (lines.empty())
        return {0, Translated("Reasons", "the file is empty")};
    const auto current = ReadCurrentChannel(lines[0]);
    if (!current)
        return {1, TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "the current channel %1 plus 1 is outside 0 to 255"), {Quoted(lines[0])})};
    content.CurrentChannel = lines[0].empty() ? 0 : *current;

    for (std::size_t k = 2; k < lines.size(); ++k) {
        const int line = static_cast<int>(k) + 1;
        RowFields row = SplitRowFields(lines[k], Separator);
        if (!row.ok())
            return {line, std::move(row.Fault)};
        if (row.Fields.size() != ChannelGrid::Cols)
            return {line, TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "%1 fields instead of 12"), {std::to_string(row.Fields.size())})};
        if (ChannelRowFault fault = ReadChannelRow(row.Fields, image, content.Channels.at(static_cast<int>(k) - 2));
            !fault.ok())
            return {line, std::move(fault.Why)};
    }
    return {};
}

} // namespace kvr27
