#include "SoakChecks.h"

#include "image/ModelRules.h"
#include "link/BlockExchange.h"
#include "link/MemoryMap.h"

#include <array>
#include <cstdio>
#include <set>

namespace kvr27::soak {

namespace {

using Memory = sim::RadioEmulator::Memory;

// The VFO settings a VFO read fills: all but the current channel.
VfoSettings VfoPart(const RadioImage& image)
{
    VfoSettings vfo = image.Vfo;
    vfo.CurrentChannel = 0;
    return vfo;
}

// What a memory read fills: the channels and the current channel.
struct ChannelPart {
    ChannelTable Channels;
    std::uint8_t CurrentChannel = 0;
    bool operator==(const ChannelPart&) const = default;
};
ChannelPart ChannelsOf(const RadioImage& image) { return {image.Channels, image.Vfo.CurrentChannel}; }

// What no transfer changes.
bool RestEqual(const RadioImage& a, const RadioImage& b)
{
    return a.ModelName == b.ModelName && a.Defaults == b.Defaults && a.Vfo.ExtraBytes == b.Vfo.ExtraBytes;
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
    if (command.size() < 10 || command.compare(0, 4, "QZ~F") != 0 || command[8] == 'R')
        return std::nullopt;
    unsigned address = 0;
    if (std::sscanf(command.substr(4, 4).c_str(), "%4x", &address) != 1)
        return std::nullopt;
    return address & ~0xFu;
}

// Old, new, both (they agree) or neither: which image a part of the result is.
enum class Source { Old, New, Both, Mixed };
template <typename T>
Source SourceOf(const T& actual, const T& old, const T& whole)
{
    const bool isOld = actual == old, isNew = actual == whole;
    return isOld && isNew ? Source::Both : isOld ? Source::Old : isNew ? Source::New : Source::Mixed;
}
bool IsOld(Source s) { return s == Source::Old || s == Source::Both; }
bool IsNew(Source s) { return s == Source::New || s == Source::Both; }

std::size_t NoticeCount(const CommandRun& run)
{
    std::size_t count = 0;
    for (const auto& shown : run.Shown)
        count += shown.question ? 0 : 1;
    return count;
}

std::size_t TransfersOf(CommandKind kind) { return kind == CommandKind::ReadAll || kind == CommandKind::WriteAll ? 2 : 1; }

void CheckReadImage(const CommandRun& run, bool failed, std::vector<std::string>& faults)
{
    const RadioImage& after = run.After.Image;
    const Source vfo = SourceOf(VfoPart(after), VfoPart(run.Before.Image), VfoPart(run.Success.Image));
    const Source channels = SourceOf(ChannelsOf(after), ChannelsOf(run.Before.Image), ChannelsOf(run.Success.Image));
    if (vfo == Source::Mixed)
        faults.push_back("VFO settings are neither the earlier ones nor the radio's");
    if (channels == Source::Mixed)
        faults.push_back("channels are neither the earlier ones nor the radio's");
    const bool readsVfo = run.Kind != CommandKind::ReadMemory, readsChannels = run.Kind != CommandKind::ReadVfo;
    if (!readsVfo && !IsOld(vfo))
        faults.push_back("a memory read changed the VFO settings");
    if (!readsChannels && !IsOld(channels))
        faults.push_back("a VFO read changed the channels");
    if (!failed && ((readsVfo && !IsNew(vfo)) || (readsChannels && !IsNew(channels))))
        faults.push_back("a successful read did not bring the radio's settings");
    // The VFO read is the first four exchanges of Read > All: failing there, it
    // skips the memory read and leaves everything as it was.
    const bool vfoReadFailed = failed && (run.Kind == CommandKind::ReadVfo || run.Received.size() <= 4);
    if (failed && readsChannels && !IsOld(channels))
        faults.push_back("a failed read changed the channels");
    if (vfoReadFailed && !IsOld(vfo))
        faults.push_back("a failed VFO read changed the VFO settings");
    // Independently of the in-process run: a whole read is the radio's memory decoded.
    const RadioImage decoded = DecodeMemory(run.MemoryAfter, after);
    if (!failed && readsVfo && VfoPart(decoded) != VfoPart(after))
        faults.push_back("VFO settings differ from the radio's memory");
    if (!failed && readsChannels && ChannelsOf(decoded) != ChannelsOf(after))
        faults.push_back("channels differ from the radio's memory");
    if (after.SettingsChanged || after.VfoChanged || after.ChannelsChanged)
        faults.push_back("a change flag is still set after the read");
    if (run.MemoryAfter != run.MemoryBefore)
        faults.push_back("a read changed the radio's memory");
}

void CheckWriteImage(const CommandRun& run, bool failed, std::vector<std::string>& faults)
{
    const RadioImage& after = run.After.Image;
    const RadioImage& before = run.Before.Image;
    if (!failed && !(after.Vfo == run.Success.Image.Vfo && after.Channels == run.Success.Image.Channels))
        faults.push_back("the image after a successful write is not what the write gives");
    if (SourceOf(VfoPart(after), VfoPart(before), VfoPart(run.Success.Image)) == Source::Mixed)
        faults.push_back("VFO settings are neither the earlier ones nor the written ones");
    if (SourceOf(after.Vfo.CurrentChannel, before.Vfo.CurrentChannel, run.Success.Image.Vfo.CurrentChannel) ==
        Source::Mixed)
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
        if (now == run.MemoryBefore[i])
            continue;
        char where[80];
        if (!reached.contains(i & ~std::size_t{0xF})) {
            std::snprintf(where, sizeof where, "the radio's byte %03zXh changed without a write to its block", i);
            faults.push_back(where);
        } else if (now != run.MemorySuccess[i]) {
            std::snprintf(where, sizeof where, "the radio's byte %03zXh holds %02X, neither old nor written", i, now);
            faults.push_back(where);
        }
    }
    if (!failed && run.MemoryAfter != run.MemorySuccess)
        faults.push_back("the radio after a successful write differs from the whole write");
}

} // namespace

