// The judging of the radio's answers by TryReadBlock and TryWriteBlock, with a port
// that answers the fuzz bytes, and the memory map's codecs on every block a read
// accepts. A read fails with one "Read/Write Error" and leaves its digits alone, or
// gives 32 uppercase hex digits that decode and encode back bit for bit in every
// byte a field fills; a write succeeds only on an acknowledgement.
//
// Input: an operation byte, an argument byte, the lengths of the characters waiting
// before the command and of those arriving after the count, then the characters:
// waiting ones first, the answer, the late ones last.
#include "FuzzSupport.h"
#include "link/BlockExchange.h"
#include "link/Framing.h"
#include "link/MemoryMap.h"
#include "support/RecordingMessageSink.h"

#include <cctype>
#include <cstdio>
#include <utility>

using namespace kvr27;
using namespace kvr27::fuzz;

namespace {

// A port whose radio gives the same answer to any command; characters may wait
// before the command, and more may come between the count and the taking. Waiting
// takes no time and progress goes nowhere.
class AnswerPort : public Port, public Waiter, public ProgressSink {
public:
    AnswerPort(std::string waiting, std::string answer, std::string late)
        : received_(std::move(waiting)), answer_(std::move(answer)), late_(std::move(late))
    {
    }
    PortOpening open(int) override { return {}; }
    void close() override {}
    bool isOpen() const override { return true; }
    void write(const std::string& text) override
    {
        written += text;
        received_ += answer_;
        answered_ = true;
    }
    std::size_t bytesAvailable() override { return received_.size(); }
    std::string readAll() override
    {
        std::string taken = std::exchange(received_, {});
        if (answered_)
            taken += std::exchange(late_, {});
        return taken;
    }
    std::string deviceName(int) const override { return "fuzz"; }
    void waitTick() override {}
    void showProgress(ProgressTarget, const std::string&) override {}

    std::string written;

private:
    std::string received_, answer_, late_;
    bool answered_ = false;
};

bool IsUpperHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }
bool IsHex(char c) { return IsUpperHex(c) || (c >= 'a' && c <= 'f'); }

// The read of 16 bytes at `address` as it goes on the wire.
std::string ExpectedReadCommand(unsigned address)
{
    char text[16];
    std::snprintf(text, sizeof text, "QZ~F%04XR\r", address);
    return text;
}

// A failed exchange says so once.
void RequireOneError(const test::RecordingMessageSink& messages)
{
    Require(messages.shown.size() == 1 && messages.shown[0].text == ReadWriteErrorMessage &&
                messages.shown[0].icon == MessageIcon::Exclamation,
            "failed exchange: not exactly one \"Read/Write Error\"");
}

enum Operation {
    ReadChannel, ReadVfo1, ReadVfo2, ReadVfo3, ReadBitmap, ReadIdentity, WriteBlock, WriteCurrentChannel, Operations
};

// What the memory map makes of a block that was read: decoded and encoded again,
// every byte a field fills comes back, and the bytes that carry no field are FF.
void CheckCodecs(Operation operation, std::uint16_t address, const std::string& digits)
{
    ChannelRecord record;
    VfoSettings vfo;
    ChannelTable channels;
    std::string encoded;
    std::size_t filled = 0; // bytes 0 .. filled - 1 carry fields
    switch (operation) {
    case ReadChannel:
        DecodeChannelBlock(digits, record);
        encoded = EncodeChannelBlock(record), filled = 13;
        break;
    case ReadVfo1:
        DecodeVfoBlock1(digits, vfo);
        encoded = EncodeVfoBlock1(vfo), filled = 12;
        break;
    case ReadVfo2:
        DecodeVfoBlock2(digits, vfo);
        encoded = EncodeVfoBlock2(vfo, DecodeCurrentChannel(digits)), filled = 9;
        break;
    case ReadVfo3:
        DecodeVfoBlock3(digits, vfo);
        encoded = EncodeVfoBlock3(vfo), filled = 6;
        break;
    case ReadBitmap:
        DecodeChannelBitmap(digits, channels);
        encoded = EncodeChannelBitmap(channels), filled = 13;
        // Byte 72Ch: channels 96 to 99 in the high digit, the low one 0 on writing.
        Require(encoded[24] == digits[24] && encoded[25] == '0', "channel bitmap byte 72Ch");
        encoded[25] = digits[25];
        break;
    case ReadIdentity:
        Require(DecodeModelCode(digits) == std::stoul(digits.substr(12, 2), nullptr, 16), "model code at 7F6h");
        return;
    default: return;
    }
    if (encoded.substr(0, 2 * filled) != digits.substr(0, 2 * filled) ||
        encoded.substr(2 * filled) != std::string(2 * (BlockSize - filled), 'F'))
        PropertyFailed("block " + ExpectedReadCommand(address).substr(4, 4) + "h: read " + digits + ", encoded " + encoded);
}

