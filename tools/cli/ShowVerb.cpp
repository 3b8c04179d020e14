// kvr27 show: the settings report as plain text, laid out as the printed report
// (one character per report column, one text line per report line).
#include "CliJob.h"
#include "CliVerb.h"
#include "commands/ReportPages.h"

#include <algorithm>
#include <ostream>

namespace kvr27::cli {

namespace {

// Every channel fits on the one page, so the text needs no continuation pages.
constexpr int TextPageLines = FirstChannelLine + ChannelTable::Count;

int RunShow(const CliArgs& args, CliStreams& streams)
{
    CliJob job(args, streams, "show");
    AppState state;
    const auto replaced = job.startAndLoadReplaced(state, args.files[0]);
    if (!replaced)
        return job.failureCode;
    // A value the VFO window refuses leaves its box, and so the report's entry, empty.
    for (const CloneFileReplacement& r : *replaced) {
        if (!r.Refusal.empty())
            return job.fail("cannot show " + args.files[0] + ": " + ReplacementText(r));
    }
    for (const ReportPage& page : ReportPages(state, TextPageLines, 1)) {
        int lastLine = 0;
        for (const PrintText& text : page)
            lastLine = std::max(lastLine, text.Line);
        std::vector<std::string> lines(static_cast<std::size_t>(lastLine) + 1);
        for (const PrintText& text : page) {
            // A text that would run into its neighbour starts after it, one blank between.
            std::string& line = lines[static_cast<std::size_t>(text.Line)];
            const std::size_t column = static_cast<std::size_t>(text.Column);
            line.resize(std::max(column, line.empty() ? column : line.size() + 1), ' ');
            line += text.Text;
        }
        for (const std::string& line : lines)
            streams.out << line << '\n';
    }
    return ExitOk;
}

} // namespace

const CliVerb ShowVerb = {
    "show",
    "usage: kvr27 show --model M FILE\n"
    "Prints the settings report of the clone file FILE as plain text, laid out as the\n"
    "printed report. Fails on a value the VFO window refuses to show.\n",
    {"--model"},
    {},
    1,
    RunShow,
};

} // namespace kvr27::cli
