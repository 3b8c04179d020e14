#pragma once
// A subcommand of kvr27: its name, its help text, its options and what it does.
#include "CliArgs.h"
#include "CliContext.h"

#include <string_view>
#include <vector>

namespace kvr27::cli {

struct CliVerb {
    std::string_view Name;
    std::string_view Help;                   // usage line and description, for --help
    std::vector<std::string_view> Values;    // options that take a value
    std::vector<std::string_view> Flags;     // options that take none
    std::size_t Files = 0;                   // number of file arguments it needs
    int (*Run)(const CliArgs& args, CliStreams& streams);
};

// The eight subcommands, each defined in its own file.
extern const CliVerb ReadVerb;
extern const CliVerb WriteVerb;
extern const CliVerb ExportCsvVerb;
extern const CliVerb ImportCsvVerb;
extern const CliVerb CheckVerb;
extern const CliVerb ShowVerb;
extern const CliVerb DiffVerb;
extern const CliVerb ReportVerb;

} // namespace kvr27::cli
