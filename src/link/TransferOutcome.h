#pragma once
// How the last transfer command ended, kept for the windows' note beside the status
// text: the direction, the typed result, the device used and the model code the
// radio reported.
#include "link/LinkResult.h"

#include <cstdint>
#include <string>

namespace kvr27 {

// Backup: the read of the radio's contents before a write. Verify: the read-back
// after a write.
enum class TransferKind { Read, Write, Backup, Verify };

struct TransferOutcome {
    TransferKind Kind = TransferKind::Read;
    LinkResult Result;
    std::string Device;             // the device of the COM option used ("/dev/ttyUSB0")
    std::uint8_t RadioModelCode = 0; // the model code the radio reported (ModelMismatch)
    bool Verified = false;           // a write whose read-back matched what it sent
    int LeftOut = 0;                 // channels a memory write left out for their frequency
    std::string SlowedAfter;         // fast mode: the command after which the pace went back to normal
    int Repeated = 0;                // exchanges that failed once and succeeded when repeated
    int ChangedBlocks = -1;          // a write of changed blocks only: the blocks it sent, of
    int AllBlocks = 0;               // the blocks a full write sends
};

// The note in plain words: "Read complete", "Write complete", "Read cancelled", a
// write refused by its checks ("Write refused: the VFO frequency is outside the
// model's range"), or what failed: the device, the block or channel of the exchange
// and why; then how many blocks a write of changed blocks only sent ("3 of 107
// blocks changed"), how many channels a write left out for being outside the radio's
// range, where a fast transfer slowed down ("slowed down after block 0730h") and how
// many exchanges were repeated.
std::string TransferNote(const TransferOutcome& outcome);

// What the "Read/Write Error" box says below its text: the device, what failed and
// where ("/dev/ttyUSB0: no answer from the radio at block 07F0h"; "the device
// /dev/ttyUSB0 is gone").
std::string ExchangeFailureDetail(const LinkResult& result, const std::string& device);

// "slowed down after block 0730h": where a fast transfer went back to the normal
// pace, from the command of the exchange that failed.
std::string SlowedDownNote(const std::string& command);

// "1 exchange was repeated", "2 exchanges were repeated": exchanges that failed
// once and succeeded the second time.
std::string RepeatedNote(int count);

// "3 of 107 blocks changed": what a write of changed blocks only sent.
std::string ChangedBlocksNote(const TransferOutcome& outcome);

// "2 channels left out: outside the radio's range".
std::string LeftOutNote(int count);

} // namespace kvr27
