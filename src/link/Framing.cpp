#include "link/Framing.h"

#include "link/HexText.h"

namespace kvr27 {

std::string ReadCommand(std::uint16_t address)
{
    return std::string(CommandPrefix) + HexAddress(address) + 'R' + CommandEnd;
}

std::string WriteCommand(std::uint16_t address, std::string_view blockDigits)
{
    return std::string(CommandPrefix) + HexAddress(address) + 'W' + std::string(blockDigits) + CommandEnd;
}

std::string CurrentChannelCommand(std::uint8_t channel)
{
    return std::string(CurrentChannelCommandHead) + HexByte(channel) + CommandEnd;
}

} // namespace kvr27
