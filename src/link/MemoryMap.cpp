#include "link/MemoryMap.h"

#include "link/HexText.h"

#include <array>
#include <stdexcept>

namespace kvr27 {

namespace {

std::uint8_t ByteAt(std::string_view block, std::size_t offset) { return HexToByte(block.substr(2 * offset)); }

std::int32_t LongAt(std::string_view block, std::size_t offset) { return HexToLong(block.substr(2 * offset)); }

// Additions that wrap like the radio's registers instead of overflowing.
std::int32_t WrappingAdd(std::int32_t value, std::int32_t amount)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + static_cast<std::uint32_t>(amount));
}
std::uint8_t WrappingAdd(std::uint8_t value, int amount) { return static_cast<std::uint8_t>(value + amount); }

// The 16 bytes of a block to be written, FF where no field lies, and which bytes a
// field filled.
class BlockText {
public:
    BlockText() { bytes_.fill(0xFF); }
    void putByte(std::size_t offset, std::uint8_t value)
    {
        bytes_.at(offset) = value;
        owned_ = static_cast<std::uint16_t>(owned_ | 1u << offset);
    }
    void putLong(std::size_t offset, std::int32_t value)
    {
        const auto bits = static_cast<std::uint32_t>(value);
        for (std::size_t i = 0; i < 4; ++i)
            putByte(offset + i, static_cast<std::uint8_t>(bits >> (24 - 8 * i)));
    }
    std::string text() const
    {
        std::string digits;
        for (std::uint8_t b : bytes_)
            digits += HexByte(b);
        return digits;
    }
    std::uint16_t owned() const { return owned_; }

private:
    std::array<std::uint8_t, BlockSize> bytes_{};
    std::uint16_t owned_ = 0;
};

constexpr std::size_t ChannelFlagsOffset = 11;
constexpr std::size_t CurrentChannelOffset = CurrentChannelAddress - VfoBlock2Address;
constexpr std::size_t ModelCodeOffset = ModelCodeAddress - IdentityBlockAddress;

bool IsPmrFlags(std::uint8_t flags) { return (flags & 0x0C) == ModePmrFlag; }

// The blocks a write sends, built from the image.
BlockText ChannelBlockText(const ChannelRecord& record)
{
    BlockText block;
    block.putLong(0, IsPmrFlags(record.ChannelFlags) ? WrappingAdd(record.Frequency, -PmrFrequencyAdjustment)
                                                     : record.Frequency);
    block.putLong(4, record.ShiftFreq);
    block.putByte(8, record.TxTone);
    block.putByte(9, record.RxTone);
    block.putByte(10, record.PmrTone);
    block.putByte(ChannelFlagsOffset, record.ChannelFlags);
    block.putByte(12, record.Step);
    return block;
}

BlockText VfoBlock1Text(const VfoSettings& vfo)
{
    BlockText block;
    block.putLong(0, vfo.Frequency);
    block.putLong(4, vfo.ShiftFreq);
    block.putByte(8, vfo.LockPowerTone);
    block.putByte(9, vfo.VfoReserved1);
    block.putByte(10, vfo.VfoReserved2);
    block.putByte(11, WrappingAdd(vfo.PmrChannel, -1));
    return block;
}

BlockText VfoBlock2Text(const VfoSettings& vfo, std::uint8_t currentChannelByte)
{
    BlockText block;
    block.putByte(0, vfo.BatteryBeepSquelch);
    block.putByte(1, vfo.BellShiftStep);
    block.putByte(2, vfo.BcloCallTot);
    block.putByte(3, vfo.SkipScanApo);
    block.putByte(4, vfo.EpoLamp);
    block.putByte(CurrentChannelOffset, currentChannelByte);
    block.putByte(6, vfo.TxTone);
    block.putByte(7, vfo.RxTone);
    block.putByte(8, vfo.PmrTone);
    return block;
}

BlockText VfoBlock3Text(const VfoSettings& vfo)
{
    BlockText block;
    block.putLong(0, vfo.RptShiftFreq);
    block.putByte(4, vfo.RptTone);
    block.putByte(5, vfo.RptFlags);
    return block;
}

BlockText ChannelBitmapText(const ChannelTable& channels)
{
    constexpr std::size_t BitmapBytes = (ChannelTable::Count + 7) / 8;
    std::array<std::uint8_t, BitmapBytes> bits{};
    for (int n = 0; n < ChannelTable::Count; ++n) {
        if (channels.at(n).Enabled)
            bits[static_cast<std::size_t>(n / 8)] |= static_cast<std::uint8_t>(0x80 >> (n % 8));
    }
    BlockText block;
    for (std::size_t i = 0; i < BitmapBytes; ++i)
        block.putByte(i, bits[i]);
    return block;
}

} // namespace

