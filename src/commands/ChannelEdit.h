#pragma once
// What a channel operation of the channel window gives back: the table and the
// selection after it, the name of its step in the undo history, or why it was
// refused. Channels are counted by their index 0 to 99, as the grid's "No" column
// shows them.
#include "image/ChannelRecord.h"

#include <string>
#include <vector>

namespace kvr27 {

// The selected channels (ascending, each once) and the current one, the channel
// the dialog opens on and a paste or fill starts from.
struct ChannelSelection {
    std::vector<int> Channels;
    int Current = 0;

    bool operator==(const ChannelSelection&) const = default;
};

enum class ChannelEditOutcome {
    Done,        // the table changed: one step of the undo history
    NothingToDo, // the table stays as it was (a block already at the top, a drop on itself)
    Refused,     // the table stays as it was; Refusal says why
};

struct [[nodiscard]] ChannelEdit {
    ChannelEditOutcome Outcome = ChannelEditOutcome::NothingToDo;
    ChannelTable Channels;      // the table after the operation (as before unless Done)
    ChannelSelection Selection; // the selection after it (as before unless Done)
    std::string StepName;       // the step's name in the undo history: "Paste 3 channels"
    std::string Refusal;        // what to tell the user when Refused
    int Overwritten = 0;        // enabled channels a paste or fill replaces: the window asks first
    std::string Clipboard;      // what a cut copied

    bool done() const { return Outcome == ChannelEditOutcome::Done; }
};

// "channel 12" for one channel, "3 channels" for more: the object of a step name.
std::string ChannelsInWords(const std::vector<int>& channels);

// The edit that leaves `channels` and `selection` as they are, refused with `why`.
ChannelEdit RefusedEdit(const ChannelTable& channels, const ChannelSelection& selection, std::string why);

// The edit from `before` to `after`: Done with the step's name, or NothingToDo (the
// table and selection of before) when the table did not change.
ChannelEdit FinishedEdit(const ChannelTable& before, const ChannelSelection& selectionBefore, const ChannelTable& after,
                         ChannelSelection selectionAfter, std::string stepName);

} // namespace kvr27
