#pragma once
// The kvr27 command-line tool as a function: the arguments after the program's
// name, the streams, and the exit status it gives.
#include "CliContext.h"

#include <string>
#include <vector>

namespace kvr27::cli {

int RunKvr27(const std::vector<std::string>& args, CliStreams& streams);

} // namespace kvr27::cli
