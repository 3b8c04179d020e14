#include "ThreadRadio.h"

#include <csignal>
#include <mutex>
#include <pthread.h>

namespace kvr27::soak {

namespace {

// The signal that ends the radio thread's wait for the line. It is blocked in every
// thread (so it is only taken inside the wait, where PtyRadio unblocks it) and its
// handler, run on the radio thread, sets the stop flag that PtyRadio checks.
constexpr int StopSignal = SIGUSR1;
volatile std::sig_atomic_t StopRequested = 0;
sigset_t WaitMask;

void RequestStop(int) { StopRequested = 1; }

void PrepareStopSignal()
{
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action {};
        action.sa_handler = RequestStop;
        sigemptyset(&action.sa_mask);
        sigaction(StopSignal, &action, nullptr);
        sigset_t stop;
        sigemptyset(&stop);
        sigaddset(&stop, StopSignal);
        pthread_sigmask(SIG_BLOCK, &stop, &WaitMask);
        sigdelset(&WaitMask, StopSignal);
    });
}

} // namespace

ThreadRadio::ThreadRadio(const sim::RadioEmulator::Memory& memory, std::chrono::milliseconds lateBy)
    : pty_(radio_, true, lateBy)
{
    radio_.memory() = memory;
    PrepareStopSignal();
}

ThreadRadio::~ThreadRadio() { stop(); }

PortOpening ThreadRadio::open() { return pty_.open(); }

void ThreadRadio::start()
{
    stop();
    StopRequested = 0;
    thread_ = std::thread([this] { pty_.run(StopRequested, WaitMask); });
}

void ThreadRadio::stop(std::chrono::milliseconds settle)
{
    if (!thread_.joinable())
        return;
    std::this_thread::sleep_for(settle);
    pthread_kill(thread_.native_handle(), StopSignal);
    thread_.join();
}

} // namespace kvr27::soak
