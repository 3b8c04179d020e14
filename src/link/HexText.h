#pragma once
// Numbers as the radio exchanges them: uppercase hexadecimal text, zero-padded,
// most significant digit first.
#include <cstdint>
#include <string>
#include <string_view>

namespace kvr27 {

// Two digits: 10 -> "0A".
std::string HexByte(std::uint8_t value);
// Four digits: 0x7F0 -> "07F0".
std::string HexAddress(std::uint16_t address);
// Eight digits of the value's 32 bits: 60000 -> "0000EA60", -1 -> "FFFFFFFF".
std::string HexLong(std::int32_t value);

// Whether every character is a hexadecimal digit (either case); true for "".
bool IsHexText(std::string_view text);

// The first eight digits as a signed 32-bit value, most significant first, read as
// two's complement: "02963B40" -> 43400000, "FFFFFFFF" -> -1, "80000000" -> -2^31.
// Throws std::invalid_argument when the text does not begin with eight digits.
std::int32_t HexToLong(std::string_view text);

// The first two digits as a byte. Throws std::invalid_argument when the text does
// not begin with two digits.
std::uint8_t HexToByte(std::string_view text);

} // namespace kvr27
