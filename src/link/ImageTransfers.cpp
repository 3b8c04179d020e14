#include "link/ImageTransfers.h"

#include "core/UserText.h"

#include "image/FrequencyText.h"
#include "image/ModelRules.h"
#include "image/VfoCodec.h"
#include "link/Framing.h"
#include "link/HexText.h"
#include "link/MemoryMap.h"

#include <array>
#include <vector>

namespace kvr27 {

namespace {

// Below the left-out message: which channels, numbered as the channel list's "No"
// column, and the range they are outside ("Channels 4, 17 are outside this radio's
// range, 433.06 to below 434.785 MHz, and were not written.").
std::string LeftOutDetail(const RadioImage& image, const std::vector<int>& channels)
{
    std::string numbers;
    for (int n : channels)
        numbers += (numbers.empty() ? "" : ", ") + std::to_string(n);
    if (channels.size() == 1)
        return TranslatedFormat("Messages",
                                KVR27_TEXT("Messages", "Channel %1 is outside this radio's range, %2, and was not written."),
                                {numbers, TransmitRangeText(image)});
    return TranslatedFormat("Messages",
                            KVR27_TEXT("Messages", "Channels %1 are outside this radio's range, %2, and were not written."),
                            {numbers, TransmitRangeText(image)});
}

// Reads the identity block and takes the radio's model code into the image.
LinkResult ReadModelCode(RadioImage& image, LinkSession& session, RadioBlocks* blocks)
{
    std::string identity;
    LinkResult result = TryReadBlock(session, IdentityBlockAddress, identity);
    if (result.ok())
        image.ModelCode = DecodeModelCode(identity);
    if (result.ok() && blocks)
        blocks->read(IdentityBlockAddress, identity);
    return result;
}

// Opens the port and identifies the radio; refuses a radio of another model.
LinkResult ConnectToModel(RadioImage& image, LinkSession& session, ProgressTarget target, RadioBlocks* blocks)
{
    LinkResult result = OpenLinkPort(session, target);
    if (result.ok())
        result = ReadModelCode(image, session, blocks);
    if (result.ok() && !CodeBelongsToModel(image.ModelName, image.ModelCode)) {
        session.Services.messages.notify(ModelMismatchMessage, MessageIcon::None, ModelMismatchDetail(image.ModelCode));
        result.Fault = LinkFault::ModelMismatch;
        result.Detail = ReportedModel(image.ModelCode);
    }
    return result;
}

// One block of a read, unless the user has asked to cancel the read: it then ends
// here, before the exchange, without a message.
LinkResult ReadStep(LinkSession& session, std::uint16_t address, std::string& digits, RadioBlocks* blocks)
{
    if (session.State.CancelRequested)
        return {LinkFault::Cancelled, {}, {}};
    LinkResult result = TryReadBlock(session, address, digits);
    if (result.ok() && blocks)
        blocks->read(address, digits);
    return result;
}

constexpr std::array<int, 3> VfoPercents = {33, 66, 100};

// Writes one block (by `command` when given) and, once the radio has acknowledged
// it, notes it in `record`; a block the radio holds already is left out when the
// record says what it holds.
LinkResult SendBlock(LinkSession& session, std::uint16_t address, const std::string& digits, WriteRecord* record,
                     const std::string& command = {})
{
    if (record)
        ++record->Planned;
    if (record && record->Held && record->Held->holds(address, digits))
        return {};
    LinkResult result = TryWriteBlock(session, command.empty() ? WriteCommand(address, digits) : command);
    if (result.ok() && record) {
        record->Sent.push_back({address, digits});
        if (record->Held)
            record->Held->wrote(address, digits);
    }
    return result;
}

// Sends the channel blocks and the current channel with the Enabled values as the
// range pass left them.
LinkResult SendChannels(const RadioImage& image, LinkSession& session, ProgressTarget target, WriteRecord* record)
{
    LinkResult result = SendBlock(session, ChannelBitmapAddress, EncodeChannelBitmap(image.Channels), record);
    for (int n = 0; n < ChannelTable::Count && result.ok(); ++n) {
        const ChannelRecord& channel = image.Channels.at(n);
        if (channel.Enabled)
            result = SendBlock(session, ChannelBlockAddress(n), EncodeChannelBlock(channel), record);
        if (result.ok())
            session.Services.progress.showProgress(target, ProgressText(KVR27_TEXT("Progress", "Memory mode write"), n + 1));
    }
    if (result.ok())
        result = SendBlock(session, CurrentChannelAddress, HexByte(image.Vfo.CurrentChannel), record,
                           CurrentChannelCommand(image.Vfo.CurrentChannel));
    return result;
}

} // namespace

std::string ProgressText(std::string_view words, int percent)
{
    return Translated("Progress", std::string(words)) + "       " + std::to_string(percent) + "%";
}

std::optional<int> ProgressPercent(std::string_view text)
{
    if (!text.ends_with('%'))
        return std::nullopt;
    text.remove_suffix(1);
    const std::size_t digits = text.find_last_not_of("0123456789") + 1;
    if (digits == text.size() || text.size() - digits > 3 || digits == 0 || text[digits - 1] != ' ')
        return std::nullopt;
    return std::stoi(std::string(text.substr(digits)));
}

LinkResult ReadVfoSettings(RadioImage& image, LinkSession& session, ProgressTarget target, RadioBlocks* blocks)
{
    LinkResult result = ConnectToModel(image, session, target, blocks);
    if (!result.ok())
        return result;
    constexpr std::array<std::uint16_t, 3> addresses = {VfoBlock1Address, VfoBlock2Address, VfoBlock3Address};
    std::array<std::string, 3> vfoBlocks;
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        result = ReadStep(session, addresses[i], vfoBlocks[i], blocks);
        if (!result.ok())
            return result;
        session.Services.progress.showProgress(target, ProgressText(KVR27_TEXT("Progress", "Vfo mode read"), VfoPercents[i]));
    }
    DecodeVfoBlock1(vfoBlocks[0], image.Vfo);
    DecodeVfoBlock2(vfoBlocks[1], image.Vfo);
    DecodeVfoBlock3(vfoBlocks[2], image.Vfo);
    return result;
}

