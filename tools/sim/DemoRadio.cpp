#include "DemoRadio.h"

#include "image/ModelRules.h"
#include "image/Startup.h"
#include "link/HexText.h"
#include "link/MemoryMap.h"

#include <vector>

namespace kvr27::sim {

namespace {

// Channels of each kind, 10 Hz units on the 6.25 kHz raster of step 3 (12.5 kHz).
// Flags: tone set in bits 0-1, mode in 2-3, shift in 4-5, skip 6, BCLO 7.
const std::vector<ChannelRecord> DualBandChannels = {
    {43307500, 60000, 8, 8, 39, 0x04, 3, true},
    {43350000, 0, 12, 12, 39, 0x96, 3, true},
    {43400000, 60000, 8, 20, 39, 0x45, 0, true},
    {3 * PmrChannelUnit, 0, 8, 8, 4, 0x88, 1, true},
    {8 * PmrChannelUnit, 0, 8, 8, 39, 0x08, 1, true},
};
const std::vector<ChannelRecord> PmrOnlyChannels = {
    {1 * PmrChannelUnit, 0, 8, 8, 39, 0x08, 1, true},
    {3 * PmrChannelUnit, 0, 8, 8, 4, 0x88, 1, true},
    {8 * PmrChannelUnit, 0, 8, 8, 12, 0x08, 1, true},
};
const std::vector<ChannelRecord> LpdOnlyChannels = {
    {43307500, 60000, 8, 8, 39, 0x00, 3, true},
    {43350000, 0, 12, 12, 39, 0x92, 3, true},
    {43477500, 0, 8, 20, 39, 0x41, 3, true},
};
const std::vector<ChannelRecord> WideRangeChannels = {
    {44500000, 500000, 8, 8, 39, 0x20, 0, true},
    {44600625, 0, 12, 12, 39, 0x02, 3, true},
    {43850000, 760000, 8, 20, 39, 0x21, 6, true},
};
const std::vector<ChannelRecord> NarrowRangeChannels = {
    {43300000, 500000, 8, 8, 39, 0x22, 3, true},
    {43500000, 0, 12, 12, 39, 0x02, 3, true},
    {43950000, 0, 8, 20, 39, 0x41, 6, true},
};

const std::vector<ChannelRecord>& DemoChannelsOf(std::string_view modelName)
{
    if (modelName == ModelPA)
        return DualBandChannels;
    if (modelName == ModelPAPmrOnly)
        return PmrOnlyChannels;
    if (modelName == ModelPALpdOnly)
        return LpdOnlyChannels;
    if (modelName == ModelZ)
        return WideRangeChannels;
    return NarrowRangeChannels;
}

void PutBlock(RadioEmulator::Memory& memory, std::uint16_t address, const std::string& digits)
{
    for (std::size_t i = 0; i < BlockSize; ++i)
        memory.at(address + i) = HexToByte(std::string_view(digits).substr(2 * i));
}

} // namespace

std::optional<int> ModelOption(std::string_view modelName)
{
    for (std::size_t option = 0; option < StartupModels.size(); ++option) {
        if (StartupModels[option].ModelName == modelName)
            return static_cast<int>(option);
    }
    return std::nullopt;
}

void AddDemoChannels(RadioImage& image)
{
    const std::vector<ChannelRecord>& channels = DemoChannelsOf(image.ModelName);
    for (std::size_t i = 0; i < channels.size(); ++i)
        image.Channels.at(static_cast<int>(i)) = channels[i];
    image.Vfo.CurrentChannel = 1;
}

RadioEmulator::Memory DemoMemory(int option)
{
    RadioImage image;
    InitialiseRadioImage(image, option);
    AddDemoChannels(image);
    return MemoryOfImage(image);
}

RadioEmulator::Memory MemoryOfImage(const RadioImage& image)
{
    RadioEmulator::Memory memory;
    memory.fill(0xFF);
    for (int n = 0; n < ChannelTable::Count; ++n)
        PutBlock(memory, ChannelBlockAddress(n), EncodeChannelBlock(image.Channels.at(n)));
    PutBlock(memory, VfoBlock1Address, EncodeVfoBlock1(image.Vfo));
    PutBlock(memory, VfoBlock2Address, EncodeVfoBlock2(image.Vfo, image.Vfo.CurrentChannel));
    PutBlock(memory, ChannelBitmapAddress, EncodeChannelBitmap(image.Channels));
    PutBlock(memory, VfoBlock3Address, EncodeVfoBlock3(image.Vfo));
    memory.at(ModelCodeAddress) = image.ModelCode;
    return memory;
}

} // namespace kvr27::sim
