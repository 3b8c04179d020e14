#pragma once
// "Edit Selected Channels…": the one-channel dialog over several channels. It shows
// what the channels share, and OK changes in each only what the user changed, through
// the dialog's own rules.
#include "commands/ChannelEdit.h"
#include "image/ChannelDialogForm.h"
#include "image/RadioImage.h"

namespace kvr27 {

// The dialog as it opens on each selected channel (ChannelDialogEditor), with a
// blank text, a list without selection or an option group without selection where
// the channels differ. The enabled controls are those of the first channel.
ChannelDialogForm SharedChannelFields(const RadioImage& image, const ChannelSelection& selection);

// OK over several channels: each selected channel is opened in the dialog, given
// every control whose value in `edited` differs from `shared` (a mode first, then
// lists, then texts with the entry rules of leaving their box, the raster of the
// step when it changed), and stored by the dialog's OK, which enables it. Refused,
// naming the channel, when the dialog's OK would refuse one (a blank box, a text that
// is no number) or when a changed frequency or step leaves a channel outside the
// model's transmit range.
ChannelEdit EditChannels(const RadioImage& image, const ChannelSelection& selection, const ChannelDialogForm& shared,
                         const ChannelDialogForm& edited);

} // namespace kvr27
