#pragma once
// One run of a subcommand: its arguments, streams, message sink and progress
// display, and the steps most subcommands share (the model's start-up state, a
// clone file loaded or saved as the File menu does it, a file command's report
// printed), each ending in a one-line error on failure.
#include "CliArgs.h"
#include "CliContext.h"
#include "commands/AppState.h"
#include "commands/CommandReport.h"
#include "files/CloneFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvr27::cli {

class CliJob {
public:
    CliJob(const CliArgs& args, CliStreams& streams, std::string_view verb);

    // Each step below writes its one-line error when it fails and says whether the
    // subcommand goes on.

    // Starts `state` for the model --model names (`fallback` when it is not given;
    // without a fallback --model is required; in any letters' case), as the start
    // window's OK does. A missing or unknown model is a bad command line.
    bool startModel(AppState& state, std::string_view fallback = {});
    // Loads a clone file into `state` as Load does.
    [[nodiscard]] bool load(AppState& state, const std::string& file);
    // startModel, then load.
    [[nodiscard]] bool startAndLoad(AppState& state, const std::string& file, std::string_view fallback = {});
    // startModel, then a load that gives the values a load rule replaced or the VFO
    // window refused, for the caller to report (so they are not told on standard
    // error as well); nothing when the file was not loaded.
    [[nodiscard]] std::optional<std::vector<CloneFileReplacement>> startAndLoadReplaced(AppState& state,
                                                                                        const std::string& file);
    // The value of -o, or nothing after the one-line error of a bad command line.
    std::optional<std::string> output();
    // Saves the image as Save does (atomically); `what` names the file in the error.
    [[nodiscard]] bool save(AppState& state, const std::string& file, std::string_view what = "output");
    // Prints a file command's report: its messages on their own lines, but when the
    // command failed, its last message goes into the one error line
    // "<failure>: <message>".
    [[nodiscard]] bool printReport(const CommandReport& report, std::string_view failure);
    // Writes the one-line error of a bad command line; the run then ends with ExitUsage.
    int usage(std::string_view text);
    // Writes the one-line error.
    int fail(std::string_view text);

    const CliArgs& args;
    CliStreams& streams;
    std::string_view verb;
    CliMessages messages;
    // Where the file commands tell the user what went wrong: their reports keep it
    // and printReport prints it.
    SilentMessageSink quiet;
    CliProgress progress;
    int failureCode = ExitFailure;
};

// A value a load rule replaced or the VFO window refused, as check lists it:
// "line 5: TxTone: file 45, used 8".
std::string ReplacementText(const CloneFileReplacement& replacement);

} // namespace kvr27::cli
