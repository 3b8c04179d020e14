#pragma once
// What every subcommand of kvr27 works with: its streams, whether they are
// terminals, the --yes answer, and the message sink and progress display that
// stand for the main program's message boxes and status bar.
#include "core/MessageSink.h"
#include "link/LinkServices.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace kvr27::cli {

// Exit codes: success, a failure (or, for diff, files that differ), a bad command line.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

struct CliStreams {
    std::ostream& out;
    std::ostream& err;
    std::istream& in;
    bool inIsTerminal = false;
    bool errIsTerminal = false;
    bool barOpen = false; // a progress bar ends the last line of standard error
    std::size_t barLength = 0; // the characters of the last bar drawn on that line
};

// The main program's message boxes on standard error: each notice's text (a "\r"
// becomes a line break), its detail after it on the same line. With --yes a question
// is answered OK without asking: its text is shown as a notice, since the questions
// left to it carry news (the channels a write leaves out); a subcommand shows no
// confirmation that --yes answers. Otherwise it is asked on the terminal ("[y/N]")
// and answered Cancel when standard input is not one.
class CliMessages : public MessageSink {
public:
    CliMessages(CliStreams& streams, bool yes) : streams_(streams), yes_(yes) {}
    void notify(const std::string& text, MessageIcon icon = MessageIcon::None,
                const std::string& detail = {}) override;
    bool ask(const std::string& text, const std::string& detail = {}) override;

private:
    CliStreams& streams_;
    bool yes_;
};

// A message as standard error shows it: its text ("\r" as a line break) and its
// detail after it; as one line ("\r" as a blank), for the closing error.
std::string MessageLines(const std::string& text, const std::string& detail);
std::string MessageLine(const std::string& text, const std::string& detail);

// The status bar's progress texts ("... 33%") as a bar with the text on standard error, drawn
// only when standard error is a terminal. finish() ends the bar's line (so does
// any other text written through this context).
class CliProgress : public ProgressSink {
public:
    explicit CliProgress(CliStreams& streams) : streams_(streams) {}
    void showProgress(ProgressTarget target, const std::string& text) override;
    void finish();

private:
    CliStreams& streams_;
};

// Standard error, after ending an open progress bar's line.
std::ostream& Err(CliStreams& streams);

// Writes "kvr27 <verb>: <text>" as one line on standard error and gives ExitFailure.
int Fail(CliStreams& streams, std::string_view verb, std::string_view text);

} // namespace kvr27::cli
