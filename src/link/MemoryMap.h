#pragma once
// Where the radio image lies in the radio's memory, and the codecs between the
// image and the 32-digit texts of 16-byte blocks. Bytes a write carries no value
// for are sent as FF.
#include "image/RadioImage.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kvr27 {

inline constexpr std::uint16_t VfoBlock1Address = 0x700;
inline constexpr std::uint16_t VfoBlock2Address = 0x710;
inline constexpr std::uint16_t ChannelBitmapAddress = 0x720;
inline constexpr std::uint16_t VfoBlock3Address = 0x730;
inline constexpr std::uint16_t IdentityBlockAddress = 0x7F0;
inline constexpr std::uint16_t CurrentChannelAddress = 0x715;
inline constexpr std::uint16_t ModelCodeAddress = 0x7F6;
inline constexpr std::size_t BlockSize = 16;

// The radio counts PMR channels from 0, the image from 1: a PMR channel's
// Frequency is this much larger in the image.
inline constexpr std::int32_t PmrFrequencyAdjustment = 0x1000000;

// Address of channel `index` (0..99): 16 * index; 100 gives the end of the channel
// blocks. Throws std::out_of_range for any other index.
std::uint16_t ChannelBlockAddress(int index);

// Takes a channel block into the record; Enabled is left as it is (the bitmap
// holds it).
void DecodeChannelBlock(std::string_view block, ChannelRecord& record);
std::string EncodeChannelBlock(const ChannelRecord& record);

// The VFO blocks 700h, 710h and 730h. Block 2 never touches CurrentChannel: a
// write sends back `currentChannelByte`, the byte the radio holds at 715h.
void DecodeVfoBlock1(std::string_view block, VfoSettings& vfo);
void DecodeVfoBlock2(std::string_view block, VfoSettings& vfo);
void DecodeVfoBlock3(std::string_view block, VfoSettings& vfo);
std::string EncodeVfoBlock1(const VfoSettings& vfo);
std::string EncodeVfoBlock2(const VfoSettings& vfo, std::uint8_t currentChannelByte);
std::string EncodeVfoBlock3(const VfoSettings& vfo);

// Byte 715h of block 710h.
std::uint8_t DecodeCurrentChannel(std::string_view block2);

// The channel bitmap at 720h: bit 7 - (n mod 8) of byte n div 8 is channel n's
// Enabled; the four bits behind channel 99 are ignored on reading, 0 on writing.
void DecodeChannelBitmap(std::string_view block, ChannelTable& channels);
std::string EncodeChannelBitmap(const ChannelTable& channels);

// The bytes of the block at `blockAddress` that the program owns, bit k for byte
// k: those a field fills when the block is written (byte 715h included). The
// others are sent as FF and hold whatever the radio keeps there; a block the
// program never writes owns none.
std::uint16_t OwnedBytes(std::uint16_t blockAddress);

// Byte 7F6h of the identity block.
std::uint8_t DecodeModelCode(std::string_view identityBlock);

} // namespace kvr27
