#pragma once
// The one-channel dialog's rules without the window: opening it on the grid's
// current row (with the mode the model forces), the events of its boxes, lists and
// options, and OK with its blank-field test. The Qt dialog shows form() and forwards
// its widgets' events here.
#include "commands/AppState.h"
#include "commands/ChannelEdit.h"
#include "core/MessageSink.h"
#include "editors/FormFields.h"
#include "image/ChannelDialogForm.h"

#include <array>
#include <string>

namespace kvr27 {

// The dialog's three text boxes, four lists and five option groups.
enum class DialogText { Frequency, ShiftFreq, PmrFreq };
enum class DialogList { Step, TxTone, RxTone, PmrTone };
enum class DialogOption { Shift, ToneSet, Skip, Bclo, Model };

// The controls, in the order of their enums.
extern const std::array<TextBoxField<ChannelDialogForm>, 3> DialogTextBoxes;
extern const std::array<ListField<ChannelDialogForm>, 4> DialogListBoxes;
extern const std::array<OptionField<ChannelDialogForm>, 5> DialogOptionGroups;

// The controls the grid disables when the model decides the mode: the "Mode" frame
// and both mode options.
extern const std::array<std::string_view, 3> DialogModeControls;

inline constexpr const char* ModeLpd = "LPD";
inline constexpr const char* ModePmr = "PMR";

class ChannelDialogEditor {
public:
    // Opens the dialog on the channel of the grid's current row: loaded from its
    // record (or VfoDefaults), then, for every model but the dual-band one, the mode
    // forced and its controls disabled. "KV-R27PA(PMR only)" also shows "PMR" selected.
    // Over `several` selected channels ("Edit Selected Channels…") it shows the fields
    // they share, blank where they differ, and OK changes in each only the fields
    // the user changed (EditChannels) as one step.
    ChannelDialogEditor(AppState& state, MessageSink& messages, ChannelSelection several = {});

    const ChannelDialogForm& form() const { return form_; }

    // A box's text changed: the filter of its kind.
    void textChanged(DialogText box, std::string text);
    TextSelection gotFocus(DialogText box) const;
    // A box lost the focus: the raster rule for the frequency and the offset.
    void lostFocus(DialogText box);
    // The step box lost the focus: the raster rule for the frequency and the offset.
    void stepLostFocus();
    void listSelected(DialogList list, int index);
    // An option became selected; a mode option switches the dialog's mode.
    void optionSelected(DialogOption group, int index);

    // Whether the channel is edited as a PMR channel.
    bool pmrMode() const;
    // What to say about the frequency when the write would leave the channel out
    // (OutOfRangeRemark); "" otherwise, and always for a PMR channel.
    std::string rangeRemark() const;
    // "OK": the blank-field test, then the store, as the step "Edit channel 12" (the
    // row's "No"). Returns whether the dialog closes.
    bool okClicked();
    // Whether the dialog edits several channels at once.
    bool editsSeveral() const { return several_.Channels.size() > 1; }

private:
    std::string& text(DialogText box);
    void repair(DialogText box, std::string_view roundedMessage);

    AppState& state_;
    MessageSink& messages_;
    ChannelDialogForm form_;
    ChannelSelection several_;
    ChannelDialogForm shared_; // the form as opened over several channels
};

} // namespace kvr27
