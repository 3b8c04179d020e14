#pragma once
// One run of a subcommand: its arguments, streams, message sink and progress
// display, and the steps most subcommands share (the model's start-up state, a
// clone file loaded or saved as the File menu does it), each ending in a one-line
// error on failure.
#include "CliArgs.h"
#include "CliContext.h"
#include "commands/AppState.h"
#include "files/CloneFile.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvr27::cli {

class CliJob {
public:
    CliJob(const CliArgs& args, CliStreams& streams, std::string_view verb);

    // Starts `state` for the model --model names (`fallback` when it is not given;
    // without a fallback --model is required), as the start window's OK does. A
    // missing or unknown model is a bad command line.
    bool startModel(AppState& state, std::string_view fallback = {});
    // Loads a clone file into `state` as Load does. With `replaced` the caller
    // reports the values a load rule replaced or the VFO window refused (see
    // LoadCloneFile), so they are not told on standard error as well.
    bool load(AppState& state, const std::string& file, std::vector<CloneFileReplacement>* replaced = nullptr);
    // startModel, then load.
    bool startAndLoad(AppState& state, const std::string& file, std::string_view fallback = {});
    // The value of -o, or nothing after the one-line error of a bad command line.
    std::optional<std::string> output();
    // Saves the image as Save does (atomically); `what` names the file in the error.
    bool save(AppState& state, const std::string& file, std::string_view what = "output");
    // Writes the one-line error of a bad command line; the run then ends with ExitUsage.
    int usage(std::string_view text);
    // Writes the one-line error, naming the last notice when `withNotice`.
    int fail(std::string_view text, bool withNotice = false);
    // Runs a file command with its notices held back: on failure its last notice
    // goes into the one error line "<failure>: <notice>", not on a line of its own.
    bool fileStep(const std::function<bool()>& command, std::string_view failure);

    const CliArgs& args;
    CliStreams& streams;
    std::string_view verb;
    CliMessages messages;
    CliProgress progress;
    int failureCode = ExitFailure;
};

// A value a load rule replaced or the VFO window refused, as check lists it:
// "line 5: TxTone: file 45, used 8".
std::string ReplacementText(const CloneFileReplacement& replacement);

} // namespace kvr27::cli
