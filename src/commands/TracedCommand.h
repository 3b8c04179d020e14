#pragma once
// A transfer command of the windows, traced when the user asked for it (Data >
// Exchange Trace): the command runs on a port that records its exchanges, and the
// trace is saved as one file per command in <data folder>/traces.
#include "commands/AppState.h"
#include "link/ExchangeTrace.h"
#include "link/LinkServices.h"

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

namespace kvr27 {

// The name of a trace made at local time `when`: "trace-2026-12-07-101530.txt".
std::string TraceFileName(const std::tm& when);

// How many traces the folder keeps; the oldest go first.
inline constexpr int KeptTraces = 50;

// Saves `text` atomically as a new file in `folder` (made when missing), named
// after `when`, with "-2", "-3" ... before ".txt" when that name is taken; the
// KeptTraces newest traces stay. The file's path, or "" and the reason in `problem`.
std::filesystem::path SaveTraceFile(const std::filesystem::path& folder, const std::tm& when, const std::string& text,
                                    std::string& problem);

// Runs `command` with `services`. With state.Safeguards.TraceExchanges on, the
// command's port is a TracingPort over services.port, and the trace is saved
// afterwards, whether the transfer succeeded or not, in state.DataFolder /
// "traces"; LinkState::TraceFile names it, or LinkState::TraceProblem says why it
// was not saved (the transfer's own outcome stays as it was).
void RunTracedCommand(AppState& state, LinkServices& services, const std::function<void(LinkServices&)>& command,
                      TraceClock clock = SteadyTraceClock());

} // namespace kvr27
