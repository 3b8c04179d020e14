// kvr27-soak: a long series of Data menu commands through the program's own serial
// port code (QtPort, QtWaiter) against the radio emulator on a pseudo-terminal,
// with a fault of the radio at a random exchange of most commands, for that one
// exchange (which the program repeats) or for good. After each
// command it checks what must hold whatever the radio did (CheckCommand) and prints
// a line; at the end the figures. The seed is printed so a failure can be replayed.
// Half the commands run in fast mode (Data > Fast Transfer), and the radio's
// answers come late by a random 0 to 20 ms, as through a USB adapter.
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
#include "image/ChannelGrid.h"
#include "image/Labels.h"
#include "image/ModelRules.h"
#include "image/Startup.h"
#include "image/VfoCodec.h"
#include "link/HexText.h"
#include "link/MemoryMap.h"
#include "support/ImageDifference.h"
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
#include <optional>
#include <random>
#include <set>
#include <thread>

using namespace kvr27;
using sim::Fault;
using Memory = sim::RadioEmulator::Memory;
using Clock = std::chrono::steady_clock;
using Random = std::mt19937_64;

namespace {

int Between(Random& random, int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
bool Chance(Random& random, double p) { return std::bernoulli_distribution(p)(random); }
std::uint8_t Code(Random& random, std::size_t values) { return static_cast<std::uint8_t>(Between(random, 0, int(values) - 1)); }

// Random but valid radio contents: settings the program's windows take without a
// word (frequencies inside the radio's transmit range, squelch 0 to 20, PMR channel
// 1 to 8, codes inside their lists), random channels of the model's kinds with some
// of them disabled, and random edits of an image before a write.

// A frequency on the 6.25 kHz raster inside the transmit range of the radio's code
// (10 Hz units, high exclusive); the sub-variants, which have none, stay on LPD.
std::int32_t FrequencyIn(Random& random, const RadioImage& image)
{
    std::pair<std::int32_t, std::int32_t> range{43306000, 43478500};
    for (const TransmitRange& row : TransmitRanges) {
        if (row.ModelName == image.ModelName && (row.Codes[0] == image.ModelCode || row.Codes[1] == image.ModelCode))
            range = {row.Low, row.High};
    }
    return range.first + 625 * Between(random, 0, (range.second - range.first - 1) / 625);
}

// An offset of 0 to 99.995 MHz on the 5 kHz raster.
std::int32_t Offset(Random& random) { return 500 * Between(random, 0, 19999); }

// A bit group of a settings byte (Whole: the byte) and the number of values the
// windows take for it.
struct Group {
    std::uint8_t& byte;
    BitField field;
    std::size_t values;
};
constexpr BitField Whole{0, 8};

void PutRandomCodes(Random& random, std::initializer_list<Group> groups)
{
    for (const Group& group : groups)
        group.byte = group.field.put(group.byte, Code(random, group.values));
}

void RandomVfo(Random& random, RadioImage& image)
{
    VfoSettings& v = image.Vfo;
    v.Frequency = FrequencyIn(random, image);
    v.ShiftFreq = Offset(random);
    v.RptShiftFreq = Offset(random);
    v.PmrChannel = static_cast<std::uint8_t>(Between(random, 1, 8));
    v.LockPowerTone = v.BatteryBeepSquelch = v.BellShiftStep = v.BcloCallTot = v.SkipScanApo = v.EpoLamp = v.RptFlags = 0;
    PutRandomCodes(random, {
        {v.VfoReserved1, Whole, 256}, {v.VfoReserved2, Whole, 256}, {v.TxTone, Whole, ToneLabels.size()},
        {v.RxTone, Whole, ToneLabels.size()}, {v.RptTone, Whole, ToneLabels.size()},
        {v.PmrTone, Whole, PmrToneLabels.size()}, {v.LockPowerTone, Bits::KeyLock, 2},
        {v.LockPowerTone, Bits::LowPower, 2}, {v.LockPowerTone, Bits::ToneSet, ToneSetLabels.size()},
        {v.BatteryBeepSquelch, Bits::Squelch, 21}, {v.BatteryBeepSquelch, Bits::BatteryType, 2},
        {v.BatteryBeepSquelch, Bits::Beep, 2}, {v.BatteryBeepSquelch, Bits::BatterySave, 2},
        {v.BellShiftStep, Bits::Shift, ShiftLabels.size()}, {v.BellShiftStep, Bits::Step, StepLabels.size()},
        {v.BellShiftStep, Bits::Bell, 2}, {v.BellShiftStep, Bits::StandbyBeep, 2}, {v.BcloCallTot, Bits::Bclo, 2},
        {v.BcloCallTot, Bits::CallTone, CallToneLabels.size()}, {v.BcloCallTot, Bits::Tot, TotLabels.size()},
        {v.SkipScanApo, Bits::ScanSkip, 2}, {v.SkipScanApo, Bits::ScanMode, 2},
        {v.SkipScanApo, Bits::Apo, ApoLabels.size()}, {v.EpoLamp, Bits::Epo, 2}, {v.EpoLamp, Bits::Lamp, 3},
        {v.RptFlags, Bits::RptToneOn, 2}, {v.RptFlags, Bits::RptShift, 3}});
}

// A channel of the kinds the model holds: LPD or PMR on the dual-band radio, PMR
// only on the PMR variant, frequencies elsewhere.
ChannelRecord RandomChannel(Random& random, const RadioImage& image)
{
    ChannelRecord c;
    const bool dualBand = IsDualBandModel(image.ModelName);
    const bool pmr = image.ModelName == ModelPAPmrOnly || (dualBand && Chance(random, 0.3));
    c.ChannelFlags = image.ModelName == ModelPAPmrOnly ? ModePmrFlag : !dualBand ? 0 : pmr ? ModePmrFlag : ModeLpdFlag;
    c.Frequency = pmr ? Between(random, 1, 8) * PmrChannelUnit : FrequencyIn(random, image);
    c.ShiftFreq = pmr ? 0 : Offset(random);
    PutRandomCodes(random, {{c.TxTone, Whole, ToneLabels.size()}, {c.RxTone, Whole, ToneLabels.size()},
                            {c.PmrTone, Whole, PmrToneLabels.size()}, {c.ChannelFlags, Bits::ChannelToneSet, 3},
                            {c.ChannelFlags, Bits::ChannelShift, 3}, {c.ChannelFlags, Bits::ChannelSkip, 2},
                            {c.ChannelFlags, Bits::ChannelBclo, 2}, {c.Step, Whole, StepLabels.size()}});
    c.Enabled = Chance(random, 0.4);
    return c;
}

// The memory of a radio of start window option `option` reporting `modelCode`, with
// random VFO settings and channels; CurrentChannel is the first enabled channel + 1.
Memory RandomRadio(Random& random, int option, std::uint8_t modelCode)
{
    RadioImage image;
    InitialiseRadioImage(image, option);
    image.ModelCode = modelCode;
    RandomVfo(random, image);
    for (ChannelRecord& channel : image.Channels)
        channel = RandomChannel(random, image);
    image.Vfo.CurrentChannel = image.Channels.firstEnabledNumber();
    return sim::MemoryOfImage(image);
}

// Changes a few channels and sometimes the VFO settings, as a user would in the
// editors; now and then a channel outside the transmit range, which a memory write
// leaves out. The windows show the image again.
void EditImage(Random& random, AppState& state)
{
    RadioImage& image = state.Image;
    if (Chance(random, 0.5))
        RandomVfo(random, image);
    for (int i = Between(random, 1, 12); i > 0; --i) {
        ChannelRecord& channel = image.Channels.at(Between(random, 0, ChannelTable::Count - 1));
        if (Chance(random, 0.5))
            channel = RandomChannel(random, image);
        else
            channel.Enabled = !channel.Enabled;
    }
    if (Chance(random, 0.15)) {
        // Above every model's range: the memory write leaves it out.
        ChannelRecord& channel = image.Channels.at(Between(random, 0, ChannelTable::Count - 1));
        channel = RandomChannel(random, image);
        const unsigned mode = IsDualBandModel(image.ModelName) ? ModeLpdFlag : 0;
        channel.ChannelFlags = static_cast<std::uint8_t>((channel.ChannelFlags & ~0x0Cu) | mode);
        channel.Frequency = 48000000;
        channel.Enabled = true;
    }
    test::RecordingMessageSink silent;
    FillVfoWindow(image, state.Vfo, silent);
    RefreshChannelGrid(image, state.Grid);
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

// One command: the state and the radio before it, what the same command gives on
// the in-process radio without a fault (the whole success) and with the same fault
// (whether it failed), and what the program and the radio on the pseudo-terminal
// hold after it: the commands the radio received, the messages and questions shown.
struct CommandRun {
    test::DataCommand Command;
    AppState Before, Success, After;
    Memory MemoryBefore{}, MemorySuccess{}, MemoryAfter{};
    bool FaultExpectedToFail = false, PortOpen = false, Failed = false;
    std::vector<std::string> Received;
    std::vector<test::ShownMessage> Shown;
};

// What a VFO read fills (the VFO settings but the current channel) and what a
// memory read fills (the channels and the current channel).
VfoSettings VfoPart(RadioImage image) { image.Vfo.CurrentChannel = 0; return image.Vfo; }
std::pair<ChannelTable, std::uint8_t> ChannelPart(const RadioImage& image) { return {image.Channels, image.Vfo.CurrentChannel}; }

// Whether a part of the result is neither the earlier image's nor the whole run's.
template <typename T> bool Mixed(const T& actual, const T& old, const T& whole) { return actual != old && actual != whole; }

// The faults found, each a line of plain words.
struct Problems : std::vector<std::string> {
    void operator()(bool found, const std::string& line) { if (found) push_back(line); }
};

// What must hold after every command, whatever fault the radio showed: an image
// wholly the radio's or wholly the earlier one, one message per failed transfer, a
// radio changed only in the blocks a write reached, the port still open on the
// chosen COM number.
Problems CheckCommand(const CommandRun& run)
{
    Problems problem;
    const RadioImage &after = run.After.Image, &before = run.Before.Image, &whole = run.Success.Image;
    const bool write = run.Command.Write;
    problem(run.Failed != run.FaultExpectedToFail, run.Failed
                                                       ? "failed where the in-process radio with the same fault succeeds"
                                                       : "succeeded where the in-process radio with the same fault fails");
    std::size_t notices = 0;
    for (const auto& shown : run.Shown) {
        notices += shown.question ? 0 : 1;
        problem(!shown.question && shown.text != ReadWriteErrorMessage && shown.text != ModelMismatchMessage,
                "unexpected message: " + shown.text);
    }
    const std::size_t transfers = run.Command.Parts == RadioParts::All ? 2 : 1;
    problem(run.Failed ? notices == 0 || notices > transfers : notices != 0,
            std::to_string(notices) + " messages for a command that " + (run.Failed ? "failed" : "succeeded"));
    const std::string difference = run.Failed ? std::string() : test::ImageDifference(after, whole);
    problem(!difference.empty(), (write ? "the image after a successful write is not what the write gives: "
                                        : "a successful read did not bring the radio's settings: ") + difference);
    // Each part wholly the earlier one or the radio's (read) or the written one.
    problem(Mixed(VfoPart(after), VfoPart(before), VfoPart(whole)),
            "the VFO settings are neither the earlier ones nor those the command gives");
    problem(Mixed(after.Vfo.CurrentChannel, before.Vfo.CurrentChannel, whole.Vfo.CurrentChannel),
            "the current channel is neither the earlier one nor the one the command gives");
    problem(after.ModelCode != before.ModelCode && after.ModelCode != run.MemoryAfter[ModelCodeAddress],
            "the model code is neither the earlier one nor the radio's");
    problem(after.ModelName != before.ModelName || !(after.Defaults == before.Defaults) ||
                after.Vfo.ExtraBytes != before.Vfo.ExtraBytes,
            "the model, the defaults or the extra bytes changed");
    const bool unsavedAfter = run.After.History.unsaved(), unsavedBefore = run.Before.History.unsaved();
    problem(write && (after.Channels != before.Channels || unsavedAfter != unsavedBefore),
            "a write changed the channels or the unsaved state");
    if (!write) {
        const bool readsVfo = run.Command.Parts != RadioParts::Memory, readsChannels = run.Command.Parts != RadioParts::Vfo;
        // A VFO read that fails skips the memory read of Read > All (its identity
        // read right after 0730h, a repeat never between them) and leaves all as it was.
        const bool memoryRead = std::ranges::adjacent_find(run.Received, [](const auto& a, const auto& b) {
            return a == "QZ~F0730R\r" && b == "QZ~F07F0R\r"; }) != run.Received.end();
        problem(VfoPart(after) != VfoPart(before) &&
                    (!readsVfo || (run.Failed && (!readsChannels || !memoryRead))),
                readsVfo ? "a failed VFO read changed the VFO settings" : "a memory read changed the VFO settings");
        problem(ChannelPart(after) != ChannelPart(before) && (!readsChannels || run.Failed),
                readsChannels ? "a failed read changed the channels" : "a VFO read changed the channels");
        problem(run.Failed ? unsavedAfter != unsavedBefore : unsavedAfter,
                run.Failed ? "a failed read changed the unsaved state" : "the settings are unsaved after a read");
    }
    // The radio changed only in blocks whose write command it received, each byte
    // as it was or as written. "QZ~F0715OW.." writes the block at 710h; reads name none.
    std::set<std::size_t> reached;
    for (const std::string& c : run.Received)
        if (c.size() >= 10 && c.starts_with("QZ~F") && c[8] != 'R' && IsHexText(c.substr(4, 4)))
            reached.insert(std::stoul(c.substr(4, 4), nullptr, 16) & ~0xFu);
    for (std::size_t i = 0; i < run.MemoryAfter.size(); ++i) {
        if (run.MemoryAfter[i] == run.MemoryBefore[i])
            continue;
        const std::string byte = "the radio's byte " + HexAddress(static_cast<std::uint16_t>(i)) + "h ";
        problem(!reached.contains(i & ~std::size_t{0xF}), byte + "changed without a write to its block");
        problem(run.MemoryAfter[i] != run.MemorySuccess[i],
                byte + "holds " + HexByte(run.MemoryAfter[i]) + ", neither old nor written");
    }
    problem(write && !run.Failed && run.MemoryAfter != run.MemorySuccess,
            "the radio after a successful write differs from the whole write");
    problem(!run.PortOpen || run.After.Link.OpenPortNumber != run.After.ComIndex + 1,
            "the port is not open on COM" + std::to_string(run.After.ComIndex + 1));
    return problem;
}

// A late answer (the delay fault) begins after the tick that counts it (20 ms of
// jitter included) and is whole, 41 ms at 8N2, before the one more tick after
// which a failed exchange is repeated, so a delay for one exchange is overcome.
constexpr auto LateBy = std::chrono::milliseconds(120);
// Long enough for a late answer to reach the line before the radio stops.
constexpr auto SettleAfterDelay = std::chrono::milliseconds(350);

// The faults soaked, as kvr27-sim names them (a wrong store is a radio fault the
// read-back reports, not soaked), and the Data menu's commands.
constexpr std::array<const char*, 8> FaultNames = {"silence", "short",  "long",  "err",
                                                   "payload", "nonhex", "delay", "hangup"};
constexpr std::array<const char*, 6> CommandNames = {"ReadAll",  "ReadVfo",  "ReadMemory",
                                                     "WriteAll", "WriteVfo", "WriteMemory"};

// The stop signal of the radio thread's wait is blocked in every thread, so it is
// only taken inside PtyRadio's wait (which unblocks it); its handler sets the flag
// PtyRadio checks.
volatile std::sig_atomic_t StopRequested = 0;
sigset_t WaitMask;
void BlockStopSignal()
{
    std::signal(SIGUSR1, [](int) { StopRequested = 1; });
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGUSR1);
    pthread_sigmask(SIG_BLOCK, &stop, &WaitMask);
    sigdelset(&WaitMask, SIGUSR1);
}

// A new radio with `memory` on a new pseudo-terminal reached through COM option
// `comIndex`, answered by a thread of this process while a command runs. Between
// commands the thread is stopped, so the soak can look at the radio and switch its
// fault without sharing anything with a running thread.
class ThreadRadio {
public:
    ThreadRadio(const Memory& memory, int comIndex) : pty_(radio, {true, 2, {}, std::chrono::milliseconds(20)}, LateBy)
    {
        radio.memory() = memory;
        if (const PortOpening opened = pty_.open(); !opened.ok()) {
            std::cerr << "cannot make a pseudo-terminal: " << opened.Reason << '\n';
            std::exit(2);
        }
        qputenv(("KVR27_COM" + std::to_string(comIndex + 1)).c_str(), QByteArray::fromStdString(pty_.devicePath()));
    }

    // Answers while `command` runs and for `settle` more (so late characters reach
    // the line), then stops. A radio that hung up has stopped on its own.
    template <typename Command> void answer(Command command, std::chrono::milliseconds settle)
    {
        StopRequested = 0;
        std::thread thread([this] { pty_.run(StopRequested, WaitMask); });
        command();
        std::this_thread::sleep_for(settle);
        pthread_kill(thread.native_handle(), SIGUSR1);
        thread.join();
    }

    sim::RadioEmulator radio; // touch it only between commands

private:
    sim::PtyRadio pty_;
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

// The same command on the in-process radio with `fault` after `after` exchanges,
// for `lasting` exchanges (ForGood or 1):
// whether it fails goes to run.FaultExpectedToFail, and without a fault (the whole
// run) the state and memory it leaves to run.Success and run.MemorySuccess. Gives
// its exchanges.
std::size_t RunInProcess(CommandRun& run, Fault fault, int after, const std::string& payload,
                         int lasting = sim::RadioEmulator::ForGood)
{
    test::LinkRig rig;
    rig.state = run.Before;
    rig.state.Link = LinkState{};
    rig.radio.memory() = run.MemoryBefore;
    rig.radio.setFault(fault, after, payload, lasting);
    run.FaultExpectedToFail = Failed(rig.run(run.Command));
    if (fault == Fault::None) {
        run.Success = rig.state;
        run.MemorySuccess = rig.radio.memory();
    }
    return rig.radio.commands().size();
}

// A model code of the model, one the radio may report.
std::uint8_t RandomModelCode(Random& random, std::string_view modelName)
{
    std::uint8_t code = 0;
    do
        code = Code(random, 256);
    while (!CodeBelongsToModel(modelName, code) || ModelNameOfCode(code).empty());
    return code;
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
    BlockStopSignal();
    auto radio = std::make_unique<ThreadRadio>(RandomRadio(random, options->model, modelCode), 0);

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
        const char* command = CommandNames[static_cast<std::size_t>(Between(random, 0, 5))];
        run.Command = test::DataCommandNamed(command);
        sim::RadioEmulator& emulator = radio->radio;
        // Reads meet new radio contents, writes new edits, so both really change something.
        if (run.Command.Write)
            EditImage(random, state);
        else if (Chance(random, 0.8))
            emulator.memory() = RandomRadio(random, options->model, modelCode);
        state.History.begin();
        if (Chance(random, 0.5))
            state.History.push({});
        state.FastTransfer = Chance(random, 0.5);
        run.Before = state;
        run.MemoryBefore = emulator.memory();
        const std::size_t exchanges = RunInProcess(run, Fault::None, 0, {});

        // A fault at a random exchange of four commands in five.
        const bool faulty = !Chance(random, 0.2) && exchanges > 0;
        const std::string faultName =
            faulty ? FaultNames[static_cast<std::size_t>(Between(random, 0, FaultNames.size() - 1))] : "none";
        const Fault fault = faulty ? test::FaultNamed(faultName) : Fault::None;
        const int position = faulty ? Between(random, 0, static_cast<int>(exchanges) - 1) : 0;
        const std::string payload = fault == Fault::Payload ? RandomPayload(random) : std::string();
        // Half the faults last one exchange only (a hang-up is for good).
        const bool once = faulty && fault != Fault::HangUp && Chance(random, 0.5);
        const int lasting = once ? 1 : sim::RadioEmulator::ForGood;
        RunInProcess(run, fault, position, payload, lasting);

        const std::size_t received = emulator.commands().size(), shown = messages.shown.size();
        emulator.setFault(fault, static_cast<int>(received) + position, payload, lasting);
        const auto began = Clock::now();
        radio->answer([&] { run.Failed = Failed(test::RunCommand(run.Command, state, services)); },
                      fault == Fault::Delay ? SettleAfterDelay : std::chrono::milliseconds(0));
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - began);
        run.After = state;
        run.MemoryAfter = emulator.memory();
        run.Received.assign(emulator.commands().begin() + static_cast<std::ptrdiff_t>(received), emulator.commands().end());
        run.Shown.assign(messages.shown.begin() + static_cast<std::ptrdiff_t>(shown), messages.shown.end());
        run.PortOpen = port.isOpen();
        Problems problems = CheckCommand(run);
        problems(once && run.Failed, "a fault of one exchange failed the command: the exchange was not repeated");

        ++commands;
        failedCommands += run.Failed ? 1 : 0;
        auto& [injected, succeeded] = byFault[faultName + (once ? " once" : "")];
        ++injected, succeeded += faulty && !run.Failed ? 1 : 0;
        problemCount += static_cast<int>(problems.size());
        std::cout << commands << ". " << command << (state.FastTransfer ? " (fast)" : "") << ", fault " << faultName;
        if (faulty)
            std::cout << " after " << position << " of " << exchanges << " exchanges" << (once ? ", once" : "");
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
              << std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - start).count()
              << " s\nfaults (of which the command rightly succeeded: a valid answer, or a repeat after a fault once):";
    for (const auto& [name, counts] : byFault)
        std::cout << ' ' << name << ' ' << counts.first << " (" << counts.second << ')';
    std::cout << "\nseed " << options->seed << ": " << problemCount
              << (problemCount == 0 ? " problems: no lost or mixed image" : " problems") << std::endl;
    return problemCount == 0 ? 0 : 1;
}
