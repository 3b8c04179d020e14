#include "link/TracedCommand.h"

#include "core/FileAccess.h"

#include <chrono>
#include <cstdio>
#include <system_error>

namespace kvr27 {

namespace {

std::tm LocalTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

} // namespace

std::string TraceFileName(const std::tm& when)
{
    char name[64];
    std::snprintf(name, sizeof name, "trace-%04d-%02d-%02d-%02d%02d%02d.txt", when.tm_year + 1900, when.tm_mon + 1,
                  when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
    return name;
}

std::filesystem::path SaveTraceFile(const std::filesystem::path& folder, const std::tm& when, const std::string& text,
                                    std::string& problem)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        problem = folder.string() + ": " + error.message();
        return {};
    }
    const std::string name = TraceFileName(when);
    const std::string stem = name.substr(0, name.size() - 4);
    std::filesystem::path file = folder / name;
    for (int n = 2; std::filesystem::exists(file, error); ++n)
        file = folder / (stem + "-" + std::to_string(n) + ".txt");
    const FileResult saved = ReplaceFileAtomically(file, text);
    if (!saved.ok()) {
        problem = file.string() + ": " + saved.Reason;
        return {};
    }
    return file;
}

void RunTracedCommand(AppState& state, LinkServices& services, const std::function<void(LinkServices&)>& command,
                      TraceClock clock)
{
    if (!state.Safeguards.TraceExchanges) {
        command(services);
        return;
    }
    const std::tm began = LocalTimeNow();
    TracingPort port(services.port, std::move(clock));
    LinkServices traced{port, services.waiter, services.messages, services.progress};
    command(traced);
    port.finish();
    LinkState& link = state.Link;
    link.TraceFile = SaveTraceFile(state.DataFolder / "traces", began, port.text(), link.TraceProblem).string();
}

} // namespace kvr27
