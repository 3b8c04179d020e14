#include "RadioEmulator.h"

#include <optional>

namespace kvr27::sim {

namespace {

// The radio's own command texts: "QZ~F", four address digits, the operation
// ("R", "W" + 32 digits, "OW" + 2 digits) and a carriage return.
constexpr std::string_view Prefix = "QZ~F";
constexpr char End = '\r';
constexpr std::string_view Refusal = "ERR";
constexpr std::string_view Digits = "0123456789ABCDEF";

// Whether the text is all uppercase hex digits, the only ones the radio knows.
bool IsRadioHex(std::string_view text) { return text.find_first_not_of(Digits) == std::string_view::npos; }

// The value of a few uppercase hex digits.
std::size_t HexValue(std::string_view digits)
{
    std::size_t value = 0;
    for (char c : digits)
        value = value * 16 + Digits.find(c);
    return value;
}

// The address of a command line, when it has one.
std::optional<std::size_t> CommandAddress(std::string_view line)
{
    if (!line.starts_with(Prefix) || line.size() < Prefix.size() + 4 || !IsRadioHex(line.substr(Prefix.size(), 4)))
        return std::nullopt;
    return HexValue(line.substr(Prefix.size(), 4));
}

} // namespace

RadioEmulator::RadioEmulator(std::uint8_t modelCode)
{
    memory_.fill(0xFF);
    memory_[ModelCodeAddress] = modelCode;
}

void RadioEmulator::setFault(Fault fault, int answeredNormally, std::string payload, int exchanges)
{
    fault_ = fault;
    answeredNormally_ = answeredNormally;
    faultyExchanges_ = exchanges;
    faultPayload_ = fault == Fault::Error ? std::string(Refusal) : std::move(payload);
}

std::string RadioEmulator::blockDigits(std::size_t address) const
{
    std::string digits;
    for (std::size_t i = address; i < address + 16; ++i) {
        digits += Digits[memory_.at(i) >> 4];
        digits += Digits[memory_.at(i) & 0xF];
    }
    return digits;
}

bool RadioEmulator::putDigits(std::size_t address, std::string_view digits)
{
    if (digits.size() % 2 != 0 || address + digits.size() / 2 > MemorySize || !IsRadioHex(digits))
        return false;
    for (std::size_t i = 0; i < digits.size() / 2; ++i)
        memory_[address + i] = static_cast<std::uint8_t>(HexValue(digits.substr(2 * i, 2)));
    return true;
}

bool RadioEmulator::faultActive() const
{
    // The exchange under way is number commands_.size() + 1.
    const int before = static_cast<int>(commands_.size());
    return fault_ != Fault::None && before >= answeredNormally_ &&
           (faultyExchanges_ == ForGood || before < answeredNormally_ + faultyExchanges_);
}

std::string RadioEmulator::answer(const std::string& line, bool storeWrites)
{
    const std::string refused =
        std::string(AnswerFraming::Lead) + std::string(Refusal) + std::string(AnswerFraming::Trail);
    const std::string acknowledged =
        std::string(AnswerFraming::Lead) + std::string(AnswerFraming::Ack) + std::string(AnswerFraming::Trail);
    const auto address = CommandAddress(line);
    if (!address)
        return refused;
    const std::string_view rest = std::string_view(line).substr(Prefix.size() + 4);
    if (rest == "R" && *address + 16 <= MemorySize)
        return std::string(AnswerFraming::Lead) + blockDigits(*address) + std::string(AnswerFraming::Trail);
    const bool fullWrite = rest.size() == 33 && rest[0] == 'W' && *address + 16 <= MemorySize;
    const bool byteWrite = rest.size() == 4 && rest.starts_with("OW") && *address < MemorySize;
    if (!fullWrite && !byteWrite)
        return refused;
    const std::string_view digits = rest.substr(rest.size() - (fullWrite ? 32 : 2));
    if (!IsRadioHex(digits))
        return refused;
    if (storeWrites) {
        putDigits(*address, digits);
        if (faultActive() && fault_ == Fault::WrongStore)
            memory_[*address] ^= 0x01;
    }
    return acknowledged;
}

RadioOutput RadioEmulator::receive(std::string_view characters)
{
    RadioOutput out;
    for (char c : characters) {
        if (hungUp_ || (faultActive() && (fault_ == Fault::HangUp || fault_ == Fault::Silence))) {
            hungUp_ = hungUp_ || fault_ == Fault::HangUp;
            // A radio that does not hear still ends the command it missed.
            if (c == End) {
                commands_.push_back(line_ + c);
                line_.clear();
            } else {
                line_ += c;
            }
            continue;
        }
        out.now += c;
        if (c != End) {
            line_ += c;
            continue;
        }
        const bool faulty = faultActive();
        std::string reply = answer(line_, !(faulty && fault_ == Fault::Error));
        commands_.push_back(line_ + c);
        line_.clear();
        if (faulty) {
            const std::size_t payloadLength = reply.size() - AnswerFraming::Lead.size() - AnswerFraming::Trail.size();
            switch (fault_) {
            case Fault::ShortAnswer:
                reply.pop_back();
                break;
            case Fault::LongAnswer:
                reply += AnswerFraming::ExtraCharacter;
                break;
            case Fault::Error:
            case Fault::Payload:
                reply = std::string(AnswerFraming::Lead) + faultPayload_ + std::string(AnswerFraming::Trail);
                break;
            case Fault::NonHex:
                if (payloadLength > 5)
                    reply[AnswerFraming::Lead.size() + 5] = AnswerFraming::NonHexCharacter;
                break;
            case Fault::Delay:
                out.late += reply;
                reply.clear();
                break;
            default:
                break;
            }
        }
        out.now += reply;
    }
    return out;
}

} // namespace kvr27::sim
