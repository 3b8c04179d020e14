#include "files/SettingsReport.h"

#include "core/UserText.h"
#include "editors/VfoFields.h"
#include "image/Labels.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace kvr27 {

namespace {

// The words an option group prints: the word of the selected option, and the last
// word for the last option or for none selected.
using OptionWords = std::span<const std::string_view>;
// The words print in the user's language (context "Values", as the windows show them).
constexpr std::string_view OnWord = KVR27_TEXT("Values", "On");
constexpr std::string_view OffWord = KVR27_TEXT("Values", "Off");
constexpr std::string_view NoneWord = KVR27_TEXT("Values", "None");
constexpr std::array<std::string_view, 2> OnOffWords = {OnWord, OffWord};
constexpr std::array<std::string_view, 3> ToneSetWords = {NoneWord, "T", "TSQ"};
constexpr std::array<std::string_view, 2> PowerWords = {KVR27_TEXT("Values", "Hi"), KVR27_TEXT("Values", "Low")};
constexpr std::array<std::string_view, 3> ShiftWords = {NoneWord, "+", "-"};
constexpr std::array<std::string_view, 2> ScanWords = {KVR27_TEXT("Values", "Timer"), KVR27_TEXT("Values", "Busy")};
constexpr std::array<std::string_view, 3> LampWords = {KVR27_TEXT("Values", "On(5s)"), OnWord, OffWord};
constexpr std::array<std::string_view, 2> BatteryWords = {"AA", "Li-io"};

// One "caption = value" entry of the VFO part: where it stands, and the control of
// the VFO window that gives its value.
struct ReportEntry {
    int Line;
    int Column;
    std::string_view Caption; // the caption of the setting's frame in the VFO window
    std::string_view (*Value)(const VfoForm&, const ReportEntry&);
    int Control;              // a VfoText, VfoList or VfoOption
    OptionWords Words = {};
};

std::string_view TextValue(const VfoForm& vfo, const ReportEntry& entry)
{
    return vfo.*(VfoTextBoxes.at(static_cast<std::size_t>(entry.Control)).Field);
}

// A list prints its label-table text; a code outside the table (odd bytes read
// from a radio, shown as no selection) prints UnknownLabel.
std::string_view ListValue(const VfoForm& vfo, const ReportEntry& entry)
{
    const ListField<VfoForm>& list = VfoListBoxes.at(static_cast<std::size_t>(entry.Control));
    const int code = vfo.*(list.Field);
    return code < 0 ? UnknownLabel : LabelAt(list.Items, static_cast<unsigned>(code));
}

std::string_view OptionValue(const VfoForm& vfo, const ReportEntry& entry)
{
    const int selected = vfo.*(VfoOptionGroups.at(static_cast<std::size_t>(entry.Control)).Field);
    const int last = static_cast<int>(entry.Words.size()) - 1;
    return entry.Words[static_cast<std::size_t>(selected >= 0 && selected < last ? selected : last)];
}

constexpr ReportEntry Text(int line, int column, std::string_view caption, VfoText box)
{
    return {line, column, caption, TextValue, static_cast<int>(box)};
}

constexpr ReportEntry List(int line, int column, std::string_view caption, VfoList list)
{
    return {line, column, caption, ListValue, static_cast<int>(list)};
}

constexpr ReportEntry Option(int line, int column, std::string_view caption, VfoOption group, OptionWords words)
{
    return {line, column, caption, OptionValue, static_cast<int>(group), words};
}

constexpr auto VfoEntries = std::to_array<ReportEntry>({
    Text(1, 1, KVR27_TEXT("Report", "Frequency"), VfoText::Frequency),
    Option(1, 40, KVR27_TEXT("Report", "Key Lock"), VfoOption::KeyLock, OnOffWords),
    Text(2, 1, KVR27_TEXT("Report", "Squelch Level"), VfoText::Squelch),
    Option(2, 40, KVR27_TEXT("Report", "Tone setting"), VfoOption::ToneSet, ToneSetWords),
    List(3, 1, KVR27_TEXT("Report", "TX tone freq (Encode)"), VfoList::TxTone),
    List(3, 40, KVR27_TEXT("Report", "RX tone freq (Decode)"), VfoList::RxTone),
    Option(4, 1, KVR27_TEXT("Report", "Transmission Output Level"), VfoOption::TxPower, PowerWords),
    Text(4, 40, KVR27_TEXT("Report", "Ch No (PMR)"), VfoText::PmrFreq),
    List(5, 1, KVR27_TEXT("Report", "Tone frequency (PMR)"), VfoList::PmrTone),
    List(6, 1, KVR27_TEXT("Report", "Tuning step"), VfoList::Step),
    Option(6, 40, KVR27_TEXT("Report", "Shift direction"), VfoOption::Shift, ShiftWords),
    Text(7, 1, KVR27_TEXT("Report", "Offset frequency"), VfoText::ShiftFreq),
    Option(7, 40, KVR27_TEXT("Report", "Beeper"), VfoOption::Beep, OnOffWords),
    List(8, 1, KVR27_TEXT("Report", "Call tone (Tone burst)"), VfoList::CallTone),
    List(8, 40, KVR27_TEXT("Report", "TOT"), VfoList::Tot),
    List(9, 1, KVR27_TEXT("Report", "APO"), VfoList::Apo),
    Option(9, 40, KVR27_TEXT("Report", "Battery saving"), VfoOption::Bs, OnOffWords),
    Option(10, 1, KVR27_TEXT("Report", "Bell"), VfoOption::Bell, OnOffWords),
    Option(10, 40, KVR27_TEXT("Report", "Stand-by-beep"), VfoOption::Stb, OnOffWords),
    Option(11, 1, KVR27_TEXT("Report", "BCLO"), VfoOption::Bclo, OnOffWords),
    Option(11, 40, KVR27_TEXT("Report", "Scan"), VfoOption::Scan, ScanWords),
    Option(12, 1, KVR27_TEXT("Report", "Scan skip"), VfoOption::Skip, OnOffWords),
    Option(12, 40, KVR27_TEXT("Report", "External terminal control"), VfoOption::Epo, OnOffWords),
    Option(13, 1, KVR27_TEXT("Report", "Lamp"), VfoOption::Lamp, LampWords),
    Option(13, 40, KVR27_TEXT("Report", "Battery type"), VfoOption::Battery, BatteryWords),
    // The Quick Repeater Access frame.
    Option(14, 1, KVR27_TEXT("Report", "Shift direction"), VfoOption::RptShift, ShiftWords),
    Text(14, 40, KVR27_TEXT("Report", "Offset frequency"), VfoText::RptShiftFreq),
    Option(15, 1, KVR27_TEXT("Report", "Tone setting"), VfoOption::RptTone, OnOffWords),
    List(15, 40, KVR27_TEXT("Report", "Tone frequency"), VfoList::RptTone),
});

// Where each grid column's cells stand on a channel line; the "Shift" header stands
// one column left of its cells.
constexpr std::array<int, ChannelGrid::Cols> ChannelColumns = {1, 5, 19, 27, 33, 45, 51, 57, 63, 71, 79, 88};
constexpr int ShiftGridColumn = 3;

// Adds the texts of grid row `row` on `line`, each at its column.
void AddGridRow(ReportPage& page, const ChannelGrid& grid, int row, int line)
{
    for (int col = 0; col < ChannelGrid::Cols; ++col) {
        const std::string& text = grid.TextMatrix(row, col);
        if (text.empty())
            continue;
        int column = ChannelColumns[static_cast<std::size_t>(col)];
        if (row == 0 && col == ShiftGridColumn)
            --column;
        // The header row prints the grid's column captions in the user's language, the
        // channel rows their words ("On", "None") as the grid shows them.
        page.push_back({column, line, Translated(row == 0 ? "Controls" : "Values", text)});
    }
}

ReportPage FirstPageHead(const VfoForm& vfo, const ChannelGrid& grid)
{
    ReportPage page;
    page.push_back({1, 0, Translated("Report", "[VFO Setting]")});
    for (const ReportEntry& entry : VfoEntries)
        page.push_back({entry.Column, entry.Line,
                        Translated("Report", std::string(entry.Caption)) + " = " +
                            Translated("Values", std::string(entry.Value(vfo, entry)))});
    page.push_back({1, MemoryHeadingLine, Translated("Report", "[Memory mode]")});
    AddGridRow(page, grid, 0, ChannelHeaderLine);
    return page;
}

void AddCopy(std::vector<ReportPage>& pages, const VfoForm& vfo, const ChannelGrid& grid,
             const ChannelTable& channels, int lastLine)
{
    const auto enabled = [&channels](int row) { return channels.at(row - 1).Enabled; };
    constexpr int LastRow = ChannelGrid::Rows - 1;

    ReportPage page = FirstPageHead(vfo, grid);
    int row = 1;
    for (int line = FirstChannelLine; row <= LastRow && line <= lastLine; ++row) {
        if (enabled(row))
            AddGridRow(page, grid, row, line++);
    }
    pages.push_back(std::move(page));
    if (row > LastRow)
        return;

    // The continuation page: channel r on line r - L, L the last channel looked at.
    // A channel beyond its last line opens a further page, on whose line 1 it stands.
    // A page that would hold no channel is not printed.
    int base = row - 1;
    page.clear();
    for (; row <= LastRow; ++row) {
        if (!enabled(row))
            continue;
        if (row - base > lastLine) {
            if (!page.empty())
                pages.push_back(std::move(page));
            page.clear();
            base = row - 1;
        }
        AddGridRow(page, grid, row, row - base);
    }
    if (!page.empty())
        pages.push_back(std::move(page));
}

} // namespace

std::vector<ReportPage> SettingsReportPages(const VfoForm& vfo, const ChannelGrid& grid,
                                            const ChannelTable& channels, int pageLines, int copies)
{
    const int lastLine = std::max(pageLines, 2) - 1;
    std::vector<ReportPage> pages;
    for (int copy = 0; copy < copies; ++copy)
        AddCopy(pages, vfo, grid, channels, lastLine);
    return pages;
}

} // namespace kvr27
