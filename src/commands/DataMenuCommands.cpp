#include "commands/DataMenuCommands.h"

#include "core/Questions.h"
#include "image/ChannelGrid.h"
#include "image/VfoCodec.h"
#include "commands/Link.h"
#include "commands/RadioBackup.h"
#include "commands/TransferScope.h"
#include "commands/Transfers.h"

namespace kvr27 {

namespace {

using Transfer = std::string (*)(AppState&, LinkServices&, ProgressTarget);

// What a command refills after its read.
enum class Refill { Vfo, Grid, Both };

// The status text a command leaves: empty, or why the port could not be opened.
void EndStatus(AppState& state, LinkServices& services)
{
    services.progress.showProgress(ProgressTarget::Main, state.Link.PortProblem);
}

void ReadCommand(AppState& state, LinkServices& services, Refill refill)
{
    if (state.Image.SettingsChanged && !services.messages.ask(SettingsChangedQuestion))
        return;
    const RadioImage before = state.Image;
    {
        TransferScope running(state);
        state.Link.PortProblem.clear();
        const bool readMemory =
            refill == Refill::Grid ||
            (ReadVfoMode(state, services, ProgressTarget::Main) == std::string(LinkSuccess) && refill == Refill::Both);
        if (readMemory)
            ReadMemoryMode(state, services, ProgressTarget::Main);
        EndStatus(state, services);
    }
    if (state.Link.cancelled()) {
        state.Image = before;
        return;
    }
    if (refill != Refill::Grid)
        FillVfoWindow(state.Image, state.Vfo, services.messages);
    if (refill != Refill::Vfo)
        RefreshChannelGrid(state.Image, state.Grid);
    state.Image.SettingsChanged = false;
    state.Image.VfoChanged = false;
    state.Image.ChannelsChanged = false;
}

void WriteCommand(AppState& state, LinkServices& services, std::initializer_list<Transfer> transfers)
{
    TransferScope running(state);
    state.Link.PortProblem.clear();
    if (ConfirmWrite(state, services, ProgressTarget::Main)) {
        for (Transfer transfer : transfers)
            transfer(state, services, ProgressTarget::Main);
    }
    EndStatus(state, services);
}

} // namespace

void ReadAllCommand(AppState& state, LinkServices& services) { ReadCommand(state, services, Refill::Both); }
void ReadVfoCommand(AppState& state, LinkServices& services) { ReadCommand(state, services, Refill::Vfo); }
void ReadMemoryCommand(AppState& state, LinkServices& services) { ReadCommand(state, services, Refill::Grid); }

void WriteAllCommand(AppState& state, LinkServices& services)
{
    WriteCommand(state, services, {WriteVfoMode, WriteMemoryMode});
}
void WriteVfoCommand(AppState& state, LinkServices& services) { WriteCommand(state, services, {WriteVfoMode}); }
void WriteMemoryCommand(AppState& state, LinkServices& services) { WriteCommand(state, services, {WriteMemoryMode}); }

} // namespace kvr27
