#include "link/WrittenBlocks.h"

#include "core/UserText.h"
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
        add(Translated("Notes", "the VFO settings"));
    else if (vfoBlocks > 0)
        add(TranslatedFormat("Notes", KVR27_TEXT("Notes", "%1 of 3 VFO blocks"), {std::to_string(vfoBlocks)}));
    if (bitmap)
        add(Translated("Notes", "the channel bitmap"));
    if (channels > 0)
        add(channels == 1 ? Translated("Notes", "1 channel")
                          : TranslatedFormat("Notes", KVR27_TEXT("Notes", "%1 channels"), {std::to_string(channels)}));
    if (current)
        add(Translated("Notes", "the current channel"));
    return text.empty() ? Translated("Notes", "nothing") : text;
}

std::string WrittenNote(const SentBlocks& sent)
{
    if (sent.empty())
        return Translated("Notes", "nothing was written");
    return TranslatedFormat("Notes", KVR27_TEXT("Notes", "written: %1"), {WrittenPartsText(sent)});
}

} // namespace kvr27
