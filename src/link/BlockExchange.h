#pragma once
// The three link operations every transfer is built from, on the link state alone:
// make sure the chosen COM port is open, and exchange one read or write command
// with the radio. Each says how it ended.
#include "core/UserText.h"
#include "link/LinkResult.h"
#include "link/LinkServices.h"
#include "link/LinkState.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace kvr27 {

inline constexpr const char* CantOpenPortMessage = KVR27_TEXT("Messages", "Can't open com Port");
inline constexpr const char* ReadWriteErrorMessage = KVR27_TEXT("Messages", "Read/Write Error");

// What a transfer needs besides the image: the services, the link state kept
// between transfers and the COM number (1..5) chosen.
struct LinkSession {
    LinkServices& Services;
    LinkState& State;
    int ComNumber = 1;
    // How the user named the port when not by its COM number (a device path given
    // to kvr27); empty: "COMn (device)".
    std::string PortName = {};
    // Fast mode: an exchange ends once a whole answer has come and nothing more
    // follows for FastGuard, or at the tick. Characters that come after an answer
    // it accepted, before the next command, fail it as the normal pace would. The
    // first exchange that fails in fast mode (but for a device gone) is repeated
    // once, one tick later, at the normal pace, and the session keeps the normal
    // pace from then on.
    bool Fast = false;
    // The command of the exchange after which the session slowed down ("" while it
    // has not).
    std::string SlowedAfter = {};
    // How many exchanges at the normal pace failed once and then succeeded when
    // repeated (every failed exchange is repeated once, one tick later).
    int Repeated = 0;
    // The last exchange accepted at the fast pace and the payload it handed on, to
    // be failed and repeated if characters follow its answer ("" once the next
    // exchange has begun).
    std::string FastAccepted = {};
    std::string FastAcceptedPayload = {};
};

// How long a fast exchange waits after a whole answer for characters that would
// make it longer: a few character times at 9600 baud.
inline constexpr std::chrono::microseconds FastGuard{3500};

// Makes sure the port of COM number session.ComNumber is open. A port already open
// on the same number is not touched; one open on another number is closed first,
// and one that closed itself (its device went away) is opened afresh.
// On failure "Can't open com Port" is shown, and the port's name and the system's
// reason go to the target's status bar, to State.PortProblem and to the result's Detail.
LinkResult OpenLinkPort(LinkSession& session, ProgressTarget target);

// Reads the 16 bytes at `address` into `digits` (32 hex digits). Anything but a
// 32-digit data answer fails after "Read/Write Error", with `digits` untouched;
// an exchange that fails is repeated once before that. A fast read whose answer
// the next exchange finds followed by more characters fails there, under its own
// command, unless its repeat gives the same digits.
// A port that lost its device during the exchange fails as DeviceGone: the port is
// then closed (State.OpenPortNumber is NoPortOpen), so the next transfer opens it
// afresh and finds the device again once it is back.
LinkResult TryReadBlock(LinkSession& session, std::uint16_t address, std::string& digits);

// Sends a complete write command (carriage return included); fails after
// "Read/Write Error" unless the radio acknowledged it. A lost device as above.
LinkResult TryWriteBlock(LinkSession& session, const std::string& command);

} // namespace kvr27
