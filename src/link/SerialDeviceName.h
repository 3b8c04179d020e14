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
#include <string_view>

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

// Whether two names are the same serial device. On Windows a port has many spellings
// ("COM3", "com3", "\\.\COM3" as the port list gives it); elsewhere a device is its path.
bool SameSerialDevice(std::string_view a, std::string_view b, bool windows);

// A port as the command-line tool names it: COM1 to COM5 as the program maps them
// (ComNumber 1 to 5), or a device of its own (ComNumber 0): on Windows any other name
// ("COM7", "\\.\COM12"), elsewhere a path (with a "/"). Nothing for a name that is
// neither.
struct PortChoice {
    int ComNumber = 0;
    std::string Device;
};
std::optional<PortChoice> ParsePortChoice(std::string_view text, bool windows);

// The lookup that gives `device` for every COM option.
SerialDeviceLookup FixedSerialDevice(std::string device);

// The lookup of the running system, with the assignments of the file (read again at
// every lookup, so a change made meanwhile counts); an empty path assigns nothing.
SerialDeviceLookup SystemSerialDeviceLookup(const std::filesystem::path& assignmentsFile);

// Whether the running system is Windows (its COM port names and no device files).
bool SystemIsWindows();

} // namespace kvr27
