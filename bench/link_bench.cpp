// kvr27-link-bench: times Read > All and a safe Write > All (backup and read-back
// on) through the program's serial port (QtPort, QtWaiter) against kvr27-sim on a
// pseudo-terminal, the emulator sending at 9600 baud (8N1) after a given answer
// latency, at the normal pace and in fast mode. Prints the median of several runs
// of each, as a ratio to the floor of the normal pace (107 exchanges of 100 ms for
// Read > All), and the fast safe write as a ratio to the normal one. Then a safe
// write of a one-channel change: in full at the normal pace, and of changed blocks
// only at the normal pace and fast, as ratios to the full safe Write > All at the
// normal pace.
//
//   kvr27-link-bench [--runs N] [--latency-ms MS]...   (default: 3 runs; 0, 2, 16 ms)
#include "commands/AppState.h"
#include "commands/RadioCommands.h"
#include "platform/QtPort.h"
#include "platform/QtWaiter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <tuple>
#include <vector>

namespace {

using namespace kvr27;

struct NoProgress : ProgressSink {
    void showProgress(ProgressTarget, const std::string&) override {}
};
struct NoMessages : MessageSink {
    void notify(const std::string& text, MessageIcon, const std::string& detail) override
    {
        std::fprintf(stderr, "message: %s %s\n", text.c_str(), detail.c_str());
    }
    bool ask(const std::string&, const std::string&) override { return true; }
};

// The floor of the normal pace: Read > All's 107 exchanges of one 100 ms tick.
constexpr double FloorSeconds = 107 * 0.1;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Seconds of one command, or a negative number when it failed.
double Time(bool write, AppState& state, LinkServices& services)
{
    RadioCommandOptions options;
    options.Confirmed = true;
    QElapsedTimer timer;
    timer.start();
    const CommandReport report = write ? WriteRadioCommand(state, services, RadioParts::All, options)
                                       : ReadRadioCommand(state, services, RadioParts::All, options);
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    if (report.Transfer && !report.Transfer->SlowedAfter.empty())
        std::fprintf(stderr, "slowed down after %s\n", report.Transfer->SlowedAfter.c_str());
    return report.ok() ? seconds : -1.0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int runs = 3;
    std::vector<int> latencies;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--runs")
            runs = std::max(1, args[i + 1].toInt());
        else if (args[i] == "--latency-ms")
            latencies.push_back(args[i + 1].toInt());
    }
    if (latencies.empty())
        latencies = {0, 2, 16};
    QTemporaryDir data;

    std::printf("latency  pace    Read > All (x floor)   safe Write > All (x floor)   fast/normal\n");
    bool allOk = true;
    for (const int latency : latencies) {
        QProcess simulator;
        simulator.start(QStringLiteral(KVR27_SIM_PATH), {QStringLiteral("--latency-ms"), QString::number(latency)});
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
        state.DataFolder = data.path().toStdString();
        state.Safeguards = {true, true, false};
        QtPort port{SystemSerialDeviceLookup({})};
        QtWaiter waiter;
        NoMessages messages;
        NoProgress progress;
        LinkServices services{port, waiter, messages, progress};

        double normalWrite = 0;
        for (const bool fast : {false, true}) {
            state.FastTransfer = fast;
            std::vector<double> reads, writes;
            // The first write fills the radio with the 100 channels each read brings back.
            // A command that failed counts in the failures, not in the median.
            int failures = 0;
            for (int run = 0; run < runs; ++run) {
                for (const bool write : {true, false}) {
                    const double seconds = Time(write, state, services);
                    failures += seconds < 0 ? 1 : 0;
                    if (seconds >= 0)
                        (write ? writes : reads).push_back(seconds);
                }
            }
            allOk = allOk && failures == 0;
            if (reads.empty() || writes.empty())
                continue;
            const double read = Median(reads), write = Median(writes);
            if (!fast)
                normalWrite = write;
            std::printf("%4d ms  %-6s  %6.2f s (%4.2f)         %6.2f s (%4.2f)               %4.2f  %d failed\n",
                        latency, fast ? "fast" : "normal", read, read / FloorSeconds, write, write / FloorSeconds,
                        write / normalWrite, failures);
            std::fflush(stdout);
        }
        // A safe write of a one-channel change: channel 50 moves by 12.5 kHz each time.
        std::printf("%4d ms  one-channel change, safe write (x full at normal pace):", latency);
        for (const auto& [fast, changedOnly, name] : {std::tuple{false, false, "normal full"},
                                                      std::tuple{false, true, "normal changed-only"},
                                                      std::tuple{true, true, "fast changed-only"}}) {
            state.FastTransfer = fast;
            state.ChangedBlocksOnly = changedOnly;
            std::vector<double> writes;
            for (int run = 0; run < runs; ++run) {
                state.Image.Channels.at(50).Frequency += run % 2 ? -1250 : 1250;
                const double seconds = Time(true, state, services);
                allOk = allOk && seconds >= 0;
                if (seconds >= 0)
                    writes.push_back(seconds);
            }
            if (!writes.empty() && normalWrite > 0)
                std::printf("  %s %.2f s (%.2f)", name, Median(writes), Median(writes) / normalWrite);
        }
        std::printf("\n");
        std::fflush(stdout);
        state.ChangedBlocksOnly = false;
        simulator.terminate();
        simulator.waitForFinished();
    }
    return allOk ? 0 : 1;
}
