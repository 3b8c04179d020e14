// kvr27-sim: answers like a KV-R27 radio on a pseudo-terminal. Prints the device
// path on its first line of output and, on the second, how to point COM1 at it;
// see README for the options.
#include "DemoRadio.h"
#include "MemoryImageFile.h"
#include "PtyRadio.h"
#include "SimOptions.h"
#include "core/ProgramVersion.h"
#include "image/ModelRules.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

} // namespace

int main(int argc, char** argv)
{
    using namespace kvr27::sim;
    std::string error;
    const auto options = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << error << '\n' << SimUsage;
        return 2;
    }
    if (options->help || options->version) {
        std::cout << (options->help ? std::string(SimHelp) : kvr27::VersionNotice("kvr27-sim"));
        return 0;
    }
    // The memory: the image file, else the model's demo contents, else all FF.
    RadioEmulator radio;
    if (options->model && options->imageFile.empty())
        radio.memory() = DemoMemory(*options->model);
    if (!options->imageFile.empty()) {
        const auto memory = LoadMemoryImage(options->imageFile);
        if (!memory) {
            std::cerr << "cannot read a 2048-byte memory image from " << options->imageFile << '\n';
            return 1;
        }
        radio.memory() = *memory;
    }
    // The model code: --model-code, else the model's start-up code, else the memory's.
    if (options->modelCode)
        radio.memory()[RadioEmulator::ModelCodeAddress] = static_cast<std::uint8_t>(*options->modelCode);
    else if (options->model)
        radio.memory()[RadioEmulator::ModelCodeAddress] = kvr27::StartupModelForOption(*options->model).ModelCode;
    radio.setFault(options->fault, options->faultAfter);

    // Stop signals are held back except while the radio waits for the line.
    sigset_t stopSignals;
    sigset_t waitMask;
    sigemptyset(&stopSignals);
    for (int s : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&stopSignals, s);
        std::signal(s, RequestStop);
    }
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    sigdelset(&waitMask, SIGINT);
    sigdelset(&waitMask, SIGTERM);
    sigdelset(&waitMask, SIGHUP);

    PtyRadio pty(radio, options->line, std::chrono::milliseconds(options->delayMs));
    if (const kvr27::PortOpening opened = pty.open(); !opened.ok()) {
        std::cerr << opened.Reason << '\n';
        return 1;
    }
    if (!options->linkPath.empty()) {
        std::error_code ignored;
        if (std::filesystem::is_symlink(options->linkPath, ignored))
            std::filesystem::remove(options->linkPath, ignored);
        if (symlink(pty.devicePath().c_str(), options->linkPath.c_str()) != 0) {
            std::perror(options->linkPath.c_str());
            return 1;
        }
    }
    const std::string& com1 = options->linkPath.empty() ? pty.devicePath() : options->linkPath;
    std::cout << pty.devicePath() << '\n' << "KVR27_COM1=" << com1 << " kvr27-clone" << std::endl;

    pty.run(stopRequested, waitMask);

    if (!options->linkPath.empty()) {
        std::error_code ignored;
        std::filesystem::remove(options->linkPath, ignored);
    }
    if (!options->dumpFile.empty() && !SaveMemoryImage(options->dumpFile, radio.memory())) {
        std::cerr << "cannot write " << options->dumpFile << '\n';
        return 1;
    }
    return 0;
}
