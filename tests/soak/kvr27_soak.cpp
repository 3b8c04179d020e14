// kvr27-soak: a long series of Data menu commands through the program's own serial
// port code (QtPort, QtWaiter) against the radio emulator on a pseudo-terminal,
// with a fault of the radio at a random exchange of most commands. After each
// command it checks what must hold whatever the radio did (SoakChecks) and prints
// a line; at the end the figures. The seed is printed so a failure can be replayed.
//
//   kvr27-soak [--count N | --seconds S] [--seed N] [--model OPTION]
//
// A hang-up leaves that radio silent for good: the soak then puts a new radio with
// the same memory on a new pseudo-terminal behind the other COM option (COM1 and
// COM2 take turns), as a user would plug the radio in again, and the next command
// must close the old port and open the new one.
#include "DemoRadio.h"
#include "LinkRig.h"
#include "RandomRadio.h"
#include "SoakChecks.h"
#include "ThreadRadio.h"
#include "image/ChannelGrid.h"
#include "image/ModelRules.h"
#include "image/VfoCodec.h"
#include "platform/QtPort.h"
#include "platform/QtWaiter.h"

#include <QCoreApplication>

#include <array>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

using namespace kvr27;
using namespace kvr27::soak;
using sim::Fault;
using Memory = sim::RadioEmulator::Memory;
using Clock = std::chrono::steady_clock;

