#include "commands/CommandNote.h"

#include "core/PathText.h"
#include "core/UserText.h"
#include "link/WrittenBlocks.h"

#include <array>

namespace kvr27 {

namespace {

// The notes of the commands that name their file, for the translators' catalog.
[[maybe_unused]] constexpr std::array<const char*, 4> FileActionNotes = {
    KVR27_TEXT("Notes", "Loaded %1"), KVR27_TEXT("Notes", "Saved %1"),
    KVR27_TEXT("Notes", "Imported %1"), KVR27_TEXT("Notes", "Exported %1")};

} // namespace

std::string CommandNote(const CommandReport& report, NoteFiles files)
{
    std::string note = report.Transfer ? TransferNote(*report.Transfer) : std::string();
    const auto add = [&note](const std::string& text) {
        if (!text.empty())
            note += (note.empty() ? "" : "; ") + text;
    };
    const auto named = [files](const std::string& file) {
        return files == NoteFiles::NamesOnly ? Utf8FromPath(PathFromUtf8(file).filename()) : file;
    };
    // A write that failed says whether it changed the radio, and how.
    if (report.Written && report.End == CommandEnd::Failed)
        add(WrittenNote(*report.Written));
    if (report.ok() && !report.Action.empty()) {
        const std::string& file = report.Files.Output.empty() ? report.Files.Source : report.Files.Output;
        add(file.empty() ? Translated("Notes", report.Action)
                         : TranslatedFormat("Notes", report.Action + " %1", {named(file)}));
    }
    if (!report.Files.Backup.empty())
        add(TranslatedFormat("Notes", KVR27_TEXT("Notes", "backup: %1"), {named(report.Files.Backup)}));
    if (!report.Files.Trace.empty())
        add(TranslatedFormat("Notes", KVR27_TEXT("Notes", "trace: %1"), {named(report.Files.Trace)}));
    if (!report.Files.TraceProblem.empty())
        add(TranslatedFormat("Notes", KVR27_TEXT("Notes", "trace not saved: %1"), {report.Files.TraceProblem}));
    return note;
}

} // namespace kvr27
