#pragma once
// What must hold after every Data menu command of the soak, whatever fault the
// radio showed: an image wholly the radio's or wholly the earlier one, one message
// per failed transfer, a radio changed only in the blocks a write reached, the port
// still open on the chosen COM number.
#include "RadioEmulator.h"
#include "commands/AppState.h"
#include "commands/CommandReport.h"
#include "support/RecordingMessageSink.h"

#include <string>
#include <string_view>
#include <vector>

namespace kvr27::soak {

enum class CommandKind { ReadAll, ReadVfo, ReadMemory, WriteAll, WriteVfo, WriteMemory };

// "Read > All" ... "Write > Memory Mode".
std::string_view CommandName(CommandKind kind);
bool IsRead(CommandKind kind);

// One command: the state and the radio before it, what the same command gives on
// the in-process radio without a fault (the whole success) and with the same fault,
// and what the program and the radio on the pseudo-terminal hold after it.
struct CommandRun {
    CommandKind Kind = CommandKind::ReadAll;
    AppState Before;
    sim::RadioEmulator::Memory MemoryBefore{};
    AppState Success;
    sim::RadioEmulator::Memory MemorySuccess{};
    bool FaultExpectedToFail = false;   // the in-process run with the same fault failed
    AppState After;
    sim::RadioEmulator::Memory MemoryAfter{};
    std::vector<std::string> Received;  // commands the radio received during the command
    std::vector<test::ShownMessage> Shown; // messages and questions during the command
    bool PortOpen = false;
    bool Failed = false; // the command ended in failure
};

// Whether the command ended in failure (its first failed transfer is kept).
bool Failed(const CommandReport& report);

// The faults found, each a line of plain words; none when all is well.
std::vector<std::string> CheckCommand(const CommandRun& run);

} // namespace kvr27::soak
