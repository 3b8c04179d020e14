#include "commands/TracedCommand.h"

#include "core/DatedFiles.h"
#include "core/FileAccess.h"
#include "core/PathText.h"

#include <chrono>

namespace kvr27 {

CommandTrace::CommandTrace(Port& port, bool on, TraceClock clock, bool timed)
    : port_(port), began_(std::chrono::system_clock::now()),
      tracing_(on ? std::make_unique<TracingPort>(port, std::move(clock), timed) : nullptr)
{
}

Port& CommandTrace::port() { return tracing_ ? static_cast<Port&>(*tracing_) : port_; }

void CommandTrace::save(const std::filesystem::path& file, const std::filesystem::path& folder, CommandFiles& files)
{
    // A command that exchanged nothing (declined, refused, no port) leaves no trace:
    // neither an empty file nor a file given replaced, nor a kept trace pushed out.
    if (!tracing_ || tracing_->exchanges().empty())
        return;
    tracing_->finish();
    if (file.empty()) {
        const SavedFile saved = SaveDatedFile(folder, TraceBaseName, began_, TraceExtension, tracing_->text(), KeptTraces);
        files.Trace = Utf8FromPath(saved.File);
        files.TraceProblem = saved.Problem;
        return;
    }
    const FileResult saved = ReplaceFileAtomically(file, tracing_->text());
    if (saved.ok())
        files.Trace = Utf8FromPath(file);
    else
        files.TraceProblem = Utf8FromPath(file) + ": " + saved.Reason;
}

} // namespace kvr27
