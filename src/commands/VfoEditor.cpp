#include "commands/VfoEditor.h"

#include "commands/Document.h"
#include "core/Questions.h"
#include "image/FrequencyText.h"
#include "image/ModelRules.h"
#include "image/VfoCodec.h"

namespace kvr27 {


VfoEditor::VfoEditor(AppState& state, MessageSink& messages) : state_(state), messages_(messages) {}

void VfoEditor::load()
{
    for (auto control : VfoReadOnlyControls)
        state_.Vfo.Enabled.set(control, false);
}

std::string& VfoEditor::text(VfoText box)
{
    return state_.Vfo.*(VfoTextBoxes[static_cast<std::size_t>(box)].Field);
}

void VfoEditor::textChanged(VfoText box, std::string newText)
{
    std::string& field = text(box);
    field = std::move(newText);
    // Emptying the box is a change of its own, which passes every filter.
    FilterField(VfoTextBoxes[static_cast<std::size_t>(box)].Kind, field, messages_);
}

TextSelection VfoEditor::gotFocus(VfoText box) const
{
    return SelectionOnFocus(state_.Vfo.*(VfoTextBoxes[static_cast<std::size_t>(box)].Field));
}

void VfoEditor::repair(VfoText box, std::string_view roundedMessage)
{
    if (RepairField(VfoTextBoxes[static_cast<std::size_t>(box)].Kind, text(box), state_.Vfo.cboStep, roundedMessage,
                    messages_))
        textChanged(box, text(box));
}

void VfoEditor::lostFocus(VfoText box)
{
    repair(box, RoundedMessage);
}

void VfoEditor::stepLostFocus()
{
    repair(VfoText::Frequency, RoundedFrequencyMessage);
    repair(VfoText::ShiftFreq, RoundedOffsetMessage);
    repair(VfoText::RptShiftFreq, RoundedRepeaterOffsetMessage);
}

void VfoEditor::listSelected(VfoList list, int index)
{
    state_.Vfo.*(VfoListBoxes[static_cast<std::size_t>(list)].Field) = index;
}

void VfoEditor::optionSelected(VfoOption group, int index)
{
    state_.Vfo.*(VfoOptionGroups[static_cast<std::size_t>(group)].Field) = index;
}

std::string VfoEditor::rangeRemark() const
{
    return OutOfRangeRemark(state_.Image, state_.Vfo.txtFrequency);
}

bool VfoEditor::okClicked()
{
    if (state_.TransferRunning)
        return false;
    RadioImage taken = state_.Image;
    if (CollectVfoWindow(taken, state_.Vfo, messages_) != FormVerdict::Taken)
        return false;
    ApplyStep(state_, Translated("Notes", "Edit VFO settings"), taken, SelectionOf(state_.Grid));
    return true;
}

bool VfoEditor::cancelClicked()
{
    if (state_.TransferRunning)
        return false;
    discardEdits();
    return true;
}

void VfoEditor::closedByCloseBox()
{
    discardEdits();
}

void VfoEditor::discardEdits()
{
    // The window was filled from the same image when it opened: whatever a filter has
    // to say about these values has been said.
    SilentMessageSink none;
    FillVfoWindow(state_.Image, state_.Vfo, none);
}

bool VfoFormHoldsEdits(const RadioImage& image, const VfoForm& form)
{
    RadioImage taken = image;
    SilentMessageSink none;
    return CollectVfoWindow(taken, form, none) != FormVerdict::Taken || taken.Vfo != image.Vfo;
}

} // namespace kvr27
