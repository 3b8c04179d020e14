#include "RadioEmulator.h"

#include "link/Framing.h"
#include "link/HexText.h"

#include <optional>

namespace kvr27::sim {

namespace {

// The address of a command line ("QZ~F" + four digits + ...), when it has one.
std::optional<std::size_t> CommandAddress(std::string_view line)
{
    if (!line.starts_with(CommandPrefix) || line.size() < CommandPrefix.size() + 4)
        return std::nullopt;
    const std::string_view digits = line.substr(CommandPrefix.size(), 4);
    if (!IsHexText(digits))
        return std::nullopt;
    return static_cast<std::size_t>(HexToLong("0000" + std::string(digits)));
}

} // namespace

RadioEmulator::RadioEmulator(std::uint8_t modelCode)
{
    memory_.fill(0xFF);
    memory_[ModelCodeAddress] = modelCode;
}

void RadioEmulator::setFault(Fault fault, int answeredNormally)
{
    fault_ = fault;
    answeredNormally_ = answeredNormally;
}

bool RadioEmulator::faultActive() const
{
    // The exchange under way is number commands_.size() + 1.
    return fault_ != Fault::None && static_cast<int>(commands_.size()) >= answeredNormally_;
}

std::string RadioEmulator::answer(const std::string& line, bool storeWrites)
{
    const std::string refused = std::string(AnswerFraming::Lead) + std::string(ErrorPayload) +
                                std::string(AnswerFraming::Trail);
    const std::string acknowledged =
        std::string(AnswerFraming::Lead) + std::string(AnswerFraming::Ack) + std::string(AnswerFraming::Trail);
    const auto address = CommandAddress(line);
    if (!address)
        return refused;
    const std::string_view rest = std::string_view(line).substr(CommandPrefix.size() + 4);
    if (rest == "R" && *address + 16 <= MemorySize) {
        std::string digits;
        for (std::size_t i = 0; i < 16; ++i)
            digits += HexByte(memory_[*address + i]);
        return std::string(AnswerFraming::Lead) + digits + std::string(AnswerFraming::Trail);
    }
    const bool fullWrite = rest.size() == 33 && rest[0] == 'W' && *address + 16 <= MemorySize;
    const bool byteWrite = rest.size() == 4 && rest.starts_with("OW") && *address < MemorySize;
    if ((!fullWrite && !byteWrite) || !IsHexText(rest.substr(rest.size() - (fullWrite ? 32 : 2))))
        return refused;
    if (storeWrites) {
        const std::string_view digits = rest.substr(rest.size() - (fullWrite ? 32 : 2));
        for (std::size_t i = 0; i < digits.size() / 2; ++i)
            memory_[*address + i] = HexToByte(digits.substr(2 * i));
    }
    return acknowledged;
}

RadioOutput RadioEmulator::receive(std::string_view characters)
{
    RadioOutput out;
    for (char c : characters) {
        if (faultActive() && (fault_ == Fault::HangUp || fault_ == Fault::Silence)) {
            hungUp_ = hungUp_ || fault_ == Fault::HangUp;
            // A radio that does not hear still ends the command it missed.
            if (c == CommandEnd) {
                commands_.push_back(line_ + c);
                line_.clear();
            } else {
                line_ += c;
            }
            continue;
        }
        out.now += c;
        if (c != CommandEnd) {
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
                reply = std::string(AnswerFraming::Lead) + std::string(ErrorPayload) + std::string(AnswerFraming::Trail);
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
