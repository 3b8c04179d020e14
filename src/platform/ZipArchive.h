#pragma once
// The problem report's archive: its files in one zip file (libzip), saved atomically.
#include "commands/ProblemReport.h"
#include "core/FileAccess.h"

#include <filesystem>
#include <vector>

namespace kvr27 {

// Saves `files` as the zip archive `file` (deflated, names in UTF-8), replacing it
// atomically: on failure an earlier file stays as it was.
FileResult SaveZipArchive(const std::filesystem::path& file, const std::vector<ReportFile>& files);

} // namespace kvr27
