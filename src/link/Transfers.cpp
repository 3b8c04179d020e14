#include "link/Transfers.h"

#include "link/Link.h"
#include "link/TransferScope.h"

namespace kvr27 {

namespace {

// Keeps the outcome for the windows' note (a failure earlier in the same command
// stays) and gives the result code.
std::string ResultCode(AppState& state, LinkServices& services, TransferKind kind, const LinkResult& result,
                       bool verified = false)
{
    std::optional<TransferOutcome>& last = state.Link.LastTransfer;
    if (!last || last->Result.ok())
        last = TransferOutcome{kind, result, services.port.deviceName(state.ComIndex + 1), state.Image.ModelCode,
                               verified};
    return result.ok() ? LinkSuccess : LinkFailure;
}

LinkSession SessionOf(AppState& state, LinkServices& services) { return {services, state.Link, state.ComIndex + 1}; }

// A finished write, read back when the user wants it verified: a difference or a
// read-back that could not finish makes the write count as failed.
std::string WriteResultCode(AppState& state, LinkServices& services, const LinkResult& result,
                            const SentBlocks& sent, ProgressTarget target)
{
    if (!result.ok() || !state.Safeguards.VerifyAfterWrite)
        return ResultCode(state, services, TransferKind::Write, result);
    const LinkResult verify = VerifyWrittenBlocks(sent, services, target);
    return verify.ok() ? ResultCode(state, services, TransferKind::Write, verify, true)
                       : ResultCode(state, services, TransferKind::Verify, verify);
}

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
    SentBlocks sent;
    const LinkResult result = WriteVfoSettings(state.Image, state.Vfo, session, target, &sent);
    return WriteResultCode(state, services, result, sent, target);
}

std::string WriteMemoryMode(AppState& state, LinkServices& services, ProgressTarget target)
{
    TransferScope running(state);
    LinkSession session = SessionOf(state, services);
    SentBlocks sent;
    const LinkResult result = WriteChannels(state.Image, session, target, &sent);
    return WriteResultCode(state, services, result, sent, target);
}

} // namespace kvr27
