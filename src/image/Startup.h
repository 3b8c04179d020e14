#pragma once
// The start-up values of the whole radio image for a chosen model.
#include "image/RadioImage.h"

namespace kvr27 {

// Gives the image the start window option's model, its start-up VFO settings and
// the values common to all models, takes VfoDefaults, and sets all 100 channels to
// the VFO's values, disabled. Flags are cleared.
void InitialiseRadioImage(RadioImage& image, int option);

// A channel as a new radio has it: disabled, with the model's VFO frequency, offset,
// tones, step, tone setting, BCLO and shift direction, no mode and scan skip off.
ChannelRecord EmptyChannel(const VfoDefaults& defaults);

} // namespace kvr27
