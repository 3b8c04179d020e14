#include "link/BlockExchange.h"

#include "link/AnswerJudgement.h"
#include "link/Framing.h"

#include <utility>

namespace kvr27 {

namespace {

// Sends the command, waits one tick and judges the answer (JudgeAnswer), taking
// the answer only when more than the echo came. Late characters of an earlier
// exchange are thrown away first.
LinkResult Exchange(LinkServices& services, ExchangeKind kind, const std::string& command, std::string& payload)
{
    services.port.readAll();
    services.port.write(command);
    services.waiter.waitTick();
    const std::size_t count = services.port.bytesAvailable();
    const std::string answer = count > command.size() ? services.port.readAll() : std::string();
    AnswerJudgement judged = JudgeAnswer(kind, command, count, answer);
    payload = std::move(judged.Payload);
    return {judged.Fault, command.substr(0, command.size() - 1), {}};
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
    std::string payload;
    LinkResult result = Exchange(services, ExchangeKind::Read, ReadCommand(address), payload);
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
    LinkResult result = Exchange(services, ExchangeKind::Write, command, payload);
    if (!result.ok())
        return Failed(services, result);
    return result;
}

} // namespace kvr27
