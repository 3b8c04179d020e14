#pragma once
// A write of changed blocks only: the radio's blocks as the command has just read
// them, so that a write can leave out a block the radio holds already, byte for
// byte, and the read-back reads only the blocks that were sent.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace kvr27 {

class RadioBlocks {
public:
    // A block read from the radio (32 digits). A block read before with other bytes
    // means the radio has changed since: everything read before is forgotten, so a
    // write sends every block again, as a write without a whole read does.
    void read(std::uint16_t address, std::string_view digits);
    // Whether the radio holds `digits` at `address` already: every byte of the
    // block, or the one byte of the write at 715h. False for a block not read.
    bool holds(std::uint16_t address, std::string_view digits) const;
    // The radio acknowledged a write of `digits` at `address`.
    void wrote(std::uint16_t address, std::string_view digits);

private:
    std::map<std::uint16_t, std::string> blocks_; // by block address, uppercase digits
};

} // namespace kvr27
