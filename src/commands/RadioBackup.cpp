#include "commands/RadioBackup.h"

#include "core/DatedFiles.h"
#include "core/Questions.h"
#include "files/CloneFile.h"
#include "link/ImageTransfers.h"
#include "commands/Link.h"

#include <cctype>

namespace kvr27 {

namespace {

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

} // namespace

std::filesystem::path BackupFolder(const std::filesystem::path& dataFolder) { return dataFolder / "backups"; }

SavedFile SaveRadioBackup(const RadioImage& image, const std::filesystem::path& folder,
                          std::chrono::system_clock::time_point now)
{
    return SaveDatedFile(folder, FileNameOfModel(image.ModelName), LocalTime(now), ".r27", CloneFileText(image),
                         KeptBackups);
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
    LinkSession session = SessionOf(state, reading);
    LinkResult read = ReadVfoSettings(radio, session, target);
    if (read.ok())
        read = ReadChannels(radio, session, target);
    std::string problem;
    if (read.ok()) {
        const SavedFile saved = SaveRadioBackup(radio, BackupFolder(state.DataFolder), std::chrono::system_clock::now());
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
