#include "link/ChangedBlocks.h"

#include <cctype>

namespace kvr27 {

namespace {

constexpr std::uint16_t BlockBytes = 16;

std::uint16_t BlockStart(std::uint16_t address)
{
    return static_cast<std::uint16_t>(address - address % BlockBytes);
}

std::size_t DigitOffset(std::uint16_t address) { return static_cast<std::size_t>(address % BlockBytes) * 2; }

std::string Uppercase(std::string_view digits)
{
    std::string text(digits);
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

void RadioBlocks::read(std::uint16_t address, std::string_view digits)
{
    std::string block = Uppercase(digits);
    const auto known = blocks_.find(address);
    if (known != blocks_.end() && known->second != block)
        blocks_.clear();
    blocks_[address] = std::move(block);
}

bool RadioBlocks::holds(std::uint16_t address, std::string_view digits) const
{
    const auto known = blocks_.find(BlockStart(address));
    if (known == blocks_.end())
        return false;
    const std::string& block = known->second;
    const std::size_t offset = DigitOffset(address);
    return offset + digits.size() <= block.size() && block.compare(offset, digits.size(), Uppercase(digits)) == 0;
}

void RadioBlocks::wrote(std::uint16_t address, std::string_view digits)
{
    const auto known = blocks_.find(BlockStart(address));
    const std::size_t offset = DigitOffset(address);
    if (known != blocks_.end() && offset + digits.size() <= known->second.size())
        known->second.replace(offset, digits.size(), Uppercase(digits));
}

} // namespace kvr27
