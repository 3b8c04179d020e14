#pragma once
// A program state wired to the in-process emulated radio, with recorded messages
// and progress texts.
#include "EmulatedPort.h"
#include "RadioEmulator.h"
#include "commands/AppState.h"
#include "commands/RadioCommands.h"
#include "link/BlockExchange.h"
#include "link/LinkServices.h"
#include "support/RecordingMessageSink.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kvr27::test {

class RecordingProgress : public ProgressSink {
public:
    void showProgress(ProgressTarget target, const std::string& text) override { shown.emplace_back(target, text); }

    std::vector<std::pair<ProgressTarget, std::string>> shown;
};

// The tests of the transfers' own exchanges run without the Data menu's safeguards
// (verify, backup, trace); the tests of the safeguards switch them on.
inline constexpr TransferSafeguards NoSafeguards{false, false, false};

// A command of the Data menu: Read or Write > All, Vfo Mode or Memory Mode.
struct DataCommand {
    bool Write = false;
    RadioParts Parts = RadioParts::All;
};
inline constexpr DataCommand ReadAll{false, RadioParts::All}, ReadVfo{false, RadioParts::Vfo},
    ReadMemory{false, RadioParts::Memory}, WriteAll{true, RadioParts::All}, WriteVfo{true, RadioParts::Vfo},
    WriteMemory{true, RadioParts::Memory};

// The command of a data file's row, named as above ("ReadAll" ... "WriteMemory").
DataCommand DataCommandNamed(std::string_view name);
// The fault of a data file's row, named as kvr27-sim's --fault names it; "payload":
// the Payload fault; "": none.
sim::Fault FaultNamed(const std::string& name);

// Runs `command` as the main window does; with `confirmed` a write does not ask
// the overwrite question (as kvr27 --yes), so only its transfer shows messages.
CommandReport RunCommand(DataCommand command, AppState& state, LinkServices& services, bool confirmed = false,
                         ProgressTarget target = ProgressTarget::Main);

struct LinkRig {
    // The start-up state of the model of start window option `option`, and a radio
    // reporting `radioCode`, without safeguards.
    explicit LinkRig(int option = 0, std::uint8_t radioCode = 6);

    // Puts 32 hex digits into the radio's memory at `address`.
    void putBlock(std::uint16_t address, std::string_view digits);
    // Write commands the radio received (reads left out).
    std::vector<std::string> writes() const;
    // The link session of the chosen COM option, for single exchanges.
    LinkSession session() { return {services, state.Link, state.ComIndex + 1}; }
    // RunCommand on this rig.
    CommandReport run(DataCommand command, bool confirmed = false, ProgressTarget target = ProgressTarget::Main)
    {
        return RunCommand(command, state, services, confirmed, target);
    }

    AppState state;
    sim::RadioEmulator radio;
    sim::EmulatedPort port{radio};
    RecordingMessageSink messages;
    RecordingProgress progress;
    LinkServices services{port, port, messages, progress};
};

// Settings of a KV-R27PA radio: VFO at 434.10000 MHz, channels 0 (LPD), 5 (PMR 3)
// and 40 (LPD) enabled, channel 7 filled but disabled, current channel 6.
void LoadKnownRadio(LinkRig& rig);

} // namespace kvr27::test
