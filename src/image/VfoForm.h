#pragma once
// The VFO settings window (frmVfo) as plain state: what its text boxes, lists and
// option groups hold, and which of its controls are enabled. The Qt window shows
// this state and hands user events to the editor rules; the write transfer takes
// the VFO values from it whether or not the window is on screen.
#include "image/FormControls.h"

#include <string>

namespace kvr27 {

struct VfoForm {
    // Text boxes, with the texts they hold before the first fill.
    std::string txtFrequency = "433.00000";
    std::string txtShiftFreq = "5.00000";
    std::string txtRptShiftFreq = "5.00000";
    std::string txtPmrFreq = "1";
    std::string txtSquelch = "0";

    // Drop-down lists: the stored code. A code outside the list's items is kept as
    // it is (the window then shows no selection), so that collecting an untouched
    // window gives the code back.
    int cboTxTone = NoSelection;
    int cboRxTone = NoSelection;
    int cboPmrTone = NoSelection;
    int cboStep = NoSelection;
    int CboCallTone = NoSelection;
    int cboTot = NoSelection;
    int cboApo = NoSelection;
    int cboRptTone = NoSelection;

    // Option groups: the index of the selected option, or NoSelection.
    int optKeyLock = NoSelection;
    int optTxPower = NoSelection;
    int optToneSet = NoSelection;
    int optBattery = NoSelection;
    int optBeep = NoSelection;
    int optBs = NoSelection;
    int optBell = NoSelection;
    int optStb = NoSelection;
    int optShift = NoSelection;
    int optBclo = NoSelection;
    int optSkip = NoSelection;
    int optScan = NoSelection;
    int optEpo = NoSelection;
    int optLamp = NoSelection;
    int optRptShift = NoSelection;
    int optRptTone = NoSelection;

    EnabledStates Enabled;

    bool operator==(const VfoForm&) const = default;
};

} // namespace kvr27
