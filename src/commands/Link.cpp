#include "commands/Link.h"

namespace kvr27 {

LinkSession SessionOf(AppState& state, LinkServices& services) { return {services, state.Link, state.ComIndex + 1}; }

int OpenComPort(AppState& state, LinkServices& services, ProgressTarget target)
{
    LinkSession session = SessionOf(state, services);
    return OpenLinkPort(session, target).ok() ? 1 : -1;
}

std::string ReadBlock(AppState& state, LinkServices& services, std::uint16_t address)
{
    LinkSession session = SessionOf(state, services);
    std::string digits;
    return TryReadBlock(session, address, digits).ok() ? digits : std::string(LinkFailure);
}

std::string WriteBlock(AppState& state, LinkServices& services, const std::string& command)
{
    LinkSession session = SessionOf(state, services);
    return TryWriteBlock(session, command).ok() ? std::string(LinkSuccess) : std::string(LinkFailure);
}

} // namespace kvr27
