#include "commands/ChannelOperations.h"

#include "core/UserText.h"

#include "image/Startup.h"

#include <algorithm>
#include <tuple>

namespace kvr27 {

namespace {

constexpr int LastChannel = ChannelTable::Count - 1;

bool Selected(const ChannelSelection& selection, int channel)
{
    return std::ranges::binary_search(selection.Channels, channel);
}

// The channels in the order of `order` (indexes of the old table).
ChannelTable Reordered(const ChannelTable& channels, const std::vector<int>& order)
{
    ChannelTable result;
    for (int i = 0; i < ChannelTable::Count; ++i)
        result.at(i) = channels.at(order.at(static_cast<std::size_t>(i)));
    return result;
}

// Where each old index went in `order`.
int NewPlace(const std::vector<int>& order, int channel)
{
    return static_cast<int>(std::ranges::find(order, channel) - order.begin());
}

ChannelSelection Moved(const ChannelSelection& selection, const std::vector<int>& order)
{
    ChannelSelection after{{}, NewPlace(order, selection.Current)};
    for (int channel : selection.Channels)
        after.Channels.push_back(NewPlace(order, channel));
    std::ranges::sort(after.Channels);
    return after;
}

} // namespace

ChannelEdit DeleteChannels(const RadioImage& image, const ChannelSelection& selection)
{
    ChannelTable after = image.Channels;
    for (int channel : selection.Channels)
        after.at(channel) = EmptyChannel(image.Defaults);
    return FinishedEdit(image.Channels, selection, after, selection, TranslatedFormat("Notes", KVR27_TEXT("Notes", "Delete %1"), {ChannelsInWords(selection.Channels)}));
}

ChannelEdit DeleteAndShiftUp(const RadioImage& image, const ChannelSelection& selection)
{
    if (selection.Channels.empty())
        return FinishedEdit(image.Channels, selection, image.Channels, selection, {});
    ChannelTable after;
    int kept = 0;
    for (int channel = 0; channel < ChannelTable::Count; ++channel)
        if (!Selected(selection, channel))
            after.at(kept++) = image.Channels.at(channel);
    for (; kept < ChannelTable::Count; ++kept)
        after.at(kept) = EmptyChannel(image.Defaults);
    const int first = selection.Channels.front();
    return FinishedEdit(image.Channels, selection, after, {{first}, first},
                        TranslatedFormat("Notes", KVR27_TEXT("Notes", "Delete and shift up %1"), {ChannelsInWords(selection.Channels)}));
}

ChannelEdit InsertEmptyChannel(const RadioImage& image, const ChannelSelection& selection)
{
    if (image.Channels.at(LastChannel).Enabled)
        return RefusedEdit(image.Channels, selection,
                           Translated("Messages", "Channel 99 is in use, so no channel can be inserted: delete it or move it up first."));
    const int at = selection.Current;
    ChannelTable after = image.Channels;
    for (int channel = LastChannel; channel > at; --channel)
        after.at(channel) = image.Channels.at(channel - 1);
    after.at(at) = EmptyChannel(image.Defaults);
    return FinishedEdit(image.Channels, selection, after, {{at}, at}, TranslatedFormat("Notes", KVR27_TEXT("Notes", "Insert empty channel %1"), {std::to_string(at)}));
}

ChannelEdit MoveChannelsByOne(const RadioImage& image, const ChannelSelection& selection, bool down)
{
    std::vector<int> order(ChannelTable::Count);
    std::vector<char> selected(ChannelTable::Count);
    for (int i = 0; i < ChannelTable::Count; ++i)
        order[static_cast<std::size_t>(i)] = i, selected[static_cast<std::size_t>(i)] = Selected(selection, i) ? 1 : 0;
    // A selected row passes the unselected row next to it; one held by another
    // selected row that cannot move stays, so a block at the end stays whole.
    const int step = down ? 1 : -1;
    for (int i = down ? LastChannel - 1 : 1; i >= 0 && i <= LastChannel; i -= step) {
        const int neighbour = i + step;
        const auto here = static_cast<std::size_t>(i), next = static_cast<std::size_t>(neighbour);
        if (selected[here] && !selected[next]) {
            std::swap(order[here], order[next]);
            std::swap(selected[here], selected[next]);
        }
    }
    return FinishedEdit(image.Channels, selection, Reordered(image.Channels, order), Moved(selection, order),
                        TranslatedFormat("Notes", down ? KVR27_TEXT("Notes", "Move %1 down") : KVR27_TEXT("Notes", "Move %1 up"),
                                         {ChannelsInWords(selection.Channels)}));
}

ChannelEdit MoveChannelsTo(const RadioImage& image, const ChannelSelection& selection, int dropChannel)
{
    if (selection.Channels.empty() || Selected(selection, dropChannel))
        return FinishedEdit(image.Channels, selection, image.Channels, selection, {});
    std::vector<int> order;
    for (int channel = 0; channel < ChannelTable::Count; ++channel)
        if (!Selected(selection, channel))
            order.push_back(channel);
    const int at = std::clamp(dropChannel, 0, ChannelTable::Count - static_cast<int>(selection.Channels.size()));
    order.insert(order.begin() + at, selection.Channels.begin(), selection.Channels.end());
    return FinishedEdit(image.Channels, selection, Reordered(image.Channels, order), Moved(selection, order),
                        TranslatedFormat("Notes", KVR27_TEXT("Notes", "Move %1 to %2"), {ChannelsInWords(selection.Channels), std::to_string(at)}));
}

ChannelEdit SortByFrequency(const RadioImage& image, const ChannelSelection& selection)
{
    std::vector<int> rows = selection.Channels;
    if (rows.size() <= 1) {
        rows.resize(ChannelTable::Count);
        for (int i = 0; i < ChannelTable::Count; ++i)
            rows[static_cast<std::size_t>(i)] = i;
    }
    std::vector<ChannelRecord> records;
    records.reserve(rows.size());
    for (int channel : rows)
        records.push_back(image.Channels.at(channel));
    // Enabled LPD (0), enabled PMR (1), disabled (2); a PMR channel's number is in
    // its frequency's top byte, so frequency orders both kinds.
    const auto key = [](const ChannelRecord& r) {
        return std::tuple(r.Enabled ? (r.IsPmr() ? 1 : 0) : 2, r.Enabled ? r.Frequency : 0);
    };
    std::ranges::stable_sort(records, {}, key);
    ChannelTable after = image.Channels;
    for (std::size_t i = 0; i < rows.size(); ++i)
        after.at(rows[i]) = records[i];
    return FinishedEdit(image.Channels, selection, after, selection, Translated("Notes", "Sort by Frequency"));
}

} // namespace kvr27
