#pragma once
// The main window's Data menu: Read > All / Vfo Mode / Memory Mode and Write > All /
// Vfo Mode / Memory Mode, without widgets. Each marks a transfer as running while it
// lasts (the window disables its commands around the call and re-renders after it),
// shows progress in the main window's status bar and clears it at the end (or
// leaves there why the port could not be opened).
#include "commands/AppState.h"
#include "link/LinkServices.h"

namespace kvr27 {

// Reads asks the SettingsChanged question first (Cancel: nothing happens); after
// the read, successful or not, they refill the VFO form and/or the channel grid
// from the image and clear SettingsChanged, VfoChanged and ChannelsChanged.
// Read > All skips the memory read when the VFO read failed. A read the user
// cancelled leaves the image, the forms and the flags as they were.
void ReadAllCommand(AppState& state, LinkServices& services);
void ReadVfoCommand(AppState& state, LinkServices& services);
void ReadMemoryCommand(AppState& state, LinkServices& services);

// Writes ask the overwrite question first and back the radio up when the user wants
// it (ConfirmWrite); they leave the change flags alone.
// Write > All runs the memory write whatever the VFO write returned.
void WriteAllCommand(AppState& state, LinkServices& services);
void WriteVfoCommand(AppState& state, LinkServices& services);
void WriteMemoryCommand(AppState& state, LinkServices& services);

} // namespace kvr27
