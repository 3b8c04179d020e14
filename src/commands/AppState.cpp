#include "commands/AppState.h"

#include "image/ModelRules.h"
#include "image/Startup.h"
#include "image/VfoCodec.h"

namespace kvr27 {

void StartWithModel(AppState& state, int option)
{
    InitialiseRadioImage(state.Image, option);
    SetModelControls(state.Image, state.Vfo, false);
    // The start-up values pass every box's filter.
    SilentMessageSink none;
    FillVfoWindow(state.Image, state.Vfo, none);
    SetupChannelGrid(state.Grid, state.Image.ModelName);
    RefreshChannelGrid(state.Image, state.Grid);
    state.History.begin();
}

} // namespace kvr27
