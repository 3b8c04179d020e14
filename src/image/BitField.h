#pragma once
// Reading and writing a group of bits inside one packed setting byte.
#include <cstdint>

namespace kvr27 {

// A group of `width` bits starting at bit `shift` (bit 0 = 01h, bit 7 = 80h).
struct BitField {
    int shift;
    int width;

    constexpr std::uint8_t mask() const { return static_cast<std::uint8_t>(((1u << width) - 1u) << shift); }
    // The group's value, moved down to bit 0.
    constexpr unsigned get(std::uint8_t byte) const { return static_cast<unsigned>(byte & mask()) >> shift; }
    // The byte with the group replaced by `value` (extra high bits of value are dropped).
    constexpr std::uint8_t put(std::uint8_t byte, unsigned value) const
    {
        return static_cast<std::uint8_t>((byte & ~mask()) | ((value << shift) & mask()));
    }
};

} // namespace kvr27