std::uint16_t ChannelBlockAddress(int index)
{
    if (index < 0 || index > ChannelTable::Count)
        throw std::out_of_range("channel index " + std::to_string(index) + " outside 0..100");
    return static_cast<std::uint16_t>(BlockSize * static_cast<std::size_t>(index));
}

void DecodeChannelBlock(std::string_view block, ChannelRecord& record)
{
    record.ChannelFlags = ByteAt(block, ChannelFlagsOffset);
    record.Frequency = LongAt(block, 0);
    if (IsPmrFlags(record.ChannelFlags))
        record.Frequency = WrappingAdd(record.Frequency, PmrFrequencyAdjustment);
    record.ShiftFreq = LongAt(block, 4);
    record.TxTone = ByteAt(block, 8);
    record.RxTone = ByteAt(block, 9);
    record.PmrTone = ByteAt(block, 10);
    record.Step = ByteAt(block, 12);
}

void DecodeVfoBlock1(std::string_view block, VfoSettings& vfo)
{
    vfo.Frequency = LongAt(block, 0);
    vfo.ShiftFreq = LongAt(block, 4);
    vfo.LockPowerTone = ByteAt(block, 8);
    vfo.VfoReserved1 = ByteAt(block, 9);
    vfo.VfoReserved2 = ByteAt(block, 10);
    vfo.PmrChannel = WrappingAdd(ByteAt(block, 11), 1);
}

void DecodeVfoBlock2(std::string_view block, VfoSettings& vfo)
{
    vfo.BatteryBeepSquelch = ByteAt(block, 0);
    vfo.BellShiftStep = ByteAt(block, 1);
    vfo.BcloCallTot = ByteAt(block, 2);
    vfo.SkipScanApo = ByteAt(block, 3);
    vfo.EpoLamp = ByteAt(block, 4);
    vfo.TxTone = ByteAt(block, 6);
    vfo.RxTone = ByteAt(block, 7);
    vfo.PmrTone = ByteAt(block, 8);
}

void DecodeVfoBlock3(std::string_view block, VfoSettings& vfo)
{
    vfo.RptShiftFreq = LongAt(block, 0);
    vfo.RptTone = ByteAt(block, 4);
    vfo.RptFlags = ByteAt(block, 5);
}

std::uint8_t DecodeCurrentChannel(std::string_view block2) { return ByteAt(block2, CurrentChannelOffset); }

void DecodeChannelBitmap(std::string_view block, ChannelTable& channels)
{
    for (int n = 0; n < ChannelTable::Count; ++n) {
        const std::uint8_t byte = ByteAt(block, static_cast<std::size_t>(n / 8));
        channels.at(n).Enabled = (byte >> (7 - n % 8)) & 1;
    }
}

std::uint8_t DecodeModelCode(std::string_view identityBlock) { return ByteAt(identityBlock, ModelCodeOffset); }

std::string EncodeChannelBlock(const ChannelRecord& record) { return ChannelBlockText(record).text(); }
std::string EncodeVfoBlock1(const VfoSettings& vfo) { return VfoBlock1Text(vfo).text(); }
std::string EncodeVfoBlock2(const VfoSettings& vfo, std::uint8_t currentChannelByte)
{
    return VfoBlock2Text(vfo, currentChannelByte).text();
}
std::string EncodeVfoBlock3(const VfoSettings& vfo) { return VfoBlock3Text(vfo).text(); }
std::string EncodeChannelBitmap(const ChannelTable& channels) { return ChannelBitmapText(channels).text(); }

std::uint16_t OwnedBytes(std::uint16_t blockAddress)
{
    // The bytes the encoders fill, whatever the values.
    if (blockAddress < ChannelBlockAddress(ChannelTable::Count))
        return ChannelBlockText(ChannelRecord{}).owned();
    switch (blockAddress) {
    case VfoBlock1Address:
        return VfoBlock1Text(VfoSettings{}).owned();
    case VfoBlock2Address:
        return VfoBlock2Text(VfoSettings{}, 0).owned();
    case ChannelBitmapAddress:
        return ChannelBitmapText(ChannelTable{}).owned();
    case VfoBlock3Address:
        return VfoBlock3Text(VfoSettings{}).owned();
    default:
        return 0;
    }
}

} // namespace kvr27
