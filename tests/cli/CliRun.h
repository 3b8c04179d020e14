#pragma once
// Runs the kvr27 tool in-process with captured streams; standard input and error
// are no terminals.
#include "Kvr27Cli.h"

#include <QStringList>

#include <sstream>
#include <string>

namespace kvr27::test {

struct CliOutcome {
    int code = -1;
    std::string out;
    std::string err;

    // The last line written to standard error.
    std::string lastErrLine() const
    {
        const std::size_t end = err.ends_with('\n') ? err.size() - 1 : err.size();
        const std::size_t start = err.rfind('\n', end == 0 ? 0 : end - 1);
        return err.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1));
    }
};

inline CliOutcome RunCli(const QStringList& args)
{
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in;
    cli::CliStreams streams{out, err, in, false, false};
    std::vector<std::string> list;
    for (const QString& arg : args)
        list.push_back(arg.toStdString());
    CliOutcome outcome;
    outcome.code = cli::RunKvr27(list, streams);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

} // namespace kvr27::test
