#include "link/WriteVerification.h"

#include "image/ChannelRecord.h"
#include "link/Framing.h"
#include "link/HexText.h"
#include "link/ImageTransfers.h"
#include "link/MemoryMap.h"

namespace kvr27 {

namespace {

// The place of a written address as the user knows it; channels are numbered from 0
// as the grid numbers them.
std::string PlaceOf(std::uint16_t address)
{
    if (address == CurrentChannelAddress)
        return "the current channel";
    if (address == ChannelBitmapAddress)
        return "the channel bitmap";
    if (address < ChannelBlockAddress(ChannelTable::Count))
        return "channel " + std::to_string(address / BlockSize);
    return "VFO block " + HexAddress(address) + "h";
}

// The block a write reached: the one-byte write lies inside the block around it.
std::uint16_t BlockOf(std::uint16_t address)
{
    return static_cast<std::uint16_t>(address - address % BlockSize);
}

} // namespace

LinkResult VerifyWrittenBlocks(const SentBlocks& sent, LinkSession& session, ProgressTarget target)
{
    LinkServices& services = session.Services;
    LinkResult result;
    for (std::size_t i = 0; i < sent.size(); ++i) {
        const SentBlock& block = sent[i];
        const std::uint16_t start = BlockOf(block.Address);
        std::string digits;
        if (!(result = TryReadBlock(session, start, digits)).ok())
            return result;
        const std::size_t offset = static_cast<std::size_t>(block.Address - start) * 2;
        const std::uint16_t owned = OwnedBytes(start);
        for (std::size_t at = 0; at + 1 < block.Digits.size(); at += 2) {
            const std::string written = block.Digits.substr(at, 2);
            const std::string read = digits.substr(offset + at, 2);
            const auto address = static_cast<std::uint16_t>(block.Address + at / 2);
            // A byte no field fills holds what the radio keeps there; FF is a value
            // like any other (eight enabled channels in a bitmap byte).
            if (!(owned >> (address - start) & 1u) || written == read)
                continue;
            std::string command = ReadCommand(start);
            command.pop_back();
            std::string detail = PlaceOf(block.Address);
            detail.append(", byte ").append(HexAddress(address)).append("h written ").append(written);
            detail.append("h, read back ").append(read).append("h");
            result = {LinkFault::VerifyMismatch, command, detail};
            services.messages.notify(std::string(VerifyDifferenceMessage) + "\r" + result.Detail + ".",
                                     MessageIcon::Exclamation);
            return result;
        }
        services.progress.showProgress(target,
                                       ProgressText(KVR27_TEXT("Progress", "Verify"), static_cast<int>((i + 1) * 100 / sent.size())));
    }
    return result;
}

} // namespace kvr27
