#pragma once
// The four transfers between the radio and the radio image. Each returns "0" on
// success or "-1" after its one message, shows its progress in the target's status
// bar and marks a transfer as running while it lasts.
#include "core/AppState.h"
#include "link/LinkServices.h"

#include <optional>
#include <string>
#include <string_view>

namespace kvr27 {

inline constexpr const char* LeftOutMessage = "The thing besides the range is not written in.";

// A progress text: the step's words, seven blanks, the percentage and "%".
std::string ProgressText(std::string_view words, int percent);
// The percentage at the end of a progress text, or nothing for another text.
std::optional<int> ProgressPercent(std::string_view text);

// Reads the VFO blocks into VfoSettings (all fields but CurrentChannel and
// ExtraBytes), all or nothing; only ModelCode changes on failure.
std::string ReadVfoMode(AppState& state, LinkServices& services, ProgressTarget target);

// Reads the 100 channel blocks, the bitmap and the current channel into the
// channel table, all or nothing; only ModelCode changes on failure.
std::string ReadMemoryMode(AppState& state, LinkServices& services, ProgressTarget target);

// Writes the VFO window's values (the form state AppState::Vfo), after the range
// check of its frequency; they are collected into VfoSettings on the way.
std::string WriteVfoMode(AppState& state, LinkServices& services, ProgressTarget target);

// Writes the bitmap, every enabled channel and the current channel. Channels whose
// frequency is outside the model's range are left out of this write (and stay
// enabled in the image), followed by LeftOutMessage. CurrentChannel becomes the
// first channel written, or 0.
std::string WriteMemoryMode(AppState& state, LinkServices& services, ProgressTarget target);

} // namespace kvr27
