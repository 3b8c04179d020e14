#include "commands/RadioBackup.h"

#include "core/FileAccess.h"
#include "core/PathText.h"
#include "core/UserText.h"
#include "files/CloneFile.h"
#include "link/ImageTransfers.h"

#include <algorithm>
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

// The progress of the backup read as one phase, "Backup" and its percentage over
// the whole read (three VFO blocks, then a hundred channels), where the read shows
// "Vfo mode read" and "Memory mode read". A text that is no progress passes as it is.
class BackupProgress : public ProgressSink {
public:
    explicit BackupProgress(ProgressSink& shown) : shown_(shown) {}
    void showProgress(ProgressTarget target, const std::string& text) override
    {
        if (!ProgressPercent(text))
            return shown_.showProgress(target, text);
        constexpr int steps = 3 + ChannelTable::Count;
        ++step_;
        shown_.showProgress(target, ProgressText(KVR27_TEXT("Progress", "Backup"), std::min(step_, steps) * 100 / steps));
    }

private:
    ProgressSink& shown_;
    int step_ = 0;
};

} // namespace

std::filesystem::path BackupFolder(const std::filesystem::path& dataFolder) { return dataFolder / "backups"; }

SavedFile SaveRadioBackup(const RadioImage& image, const std::filesystem::path& folder,
                          std::chrono::system_clock::time_point now)
{
    return SaveDatedFile(folder, FileNameOfModel(image.ModelName), now, ".r27", CloneFileText(image),
                         KeptBackups);
}

std::string RadioBackupResult::problem() const
{
    if (!Read.ok())
        return TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "The radio could not be read: %1"), {DescribeLinkResult(Read)});
    return TranslatedFormat("Reasons", KVR27_TEXT("Reasons", "The backup could not be saved: %1"), {Saved.Problem});
}

RadioBackupResult BackUpRadio(const RadioImage& image, LinkSession& session, ProgressTarget target,
                              const std::filesystem::path& file, const std::filesystem::path& folder)
{
    RadioBackupResult result;
    SilentMessageSink quiet;
    BackupProgress progress(session.Services.progress);
    LinkServices reading{session.Services.port, session.Services.waiter, quiet, progress};
    LinkSession quietSession{reading, session.State, session.ComNumber, session.PortName, session.Fast,
                             session.SlowedAfter, session.Repeated, session.FastAccepted, session.FastAcceptedPayload};
    result.Radio = ReadRadioCopy(image, quietSession, target);
    result.Read = result.Radio.Read;
    const RadioImage& radio = result.Radio.Image;
    // A fast backup that slowed down leaves the rest of the command at the normal
    // pace; its last fast exchange is confirmed by the next one, and its repeats count.
    session.Fast = quietSession.Fast;
    session.SlowedAfter = quietSession.SlowedAfter;
    session.Repeated = quietSession.Repeated;
    session.FastAccepted = quietSession.FastAccepted;
    session.FastAcceptedPayload = quietSession.FastAcceptedPayload;
    result.RadioModelCode = radio.ModelCode;
    if (!result.Read.ok())
        return result;
    if (!file.empty()) {
        const FileResult written = ReplaceFileAtomically(file, CloneFileText(radio));
        result.Saved = {file, written.ok() ? std::string() : Utf8FromPath(file) + ": " + written.Reason};
        return result;
    }
    result.Saved = SaveRadioBackup(radio, folder, std::chrono::system_clock::now());
    return result;
}

} // namespace kvr27
