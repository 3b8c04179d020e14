#pragma once
// What the program knows about the serial link between transfers.

#include <cstdint>
#include <string>

namespace kvr27 {

inline constexpr std::uint8_t NoPortOpen = 255;

struct LinkState {
    std::uint8_t OpenPortNumber = NoPortOpen; // COM number 1..5 that is open, or NoPortOpen
    // The device and the system's reason when the last open failed ("" otherwise),
    // shown in the status bar so the user can tell a missing cable from a refused one.
    std::string PortProblem;
    // Set by the user's Cancel while a read runs; the read ends before its next
    // exchange. Writes never look at it.
    bool CancelRequested = false;
};

} // namespace kvr27
