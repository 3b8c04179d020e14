#include "commands/TracedCommand.h"

#include "core/DatedFiles.h"

#include <chrono>

namespace kvr27 {

std::string TraceFileName(const std::tm& when) { return DatedFileName("trace", when, ".txt"); }

std::filesystem::path SaveTraceFile(const std::filesystem::path& folder, const std::tm& when, const std::string& text,
                                    std::string& problem)
{
    SavedFile saved = SaveDatedFile(folder, "trace", when, ".txt", text, KeptTraces);
    problem = saved.Problem;
    return saved.File;
}

void RunTracedCommand(AppState& state, LinkServices& services, const std::function<void(LinkServices&)>& command,
                      TraceClock clock)
{
    if (!state.Safeguards.TraceExchanges) {
        command(services);
        return;
    }
    const std::tm began = LocalTime(std::chrono::system_clock::now());
    TracingPort port(services.port, std::move(clock));
    LinkServices traced{port, services.waiter, services.messages, services.progress};
    command(traced);
    port.finish();
    LinkState& link = state.Link;
    link.TraceFile = SaveTraceFile(state.DataFolder / "traces", began, port.text(), link.TraceProblem).string();
}

} // namespace kvr27
