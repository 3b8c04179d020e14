#include "commands/CommandNote.h"

#include "core/PathText.h"
#include "link/WrittenBlocks.h"

namespace kvr27 {

std::string CommandNote(const CommandReport& report, NoteFiles files)
{
    std::string note = report.Transfer ? TransferNote(*report.Transfer) : std::string();
    const auto add = [&note](const std::string& what, const std::string& text) {
        if (!text.empty())
            note += (note.empty() ? "" : "; ") + what + text;
    };
    const auto named = [files](const std::string& file) {
        return files == NoteFiles::NamesOnly ? Utf8FromPath(PathFromUtf8(file).filename()) : file;
    };
    // A write that failed says whether it changed the radio, and how.
    if (report.Written && report.End == CommandEnd::Failed)
        add("", WrittenNote(*report.Written));
    if (report.ok() && !report.Action.empty()) {
        const std::string& file = report.Files.Output.empty() ? report.Files.Source : report.Files.Output;
        add("", report.Action + (file.empty() ? "" : " " + named(file)));
    }
    add("backup: ", named(report.Files.Backup));
    add("trace: ", named(report.Files.Trace));
    add("trace not saved: ", report.Files.TraceProblem);
    return note;
}

} // namespace kvr27
