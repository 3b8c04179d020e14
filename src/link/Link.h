#pragma once
// The three link operations every transfer is built from: make sure the chosen COM
// port is open, and exchange one read or write command with the radio.
#include "core/AppState.h"
#include "link/LinkServices.h"

#include <cstdint>
#include <string>

namespace kvr27 {

inline constexpr const char* CantOpenPortMessage = "Can't open com Port";
inline constexpr const char* ReadWriteErrorMessage = "Read/Write Error";

// Results of exchanges and transfers.
inline constexpr const char* LinkSuccess = "0";
inline constexpr const char* LinkFailure = "-1";

// Makes sure the port of the selected COM option (ComIndex + 1) is open: 1 when it
// is, -1 after "Can't open com Port". A port already open on the same number is not
// touched; one open on another number is closed first. On failure the device and
// the system's reason go to the target's status bar and to Link.PortProblem.
int OpenComPort(AppState& state, LinkServices& services, ProgressTarget target);

// Reads the 16 bytes at `address`: their 32 digits, or "-1" after "Read/Write
// Error" when the answer is anything but a 32-digit data answer.
std::string ReadBlock(LinkServices& services, std::uint16_t address);

// Sends a complete write command (carriage return included): "0" when the radio
// acknowledged it, "-1" after "Read/Write Error".
std::string WriteBlock(LinkServices& services, const std::string& command);

} // namespace kvr27
