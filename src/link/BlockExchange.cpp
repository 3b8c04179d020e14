#include "link/BlockExchange.h"

#include "link/AnswerJudgement.h"
#include "link/Framing.h"
#include "link/TransferOutcome.h"

#include <utility>

namespace kvr27 {

namespace {

// Waits for the answer to `command`: one tick, or in fast mode until the answer
// is whole and has stayed so for FastGuard, at most one tick.
void WaitForAnswer(LinkSession& session, ExchangeKind kind, const std::string& command)
{
    Waiter& waiter = session.Services.waiter;
    if (!session.Fast)
        return waiter.waitTick();
    Port& port = session.Services.port;
    std::size_t seen = 0;
    std::chrono::microseconds changed{0};
    waiter.waitTickOrUntil([&](std::chrono::microseconds elapsed) {
        const std::string received = port.peek();
        if (received.size() != seen) {
            seen = received.size();
            changed = elapsed;
        }
        return elapsed - changed >= FastGuard && AnswerIsWhole(kind, command, received);
    });
}

// Sends the command, waits for the answer and judges it (JudgeAnswer), taking the
// answer only when more than the echo came. Late characters of an earlier
// exchange are thrown away first. A port that closed itself meanwhile has lost its
// device, whatever came before.
LinkResult Exchange(LinkSession& session, ExchangeKind kind, const std::string& command, std::string& payload)
{
    Port& port = session.Services.port;
    const std::string sent = command.substr(0, command.size() - 1);
    port.readAll();
    if (port.isOpen()) {
        port.write(command);
        WaitForAnswer(session, kind, command);
    }
    const std::size_t count = port.bytesAvailable();
    const std::string answer = count > command.size() ? port.readAll() : std::string();
    if (!port.isOpen()) {
        session.State.OpenPortNumber = NoPortOpen;
        return {LinkFault::DeviceGone, sent, port.deviceName(session.ComNumber)};
    }
    AnswerJudgement judged = JudgeAnswer(kind, command, count, answer);
    payload = std::move(judged.Payload);
    return {judged.Fault, sent, {}};
}

// An exchange; in fast mode one that fails (but for a device gone) is repeated at
// the normal pace, which the session keeps from then on. Before the repeat the
// line is left one more tick, and what came meanwhile is thrown away, so a late
// answer to the failed command cannot pass for the answer to the repeat or to the
// command after it.
LinkResult PacedExchange(LinkSession& session, ExchangeKind kind, const std::string& command, std::string& payload)
{
    LinkResult result = Exchange(session, kind, command, payload);
    if (result.ok() || !session.Fast || result.Fault == LinkFault::DeviceGone)
        return result;
    session.Fast = false;
    session.SlowedAfter = result.Exchange;
    session.Services.waiter.waitTick();
    return Exchange(session, kind, command, payload);
}

// "Read/Write Error", with the device, the cause and the place below it.
LinkResult Failed(LinkSession& session, LinkResult result)
{
    const std::string device = session.Services.port.deviceName(session.ComNumber);
    session.Services.messages.notify(ReadWriteErrorMessage, MessageIcon::Exclamation,
                                     ExchangeFailureDetail(result, device));
    return result;
}

} // namespace

LinkResult OpenLinkPort(LinkSession& session, ProgressTarget target)
{
    LinkState& link = session.State;
    LinkServices& services = session.Services;
    const int number = session.ComNumber;
    link.PortProblem.clear();
    if (number == link.OpenPortNumber && services.port.isOpen())
        return {};
    link.OpenPortNumber = static_cast<std::uint8_t>(number);
    if (services.port.isOpen())
        services.port.close();
    if (const PortOpening opening = services.port.open(number); !opening.ok()) {
        link.OpenPortNumber = NoPortOpen;
        const std::string name = session.PortName.empty()
                                     ? "COM" + std::to_string(number) + " (" + services.port.deviceName(number) + ")"
                                     : session.PortName;
        link.PortProblem = name + ": " + opening.Reason;
        services.messages.notify(CantOpenPortMessage, MessageIcon::Exclamation, link.PortProblem);
        services.progress.showProgress(target, link.PortProblem);
        return {LinkFault::PortNotOpened, {}, link.PortProblem};
    }
    return {};
}

LinkResult TryReadBlock(LinkSession& session, std::uint16_t address, std::string& digits)
{
    std::string payload;
    LinkResult result = PacedExchange(session, ExchangeKind::Read, ReadCommand(address), payload);
    if (!result.ok())
        return Failed(session, result);
    // Digits in lowercase are read as their uppercase selves, and handed on so, like
    // every block text of the program.
    for (char& c : payload)
        c = (c >= 'a' && c <= 'f') ? static_cast<char>(c - 'a' + 'A') : c;
    digits = payload;
    return result;
}

LinkResult TryWriteBlock(LinkSession& session, const std::string& command)
{
    std::string payload;
    LinkResult result = PacedExchange(session, ExchangeKind::Write, command, payload);
    if (!result.ok())
        return Failed(session, result);
    return result;
}

} // namespace kvr27
