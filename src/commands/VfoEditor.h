#pragma once
// The VFO settings window's rules without the window: the events of its text boxes,
// lists and option groups update the VFO form state (AppState::Vfo); OK takes it
// into the radio image as one step, Cancel drops it. The Qt window shows the form state and
// forwards its widgets' events here.
#include "commands/AppState.h"
#include "core/MessageSink.h"
#include "editors/EntryRules.h"
#include "editors/VfoFields.h"
#include "image/VfoForm.h"

#include <array>
#include <string>
#include <string_view>

namespace kvr27 {

class VfoEditor {
public:
    VfoEditor(AppState& state, MessageSink& messages);

    // The window's load: the controls created disabled are disabled.
    void load();

    // A box's text changed (typed, or set by a rule): the filter.
    void textChanged(VfoText box, std::string text);
    // The selection a box gets with the focus.
    TextSelection gotFocus(VfoText box) const;
    // A box lost the focus: the raster rule for the frequency and both offsets.
    void lostFocus(VfoText box);
    // The step box lost the focus: the raster rule for all three frequency boxes.
    void stepLostFocus();
    // The user chose a list item.
    void listSelected(VfoList list, int index);
    // An option became selected.
    void optionSelected(VfoOption group, int index);

    // What to say about the frequency when the write would refuse it for lying
    // outside the radio's range (OutOfRangeRemark); "" otherwise.
    std::string rangeRemark() const;

    // "OK": takes the window's values into the radio image, as the step "Edit VFO
    // settings" when they change it. Returns whether the window is hidden (false
    // when a box is empty or holds no number).
    bool okClicked();
    // "Cancel": drops the window's edits (the form shows the image again, so no later
    // write sends them). Returns whether the window is hidden.
    bool cancelClicked();
    // The close box (and Escape): the window is discarded with its edits; the form
    // shows the image again.
    void closedByCloseBox();

private:
    std::string& text(VfoText box);
    void repair(VfoText box, std::string_view roundedMessage);
    void discardEdits();

    AppState& state_;
    MessageSink& messages_;
};

// Whether the VFO form holds edits that the image does not: a box left empty or not
// a number, or a value that differs from the image's.
bool VfoFormHoldsEdits(const RadioImage& image, const VfoForm& form);

} // namespace kvr27
