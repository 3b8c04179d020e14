#pragma once
// The channel plans the window fills in one go: the LPD channels and the eight PMR
// channels, from the current channel down, each enabled with the VFO's current tone
// setting, tones and step.
#include "commands/ChannelEdit.h"
#include "image/RadioImage.h"

namespace kvr27 {

// The LPD channels: 433.075 MHz upwards in 25 kHz steps, 69 of them, as many as
// the model's transmit range holds and the rows from the current channel allow;
// simplex, no scan skip, no BCLO. Refused for a model without LPD channels.
ChannelEdit FillLpdChannels(const RadioImage& image, const ChannelSelection& selection);

// PMR channels 1 to 8, as many as the rows from the current channel allow. Refused
// for a model without PMR channels.
ChannelEdit FillPmrChannels(const RadioImage& image, const ChannelSelection& selection);

} // namespace kvr27
