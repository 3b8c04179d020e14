#include "image/Startup.h"

#include "image/ModelRules.h"

namespace kvr27 {

void InitialiseRadioImage(RadioImage& image, int option)
{
    const ModelStartValues& model = StartupModelForOption(option);
    image = RadioImage{};
    image.ModelName = std::string(model.ModelName);
    image.ModelCode = model.ModelCode;

    VfoSettings& vfo = image.Vfo;
    vfo.Frequency = model.Frequency;
    vfo.ShiftFreq = model.ShiftFreq;
    vfo.BellShiftStep = model.BellShiftStep;
    vfo.BcloCallTot = model.BcloCallTot;
    vfo.RptFlags = model.RptFlags;
    vfo.RptShiftFreq = 500000;
    vfo.RptTone = 8;

    // Common to all models.
    vfo.PmrChannel = 1;
    vfo.LockPowerTone = 0x40;
    vfo.BatteryBeepSquelch = 0x67;
    vfo.SkipScanApo = 0;
    vfo.EpoLamp = 0;
    vfo.TxTone = 8;
    vfo.RxTone = 8;
    vfo.PmrTone = 39;

    image.Defaults = VfoDefaults::From(vfo);

    // Every channel starts disabled, carrying the VFO's tone setting, BCLO and shift
    // direction, with no mode and scan skip off.
    for (ChannelRecord& channel : image.Channels) {
        channel.Frequency = vfo.Frequency;
        channel.ShiftFreq = vfo.ShiftFreq;
        channel.ChannelFlags = static_cast<std::uint8_t>((vfo.LockPowerTone & 0x03) | (vfo.BcloCallTot & 0x80) |
                                                         (vfo.BellShiftStep & 0x30));
        channel.Step = vfo.BellShiftStep & 0x0F;
        channel.TxTone = vfo.TxTone;
        channel.RxTone = vfo.RxTone;
        channel.PmrTone = vfo.PmrTone;
        channel.Enabled = false;
    }
}

} // namespace kvr27
