#include "editors/VfoFields.h"

#include "core/UserText.h"

namespace kvr27 {

const std::array<TextBoxField<VfoForm>, 5> VfoTextBoxes = {{
    {"txtFrequency", FieldKind::Frequency, &VfoForm::txtFrequency, KVR27_TEXT("Controls", "Frequency")},
    {"txtShiftFreq", FieldKind::Offset, &VfoForm::txtShiftFreq, KVR27_TEXT("Controls", "Offset frequency")},
    {"txtRptShiftFreq", FieldKind::Offset, &VfoForm::txtRptShiftFreq, KVR27_TEXT("Controls", "Offset frequency"), RepeaterFrameCaption},
    {"txtPmrFreq", FieldKind::PmrChannel, &VfoForm::txtPmrFreq, KVR27_TEXT("Controls", "Ch No (PMR)")},
    {"txtSquelch", FieldKind::Squelch, &VfoForm::txtSquelch, KVR27_TEXT("Controls", "Squelch Level")},
}};

const std::array<ListField<VfoForm>, 8> VfoListBoxes = {{
    {"cboTxTone", ToneLabels, &VfoForm::cboTxTone, KVR27_TEXT("Controls", "TX tone freq (Encode)")},
    {"cboRxTone", ToneLabels, &VfoForm::cboRxTone, KVR27_TEXT("Controls", "RX tone freq (Decode)")},
    {"cboPmrTone", PmrToneLabels, &VfoForm::cboPmrTone, KVR27_TEXT("Controls", "Tone frequency (PMR)")},
    {"cboStep", StepLabels, &VfoForm::cboStep, KVR27_TEXT("Controls", "Tuning step")},
    {"CboCallTone", CallToneLabels, &VfoForm::CboCallTone, KVR27_TEXT("Controls", "Call tone (Tone burst)")},
    {"cboTot", TotLabels, &VfoForm::cboTot, KVR27_TEXT("Controls", "TOT")},
    {"cboApo", ApoLabels, &VfoForm::cboApo, KVR27_TEXT("Controls", "APO")},
    {"cboRptTone", ToneLabels, &VfoForm::cboRptTone, KVR27_TEXT("Controls", "Tone frequency"), RepeaterFrameCaption},
}};

const std::array<OptionField<VfoForm>, 16> VfoOptionGroups = {{
    {"optKeyLock", &VfoForm::optKeyLock, KVR27_TEXT("Controls", "Key Lock"), {}, {"On", "Off"}},
    {"optTxPower", &VfoForm::optTxPower, KVR27_TEXT("Controls", "Transmission Output Level"), {}, {"Hi", "Low"}},
    {"optToneSet", &VfoForm::optToneSet, KVR27_TEXT("Controls", "Tone setting"), {}, {"None", "T", "T SQ"}},
    {"optBattery", &VfoForm::optBattery, KVR27_TEXT("Controls", "Battery type"), {}, {"1(AA)", "2(Li-ion)"}},
    {"optBeep", &VfoForm::optBeep, KVR27_TEXT("Controls", "Beeper"), {}, {"On", "Off"}},
    {"optBs", &VfoForm::optBs, KVR27_TEXT("Controls", "Battery saving"), {}, {"On", "Off"}},
    {"optBell", &VfoForm::optBell, KVR27_TEXT("Controls", "Bell"), {}, {"On", "Off"}},
    {"optStb", &VfoForm::optStb, KVR27_TEXT("Controls", "Stand-by-beep"), {}, {"On", "Off"}},
    {"optShift", &VfoForm::optShift, KVR27_TEXT("Controls", "Shift direction"), {}, {"None", "+", "-"}},
    {"optBclo", &VfoForm::optBclo, KVR27_TEXT("Controls", "BCLO"), {}, {"On", "Off"}},
    {"optSkip", &VfoForm::optSkip, KVR27_TEXT("Controls", "Scan skip"), {}, {"On", "Off"}},
    {"optScan", &VfoForm::optScan, KVR27_TEXT("Controls", "Scan"), {}, {"Timed", "Busy"}},
    {"optEpo", &VfoForm::optEpo, KVR27_TEXT("Controls", "External terminal control"), {}, {"On", "Off"}},
    {"optLamp", &VfoForm::optLamp, KVR27_TEXT("Controls", "Lamp"), {}, {"On(5s)", "On", "Off"}},
    {"optRptShift", &VfoForm::optRptShift, KVR27_TEXT("Controls", "Shift direction"), RepeaterFrameCaption, {"None", "+", "-"}},
    {"optRptTone", &VfoForm::optRptTone, KVR27_TEXT("Controls", "Tone setting"), RepeaterFrameCaption, {"On", "Off"}},
}};

const std::array<std::string_view, 3> VfoReadOnlyControls = {"Frame1_21", "optSkip_0", "optSkip_1"};

} // namespace kvr27
