#pragma once
// An output of a subcommand (-o, --backup, --trace) that is one of its input files
// or another of its outputs, whatever path or link names it.
#include "CliArgs.h"

#include <optional>
#include <string>

namespace kvr27::cli {

// The one-line error for the first output that would replace an input or another
// output ("-o radio.r27 would replace the input radio.r27"), or nothing.
std::optional<std::string> FileClash(const CliArgs& args);

} // namespace kvr27::cli
