#include "link/Link.h"

namespace kvr27 {

int OpenComPort(AppState& state, LinkServices& services, ProgressTarget target)
{
    LinkSession session{services, state.Link, state.ComIndex + 1};
    return OpenLinkPort(session, target).ok() ? 1 : -1;
}

std::string ReadBlock(LinkServices& services, std::uint16_t address)
{
    std::string digits;
    return TryReadBlock(services, address, digits).ok() ? digits : std::string(LinkFailure);
}

std::string WriteBlock(LinkServices& services, const std::string& command)
{
    return TryWriteBlock(services, command).ok() ? std::string(LinkSuccess) : std::string(LinkFailure);
}

} // namespace kvr27
