#pragma once
// The radio's VFO-mode and general settings: 19 fields in their fixed order (the
// clone file stores them in this order), several of them bytes that pack settings
// as bit groups. The same bytes go to the radio.
#include "image/BitField.h"

#include <array>
#include <cstdint>

namespace kvr27 {

// Bit groups of the packed bytes. Group values are given moved down to bit 0, so
// Shift 1 is the byte's 10h ("+"), Lamp 2 is 20h ("Off").
namespace Bits {
// LockPowerTone
inline constexpr BitField KeyLock{7, 1};
inline constexpr BitField LowPower{6, 1};
inline constexpr BitField ToneSet{0, 2};
// BatteryBeepSquelch
inline constexpr BitField BatteryType{7, 1};
inline constexpr BitField Beep{6, 1};
inline constexpr BitField BatterySave{5, 1};
inline constexpr BitField Squelch{0, 5};
// BellShiftStep
inline constexpr BitField Bell{7, 1};
inline constexpr BitField StandbyBeep{6, 1};
inline constexpr BitField Shift{4, 2};
inline constexpr BitField Step{0, 4};
// BcloCallTot
inline constexpr BitField Bclo{7, 1};
inline constexpr BitField CallTone{4, 3};
inline constexpr BitField Tot{0, 4};
// SkipScanApo
inline constexpr BitField ScanSkip{7, 1};
inline constexpr BitField ScanMode{6, 1};
inline constexpr BitField Apo{0, 3};
// EpoLamp
inline constexpr BitField Epo{7, 1};
inline constexpr BitField Lamp{4, 2};
// RptFlags
inline constexpr BitField RptToneOn{6, 1};
inline constexpr BitField RptShift{4, 2};
} // namespace Bits

struct VfoSettings {
    std::int32_t Frequency = 0;          // VFO frequency, 10 Hz units
    std::uint8_t LockPowerTone = 0;      // KeyLock, LowPower, ToneSet
    std::uint8_t VfoReserved1 = 0;       // kept as read, written back unchanged
    std::uint8_t VfoReserved2 = 0;
    std::uint8_t TxTone = 0;             // index into ToneLabels
    std::uint8_t RxTone = 0;             // index into ToneLabels
    std::uint8_t PmrTone = 0;            // index into PmrToneLabels (39 = "Off")
    std::uint8_t PmrChannel = 0;         // PMR channel 1 to 8
    std::uint8_t CurrentChannel = 0;     // current memory channel 1 to 100, 0 = none
    std::array<std::uint8_t, 13> ExtraBytes{}; // kept in the clone file only
    std::int32_t ShiftFreq = 0;          // repeater offset, 10 Hz units
    std::uint8_t BatteryBeepSquelch = 0; // BatteryType, Beep, BatterySave, Squelch
    std::uint8_t BellShiftStep = 0;      // Bell, StandbyBeep, Shift, Step
    std::uint8_t BcloCallTot = 0;        // Bclo, CallTone, Tot
    std::uint8_t SkipScanApo = 0;        // ScanSkip, ScanMode, Apo
    std::uint8_t EpoLamp = 0;            // Epo, Lamp
    std::int32_t RptShiftFreq = 0;       // Quick Repeater Access offset, 10 Hz units
    std::uint8_t RptTone = 0;            // index into ToneLabels
    std::uint8_t RptFlags = 0;           // RptToneOn, RptShift

    unsigned KeyLock() const { return Bits::KeyLock.get(LockPowerTone); }
    unsigned LowPower() const { return Bits::LowPower.get(LockPowerTone); }
    unsigned ToneSet() const { return Bits::ToneSet.get(LockPowerTone); }
    unsigned BatteryType() const { return Bits::BatteryType.get(BatteryBeepSquelch); }
    unsigned Beep() const { return Bits::Beep.get(BatteryBeepSquelch); }
    unsigned BatterySave() const { return Bits::BatterySave.get(BatteryBeepSquelch); }
    unsigned Squelch() const { return Bits::Squelch.get(BatteryBeepSquelch); }
    unsigned Bell() const { return Bits::Bell.get(BellShiftStep); }
    unsigned StandbyBeep() const { return Bits::StandbyBeep.get(BellShiftStep); }
    unsigned Shift() const { return Bits::Shift.get(BellShiftStep); }
    unsigned Step() const { return Bits::Step.get(BellShiftStep); }
    unsigned Bclo() const { return Bits::Bclo.get(BcloCallTot); }
    unsigned CallTone() const { return Bits::CallTone.get(BcloCallTot); }
    unsigned Tot() const { return Bits::Tot.get(BcloCallTot); }
    unsigned ScanSkip() const { return Bits::ScanSkip.get(SkipScanApo); }
    unsigned ScanMode() const { return Bits::ScanMode.get(SkipScanApo); }
    unsigned Apo() const { return Bits::Apo.get(SkipScanApo); }
    unsigned Epo() const { return Bits::Epo.get(EpoLamp); }
    unsigned Lamp() const { return Bits::Lamp.get(EpoLamp); }
    unsigned RptToneOn() const { return Bits::RptToneOn.get(RptFlags); }
    unsigned RptShift() const { return Bits::RptShift.get(RptFlags); }

    bool operator==(const VfoSettings&) const = default;
};

} // namespace kvr27
