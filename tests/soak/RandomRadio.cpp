#include "RandomRadio.h"

#include "image/Labels.h"
#include "image/ModelRules.h"
#include "image/Startup.h"

namespace kvr27::soak {

namespace {

std::uint8_t Code(Random& random, std::size_t values)
{
    return static_cast<std::uint8_t>(Between(random, 0, static_cast<int>(values) - 1));
}

// A frequency on the 6.25 kHz raster inside the transmit range of the radio's code
// (10 Hz units, high exclusive); the sub-variants, which have none, stay on LPD.
std::int32_t FrequencyIn(Random& random, const RadioImage& image)
{
    std::pair<std::int32_t, std::int32_t> range{43306000, 43478500};
    for (const TransmitRange& row : TransmitRanges) {
        if (row.ModelName == image.ModelName && (row.Codes[0] == image.ModelCode || row.Codes[1] == image.ModelCode))
            range = {row.Low, row.High};
    }
    return range.first + 625 * Between(random, 0, (range.second - range.first - 1) / 625);
}

// An offset of 0 to 99.995 MHz on the 5 kHz raster.
std::int32_t Offset(Random& random) { return 500 * Between(random, 0, 19999); }

// A bit group of a settings byte and the number of values the windows take for it.
struct Group {
    std::uint8_t& byte;
    BitField field;
    std::size_t values;
};

void RandomVfo(Random& random, RadioImage& image)
{
    VfoSettings& v = image.Vfo;
    v.Frequency = FrequencyIn(random, image);
    v.ShiftFreq = Offset(random);
    v.RptShiftFreq = Offset(random);
    v.VfoReserved1 = Code(random, 256);
    v.VfoReserved2 = Code(random, 256);
    v.TxTone = Code(random, ToneLabels.size());
    v.RxTone = Code(random, ToneLabels.size());
    v.RptTone = Code(random, ToneLabels.size());
    v.PmrTone = Code(random, PmrToneLabels.size());
    v.PmrChannel = static_cast<std::uint8_t>(Between(random, 1, 8));
    v.LockPowerTone = v.BatteryBeepSquelch = v.BellShiftStep = v.BcloCallTot = v.SkipScanApo = v.EpoLamp = v.RptFlags = 0;
    const Group groups[] = {
        {v.LockPowerTone, Bits::KeyLock, 2}, {v.LockPowerTone, Bits::LowPower, 2},
        {v.LockPowerTone, Bits::ToneSet, ToneSetLabels.size()}, {v.BatteryBeepSquelch, Bits::Squelch, 21},
        {v.BatteryBeepSquelch, Bits::BatteryType, 2}, {v.BatteryBeepSquelch, Bits::Beep, 2},
        {v.BatteryBeepSquelch, Bits::BatterySave, 2}, {v.BellShiftStep, Bits::Shift, ShiftLabels.size()},
        {v.BellShiftStep, Bits::Step, StepLabels.size()}, {v.BellShiftStep, Bits::Bell, 2},
        {v.BellShiftStep, Bits::StandbyBeep, 2}, {v.BcloCallTot, Bits::Bclo, 2},
        {v.BcloCallTot, Bits::CallTone, CallToneLabels.size()}, {v.BcloCallTot, Bits::Tot, TotLabels.size()},
        {v.SkipScanApo, Bits::ScanSkip, 2}, {v.SkipScanApo, Bits::ScanMode, 2},
        {v.SkipScanApo, Bits::Apo, ApoLabels.size()}, {v.EpoLamp, Bits::Epo, 2}, {v.EpoLamp, Bits::Lamp, 3},
        {v.RptFlags, Bits::RptToneOn, 2}, {v.RptFlags, Bits::RptShift, 3}};
    for (const Group& group : groups)
        group.byte = group.field.put(group.byte, Code(random, group.values));
}

// A channel of the kinds the model holds: LPD or PMR on the dual-band radio, PMR
// only on the PMR variant, frequencies elsewhere.
ChannelRecord RandomChannel(Random& random, const RadioImage& image)
{
    ChannelRecord c;
    const bool dualBand = IsDualBandModel(image.ModelName);
    const bool pmr = image.ModelName == ModelPAPmrOnly || (dualBand && Chance(random, 0.3));
    const std::uint8_t mode = image.ModelName == ModelPAPmrOnly ? ModePmrFlag : !dualBand ? 0 : pmr ? ModePmrFlag : ModeLpdFlag;
    c.Frequency = pmr ? Between(random, 1, 8) * PmrChannelUnit : FrequencyIn(random, image);
    c.ShiftFreq = pmr ? 0 : Offset(random);
    c.TxTone = Code(random, ToneLabels.size());
    c.RxTone = Code(random, ToneLabels.size());
    c.PmrTone = Code(random, PmrToneLabels.size());
    c.ChannelFlags = Bits::ChannelShift.put(Bits::ChannelToneSet.put(mode, Code(random, 3)), Code(random, 3));
    c.ChannelFlags = Bits::ChannelBclo.put(Bits::ChannelSkip.put(c.ChannelFlags, Code(random, 2)), Code(random, 2));
    c.Step = Code(random, StepLabels.size());
    c.Enabled = Chance(random, 0.4);
    return c;
}

} // namespace

RadioImage RandomRadioImage(Random& random, int option, std::uint8_t modelCode)
{
    RadioImage image;
    InitialiseRadioImage(image, option);
    image.ModelCode = modelCode;
    RandomVfo(random, image);
    image.Vfo.CurrentChannel = 0;
    for (int n = ChannelTable::Count - 1; n >= 0; --n) {
        image.Channels.at(n) = RandomChannel(random, image);
        if (image.Channels.at(n).Enabled)
            image.Vfo.CurrentChannel = static_cast<std::uint8_t>(n + 1);
    }
    return image;
}

void EditImage(Random& random, RadioImage& image)
{
    if (Chance(random, 0.5))
        RandomVfo(random, image);
    for (int i = Between(random, 1, 12); i > 0; --i) {
        ChannelRecord& channel = image.Channels.at(Between(random, 0, ChannelTable::Count - 1));
        if (Chance(random, 0.5))
            channel = RandomChannel(random, image);
        else
            channel.Enabled = !channel.Enabled;
    }
    if (Chance(random, 0.15)) {
        // Above every model's range: the memory write leaves it out.
        ChannelRecord& channel = image.Channels.at(Between(random, 0, ChannelTable::Count - 1));
        channel = RandomChannel(random, image);
        channel.ChannelFlags = static_cast<std::uint8_t>(channel.ChannelFlags & ~0x0Cu);
        if (IsDualBandModel(image.ModelName))
            channel.ChannelFlags |= ModeLpdFlag;
        channel.Frequency = 48000000;
        channel.Enabled = true;
    }
    image.SettingsChanged = true;
}

} // namespace kvr27::soak