std::string_view CommandName(CommandKind kind)
{
    static constexpr std::array<std::string_view, 6> Names = {
        "Read > All", "Read > Vfo Mode", "Read > Memory Mode", "Write > All", "Write > Vfo Mode", "Write > Memory Mode"};
    return Names[static_cast<std::size_t>(kind)];
}

bool IsRead(CommandKind kind) { return kind <= CommandKind::ReadMemory; }

bool Failed(const CommandReport& report) { return report.Transfer && !report.Transfer->Result.ok(); }

std::vector<std::string> CheckCommand(const CommandRun& run)
{
    std::vector<std::string> faults;
    const bool failed = run.Failed;
    if (failed != run.FaultExpectedToFail)
        faults.push_back(failed ? "failed where the in-process radio with the same fault succeeds"
                                : "succeeded where the in-process radio with the same fault fails");
    const std::size_t notices = NoticeCount(run);
    if (failed ? notices == 0 || notices > TransfersOf(run.Kind) : notices != 0)
        faults.push_back(std::to_string(notices) + " messages for a command that " + (failed ? "failed" : "succeeded"));
    for (const auto& shown : run.Shown) {
        if (!shown.question && shown.text != ReadWriteErrorMessage && shown.text != ModelMismatchMessage)
            faults.push_back("unexpected message: " + shown.text);
    }
    const RadioImage& after = run.After.Image;
    if (!RestEqual(after, run.Before.Image))
        faults.push_back("the model, the defaults or the extra bytes changed");
    const std::uint8_t radioCode = run.MemoryAfter[ModelCodeAddress];
    if (after.ModelCode != run.Before.Image.ModelCode && after.ModelCode != radioCode)
        faults.push_back("the model code is neither the earlier one nor the radio's");
    if (IsRead(run.Kind))
        CheckReadImage(run, failed, faults);
    else
        CheckWriteImage(run, failed, faults);
    if (!run.PortOpen || run.After.Link.OpenPortNumber != run.After.ComIndex + 1)
        faults.push_back("the port is not open on COM" + std::to_string(run.After.ComIndex + 1));
    return faults;
}

} // namespace kvr27::soak
