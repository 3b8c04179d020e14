#include "link/Link.h"

#include "link/Framing.h"
#include "link/HexText.h"

#include <initializer_list>
#include <optional>

namespace kvr27 {

namespace {

// Sends the command, waits one tick and takes the answer's payload when the answer
// has one of the lengths echo + `extras`. Late characters of an earlier exchange
// are thrown away first.
std::optional<std::string> Exchange(LinkServices& services, const std::string& command,
                                    std::initializer_list<std::size_t> extras)
{
    services.port.readAll();
    services.port.write(command);
    services.waiter.waitTick();
    const std::size_t count = services.port.bytesAvailable();
    const std::size_t echo = command.size();
    bool expected = false;
    for (std::size_t extra : extras)
        expected = expected || count == echo + extra;
    if (!expected)
        return std::nullopt;
    const std::string answer = services.port.readAll();
    if (answer.size() < count)
        return std::nullopt;
    return answer.substr(echo + AnswerLeadLength, count - echo - AnswerLeadLength - AnswerTrailLength);
}

std::string Failed(LinkServices& services)
{
    services.messages.notify(ReadWriteErrorMessage, MessageIcon::Exclamation);
    return LinkFailure;
}

} // namespace

int OpenComPort(AppState& state, LinkServices& services, ProgressTarget target)
{
    const int number = state.ComIndex + 1;
    state.Link.PortProblem.clear();
    if (number == state.Link.OpenPortNumber)
        return 1;
    state.Link.OpenPortNumber = static_cast<std::uint8_t>(number);
    if (services.port.isOpen())
        services.port.close();
    if (!services.port.open(number)) {
        state.Link.OpenPortNumber = NoPortOpen;
        services.messages.notify(CantOpenPortMessage, MessageIcon::Exclamation);
        state.Link.PortProblem =
            "COM" + std::to_string(number) + " (" + services.port.deviceName(number) + "): " + services.port.errorText();
        services.progress.showProgress(target, state.Link.PortProblem);
        return -1;
    }
    return 1;
}

std::string ReadBlock(LinkServices& services, std::uint16_t address)
{
    // Only a data answer counts: an error-length answer fails whatever it holds, and
    // a payload with a character that is no hexadecimal digit is never decoded.
    const auto payload = Exchange(services, ReadCommand(address), {DataAnswerExtra});
    if (!payload || !IsHexText(*payload))
        return Failed(services);
    return *payload;
}

std::string WriteBlock(LinkServices& services, const std::string& command)
{
    const auto payload = Exchange(services, command, {AckAnswerExtra, ErrorAnswerExtra});
    if (!payload || payload->starts_with(ErrorPayload))
        return Failed(services);
    return LinkSuccess;
}

} // namespace kvr27
