#pragma once
// Random but valid radio contents for the soak: settings the program's windows take
// without a word (frequencies inside the radio's transmit range, squelch 0 to 20,
// PMR channel 1 to 8, codes inside their lists), random channels of the model's
// kinds with some of them disabled, and random edits of an image before a write.
#include "image/RadioImage.h"

#include <cstdint>
#include <random>

namespace kvr27::soak {

using Random = std::mt19937_64;

inline int Between(Random& random, int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
inline bool Chance(Random& random, double p) { return std::bernoulli_distribution(p)(random); }

// The image of a radio of start window option `option` reporting `modelCode`, with
// random VFO settings and channels; CurrentChannel is the first enabled channel + 1.
RadioImage RandomRadioImage(Random& random, int option, std::uint8_t modelCode);

// Changes a few channels and sometimes the VFO settings, as a user would in the
// editors; now and then a channel outside the transmit range, which a memory write
// leaves out.
void EditImage(Random& random, RadioImage& image);

} // namespace kvr27::soak
