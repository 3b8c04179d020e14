// kvr27: the command-line tool. A QCoreApplication runs for the serial port's sake.
#include "Kvr27Cli.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

bool IsTerminal(std::FILE* stream)
{
#ifdef _WIN32
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) == 1;
#endif
}

// The arguments as UTF-8 texts. Windows passes main() the narrow code page's
// letters; Qt reads the command line as it was typed.
std::vector<std::string> Arguments(int argc, char** argv)
{
#ifdef _WIN32
    static_cast<void>(argc);
    static_cast<void>(argv);
    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i)
        arguments.push_back(all[i].toStdString());
    return arguments;
#else
    return {argv + 1, argv + argc};
#endif
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
#ifdef _WIN32
    // The tool writes UTF-8 (file names, messages): the console shows it as such.
    SetConsoleOutputCP(CP_UTF8);
#endif
    kvr27::cli::CliStreams streams{std::cout, std::cerr, std::cin, IsTerminal(stdin), IsTerminal(stderr)};
    return kvr27::cli::RunKvr27(Arguments(argc, argv), streams);
}
