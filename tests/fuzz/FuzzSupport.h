#pragma once
// What the fuzz targets share: a check that stops the run with the broken property
// (so that libFuzzer keeps the input as a crash), comparisons of whole program
// states that name what differs, and the fuzz input as a file the file commands
// can open.
#include "commands/AppState.h"
#include "files/CloneFile.h"
#include "commands/FileMenuCommands.h"

#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace kvr27::fuzz {

// Stops the run: the property `what` does not hold for this input.
[[noreturn]] inline void PropertyFailed(std::string_view what)
{
    std::fprintf(stderr, "\nproperty failed: %.*s\n", static_cast<int>(what.size()), what.data());
    std::fflush(stderr);
    __builtin_trap();
}

inline void Require(bool holds, std::string_view what)
{
    if (!holds)
        PropertyFailed(what);
}

// The first difference between two images ("" when they are equal): the model, a
// line of their clone files (every VFO value and channel field, by name), the
// defaults or a change flag.
inline std::string ImageDifference(const RadioImage& a, const RadioImage& b)
{
    if (a.ModelName == b.ModelName && a.ModelCode == b.ModelCode && a.Vfo == b.Vfo && a.Channels == b.Channels &&
        a.Defaults == b.Defaults && a.SettingsChanged == b.SettingsChanged && a.VfoChanged == b.VfoChanged &&
        a.ChannelsChanged == b.ChannelsChanged)
        return {};
    if (a.ModelName != b.ModelName)
        return "ModelName " + a.ModelName + " / " + b.ModelName;
    if (a.ModelCode != b.ModelCode)
        return "ModelCode " + std::to_string(a.ModelCode) + " / " + std::to_string(b.ModelCode);
    const auto linesA = CloneFileEntries(a);
    const auto linesB = CloneFileEntries(b);
    for (std::size_t i = 0; i < linesA.size(); ++i) {
        if (linesA[i].Text != linesB[i].Text)
            return "line " + std::to_string(i + 1) + " (channel " + std::to_string(linesA[i].Field.Channel) + ", " +
                   linesA[i].Field.Name + ") " + linesA[i].Text + " / " + linesB[i].Text;
    }
    if (!(a.Defaults == b.Defaults))
        return "Defaults";
    if (a.SettingsChanged != b.SettingsChanged || a.VfoChanged != b.VfoChanged || a.ChannelsChanged != b.ChannelsChanged)
        return "change flags";
    return {};
}

// The first difference between two program states in what a file command may
// change: the image, the VFO window's form and the channel grid.
inline std::string StateDifference(const AppState& a, const AppState& b)
{
    if (std::string image = ImageDifference(a.Image, b.Image); !image.empty())
        return "image: " + image;
    if (!(a.Vfo == b.Vfo))
        return "VFO form";
    for (int row = 0; a.Grid.Text != b.Grid.Text && row < ChannelGrid::Rows; ++row) {
        for (int col = 0; col < ChannelGrid::Cols; ++col) {
            if (a.Grid.TextMatrix(row, col) != b.Grid.TextMatrix(row, col))
                return "grid cell " + std::to_string(row) + "," + std::to_string(col) + " \"" +
                       a.Grid.TextMatrix(row, col) + "\" / \"" + b.Grid.TextMatrix(row, col) + "\"";
        }
    }
    if (a.Grid.Look != b.Grid.Look || a.Grid.Row != b.Grid.Row || a.Grid.Col != b.Grid.Col ||
        a.Grid.ColSel != b.Grid.ColSel || a.Grid.Visible != b.Grid.Visible)
        return "grid looks or selection";
    return {};
}

// A file in memory holding the fuzz input, opened by name like any other file.
class InputFile {
public:
    InputFile() : fd_(memfd_create("kvr27-fuzz-input", 0)), name_("/proc/self/fd/" + std::to_string(fd_))
    {
        Require(fd_ >= 0, "memfd_create");
    }
    ~InputFile() { close(fd_); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Replaces the file's content; returns its name.
    const std::string& hold(std::string_view content)
    {
        Require(ftruncate(fd_, 0) == 0, "ftruncate");
        Require(pwrite(fd_, content.data(), content.size(), 0) == static_cast<ssize_t>(content.size()), "pwrite");
        return name_;
    }

private:
    int fd_;
    std::string name_;
};

// The five start window options, each with its model's start-up state.
inline constexpr int ModelOptions = 5;

// The start-up states of the five options, with unsaved changes so that a load or
// an import has a flag to clear.
inline const std::array<AppState, ModelOptions>& StartStates()
{
    static const auto states = [] {
        std::array<AppState, ModelOptions> made;
        for (int option = 0; option < ModelOptions; ++option) {
            StartWithModel(made[option], option);
            made[option].Image.SettingsChanged = true;
        }
        return made;
    }();
    return states;
}

// Runs `check` on the input, held in a file, from the start-up state of every model.
inline void CheckEveryModel(const std::uint8_t* data, std::size_t size,
                            void (*check)(const AppState& start, InputFile& file, std::string_view input))
{
    static InputFile file;
    for (const AppState& start : StartStates())
        check(start, file, {reinterpret_cast<const char*>(data), size});
}

// A file command refused its input: the state is as it was and "File reading
// error." was shown once.
inline void RequireCleanRefusal(const AppState& state, const AppState& start,
                                const std::vector<std::string>& messages)
{
    if (std::string difference = StateDifference(state, start); !difference.empty())
        PropertyFailed("refused file changed the state: " + difference);
    Require(messages == std::vector<std::string>{FileReadingErrorMessage},
            "refused file: not exactly one \"File reading error.\"");
}

} // namespace kvr27::fuzz
