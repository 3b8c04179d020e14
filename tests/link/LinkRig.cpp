#include "LinkRig.h"

#include "link/HexText.h"

namespace kvr27::test {

LinkRig::LinkRig(int option, std::uint8_t radioCode) : radio(radioCode)
{
    StartWithModel(state, option);
}

void LinkRig::putBlock(std::uint16_t address, std::string_view digits)
{
    for (std::size_t i = 0; i < digits.size() / 2; ++i)
        radio.memory().at(address + i) = HexToByte(digits.substr(2 * i));
}

std::string LinkRig::block(std::uint16_t address) const
{
    std::string digits;
    for (std::size_t i = 0; i < 16; ++i)
        digits += HexByte(radio.memory().at(address + i));
    return digits;
}

std::vector<std::string> LinkRig::writes() const
{
    std::vector<std::string> result;
    for (const auto& command : radio.commands()) {
        if (command.size() > 8 && command[8] != 'R')
            result.push_back(command);
    }
    return result;
}

} // namespace kvr27::test