namespace {

constexpr auto LateBy = std::chrono::milliseconds(150);
// Long enough for a late answer to reach the line before the radio stops.
constexpr auto SettleAfterDelay = std::chrono::milliseconds(350);
// The share of commands run without a fault.
constexpr double NoFaultShare = 0.2;

struct Options {
    std::optional<int> count;
    std::optional<int> seconds;
    std::uint64_t seed = 0;
    int model = 0;
};

constexpr std::array<Fault, 8> Faults = {Fault::Silence, Fault::ShortAnswer, Fault::LongAnswer, Fault::Error,
                                         Fault::Payload, Fault::NonHex,      Fault::Delay,      Fault::HangUp};

// In the order of sim::Fault; a wrong store is a radio fault the read-back reports, not soaked.
const char* FaultName(Fault fault)
{
    static constexpr std::array<const char*, 10> Names = {"none",   "silence", "short",  "long",   "err",
                                                          "payload", "nonhex", "delay", "hangup", "wrongstore"};
    return Names[static_cast<std::size_t>(fault)];
}

std::optional<Options> ParseOptions(const QStringList& args)
{
    Options options;
    options.seed = std::random_device{}();
    bool ok = args.size() % 2 == 1;
    for (int i = 1; ok && i + 1 < args.size(); i += 2) {
        const QString& value = args[i + 1];
        if (args[i] == "--count")
            options.count = value.toInt(&ok);
        else if (args[i] == "--seconds")
            options.seconds = value.toInt(&ok);
        else if (args[i] == "--seed")
            options.seed = value.toULongLong(&ok);
        else if (args[i] == "--model")
            options.model = value.toInt(&ok);
        else
            ok = false;
    }
    if (!ok || options.count.has_value() == options.seconds.has_value() || options.model < 0 || options.model > 4)
        return std::nullopt;
    return options;
}

CommandReport RunCommand(CommandKind kind, AppState& state, LinkServices& services)
{
    static constexpr std::array<test::DataCommand, 6> Commands = {test::ReadAll,  test::ReadVfo,  test::ReadMemory,
                                                                  test::WriteAll, test::WriteVfo, test::WriteMemory};
    return test::RunCommand(Commands[static_cast<std::size_t>(kind)], state, services);
}

// The same command on the in-process radio: its exchanges, the state and memory it
// leaves, whether it failed.
struct InProcessRun {
    std::size_t exchanges = 0;
    AppState state;
    Memory memory{};
    bool failed = false;
};

InProcessRun RunInProcess(CommandKind kind, const AppState& state, const Memory& memory, Fault fault, int after,
                          const std::string& payload)
{
    test::LinkRig rig;
    rig.state = state;
    rig.state.Link = LinkState{};
    rig.radio.memory() = memory;
    rig.radio.setFault(fault, after, payload);
    const bool failed = Failed(RunCommand(kind, rig.state, rig.services));
    return {rig.radio.commands().size(), rig.state, rig.radio.memory(), failed};
}

// A payload no read takes for data (never 32 hex digits), some of which a write
// takes for its acknowledgement (2 or 3 characters not beginning with "ERR").
std::string RandomPayload(Random& random)
{
    static constexpr std::string_view Characters = "0123456789ABCDEFERR OKok\r\nxyz~";
    static constexpr std::array<int, 10> Lengths = {0, 1, 2, 2, 3, 3, 4, 31, 33, 36};
    const int length = Lengths[std::uniform_int_distribution<std::size_t>(0, Lengths.size() - 1)(random)];
    std::string text;
    for (int i = 0; i < length; ++i)
        text += Characters[std::uniform_int_distribution<std::size_t>(0, Characters.size() - 1)(random)];
    return text;
}

std::uint8_t RandomModelCode(Random& random, std::string_view modelName)
{
    std::vector<std::uint8_t> codes;
    for (int code = 0; code < 256; ++code) {
        if (CodeBelongsToModel(modelName, static_cast<std::uint8_t>(code)) && !ModelNameOfCode(code).empty())
            codes.push_back(static_cast<std::uint8_t>(code));
    }
    if (codes.empty())
        return StartupModelForOption(0).ModelCode;
    return codes[std::uniform_int_distribution<std::size_t>(0, codes.size() - 1)(random)];
}

// A new radio with `memory` on a new pseudo-terminal, reached through COM option
// `comIndex`.
std::unique_ptr<ThreadRadio> PlugInRadio(const Memory& memory, int comIndex)
{
    auto radio = std::make_unique<ThreadRadio>(memory, LateBy);
    if (const PortOpening opened = radio->open(); !opened.ok()) {
        std::cerr << "cannot make a pseudo-terminal: " << opened.Reason << '\n';
        std::exit(2);
    }
    qputenv(("KVR27_COM" + std::to_string(comIndex + 1)).c_str(), QByteArray::fromStdString(radio->device()));
    return radio;
}

struct Figures {
    int commands = 0;
    int failedCommands = 0;
    int problems = 0;
    // Per fault: injected, and of these the answers the program rightly took as valid.
    std::map<std::string, std::pair<int, int>> byFault;
    int portSwitches = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const auto options = ParseOptions(app.arguments());
    if (!options) {
        std::cerr << "usage: kvr27-soak (--count N | --seconds S) [--seed N] [--model 0-4]\n";
        return 2;
    }
    Random random(options->seed);
    std::cout << "kvr27-soak: seed " << options->seed << ", model option " << options->model << std::endl;

    AppState state;
    StartWithModel(state, options->model);
    // Writes are read back, as in the program; the backup read before a write is
    // left out (it is a Read > All, soaked as such, and would triple each write).
    state.Safeguards = {true, false, false};
    std::uint8_t modelCode = RandomModelCode(random, state.Image.ModelName);
    auto radio = PlugInRadio(sim::MemoryOfImage(RandomRadioImage(random, options->model, modelCode)), 0);

    QtPort port{SystemSerialDeviceLookup({})};
    QtWaiter waiter;
    test::RecordingMessageSink messages;
    test::RecordingProgress progress;
    LinkServices services{port, waiter, messages, progress};

