#pragma once
// What a write put into the radio, in words: the note and kvr27 say it after a
// write that changed the radio and then failed, and in a write's summary.
#include "link/WriteVerification.h"

#include <string>

namespace kvr27 {

// The parts of the radio among `sent` ("the VFO settings, the channel bitmap, 5
// channels, the current channel"; "2 of 3 VFO blocks" for a VFO write cut short);
// "nothing" when `sent` is empty.
std::string WrittenPartsText(const SentBlocks& sent);

// "nothing was written", or "written: " and WrittenPartsText.
std::string WrittenNote(const SentBlocks& sent);

} // namespace kvr27
