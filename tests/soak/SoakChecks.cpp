#include "SoakChecks.h"

#include "image/ModelRules.h"
#include "link/BlockExchange.h"
#include "link/MemoryMap.h"
#include "support/ImageDifference.h"

#include <cstdio>
#include <optional>
#include <set>

namespace kvr27::soak {

namespace {

using Memory = sim::RadioEmulator::Memory;

// What a VFO read fills (the VFO settings but the current channel) and what a
// memory read fills (the channels and the current channel).
VfoSettings VfoPart(const RadioImage& image)
{
    VfoSettings vfo = image.Vfo;
    vfo.CurrentChannel = 0;
    return vfo;
}
std::pair<ChannelTable, std::uint8_t> ChannelPart(const RadioImage& image)
{
    return {image.Channels, image.Vfo.CurrentChannel};
}

// The image as the radio's memory gives it: what a whole read brings in.
RadioImage DecodeMemory(const Memory& memory, RadioImage image)
{
    sim::RadioEmulator radio;
    radio.memory() = memory;
    DecodeVfoBlock1(radio.blockDigits(VfoBlock1Address), image.Vfo);
    DecodeVfoBlock2(radio.blockDigits(VfoBlock2Address), image.Vfo);
    DecodeVfoBlock3(radio.blockDigits(VfoBlock3Address), image.Vfo);
    for (int n = 0; n < ChannelTable::Count; ++n)
        DecodeChannelBlock(radio.blockDigits(ChannelBlockAddress(n)), image.Channels.at(n));
    DecodeChannelBitmap(radio.blockDigits(ChannelBitmapAddress), image.Channels);
    image.Vfo.CurrentChannel = DecodeCurrentChannel(radio.blockDigits(VfoBlock2Address));
    return image;
}

// The block a write command names ("QZ~F0715OW.." names the block at 710h); reads
// name none.
std::optional<std::size_t> WrittenBlock(const std::string& command)
{
    unsigned address = 0;
    if (command.size() < 10 || command.compare(0, 4, "QZ~F") != 0 || command[8] == 'R' ||
        std::sscanf(command.substr(4, 4).c_str(), "%4x", &address) != 1)
        return std::nullopt;
    return address & ~0xFu;
}

// Whether a part of the result is the earlier image's, the whole run's (both when
// they agree), or neither: mixed.
struct Source {
    bool old, whole;
    bool mixed() const { return !old && !whole; }
};
template <typename T>
Source SourceOf(const T& actual, const T& old, const T& whole)
{
    return {actual == old, actual == whole};
}

void CheckRead(const CommandRun& run, std::vector<std::string>& faults)
{
    const RadioImage& after = run.After.Image;
    const Source vfo = SourceOf(VfoPart(after), VfoPart(run.Before.Image), VfoPart(run.Success.Image));
    const Source channels = SourceOf(ChannelPart(after), ChannelPart(run.Before.Image), ChannelPart(run.Success.Image));
    if (vfo.mixed())
        faults.push_back("VFO settings are neither the earlier ones nor the radio's");
    if (channels.mixed())
        faults.push_back("channels are neither the earlier ones nor the radio's");
    const bool readsVfo = run.Kind != CommandKind::ReadMemory, readsChannels = run.Kind != CommandKind::ReadVfo;
    if (!readsVfo && !vfo.old)
        faults.push_back("a memory read changed the VFO settings");
    if (!readsChannels && !channels.old)
        faults.push_back("a VFO read changed the channels");
    if (run.Failed && readsChannels && !channels.old)
        faults.push_back("a failed read changed the channels");
    // The VFO read is the first four exchanges of Read > All: failing there, it
    // skips the memory read and leaves everything as it was.
    if (run.Failed && (run.Kind == CommandKind::ReadVfo || run.Received.size() <= 4) && !vfo.old)
        faults.push_back("a failed VFO read changed the VFO settings");
    // Independently of the in-process run: a whole read is the radio's memory decoded.
    const RadioImage decoded = DecodeMemory(run.MemoryAfter, after);
    if (!run.Failed && readsVfo && VfoPart(decoded) != VfoPart(after))
        faults.push_back("VFO settings differ from the radio's memory");
    if (!run.Failed && readsChannels && ChannelPart(decoded) != ChannelPart(after))
        faults.push_back("channels differ from the radio's memory");
    if (after.SettingsChanged || after.VfoChanged || after.ChannelsChanged)
        faults.push_back("a change flag is still set after the read");
    if (run.MemoryAfter != run.MemoryBefore)
        faults.push_back("a read changed the radio's memory");
}

void CheckWrite(const CommandRun& run, std::vector<std::string>& faults)
{
    const RadioImage &after = run.After.Image, &before = run.Before.Image, &whole = run.Success.Image;
    if (SourceOf(VfoPart(after), VfoPart(before), VfoPart(whole)).mixed())
        faults.push_back("VFO settings are neither the earlier ones nor the written ones");
    if (SourceOf(after.Vfo.CurrentChannel, before.Vfo.CurrentChannel, whole.Vfo.CurrentChannel).mixed())
        faults.push_back("the current channel is neither the earlier one nor the written one");
    if (after.Channels != before.Channels)
        faults.push_back("a write changed the channel table");
    if (after.SettingsChanged != before.SettingsChanged || after.VfoChanged != before.VfoChanged ||
        after.ChannelsChanged != before.ChannelsChanged)
        faults.push_back("a write changed a change flag");

    // The radio: changed only in blocks whose write command it received, each byte
    // either as it was or as the whole write leaves it.
    std::set<std::size_t> reached;
    for (const std::string& command : run.Received) {
        if (auto block = WrittenBlock(command))
            reached.insert(*block);
    }
    for (std::size_t i = 0; i < run.MemoryAfter.size(); ++i) {
        const std::uint8_t now = run.MemoryAfter[i];
        char where[80];
        if (now == run.MemoryBefore[i])
            continue;
        if (!reached.contains(i & ~std::size_t{0xF}))
            std::snprintf(where, sizeof where, "the radio's byte %03zXh changed without a write to its block", i);
        else if (now != run.MemorySuccess[i])
            std::snprintf(where, sizeof where, "the radio's byte %03zXh holds %02X, neither old nor written", i, now);
        else
            continue;
        faults.push_back(where);
    }
    if (!run.Failed && run.MemoryAfter != run.MemorySuccess)
        faults.push_back("the radio after a successful write differs from the whole write");
}

} // namespace

std::vector<std::string> CheckCommand(const CommandRun& run)
{
    std::vector<std::string> faults;
    if (run.Failed != run.FaultExpectedToFail)
        faults.push_back(run.Failed ? "failed where the in-process radio with the same fault succeeds"
                                    : "succeeded where the in-process radio with the same fault fails");
    std::size_t notices = 0;
    for (const auto& shown : run.Shown)
        notices += shown.question ? 0 : 1;
    const std::size_t transfers = run.Kind == CommandKind::ReadAll || run.Kind == CommandKind::WriteAll ? 2 : 1;
    if (run.Failed ? notices == 0 || notices > transfers : notices != 0)
        faults.push_back(std::to_string(notices) + " messages for a command that " + (run.Failed ? "failed" : "succeeded"));
    for (const auto& shown : run.Shown) {
        if (!shown.question && shown.text != ReadWriteErrorMessage && shown.text != ModelMismatchMessage)
            faults.push_back("unexpected message: " + shown.text);
    }
    const RadioImage &after = run.After.Image, &before = run.Before.Image;
    if (after.ModelName != before.ModelName || !(after.Defaults == before.Defaults) ||
        after.Vfo.ExtraBytes != before.Vfo.ExtraBytes)
        faults.push_back("the model, the defaults or the extra bytes changed");
    if (after.ModelCode != before.ModelCode && after.ModelCode != run.MemoryAfter[ModelCodeAddress])
        faults.push_back("the model code is neither the earlier one nor the radio's");
    if (const std::string difference = test::ImageDifference(after, run.Success.Image); !run.Failed && !difference.empty())
        faults.push_back((IsRead(run.Kind) ? "a successful read did not bring the radio's settings: "
                                           : "the image after a successful write is not what the write gives: ") +
                         difference);
    if (IsRead(run.Kind))
        CheckRead(run, faults);
    else
        CheckWrite(run, faults);
    if (!run.PortOpen || run.After.Link.OpenPortNumber != run.After.ComIndex + 1)
        faults.push_back("the port is not open on COM" + std::to_string(run.After.ComIndex + 1));
    return faults;
}

} // namespace kvr27::soak
