#pragma once
// The copy of the radio's contents taken before a write: read as Read > All reads
// (the model check included) into an image of its own, and kept as a clone file in
// the user's backups folder, so a write that goes wrong can be undone with File >
// Load and Write > All.
#include "core/UserText.h"
#include "commands/RadioReading.h"
#include "core/DatedFiles.h"
#include "image/RadioImage.h"
#include "link/BlockExchange.h"

#include <chrono>
#include <filesystem>
#include <string>

namespace kvr27 {

// How many backups the folder keeps; the oldest go first.
inline constexpr int KeptBackups = 20;
inline constexpr const char* BackupFailedMessage = KVR27_TEXT("Messages", "No backup of the radio could be made, so nothing was written.");

// The backups folder in the user's data folder.
std::filesystem::path BackupFolder(const std::filesystem::path& dataFolder);

// Saves `image` as a clone file in `folder` (made when missing), named by its model,
// the date and the time of `now` ("KV-R27PA_PMR_only-2026-12-07-101530.r27"; a
// second backup within the same second gets "-2"), written atomically. Then only
// the KeptBackups newest backups stay; other files in the folder are never touched.
SavedFile SaveRadioBackup(const RadioImage& image, const std::filesystem::path& folder,
                          std::chrono::system_clock::time_point now);

// How a backup ended: the read's result, then where the file went or why it was
// not saved.
struct [[nodiscard]] RadioBackupResult {
    LinkResult Read;
    SavedFile Saved;
    std::uint8_t RadioModelCode = 0; // the code the radio reported
    RadioReading Radio;              // what the read got

    bool ok() const { return Read.ok() && Saved.ok(); }
    // Why there is no backup, for BackupFailedMessage's second line.
    std::string problem() const;
};

// Reads the whole radio into a copy of `image` with its change flags cleared (the
// image itself is not touched) and saves it as `file`, or, when `file` is empty,
// as a dated backup in `folder`. The read shows no messages of its own (the caller
// tells a failure once, with problem()), and its progress as "Backup" and the
// percentage of the whole read.
RadioBackupResult BackUpRadio(const RadioImage& image, LinkSession& session, ProgressTarget target,
                              const std::filesystem::path& file, const std::filesystem::path& folder);

} // namespace kvr27
