#include "image/VfoCodec.h"

#include "image/FrequencyText.h"
#include "image/ModelRules.h"
#include "image/TextFilter.h"

#include <optional>
#include <string>

namespace kvr27 {

namespace {

void SelectOption(int& group, int index)
{
    group = index;
}

// On/Off groups whose option 0 is "On".
void SelectOnOff(int& group, unsigned bit)
{
    SelectOption(group, bit ? 0 : 1);
}

// Groups of three options for the codes 0, 1, 2; code 3 leaves the group as it is.
void SelectThreeWay(int& group, unsigned code)
{
    if (code <= 2)
        SelectOption(group, static_cast<int>(code));
}

// The code of a three-way group: option 2 wins over option 1, nothing selected is 0.
unsigned ThreeWayCode(int group)
{
    if (group == 2)
        return 2;
    if (group == 1)
        return 1;
    return 0;
}

unsigned Selected(int group, int option)
{
    return group == option ? 1u : 0u;
}

// A list's stored code; a list with nothing selected keeps the current value.
std::uint8_t ListCode(int list, unsigned current)
{
    return static_cast<std::uint8_t>(list < 0 ? current : static_cast<unsigned>(list));
}

// Sets a box's text, which fires its change event: the filter of its kind runs.
void SetText(std::string& box, std::string text, FieldKind kind, MessageSink& messages)
{
    box = std::move(text);
    FilterField(kind, box, messages);
}

} // namespace

void FillVfoWindow(const RadioImage& image, VfoForm& form, MessageSink& messages)
{
    const VfoSettings& vfo = image.Vfo;

    SetText(form.txtFrequency, FormatFrequency(vfo.Frequency), FieldKind::Frequency, messages);
    SetText(form.txtPmrFreq, std::to_string(vfo.PmrChannel), FieldKind::PmrChannel, messages);
    form.cboTxTone = vfo.TxTone;
    form.cboRxTone = vfo.RxTone;
    form.cboPmrTone = vfo.PmrTone;

    SelectOnOff(form.optKeyLock, vfo.KeyLock());
    SelectOption(form.optTxPower, vfo.LowPower() ? 1 : 0);
    SelectThreeWay(form.optToneSet, vfo.ToneSet());

    SetText(form.txtShiftFreq, FormatFrequency(vfo.ShiftFreq), FieldKind::Offset, messages);
    SelectOption(form.optBattery, static_cast<int>(vfo.BatteryType()));
    SelectOnOff(form.optBeep, vfo.Beep());
    SelectOnOff(form.optBs, vfo.BatterySave());
    SetText(form.txtSquelch, std::to_string(vfo.Squelch()), FieldKind::Squelch, messages);

    SelectOnOff(form.optBell, vfo.Bell());
    SelectOnOff(form.optStb, vfo.StandbyBeep());
    SelectThreeWay(form.optShift, vfo.Shift());
    form.cboStep = static_cast<int>(vfo.Step());

    SelectOnOff(form.optBclo, vfo.Bclo());
    form.CboCallTone = static_cast<int>(vfo.CallTone());
    form.cboTot = static_cast<int>(vfo.Tot());

    SelectOnOff(form.optSkip, vfo.ScanSkip());
    SelectOption(form.optScan, static_cast<int>(vfo.ScanMode()));
    form.cboApo = static_cast<int>(vfo.Apo());

    SelectOnOff(form.optEpo, vfo.Epo());
    SelectThreeWay(form.optLamp, vfo.Lamp());

    SetText(form.txtRptShiftFreq, FormatFrequency(vfo.RptShiftFreq), FieldKind::Offset, messages);
    SelectThreeWay(form.optRptShift, vfo.RptShift());
    SelectOnOff(form.optRptTone, vfo.RptToneOn());
    form.cboRptTone = vfo.RptTone;

    SetModelControls(image, form, image.ModelCode == 7 || image.ModelCode == 9);
}

FormVerdict CollectVfoWindow(RadioImage& image, const VfoForm& form, MessageSink& messages)
{
    if (form.txtFrequency.empty() || form.txtRptShiftFreq.empty() || form.txtShiftFreq.empty() ||
        form.txtPmrFreq.empty() || form.txtSquelch.empty()) {
        messages.notify(EditingIncompleteMessage);
        return FormVerdict::BlankBox;
    }

    // Every text is converted before anything is stored, so that a text the image
    // cannot hold leaves the whole image as it was.
    std::optional<std::int32_t> frequency = ParseFrequency(form.txtFrequency);
    std::optional<std::int32_t> shiftFreq = ParseFrequency(form.txtShiftFreq);
    std::optional<std::int32_t> rptShiftFreq = ParseFrequency(form.txtRptShiftFreq);
    std::optional<unsigned> pmrChannel = ParseSmallNumber(form.txtPmrFreq, 255);
    std::optional<unsigned> squelch = ParseSmallNumber(form.txtSquelch, Bits::Squelch.get(0xFF));
    if (!frequency || !shiftFreq || !rptShiftFreq || !pmrChannel || !squelch) {
        messages.notify(NotANumberMessage);
        return FormVerdict::NotANumber;
    }

    VfoSettings vfo = image.Vfo;
    vfo.Frequency = *frequency;
    vfo.TxTone = ListCode(form.cboTxTone, vfo.TxTone);
    vfo.RxTone = ListCode(form.cboRxTone, vfo.RxTone);
    vfo.PmrTone = ListCode(form.cboPmrTone, vfo.PmrTone);
    vfo.PmrChannel = static_cast<std::uint8_t>(*pmrChannel);

    std::uint8_t b = 0;
    b = Bits::KeyLock.put(b, Selected(form.optKeyLock, 0));
    b = Bits::LowPower.put(b, Selected(form.optTxPower, 1));
    b = Bits::ToneSet.put(b, ThreeWayCode(form.optToneSet));
    vfo.LockPowerTone = b;

    vfo.ShiftFreq = *shiftFreq;

    b = Bits::Squelch.put(0, *squelch);
    b = Bits::BatteryType.put(b, Selected(form.optBattery, 1));
    b = Bits::Beep.put(b, Selected(form.optBeep, 0));
    b = Bits::BatterySave.put(b, Selected(form.optBs, 0));
    vfo.BatteryBeepSquelch = b;

    b = Bits::Step.put(0, ListCode(form.cboStep, vfo.Step()));
    b = Bits::Bell.put(b, Selected(form.optBell, 0));
    b = Bits::StandbyBeep.put(b, Selected(form.optStb, 0));
    b = Bits::Shift.put(b, ThreeWayCode(form.optShift));
    vfo.BellShiftStep = b;

    b = Bits::CallTone.put(0, ListCode(form.CboCallTone, vfo.CallTone()));
    b = Bits::Tot.put(b, ListCode(form.cboTot, vfo.Tot()));
    b = Bits::Bclo.put(b, Selected(form.optBclo, 0));
    vfo.BcloCallTot = b;

    // Scan skip is shown but never taken from the window.
    b = Bits::Apo.put(0, ListCode(form.cboApo, vfo.Apo()));
    b = Bits::ScanMode.put(b, Selected(form.optScan, 1));
    vfo.SkipScanApo = b;

    b = Bits::Epo.put(0, Selected(form.optEpo, 0));
    b = Bits::Lamp.put(b, ThreeWayCode(form.optLamp));
    vfo.EpoLamp = b;

    vfo.RptShiftFreq = *rptShiftFreq;
    vfo.RptTone = ListCode(form.cboRptTone, vfo.RptTone);

    b = Bits::RptShift.put(0, ThreeWayCode(form.optRptShift));
    b = Bits::RptToneOn.put(b, Selected(form.optRptTone, 0));
    vfo.RptFlags = b;

    image.Vfo = vfo;
    return FormVerdict::Taken;
}

} // namespace kvr27
