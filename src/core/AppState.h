#pragma once
// The process-wide state: created once at program start and passed by reference to
// whoever needs it, so that each test can make its own fresh copy.
#include "image/ChannelGrid.h"
#include "image/RadioImage.h"
#include "image/VfoForm.h"
#include "link/LinkState.h"

namespace kvr27 {

struct AppState {
    RadioImage Image;
    VfoForm Vfo;          // the VFO window's form state (kept while the window is hidden)
    ChannelGrid Grid;     // the channel window's grid
    LinkState Link;
    int ComIndex = 0;     // selected COM option of the main window, 0 = COM1 .. 4 = COM5
    bool TransferRunning = false; // every command of the windows is refused while set
};

// The start window's OK, without its windows: the model's start-up values for the
// whole image, the model-restricted controls disabled, the VFO form filled and the
// grid set up and refreshed, VfoChanged cleared.
void StartWithModel(AppState& state, int option);

} // namespace kvr27
