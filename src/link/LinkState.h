#pragma once
// What the program knows about the serial link between transfers.
#include "link/TransferOutcome.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kvr27 {

inline constexpr std::uint8_t NoPortOpen = 255;

struct LinkState {
    std::uint8_t OpenPortNumber = NoPortOpen; // COM number 1..5 that is open, or NoPortOpen
    // The device and the system's reason when the last open failed ("" otherwise),
    // shown in the status bar so the user can tell a missing cable from a refused one.
    std::string PortProblem;
    // Set by the user's Cancel while a read runs; the read ends before its next
    // exchange. Writes never look at it.
    bool CancelRequested = false;
    // How the command's transfers ended: the first failure, else the last success;
    // nothing when no transfer ran.
    std::optional<TransferOutcome> LastTransfer;
    // The backup and the trace the command left ("" when none), named in its note.
    std::string BackupFile;
    std::string TraceFile;
    // Why the command's trace could not be saved ("" when it was or none was kept).
    std::string TraceProblem;

    // Forgets the last outcome and any cancel, before a command that may transfer.
    void beginCommand()
    {
        CancelRequested = false;
        LastTransfer.reset();
        BackupFile.clear();
        TraceFile.clear();
        TraceProblem.clear();
    }
    // Whether the command's transfer ended by the user's Cancel.
    bool cancelled() const { return LastTransfer && LastTransfer->Result.Fault == LinkFault::Cancelled; }
};

} // namespace kvr27
