#pragma once
// Reading back what a write sent: one read of every block the write reached, and a
// comparison of every byte the program owns by the memory map (OwnedBytes). The
// bytes no field fills are sent as FF and left out, since the radio may keep them
// as it likes.
#include "core/UserText.h"
#include "link/BlockExchange.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kvr27 {

// One acknowledged write: where it went and the bytes as the command carried them
// (32 digits for a block, 2 for the one-byte current-channel write at 715h).
struct SentBlock {
    std::uint16_t Address = 0;
    std::string Digits;
};
using SentBlocks = std::vector<SentBlock>;

// Reads back the block of every entry of `sent`, in order, with the progress text
// "Verify" and its percentage. A failed read ends it as any failed read does
// ("Read/Write Error"); the first byte that differs ends it with
// VerifyDifferenceMessage and LinkFault::VerifyMismatch, whose Detail names the
// place, the address and the written and read values.
LinkResult VerifyWrittenBlocks(const SentBlocks& sent, LinkSession& session, ProgressTarget target);

// The message of a difference: the place and values follow it.
inline constexpr const char* VerifyDifferenceMessage = KVR27_TEXT("Messages", "The radio does not hold what was written:");

} // namespace kvr27
