#pragma once
// What the program knows about the serial link between transfers.
#include <cstdint>

namespace kvr27 {

inline constexpr std::uint8_t NoPortOpen = 255;

struct LinkState {
    std::uint8_t OpenPortNumber = NoPortOpen; // COM number 1..5 that is open, or NoPortOpen
};

} // namespace kvr27
