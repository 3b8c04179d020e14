#include "link/HexText.h"

#include <stdexcept>

namespace kvr27 {

namespace {

constexpr std::string_view Digits = "0123456789ABCDEF";

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string HexDigits(std::uint32_t value, int count)
{
    std::string text(static_cast<std::size_t>(count), '0');
    for (int i = count - 1; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = Digits[value & 0xFu];
        value >>= 4;
    }
    return text;
}

std::uint32_t ReadDigits(std::string_view text, std::size_t count)
{
    if (text.size() < count || !IsHexText(text.substr(0, count)))
        throw std::invalid_argument("not a hexadecimal number: " + std::string(text));
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value = (value << 4) | static_cast<std::uint32_t>(DigitValue(text[i]));
    return value;
}

} // namespace

std::string HexByte(std::uint8_t value) { return HexDigits(value, 2); }

std::string HexAddress(std::uint16_t address) { return HexDigits(address, 4); }

std::string HexLong(std::int32_t value) { return HexDigits(static_cast<std::uint32_t>(value), 8); }

bool IsHexText(std::string_view text)
{
    for (char c : text) {
        if (DigitValue(c) < 0)
            return false;
    }
    return true;
}

std::int32_t HexToLong(std::string_view text)
{
    // Conversion of an unsigned value above INT32_MAX to int32_t is modular (C++20).
    return static_cast<std::int32_t>(ReadDigits(text, 8));
}

std::uint8_t HexToByte(std::string_view text) { return static_cast<std::uint8_t>(ReadDigits(text, 2)); }

} // namespace kvr27
