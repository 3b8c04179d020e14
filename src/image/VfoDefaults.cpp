#include "image/VfoDefaults.h"

namespace kvr27 {

VfoDefaults VfoDefaults::From(const VfoSettings& vfo)
{
    VfoDefaults d;
    d.Frequency = vfo.Frequency;
    d.LockPowerTone = vfo.LockPowerTone;
    d.TxTone = vfo.TxTone;
    d.RxTone = vfo.RxTone;
    d.PmrTone = vfo.PmrTone;
    d.PmrChannel = vfo.PmrChannel;
    d.ShiftFreq = vfo.ShiftFreq;
    d.BatteryBeepSquelch = vfo.BatteryBeepSquelch;
    d.BellShiftStep = vfo.BellShiftStep;
    d.BcloCallTot = vfo.BcloCallTot;
    d.SkipScanApo = vfo.SkipScanApo;
    d.EpoLamp = vfo.EpoLamp;
    d.RptShiftFreq = vfo.RptShiftFreq;
    d.RptTone = vfo.RptTone;
    d.RptFlags = vfo.RptFlags;
    return d;
}

} // namespace kvr27
