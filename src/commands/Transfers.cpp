#include "commands/Transfers.h"

#include "commands/Link.h"
#include "commands/TransferScope.h"

namespace kvr27 {

namespace {

// Keeps the outcome for the windows' note (a failure earlier in the same command
// stays, the channels a write left out are added to it) and gives the result code.
std::string ResultCode(AppState& state, LinkServices& services, TransferKind kind, const LinkResult& result,
                       bool verified = false, int leftOut = 0)
{
    std::optional<TransferOutcome>& last = state.Link.LastTransfer;
    const int leftOutBefore = last ? last->LeftOut : 0;
    if (!last || last->Result.ok())
        last = TransferOutcome{kind, result, services.port.deviceName(state.ComIndex + 1), state.Image.ModelCode,
                               verified};
    last->LeftOut = leftOutBefore + leftOut;
    return result.ok() ? LinkSuccess : LinkFailure;
}

// A finished write, read back when the user wants it verified: a difference or a
// read-back that could not finish makes the write count as failed.
std::string WriteResultCode(AppState& state, LinkServices& services, const LinkResult& result,
                            const WriteRecord& record, ProgressTarget target)
{
    if (!result.ok() || !state.Safeguards.VerifyAfterWrite)
        return ResultCode(state, services, TransferKind::Write, result, false, record.LeftOut);
    LinkSession session = SessionOf(state, services);
    const LinkResult verify = VerifyWrittenBlocks(record.Sent, session, target);
    return verify.ok() ? ResultCode(state, services, TransferKind::Write, verify, true, record.LeftOut)
                       : ResultCode(state, services, TransferKind::Verify, verify, false, record.LeftOut);
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
    WriteRecord record;
    const LinkResult result = WriteVfoSettings(state.Image, state.Vfo, session, target, &record);
    return WriteResultCode(state, services, result, record, target);
}

std::string WriteMemoryMode(AppState& state, LinkServices& services, ProgressTarget target)
{
    TransferScope running(state);
    LinkSession session = SessionOf(state, services);
    WriteRecord record;
    const LinkResult result = WriteChannels(state.Image, session, target, &record);
    return WriteResultCode(state, services, result, record, target);
}

} // namespace kvr27
