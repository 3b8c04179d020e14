#pragma once
// The clone file: one complete radio image but the model, 831 lines of one value
// each (the 31 VFO values, then 8 lines for each of the 100 channels).
#include "files/FileContentCheck.h"
#include "image/RadioImage.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvr27 {

inline constexpr int CloneFileLines = 831;

// What a clone file holds.
struct CloneFileContent {
    VfoSettings Vfo;
    ChannelTable Channels;
};

// Where a value stands in the file: its 1-based line, the channel it belongs to
// (0..99 as the channel grid's "No" column counts them, or -1 for a VFO line) and the name of its field ("Frequency",
// "ExtraBytes[3]").
struct CloneFileField {
    int Line = 0;
    int Channel = -1;
    std::string Name;
};

// The field as the user reads it: "Frequency", "channel 0 Enabled".
std::string FieldText(const CloneFileField& field);

// One line of the file and its text.
struct CloneFileEntry {
    CloneFileField Field;
    std::string Text;
};

// A value that a load rule replaced: the file's value and the value used. A value
// the VFO window's box refuses (a negative frequency) is kept in the image, but the
// box stays empty: then UsedValue is FileValue and Refusal the box's message.
struct CloneFileReplacement {
    CloneFileField Field;
    std::int64_t FileValue = 0;
    std::int64_t UsedValue = 0;
    std::string Refusal;
};

// The file's 831 lines for `image`, in order, with their texts as CloneFileText
// writes them.
std::vector<CloneFileEntry> CloneFileEntries(const RadioImage& image);

// The file's text: every value in its line order, each line ending with CR LF;
// numbers in decimal, a channel's Enabled as "#TRUE#" or "#FALSE#".
std::string CloneFileText(const RadioImage& image);

// Reads the file's text into `content`, applying the load rules (an out-of-range
// value becomes the namesake of `defaults`, or 0 where the rule says so). Fails, with
// `content` partly filled, when the file is no text or has other than 831 lines, a
// line is no whole number where one is expected, a value that passes its rule does
// not fit its field, or an Enabled line is neither "#TRUE#" nor "#FALSE#". Each value a rule replaced
// is added to `replaced` when it is given, in line order.
FileContentCheck ParseCloneFile(std::string_view text, const VfoDefaults& defaults, CloneFileContent& content,
                                std::vector<CloneFileReplacement>* replaced = nullptr);

} // namespace kvr27
