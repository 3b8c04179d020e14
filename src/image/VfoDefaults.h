#pragma once
// The copy of the VFO settings taken when the model is chosen: the values an empty
// channel is pre-filled with and the fallbacks for bad values in loaded files.
#include "image/VfoSettings.h"

#include <cstdint>

namespace kvr27 {

struct VfoDefaults {
    std::int32_t Frequency = 0;
    std::uint8_t LockPowerTone = 0;
    std::uint8_t TxTone = 0;
    std::uint8_t RxTone = 0;
    std::uint8_t PmrTone = 0;
    std::uint8_t PmrChannel = 0;
    std::int32_t ShiftFreq = 0;
    std::uint8_t BatteryBeepSquelch = 0;
    std::uint8_t BellShiftStep = 0;
    std::uint8_t BcloCallTot = 0;
    std::uint8_t SkipScanApo = 0;
    std::uint8_t EpoLamp = 0;
    std::int32_t RptShiftFreq = 0;
    std::uint8_t RptTone = 0;
    std::uint8_t RptFlags = 0;

    // The namesake fields of the given settings.
    static VfoDefaults From(const VfoSettings& vfo);

    bool operator==(const VfoDefaults&) const = default;
};

} // namespace kvr27
