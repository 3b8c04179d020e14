#pragma once
// What the text boxes of the VFO window and the channel dialog accept, by field kind:
// the filter that runs on every change of a box's text, whether typed by the user or
// set by a fill, and the most characters a user may type.
#include "core/UserText.h"
#include "core/MessageSink.h"

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

inline constexpr const char* DigitsOnlyMessage = KVR27_TEXT("Messages", "Enter 0 to 9 numeric values only.");
inline constexpr const char* TooManyPointsMessage = KVR27_TEXT("Messages", "Too much decimal points.");
inline constexpr const char* PmrChannelDigitMessage = KVR27_TEXT("Messages", "Enter 1 to 8 numeric values only.");
inline constexpr const char* SquelchLimitMessage = KVR27_TEXT("Messages", "The max value is 20 or less.");

// The highest squelch level a box may hold.
inline constexpr unsigned MaxSquelch = 20;

// The most characters a user may type into a box of the kind (a longer text set by a
// fill is not cut).
int MaxLength(FieldKind kind);

// The filter run on every change of a box's text: nothing when the text may stand,
// otherwise the message after which the box is emptied. The empty text passes.
std::optional<std::string_view> FilterMessage(FieldKind kind, std::string_view text);

// FilterMessage applied to a box: shows the message and empties `text`. Returns
// whether the text passed as it was.
bool FilterField(FieldKind kind, std::string& text, MessageSink& messages);

} // namespace kvr27