    Figures figures;
    const auto start = Clock::now();
    while (options->count ? figures.commands < *options->count
                          : Clock::now() - start < std::chrono::seconds(*options->seconds)) {
        const auto kind = static_cast<CommandKind>(std::uniform_int_distribution<int>(0, 5)(random));
        sim::RadioEmulator& emulator = radio->radio();
        // Reads meet new radio contents, writes new edits, so both really change something.
        if (IsRead(kind) && std::bernoulli_distribution(0.8)(random))
            emulator.memory() = sim::MemoryOfImage(RandomRadioImage(random, options->model, modelCode));
        if (!IsRead(kind)) {
            EditImage(random, state.Image);
            test::RecordingMessageSink silent;
            FillVfoWindow(state.Image, state.Vfo, silent);
            RefreshChannelGrid(state.Image, state.Grid);
        }
        state.Image.SettingsChanged = std::bernoulli_distribution(0.5)(random);

        CommandRun run;
        run.Kind = kind;
        run.Before = state;
        run.MemoryBefore = emulator.memory();
        const InProcessRun whole = RunInProcess(kind, state, run.MemoryBefore, Fault::None, 0, {});
        run.Success = whole.state;
        run.MemorySuccess = whole.memory;

        Fault fault = Fault::None;
        int position = 0;
        std::string payload;
        if (!std::bernoulli_distribution(NoFaultShare)(random) && whole.exchanges > 0) {
            fault = Faults[std::uniform_int_distribution<std::size_t>(0, Faults.size() - 1)(random)];
            position = std::uniform_int_distribution<int>(0, static_cast<int>(whole.exchanges) - 1)(random);
            if (fault == Fault::Payload)
                payload = RandomPayload(random);
        }
        run.FaultExpectedToFail = RunInProcess(kind, state, run.MemoryBefore, fault, position, payload).failed;

        const std::size_t received = emulator.commands().size();
        const std::size_t shown = messages.shown.size();
        emulator.setFault(fault, static_cast<int>(received) + position, payload);
        const auto began = Clock::now();
        radio->start();
        const CommandReport report = RunCommand(kind, state, services);
        radio->stop(fault == Fault::Delay ? SettleAfterDelay : std::chrono::milliseconds(0));
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - began);

        run.After = state;
        run.MemoryAfter = emulator.memory();
        run.Received.assign(emulator.commands().begin() + static_cast<std::ptrdiff_t>(received), emulator.commands().end());
        run.Shown.assign(messages.shown.begin() + static_cast<std::ptrdiff_t>(shown), messages.shown.end());
        run.PortOpen = port.isOpen();
        run.Failed = Failed(report);
        const std::vector<std::string> problems = CheckCommand(run);

        const bool failed = run.Failed;
        ++figures.commands;
        figures.failedCommands += failed ? 1 : 0;
        auto& [injected, taken] = figures.byFault[FaultName(fault)];
        ++injected;
        taken += fault != Fault::None && !failed ? 1 : 0;
        figures.problems += static_cast<int>(problems.size());
        std::cout << figures.commands << ". " << CommandName(kind) << ", fault " << FaultName(fault);
        if (fault != Fault::None)
            std::cout << " after " << position << " of " << whole.exchanges << " exchanges";
        if (fault == Fault::Payload)
            std::cout << " (\"" << QByteArray::fromStdString(payload).toPercentEncoding().toStdString() << "\")";
        std::cout << ": " << (failed ? "failed" : "ok") << ", " << run.Received.size() << " exchanges, "
                  << took.count() << " ms" << (problems.empty() ? "" : "  <-- FAULT") << std::endl;
        for (const std::string& problem : problems)
            std::cout << "    " << problem << std::endl;

        if (emulator.hungUp()) {
            // Plugged in again, behind the other COM option.
            const Memory memory = emulator.memory();
            state.ComIndex = 1 - state.ComIndex;
            radio = PlugInRadio(memory, state.ComIndex);
            ++figures.portSwitches;
        }
    }

    std::cout << "\n" << figures.commands << " commands, "
              << figures.failedCommands << " failed, " << figures.portSwitches
              << " radios plugged in again after a hang-up, "
              << std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - start).count() << " s\n";
    std::cout << "faults (of which the program rightly took the answer as valid):";
    for (const auto& [name, counts] : figures.byFault)
        std::cout << ' ' << name << ' ' << counts.first << " (" << counts.second << ')';
    std::cout << "\nseed " << options->seed << ": " << figures.problems
              << (figures.problems == 0 ? " problems: no lost or mixed image" : " problems") << std::endl;
    return figures.problems == 0 ? 0 : 1;
}
