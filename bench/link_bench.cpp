// kvr27-link-bench: times a full memory read and a full memory write through the
// program's serial port (QtPort, QtWaiter) against kvr27-sim on a pseudo-terminal,
// the emulator sending at the line rate, and Write > All without and with the
// read-back. Prints the time per exchange beside the protocol's floor of one 100 ms
// tick, and the CPU time used while waiting.
#include "commands/AppState.h"
#include "commands/RadioCommands.h"
#include "platform/QtPort.h"
#include "platform/QtWaiter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>
#include <sys/resource.h>

namespace {

using namespace kvr27;

// Counts the exchanges of a transfer (one tick each).
struct CountingWaiter : Waiter {
    void waitTick() override
    {
        ++ticks;
        inner.waitTick();
    }
    QtWaiter inner;
    int ticks = 0;
};

// Records nothing: the benchmark only times.
struct NoProgress : ProgressSink {
    void showProgress(ProgressTarget, const std::string&) override {}
};
struct NoMessages : MessageSink {
    void notify(const std::string& text, MessageIcon, const std::string&) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
    bool ask(const std::string&, const std::string&) override { return true; }
};

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Times one command: a read, or a write whose question is taken as answered.
bool Measure(const char* name, bool write, RadioParts parts, AppState& state, LinkServices& services,
             CountingWaiter& waiter)
{
    waiter.ticks = 0;
    const double cpuBefore = CpuSeconds();
    QElapsedTimer timer;
    timer.start();
    RadioCommandOptions options;
    options.Confirmed = true;
    const bool ok = (write ? WriteRadioCommand(state, services, parts, options)
                           : ReadRadioCommand(state, services, parts, options)).ok();
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    const double cpu = CpuSeconds() - cpuBefore;
    const double perExchange = seconds * 1000.0 / waiter.ticks;
    std::printf("%-16s %3d exchanges  %6.2f s  %7.2f ms/exchange  floor %.0f ms  %+5.2f %%  CPU %4.2f %% of a core  %s\n",
                name, waiter.ticks, seconds, perExchange, static_cast<double>(QtWaiter::TickMilliseconds),
                (perExchange / QtWaiter::TickMilliseconds - 1.0) * 100.0, cpu / seconds * 100.0,
                ok ? "ok" : "FAILED");
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QProcess simulator;
    simulator.start(QStringLiteral(KVR27_SIM_PATH), {});
    if (!simulator.waitForStarted() || !simulator.waitForReadyRead(5000)) {
        std::fprintf(stderr, "kvr27-sim did not start\n");
        return 1;
    }
    qputenv("KVR27_COM1", simulator.readLine().trimmed());

    // A model without model or range checks, all 100 channels in use.
    AppState state;
    StartWithModel(state, 4);
    for (ChannelRecord& channel : state.Image.Channels)
        channel.Enabled = true;

    QtPort port{SystemSerialDeviceLookup({})};
    CountingWaiter waiter;
    NoMessages messages;
    NoProgress progress;
    LinkServices services{port, waiter, messages, progress};
    state.Safeguards = {false, false, false};
    const bool written = Measure("memory write", true, RadioParts::Memory, state, services, waiter);
    const bool read = Measure("memory read", false, RadioParts::Memory, state, services, waiter);
    const bool all = Measure("write all", true, RadioParts::All, state, services, waiter);
    state.Safeguards.VerifyAfterWrite = true;
    const bool verified = Measure("write all+verify", true, RadioParts::All, state, services, waiter);
    simulator.terminate();
    simulator.waitForFinished();
    return written && read && all && verified ? 0 : 1;
}
