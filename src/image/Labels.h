#pragma once
// The fixed display texts of every stored code, and the frequency raster of each
// tuning step. A stored code is an index into its table.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kvr27 {

using LabelTable = std::span<const std::string_view>;

extern const std::array<std::string_view, 9> StepLabels;
extern const std::array<std::string_view, 3> ShiftLabels;
extern const std::array<std::string_view, 3> ToneSetLabels;
extern const std::array<std::string_view, 39> ToneLabels;
extern const std::array<std::string_view, 40> PmrToneLabels;
extern const std::array<std::string_view, 2> OnOffLabels;
extern const std::array<std::string_view, 2> ModeLabels;
extern const std::array<std::string_view, 5> CallToneLabels;
extern const std::array<std::string_view, 16> TotLabels;
extern const std::array<std::string_view, 5> ApoLabels;

// Raster (10 Hz units) on which frequencies and offsets lie for each step index.
extern const std::array<std::int16_t, 9> StepRaster;

// The text shown for a code that has no entry in its table.
inline constexpr std::string_view UnknownLabel = "?";

// The table's entry at `code`, or UnknownLabel when the code lies outside it.
std::string_view LabelAt(LabelTable table, unsigned code);

// Index of the first entry equal to `text`; none when no entry is.
std::optional<int> LabelIndex(LabelTable table, std::string_view text);

} // namespace kvr27
