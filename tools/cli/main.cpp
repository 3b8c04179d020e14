// kvr27: the command-line tool. A QCoreApplication runs for the serial port's sake.
#include "Kvr27Cli.h"

#include <QCoreApplication>

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    kvr27::cli::CliStreams streams{std::cout, std::cerr, std::cin, isatty(STDIN_FILENO) == 1,
                                   isatty(STDERR_FILENO) == 1};
    return kvr27::cli::RunKvr27({argv + 1, argv + argc}, streams);
}
