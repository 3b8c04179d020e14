#include "commands/VfoEditor.h"

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
    state_.Image.VfoChanged = false;
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
    trackTextChange(box);
}

void VfoEditor::trackTextChange(VfoText box)
{
    const VfoSettings& vfo = state_.Image.Vfo;
    const std::string& field = text(box);
    bool differs = false;
    switch (box) {
    case VfoText::Frequency: differs = field != FormatFrequency(vfo.Frequency); break;
    case VfoText::ShiftFreq: differs = field != FormatFrequency(vfo.ShiftFreq); break;
    case VfoText::RptShiftFreq: differs = field != FormatFrequency(vfo.RptShiftFreq); break;
    case VfoText::PmrFreq:
        differs = !field.empty() && ParseSmallNumber(field, 255) != std::optional<unsigned>(vfo.PmrChannel);
        break;
    case VfoText::Squelch:
        differs = !field.empty() && ParseSmallNumber(field, MaxSquelch) != std::optional<unsigned>(vfo.Squelch());
        break;
    }
    if (differs)
        state_.Image.VfoChanged = true;
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

unsigned VfoEditor::storedCode(VfoList list) const
{
    const VfoSettings& vfo = state_.Image.Vfo;
    switch (list) {
    case VfoList::TxTone: return vfo.TxTone;
    case VfoList::RxTone: return vfo.RxTone;
    case VfoList::PmrTone: return vfo.PmrTone;
    case VfoList::Step: return vfo.Step();
    case VfoList::CallTone: return vfo.CallTone();
    case VfoList::Tot: return vfo.Tot();
    case VfoList::Apo: return vfo.Apo();
    case VfoList::RptTone: return vfo.RptTone;
    }
    return 0;
}

void VfoEditor::listSelected(VfoList list, int index)
{
    state_.Vfo.*(VfoListBoxes[static_cast<std::size_t>(list)].Field) = index;
    if (index != static_cast<int>(storedCode(list)))
        state_.Image.VfoChanged = true;
}

void VfoEditor::optionSelected(VfoOption group, int index)
{
    state_.Vfo.*(VfoOptionGroups[static_cast<std::size_t>(group)].Field) = index;
    state_.Image.VfoChanged = true;
}

std::string VfoEditor::rangeRemark() const
{
    return OutOfRangeRemark(state_.Image, state_.Vfo.txtFrequency);
}

bool VfoEditor::okClicked()
{
    if (state_.TransferRunning)
        return false;
    if (CollectVfoWindow(state_.Image, state_.Vfo, messages_) != FormVerdict::Taken)
        return false;
    if (state_.Image.VfoChanged) {
        state_.Image.VfoChanged = false;
        state_.Image.SettingsChanged = true;
    }
    return true;
}

bool VfoEditor::cancelClicked()
{
    if (state_.TransferRunning)
        return false;
    discardEdits();
    state_.Image.VfoChanged = false;
    return true;
}

void VfoEditor::closedByCloseBox()
{
    discardEdits();
}

void VfoEditor::discardEdits()
{
    const bool changed = state_.Image.VfoChanged;
    // The window was filled from the same image when it opened: whatever a filter has
    // to say about these values has been said.
    SilentMessageSink none;
    FillVfoWindow(state_.Image, state_.Vfo, none);
    state_.Image.VfoChanged = changed;
}

} // namespace kvr27
