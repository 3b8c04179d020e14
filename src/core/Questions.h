#pragma once
// The OK/Cancel questions that several commands ask before they replace or send
// the settings.
#include "core/UserText.h"

namespace kvr27 {

// Asked while the image is unsaved (or the VFO window holds edits), before a command
// replaces the radio image or ends the program.
inline constexpr const char* SettingsChangedQuestion = KVR27_TEXT("Messages", "The setting has been changed.\rMay you keep processing it?");

// Asked before every write into the radio.
inline constexpr const char* OverwriteQuestion =
    KVR27_TEXT("Messages", "Are you sure you wish to proceed?\rThe new data will overwrite the current programminng.");

} // namespace kvr27
