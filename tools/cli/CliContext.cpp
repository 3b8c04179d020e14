#include "CliContext.h"

#include "link/ImageTransfers.h"

#include <algorithm>
#include <istream>
#include <ostream>

namespace kvr27::cli {

namespace {

std::string BoxText(std::string text)
{
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

constexpr int BarWidth = 30;

} // namespace

// Ends a progress bar's line before other text.
std::ostream& Err(CliStreams& streams)
{
    if (streams.barOpen)
        streams.err << '\n';
    streams.barOpen = false;
    return streams.err;
}

void CliMessages::notify(const std::string& text, MessageIcon, const std::string& detail)
{
    lastNotice_ = detail.empty() ? text : text + " " + detail;
    std::replace(lastNotice_.begin(), lastNotice_.end(), '\r', ' ');
    if (holding_)
        held_.push_back(BoxText(detail.empty() ? text : text + " " + detail));
    else
        Err(streams_) << BoxText(detail.empty() ? text : text + " " + detail) << '\n' << std::flush;
}

void CliMessages::release(Held what)
{
    holding_ = false;
    if (what == Held::DropAll || (what == Held::DropLast && !held_.empty()))
        held_.resize(what == Held::DropAll ? 0 : held_.size() - 1);
    for (const std::string& text : held_)
        Err(streams_) << text << '\n';
    streams_.err << std::flush;
    held_.clear();
}

bool CliMessages::ask(const std::string& text, const std::string& detail)
{
    Err(streams_) << BoxText(detail.empty() ? text : text + " " + detail) << '\n';
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
    if (!streams_.errIsTerminal || text.empty())
        return;
    const int percent = std::clamp(ProgressPercent(text).value_or(0), 0, 100);
    const int filled = percent * BarWidth / 100;
    streams_.err << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
                 << std::string(static_cast<std::size_t>(BarWidth - filled), ' ') << "] " << text << "\x1b[K"
                 << std::flush;
    streams_.barOpen = true;
}

void CliProgress::finish() { Err(streams_) << std::flush; }

int Fail(CliStreams& streams, std::string_view verb, std::string_view text)
{
    Err(streams) << "kvr27 " << verb << ": " << text << '\n' << std::flush;
    return ExitFailure;
}

} // namespace kvr27::cli
