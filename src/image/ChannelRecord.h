#pragma once
// One memory channel and the table of 100 of them.
#include "image/BitField.h"

#include <array>
#include <cstdint>

namespace kvr27 {

namespace Bits {
// ChannelFlags (ToneSet, Shift and Bclo have the VFO bytes' codes and positions)
inline constexpr BitField ChannelToneSet{0, 2};
inline constexpr BitField ChannelMode{2, 2};
inline constexpr BitField ChannelShift{4, 2};
inline constexpr BitField ChannelSkip{6, 1};
inline constexpr BitField ChannelBclo{7, 1};
} // namespace Bits

// ChannelFlags AND 0Ch: single-band models store 0.
inline constexpr std::uint8_t ModeLpdFlag = 0x04;
inline constexpr std::uint8_t ModePmrFlag = 0x08;
// A PMR channel's Frequency holds the channel number 1..8 times this.
inline constexpr std::int32_t PmrChannelUnit = 16777216;

struct ChannelRecord {
    std::int32_t Frequency = 0;    // 10 Hz units, or PMR channel number * PmrChannelUnit
    std::int32_t ShiftFreq = 0;    // offset, 10 Hz units
    std::uint8_t TxTone = 0;       // index into ToneLabels
    std::uint8_t RxTone = 0;       // index into ToneLabels
    std::uint8_t PmrTone = 0;      // index into PmrToneLabels
    std::uint8_t ChannelFlags = 0; // ToneSet, Mode, Shift, Skip, Bclo
    std::uint8_t Step = 0;         // low four bits: index into StepLabels
    bool Enabled = false;          // the channel is in use

    unsigned ToneSet() const { return Bits::ChannelToneSet.get(ChannelFlags); }
    unsigned Shift() const { return Bits::ChannelShift.get(ChannelFlags); }
    unsigned Skip() const { return Bits::ChannelSkip.get(ChannelFlags); }
    unsigned Bclo() const { return Bits::ChannelBclo.get(ChannelFlags); }
    unsigned StepIndex() const { return Step & 0x0Fu; }
    // Every reader takes Mode 08h as PMR and anything else as LPD.
    bool IsPmr() const { return (ChannelFlags & 0x0C) == ModePmrFlag; }

    bool operator==(const ChannelRecord&) const = default;
};

// The 100 memory channels, index 0 to 99. Every access is index-checked and throws
// std::out_of_range for an index outside 0..99.
class ChannelTable {
public:
    static constexpr int Count = 100;

    ChannelRecord& at(int index);
    const ChannelRecord& at(int index) const;

    auto begin() { return records_.begin(); }
    auto end() { return records_.end(); }
    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end(); }

    // The radio's current channel after a write of this table: the lowest enabled
    // channel's number (1 to 100), or 0 when none is enabled.
    std::uint8_t firstEnabledNumber() const;

    bool operator==(const ChannelTable&) const = default;

private:
    std::array<ChannelRecord, Count> records_{};
};

} // namespace kvr27
