#pragma once
// The radio at the end of --port: the program's serial port (QtPort) and one-tick
// wait (QtWaiter), with the link state of this run. "COM1" to "COM5" open the
// devices the main program maps them to (with the user's port assignments); any other
// argument with a "/" is a device path, opened as COM1 and named as itself.
#include "CliJob.h"
#include "link/BlockExchange.h"
#include "link/ExchangeTrace.h"
#include "platform/QtPort.h"
#include "platform/QtWaiter.h"

#include <memory>
#include <optional>
#include <string>

namespace kvr27::cli {

class CliRadio {
public:
    // The radio of --port, or nothing after the one-line error for a missing or
    // unknown port argument.
    static std::unique_ptr<CliRadio> Open(CliJob& job);

    // `portName`: how messages name the port; empty for "COMn (device)".
    CliRadio(SerialDeviceLookup lookup, int comNumber, CliJob& job, std::string portName = {});
    // With --trace, writes the trace of every exchange into its file (once), and
    // gives the run's exit status: `code`, or ExitFailure when the trace could not be
    // written (told on standard error after what the run reported).
    int finish(int code);
    // Writes the trace when finish() was not called.
    ~CliRadio();
    CliRadio(const CliRadio&) = delete;
    CliRadio& operator=(const CliRadio&) = delete;

    LinkSession& session() { return session_; }

private:
    CliJob& job_;
    QtPort port_;
    QtWaiter waiter_;
    std::optional<std::string> traceFile_;
    std::unique_ptr<TracingPort> trace_; // over port_ with --trace, until it is written
    LinkServices services_;
    LinkState state_;
    LinkSession session_;
};

// Reads VFO and memory as Read > All does into `state` and fills its VFO form
// (with the messages of values the boxes refuse); the result of the first
// transfer that failed, or success.
LinkResult ReadWholeRadio(AppState& state, CliRadio& radio, CliJob& job);

} // namespace kvr27::cli
