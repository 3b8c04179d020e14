#pragma once
// The VFO settings window's rules without the window: the events of its text boxes,
// lists and option groups update the VFO form state (AppState::Vfo) and VfoChanged;
// OK and Cancel decide about the radio image. The Qt window shows the form state and
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

    // The window's load: the controls created disabled are disabled, VfoChanged false.
    void load();

    // A box's text changed (typed, or set by a rule): the filter, then the
    // comparison with the stored value that marks the window changed.
    void textChanged(VfoText box, std::string text);
    // The selection a box gets with the focus.
    TextSelection gotFocus(VfoText box) const;
    // A box lost the focus: the raster rule for the frequency and both offsets.
    void lostFocus(VfoText box);
    // The step box lost the focus: the raster rule for all three frequency boxes.
    void stepLostFocus();
    // The user chose a list item: marks the window changed when it differs from the
    // stored code.
    void listSelected(VfoList list, int index);
    // An option became selected: marks the window changed.
    void optionSelected(VfoOption group, int index);

    // What to say about the frequency when the write would refuse it for lying
    // outside the radio's range (OutOfRangeRemark); "" otherwise.
    std::string rangeRemark() const;

    // "OK": takes the window's values into the radio image. Returns whether the
    // window is hidden (false when a box is empty or holds no number).
    bool okClicked();
    // "Cancel": drops the window's edits (the form shows the image again, so no later
    // write sends them) and clears VfoChanged. Returns whether the window is hidden.
    bool cancelClicked();
    // The close box (and Escape): the window is discarded with its edits; the form
    // shows the image again and VfoChanged keeps its value until the next load.
    void closedByCloseBox();

private:
    std::string& text(VfoText box);
    void trackTextChange(VfoText box);
    void repair(VfoText box, std::string_view roundedMessage);
    unsigned storedCode(VfoList list) const;
    void discardEdits();

    AppState& state_;
    MessageSink& messages_;
};

} // namespace kvr27
