#pragma once
// The command line of kvr27-sim.
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
    bool pace = true;                   // --no-pace: send without the line rate
};

inline constexpr const char* SimUsage =
    "usage: kvr27-sim [--model NAME] [--image FILE] [--model-code N] [--link PATH] [--dump FILE]\n"
    "                 [--fault silence|short|long|err|nonhex|delay|hangup|wrongstore] [--fault-after N]\n"
    "                 [--delay-ms MS] [--no-pace]\n"
    "NAME: KV-R27PA, KV-R27Z, KV-R27X, \"KV-R27PA(PMR only)\" or \"KV-R27PA(LPD only)\"\n";

// The options, or nothing (with the reason in `error`) for a bad command line.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);

} // namespace kvr27::sim
