#pragma once
// Two radio images compared setting by setting in the words the windows show: the
// VFO window's frame captions and what its controls show, the channel grid's
// column headers and cell texts, all in English (a window translates them).
#include "image/RadioImage.h"
#include "image/VfoForm.h"

#include <string>
#include <vector>

namespace kvr27 {

struct SettingsDifference {
    std::string Name; // "Frequency", "Quick Repeater Access Mode / Shift direction", "channel 5 Shift"
    std::string Left;
    std::string Right;
    // For a channel's line: its number and the column or clone-file name; the line
    // of whether it is in use has no Setting.
    int Channel = -1;
    std::string Setting;
};

// Where `right` differs from `left`, each image with the VFO form that FillVfoWindow
// filled from it, both of one model: the VFO window's settings, then channel by
// channel (numbered as the grid's "No" column) whether it is in use and the grid's
// texts of its record. The values no window shows (the radio's reserved bytes, the
// current channel, the bytes kept in the file only) follow by their clone-file
// names; and when the images differ only where the windows show the same words,
// every differing clone-file value is listed so, so no difference goes unnamed.
std::vector<SettingsDifference> SettingsDifferences(const RadioImage& left, const VfoForm& leftForm,
                                                    const RadioImage& right, const VfoForm& rightForm);

} // namespace kvr27
