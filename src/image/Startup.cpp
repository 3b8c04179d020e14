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

    for (ChannelRecord& channel : image.Channels)
        channel = EmptyChannel(image.Defaults);
}

ChannelRecord EmptyChannel(const VfoDefaults& defaults)
{
    ChannelRecord channel;
    channel.Frequency = defaults.Frequency;
    channel.ShiftFreq = defaults.ShiftFreq;
    channel.ChannelFlags = static_cast<std::uint8_t>((defaults.LockPowerTone & 0x03) | (defaults.BcloCallTot & 0x80) |
                                                     (defaults.BellShiftStep & 0x30));
    channel.Step = defaults.BellShiftStep & 0x0F;
    channel.TxTone = defaults.TxTone;
    channel.RxTone = defaults.RxTone;
    channel.PmrTone = defaults.PmrTone;
    channel.Enabled = false;
    return channel;
}

} // namespace kvr27
