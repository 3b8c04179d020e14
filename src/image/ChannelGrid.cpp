#include "image/ChannelGrid.h"

#include "core/UserText.h"
#include "image/FrequencyText.h"
#include "image/Labels.h"
#include "image/ModelRules.h"

#include <stdexcept>

namespace kvr27 {

const std::array<ChannelGridColumn, 12> ChannelGridColumns = {{
    {KVR27_TEXT("Controls", "No"), 300},
    {KVR27_TEXT("Controls", "Frequency(ch)"), 1290},
    {KVR27_TEXT("Controls", "Step"), 780},
    {KVR27_TEXT("Controls", "Shift"), 525},
    {KVR27_TEXT("Controls", "Shift Freq"), 990},
    {KVR27_TEXT("Controls", "Bclo"), 525},
    {KVR27_TEXT("Controls", "Skip"), 525},
    {KVR27_TEXT("Controls", "Tone"), 525},
    {KVR27_TEXT("Controls", "TxTone"), 780},
    {KVR27_TEXT("Controls", "RxTone"), 780},
    {KVR27_TEXT("Controls", "PmrTone"), 780},
    {KVR27_TEXT("Controls", "mode"), 525},
}};

namespace {

// The text of columns 10 and 11 for models without PMR channels.
constexpr std::string_view NotApplicable = "--";

void CheckCell(int row, int col)
{
    if (row < 0 || row >= ChannelGrid::Rows || col < 0 || col >= ChannelGrid::Cols)
        throw std::out_of_range("grid cell " + std::to_string(row) + "," + std::to_string(col) + " outside the grid");
}

std::string_view OnOff(unsigned bit)
{
    return OnOffLabels[bit ? 0 : 1];
}

} // namespace

const std::string& ChannelGrid::TextMatrix(int row, int col) const
{
    CheckCell(row, col);
    return Text[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void ChannelGrid::SetTextMatrix(int row, int col, std::string text)
{
    CheckCell(row, col);
    Text[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = std::move(text);
}

std::string_view ChannelGridHeader(int col, std::string_view modelName)
{
    if ((col == 10 || col == 11) && !HasPmrChannels(modelName))
        return NotApplicable;
    return ChannelGridColumns.at(static_cast<std::size_t>(col)).Header;
}

void SetupChannelGrid(ChannelGrid& grid, std::string_view modelName)
{
    for (int col = 0; col < ChannelGrid::Cols; ++col)
        grid.SetTextMatrix(0, col, std::string(ChannelGridHeader(col, modelName)));
    for (int row = 1; row < ChannelGrid::Rows; ++row)
        grid.SetTextMatrix(row, 0, std::to_string(row - 1));
    grid.Look.fill(RowLook::Normal);
    SelectChannelRow(grid, 1);
}

std::array<std::string, 11> ChannelRowTexts(const ChannelRecord& record, std::string_view modelName)
{
    const bool pmrModel = HasPmrChannels(modelName);
    std::array<std::string, 11> texts;
    if (record.IsPmr() && pmrModel) {
        texts[0] = std::to_string(record.Frequency / PmrChannelUnit);
        texts[10] = ModeLabels[1];
    } else {
        texts[0] = FormatFrequency(record.Frequency);
        texts[10] = pmrModel ? ModeLabels[0] : NotApplicable;
    }
    texts[1] = LabelAt(StepLabels, record.StepIndex());
    texts[2] = LabelAt(ShiftLabels, record.Shift());
    texts[3] = FormatFrequency(record.ShiftFreq);
    texts[4] = OnOff(record.Bclo());
    texts[5] = OnOff(record.Skip());
    texts[6] = LabelAt(ToneSetLabels, record.ToneSet());
    texts[7] = LabelAt(ToneLabels, record.TxTone);
    texts[8] = LabelAt(ToneLabels, record.RxTone);
    texts[9] = pmrModel ? LabelAt(PmrToneLabels, record.PmrTone) : NotApplicable;
    return texts;
}

void ShowChannelRow(const RadioImage& image, ChannelGrid& grid, int index)
{
    const ChannelRecord& record = image.Channels.at(index);
    if (!record.Enabled)
        return;
    const auto texts = ChannelRowTexts(record, image.ModelName);
    for (int col = 1; col <= 11; ++col)
        grid.SetTextMatrix(index + 1, col, texts[static_cast<std::size_t>(col - 1)]);
    // The write's own range check: PMR channels have none.
    grid.Remark.at(static_cast<std::size_t>(index) + 1) =
        record.IsPmr() ? std::string() : OutOfRangeRemark(image, FormatFrequency(record.Frequency));
    SelectChannelRow(grid, index + 1);
}

void ClearChannelRow(ChannelGrid& grid, int index, std::string_view modelName)
{
    const int row = index + 1;
    const bool pmrModel = HasPmrChannels(modelName);
    for (int col = 1; col <= 9; ++col)
        grid.SetTextMatrix(row, col, "");
    for (int col = 10; col <= 11; ++col)
        grid.SetTextMatrix(row, col, pmrModel ? "" : std::string(NotApplicable));
    grid.Remark.at(static_cast<std::size_t>(row)).clear();
}

void RefreshChannelGrid(const RadioImage& image, ChannelGrid& grid)
{
    grid.Visible = false;
    for (int index = 0; index < ChannelTable::Count; ++index) {
        ClearChannelRow(grid, index, image.ModelName);
        ShowChannelRow(image, grid, index);
    }
    for (int index = 0; index < ChannelTable::Count; ++index)
        if (image.Channels.at(index).Enabled)
            grid.Look[static_cast<std::size_t>(index) + 1] = RowLook::Normal;
    SelectChannelRow(grid, 1);
    grid.Visible = true;
}

void SelectChannelRow(ChannelGrid& grid, int row)
{
    if (row < 1 || row >= ChannelGrid::Rows)
        throw std::out_of_range("grid row " + std::to_string(row) + " outside 1..100");
    grid.Row = row;
    grid.Col = 11;
    grid.ColSel = 1;
    grid.Selected.clear();
}

} // namespace kvr27
