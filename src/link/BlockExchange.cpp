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
    // Characters taken after the count came after the answer. The normal pace
    // counts at the tick and so would have refused them; a fast wait ended sooner.
    if (session.Fast && judged.Fault == LinkFault::None && answer.size() > count)
        return {LinkFault::WrongLength, sent, {}};
    payload = std::move(judged.Payload);
    return {judged.Fault, sent, {}};
}

// The one repeat of a failed exchange, at the normal pace, after one more tick and
// a flush, so a late answer to the failed command cannot pass for the answer to
// the repeat or to the command after it. A fast session slows down for good; at
// the normal pace a repeat that succeeds is counted.
LinkResult Repeat(LinkSession& session, ExchangeKind kind, const std::string& command, std::string& payload,
                  const LinkResult& failed)
{
    const bool slowingDown = std::exchange(session.Fast, false);
    if (slowingDown)
        session.SlowedAfter = failed.Exchange;
    session.Services.waiter.waitTick();
    LinkResult again = Exchange(session, kind, command, payload);
    if (again.ok() && !slowingDown)
        ++session.Repeated;
    return again;
}

// Characters waiting before the next command came after the answer that the last
// fast exchange accepted: that exchange failed with an answer too long. It is
// repeated at the normal pace, and a read must give the data it handed on again.
LinkResult ConfirmFastAnswer(LinkSession& session)
{
    const std::string command = std::exchange(session.FastAccepted, {});
    if (command.empty() || session.Services.port.peek().empty())
        return {};
    const ExchangeKind kind = ExchangeKindOf(command);
    LinkResult failed{LinkFault::WrongLength, command.substr(0, command.size() - 1), {}};
    std::string payload;
    LinkResult again = Repeat(session, kind, command, payload, failed);
    if (again.ok() && kind == ExchangeKind::Read && payload != session.FastAcceptedPayload)
        return failed;
    return again;
}

// An exchange, after the last fast one is confirmed; one that fails (but for a
// device gone) is repeated once (Repeat).
LinkResult PacedExchange(LinkSession& session, ExchangeKind kind, const std::string& command, std::string& payload)
{
    if (LinkResult earlier = ConfirmFastAnswer(session); !earlier.ok())
        return earlier;
    LinkResult result = Exchange(session, kind, command, payload);
    if (!result.ok() && result.Fault != LinkFault::DeviceGone)
        result = Repeat(session, kind, command, payload, result);
    if (result.ok() && session.Fast) {
        session.FastAccepted = command;
        session.FastAcceptedPayload = payload;
    }
    return result;
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
