#include "commands/ChannelEdit.h"

#include "core/UserText.h"

namespace kvr27 {

std::string ChannelsInWords(const std::vector<int>& channels)
{
    if (channels.size() == 1)
        return TranslatedFormat("Notes", KVR27_TEXT("Notes", "channel %1"), {std::to_string(channels.front())});
    return TranslatedFormat("Notes", KVR27_TEXT("Notes", "%1 channels"), {std::to_string(channels.size())});
}

ChannelEdit RefusedEdit(const ChannelTable& channels, const ChannelSelection& selection, std::string why)
{
    ChannelEdit edit;
    edit.Outcome = ChannelEditOutcome::Refused;
    edit.Channels = channels;
    edit.Selection = selection;
    edit.Refusal = std::move(why);
    return edit;
}

ChannelEdit FinishedEdit(const ChannelTable& before, const ChannelSelection& selectionBefore, const ChannelTable& after,
                         ChannelSelection selectionAfter, std::string stepName)
{
    ChannelEdit edit;
    if (after == before) {
        edit.Channels = before;
        edit.Selection = selectionBefore;
        return edit;
    }
    edit.Outcome = ChannelEditOutcome::Done;
    edit.Channels = after;
    edit.Selection = std::move(selectionAfter);
    edit.StepName = std::move(stepName);
    return edit;
}

} // namespace kvr27
