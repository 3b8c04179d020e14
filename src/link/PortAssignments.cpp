#include "link/PortAssignments.h"

#include "core/FileAccess.h"

namespace kvr27 {

namespace {

std::string_view Trimmed(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

PortAssignments ParsePortAssignments(std::string_view text)
{
    PortAssignments assignments;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view name = Trimmed(line.substr(0, equals));
        const std::string_view device = Trimmed(line.substr(equals + 1));
        if (name.size() == 4 && name.starts_with("COM") && name[3] >= '1' && name[3] <= '5' && !device.empty())
            assignments[static_cast<std::size_t>(name[3] - '1')] = std::string(device);
    }
    return assignments;
}

std::string FormatPortAssignments(const PortAssignments& assignments)
{
    std::string text;
    for (std::size_t i = 0; i < assignments.size(); ++i)
        if (!assignments[i].empty())
            text += "COM" + std::to_string(i + 1) + "=" + assignments[i] + "\r\n";
    return text;
}

PortAssignments ReadPortAssignments(const std::filesystem::path& file)
{
    std::string text;
    if (!ReadWholeFile(file, text).ok())
        return {};
    return ParsePortAssignments(text);
}

FileResult WritePortAssignments(const std::filesystem::path& file, const PortAssignments& assignments)
{
    return ReplaceFileAtomically(file, FormatPortAssignments(assignments));
}

} // namespace kvr27
