#pragma once
// The user's choice of device for each COM option, kept in a small text file in the
// user's configuration folder: one line "COMn=device" per assigned option, CR LF.
// Read by the program and by the command-line tool, so both open the same device.
#include "core/FileAccess.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace kvr27 {

// The device assigned to COM1 .. COM5 (index 0 .. 4); an empty text is no assignment.
using PortAssignments = std::array<std::string, 5>;

// The file name of the assignments in the user's configuration folder.
inline constexpr const char* PortAssignmentsName = "ports.ini";

// The assignments a file's text names. Lines other than "COM1=" .. "COM5=" with a
// device are passed over; blanks around the name and the device are ignored; a later
// line for the same option wins.
PortAssignments ParsePortAssignments(std::string_view text);

// The file's text: one "COMn=device" line, CR LF, per assigned option, in order.
std::string FormatPortAssignments(const PortAssignments& assignments);

// The assignments in the file; none when it is missing or cannot be read.
PortAssignments ReadPortAssignments(const std::filesystem::path& file);

// Replaces the file atomically; when it cannot be written the old file is untouched.
FileResult WritePortAssignments(const std::filesystem::path& file, const PortAssignments& assignments);

} // namespace kvr27
