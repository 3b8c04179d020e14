#include "editors/VfoFields.h"

namespace kvr27 {

const std::array<TextBoxField<VfoForm>, 5> VfoTextBoxes = {{
    {"txtFrequency", FieldKind::Frequency, &VfoForm::txtFrequency, "Frequency"},
    {"txtShiftFreq", FieldKind::Offset, &VfoForm::txtShiftFreq, "Offset frequency"},
    {"txtRptShiftFreq", FieldKind::Offset, &VfoForm::txtRptShiftFreq, "Offset frequency", RepeaterFrameCaption},
    {"txtPmrFreq", FieldKind::PmrChannel, &VfoForm::txtPmrFreq, "Ch No (PMR)"},
    {"txtSquelch", FieldKind::Squelch, &VfoForm::txtSquelch, "Squelch Level"},
}};

const std::array<ListField<VfoForm>, 8> VfoListBoxes = {{
    {"cboTxTone", ToneLabels, &VfoForm::cboTxTone, "TX tone freq (Encode)"},
    {"cboRxTone", ToneLabels, &VfoForm::cboRxTone, "RX tone freq (Decode)"},
    {"cboPmrTone", PmrToneLabels, &VfoForm::cboPmrTone, "Tone frequency (PMR)"},
    {"cboStep", StepLabels, &VfoForm::cboStep, "Tuning step"},
    {"CboCallTone", CallToneLabels, &VfoForm::CboCallTone, "Call tone (Tone burst)"},
    {"cboTot", TotLabels, &VfoForm::cboTot, "TOT"},
    {"cboApo", ApoLabels, &VfoForm::cboApo, "APO"},
    {"cboRptTone", ToneLabels, &VfoForm::cboRptTone, "Tone frequency", RepeaterFrameCaption},
}};

const std::array<OptionField<VfoForm>, 16> VfoOptionGroups = {{
    {"optKeyLock", &VfoForm::optKeyLock, "Key Lock", {}, {"On", "Off"}},
    {"optTxPower", &VfoForm::optTxPower, "Transmission Output Level", {}, {"Hi", "Low"}},
    {"optToneSet", &VfoForm::optToneSet, "Tone setting", {}, {"None", "T", "T SQ"}},
    {"optBattery", &VfoForm::optBattery, "Battery type", {}, {"1(AA)", "2(Li-ion)"}},
    {"optBeep", &VfoForm::optBeep, "Beeper", {}, {"On", "Off"}},
    {"optBs", &VfoForm::optBs, "Battery saving", {}, {"On", "Off"}},
    {"optBell", &VfoForm::optBell, "Bell", {}, {"On", "Off"}},
    {"optStb", &VfoForm::optStb, "Stand-by-beep", {}, {"On", "Off"}},
    {"optShift", &VfoForm::optShift, "Shift direction", {}, {"None", "+", "-"}},
    {"optBclo", &VfoForm::optBclo, "BCLO", {}, {"On", "Off"}},
    {"optSkip", &VfoForm::optSkip, "Scan skip", {}, {"On", "Off"}},
    {"optScan", &VfoForm::optScan, "Scan", {}, {"Timed", "Busy"}},
    {"optEpo", &VfoForm::optEpo, "External terminal control", {}, {"On", "Off"}},
    {"optLamp", &VfoForm::optLamp, "Lamp", {}, {"On(5s)", "On", "Off"}},
    {"optRptShift", &VfoForm::optRptShift, "Shift direction", RepeaterFrameCaption, {"None", "+", "-"}},
    {"optRptTone", &VfoForm::optRptTone, "Tone setting", RepeaterFrameCaption, {"On", "Off"}},
}};

const std::array<std::string_view, 3> VfoReadOnlyControls = {"Frame1_21", "optSkip_0", "optSkip_1"};

} // namespace kvr27
