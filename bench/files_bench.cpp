// Load, save, import and export of a full image (every channel in use), each timed
// over many runs through the files the program reads and writes; prints the median
// time of one run of each.
#include "commands/AppState.h"
#include "commands/FileMenuCommands.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

using namespace kvr27;

namespace {

// The dialog answers the same file every time.
class FixedDialogs : public Dialogs {
public:
    std::string file;
    std::optional<PrintSetup> printSetup() override { return std::nullopt; }

protected:
    std::optional<std::filesystem::path> chooseFileToOpen(const std::string&, const std::filesystem::path&) override { return file; }
    std::optional<std::filesystem::path> chooseFileToSave(const std::string&, const std::filesystem::path&) override { return file; }
};

class SilentMessages : public MessageSink {
public:
    void notify(const std::string&, MessageIcon, const std::string&) override {}
    bool ask(const std::string&, const std::string&) override { return true; }
};

double MedianMilliseconds(const std::function<void()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < 200; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main()
{
    AppState state;
    StartWithModel(state, 0);
    for (int i = 0; i < ChannelTable::Count; ++i) {
        ChannelRecord& r = state.Image.Channels.at(i);
        r.Enabled = true;
        r.Frequency = 43306000 + 2500 * i;
        r.ChannelFlags = static_cast<std::uint8_t>(i % 2 ? 0x04 : 0x96);
    }
    RefreshChannelGrid(state.Image, state.Grid);

    const auto folder = std::filesystem::temp_directory_path() / "kvr27-files-bench";
    std::filesystem::create_directories(folder);
    SilentMessages messages;
    FixedDialogs clone, csv;
    clone.file = (folder / "radio.r27").string();
    csv.file = (folder / "channels.csv").string();

    int failed = 0;
    const auto count = [&failed](const CommandReport& report) { failed += report.ok() ? 0 : 1; };
    const double save = MedianMilliseconds([&] { count(SaveCommand(state, messages, clone)); });
    const double load = MedianMilliseconds([&] { count(LoadCommand(state, messages, clone)); });
    const double exportTime = MedianMilliseconds([&] { count(ExportCommand(state, messages, csv)); });
    const double import = MedianMilliseconds([&] { count(ImportCommand(state, messages, csv)); });
    std::filesystem::remove_all(folder);

    std::printf("full image, median of 200 runs (limit 5 ms each)\n");
    std::printf("save   %.3f ms\nload   %.3f ms\nexport %.3f ms\nimport %.3f ms\n", save, load, exportTime, import);
    if (failed != 0) {
        std::printf("%d commands reported a failure\n", failed);
        return 1;
    }
    return 0;
}
