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
#include "PtyRadio.h"
#include "RandomRadio.h"
#include "SoakChecks.h"
#include "image/ChannelGrid.h"
#include "image/ModelRules.h"
#include "image/VfoCodec.h"
#include "platform/QtPort.h"
#include "platform/QtWaiter.h"

#include <QCoreApplication>

#include <pthread.h>

#include <array>
#include <chrono>
#include <csignal>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

using namespace kvr27;
using namespace kvr27::soak;
using sim::Fault;
using Memory = sim::RadioEmulator::Memory;
using Clock = std::chrono::steady_clock;

namespace {

constexpr auto LateBy = std::chrono::milliseconds(150);
// Long enough for a late answer to reach the line before the radio stops.
constexpr auto SettleAfterDelay = std::chrono::milliseconds(350);

constexpr std::array<Fault, 8> Faults = {Fault::Silence, Fault::ShortAnswer, Fault::LongAnswer, Fault::Error,
                                         Fault::Payload, Fault::NonHex,      Fault::Delay,      Fault::HangUp};
// In the order of sim::Fault; a wrong store is a radio fault the read-back reports, not soaked.
constexpr std::array<const char*, 10> FaultNames = {"none",    "silence", "short", "long",   "err",
                                                    "payload", "nonhex",  "delay", "hangup", "wrongstore"};
constexpr std::array<test::DataCommand, 6> Commands = {test::ReadAll,  test::ReadVfo,  test::ReadMemory,
                                                       test::WriteAll, test::WriteVfo, test::WriteMemory};
constexpr std::array<const char*, 6> CommandNames = {"Read > All",  "Read > Vfo Mode",  "Read > Memory Mode",
                                                     "Write > All", "Write > Vfo Mode", "Write > Memory Mode"};

// The stop signal of the radio thread's wait is blocked in every thread, so it is
// only taken inside PtyRadio's wait (which unblocks it); its handler sets the flag
// PtyRadio checks.
volatile std::sig_atomic_t StopRequested = 0;
sigset_t WaitMask;

// A new radio with `memory` on a new pseudo-terminal reached through COM option
// `comIndex`, answered by a thread of this process while a command runs. Between
// commands the thread is stopped, so the soak can look at the radio and switch its
// fault without sharing anything with a running thread.
class ThreadRadio {
public:
    ThreadRadio(const Memory& memory, int comIndex) : pty_(radio, true, LateBy)
    {
        static std::once_flag once;
        std::call_once(once, [] {
            struct sigaction action {};
            action.sa_handler = [](int) { StopRequested = 1; };
            sigaction(SIGUSR1, &action, nullptr);
            sigset_t stop;
            sigemptyset(&stop);
            sigaddset(&stop, SIGUSR1);
            pthread_sigmask(SIG_BLOCK, &stop, &WaitMask);
            sigdelset(&WaitMask, SIGUSR1);
        });
        radio.memory() = memory;
        if (const PortOpening opened = pty_.open(); !opened.ok()) {
            std::cerr << "cannot make a pseudo-terminal: " << opened.Reason << '\n';
            std::exit(2);
        }
        qputenv(("KVR27_COM" + std::to_string(comIndex + 1)).c_str(), QByteArray::fromStdString(pty_.devicePath()));
    }
    ~ThreadRadio() { stop(); }

    void start()
    {
        StopRequested = 0;
        thread_ = std::thread([this] { pty_.run(StopRequested, WaitMask); });
    }
    // Keeps answering for `settle` more (so late characters reach the line), then
    // stops. A radio that hung up has stopped on its own.
    void stop(std::chrono::milliseconds settle = {})
    {
        if (!thread_.joinable())
            return;
        std::this_thread::sleep_for(settle);
        pthread_kill(thread_.native_handle(), SIGUSR1);
        thread_.join();
    }

