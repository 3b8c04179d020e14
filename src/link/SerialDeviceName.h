#pragma once
// Which device each COM option opens. On Windows COMn is "COMn". Elsewhere it is
// the device named by the environment variable KVR27_COMn when that is set, else the
// first that exists of /dev/ttyUSB(n-1), /dev/ttyACM(n-1), /dev/ttyS(n-1) (the
// first of them when none exists, so that a failure names a device).
#include <functional>
#include <optional>
#include <string>

namespace kvr27 {

struct SerialDeviceLookup {
    bool windows = false;
    // The value of an environment variable, or nothing when it is unset.
    std::function<std::optional<std::string>(const std::string& name)> environment;
    // Whether a device file exists.
    std::function<bool(const std::string& path)> exists;
};

std::string SerialDeviceName(int portNumber, const SerialDeviceLookup& lookup);

// The lookup of the running system.
SerialDeviceLookup SystemSerialDeviceLookup();

} // namespace kvr27
