#include "LinkRig.h"
#include "SimOptions.h"

#include <stdexcept>

namespace kvr27::test {

CommandReport RunCommand(DataCommand command, AppState& state, LinkServices& services, bool confirmed,
                         ProgressTarget target)
{
    RadioCommandOptions options;
    options.Target = target;
    options.Confirmed = confirmed;
    return command.Write ? WriteRadioCommand(state, services, command.Parts, options)
                         : ReadRadioCommand(state, services, command.Parts, options);
}

DataCommand DataCommandNamed(std::string_view name)
{
    return {name.starts_with("Write"), name.ends_with("Vfo") ? RadioParts::Vfo
                                       : name.ends_with("Memory") ? RadioParts::Memory
                                                                  : RadioParts::All};
}

sim::Fault FaultNamed(const std::string& name)
{
    std::string error;
    return name.empty()       ? sim::Fault::None
           : name == "payload" ? sim::Fault::Payload
                               : sim::ParseSimOptions({"--fault", name}, error).value().fault;
}

LinkRig::LinkRig(int option, std::uint8_t radioCode) : radio(radioCode)
{
    StartWithModel(state, option);
    state.Safeguards = NoSafeguards;
}

void LinkRig::putBlock(std::uint16_t address, std::string_view digits)
{
    if (!radio.putDigits(address, digits))
        throw std::invalid_argument("not a block of uppercase digits: " + std::string(digits));
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

void LoadKnownRadio(LinkRig& rig)
{
    rig.putBlock(0x700, "029662500000EA60C1AABB02FFFFFFFF"); // 434.10000 MHz, PMR channel 3
    rig.putBlock(0x710, "9413B5420006080926FFFFFFFFFFFFFF"); // squelch 20
    rig.putBlock(0x730, "0007A1200560FFFFFFFFFFFFFFFFFFFF");
    rig.putBlock(0x720, "84000000008000000000000000FFFFFF");
    rig.putBlock(0x000, "0294CDEC0000EA600A0B00140300FFFF");
    rig.putBlock(0x050, "0200000000000000000026080100FFFF");
    rig.putBlock(0x070, "0295C4F00000000001020304050607FF");
    rig.putBlock(0x280, "0296896000000000000000040200FFFF");
}

} // namespace kvr27::test
