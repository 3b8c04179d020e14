#pragma once
// The facts of the problem report that only the platform knows: the program's
// build, the system, the Qt versions and the serial ports the system lists.
#include "commands/ProblemReport.h"

namespace kvr27 {

// The facts of this build on this machine, the ports as QSerialPortInfo lists them.
SystemFacts CurrentSystemFacts();

} // namespace kvr27
