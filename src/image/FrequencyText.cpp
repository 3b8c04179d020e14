#include "image/FrequencyText.h"

#include <cstdlib>
#include <limits>
#include <vector>

namespace kvr27 {

std::string FormatFrequency(std::int32_t units)
{
    std::int64_t value = units;
    std::string sign;
    if (value < 0) {
        sign = "-";
        value = -value;
    }
    std::string fraction = std::to_string(value % UnitsPerMHz);
    fraction.insert(0, 5 - fraction.size(), '0');
    return sign + std::to_string(value / UnitsPerMHz) + "." + fraction;
}

namespace {

// The digits of a decimal number text and where its point stands.
struct DecimalDigits {
    bool negative = false;
    std::vector<int> digits;  // most significant first, integer and fraction digits
    std::size_t fractionCount = 0;
};

std::optional<DecimalDigits> SplitDecimal(std::string_view text)
{
    DecimalDigits result;
    std::size_t pos = 0;
    if (!text.empty() && text[0] == '-') {
        result.negative = true;
        pos = 1;
    }
    bool pointSeen = false;
    bool digitSeen = false;
    for (; pos < text.size(); ++pos) {
        char c = text[pos];
        if (c == '.') {
            if (pointSeen)
                return std::nullopt;
            pointSeen = true;
        } else if (c >= '0' && c <= '9') {
            digitSeen = true;
            result.digits.push_back(c - '0');
            if (pointSeen)
                ++result.fractionCount;
        } else {
            return std::nullopt;
        }
    }
    if (!digitSeen)
        return std::nullopt;
    return result;
}

// digits times a small factor, exactly, most significant digit first.
std::vector<int> MultiplyDigits(const std::vector<int>& digits, std::int64_t factor)
{
    std::vector<int> product(digits.size());
    std::int64_t carry = 0;
    for (std::size_t i = digits.size(); i-- > 0;) {
        std::int64_t value = digits[i] * factor + carry;
        product[i] = static_cast<int>(value % 10);
        carry = value / 10;
    }
    std::vector<int> head;
    for (; carry > 0; carry /= 10)
        head.insert(head.begin(), static_cast<int>(carry % 10));
    head.insert(head.end(), product.begin(), product.end());
    return head;
}

} // namespace

std::optional<std::int32_t> ScaleDecimalText(std::string_view text, std::int64_t factor)
{
    if (factor <= 0 || factor > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    auto number = SplitDecimal(text);
    if (!number)
        return std::nullopt;

    std::vector<int> product = MultiplyDigits(number->digits, factor);
    std::size_t integerCount = product.size() - number->fractionCount;

    // The whole part, with a bound that keeps it far from overflowing.
    std::int64_t whole = 0;
    for (std::size_t i = 0; i < integerCount; ++i) {
        whole = whole * 10 + product[i];
        if (whole > (std::int64_t{1} << 32))
            return std::nullopt;
    }

    // Round to the nearest integer, halves to the even neighbour.
    if (number->fractionCount > 0) {
        int first = product[integerCount];
        bool restNonZero = false;
        for (std::size_t i = integerCount + 1; i < product.size(); ++i)
            restNonZero = restNonZero || product[i] != 0;
        if (first > 5 || (first == 5 && (restNonZero || whole % 2 == 1)))
            ++whole;
    }

    std::int64_t limit = number->negative ? -std::int64_t{std::numeric_limits<std::int32_t>::min()}
                                          : std::int64_t{std::numeric_limits<std::int32_t>::max()};
    if (whole > limit)
        return std::nullopt;
    return static_cast<std::int32_t>(number->negative ? -whole : whole);
}

bool IsDecimalText(std::string_view text)
{
    return SplitDecimal(text).has_value();
}

std::optional<std::int32_t> ParseFrequency(std::string_view text)
{
    return ScaleDecimalText(text, UnitsPerMHz);
}

std::optional<unsigned> ParseSmallNumber(std::string_view text, unsigned maxValue)
{
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > maxValue)
            return std::nullopt;
    }
    return static_cast<unsigned>(value);
}

} // namespace kvr27
