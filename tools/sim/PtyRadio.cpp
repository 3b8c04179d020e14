#include "PtyRadio.h"

#include <cerrno>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <random>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace kvr27::sim {

namespace {

using Clock = std::chrono::steady_clock;

// One character at 9600 baud: start bit, 8 data bits, the stop bits.
std::chrono::nanoseconds CharacterTime(int stopBits)
{
    return std::chrono::nanoseconds((9 + stopBits) * 1'000'000'000LL / 9600);
}

struct Outgoing {
    char character;
    Clock::time_point due;
};

PortOpening SystemError(const char* what) { return {false, std::string(what) + ": " + std::strerror(errno)}; }

} // namespace

PtyRadio::PtyRadio(RadioEmulator& radio, LineTiming line, std::chrono::milliseconds lateBy)
    : radio_(radio), line_(line), lateBy_(lateBy)
{
}

PtyRadio::~PtyRadio()
{
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
}

PortOpening PtyRadio::open()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        return SystemError("posix_openpt");
    const char* name = ptsname(master_);
    if (!name)
        return SystemError("ptsname");
    devicePath_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0)
        return SystemError(name);
    termios raw{};
    if (tcgetattr(slave_, &raw) == 0) {
        cfmakeraw(&raw);
        tcsetattr(slave_, TCSANOW, &raw);
    }
    return {};
}

void PtyRadio::run(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask)
{
    std::deque<Outgoing> queue;
    Clock::time_point lineFree = Clock::now();
    const auto characterTime = CharacterTime(line_.stopBits);
    std::minstd_rand random(std::random_device{}());
    std::uniform_int_distribution<long> jitter(0, std::chrono::microseconds(line_.jitter).count());
    while (!stop && !(radio_.hungUp() && queue.empty())) {
        timespec timeout{};
        timespec* wait = nullptr;
        if (!queue.empty()) {
            const auto due = std::max(queue.front().due, lineFree);
            const auto left = std::max(Clock::duration::zero(), due - Clock::now());
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            timeout.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
            timeout.tv_nsec = static_cast<long>(ns % 1'000'000'000);
            wait = &timeout;
        }
        pollfd fd{master_, POLLIN, 0};
        const int ready = ppoll(&fd, 1, wait, &waitMask);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready > 0 && (fd.revents & POLLIN)) {
            char buffer[256];
            const ssize_t got = ::read(master_, buffer, sizeof buffer);
            if (got > 0) {
                const auto now = Clock::now() + line_.latency + std::chrono::microseconds(jitter(random));
                const RadioOutput out = radio_.receive(std::string_view(buffer, static_cast<std::size_t>(got)));
                for (char c : out.now)
                    queue.push_back({c, now});
                for (char c : out.late)
                    queue.push_back({c, now + lateBy_});
            }
        }
        while (!queue.empty()) {
            const auto due = std::max(queue.front().due, lineFree);
            if (Clock::now() < due)
                break;
            if (::write(master_, &queue.front().character, 1) != 1)
                return;
            queue.pop_front();
            lineFree = line_.pace ? due + characterTime : due;
        }
    }
}

} // namespace kvr27::sim
