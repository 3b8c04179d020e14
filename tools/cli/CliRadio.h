#pragma once
// The radio at the end of --port: the program's serial port (QtPort) and one-tick
// wait (QtWaiter). "COM1" to "COM5" open the devices the main program maps them to
// (with the user's port assignments); any other argument with a "/" is a device
// path, opened as COM1 and named as itself.
#include "CliJob.h"
#include "commands/RadioCommands.h"
#include "platform/QtPort.h"
#include "platform/QtWaiter.h"

#include <memory>
#include <string>

namespace kvr27::cli {

class CliRadio {
public:
    // The radio of --port, or nothing after the one-line error for a missing or
    // unknown port argument.
    static std::unique_ptr<CliRadio> Open(CliJob& job);

    // `portName`: how messages name the port; empty for "COMn (device)".
    CliRadio(SerialDeviceLookup lookup, int comNumber, CliJob& job, std::string portName = {});
    ~CliRadio();
    CliRadio(const CliRadio&) = delete;
    CliRadio& operator=(const CliRadio&) = delete;

    // Runs a transfer command on this radio as the Data menu does, with the
    // safeguards the command line asks for: --trace TRACE (every exchange, written
    // also when the command fails), and for a write the read-back unless
    // --no-verify, --backup BACKUP and --yes.
    CommandReport read(AppState& state, RadioParts parts);
    CommandReport write(AppState& state, RadioParts parts);
    // The run's exit status after `report`: `code`, or ExitFailure when its trace
    // could not be written (told on standard error after what the run reported).
    // A run that succeeded prints its summary first, unless -q: what, which radio
    // on which port, how long, and what was read or written ("read KV-R27PA (code
    // 6) on COM2 (/dev/ttyUSB1) in 10.9 s: the VFO settings, 5 channels in use").
    int finish(const CommandReport& report, int code);

private:
    RadioCommandOptions prepare(AppState& state);
    std::string summary(const CommandReport& report) const;

    CliJob& job_;
    QtPort port_;
    QtWaiter waiter_;
    std::unique_ptr<MessageSink> messages_;
    LinkServices services_;
    int comNumber_;
    std::string portName_;
    // The last command run: whether a write, its image, how long it took.
    bool wrote_ = false;
    const AppState* state_ = nullptr;
    double seconds_ = 0;
};

} // namespace kvr27::cli
