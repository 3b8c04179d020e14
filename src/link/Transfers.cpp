#include "link/Transfers.h"

#include "link/Link.h"
#include "link/TransferScope.h"

namespace kvr27 {

namespace {

std::string ResultCode(const LinkResult& result) { return result.ok() ? LinkSuccess : LinkFailure; }

LinkSession SessionOf(AppState& state, LinkServices& services) { return {services, state.Link, state.ComIndex + 1}; }

} // namespace

std::string ReadVfoMode(AppState& state, LinkServices& services, ProgressTarget target)
{
    TransferScope running(state);
    LinkSession session = SessionOf(state, services);
    return ResultCode(ReadVfoSettings(state.Image, session, target));
}

std::string ReadMemoryMode(AppState& state, LinkServices& services, ProgressTarget target)
{
    TransferScope running(state);
    LinkSession session = SessionOf(state, services);
    return ResultCode(ReadChannels(state.Image, session, target));
}

std::string WriteVfoMode(AppState& state, LinkServices& services, ProgressTarget target)
{
    TransferScope running(state);
    LinkSession session = SessionOf(state, services);
    return ResultCode(WriteVfoSettings(state.Image, state.Vfo, session, target));
}

std::string WriteMemoryMode(AppState& state, LinkServices& services, ProgressTarget target)
{
    TransferScope running(state);
    LinkSession session = SessionOf(state, services);
    return ResultCode(WriteChannels(state.Image, session, target));
}

} // namespace kvr27
