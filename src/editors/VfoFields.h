#pragma once
// The VFO settings window's controls as data: its text boxes, lists and option
// groups with their object names, captions and the members of the form state they
// show. The window builds its widgets from them, the report and `kvr27 diff` name
// the settings by them.
#include "core/UserText.h"
#include "editors/FormFields.h"
#include "image/VfoForm.h"

#include <array>
#include <string_view>

namespace kvr27 {

// The window's five text boxes.
enum class VfoText { Frequency, ShiftFreq, RptShiftFreq, PmrFreq, Squelch };
// The window's eight drop-down lists.
enum class VfoList { TxTone, RxTone, PmrTone, Step, CallTone, Tot, Apo, RptTone };
// The window's sixteen option groups.
enum class VfoOption {
    KeyLock, TxPower, ToneSet, Battery, Beep, Bs, Bell, Stb,
    Shift, Bclo, Skip, Scan, Epo, Lamp, RptShift, RptTone,
};

// The caption of the frame that holds the Quick Repeater Access Mode's controls.
inline constexpr std::string_view RepeaterFrameCaption = KVR27_TEXT("Controls", "Quick Repeater Access Mode");

// The text boxes, lists and option groups, in the order of their enums, with the
// captions the window shows.
extern const std::array<TextBoxField<VfoForm>, 5> VfoTextBoxes;
extern const std::array<ListField<VfoForm>, 8> VfoListBoxes;
extern const std::array<OptionField<VfoForm>, 16> VfoOptionGroups;

// Controls created disabled: the scan skip group shows the radio's setting only.
extern const std::array<std::string_view, 3> VfoReadOnlyControls;

} // namespace kvr27
