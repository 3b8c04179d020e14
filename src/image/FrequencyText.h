#pragma once
// Frequencies as text (MHz, "." always, five decimals) and as counts of 10 Hz.
// Conversions use exact decimal arithmetic on the digits, never binary floating
// point, and do not depend on the user's locale.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvr27 {

// 10 Hz units in one MHz.
inline constexpr std::int64_t UnitsPerMHz = 100000;

// The count as MHz with exactly five decimals: 43400000 -> "434.00000",
// 60000 -> "0.60000", -100000 -> "-1.00000".
std::string FormatFrequency(std::int32_t units);

// A decimal number text (optional leading "-", digits with at most one ".", at least
// one digit; "5." is 5 and ".5" is 0.5) times `factor`, rounded to the nearest
// integer with halves to the even neighbour. Nothing when the text is no such number
// or the result does not fit a signed 32-bit integer.
std::optional<std::int32_t> ScaleDecimalText(std::string_view text, std::int64_t factor);

// Whether the text is a decimal number in the form ScaleDecimalText reads, whatever
// its size.
bool IsDecimalText(std::string_view text);

// MHz text to 10 Hz units: ScaleDecimalText(text, 100000).
std::optional<std::int32_t> ParseFrequency(std::string_view text);

// Whole decimal number text (digits only) that fits 0..maxValue, or nothing.
std::optional<unsigned> ParseSmallNumber(std::string_view text, unsigned maxValue);

} // namespace kvr27
