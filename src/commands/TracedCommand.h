#pragma once
// The trace of one transfer command (Data > Exchange Trace, kvr27 --trace): the
// command's exchanges go through a port that records them, and the trace is saved
// as one file when the command ends, whether its transfers succeeded or not, when
// the command exchanged anything.
#include "commands/CommandReport.h"
#include "core/DatedFiles.h"
#include "link/ExchangeTrace.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

namespace kvr27 {

// How many traces the folder keeps; the oldest go first.
inline constexpr int KeptTraces = 50;
// The folder of the dated traces in the data folder, and their name and extension.
inline constexpr const char* TraceFolderName = "traces";
inline constexpr const char* TraceBaseName = "trace";
inline constexpr const char* TraceExtension = ".txt";

class CommandTrace {
public:
    // Records the exchanges on `port` when `on`; otherwise port() is `port` itself.
    // With `timed` each line says how long its exchange took (fast transfers).
    CommandTrace(Port& port, bool on, TraceClock clock, bool timed = false);
    Port& port();
    // Saves the trace, when one was kept and holds an exchange, as `file`, or when `file` is empty as a
    // new dated file in `folder` ("trace-2026-12-07-101530.txt", made atomically,
    // "-2" ... for a second one in the same second; the KeptTraces newest stay); the
    // file goes to files.Trace, or why not (naming the file) to files.TraceProblem.
    void save(const std::filesystem::path& file, const std::filesystem::path& folder, CommandFiles& files);

private:
    Port& port_;
    std::chrono::system_clock::time_point began_;
    std::unique_ptr<TracingPort> tracing_;
};

} // namespace kvr27
