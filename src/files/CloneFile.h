#pragma once
// The clone file: one complete radio image but the model, 831 lines of one value
// each (the 31 VFO values, then 8 lines for each of the 100 channels).
#include "files/FileContentCheck.h"
#include "image/RadioImage.h"

#include <string>
#include <string_view>

namespace kvr27 {

inline constexpr int CloneFileLines = 831;

// What a clone file holds.
struct CloneFileContent {
    VfoSettings Vfo;
    ChannelTable Channels;
};

// The file's text: every value in its line order, each line ending with CR LF;
// numbers in decimal, a channel's Enabled as "#TRUE#" or "#FALSE#".
std::string CloneFileText(const RadioImage& image);

// Reads the file's text into `content`, applying the load rules (an out-of-range
// value becomes the namesake of `defaults`, or 0 where the rule says so). Fails, with
// `content` unspecified, when the file has other than 831 lines, a line is no whole
// number where one is expected, a value that passes its rule does not fit its field,
// or an Enabled line is neither "#TRUE#" nor "#FALSE#".
FileContentCheck ParseCloneFile(std::string_view text, const VfoDefaults& defaults, CloneFileContent& content);

} // namespace kvr27
