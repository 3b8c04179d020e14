#pragma once
// The channel grid (frmMem's MSFlexGrid1) as plain state: 101 x 12 cell texts, the
// look of each row, the current cell and selection, and the grid's visibility; and
// the codecs that write records into it.
#include "image/RadioImage.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kvr27 {

// Look of cells 1 to 11 of a row: black text, or grey struck-through text.
enum class RowLook { Normal, Disabled };

struct ChannelGridColumn {
    std::string_view Header;
    int WidthTwips;
};
// Headers and widths of columns 0 to 11; columns 10 and 11 show "--" as header for
// every model without PMR channels (ChannelGridHeader).
extern const std::array<ChannelGridColumn, 12> ChannelGridColumns;

struct ChannelGrid {
    static constexpr int Rows = 101; // header row + 100 channels
    static constexpr int Cols = 12;  // "No" column + 11 value columns

    std::array<std::array<std::string, Cols>, Rows> Text{};
    std::array<RowLook, Rows> Look{};
    // Per row, what the windows say about a frequency the write would leave out
    // (OutOfRangeRemark); "" for none.
    std::array<std::string, Rows> Remark{};
    int Row = 1;
    int Col = 11;
    int ColSel = 1;
    // The channels (0..99, ascending) selected when the user selected several rows;
    // empty when the current row alone is selected.
    std::vector<int> Selected;
    bool Visible = true;

    // Index-checked cell access (std::out_of_range outside the grid).
    const std::string& TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, std::string text);
};

// Header text of a column for the model.
std::string_view ChannelGridHeader(int col, std::string_view modelName);

// The grid's load: header row, "No" column (0 to 99), all rows in the normal look,
// row 1 selected. Value cells are left to RefreshChannelGrid.
void SetupChannelGrid(ChannelGrid& grid, std::string_view modelName);

// Empties the value cells and the remark of channel `index` (0..99)'s row, as a
// disabled channel shows after a refresh ("--" in columns 10 and 11 for models
// without PMR channels); the look stays.
void ClearChannelRow(ChannelGrid& grid, int index, std::string_view modelName);

// Rewrites all 100 rows from the channel table: empty cells (or "--" in columns 10
// and 11 for models without PMR channels), then each enabled record's texts in the normal
// look; disabled rows keep their look. Selects row 1.
void RefreshChannelGrid(const RadioImage& image, ChannelGrid& grid);

// Writes the row of channel `index` (0..99) and its remark from its record when it is
// enabled, and selects that row; a disabled record leaves the row as it is.
void ShowChannelRow(const RadioImage& image, ChannelGrid& grid, int index);

// Makes `row` (1..100) the current row, alone selected, with cells 1 to 11 selected.
void SelectChannelRow(ChannelGrid& grid, int row);

// The texts of columns 1 to 11 of an enabled record (index 0 = column 1). A code
// outside its label table shows UnknownLabel. The dual-band model and its PMR-only
// variant show a PMR record's channel number, every record's PMR tone and mode.
std::array<std::string, 11> ChannelRowTexts(const ChannelRecord& record, std::string_view modelName);

} // namespace kvr27
