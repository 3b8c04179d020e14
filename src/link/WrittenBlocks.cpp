#include "link/WrittenBlocks.h"

#include "link/MemoryMap.h"

namespace kvr27 {

std::string WrittenPartsText(const SentBlocks& sent)
{
    int vfoBlocks = 0;
    int channels = 0;
    bool bitmap = false;
    bool current = false;
    for (const SentBlock& block : sent) {
        switch (block.Address) {
        case VfoBlock1Address:
        case VfoBlock2Address:
        case VfoBlock3Address:
            ++vfoBlocks;
            break;
        case ChannelBitmapAddress:
            bitmap = true;
            break;
        case CurrentChannelAddress:
            current = true;
            break;
        default:
            ++channels;
        }
    }
    std::string text;
    const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
    if (vfoBlocks >= 3)
        add("the VFO settings");
    else if (vfoBlocks > 0)
        add(std::to_string(vfoBlocks) + " of 3 VFO blocks");
    if (bitmap)
        add("the channel bitmap");
    if (channels > 0)
        add(std::to_string(channels) + (channels == 1 ? " channel" : " channels"));
    if (current)
        add("the current channel");
    return text.empty() ? "nothing" : text;
}

std::string WrittenNote(const SentBlocks& sent)
{
    return sent.empty() ? "nothing was written" : "written: " + WrittenPartsText(sent);
}

} // namespace kvr27
