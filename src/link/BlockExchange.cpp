#include "link/BlockExchange.h"

#include "link/Framing.h"
#include "link/HexText.h"

#include <initializer_list>

namespace kvr27 {

namespace {

// Sends the command, waits one tick and takes the answer's payload when the answer
// has one of the lengths echo + `extras`. Late characters of an earlier exchange
// are thrown away first. A failure says what came back instead.
LinkResult Exchange(LinkServices& services, const std::string& command, std::initializer_list<std::size_t> extras,
                    std::string& payload)
{
    services.port.readAll();
    services.port.write(command);
    services.waiter.waitTick();
    const std::size_t count = services.port.bytesAvailable();
    const std::size_t echo = command.size();
    bool expected = false;
    for (std::size_t extra : extras)
        expected = expected || count == echo + extra;
    const std::string answer = count > echo ? services.port.readAll() : std::string();
    LinkResult result{LinkFault::None, command.substr(0, command.size() - 1), {}};
    if (answer.size() <= echo + AnswerLeadLength) {
        result.Fault = count > echo ? LinkFault::WrongLength : LinkFault::NoAnswer;
    } else if (!expected || answer.size() < count) {
        result.Fault = answer.substr(echo + AnswerLeadLength).starts_with(ErrorPayload) ? LinkFault::ErrorAnswer
                                                                                           : LinkFault::WrongLength;
    } else {
        payload = answer.substr(echo + AnswerLeadLength, count - echo - AnswerLeadLength - AnswerTrailLength);
    }
    return result;
}

LinkResult Failed(LinkServices& services, LinkResult result)
{
    services.messages.notify(ReadWriteErrorMessage, MessageIcon::Exclamation);
    return result;
}

} // namespace

LinkResult OpenLinkPort(LinkSession& session, ProgressTarget target)
{
    LinkState& link = session.State;
    LinkServices& services = session.Services;
    const int number = session.ComNumber;
    link.PortProblem.clear();
    if (number == link.OpenPortNumber)
        return {};
    link.OpenPortNumber = static_cast<std::uint8_t>(number);
    if (services.port.isOpen())
        services.port.close();
    if (!services.port.open(number)) {
        link.OpenPortNumber = NoPortOpen;
        services.messages.notify(CantOpenPortMessage, MessageIcon::Exclamation);
        link.PortProblem =
            "COM" + std::to_string(number) + " (" + services.port.deviceName(number) + "): " + services.port.errorText();
        services.progress.showProgress(target, link.PortProblem);
        return {LinkFault::PortNotOpened, {}, link.PortProblem};
    }
    return {};
}

LinkResult TryReadBlock(LinkServices& services, std::uint16_t address, std::string& digits)
{
    // Only a data answer counts: an error-length answer fails whatever it holds, and
    // a payload with a character that is no hexadecimal digit is never decoded.
    std::string payload;
    LinkResult result = Exchange(services, ReadCommand(address), {DataAnswerExtra}, payload);
    if (result.ok() && payload.starts_with(ErrorPayload))
        result.Fault = LinkFault::ErrorAnswer;
    else if (result.ok() && !IsHexText(payload))
        result.Fault = LinkFault::NotHexadecimal;
    if (!result.ok())
        return Failed(services, result);
    // Digits in lowercase are read as their uppercase selves, and handed on so, like
    // every block text of the program.
    for (char& c : payload)
        c = (c >= 'a' && c <= 'f') ? static_cast<char>(c - 'a' + 'A') : c;
    digits = payload;
    return result;
}

LinkResult TryWriteBlock(LinkServices& services, const std::string& command)
{
    std::string payload;
    LinkResult result = Exchange(services, command, {AckAnswerExtra, ErrorAnswerExtra}, payload);
    if (result.ok() && payload.starts_with(ErrorPayload))
        result.Fault = LinkFault::ErrorAnswer;
    if (!result.ok())
        return Failed(services, result);
    return result;
}

} // namespace kvr27
