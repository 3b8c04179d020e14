#include "editors/VfoFields.h"

#include "core/UserText.h"

namespace kvr27 {

namespace {

// The options' words, shown in the user's language.
constexpr std::string_view OnWord = KVR27_TEXT("Values", "On");
constexpr std::string_view OffWord = KVR27_TEXT("Values", "Off");
constexpr std::string_view HiWord = KVR27_TEXT("Values", "Hi");
constexpr std::string_view LowWord = KVR27_TEXT("Values", "Low");
constexpr std::string_view NoneWord = KVR27_TEXT("Values", "None");
constexpr std::string_view TimedWord = KVR27_TEXT("Values", "Timed");
constexpr std::string_view BusyWord = KVR27_TEXT("Values", "Busy");
constexpr std::string_view OnFiveSecondsWord = KVR27_TEXT("Values", "On(5s)");

} // namespace

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
    {"optKeyLock", &VfoForm::optKeyLock, KVR27_TEXT("Controls", "Key Lock"), {}, {OnWord, OffWord}},
    {"optTxPower", &VfoForm::optTxPower, KVR27_TEXT("Controls", "Transmission Output Level"), {}, {HiWord, LowWord}},
    {"optToneSet", &VfoForm::optToneSet, KVR27_TEXT("Controls", "Tone setting"), {}, {NoneWord, "T", "T SQ"}},
    {"optBattery", &VfoForm::optBattery, KVR27_TEXT("Controls", "Battery type"), {}, {"1(AA)", "2(Li-ion)"}},
    {"optBeep", &VfoForm::optBeep, KVR27_TEXT("Controls", "Beeper"), {}, {OnWord, OffWord}},
    {"optBs", &VfoForm::optBs, KVR27_TEXT("Controls", "Battery saving"), {}, {OnWord, OffWord}},
    {"optBell", &VfoForm::optBell, KVR27_TEXT("Controls", "Bell"), {}, {OnWord, OffWord}},
    {"optStb", &VfoForm::optStb, KVR27_TEXT("Controls", "Stand-by-beep"), {}, {OnWord, OffWord}},
    {"optShift", &VfoForm::optShift, KVR27_TEXT("Controls", "Shift direction"), {}, {NoneWord, "+", "-"}},
    {"optBclo", &VfoForm::optBclo, KVR27_TEXT("Controls", "BCLO"), {}, {OnWord, OffWord}},
    {"optSkip", &VfoForm::optSkip, KVR27_TEXT("Controls", "Scan skip"), {}, {OnWord, OffWord}},
    {"optScan", &VfoForm::optScan, KVR27_TEXT("Controls", "Scan"), {}, {TimedWord, BusyWord}},
    {"optEpo", &VfoForm::optEpo, KVR27_TEXT("Controls", "External terminal control"), {}, {OnWord, OffWord}},
    {"optLamp", &VfoForm::optLamp, KVR27_TEXT("Controls", "Lamp"), {}, {OnFiveSecondsWord, OnWord, OffWord}},
    {"optRptShift", &VfoForm::optRptShift, KVR27_TEXT("Controls", "Shift direction"), RepeaterFrameCaption, {NoneWord, "+", "-"}},
    {"optRptTone", &VfoForm::optRptTone, KVR27_TEXT("Controls", "Tone setting"), RepeaterFrameCaption, {OnWord, OffWord}},
}};

const std::array<std::string_view, 3> VfoReadOnlyControls = {"Frame1_21", "optSkip_0", "optSkip_1"};

} // namespace kvr27
