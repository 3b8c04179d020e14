#pragma once
// Which device each COM option opens: outside Windows the device named by the
// environment variable KVR27_COMn when that is set; else the device the user
// assigned to COMn (PortAssignments); else on Windows "COMn", elsewhere the first
// that exists of /dev/ttyUSB(n-1), /dev/ttyACM(n-1), /dev/ttyS(n-1) (the first of
// them when none exists, so that a failure names a device).
#include <filesystem>
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
    // The device the user assigned to COMn, empty when none; may be unset.
    std::function<std::string(int portNumber)> assigned;
};

std::string SerialDeviceName(int portNumber, const SerialDeviceLookup& lookup);

// The lookup of the running system, with the assignments of the file (read again at
// every lookup, so a change made meanwhile counts); an empty path assigns nothing.
SerialDeviceLookup SystemSerialDeviceLookup(const std::filesystem::path& assignmentsFile);

} // namespace kvr27
