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

SerialDeviceLookup SystemSerialDeviceLookup(const std::filesystem::path& assignmentsFile)
{
    SerialDeviceLookup lookup;
#ifdef _WIN32
    lookup.windows = true;
#endif
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
