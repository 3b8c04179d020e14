// kvr27-cli-bench: times "kvr27 read" (the program, start to end) against kvr27-sim
// on a pseudo-terminal sending at the line rate, and prints the time over the
// floor of 107 exchanges of one 100 ms tick each.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    constexpr double FloorMs = 107 * 100.0;
    constexpr int Runs = 3;
    QTemporaryDir dir;
    QProcess simulator;
    simulator.start(QStringLiteral(KVR27_SIM_PATH), {"--model-code", "6"});
    if (!simulator.waitForStarted() || !simulator.waitForReadyRead(5000))
        return std::fprintf(stderr, "kvr27-sim did not start\n"), 1;
    const QString device = QString::fromUtf8(simulator.readLine().trimmed());
    double best = 1e12;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        // The empty radio's values give the VFO boxes' messages; they are not timed apart.
        QProcess read;
        read.setStandardErrorFile(QProcess::nullDevice());
        read.start(QStringLiteral(KVR27_CLI_PATH),
                   {"read", "--model", "KV-R27PA", "--port", device, "-o", dir.filePath("radio.r27")});
        read.waitForFinished(-1);
        const int code = read.exitStatus() == QProcess::NormalExit ? read.exitCode() : -1;
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        if (code != 0)
            return std::fprintf(stderr, "kvr27 read failed (%d)\n", code), 1;
        std::printf("kvr27 read: %.0f ms, %.4f x the floor of %.0f ms\n", ms, ms / FloorMs, FloorMs);
        best = std::min(best, ms);
    }
    std::printf("best: %.4f x the floor (target at most 1.03)\n", best / FloorMs);
    simulator.terminate();
    simulator.waitForFinished(5000);
    return 0;
}
