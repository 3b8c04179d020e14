#include "commands/ChannelMultiEdit.h"

#include "commands/AppState.h"
#include "commands/ChannelDialogEditor.h"
#include "image/ModelRules.h"

namespace kvr27 {

namespace {

// Keeps the last message the dialog would show.
class LastMessage : public MessageSink {
public:
    void notify(const std::string& text, MessageIcon = MessageIcon::None, const std::string& = {}) override
    {
        last = text;
    }
    bool ask(const std::string&, const std::string& = {}) override { return false; }
    std::string last;
};

// The channel window and its dialog as they stand over the image's channels.
AppState ScratchWindow(const RadioImage& image)
{
    AppState state;
    state.Image = image;
    SetupChannelGrid(state.Grid, image.ModelName);
    RefreshChannelGrid(state.Image, state.Grid);
    return state;
}

} // namespace

ChannelDialogForm SharedChannelFields(const RadioImage& image, const ChannelSelection& selection)
{
    AppState state = ScratchWindow(image);
    SilentMessageSink silent;
    ChannelDialogForm shared;
    bool firstChannel = true;
    for (int channel : selection.Channels) {
        SelectChannelRow(state.Grid, channel + 1);
        const ChannelDialogForm form = ChannelDialogEditor(state, silent).form();
        if (firstChannel) {
            shared = form, firstChannel = false;
            continue;
        }
        for (const auto& box : DialogTextBoxes)
            if (shared.*box.Field != form.*box.Field)
                (shared.*box.Field).clear();
        for (const auto& list : DialogListBoxes)
            if (shared.*list.Field != form.*list.Field)
                shared.*list.Field = NoSelection;
        for (const auto& group : DialogOptionGroups)
            if (shared.*group.Field != form.*group.Field)
                shared.*group.Field = NoSelection;
    }
    return shared;
}

ChannelEdit EditChannels(const RadioImage& image, const ChannelSelection& selection, const ChannelDialogForm& shared,
                         const ChannelDialogForm& edited)
{
    AppState state = ScratchWindow(image);
    const auto changed = [&](const auto& control) { return shared.*control.Field != edited.*control.Field; };
    const bool stepChanged = changed(DialogListBoxes[static_cast<std::size_t>(DialogList::Step)]);
    const bool frequencyChanged = stepChanged || changed(DialogTextBoxes[static_cast<std::size_t>(DialogText::Frequency)]) ||
                                  changed(DialogOptionGroups[static_cast<std::size_t>(DialogOption::Model)]);
    for (int channel : selection.Channels) {
        SelectChannelRow(state.Grid, channel + 1);
        LastMessage messages;
        ChannelDialogEditor dialog(state, messages);
        const std::string where = TranslatedFormat("Messages", KVR27_TEXT("Messages", "Channel %1: "), {std::to_string(channel)});
        const auto model = DialogOptionGroups[static_cast<std::size_t>(DialogOption::Model)];
        if (changed(model) && edited.*model.Field != NoSelection)
            dialog.optionSelected(DialogOption::Model, edited.*model.Field);
        for (std::size_t i = 0; i < DialogOptionGroups.size(); ++i)
            if (i != static_cast<std::size_t>(DialogOption::Model) && changed(DialogOptionGroups[i]) &&
                edited.*DialogOptionGroups[i].Field != NoSelection)
                dialog.optionSelected(static_cast<DialogOption>(i), edited.*DialogOptionGroups[i].Field);
        for (std::size_t i = 0; i < DialogListBoxes.size(); ++i)
            if (changed(DialogListBoxes[i]) && edited.*DialogListBoxes[i].Field != NoSelection)
                dialog.listSelected(static_cast<DialogList>(i), edited.*DialogListBoxes[i].Field);
        for (std::size_t i = 0; i < DialogTextBoxes.size(); ++i)
            if (changed(DialogTextBoxes[i])) {
                dialog.textChanged(static_cast<DialogText>(i), edited.*DialogTextBoxes[i].Field);
                dialog.lostFocus(static_cast<DialogText>(i));
            }
        if (stepChanged)
            dialog.stepLostFocus();
        LastMessage range;
        if (frequencyChanged && !dialog.pmrMode() &&
            CheckFrequencyRange(state.Image, dialog.form().txtFrequency, true, false, range) ==
                RangeVerdict::OutsideRange)
            return RefusedEdit(image.Channels, selection, where + range.last);
        if (!dialog.okClicked())
            return RefusedEdit(image.Channels, selection, where + messages.last);
    }
    return FinishedEdit(image.Channels, selection, state.Image.Channels, selection,
                        TranslatedFormat("Notes", KVR27_TEXT("Notes", "Edit %1"), {ChannelsInWords(selection.Channels)}));
}

} // namespace kvr27
