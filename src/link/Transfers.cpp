#include "link/Transfers.h"

#include "image/FrequencyText.h"
#include "image/ModelRules.h"
#include "image/VfoCodec.h"
#include "link/Framing.h"
#include "link/Link.h"
#include "link/MemoryMap.h"
#include "link/TransferScope.h"

#include <array>
#include <vector>

namespace kvr27 {

namespace {

bool Failed(const std::string& result) { return result == LinkFailure; }

// Reads the identity block and takes the radio's model code into the image.
bool ReadModelCode(AppState& state, LinkServices& services)
{
    const std::string identity = ReadBlock(services, IdentityBlockAddress);
    if (Failed(identity))
        return false;
    state.Image.ModelCode = DecodeModelCode(identity);
    return true;
}

// Opens the port and identifies the radio; refuses a radio of another model.
bool ConnectToModel(AppState& state, LinkServices& services, ProgressTarget target)
{
    if (OpenComPort(state, services, target) != 1 || !ReadModelCode(state, services))
        return false;
    if (!CodeBelongsToModel(state.Image.ModelName, state.Image.ModelCode)) {
        services.messages.notify(ModelMismatchMessage);
        return false;
    }
    return true;
}

constexpr std::array<int, 3> VfoPercents = {33, 66, 100};

bool AnyVfoBoxEmpty(const VfoForm& form)
{
    return form.txtFrequency.empty() || form.txtRptShiftFreq.empty() || form.txtShiftFreq.empty() ||
           form.txtPmrFreq.empty() || form.txtSquelch.empty();
}

// Sends the channel blocks and the current channel with the Enabled values as the
// range pass left them.
std::string WriteChannels(AppState& state, LinkServices& services, ProgressTarget target)
{
    if (Failed(WriteBlock(services, WriteCommand(ChannelBitmapAddress, EncodeChannelBitmap(state.Image.Channels)))))
        return LinkFailure;
    for (int n = 0; n < ChannelTable::Count; ++n) {
        const ChannelRecord& record = state.Image.Channels.at(n);
        if (record.Enabled &&
            Failed(WriteBlock(services, WriteCommand(ChannelBlockAddress(n), EncodeChannelBlock(record)))))
            return LinkFailure;
        services.progress.showProgress(target, ProgressText("Memory mode write", n + 1));
    }
    return WriteBlock(services, CurrentChannelCommand(state.Image.Vfo.CurrentChannel));
}

} // namespace

std::string ProgressText(std::string_view words, int percent)
{
    return std::string(words) + "       " + std::to_string(percent) + "%";
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

std::string ReadVfoMode(AppState& state, LinkServices& services, ProgressTarget target)
{
    TransferScope running(state);
    if (!ConnectToModel(state, services, target))
        return LinkFailure;
    constexpr std::array<std::uint16_t, 3> addresses = {VfoBlock1Address, VfoBlock2Address, VfoBlock3Address};
    std::array<std::string, 3> blocks;
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        blocks[i] = ReadBlock(services, addresses[i]);
        if (Failed(blocks[i]))
            return LinkFailure;
        services.progress.showProgress(target, ProgressText("Vfo mode read", VfoPercents[i]));
    }
    DecodeVfoBlock1(blocks[0], state.Image.Vfo);
    DecodeVfoBlock2(blocks[1], state.Image.Vfo);
    DecodeVfoBlock3(blocks[2], state.Image.Vfo);
    return LinkSuccess;
}

std::string ReadMemoryMode(AppState& state, LinkServices& services, ProgressTarget target)
{
    TransferScope running(state);
    if (!ConnectToModel(state, services, target))
        return LinkFailure;
    std::vector<std::string> channelBlocks;
    for (int n = 0; n < ChannelTable::Count; ++n) {
        channelBlocks.push_back(ReadBlock(services, ChannelBlockAddress(n)));
        if (Failed(channelBlocks.back()))
            return LinkFailure;
        services.progress.showProgress(target, ProgressText("Memory mode read", n + 1));
    }
    const std::string bitmap = ReadBlock(services, ChannelBitmapAddress);
    if (Failed(bitmap))
        return LinkFailure;
    const std::string block2 = ReadBlock(services, VfoBlock2Address);
    if (Failed(block2))
        return LinkFailure;
    for (int n = 0; n < ChannelTable::Count; ++n)
        DecodeChannelBlock(channelBlocks[static_cast<std::size_t>(n)], state.Image.Channels.at(n));
    DecodeChannelBitmap(bitmap, state.Image.Channels);
    state.Image.Vfo.CurrentChannel = DecodeCurrentChannel(block2);
    return LinkSuccess;
}

std::string WriteVfoMode(AppState& state, LinkServices& services, ProgressTarget target)
{
    TransferScope running(state);
    if (AnyVfoBoxEmpty(state.Vfo)) {
        services.messages.notify(EditingIncompleteMessage);
        return LinkFailure;
    }
    if (OpenComPort(state, services, target) != 1 || !ReadModelCode(state, services))
        return LinkFailure;
    const int range = CheckFrequencyRange(state.Image, state.Vfo.txtFrequency, true, true, services.messages);
    if (range == -1)
        state.Vfo.txtFrequency.clear();
    if (range != 0)
        return LinkFailure;
    const std::string block2 = ReadBlock(services, VfoBlock2Address);
    if (Failed(block2))
        return LinkFailure;
    const std::uint8_t radioCurrentChannel = DecodeCurrentChannel(block2);
    if (CollectVfoWindow(state.Image, state.Vfo, services.messages) != 0)
        return LinkFailure;
    const VfoSettings& vfo = state.Image.Vfo;
    const std::array<std::string, 3> commands = {
        WriteCommand(VfoBlock1Address, EncodeVfoBlock1(vfo)),
        WriteCommand(VfoBlock2Address, EncodeVfoBlock2(vfo, radioCurrentChannel)),
        WriteCommand(VfoBlock3Address, EncodeVfoBlock3(vfo)),
    };
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (Failed(WriteBlock(services, commands[i])))
            return LinkFailure;
        services.progress.showProgress(target, ProgressText("Vfo mode Write", VfoPercents[i]));
    }
    return LinkSuccess;
}

std::string WriteMemoryMode(AppState& state, LinkServices& services, ProgressTarget target)
{
    TransferScope running(state);
    if (!ConnectToModel(state, services, target))
        return LinkFailure;
    ChannelTable& channels = state.Image.Channels;
    std::array<bool, ChannelTable::Count> enabledBefore{};
    bool leftOut = false;
    for (int n = 0; n < ChannelTable::Count; ++n) {
        ChannelRecord& record = channels.at(n);
        enabledBefore[static_cast<std::size_t>(n)] = record.Enabled;
        if (record.Enabled && !record.IsPmr() &&
            CheckFrequencyRange(state.Image, FormatFrequency(record.Frequency), false, false, services.messages) != 0) {
            record.Enabled = false;
            leftOut = true;
        }
    }
    state.Image.Vfo.CurrentChannel = 0;
    for (int n = 0; n < ChannelTable::Count; ++n) {
        if (channels.at(n).Enabled) {
            state.Image.Vfo.CurrentChannel = static_cast<std::uint8_t>(n + 1);
            break;
        }
    }
    const std::string result = WriteChannels(state, services, target);
    for (int n = 0; n < ChannelTable::Count; ++n)
        channels.at(n).Enabled = enabledBefore[static_cast<std::size_t>(n)];
    if (leftOut)
        services.messages.ask(LeftOutMessage);
    return result;
}

} // namespace kvr27
