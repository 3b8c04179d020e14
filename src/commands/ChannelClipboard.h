#pragma once
// Channels on the clipboard, as a spreadsheet takes and gives a table: tab-separated
// text, a first line of the grid's column headers, one line of the grid's texts per
// channel, CR LF after each line.
#include "commands/ChannelEdit.h"
#include "image/RadioImage.h"

#include <string>
#include <string_view>

namespace kvr27 {

// Ctrl+C: the selected channels with the header line; a disabled channel is a row
// of its number and empty fields.
std::string ChannelClipboardText(const RadioImage& image, const ChannelSelection& selection);

// Ctrl+X: the selected channels copied (Clipboard) and emptied as "Delete" does.
ChannelEdit CutChannels(const RadioImage& image, const ChannelSelection& selection);

// Ctrl+V: the table in `text` from the current channel down, its rows selected.
// With a header line (one that names a grid column) the columns are taken by their
// names in any order, else in the grid's order; lines end with CR LF or LF; a field
// may be quoted and a number may have a decimal comma. Each row is read as the
// channel import reads a line (ReadChannelRow); a row without "Frequency(ch)" is an
// empty channel. Refused, with the table unchanged, for a row that does not fit
// past channel 99 (saying how many fit), a header with unknown, doubled or missing
// columns, a row with more fields than columns, and a field the import refuses,
// named by its row (the line of `text`, the header counted) and column. Overwritten
// counts the enabled channels that the paste replaces.
ChannelEdit PasteChannels(const RadioImage& image, const ChannelSelection& selection, std::string_view text);

} // namespace kvr27
