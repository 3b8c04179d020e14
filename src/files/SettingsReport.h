#pragma once
// The printed settings report as plain data: pages of texts, each at a column and a
// line of character cells (a column is 1/12 inch, a line 1/6 inch, both from 0 at
// the top left of the printable area). The printer draws them; a text report can
// lay them out the same way.
#include "image/ChannelGrid.h"
#include "image/ChannelRecord.h"
#include "image/VfoForm.h"

#include <string>
#include <vector>

namespace kvr27 {

// One text of the report, where the printer's PrintAt puts it.
struct PrintText {
    int Column = 0;
    int Line = 0;
    std::string Text;

    bool operator==(const PrintText&) const = default;
};

// The texts of one printed page, in the order they are printed.
using ReportPage = std::vector<PrintText>;

// The line of the first page's "[Memory mode]" heading, of the grid's header row,
// and of its first channel.
inline constexpr int MemoryHeadingLine = 18;
inline constexpr int ChannelHeaderLine = 19;
inline constexpr int FirstChannelLine = 20;

// The report's pages for `copies` copies on pages of `pageLines` lines (lines 0 to
// pageLines - 1; fewer than 2 lines count as 2). Each copy starts on a new page
// with the VFO window's entries, "[Memory mode]" and the grid's header row, then
// one line per enabled channel (ChannelTable `Enabled`) with the grid's cell texts.
// When the first page is full after channel L, channel r stands on line r - L of
// the continuation page, so a disabled channel leaves its line empty. Channels that
// do not fit there either go on further pages in the same way (line 1 onward), so
// every enabled channel is printed. Empty cell texts are left out.
std::vector<ReportPage> SettingsReportPages(const VfoForm& vfo, const ChannelGrid& grid,
                                            const ChannelTable& channels, int pageLines, int copies);

} // namespace kvr27
