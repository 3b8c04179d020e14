#include "link/TransferOutcome.h"

#include "image/ModelRules.h"
#include "link/Framing.h"
#include "link/HexText.h"
#include "link/MemoryMap.h"


namespace kvr27 {

namespace {

// The part of the radio an exchange concerned: "channel 12" for a channel block,
// "block 0700h" for any other, "the current channel" for the one-byte write.
std::string ExchangePlace(const std::string& command)
{
    if (command.starts_with(CurrentChannelCommandHead))
        return "the current channel";
    if (command.size() < CommandPrefix.size() + 4)
        return command;
    const std::string digits = command.substr(CommandPrefix.size(), 4);
    if (!IsHexText(digits))
        return command;
    const long address = std::stol(digits, nullptr, 16);
    if (address < ChannelBlockAddress(ChannelTable::Count) && address % 16 == 0)
        return "channel " + std::to_string(address / 16);
    return "block " + digits + "h";
}

std::string Cause(const TransferOutcome& outcome)
{
    const LinkResult& result = outcome.Result;
    const std::string at = " at " + ExchangePlace(result.Exchange);
    switch (result.Fault) {
    case LinkFault::PortNotOpened:
        return "could not open " + result.Detail;
    case LinkFault::NoAnswer:
        return "no answer from the radio" + at;
    case LinkFault::WrongLength:
        return "an answer of the wrong length" + at;
    case LinkFault::ErrorAnswer:
        return "the radio answered \"ERR\"" + at;
    case LinkFault::NotHexadecimal:
        return "an answer that is not hexadecimal" + at;
    case LinkFault::ModelMismatch:
        return "the radio reports " + ReportedModel(outcome.RadioModelCode);
    case LinkFault::FormRefused:
        return "a VFO value is blank or no number";
    case LinkFault::OutOfRange:
        return "the VFO frequency is outside the model's range";
    case LinkFault::VerifyMismatch:
        return result.Detail;
    case LinkFault::DeviceGone:
        return "the device is gone" + at;
    case LinkFault::None:
    case LinkFault::Cancelled:
        break;
    }
    return DescribeLinkResult(result);
}

std::string KindWord(TransferKind kind)
{
    switch (kind) {
    case TransferKind::Read:
        return "Read";
    case TransferKind::Write:
        return "Write";
    case TransferKind::Backup:
        return "Backup";
    case TransferKind::Verify:
        return "Verify";
    }
    return {};
}

std::string OutcomeWords(const TransferOutcome& outcome)
{
    const std::string what = KindWord(outcome.Kind);
    switch (outcome.Result.Fault) {
    case LinkFault::None:
        return what + (outcome.Verified ? " complete and verified" : " complete");
    case LinkFault::Cancelled:
        return what + " cancelled";
    case LinkFault::PortNotOpened:
        return what + " failed: " + Cause(outcome);
    case LinkFault::FormRefused:
    case LinkFault::OutOfRange:
    case LinkFault::ModelMismatch:
        // A write refuses before its first write command.
        if (outcome.Kind == TransferKind::Write)
            return what + " refused: " + Cause(outcome);
        [[fallthrough]];
    default:
        // A read-back that could not finish leaves the write unverified.
        if (outcome.Kind == TransferKind::Verify && outcome.Result.Fault != LinkFault::VerifyMismatch)
            return "Write not verified on " + outcome.Device + ": " + Cause(outcome);
        return what + " failed on " + outcome.Device + ": " + Cause(outcome);
    }
}

} // namespace

std::string ExchangeFailureDetail(const LinkResult& result, const std::string& device)
{
    if (result.Fault == LinkFault::DeviceGone)
        return DescribeLinkResult(result);
    TransferOutcome outcome;
    outcome.Result = result;
    return device + ": " + Cause(outcome);
}

std::string SlowedDownNote(const std::string& command) { return "slowed down after " + ExchangePlace(command); }

std::string RepeatedNote(int count)
{
    return std::to_string(count) + (count == 1 ? " exchange was" : " exchanges were") + " repeated";
}

std::string LeftOutNote(int count)
{
    return std::to_string(count) + (count == 1 ? " channel" : " channels") + " left out: outside the radio's range";
}

std::string ChangedBlocksNote(const TransferOutcome& outcome)
{
    return std::to_string(outcome.ChangedBlocks) + " of " + std::to_string(outcome.AllBlocks)
           + (outcome.AllBlocks == 1 ? " block changed" : " blocks changed");
}

std::string TransferNote(const TransferOutcome& outcome)
{
    std::string words = OutcomeWords(outcome);
    if (outcome.Result.ok() && outcome.ChangedBlocks >= 0)
        words += ": " + ChangedBlocksNote(outcome);
    if (outcome.LeftOut > 0)
        words += "; " + LeftOutNote(outcome.LeftOut);
    if (!outcome.SlowedAfter.empty())
        words += "; " + SlowedDownNote(outcome.SlowedAfter);
    if (outcome.Repeated > 0)
        words += "; " + RepeatedNote(outcome.Repeated);
    return words;
}

} // namespace kvr27
