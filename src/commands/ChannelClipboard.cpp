#include "commands/ChannelClipboard.h"

#include "core/UserText.h"

#include "commands/ChannelOperations.h"
#include "files/ChannelRowCodec.h"
#include "files/FileContentCheck.h"
#include "files/FileLines.h"
#include "image/ChannelGrid.h"
#include "image/ModelRules.h"
#include "image/Startup.h"

#include <algorithm>
#include <optional>

namespace kvr27 {

namespace {

constexpr char Tab = '\t';
constexpr int Columns = ChannelGrid::Cols;
// The header of columns 10 and 11 for models without PMR channels.
constexpr std::string_view NoColumnName = "--";

// For each grid column, the field of a pasted row that holds it (-1: none).
using ColumnMap = std::array<int, Columns>;

std::string ColumnName(int column)
{
    return std::string(ChannelGridColumns.at(static_cast<std::size_t>(column)).Header);
}

// The texts in quotes, separated by commas.
std::string Listed(const std::vector<std::string>& texts)
{
    std::string list;
    for (const std::string& text : texts)
        list += (list.empty() ? "" : ", ") + Quoted(text);
    return list;
}

bool IsHeaderLine(const std::vector<std::string>& fields)
{
    return std::ranges::any_of(fields, [](const std::string& field) {
        return std::ranges::any_of(ChannelGridColumns, [&](const auto& column) { return column.Header == field; });
    });
}

// The columns of a header line by name; "--" stands for columns 10 and 11 in turn,
// as a single-band model's grid names them. Refused for names no column has, a
// column named twice and a value column missing (but for the two "--" columns of a
// model without PMR channels, which read as "--").
std::string MapHeader(const std::vector<std::string>& header, std::string_view modelName, ColumnMap& map)
{
    map.fill(-1);
    std::vector<std::string> unknown;
    int nextUnnamed = 10;
    for (std::size_t i = 0; i < header.size(); ++i) {
        int column = -1;
        if (header[i] == NoColumnName && nextUnnamed <= 11)
            column = nextUnnamed++;
        for (int c = 0; c < Columns && column < 0; ++c)
            if (header[i] == ChannelGridColumns.at(static_cast<std::size_t>(c)).Header)
                column = c;
        if (column < 0) {
            unknown.push_back(header[i]);
            continue;
        }
        if (map.at(static_cast<std::size_t>(column)) >= 0)
            return TranslatedFormat("Messages", KVR27_TEXT("Messages", "The pasted table has the column %1 twice."), {Quoted(header[i])});
        map.at(static_cast<std::size_t>(column)) = static_cast<int>(i);
    }
    if (!unknown.empty())
        return TranslatedFormat("Messages", KVR27_TEXT("Messages", "The pasted table has columns the channel grid does not know: %1."),
                                {Listed(unknown)});
    std::vector<std::string> missing;
    for (int c = 1; c < Columns; ++c)
        if (map.at(static_cast<std::size_t>(c)) < 0 && !(c >= 10 && !HasPmrChannels(modelName)))
            missing.push_back(ColumnName(c));
    if (!missing.empty())
        return TranslatedFormat("Messages", KVR27_TEXT("Messages", "The pasted table lacks the columns %1."), {Listed(missing)});
    return {};
}

std::string RowPlace(int line, int column)
{
    return TranslatedFormat("Messages", KVR27_TEXT("Messages", "Row %1, column %2: "), {std::to_string(line), Quoted(ColumnName(column))});
}

} // namespace

std::string ChannelClipboardText(const RadioImage& image, const ChannelSelection& selection)
{
    std::vector<std::string> fields(Columns);
    for (int c = 0; c < Columns; ++c)
        fields[static_cast<std::size_t>(c)] = ChannelGridHeader(c, image.ModelName);
    std::string text = JoinRowFields(fields, Tab) + std::string(FileLineEnd);
    for (int channel : selection.Channels) {
        const ChannelRecord& record = image.Channels.at(channel);
        std::ranges::fill(fields, std::string());
        fields[0] = std::to_string(channel);
        if (record.Enabled)
            std::ranges::copy(ChannelRowTexts(record, image.ModelName), fields.begin() + 1);
        text += JoinRowFields(fields, Tab) + std::string(FileLineEnd);
    }
    return text;
}

ChannelEdit CutChannels(const RadioImage& image, const ChannelSelection& selection)
{
    ChannelEdit edit = DeleteChannels(image, selection);
    edit.StepName = TranslatedFormat("Notes", KVR27_TEXT("Notes", "Cut %1"), {ChannelsInWords(selection.Channels)});
    edit.Clipboard = ChannelClipboardText(image, selection);
    return edit;
}

ChannelEdit PasteChannels(const RadioImage& image, const ChannelSelection& selection, std::string_view text)
{
    const auto refuse = [&](std::string why) { return RefusedEdit(image.Channels, selection, std::move(why)); };
    if (const FileContentCheck content = CheckTextContent(text); !content.ok())
        return refuse(TranslatedFormat("Messages", KVR27_TEXT("Messages", "The clipboard holds no table of channels: %1"), {content.detail()}));
    const std::vector<std::string_view> lines = SplitFileLines(text);

    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        RowFields row = SplitRowFields(lines[i], Tab);
        if (!row.ok())
            return refuse(TranslatedFormat("Messages", KVR27_TEXT("Messages", "Row %1: %2."), {std::to_string(i + 1), row.Fault}));
        rows.push_back(std::move(row.Fields));
    }
    ColumnMap map;
    for (int c = 0; c < Columns; ++c)
        map.at(static_cast<std::size_t>(c)) = c;
    std::size_t first = 0;
    if (!rows.empty() && IsHeaderLine(rows.front())) {
        if (std::string why = MapHeader(rows.front(), image.ModelName, map); !why.empty())
            return refuse(why);
        first = 1;
    }
    const int count = static_cast<int>(rows.size() - first);
    if (count == 0)
        return refuse(Translated("Messages", "The clipboard holds no channels."));
    const int fit = ChannelTable::Count - selection.Current;
    if (count > fit)
        return refuse(TranslatedFormat("Messages", KVR27_TEXT("Messages", "The clipboard holds %1 channels, but from channel %2 only %3 fit."),
                                       {std::to_string(count), std::to_string(selection.Current), std::to_string(fit)}));

