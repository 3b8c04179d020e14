#include "link/SerialDeviceName.h"

#include "link/PortAssignments.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace kvr27 {

std::string SerialDeviceName(int portNumber, const SerialDeviceLookup& lookup)
{
    const std::string number = std::to_string(portNumber);
    if (!lookup.windows)
        if (auto named = lookup.environment("KVR27_COM" + number); named && !named->empty())
            return *named;
    if (lookup.assigned)
        if (std::string device = lookup.assigned(portNumber); !device.empty())
            return device;
    if (lookup.windows)
        return "COM" + number;
    const std::string index = std::to_string(portNumber - 1);
    constexpr std::array<std::string_view, 3> families = {"/dev/ttyUSB", "/dev/ttyACM", "/dev/ttyS"};
    for (std::string_view family : families) {
        std::string path = std::string(family) + index;
        if (lookup.exists(path))
            return path;
    }
    return std::string(families.front()) + index;
}

namespace {

// A Windows port name without the device prefix, in capitals: "\\.\com3" -> "COM3".
std::string WindowsPortName(std::string_view name)
{
    if (name.starts_with(R"(\\.\)"))
        name.remove_prefix(4);
    std::string upper(name);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

} // namespace

bool SameSerialDevice(std::string_view a, std::string_view b, bool windows)
{
    return windows ? WindowsPortName(a) == WindowsPortName(b) : a == b;
}

std::optional<PortChoice> ParsePortChoice(std::string_view text, bool windows)
{
    for (int number = 1; number <= 5; ++number)
        if (text == "COM" + std::to_string(number))
            return PortChoice{number, {}};
    const bool device = windows ? !text.empty() : text.find('/') != std::string_view::npos;
    if (!device)
        return std::nullopt;
    return PortChoice{0, std::string(text)};
}

SerialDeviceLookup FixedSerialDevice(std::string device)
{
    SerialDeviceLookup lookup;
    lookup.windows = SystemIsWindows();
    lookup.environment = [](const std::string&) -> std::optional<std::string> { return std::nullopt; };
    lookup.exists = [](const std::string&) { return true; };
    lookup.assigned = [device = std::move(device)](int) { return device; };
    return lookup;
}

bool SystemIsWindows()
{
#ifdef _WIN32
    return true;
#else
    return false;
#endif
}

SerialDeviceLookup SystemSerialDeviceLookup(const std::filesystem::path& assignmentsFile)
{
    SerialDeviceLookup lookup;
    lookup.windows = SystemIsWindows();
    lookup.environment = [](const std::string& name) -> std::optional<std::string> {
        if (const char* value = std::getenv(name.c_str()))
            return std::string(value);
        return std::nullopt;
    };
    lookup.exists = [](const std::string& path) {
        std::error_code ignored;
        return std::filesystem::exists(path, ignored);
    };
    lookup.assigned = [assignmentsFile](int portNumber) {
        if (assignmentsFile.empty() || portNumber < 1 || portNumber > 5)
            return std::string();
        return ReadPortAssignments(assignmentsFile)[static_cast<std::size_t>(portNumber - 1)];
    };
    return lookup;
}

} // namespace kvr27