LinkResult ReadChannels(RadioImage& image, LinkSession& session, ProgressTarget target, RadioBlocks* blocks)
{
    LinkResult result = ConnectToModel(image, session, target, blocks);
    if (!result.ok())
        return result;
    std::vector<std::string> channelBlocks(ChannelTable::Count);
    for (int n = 0; n < ChannelTable::Count; ++n) {
        result = ReadStep(session, ChannelBlockAddress(n), channelBlocks[static_cast<std::size_t>(n)], blocks);
        if (!result.ok())
            return result;
        session.Services.progress.showProgress(target, ProgressText(KVR27_TEXT("Progress", "Memory mode read"), n + 1));
    }
    std::string bitmap;
    std::string block2;
    if (!(result = ReadStep(session, ChannelBitmapAddress, bitmap, blocks)).ok() ||
        !(result = ReadStep(session, VfoBlock2Address, block2, blocks)).ok())
        return result;
    for (int n = 0; n < ChannelTable::Count; ++n)
        DecodeChannelBlock(channelBlocks[static_cast<std::size_t>(n)], image.Channels.at(n));
    DecodeChannelBitmap(bitmap, image.Channels);
    image.Vfo.CurrentChannel = DecodeCurrentChannel(block2);
    return result;
}

LinkResult ReadRadio(RadioImage& image, LinkSession& session, RadioParts parts, ProgressTarget target,
                     RadioBlocks* blocks)
{
    LinkResult result;
    if (HasVfo(parts))
        result = ReadVfoSettings(image, session, target, blocks);
    if (result.ok() && HasMemory(parts))
        result = ReadChannels(image, session, target, blocks);
    return result;
}

LinkResult CheckRadioBeforeWrite(RadioImage& image, const VfoSettings* values, LinkSession& session,
                                 ProgressTarget target)
{
    if (!values)
        return ConnectToModel(image, session, target, nullptr);
    LinkResult result = OpenLinkPort(session, target);
    if (result.ok())
        result = ReadModelCode(image, session, nullptr);
    if (!result.ok())
        return result;
    switch (CheckFrequencyRange(image, FormatFrequency(values->Frequency), true, true, session.Services.messages)) {
    case RangeVerdict::InRange:
        return result;
    case RangeVerdict::OutsideRange:
        return {LinkFault::OutOfRange, {}, {}};
    default:
        return {LinkFault::ModelMismatch, {}, ReportedModel(image.ModelCode)};
    }
}

LinkResult WriteVfoSettings(RadioImage& image, const VfoSettings& values, LinkSession& session,
                            ProgressTarget target, WriteRecord* record)
{
    RadioBlocks* held = record ? record->Held : nullptr;
    std::string block2;
    LinkResult result = TryReadBlock(session, VfoBlock2Address, block2);
    if (!result.ok())
        return result;
    if (held)
        held->read(VfoBlock2Address, block2);
    image.Vfo = values;
    const std::array<SentBlock, 3> blocks = {{
        {VfoBlock1Address, EncodeVfoBlock1(values)},
        {VfoBlock2Address, EncodeVfoBlock2(values, DecodeCurrentChannel(block2))},
        {VfoBlock3Address, EncodeVfoBlock3(values)},
    }};
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (!(result = SendBlock(session, blocks[i].Address, blocks[i].Digits, record)).ok())
            return result;
        session.Services.progress.showProgress(target, ProgressText(KVR27_TEXT("Progress", "Vfo mode Write"), VfoPercents[i]));
    }
    return result;
}

LinkResult WriteChannels(RadioImage& image, LinkSession& session, ProgressTarget target, WriteRecord* record,
                         bool identified)
{
    // A write of changed blocks only reads the identity again after its whole read,
    // so that a radio changed since is written whole.
    RadioBlocks* held = record ? record->Held : nullptr;
    LinkResult result = identified && !held ? LinkResult{} : ConnectToModel(image, session, target, held);
    if (!result.ok())
        return result;
    MessageSink& messages = session.Services.messages;
    ChannelTable& channels = image.Channels;
    std::array<bool, ChannelTable::Count> enabledBefore{};
    std::vector<int> leftOut;
    for (int n = 0; n < ChannelTable::Count; ++n) {
        ChannelRecord& channel = channels.at(n);
        enabledBefore[static_cast<std::size_t>(n)] = channel.Enabled;
        if (channel.Enabled && !channel.IsPmr()
            && CheckFrequencyRange(image, FormatFrequency(channel.Frequency), false, false, messages)
                   != RangeVerdict::InRange) {
            channel.Enabled = false;
            leftOut.push_back(n);
        }
    }
    image.Vfo.CurrentChannel = channels.firstEnabledNumber();
    result = SendChannels(image, session, target, record);
    for (int n = 0; n < ChannelTable::Count; ++n)
        channels.at(n).Enabled = enabledBefore[static_cast<std::size_t>(n)];
    if (record)
        record->LeftOut = leftOut;
    if (!leftOut.empty())
        messages.ask(LeftOutMessage, LeftOutDetail(image, leftOut));
    return result;
}

} // namespace kvr27
