#include "link/AnswerJudgement.h"

#include "link/Framing.h"
#include "link/HexText.h"

namespace kvr27 {

ExchangeKind ExchangeKindOf(std::string_view command)
{
    // "QZ~F", four address digits, "R", carriage return.
    const std::size_t operation = CommandPrefix.size() + 4;
    const bool read = command.size() == operation + 2 && command.starts_with(CommandPrefix) &&
                      command[operation] == 'R' && command.back() == CommandEnd;
    return read ? ExchangeKind::Read : ExchangeKind::Write;
}

AnswerJudgement JudgeAnswer(ExchangeKind kind, std::string_view command, std::size_t count, std::string_view answer)
{
    const std::size_t echo = command.size();
    if (count <= echo)
        return {LinkFault::NoAnswer, {}};
    const bool expected = kind == ExchangeKind::Read
                              ? count == echo + DataAnswerExtra
                              : count == echo + AckAnswerExtra || count == echo + ErrorAnswerExtra;
    if (answer.size() <= echo + AnswerLeadLength)
        return {LinkFault::WrongLength, {}};
    const std::string_view afterLead = answer.substr(echo + AnswerLeadLength);
    if (!expected || answer.size() < count)
        return {afterLead.starts_with(ErrorPayload) ? LinkFault::ErrorAnswer : LinkFault::WrongLength, {}};
    const std::string_view payload = afterLead.substr(0, count - echo - AnswerLeadLength - AnswerTrailLength);
    if (payload.starts_with(ErrorPayload))
        return {LinkFault::ErrorAnswer, {}};
    // A payload with a character that is no hexadecimal digit is never decoded.
    if (kind == ExchangeKind::Read && !IsHexText(payload))
        return {LinkFault::NotHexadecimal, {}};
    return {LinkFault::None, std::string(payload)};
}

bool AnswerIsWhole(ExchangeKind kind, std::string_view command, std::string_view received)
{
    const std::size_t echo = command.size();
    if (!received.starts_with(command) || received.size() <= echo + AnswerLeadLength)
        return false;
    const std::size_t extra = received.size() - echo;
    const bool error = received.substr(echo + AnswerLeadLength).starts_with(ErrorPayload);
    if (kind == ExchangeKind::Read)
        return extra == DataAnswerExtra || (extra == ErrorAnswerExtra && error);
    return extra == ErrorAnswerExtra || (extra == AckAnswerExtra && !error);
}

std::string VerdictText(ExchangeKind kind, LinkFault fault)
{
    switch (fault) {
    case LinkFault::None:
        return kind == ExchangeKind::Read ? "data" : "acknowledgement";
    case LinkFault::NoAnswer:
        return "no answer";
    case LinkFault::WrongLength:
        return "wrong length";
    case LinkFault::ErrorAnswer:
        return "ERR";
    case LinkFault::NotHexadecimal:
        return "not hexadecimal";
    default:
        return "failed";
    }
}

} // namespace kvr27
