#pragma once
// How taking a window's texts into the radio image ended. On anything but Taken
// nothing at all was stored.

namespace kvr27 {

enum class [[nodiscard]] FormVerdict {
    Taken,      // every value was stored
    BlankBox,   // a text box is empty ("Editing incomplete. Check blank columns.")
    NotANumber, // a text is no number or does not fit its field (NotANumberMessage)
};

} // namespace kvr27
