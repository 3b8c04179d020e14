#include "CliContext.h"

#include "link/ImageTransfers.h"

#include <algorithm>
#include <istream>
#include <ostream>

namespace kvr27::cli {

namespace {

constexpr int BarWidth = 30;

// The text, then its detail, with `lineBreak` for each "\r".
std::string Shown(const std::string& text, const std::string& detail, char lineBreak)
{
    std::string shown = detail.empty() ? text : text + " " + detail;
    std::replace(shown.begin(), shown.end(), '\r', lineBreak);
    return shown;
}

} // namespace

// Ends a progress bar's line before other text.
std::ostream& Err(CliStreams& streams)
{
    if (streams.barOpen)
        streams.err << '\n';
    streams.barOpen = false;
    return streams.err;
}

std::string MessageLines(const std::string& text, const std::string& detail) { return Shown(text, detail, '\n'); }

std::string MessageLine(const std::string& text, const std::string& detail) { return Shown(text, detail, ' '); }

void CliMessages::notify(const std::string& text, MessageIcon, const std::string& detail)
{
    Err(streams_) << MessageLines(text, detail) << '\n' << std::flush;
}

bool CliMessages::ask(const std::string& text, const std::string& detail)
{
    Err(streams_) << MessageLines(text, detail) << '\n';
    if (yes_)
        return true;
    if (!streams_.inIsTerminal)
        return false;
    streams_.err << "[y/N] " << std::flush;
    std::string answer;
    std::getline(streams_.in, answer);
    return answer == "y" || answer == "Y" || answer == "yes";
}

void CliProgress::showProgress(ProgressTarget, const std::string& text)
{
    // A status text that is no progress (the port's problem at a command's end) is
    // left to the closing error line, which names it.
    const std::optional<int> shown = ProgressPercent(text);
    if (!streams_.errIsTerminal || !shown)
        return;
    const int percent = std::clamp(*shown, 0, 100);
    const int filled = percent * BarWidth / 100;
    std::string bar(1, '[');
    bar.append(static_cast<std::size_t>(filled), '#').append(static_cast<std::size_t>(BarWidth - filled), ' ');
    bar.append("] ").append(text);
    // Blanks over what a longer bar left on the line: every console, Windows' too,
    // shows them, where not all know the control sequence that clears a line.
    const std::size_t length = bar.size();
    if (streams_.barOpen && length < streams_.barLength)
        bar.append(streams_.barLength - length, ' ');
    streams_.err << '\r' << bar << std::flush;
    streams_.barOpen = true;
    streams_.barLength = length;
}

void CliProgress::finish() { Err(streams_) << std::flush; }

int Fail(CliStreams& streams, std::string_view verb, std::string_view text)
{
    Err(streams) << "kvr27 " << verb << ": " << text << '\n' << std::flush;
    return ExitFailure;
}

} // namespace kvr27::cli
