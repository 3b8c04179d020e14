#pragma once
// The two codecs between the VFO settings and the VFO window's form state.
#include "core/UserText.h"
#include "core/MessageSink.h"
#include "image/FormVerdict.h"
#include "image/RadioImage.h"
#include "image/VfoForm.h"

namespace kvr27 {

// Shows the VFO settings in the form, then applies the model rules
// (SetModelControls, enabling exactly when ModelCode is 7 or 9). Every text set
// passes its box's filter as a typed one does: a value the box refuses (squelch 25,
// PMR channel 9, a negative frequency) shows the filter's message and leaves the box
// empty, so that OK and a write report the blank box instead of sending the value
// back. Packed codes 3 of ToneSet, Shift, Lamp and RptShift leave their option group
// as it was.
void FillVfoWindow(const RadioImage& image, VfoForm& form, MessageSink& messages);

// The message shown when a frequency or number text cannot be stored.
inline constexpr const char* NotANumberMessage = KVR27_TEXT("Messages", "The value is not a valid number. Check the entry columns.");
inline constexpr const char* EditingIncompleteMessage = KVR27_TEXT("Messages", "Editing incomplete. Check blank columns.");

// Takes the form's values into the VFO settings. A text box that is empty
// (EditingIncompleteMessage) or holds a text that is no number or does not fit its
// field (NotANumberMessage) is refused with its message, and nothing is stored.
FormVerdict CollectVfoWindow(RadioImage& image, const VfoForm& form, MessageSink& messages);

} // namespace kvr27
