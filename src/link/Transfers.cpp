#include "link/Transfers.h"

#include "link/Link.h"
#include "link/TransferScope.h"

namespace kvr27 {

namespace {

// Keeps the outcome for the windows' note (a failure earlier in the same command
// stays) and gives the result code.
std::string ResultCode(AppState& state, LinkServices& services, TransferKind kind, const LinkResult& result)
{
    std::optional<TransferOutcome>& last = state.Link.LastTransfer;
    if (!last || last->Result.ok())
        last = TransferOutcome{kind, result, services.port.deviceName(state.ComIndex + 1), state.Image.ModelCode};
    return result.ok() ? LinkSuccess : LinkFailure;
}

LinkSession SessionOf(AppState& state, LinkServices& services) { return {services, state.Link, state.ComIndex + 1}; }

} // namespace

std::string ReadVfoMode(AppState& state, LinkServices& services, ProgressTarget target)
{
    TransferScope running(state);
    LinkSession session = SessionOf(state, services);
    return ResultCode(state, services, TransferKind::Read, ReadVfoSettings(state.Image, session, target));
}

std::string ReadMemoryMode(AppState& state, LinkServices& services, ProgressTarget target)
{
    TransferScope running(state);
    LinkSession session = SessionOf(state, services);
    return ResultCode(state, services, TransferKind::Read, ReadChannels(state.Image, session, target));
}

std::string WriteVfoMode(AppState& state, LinkServices& services, ProgressTarget target)
{
    TransferScope running(state);
    LinkSession session = SessionOf(state, services);
    return ResultCode(state, services, TransferKind::Write, WriteVfoSettings(state.Image, state.Vfo, session, target));
}

std::string WriteMemoryMode(AppState& state, LinkServices& services, ProgressTarget target)
{
    TransferScope running(state);
    LinkSession session = SessionOf(state, services);
    return ResultCode(state, services, TransferKind::Write, WriteChannels(state.Image, session, target));
}

} // namespace kvr27
