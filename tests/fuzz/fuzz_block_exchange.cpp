// The judging of the radio's answers by TryReadBlock and TryWriteBlock, with a port
// that answers the fuzz bytes, and the memory map's codecs on every block a read
// accepts. A read fails with one "Read/Write Error" and leaves its digits alone, or
// gives 32 uppercase hex digits that decode and encode back bit for bit in every
// byte a field fills; a write succeeds only on an acknowledgement. Both paces: the
// fast one ends as the normal one does, and takes an answer at its own pace only
// when the normal pace takes it and nothing comes after it.
//
// Input: an operation byte, an argument byte, the lengths of the characters waiting
// before the command and of those arriving after the count, then the characters:
// waiting ones first, the answer, the late ones last.
#include "FuzzSupport.h"
#include "link/BlockExchange.h"
#include "link/MemoryMap.h"
#include "support/RecordingMessageSink.h"

#include <algorithm>
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
        : received_(std::move(waiting)), answer_(std::move(answer)), late_(std::move(late)) {}
    PortOpening open(int) override { return {}; }
    void close() override {}
    bool isOpen() const override { return true; }
    void write(const std::string& text) override { written += text, received_ += answer_, answered_ = true; }
    std::size_t bytesAvailable() override { return received_.size(); }
    std::string readAll() override { return std::exchange(received_, {}) + (answered_ ? std::exchange(late_, {}) : ""); }
    std::string peek() override { return received_; }
    std::string deviceName(int) const override { return "fuzz"; }
    void waitTick() override {}
    void waitTickOrUntil(const WaitSettled& settled) override
    {
        for (std::chrono::milliseconds elapsed{0}; elapsed < std::chrono::milliseconds(100) && !settled(elapsed);)
            ++elapsed;
    }
    void showProgress(ProgressTarget, const std::string&) override {}

    std::string written, received_, answer_, late_;
    bool answered_ = false;
};

// The operations: reads of a channel block (the argument's), the three VFO blocks,
// the channel bitmap and the identity block; a block write; the current channel's.
enum Operation { ReadChannel, ReadVfo1, ReadVfo2, ReadVfo3, ReadBitmap, ReadIdentity, WriteBlock, WriteCurrent };
constexpr std::uint16_t ReadAddresses[] = {0, VfoBlock1Address, VfoBlock2Address, VfoBlock3Address,
                                           ChannelBitmapAddress, IdentityBlockAddress};

// What the memory map makes of a block that was read, per read operation: decoded
// and encoded again, and the bytes 0 .. Filled - 1 that its fields fill.
using Digits = const std::string&;
const std::pair<std::string (*)(Digits), std::size_t> Codecs[] = {
    {[](Digits d) { ChannelRecord r; DecodeChannelBlock(d, r); return EncodeChannelBlock(r); }, 13},
    {[](Digits d) { VfoSettings v; DecodeVfoBlock1(d, v); return EncodeVfoBlock1(v); }, 12},
    {[](Digits d) { VfoSettings v; DecodeVfoBlock2(d, v); return EncodeVfoBlock2(v, DecodeCurrentChannel(d)); }, 9},
    {[](Digits d) { VfoSettings v; DecodeVfoBlock3(d, v); return EncodeVfoBlock3(v); }, 6},
    {[](Digits d) { ChannelTable t; DecodeChannelBitmap(d, t); return EncodeChannelBitmap(t); }, 13},
};

// Every byte a field fills comes back and the bytes that carry no field are FF;
// in the identity block the model code is byte 7F6h.
void CheckCodecs(Operation operation, std::string digits)
{
    if (operation == ReadIdentity)
        return Require(DecodeModelCode(digits) == std::stoul(digits.substr(12, 2), nullptr, 16), "model code at 7F6h");
    const auto [roundTrip, filled] = Codecs[operation];
    const std::string encoded = roundTrip(digits);
    if (operation == ReadBitmap) {
        // Byte 72Ch: channels 96 to 99 in the high digit, the low one 0 on writing.
        Require(encoded[25] == '0', "channel bitmap byte 72Ch");
        digits[25] = '0';
    }
    Require(encoded == digits.substr(0, 2 * filled) + std::string(2 * (BlockSize - filled), 'F'), "block encoded back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const auto operation = static_cast<Operation>(data[0] % 8);
    const std::string rest(reinterpret_cast<const char*>(data + 4), size - 4);
    const std::size_t waiting = std::min<std::size_t>(data[2] % 64, rest.size());
    const std::size_t late = std::min<std::size_t>(data[3] % 64, rest.size() - waiting);
    const std::string answer = rest.substr(waiting, rest.size() - waiting - late);
    const bool write = operation >= WriteBlock;
    const std::uint16_t address =
        operation == ReadChannel ? ChannelBlockAddress(data[1] % ChannelTable::Count) : ReadAddresses[operation % 6];
    char readCommand[16];
    std::snprintf(readCommand, sizeof readCommand, "QZ~F%04XR\r", address);
    const std::string command = !write                    ? readCommand
                                : operation == WriteBlock ? "QZ~F0700W0123456789ABCDEF0123456789ABCDEF\r"
                                                          : "QZ~F0715OW2A\r";
    // A read takes the echo, 2 characters, 32 hex digits and 2 characters; a write the
    // echo, 2 characters, a payload of 2 (not examined) or of 3 that is not "ERR", and
    // 2 characters.
    const std::size_t echo = command.size();
    const std::string payload = answer.size() == echo + 36 ? answer.substr(echo + 2, 32) : "";
    const bool valid = write ? answer.size() == echo + 6 || (answer.size() == echo + 7 && answer.compare(echo + 2, 3, "ERR") != 0)
                             : !payload.empty() && std::ranges::all_of(payload, [](unsigned char c) { return std::isxdigit(c); });

    for (const bool fast : {false, true}) {
        AnswerPort port(rest.substr(0, waiting), answer, rest.substr(rest.size() - late));
        test::RecordingMessageSink messages;
        LinkServices services{port, port, messages, port};
        LinkState link;
        LinkSession session{services, link, 1, {}, fast};
        std::string digits = "untouched";
        const bool ok = write ? TryWriteBlock(session, command).ok() : TryReadBlock(session, address, digits).ok();
        Require(port.written == command || port.written == command + command, "command on the wire, or it repeated");
        Require(ok == valid, ok ? "accepted a wrong answer" : "refused a right answer");
        Require(!fast || !session.SlowedAfter.empty() || (valid && late == 0),
                "fast pace took a wrong answer or one with characters after it");
        Require(ok ? messages.shown.empty()
                   : digits == "untouched" && messages.shown.size() == 1 && messages.shown[0].text == ReadWriteErrorMessage &&
                         messages.shown[0].icon == MessageIcon::Exclamation,
                "an exchange with a message, or a failed one that changed the digits or said not one \"Read/Write Error\"");
        if (!ok || write)
            continue;
        Require(std::ranges::equal(digits, payload, [](char d, unsigned char p) { return d == std::toupper(p); }),
                "read digits not the payload in uppercase");
        CheckCodecs(operation, digits);
    }
    return 0;
}
