#pragma once
// What must hold after every Data menu command of the soak, whatever fault the
// radio showed: an image wholly the radio's or wholly the earlier one, one message
// per failed transfer, a radio changed only in the blocks a write reached, the port
// still open on the chosen COM number.
#include "RadioEmulator.h"
#include "commands/AppState.h"
#include "support/RecordingMessageSink.h"

#include <string>
#include <vector>

namespace kvr27::soak {

enum class CommandKind { ReadAll, ReadVfo, ReadMemory, WriteAll, WriteVfo, WriteMemory };
inline bool IsRead(CommandKind kind) { return kind <= CommandKind::ReadMemory; }

// One command: the state and the radio before it, what the same command gives on
// the in-process radio without a fault (the whole success) and with the same fault,
// and what the program and the radio on the pseudo-terminal hold after it.
struct CommandRun {
    CommandKind Kind = CommandKind::ReadAll;
    AppState Before, Success, After;
    sim::RadioEmulator::Memory MemoryBefore{}, MemorySuccess{}, MemoryAfter{};
    bool FaultExpectedToFail = false;      // the in-process run with the same fault failed
    std::vector<std::string> Received;     // commands the radio received during the command
    std::vector<test::ShownMessage> Shown; // messages and questions during the command
    bool PortOpen = false;
    bool Failed = false; // the command ended in failure
};

// The faults found, each a line of plain words; none when all is well.
std::vector<std::string> CheckCommand(const CommandRun& run);

} // namespace kvr27::soak
