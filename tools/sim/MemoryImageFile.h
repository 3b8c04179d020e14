#pragma once
// A radio's memory as a file: exactly 2048 bytes, address 0 first.
#include "RadioEmulator.h"

#include <filesystem>
#include <optional>

namespace kvr27::sim {

// The memory held by the file, or nothing when it cannot be read or is not exactly
// 2048 bytes long.
std::optional<RadioEmulator::Memory> LoadMemoryImage(const std::filesystem::path& file);

// Writes the memory as every save of the program is written (ReplaceFileAtomically).
bool SaveMemoryImage(const std::filesystem::path& file, const RadioEmulator::Memory& memory);

} // namespace kvr27::sim
