#pragma once
// The rules for values typed into the editors' text boxes, by field kind, beside the
// filter of every text change (image/TextFilter.h): what is selected when a box gets
// the focus, and how a frequency or offset is brought onto the tuning-step raster
// when a box loses it. Nothing here touches the radio image; the windows' OK buttons
// take the texts in.
#include "core/UserText.h"
#include "core/MessageSink.h"
#include "image/TextFilter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvr27 {

inline constexpr const char* OffsetLimitMessage = KVR27_TEXT("Messages", "The max value is 99.995 or less.");

// The texts of the raster rule: on losing a box's focus, and on leaving the step box
// (one text per field).
inline constexpr const char* RoundedMessage = KVR27_TEXT("Messages", "The value is rounded off.");
inline constexpr const char* RoundedFrequencyMessage = KVR27_TEXT("Messages", "The value is rounded off.(Frequency)");
inline constexpr const char* RoundedOffsetMessage = KVR27_TEXT("Messages", "The value is rounded off.(Offset Frequency)");
inline constexpr const char* RoundedRepeaterOffsetMessage = KVR27_TEXT("Messages", "The value is rounded off.(Repeater offset frequency)");

// A text box's selection.
struct TextSelection {
    int start = 0;
    int length = 0;
    bool operator==(const TextSelection&) const = default;
};

// The selection a box gets with the focus: its whole text, so typing replaces it.
TextSelection SelectionOnFocus(std::string_view text);

// A change the raster rule makes to a frequency or offset box.
struct FieldRepair {
    std::string Text;         // the box's new text
    std::string_view Message; // shown before the text is replaced
    bool operator==(const FieldRepair&) const = default;
};

// The raster rule of a frequency or offset box that loses the focus (or whose
// window's step box does): nothing when the text stays. An empty text stays. A text
// that is no number, or a frequency beyond a 32-bit count, is emptied with
// NotANumberMessage; an offset above 99.995 is emptied with OffsetLimitMessage; a
// count off the step's raster is rounded down onto it with `roundedMessage`. With
// no valid step selected (a stored step code outside the list) there is no raster
// and the text stays. Other kinds never change.
std::optional<FieldRepair> RasterRepair(FieldKind kind, std::string_view text, int stepIndex,
                                        std::string_view roundedMessage);

// RasterRepair applied to a box: shows the message and replaces `text`. Returns
// whether the text was changed.
bool RepairField(FieldKind kind, std::string& text, int stepIndex, std::string_view roundedMessage,
                 MessageSink& messages);

} // namespace kvr27
