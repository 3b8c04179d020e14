#pragma once
// The OK/Cancel questions that several commands ask before they replace or send
// the settings.
namespace kvr27 {

// Asked while SettingsChanged (or an editor's own flag) is set, before a command
// replaces the radio image or ends the program.
inline constexpr const char* SettingsChangedQuestion = "The setting has been changed.\rMay you keep processing it?";

// Asked before every write into the radio.
inline constexpr const char* OverwriteQuestion =
    "Are you sure you wish to proceed?\rThe new data will overwrite the current programminng.";

} // namespace kvr27
