#pragma once
// The first difference between two images or program states, named for a person
// reading a failure: the model, a line of their clone files (every VFO value and
// channel field, by name), the rest of the settings, the unsaved state, the VFO form or
// a grid cell. Shared by the fuzz targets and the soak; Qt-free.
#include "commands/AppState.h"
#include "files/CloneFile.h"

#include <string>

namespace kvr27::test {

// "" when the images are equal.
inline std::string ImageDifference(const RadioImage& a, const RadioImage& b)
{
    if (a.ModelName != b.ModelName || a.ModelCode != b.ModelCode)
        return "model " + a.ModelName + " " + std::to_string(a.ModelCode) + " / " + b.ModelName + " " +
               std::to_string(b.ModelCode);
    const auto linesA = CloneFileEntries(a), linesB = CloneFileEntries(b);
    for (std::size_t i = 0; i < linesA.size(); ++i)
        if (linesA[i].Text != linesB[i].Text)
            return "line " + std::to_string(i + 1) + " (channel " + std::to_string(linesA[i].Field.Channel) + ", " +
                   linesA[i].Field.Name + ") " + linesA[i].Text + " / " + linesB[i].Text;
    if (!(a.Vfo == b.Vfo) || !(a.Channels == b.Channels) || !(a.Defaults == b.Defaults))
        return "VFO settings, channels or defaults outside the clone file";
    return {};
}

// What a file command may change: the image, the VFO window's form and the grid.
inline std::string StateDifference(const AppState& a, const AppState& b)
{
    if (std::string image = ImageDifference(a.Image, b.Image); !image.empty())
        return "image: " + image;
    if (a.History.unsaved() != b.History.unsaved())
        return "unsaved state";
    if (!(a.Vfo == b.Vfo))
        return "VFO form";
    for (int row = 0; row < ChannelGrid::Rows; ++row)
        if (a.Grid.Text[row] != b.Grid.Text[row])
            return "grid row " + std::to_string(row);
    if (a.Grid.Look != b.Grid.Look || a.Grid.Row != b.Grid.Row || a.Grid.Col != b.Grid.Col ||
        a.Grid.ColSel != b.Grid.ColSel || a.Grid.Visible != b.Grid.Visible)
        return "grid looks or selection";
    return {};
}

} // namespace kvr27::test
