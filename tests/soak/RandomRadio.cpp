#include "RandomRadio.h"

#include "image/Labels.h"
#include "image/ModelRules.h"
#include "image/Startup.h"

namespace kvr27::soak {

namespace {

int Between(Random& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool Chance(Random& random, double p) { return std::bernoulli_distribution(p)(random); }

std::uint8_t Code(Random& random, std::size_t tableSize)
{
    return static_cast<std::uint8_t>(Between(random, 0, static_cast<int>(tableSize) - 1));
}

// The transmit range of the radio's code (10 Hz units, high exclusive); the
// sub-variants, which have none, stay on the LPD band.
std::pair<std::int32_t, std::int32_t> RangeOf(const RadioImage& image)
{
    for (const TransmitRange& row : TransmitRanges) {
        if (row.ModelName == image.ModelName && (row.Codes[0] == image.ModelCode || row.Codes[1] == image.ModelCode))
            return {row.Low, row.High};
    }
    return {43306000, 43478500};
}

// A frequency inside the range on the 6.25 kHz raster.
std::int32_t FrequencyIn(Random& random, const RadioImage& image)
{
    const auto [low, high] = RangeOf(image);
    const int steps = (high - low - 1) / 625;
    return low + 625 * Between(random, 0, steps);
}

// An offset of 0 to 99.995 MHz on the 5 kHz raster.
std::int32_t Offset(Random& random) { return 500 * Between(random, 0, 19999); }

void RandomVfo(Random& random, RadioImage& image)
{
    VfoSettings& v = image.Vfo;
    v.Frequency = FrequencyIn(random, image);
    v.ShiftFreq = Offset(random);
    v.RptShiftFreq = Offset(random);
    v.LockPowerTone = Bits::KeyLock.put(Bits::LowPower.put(Bits::ToneSet.put(0, Code(random, ToneSetLabels.size())),
                                                           Between(random, 0, 1)),
                                        Between(random, 0, 1));
    v.VfoReserved1 = static_cast<std::uint8_t>(Between(random, 0, 255));
    v.VfoReserved2 = static_cast<std::uint8_t>(Between(random, 0, 255));
    v.TxTone = Code(random, ToneLabels.size());
    v.RxTone = Code(random, ToneLabels.size());
    v.PmrTone = Code(random, PmrToneLabels.size());
    v.PmrChannel = static_cast<std::uint8_t>(Between(random, 1, 8));
    v.BatteryBeepSquelch = Bits::Squelch.put(0, static_cast<unsigned>(Between(random, 0, 20)));
    for (const BitField& bit : {Bits::BatteryType, Bits::Beep, Bits::BatterySave})
        v.BatteryBeepSquelch = bit.put(v.BatteryBeepSquelch, Between(random, 0, 1));
    v.BellShiftStep = Bits::Step.put(Bits::Shift.put(0, Code(random, ShiftLabels.size())), Code(random, StepLabels.size()));
    for (const BitField& bit : {Bits::Bell, Bits::StandbyBeep})
        v.BellShiftStep = bit.put(v.BellShiftStep, Between(random, 0, 1));
    v.BcloCallTot = Bits::Tot.put(Bits::CallTone.put(Bits::Bclo.put(0, Between(random, 0, 1)),
                                                     Code(random, CallToneLabels.size())),
                                  Code(random, TotLabels.size()));
    v.SkipScanApo = Bits::Apo.put(Bits::ScanMode.put(Bits::ScanSkip.put(0, Between(random, 0, 1)), Between(random, 0, 1)),
                                  Code(random, ApoLabels.size()));
    v.EpoLamp = Bits::Lamp.put(Bits::Epo.put(0, Between(random, 0, 1)), static_cast<unsigned>(Between(random, 0, 2)));
    v.RptTone = Code(random, ToneLabels.size());
    v.RptFlags = Bits::RptShift.put(Bits::RptToneOn.put(0, Between(random, 0, 1)), static_cast<unsigned>(Between(random, 0, 2)));
}

// A channel of the kinds the model holds: LPD or PMR on the dual-band radio, PMR
// only on the PMR variant, frequencies elsewhere.
ChannelRecord RandomChannel(Random& random, const RadioImage& image)
{
    ChannelRecord c;
    const bool dualBand = IsDualBandModel(image.ModelName);
    const bool pmr = image.ModelName == ModelPAPmrOnly || (dualBand && Chance(random, 0.3));
    std::uint8_t mode = 0;
    if (dualBand)
        mode = pmr ? ModePmrFlag : ModeLpdFlag;
    if (image.ModelName == ModelPAPmrOnly)
        mode = ModePmrFlag;
    c.Frequency = pmr ? Between(random, 1, 8) * PmrChannelUnit : FrequencyIn(random, image);
    c.ShiftFreq = pmr ? 0 : Offset(random);
    c.TxTone = Code(random, ToneLabels.size());
    c.RxTone = Code(random, ToneLabels.size());
    c.PmrTone = Code(random, PmrToneLabels.size());
    c.ChannelFlags = static_cast<std::uint8_t>(Bits::ChannelShift.put(Bits::ChannelToneSet.put(mode, Code(random, 3)),
                                                                      Code(random, 3)));
    c.ChannelFlags = Bits::ChannelBclo.put(Bits::ChannelSkip.put(c.ChannelFlags, Between(random, 0, 1)),
                                           Between(random, 0, 1));
    c.Step = Code(random, StepLabels.size());
    c.Enabled = Chance(random, 0.4);
    return c;
}

void SetCurrentChannel(RadioImage& image)
{
    image.Vfo.CurrentChannel = 0;
    for (int n = ChannelTable::Count - 1; n >= 0; --n) {
        if (image.Channels.at(n).Enabled)
            image.Vfo.CurrentChannel = static_cast<std::uint8_t>(n + 1);
    }
}

} // namespace

RadioImage RandomRadioImage(Random& random, int option, std::uint8_t modelCode)
{
    RadioImage image;
    InitialiseRadioImage(image, option);
    image.ModelCode = modelCode;
    RandomVfo(random, image);
    for (ChannelRecord& channel : image.Channels)
        channel = RandomChannel(random, image);
    SetCurrentChannel(image);
    return image;
}

void EditImage(Random& random, RadioImage& image)
{
    if (Chance(random, 0.5))
        RandomVfo(random, image);
    const int edits = Between(random, 1, 12);
    for (int i = 0; i < edits; ++i) {
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
