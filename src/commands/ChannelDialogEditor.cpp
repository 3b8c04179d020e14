#include "commands/ChannelDialogEditor.h"

#include "commands/ChannelGridEditor.h"
#include "commands/ChannelMultiEdit.h"
#include "commands/Document.h"
#include "image/ModelRules.h"
#include "image/VfoCodec.h"

#include <utility>

namespace kvr27 {

const std::array<TextBoxField<ChannelDialogForm>, 3> DialogTextBoxes = {{
    {"txtFrequency", FieldKind::Frequency, &ChannelDialogForm::txtFrequency},
    {"txtShiftFreq", FieldKind::Offset, &ChannelDialogForm::txtShiftFreq},
    {"txtPmrFreq", FieldKind::PmrChannel, &ChannelDialogForm::txtPmrFreq},
}};

const std::array<ListField<ChannelDialogForm>, 4> DialogListBoxes = {{
    {"cboStep", StepLabels, &ChannelDialogForm::cboStep},
    {"cboTxTone", ToneLabels, &ChannelDialogForm::cboTxTone},
    {"cboRxTone", ToneLabels, &ChannelDialogForm::cboRxTone},
    {"cboPmrTone", PmrToneLabels, &ChannelDialogForm::cboPmrTone},
}};

const std::array<OptionField<ChannelDialogForm>, 5> DialogOptionGroups = {{
    {"optShift", &ChannelDialogForm::optShift},
    {"optToneSet", &ChannelDialogForm::optToneSet},
    {"optSkip", &ChannelDialogForm::optSkip},
    {"optBclo", &ChannelDialogForm::optBclo},
    {"optModel", &ChannelDialogForm::optModel},
}};

const std::array<std::string_view, 3> DialogModeControls = {"Frame1_10", "optModel_0", "optModel_1"};

ChannelDialogEditor::ChannelDialogEditor(AppState& state, MessageSink& messages, ChannelSelection several)
    : state_(state), messages_(messages), several_(std::move(several))
{
    if (editsSeveral()) {
        form_ = shared_ = SharedChannelFields(state_.Image, several_);
        return;
    }
    LoadChannelDialog(state_.Image, state_.Grid, form_, messages_);
    const std::string& model = state_.Image.ModelName;
    if (model == ModelPA)
        return;
    if (model == ModelPAPmrOnly) {
        SetChannelDialogMode(form_, ModePmr);
        form_.optModel = 1;
    } else {
        SetChannelDialogMode(form_, ModeLpd);
    }
    for (auto control : DialogModeControls)
        form_.Enabled.set(control, false);
}

std::string& ChannelDialogEditor::text(DialogText box)
{
    return form_.*(DialogTextBoxes[static_cast<std::size_t>(box)].Field);
}

void ChannelDialogEditor::textChanged(DialogText box, std::string newText)
{
    text(box) = std::move(newText);
    FilterField(DialogTextBoxes[static_cast<std::size_t>(box)].Kind, text(box), messages_);
}

TextSelection ChannelDialogEditor::gotFocus(DialogText box) const
{
    return SelectionOnFocus(form_.*(DialogTextBoxes[static_cast<std::size_t>(box)].Field));
}

void ChannelDialogEditor::repair(DialogText box, std::string_view roundedMessage)
{
    RepairField(DialogTextBoxes[static_cast<std::size_t>(box)].Kind, text(box), form_.cboStep, roundedMessage,
                messages_);
}

void ChannelDialogEditor::lostFocus(DialogText box)
{
    repair(box, RoundedMessage);
}

void ChannelDialogEditor::stepLostFocus()
{
    repair(DialogText::Frequency, RoundedFrequencyMessage);
    repair(DialogText::ShiftFreq, RoundedOffsetMessage);
}

void ChannelDialogEditor::listSelected(DialogList list, int index)
{
    form_.*(DialogListBoxes[static_cast<std::size_t>(list)].Field) = index;
}

void ChannelDialogEditor::optionSelected(DialogOption group, int index)
{
    form_.*(DialogOptionGroups[static_cast<std::size_t>(group)].Field) = index;
    if (group == DialogOption::Model)
        SetChannelDialogMode(form_, index == 0 ? ModeLpd : ModePmr);
}

bool ChannelDialogEditor::pmrMode() const
{
    const std::string& model = state_.Image.ModelName;
    return model == ModelPAPmrOnly || (model == ModelPA && form_.optModel == 1);
}

std::string ChannelDialogEditor::rangeRemark() const
{
    return pmrMode() ? std::string() : OutOfRangeRemark(state_.Image, form_.txtFrequency);
}

bool ChannelDialogEditor::okClicked()
{
    if (editsSeveral()) {
        const ChannelEdit edit = EditChannels(state_.Image, several_, shared_, form_);
        (void)ChannelGridEditor(state_, messages_).apply(edit);
        return edit.Outcome != ChannelEditOutcome::Refused;
    }
    // The store converts the offset in either mode, so it is needed in both.
    const bool blank = form_.txtShiftFreq.empty() || (pmrMode() ? form_.txtPmrFreq : form_.txtFrequency).empty();
    if (blank) {
        messages_.notify(EditingIncompleteMessage);
        return false;
    }
    const RadioImage before = state_.Image;
    const GridSelection selected = SelectionOf(state_.Grid);
    if (StoreChannelDialog(state_.Image, state_.Grid, form_, messages_) != FormVerdict::Taken)
        return false;
    RecordStep(state_, TranslatedFormat("Notes", KVR27_TEXT("Notes", "Edit channel %1"), {std::to_string(state_.Grid.Row - 1)}), before,
               selected);
    return true;
}

} // namespace kvr27
