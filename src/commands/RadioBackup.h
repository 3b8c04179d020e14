#pragma once
// The copy of the radio's contents taken before a write: read as Read > All reads
// (the model check included) into an image of its own, and kept as a clone file in
// the user's backups folder, so a write that goes wrong can be undone with File >
// Load and Write > All.
#include "commands/AppState.h"
#include "core/DatedFiles.h"
#include "link/LinkServices.h"

#include <chrono>
#include <filesystem>
#include <string>

namespace kvr27 {

// How many backups the folder keeps; the oldest go first.
inline constexpr int KeptBackups = 20;
inline constexpr const char* BackupFailedMessage = "No backup of the radio could be made, so nothing was written.";

// The backups folder in the user's data folder.
std::filesystem::path BackupFolder(const std::filesystem::path& dataFolder);

// Saves `image` as a clone file in `folder` (made when missing), named by its model,
// the date and the time of `now` ("KV-R27PA_PMR_only-2026-12-07-101530.r27"; a
// second backup within the same second gets "-2"), written atomically. Then only
// the KeptBackups newest backups stay; other files in the folder are never touched.
SavedFile SaveRadioBackup(const RadioImage& image, const std::filesystem::path& folder,
                          std::chrono::system_clock::time_point now);

// Before a write: the overwrite question, then, when Safeguards.BackupBeforeWrite is
// set, the backup of the radio in BackupFolder(DataFolder). AppState's image, forms
// and flags are not touched; the file goes to Link.BackupFile. True when the write
// may go on. A failed backup shows one message, BackupFailedMessage with the
// reason (the read's own messages are not shown), and keeps the read's outcome as a
// Backup.
bool ConfirmWrite(AppState& state, LinkServices& services, ProgressTarget target);

} // namespace kvr27