std::uint16_t AddressOf(Operation operation, std::uint8_t argument)
{
    switch (operation) {
    case ReadChannel: return ChannelBlockAddress(argument % ChannelTable::Count);
    case ReadVfo1: return VfoBlock1Address;
    case ReadVfo2: return VfoBlock2Address;
    case ReadVfo3: return VfoBlock3Address;
    case ReadBitmap: return ChannelBitmapAddress;
    default: return IdentityBlockAddress;
    }
}

void CheckRead(Operation operation, std::uint8_t argument, AnswerPort& port, LinkSession& session,
               test::RecordingMessageSink& messages, const std::string& answer)
{
    const std::uint16_t address = AddressOf(operation, argument);
    const std::string command = ExpectedReadCommand(address);
    const std::size_t echo = command.size();
    // Echo, 2 characters, 32 hex digits not beginning with "ERR", 2 characters.
    const std::string payload = answer.size() == echo + 36 ? answer.substr(echo + 2, 32) : std::string();
    bool data = !payload.empty();
    for (char c : payload)
        data = data && IsHex(c);

    const std::string untouched = "untouched";
    std::string digits = untouched;
    const bool ok = TryReadBlock(session, address, digits).ok();
    Require(port.written == command, "read command on the wire");
    if (ok != data)
        PropertyFailed(std::string(ok ? "accepted" : "refused") + " the answer \"" + answer + "\"");
    if (!ok) {
        Require(digits == untouched, "failed read changed the digits");
        RequireOneError(messages);
        return;
    }
    Require(messages.shown.empty(), "read with a message");
    Require(digits.size() == 32, "read gave other than 32 digits");
    for (std::size_t i = 0; i < digits.size(); ++i)
        Require(IsUpperHex(digits[i]) && digits[i] == std::toupper(static_cast<unsigned char>(payload[i])), "read digits not the payload in uppercase");
    CheckCodecs(operation, address, digits);
}

void CheckWrite(Operation operation, AnswerPort& port, LinkSession& session, test::RecordingMessageSink& messages,
                const std::string& answer)
{
    const std::string command = operation == WriteBlock
                                    ? "QZ~F0700W0123456789ABCDEF0123456789ABCDEF\r"
                                    : "QZ~F0715OW2A\r";
    const std::size_t echo = command.size();
    // Echo, 2 characters, a payload of 2 (not examined) or of 3 that is not "ERR", 2
    // characters.
    const bool acknowledged =
        answer.size() == echo + 6 || (answer.size() == echo + 7 && answer.compare(echo + 2, 3, "ERR") != 0);
    const bool ok = TryWriteBlock(session, command).ok();
    Require(port.written == command, "write command on the wire");
    if (ok != acknowledged)
        PropertyFailed(std::string(ok ? "accepted" : "refused") + " the write answer \"" + answer + "\"");
    if (ok)
        Require(messages.shown.empty(), "write with a message");
    else
        RequireOneError(messages);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const auto operation = static_cast<Operation>(data[0] % Operations);
    const std::uint8_t argument = data[1];
    std::string rest(reinterpret_cast<const char*>(data + 4), size - 4);
    const std::size_t waitingLength = std::min<std::size_t>(data[2] % 64, rest.size());
    const std::size_t lateLength = std::min<std::size_t>(data[3] % 64, rest.size() - waitingLength);
    const std::string waiting = rest.substr(0, waitingLength);
    const std::string answer = rest.substr(waitingLength, rest.size() - waitingLength - lateLength);
    const std::string late = rest.substr(rest.size() - lateLength);

    AnswerPort port(waiting, answer, late);
    test::RecordingMessageSink messages;
    LinkServices services{port, port, messages, port};
    LinkState link;
    LinkSession session{services, link, 1};
    if (operation == WriteBlock || operation == WriteCurrentChannel)
        CheckWrite(operation, port, session, messages, answer);
    else
        CheckRead(operation, argument, port, session, messages, answer);
    return 0;
}
