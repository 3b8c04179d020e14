#include "link/TransferOutcome.h"

#include "core/UserText.h"
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
        return Translated("Notes", "the current channel");
    if (command.size() < CommandPrefix.size() + 4)
        return command;
    const std::string digits = command.substr(CommandPrefix.size(), 4);
    if (!IsHexText(digits))
        return command;
    const long address = std::stol(digits, nullptr, 16);
    if (address < ChannelBlockAddress(ChannelTable::Count) && address % 16 == 0)
        return TranslatedFormat("Notes", KVR27_TEXT("Notes", "channel %1"), {std::to_string(address / 16)});
    return TranslatedFormat("Notes", KVR27_TEXT("Notes", "block %1h"), {digits});
}

std::string Cause(const TransferOutcome& outcome)
{
    const LinkResult& result = outcome.Result;
    const std::string at = ExchangePlace(result.Exchange);
    switch (result.Fault) {
    case LinkFault::PortNotOpened:
        return TranslatedFormat("Notes", KVR27_TEXT("Notes", "could not open %1"), {result.Detail});
    case LinkFault::NoAnswer:
        return TranslatedFormat("Notes", KVR27_TEXT("Notes", "no answer from the radio at %1"), {at});
    case LinkFault::WrongLength:
        return TranslatedFormat("Notes", KVR27_TEXT("Notes", "an answer of the wrong length at %1"), {at});
    case LinkFault::ErrorAnswer:
        return TranslatedFormat("Notes", KVR27_TEXT("Notes", "the radio answered \"ERR\" at %1"), {at});
    case LinkFault::NotHexadecimal:
        return TranslatedFormat("Notes", KVR27_TEXT("Notes", "an answer that is not hexadecimal at %1"), {at});
    case LinkFault::ModelMismatch:
        return TranslatedFormat("Notes", KVR27_TEXT("Notes", "the radio reports %1"), {ReportedModel(outcome.RadioModelCode)});
    case LinkFault::FormRefused:
        return Translated("Notes", "a VFO value is blank or no number");
    case LinkFault::OutOfRange:
        return Translated("Notes", "the VFO frequency is outside the model's range");
    case LinkFault::VerifyMismatch:
        return result.Detail;
    case LinkFault::DeviceGone:
        return TranslatedFormat("Notes", KVR27_TEXT("Notes", "the device is gone at %1"), {at});
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
        return Translated("Notes", "Read");
    case TransferKind::Write:
        return Translated("Notes", "Write");
    case TransferKind::Backup:
        return Translated("Notes", "Backup");
    case TransferKind::Verify:
        return Translated("Notes", "Verify");
    }
    return {};
}

std::string OutcomeWords(const TransferOutcome& outcome)
{
    const std::string what = KindWord(outcome.Kind);
    switch (outcome.Result.Fault) {
    case LinkFault::None:
        if (outcome.Verified)
            return TranslatedFormat("Notes", KVR27_TEXT("Notes", "%1 complete and verified"), {what});
        return TranslatedFormat("Notes", KVR27_TEXT("Notes", "%1 complete"), {what});
    case LinkFault::Cancelled:
        return TranslatedFormat("Notes", KVR27_TEXT("Notes", "%1 cancelled"), {what});
    case LinkFault::PortNotOpened:
        return TranslatedFormat("Notes", KVR27_TEXT("Notes", "%1 failed: %2"), {what, Cause(outcome)});
    case LinkFault::FormRefused:
    case LinkFault::OutOfRange:
    case LinkFault::ModelMismatch:
        // A write refuses before its first write command.
        if (outcome.Kind == TransferKind::Write)
            return TranslatedFormat("Notes", KVR27_TEXT("Notes", "%1 refused: %2"), {what, Cause(outcome)});
        [[fallthrough]];
    default:
        // A read-back that could not finish leaves the write unverified.
        if (outcome.Kind == TransferKind::Verify && outcome.Result.Fault != LinkFault::VerifyMismatch)
            return TranslatedFormat("Notes", KVR27_TEXT("Notes", "Write not verified on %1: %2"), {outcome.Device, Cause(outcome)});
        return TranslatedFormat("Notes", KVR27_TEXT("Notes", "%1 failed on %2: %3"), {what, outcome.Device, Cause(outcome)});
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

std::string SlowedDownNote(const std::string& command) {
    return TranslatedFormat("Notes", KVR27_TEXT("Notes", "slowed down after %1"), {ExchangePlace(command)});
}

std::string RepeatedNote(int count)
{
    if (count == 1)
        return Translated("Notes", "1 exchange was repeated");
    return TranslatedFormat("Notes", KVR27_TEXT("Notes", "%1 exchanges were repeated"), {std::to_string(count)});
}

std::string LeftOutNote(int count)
{
    if (count == 1)
        return Translated("Notes", "1 channel left out: outside the radio's range");
    return TranslatedFormat("Notes", KVR27_TEXT("Notes", "%1 channels left out: outside the radio's range"), {std::to_string(count)});
}

std::string ChangedBlocksNote(const TransferOutcome& outcome)
{
    const std::string changed = std::to_string(outcome.ChangedBlocks);
    if (outcome.AllBlocks == 1)
        return TranslatedFormat("Notes", KVR27_TEXT("Notes", "%1 of 1 block changed"), {changed});
    return TranslatedFormat("Notes", KVR27_TEXT("Notes", "%1 of %2 blocks changed"), {changed, std::to_string(outcome.AllBlocks)});
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
