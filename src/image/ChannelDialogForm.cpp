#include "image/ChannelDialogForm.h"

#include "image/FrequencyText.h"
#include "image/ModelRules.h"
#include "image/TextFilter.h"
#include "image/VfoCodec.h"

#include <array>
#include <optional>

namespace kvr27 {

namespace {

constexpr std::array<std::string_view, 18> LpdModeControls = {
    "Frame1_0", "txtFrequency", "Frame1_1",   "optShift_0",   "optShift_1",   "optShift_2",
    "Frame1_2", "txtShiftFreq", "Frame1_3",   "cboStep",      "Frame1_4",     "optToneSet_0",
    "optToneSet_1", "optToneSet_2", "Frame1_5", "cboTxTone", "Frame1_6",     "cboRxTone"};

constexpr std::array<std::string_view, 5> PmrModeControls = {"Frame1_7", "cboPmrTone", "Frame1_11", "txtPmrFreq",
                                                             "Label1_2"};

std::uint8_t ListCode(int list, unsigned current)
{
    return static_cast<std::uint8_t>(list < 0 ? current : static_cast<unsigned>(list));
}

} // namespace

void SetChannelDialogMode(ChannelDialogForm& form, std::string_view mode)
{
    const bool lpd = mode == "LPD";
    for (std::string_view control : LpdModeControls)
        form.Enabled.set(control, lpd);
    for (std::string_view control : PmrModeControls)
        form.Enabled.set(control, !lpd);
}

namespace {

// Fills the dialog's controls (without the filter of its text boxes).
void FillChannelDialog(const RadioImage& image, const ChannelGrid& grid, ChannelDialogForm& form)
{
    const ChannelRecord& record = image.Channels.at(grid.Row - 1);
    const VfoDefaults& defaults = image.Defaults;

    if (!grid.TextMatrix(grid.Row, 1).empty() || record.Enabled) {
        form.txtShiftFreq = FormatFrequency(record.ShiftFreq);
        form.cboTxTone = record.TxTone;
        form.cboRxTone = record.RxTone;
        form.cboPmrTone = record.PmrTone;
        form.cboStep = static_cast<int>(record.StepIndex());
        if (record.Shift() <= 2)
            form.optShift = static_cast<int>(record.Shift());
        form.optSkip = record.Skip() ? 0 : 1;
        form.optBclo = record.Bclo() ? 0 : 1;
        if (record.ToneSet() <= 2)
            form.optToneSet = static_cast<int>(record.ToneSet());
        if (record.IsPmr()) {
            form.optModel = 1;
            SetChannelDialogMode(form, "PMR");
            form.txtFrequency = FormatFrequency(defaults.Frequency);
            form.txtPmrFreq = std::to_string(record.Frequency / PmrChannelUnit);
        } else {
            form.optModel = 0;
            SetChannelDialogMode(form, "LPD");
            form.txtFrequency = FormatFrequency(record.Frequency);
            form.txtPmrFreq = std::to_string(defaults.PmrChannel);
        }
        return;
    }

    // An empty, disabled channel starts from the model's defaults.
    form.txtFrequency = FormatFrequency(defaults.Frequency);
    form.txtPmrFreq = std::to_string(defaults.PmrChannel);
    form.txtShiftFreq = FormatFrequency(defaults.ShiftFreq);
    form.cboTxTone = defaults.TxTone;
    form.cboRxTone = defaults.RxTone;
    form.cboPmrTone = defaults.PmrTone;
    form.cboStep = defaults.BellShiftStep & 0x0F;
    form.optShift = 0;
    form.optSkip = 1;
    form.optBclo = 1;
    form.optToneSet = 0;
    form.optModel = 0;
    SetChannelDialogMode(form, "LPD");
}

} // namespace

void LoadChannelDialog(const RadioImage& image, const ChannelGrid& grid, ChannelDialogForm& form,
                       MessageSink& messages)
{
    FillChannelDialog(image, grid, form);
    // Each text set fires its box's change event, as a typed one does.
    FilterField(FieldKind::Frequency, form.txtFrequency, messages);
    FilterField(FieldKind::Offset, form.txtShiftFreq, messages);
    FilterField(FieldKind::PmrChannel, form.txtPmrFreq, messages);
}

FormVerdict StoreChannelDialog(RadioImage& image, ChannelGrid& grid, const ChannelDialogForm& form,
                               MessageSink& messages)
{
    const int index = grid.Row - 1;
    ChannelRecord record = image.Channels.at(index);

    std::uint8_t flags = 0;
    const bool modeChoice = form.Enabled.isEnabled("Frame1_10") && form.Enabled.isEnabled("optModel_0") &&
                            form.Enabled.isEnabled("optModel_1");
    if (modeChoice)
        flags = form.optModel == 0 ? ModeLpdFlag : ModePmrFlag;
    else if (image.ModelName == ModelPAPmrOnly)
        flags = ModePmrFlag; // marked PMR, so that the grid, a reload and the radio see a PMR channel

    const bool pmr = (image.ModelName == ModelPA && form.optModel == 1) || image.ModelName == ModelPAPmrOnly;
    std::optional<std::int32_t> frequency =
        pmr ? ScaleDecimalText(form.txtPmrFreq, PmrChannelUnit) : ParseFrequency(form.txtFrequency);
    std::optional<std::int32_t> shiftFreq = ParseFrequency(form.txtShiftFreq);
    if (!frequency || !shiftFreq) {
        messages.notify(NotANumberMessage);
        return FormVerdict::NotANumber;
    }

    record.Frequency = *frequency;
    record.ShiftFreq = *shiftFreq;
    record.TxTone = ListCode(form.cboTxTone, record.TxTone);
    record.RxTone = ListCode(form.cboRxTone, record.RxTone);
    record.PmrTone = ListCode(form.cboPmrTone, record.PmrTone);

    flags = Bits::ChannelBclo.put(flags, form.optBclo == 0 ? 1 : 0);
    flags = Bits::ChannelSkip.put(flags, form.optSkip == 0 ? 1 : 0);
    flags = Bits::ChannelShift.put(flags, form.optShift == 2 ? 2 : form.optShift == 1 ? 1 : 0);
    flags = Bits::ChannelToneSet.put(flags, form.optToneSet == 1 ? 1 : form.optToneSet == 2 ? 2 : 0);
    record.ChannelFlags = flags;
    record.Step = ListCode(form.cboStep, record.Step);
    record.Enabled = true;
    image.Channels.at(index) = record;

    ShowChannelRow(image, grid, index);
    grid.Look[static_cast<std::size_t>(grid.Row)] = RowLook::Normal;
    SelectChannelRow(grid, grid.Row);
    return FormVerdict::Taken;
}

} // namespace kvr27
