#pragma once
// The channel CSV: the current memory channel, the channel grid's header and one
// line of the grid's 12 texts per channel, comma-separated, CR LF after every line.
// A field in double quotes, as a spreadsheet may save it, is read as its text.
#include "files/FileContentCheck.h"
#include "image/ChannelGrid.h"
#include "image/RadioImage.h"

#include <string>
#include <string_view>

namespace kvr27 {

// At most this many lines: the current channel, the header, 100 channels.
inline constexpr int ChannelCsvMaxLines = 102;

// What an import takes in.
struct ChannelCsvContent {
    ChannelTable Channels;
    std::uint8_t CurrentChannel = 0;
};

// The file's text from the grid as it shows: line 1 the current channel as the
// "No" column counts it, between blanks (empty when there is none), then grid rows
// 0 to 100. A channel that is not enabled gets an empty "Frequency(ch)", so that it
// stays disabled when the file is read back.
std::string ChannelCsvText(const RadioImage& image, const ChannelGrid& grid);

// Reads the file's text into `content`, starting from the image's channels and
// current channel: line 1 the current channel, line 2 skipped, each
// further line one channel in order (ReadChannelRow); channels of missing lines stay
// as they were.
// How "Frequency(ch)" and "mode" are read depends on the model. Fails, with `content`
// partly filled, on an empty file or one that is no text, more than 102 lines, a line
// of other than 12 fields or a quoted field not closed, a channel whose "mode" names no channel of the model
// ("--" for any, "LPD" for all but the PMR-only variant, "PMR" for the models with
// PMR channels), a number field that is no number or does not fit, or a line 1
// whose number plus 1 is outside 0..255.
FileContentCheck ParseChannelCsv(std::string_view text, const RadioImage& image, ChannelCsvContent& content);

} // namespace kvr27
