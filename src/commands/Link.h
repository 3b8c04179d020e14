#pragma once
// The link operations with the program's result codes, over AppState (the windows'
// form of BlockExchange).
#include "commands/AppState.h"
#include "link/BlockExchange.h"

#include <cstdint>
#include <string>

namespace kvr27 {

// Results of exchanges and transfers.
inline constexpr const char* LinkSuccess = "0";
inline constexpr const char* LinkFailure = "-1";

// The link session of the program: its link state and the selected COM option.
LinkSession SessionOf(AppState& state, LinkServices& services);

// Makes sure the port of the selected COM option (ComIndex + 1) is open: 1 when it
// is, -1 after "Can't open com Port" (OpenLinkPort).
int OpenComPort(AppState& state, LinkServices& services, ProgressTarget target);

// Reads the 16 bytes at `address` (TryReadBlock): their 32 digits, or "-1" after
// "Read/Write Error" when the answer is anything but a 32-digit data answer.
std::string ReadBlock(AppState& state, LinkServices& services, std::uint16_t address);

// Sends a complete write command (carriage return included; TryWriteBlock): "0"
// when the radio acknowledged it, "-1" after "Read/Write Error".
std::string WriteBlock(AppState& state, LinkServices& services, const std::string& command);

} // namespace kvr27
