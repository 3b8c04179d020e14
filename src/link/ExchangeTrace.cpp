#include "link/ExchangeTrace.h"

#include "link/AnswerJudgement.h"
#include "link/HexText.h"

namespace kvr27 {

TraceClock SteadyTraceClock()
{
    return [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
    };
}

std::string EscapeControls(std::string_view text)
{
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            shown += "\\\\";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (byte < 0x20 || byte >= 0x7F) {
            shown += "\\x" + HexByte(byte);
        } else {
            shown += c;
        }
    }
    return shown;
}

TracingPort::TracingPort(Port& port, TraceClock clock, bool timed)
    : port_(port), clock_(std::move(clock)), start_(clock_()), timed_(timed)
{
}

void TracingPort::write(const std::string& text)
{
    TracedExchange exchange;
    exchange.Time = clock_() - start_;
    exchange.Command = text;
    exchanges_.push_back(std::move(exchange));
    port_.write(text);
}

std::size_t TracingPort::bytesAvailable()
{
    const std::size_t count = port_.bytesAvailable();
    if (!exchanges_.empty() && !exchanges_.back().TakenAfterCount) {
        exchanges_.back().Count = count;
        if (timed_)
            exchanges_.back().Took = clock_() - start_ - exchanges_.back().Time;
        exchanges_.back().Counted = true;
    }
    return count;
}

std::string TracingPort::readAll()
{
    std::string characters = port_.readAll();
    if (!exchanges_.empty()) {
        TracedExchange& current = exchanges_.back();
        current.Received += characters;
        if (current.Counted && !current.TakenAfterCount) {
            current.Taken = characters;
            current.TakenAfterCount = true;
        }
    }
    return characters;
}

void TracingPort::finish()
{
    if (!exchanges_.empty() && port_.isOpen())
        readAll();
}

std::string TraceLine(const TracedExchange& exchange, bool timed)
{
    const ExchangeKind kind = ExchangeKindOf(exchange.Command);
    const LinkFault fault = JudgeAnswer(kind, exchange.Command, exchange.Count, exchange.Taken).Fault;
    return std::to_string(exchange.Time.count()) + " ms | " + EscapeControls(exchange.Command) + " | " +
           EscapeControls(exchange.Received) + " | " + std::to_string(exchange.Count) + " | " +
           VerdictText(kind, fault) + (timed ? " | " + std::to_string(exchange.Took.count()) + " ms" : "");
}

std::string TracingPort::text() const
{
    std::string lines;
    for (const TracedExchange& exchange : exchanges_)
        lines += TraceLine(exchange, timed_) + '\n';
    return lines;
}

} // namespace kvr27
