#pragma once
// The problem report (Info > Report a Problem..., kvr27 report): what a helper needs
// to understand a failed transfer on the user's machine, gathered as named files for
// one zip archive. Nothing is sent anywhere: the caller lists the files and saves them.
#include "image/RadioImage.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kvr27 {

// How many of the newest exchange traces the report holds.
inline constexpr std::size_t ReportedTraces = 5;

// A serial port the system lists.
struct SerialPortFacts {
    std::string Name;                       // "ttyUSB0", "COM3"
    std::string Description;                // the system's words for the device ("" when none)
    std::optional<std::uint16_t> VendorId;  // the USB ids, when the device has them
    std::optional<std::uint16_t> ProductId;
};

// The program's build and the machine it runs on, as the platform sees them.
struct SystemFacts {
    std::string Build;     // the compiler and build type
    std::string System;    // the system's name, version and processor
    std::string QtVersion; // the Qt the program runs with and the one it was built with
    std::vector<SerialPortFacts> Ports;
};

// Where the report's files come from.
struct ProblemReportSources {
    SystemFacts Facts;
    std::filesystem::path OptionsIni;
    std::filesystem::path SetupIni;
    std::filesystem::path TraceFolder;    // the data folder's traces/
    const RadioImage* Document = nullptr; // only when the user asked for it
};

// One file of the report: its name in the archive and its bytes.
struct ReportFile {
    std::string Name;
    std::string Content;
};

// The report's files in the archive's order: "system.txt" (version, build, system,
// Qt, the serial ports, and each file that could not be read, with why),
// "options.ini" and "setup.ini" when they can be read, the ReportedTraces newest
// traces as "traces/<their name>", and with a document "document.r27", its clone file.
std::vector<ReportFile> ProblemReportFiles(const ProblemReportSources& sources);

} // namespace kvr27
