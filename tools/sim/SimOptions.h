#pragma once
// The command line of kvr27-sim.
#include "PtyRadio.h"
#include "RadioEmulator.h"

#include <optional>
#include <string>
#include <vector>

namespace kvr27::sim {

struct SimOptions {
    std::string imageFile;              // --image FILE: 2048 bytes of memory
    std::optional<int> model;           // --model NAME: start window option of the model
    std::optional<int> modelCode;       // --model-code N: byte 7F6h
    std::string linkPath;               // --link PATH: symlink to the pty device
    std::string dumpFile;               // --dump FILE: memory written here at exit
    Fault fault = Fault::None;          // --fault KIND
    int faultAfter = 0;                 // --fault-after N: exchanges answered first
    int delayMs = 150;                  // --delay-ms MS: how late the Delay fault answers
    LineTiming line;                    // --no-pace, --stop-bits, --latency-ms, --jitter-ms
    bool help = false;                  // --help: print SimHelp and end
    bool version = false;               // --version: print the version and end
};

inline constexpr const char* SimUsage =
    "usage: kvr27-sim [--model NAME] [--image FILE] [--model-code N] [--link PATH] [--dump FILE]\n"
    "                 [--fault silence|short|long|err|nonhex|delay|hangup|wrongstore] [--fault-after N]\n"
    "                 [--delay-ms MS] [--no-pace] [--stop-bits 1|2] [--latency-ms MS]\n"
    "                 [--jitter-ms MS] [--help] [--version]\n"
    "NAME: KV-R27PA, KV-R27Z, KV-R27X, \"KV-R27PA(PMR only)\" or \"KV-R27PA(LPD only)\"\n";

// What --help prints.
inline constexpr const char* SimHelp =
    "Usage: kvr27-sim [OPTION]...\n"
    "\n"
    "Answers like a KV-R27 radio on a pseudo-terminal, for trying kvr27-clone and kvr27\n"
    "without a radio. Prints the device's path on its first line and, on the second,\n"
    "the command that points COM1 at it. Ends on SIGINT or SIGTERM, or after a hang-up.\n"
    "\n"
    "Options:\n"
    "  --model NAME     KV-R27PA, KV-R27Z, KV-R27X, \"KV-R27PA(PMR only)\" or\n"
    "                   \"KV-R27PA(LPD only)\": the model's start-up code at 7F6h and,\n"
    "                   without --image, the model's start-up settings with a few\n"
    "                   channels that suit it\n"
    "  --image FILE     the radio's memory: a file of exactly 2048 bytes, address 0\n"
    "                   first (with neither option the memory is all FF)\n"
    "  --model-code N   byte 7F6h, over what --model sets\n"
    "  --link PATH      a symlink to the device; the printed COM1 line names it\n"
    "  --dump FILE      the memory at exit, in the same 2048-byte form\n"
    "  --fault KIND     misbehave after --fault-after N exchanges answered normally:\n"
    "                   silence (no echo, no answer), short or long (an answer one\n"
    "                   character short or long), err (\"ERR\", writes refused),\n"
    "                   nonhex (a payload character that is no hex digit), delay (the\n"
    "                   answer comes late), hangup (nothing more is sent), wrongstore\n"
    "                   (a write is acknowledged, its first byte stored wrong)\n"
    "  --fault-after N  exchanges answered normally before the fault (default 0)\n"
    "  --delay-ms MS    how late \"delay\" answers (default 150)\n"
    "  --no-pace        send at once instead of at 9600 baud\n"
    "  --stop-bits N    1 (8N1, about 1.04 ms a character; the default) or 2 (8N2,\n"
    "                   about 1.15 ms)\n"
    "  --latency-ms MS  0 to 20: each answer begins that much later, as a USB\n"
    "                   adapter holds what it received (default 0)\n"
    "  --jitter-ms MS   0 to 20: and up to that much more, at random (default 0)\n"
    "  --help           print this help and exit\n"
    "  --version        print the version and the licence and exit\n";

// The options, or nothing (with the reason in `error`) for a bad command line.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);

} // namespace kvr27::sim
