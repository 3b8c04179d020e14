#pragma once
// What the fuzz targets share: a check that stops the run with the broken property
// (so that libFuzzer keeps the input as a crash) and the fuzz input as a file the
// file commands can open.
#include "commands/FileMenuCommands.h"
#include "support/ImageDifference.h"

#ifdef __linux__
#include <sys/mman.h>
#include <unistd.h>
#else
#include "core/FileAccess.h"
#include "core/PathText.h"
#endif

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace kvr27::fuzz {

// Stops the run: the property `what` does not hold for this input.
[[noreturn]] inline void PropertyFailed(std::string_view what)
{
    std::fprintf(stderr, "\nproperty failed: %.*s\n", static_cast<int>(what.size()), what.data());
    std::fflush(stderr);
    std::abort();
}

inline void Require(bool holds, std::string_view what)
{
    if (!holds)
        PropertyFailed(what);
}
using test::ImageDifference;
using test::StateDifference;

// Puts `content` into a file in memory, opened by name like any other file; returns
// the name.
#ifndef __linux__
// Elsewhere (the replay on Windows) a file in the temporary folder.
inline const std::string& HoldInFile(std::string_view content)
{
    static const std::string name = Utf8FromPath(std::filesystem::temp_directory_path() / "kvr27-fuzz-input");
    Require(ReplaceFileAtomically(PathFromUtf8(name), content).ok(), "input file");
    return name;
}
#else
inline const std::string& HoldInFile(std::string_view content)
{
    static const int fd = memfd_create("kvr27-fuzz-input", 0);
    static const std::string name = "/proc/self/fd/" + std::to_string(fd);
    Require(fd >= 0 && ftruncate(fd, 0) == 0 &&
                pwrite(fd, content.data(), content.size(), 0) == static_cast<ssize_t>(content.size()),
            "input file");
    return name;
}
#endif

// Runs `check` on the input, held in a file, from the start-up state of each of the
// five start window options, with unsaved changes so a load has them to clear.
inline void CheckEveryModel(const std::uint8_t* data, std::size_t size,
                            void (*check)(const AppState& start, std::string_view input))
{
    static const auto starts = [] {
        std::array<AppState, 5> made;
        for (int option = 0; option < 5; ++option) {
            StartWithModel(made[static_cast<std::size_t>(option)], option);
            made[static_cast<std::size_t>(option)].History.push({});
        }
        return made;
    }();
    for (const AppState& start : starts)
        check(start, {reinterpret_cast<const char*>(data), size});
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