    sim::RadioEmulator radio; // touch it only while the thread is stopped

private:
    sim::PtyRadio pty_;
    std::thread thread_;
};

struct Options {
    std::optional<int> count, seconds;
    std::uint64_t seed = std::random_device{}();
    int model = 0;
};

std::optional<Options> ParseOptions(const QStringList& args)
{
    Options options;
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

bool Failed(const CommandReport& report) { return report.Transfer && !report.Transfer->Result.ok(); }

// The same command on the in-process radio: its exchanges, and the state and memory
// it leaves in `run` (as the whole run without a fault); whether it failed.
bool RunInProcess(CommandRun& run, Fault fault, int after, const std::string& payload, std::size_t* exchanges)
{
    test::LinkRig rig;
    rig.state = run.Before;
    rig.state.Link = LinkState{};
    rig.radio.memory() = run.MemoryBefore;
    rig.radio.setFault(fault, after, payload);
    const bool failed = Failed(rig.run(Commands[static_cast<std::size_t>(run.Kind)]));
    if (exchanges) {
        *exchanges = rig.radio.commands().size();
        run.Success = rig.state;
        run.MemorySuccess = rig.radio.memory();
    }
    return failed;
}

// A payload no read takes for data (never 32 hex digits), some of which a write
// takes for its acknowledgement (2 or 3 characters not beginning with "ERR").
std::string RandomPayload(Random& random)
{
    static constexpr std::string_view Characters = "0123456789ABCDEFERR OKok\r\nxyz~";
    static constexpr std::array<int, 10> Lengths = {0, 1, 2, 2, 3, 3, 4, 31, 33, 36};
    std::string text;
    for (int i = Lengths[static_cast<std::size_t>(Between(random, 0, 9))]; i > 0; --i)
        text += Characters[static_cast<std::size_t>(Between(random, 0, static_cast<int>(Characters.size()) - 1))];
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
    return codes[static_cast<std::size_t>(Between(random, 0, static_cast<int>(codes.size()) - 1))];
}

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
    const std::uint8_t modelCode = RandomModelCode(random, state.Image.ModelName);
    auto radio = std::make_unique<ThreadRadio>(sim::MemoryOfImage(RandomRadioImage(random, options->model, modelCode)), 0);

    QtPort port{SystemSerialDeviceLookup({})};
    QtWaiter waiter;
    test::RecordingMessageSink messages;
    test::RecordingProgress progress;
    LinkServices services{port, waiter, messages, progress};

    int commands = 0, failedCommands = 0, problemCount = 0, portSwitches = 0;
    // Per fault: injected, and of these the answers the program rightly took as valid.
    std::map<std::string, std::pair<int, int>> byFault;
    const auto start = Clock::now();
    while (options->count ? commands < *options->count : Clock::now() - start < std::chrono::seconds(*options->seconds)) {
        CommandRun run;
        run.Kind = static_cast<CommandKind>(Between(random, 0, 5));
        sim::RadioEmulator& emulator = radio->radio;
        // Reads meet new radio contents, writes new edits, so both really change something.
        if (IsRead(run.Kind) && Chance(random, 0.8))
            emulator.memory() = sim::MemoryOfImage(RandomRadioImage(random, options->model, modelCode));
        if (!IsRead(run.Kind)) {
            EditImage(random, state.Image);
            test::RecordingMessageSink silent;
            FillVfoWindow(state.Image, state.Vfo, silent);
            RefreshChannelGrid(state.Image, state.Grid);
        }
        state.Image.SettingsChanged = Chance(random, 0.5);
        run.Before = state;
        run.MemoryBefore = emulator.memory();
        std::size_t exchanges = 0;
        RunInProcess(run, Fault::None, 0, {}, &exchanges);

        // A fault at a random exchange of four commands in five.
        Fault fault = Fault::None;
        int position = 0;
        std::string payload;
        if (!Chance(random, 0.2) && exchanges > 0) {
            fault = Faults[static_cast<std::size_t>(Between(random, 0, Faults.size() - 1))];
            position = Between(random, 0, static_cast<int>(exchanges) - 1);
            if (fault == Fault::Payload)
                payload = RandomPayload(random);
        }
        run.FaultExpectedToFail = RunInProcess(run, fault, position, payload, nullptr);

        const std::size_t received = emulator.commands().size(), shown = messages.shown.size();
        emulator.setFault(fault, static_cast<int>(received) + position, payload);
        const auto began = Clock::now();
        radio->start();
        const CommandReport report = test::RunCommand(Commands[static_cast<std::size_t>(run.Kind)], state, services);
        radio->stop(fault == Fault::Delay ? SettleAfterDelay : std::chrono::milliseconds(0));
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - began);

        run.After = state;
        run.MemoryAfter = emulator.memory();
        run.Received.assign(emulator.commands().begin() + static_cast<std::ptrdiff_t>(received), emulator.commands().end());
        run.Shown.assign(messages.shown.begin() + static_cast<std::ptrdiff_t>(shown), messages.shown.end());
        run.PortOpen = port.isOpen();
        run.Failed = Failed(report);
        const std::vector<std::string> problems = CheckCommand(run);

        ++commands;
        failedCommands += run.Failed ? 1 : 0;
        auto& [injected, taken] = byFault[FaultNames[static_cast<std::size_t>(fault)]];
        ++injected;
        taken += fault != Fault::None && !run.Failed ? 1 : 0;
        problemCount += static_cast<int>(problems.size());
        std::cout << commands << ". " << CommandNames[static_cast<std::size_t>(run.Kind)] << ", fault "
                  << FaultNames[static_cast<std::size_t>(fault)];
        if (fault != Fault::None)
            std::cout << " after " << position << " of " << exchanges << " exchanges";
        if (fault == Fault::Payload)
            std::cout << " (\"" << QByteArray::fromStdString(payload).toPercentEncoding().toStdString() << "\")";
        std::cout << ": " << (run.Failed ? "failed" : "ok") << ", " << run.Received.size() << " exchanges, "
                  << took.count() << " ms" << (problems.empty() ? "" : "  <-- FAULT") << std::endl;
        for (const std::string& problem : problems)
            std::cout << "    " << problem << std::endl;

        if (emulator.hungUp()) {
            // Plugged in again, behind the other COM option.
            state.ComIndex = 1 - state.ComIndex;
            radio = std::make_unique<ThreadRadio>(emulator.memory(), state.ComIndex);
            ++portSwitches;
        }
    }

    std::cout << "\n" << commands << " commands, " << failedCommands << " failed, " << portSwitches
              << " radios plugged in again after a hang-up, "
              << std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - start).count() << " s\n";
    std::cout << "faults (of which the program rightly took the answer as valid):";
    for (const auto& [name, counts] : byFault)
        std::cout << ' ' << name << ' ' << counts.first << " (" << counts.second << ')';
    std::cout << "\nseed " << options->seed << ": " << problemCount
              << (problemCount == 0 ? " problems: no lost or mixed image" : " problems") << std::endl;
    return problemCount == 0 ? 0 : 1;
}
