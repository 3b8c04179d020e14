#include "commands/ChannelPlans.h"

#include "core/UserText.h"

#include "core/MessageSink.h"
#include "image/FrequencyText.h"
#include "image/ModelRules.h"
#include "image/Startup.h"

#include <vector>

namespace kvr27 {

namespace {

constexpr std::int32_t FirstLpdFrequency = 43307500; // 433.075 MHz
constexpr std::int32_t LpdSpacing = 2500;            // 25 kHz
constexpr int LpdChannels = 69;
constexpr int PmrChannels = 8;

// A channel of a plan: the VFO's tone setting, tones and step, the model's mode.
ChannelRecord PlanChannel(const RadioImage& image, std::int32_t frequency, bool pmr)
{
    ChannelRecord channel = EmptyChannel(image.Defaults);
    channel.Frequency = frequency;
    std::uint8_t flags = Bits::ChannelToneSet.put(0, image.Vfo.ToneSet());
    if (pmr)
        flags |= ModePmrFlag;
    else if (IsDualBandModel(image.ModelName))
        flags |= ModeLpdFlag;
    channel.ChannelFlags = flags;
    channel.Step = static_cast<std::uint8_t>(image.Vfo.Step());
    channel.TxTone = image.Vfo.TxTone;
    channel.RxTone = image.Vfo.RxTone;
    channel.PmrTone = image.Vfo.PmrTone;
    channel.Enabled = true;
    return channel;
}

// The plan from the current channel down, as far as the table goes.
ChannelEdit Fill(const RadioImage& image, const ChannelSelection& selection, const std::vector<ChannelRecord>& plan,
                 std::string stepName)
{
    ChannelTable after = image.Channels;
    ChannelSelection filled{{}, selection.Current};
    int overwritten = 0;
    for (std::size_t i = 0; i < plan.size() && selection.Current + static_cast<int>(i) < ChannelTable::Count; ++i) {
        const int channel = selection.Current + static_cast<int>(i);
        overwritten += image.Channels.at(channel).Enabled ? 1 : 0;
        after.at(channel) = plan[i];
        filled.Channels.push_back(channel);
    }
    ChannelEdit edit = FinishedEdit(image.Channels, selection, after, filled, std::move(stepName));
    edit.Overwritten = overwritten;
    return edit;
}

} // namespace

ChannelEdit FillLpdChannels(const RadioImage& image, const ChannelSelection& selection)
{
    if (image.ModelName == ModelPAPmrOnly)
        return RefusedEdit(image.Channels, selection, TranslatedFormat("Messages", KVR27_TEXT("Messages", "The %1 has no LPD channels."), {image.ModelName}));
    SilentMessageSink silent;
    std::vector<ChannelRecord> plan;
    for (int n = 0; n < LpdChannels; ++n) {
        const std::int32_t frequency = FirstLpdFrequency + n * LpdSpacing;
        if (CheckFrequencyRange(image, FormatFrequency(frequency), false, false, silent) != RangeVerdict::OutsideRange)
            plan.push_back(PlanChannel(image, frequency, false));
    }
    if (plan.empty())
        return RefusedEdit(image.Channels, selection,
                           TranslatedFormat("Messages", KVR27_TEXT("Messages", "No LPD channel lies within this radio's range, %1."), {TransmitRangeText(image)}));
    return Fill(image, selection, plan, Translated("Notes", "Fill LPD Channels"));
}

ChannelEdit FillPmrChannels(const RadioImage& image, const ChannelSelection& selection)
{
    if (!HasPmrChannels(image.ModelName))
        return RefusedEdit(image.Channels, selection, TranslatedFormat("Messages", KVR27_TEXT("Messages", "The %1 has no PMR channels."), {image.ModelName}));
    std::vector<ChannelRecord> plan;
    for (int n = 1; n <= PmrChannels; ++n)
        plan.push_back(PlanChannel(image, n * PmrChannelUnit, true));
    return Fill(image, selection, plan, Translated("Notes", "Fill PMR Channels"));
}

} // namespace kvr27
