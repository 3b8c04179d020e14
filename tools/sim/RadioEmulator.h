#pragma once
// The radio end of the cable, without any I/O: 2 KiB of memory with the model code
// at 7F6h, an echo of every character received, and answers to the read, write and
// one-byte write commands. Faults can be switched on from a given exchange on, so
// every failure path of the link can be driven on demand. It stands for the radio,
// so it knows the command texts on its own and takes nothing from the program's
// link: a command it does not understand (a lowercase hex digit, say) is refused.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvr27::sim {

// How the radio misbehaves once a fault is on.
enum class Fault {
    None,
    Silence,     // neither echo nor answer
    ShortAnswer, // the answer lacks its last character (45 instead of 46 for a read)
    LongAnswer,  // one character more (47 for a read)
    Error,       // "ERR" in place of the payload; writes are refused
    Payload,     // the payload is the text given to setFault (a write is still carried out)
    NonHex,      // a data payload holds a character that is no hexadecimal digit
    Delay,       // the answer after the echo comes only after the wait is over
    HangUp,      // the radio goes away for good: nothing more is sent
    WrongStore,  // a write is acknowledged, but its first byte is stored with its lowest bit flipped
};

// What the radio sends in reply to the characters it received: `now` at once, `late`
// only after the wait (Delay fault).
struct RadioOutput {
    std::string now;
    std::string late;
};

// The characters the radio puts around a payload. The program does not examine
// them; these are the emulator's choice.
struct AnswerFraming {
    static constexpr std::string_view Lead = "\r\n";
    static constexpr std::string_view Trail = "\r\n";
    static constexpr std::string_view Ack = "OK";
    static constexpr char ExtraCharacter = '\n'; // LongAnswer
    static constexpr char NonHexCharacter = 'G'; // NonHex, at payload position 5
};

class RadioEmulator {
public:
    static constexpr std::size_t MemorySize = 2048;
    static constexpr std::uint16_t ModelCodeAddress = 0x7F6;
    using Memory = std::array<std::uint8_t, MemorySize>;

    // A radio whose memory is all FF but the model code.
    explicit RadioEmulator(std::uint8_t modelCode = 6);

    Memory& memory() { return memory_; }
    const Memory& memory() const { return memory_; }

    // Faults last for good unless given a number of exchanges.
    static constexpr int ForGood = -1;

    // Switches `fault` on for every exchange after the first `answeredNormally`, or
    // for the next `exchanges` only (a hang-up is for good all the same); `payload`
    // is the text of the Payload fault.
    void setFault(Fault fault, int answeredNormally = 0, std::string payload = {}, int exchanges = ForGood);

    // The 16 bytes at `address` as the radio sends them: 32 uppercase digits.
    std::string blockDigits(std::size_t address) const;
    // Stores bytes given as uppercase digits from `address` on; false, storing
    // nothing, for anything else.
    bool putDigits(std::size_t address, std::string_view digits);

    // Takes characters from the line and gives what the radio sends back.
    RadioOutput receive(std::string_view characters);

    // Complete commands received so far (carriage return included), in order.
    const std::vector<std::string>& commands() const { return commands_; }

    bool hungUp() const { return hungUp_; }

private:
    bool faultActive() const;
    // The answer to one command line (without echo), before faults: lead, payload,
    // trail. A write is carried out only when `storeWrites` is true.
    std::string answer(const std::string& line, bool storeWrites);

    Memory memory_{};
    Fault fault_ = Fault::None;
    int answeredNormally_ = 0;
    int faultyExchanges_ = ForGood;
    std::string faultPayload_;
    std::string line_;
    std::vector<std::string> commands_;
    bool hungUp_ = false;
};

} // namespace kvr27::sim
