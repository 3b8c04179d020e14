#include "EmulatedPort.h"

#include <utility>

namespace kvr27::sim {

PortOpening EmulatedPort::open(int portNumber)
{
    if (isOpen() || unplugged || missingPorts.contains(portNumber))
        return {false, "No such file or directory"};
    ++opens;
    openPort_ = portNumber;
    return {};
}

void EmulatedPort::close()
{
    if (!isOpen())
        return;
    ++closes;
    openPort_ = 0;
    received_.clear();
    late_.clear();
}

void EmulatedPort::write(const std::string& text)
{
    if (!isOpen())
        return;
    if (unplugged) {
        openPort_ = 0;
        received_.clear();
        late_.clear();
        return;
    }
    RadioOutput out = radio_.receive(text);
    received_ += out.now;
    late_ += out.late;
}

std::size_t EmulatedPort::bytesAvailable()
{
    const std::size_t count = received_.size();
    received_ += late_;
    late_.clear();
    return count;
}

std::string EmulatedPort::readAll()
{
    std::string all;
    all.swap(received_);
    return all;
}

void EmulatedPort::waitTickOrUntil(const WaitSettled& settled)
{
    for (std::chrono::milliseconds elapsed{0}; elapsed < std::chrono::milliseconds(100); ++elapsed) {
        if (elapsed == stragglerAt)
            received_ += std::exchange(straggler, {});
        if (settled(elapsed)) {
            ++earlyEnds;
            late_ += std::exchange(straggler, {});
            break;
        }
    }
    waitTick();
}

std::string EmulatedPort::deviceName(int portNumber) const { return "emulated COM" + std::to_string(portNumber); }

} // namespace kvr27::sim
