#include "link/RadioBackup.h"

#include "core/FileAccess.h"
#include "core/Questions.h"
#include "files/CloneFile.h"
#include "link/ImageTransfers.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <system_error>
#include <vector>

namespace kvr27 {

namespace {

constexpr std::string_view BackupExtension = ".r27";
// "-2026-12-07-101530": the date and time part of a backup's name.
constexpr std::size_t StampLength = 18;

// The model name with every character but letters, digits and "-" as "_", none at
// the end: "KV-R27PA(PMR only)" -> "KV-R27PA_PMR_only".
std::string FileNameOfModel(std::string_view model)
{
    std::string name;
    for (char c : model)
        name += std::isalnum(static_cast<unsigned char>(c)) || c == '-' ? c : '_';
    while (!name.empty() && name.back() == '_')
        name.pop_back();
    return name.empty() ? "radio" : name;
}

std::string Stamp(std::chrono::system_clock::time_point now)
{
    const std::time_t time = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &time);
#else
    localtime_r(&time, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "-%Y-%m-%d-%H%M%S", &local);
    return text;
}

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The order of a backup by its name: its stamp, then its same-second number; nothing
// for a file that is no backup of this program.
std::optional<std::pair<std::string, int>> BackupOrder(std::string_view name)
{
    if (!name.ends_with(BackupExtension))
        return std::nullopt;
    name.remove_suffix(BackupExtension.size());
    int number = 1;
    if (const std::size_t dash = name.rfind('-'); dash != std::string_view::npos && name.size() - dash < 4 &&
                                                  AllDigits(name.substr(dash + 1))) {
        number = std::stoi(std::string(name.substr(dash + 1)));
        name = name.substr(0, dash);
    }
    if (name.size() <= StampLength)
        return std::nullopt;
    const std::string_view stamp = name.substr(name.size() - StampLength);
    const bool shaped = stamp[0] == '-' && stamp[5] == '-' && stamp[8] == '-' && stamp[11] == '-' &&
                        AllDigits(stamp.substr(1, 4)) && AllDigits(stamp.substr(6, 2)) &&
                        AllDigits(stamp.substr(9, 2)) && AllDigits(stamp.substr(12, 6));
    if (!shaped)
        return std::nullopt;
    return std::make_pair(std::string(stamp), number);
}

// Removes the oldest backups beyond KeptBackups.
void RemoveOldBackups(const std::filesystem::path& folder)
{
    std::vector<std::pair<std::pair<std::string, int>, std::filesystem::path>> backups;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.is_regular_file(error))
            continue;
        if (const auto order = BackupOrder(entry.path().filename().string()))
            backups.emplace_back(*order, entry.path());
    }
    if (backups.size() <= static_cast<std::size_t>(KeptBackups))
        return;
    std::sort(backups.begin(), backups.end());
    const auto surplus = static_cast<std::ptrdiff_t>(backups.size()) - KeptBackups;
    for (auto it = backups.begin(); it != backups.begin() + surplus; ++it)
        std::filesystem::remove(it->second, error);
}

} // namespace

std::filesystem::path BackupFolder(const std::filesystem::path& dataFolder) { return dataFolder / "backups"; }

SavedBackup SaveRadioBackup(const RadioImage& image, const std::filesystem::path& folder,
                            std::chrono::system_clock::time_point now)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return {{}, folder.string() + ": " + error.message()};
    const std::string base = FileNameOfModel(image.ModelName) + Stamp(now);
    std::filesystem::path file = folder / (base + std::string(BackupExtension));
    for (int number = 2; std::filesystem::exists(file, error); ++number)
        file = folder / (base + "-" + std::to_string(number) + std::string(BackupExtension));
    const FileResult written = ReplaceFileAtomically(file, CloneFileText(image));
    if (!written.ok())
        return {{}, file.string() + ": " + written.Reason};
    RemoveOldBackups(folder);
    return {file, {}};
}

bool ConfirmWrite(AppState& state, LinkServices& services, ProgressTarget target)
{
    if (!services.messages.ask(OverwriteQuestion))
        return false;
    if (!state.Safeguards.BackupBeforeWrite)
        return true;
    if (state.DataFolder.empty()) {
        services.messages.notify(std::string(BackupFailedMessage) + "\rThe program knows no folder for backups.",
                                 MessageIcon::Exclamation);
        return false;
    }
    RadioImage radio = state.Image;
    radio.SettingsChanged = radio.VfoChanged = radio.ChannelsChanged = false;
    // The read's own messages stay unshown: a failure is told once, below, with why.
    SilentMessageSink quiet;
    LinkServices reading{services.port, services.waiter, quiet, services.progress};
    LinkSession session{reading, state.Link, state.ComIndex + 1};
    LinkResult read = ReadVfoSettings(radio, session, target);
    if (read.ok())
        read = ReadChannels(radio, session, target);
    std::string problem;
    if (read.ok()) {
        const SavedBackup saved = SaveRadioBackup(radio, BackupFolder(state.DataFolder), std::chrono::system_clock::now());
        if (saved.ok()) {
            state.Link.BackupFile = saved.File.string();
            return true;
        }
        problem = "The backup could not be saved: " + saved.Problem;
    } else {
        problem = "The radio could not be read: " + DescribeLinkResult(read);
        state.Link.LastTransfer =
            TransferOutcome{TransferKind::Backup, read, services.port.deviceName(session.ComNumber), radio.ModelCode};
    }
    services.messages.notify(std::string(BackupFailedMessage) + "\r" + problem, MessageIcon::Exclamation);
    return false;
}

} // namespace kvr27
