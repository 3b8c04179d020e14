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
        const std::string text = err.ends_with('\n') ? err.substr(0, err.size() - 1) : err;
        return text.substr(text.rfind('\n') + 1); // npos + 1 is 0
    }
};

inline CliOutcome RunCli(const QStringList& args)
{
    std::ostringstream out, err;
    std::istringstream in;
    cli::CliStreams streams{out, err, in, false, false};
    std::vector<std::string> list;
    for (const QString& arg : args)
        list.push_back(arg.toStdString());
    const int code = cli::RunKvr27(list, streams);
    return {code, out.str(), err.str()};
}

} // namespace kvr27::test