    const std::size_t width = first == 1 ? rows.front().size() : static_cast<std::size_t>(Columns);
    ChannelEdit edit;
    ChannelTable after = image.Channels;
    ChannelSelection pasted{{}, selection.Current};
    int overwritten = 0;
    for (std::size_t r = first; r < rows.size(); ++r) {
        const int line = static_cast<int>(r) + 1;
        if (rows[r].size() > width)
            return refuse(TranslatedFormat("Messages", KVR27_TEXT("Messages", "Row %1 has %2 fields, more than the %3 columns."),
                                           {std::to_string(line), std::to_string(rows[r].size()), std::to_string(width)}));
        rows[r].resize(width); // a spreadsheet may leave out empty fields at a row's end
        std::vector<std::string> fields(Columns, std::string(NoColumnName));
        for (int c = 0; c < Columns; ++c)
            if (const int at = map.at(static_cast<std::size_t>(c)); at >= 0)
                fields[static_cast<std::size_t>(c)] = rows[r][static_cast<std::size_t>(at)];
        const int channel = selection.Current + static_cast<int>(r - first);
        ChannelRecord record = EmptyChannel(image.Defaults);
        if (!fields[1].empty())
            if (ChannelRowFault fault = ReadChannelRow(fields, image, record); !fault.ok())
                return refuse(RowPlace(line, fault.Column) + fault.Why + ".");
        overwritten += image.Channels.at(channel).Enabled ? 1 : 0;
        after.at(channel) = record;
        pasted.Channels.push_back(channel);
    }
    edit = FinishedEdit(image.Channels, selection, after, pasted, TranslatedFormat("Notes", KVR27_TEXT("Notes", "Paste %1"), {ChannelsInWords(pasted.Channels)}));
    edit.Overwritten = overwritten;
    return edit;
}

} // namespace kvr27
