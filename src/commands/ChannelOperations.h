#pragma once
// The channel window's operations on rows, without the window: empty, delete with
// shift, insert, move by one or to a dropped-on row, and sort. Each acts on the
// image's channel table and gives the table and selection after it (ChannelEdit);
// the image is not changed.
#include "commands/ChannelEdit.h"
#include "image/RadioImage.h"

namespace kvr27 {

// "Delete": the selected channels become empty (disabled, the model's start-up
// values as a new radio has them). The selection stays.
ChannelEdit DeleteChannels(const RadioImage& image, const ChannelSelection& selection);

// "Delete and Shift Up": the selected channels are taken out, the channels below
// move up over the gap, and empty channels fill the end of the table. The first
// channel moved into the gap becomes the selection.
ChannelEdit DeleteAndShiftUp(const RadioImage& image, const ChannelSelection& selection);

// "Insert Empty Channel": the current channel and those below move down by one and
// an empty channel takes the current one's place. Refused when channel 99 is
// enabled, since it would be lost.
ChannelEdit InsertEmptyChannel(const RadioImage& image, const ChannelSelection& selection);

// Ctrl+Up / Ctrl+Down: every selected channel moves by one row (`down` or up), the
// channel it passes takes its place; a block at the table's end stays where it is.
ChannelEdit MoveChannelsByOne(const RadioImage& image, const ChannelSelection& selection, bool down);

// A drag: the selected channels are taken out and put back as a block whose first
// channel lands on `dropChannel` (at the end of the table when it would not fit);
// a drop on a selected channel does nothing.
ChannelEdit MoveChannelsTo(const RadioImage& image, const ChannelSelection& selection, int dropChannel);

// "Sort by Frequency": the selected channels (every channel when one is selected)
// in their own rows, ordered LPD by frequency, then PMR by channel number, then
// the disabled ones; equal channels keep their order.
ChannelEdit SortByFrequency(const RadioImage& image, const ChannelSelection& selection);

} // namespace kvr27
