#pragma once
// The rules for values typed into the editors' text boxes, by field kind: what a
// text may hold, what is selected when a box gets the focus, and how a frequency
// or offset is brought onto the tuning-step raster when a box loses it. Nothing
// here touches the radio image; the windows' OK buttons take the texts in.
#include "core/MessageSink.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvr27 {

// The four kinds of free-text fields of the VFO window and the channel dialog.
enum class FieldKind {
    Frequency,  // digits and one "."
    Offset,     // digits and one ".", at most 99.995
    PmrChannel, // one digit 1 to 8
    Squelch,    // digits, at most 20
};

inline constexpr const char* DigitsOnlyMessage = "Enter 0 to 9 numeric values only.";
inline constexpr const char* TooManyPointsMessage = "Too much decimal points.";
inline constexpr const char* PmrChannelDigitMessage = "Enter 1 to 8 numeric values only.";
inline constexpr const char* SquelchLimitMessage = "The max value is 20 or less.";
inline constexpr const char* OffsetLimitMessage = "The max value is 99.995 or less.";

// The texts of the raster rule: on losing a box's focus, and on leaving the step box
// (one text per field).
inline constexpr const char* RoundedMessage = "The value is rounded off.";
inline constexpr const char* RoundedFrequencyMessage = "The value is rounded off.(Frequency)";
inline constexpr const char* RoundedOffsetMessage = "The value is rounded off.(Offset Frequency)";
inline constexpr const char* RoundedRepeaterOffsetMessage = "The value is rounded off.(Repeater offset frequency)";

// The highest squelch level a user may type.
inline constexpr unsigned MaxSquelch = 20;

// The most characters a user may type into a box of the kind (texts set by a fill
// are not cut).
int MaxLength(FieldKind kind);

// The filter run on every change of a box's text: nothing when the text may stand,
// otherwise the message after which the box is emptied. The empty text passes.
std::optional<std::string_view> FilterMessage(FieldKind kind, std::string_view text);

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

// FilterMessage applied to a box: shows the message and empties `text`. Returns
// whether the text passed as it was.
bool FilterField(FieldKind kind, std::string& text, MessageSink& messages);

// RasterRepair applied to a box: shows the message and replaces `text`. Returns
// whether the text was changed.
bool RepairField(FieldKind kind, std::string& text, int stepIndex, std::string_view roundedMessage,
                 MessageSink& messages);

} // namespace kvr27
