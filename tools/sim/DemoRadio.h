#pragma once
// What the demo radio holds when it is started for a model: that model's start-up
// settings and a few channels in use that suit the model, so that reading it shows
// something worth editing.
#include "RadioEmulator.h"
#include "image/RadioImage.h"

#include <optional>
#include <string_view>

namespace kvr27::sim {

// The start window option (0..4) of a model name ("KV-R27PA", "KV-R27Z", "KV-R27X",
// "KV-R27PA(PMR only)", "KV-R27PA(LPD only)"), or nothing for any other name.
std::optional<int> ModelOption(std::string_view modelName);

// Puts a few channels in use into the image, of the kind its model holds (LPD and
// PMR channels for the dual-band radio, in-range frequencies for the others), and
// makes the first of them the current channel.
void AddDemoChannels(RadioImage& image);

// The memory of a radio of the model of start window option `option`: the start-up
// settings, the demo channels and the model's code, FF where no value lies.
RadioEmulator::Memory DemoMemory(int option);

// The memory of a radio holding the image: every channel block, the VFO blocks with
// the image's current channel, the bitmap and the model code, FF where no value lies.
RadioEmulator::Memory MemoryOfImage(const RadioImage& image);

} // namespace kvr27::sim
