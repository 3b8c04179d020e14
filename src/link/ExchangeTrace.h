#pragma once
// The exchange trace: a port that passes everything on to the port it wraps and
// keeps each exchange with the radio as one line of text (when it began, the
// command, the answer, the count and the verdict), for a user's bug report.
#include "link/Port.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kvr27 {

// The time of a trace's clock; only differences count. The program's clock is
// steady_clock; tests give their own.
using TraceClock = std::function<std::chrono::milliseconds()>;
TraceClock SteadyTraceClock();

// The text with every control character and every byte beyond ASCII as an escape
// (\r, \n, \t, else \xNN) and a backslash as "\\", so a trace line stays one line
// and shows what really came.
std::string EscapeControls(std::string_view text);

// One exchange as the port saw it.
struct TracedExchange {
    std::chrono::milliseconds Time{};  // since the trace began, when the command went out
    std::string Command;               // as sent, carriage return included
    std::size_t Count = 0;             // the characters waiting when the count was taken
    std::chrono::milliseconds Took{};  // from the command to the count
    std::string Taken;                 // the characters taken first after the count: what is judged
    std::string Received;              // every character received for this exchange, late ones too
    bool Counted = false;
    bool TakenAfterCount = false;
};

// A port that records every exchange: a write starts one; the count and the
// characters taken from then on belong to it, also late characters that the next
// exchange throws away before its own command.
class TracingPort : public Port {
public:
    // With `timed` each line ends with how long its exchange took.
    TracingPort(Port& port, TraceClock clock = SteadyTraceClock(), bool timed = false);

    PortOpening open(int portNumber) override { return port_.open(portNumber); }
    void close() override { port_.close(); }
    bool isOpen() const override { return port_.isOpen(); }
    void write(const std::string& text) override;
    std::size_t bytesAvailable() override;
    std::string readAll() override;
    std::string peek() override { return port_.peek(); }
    std::string deviceName(int portNumber) const override { return port_.deviceName(portNumber); }

    const std::vector<TracedExchange>& exchanges() const { return exchanges_; }

    // At the end of a command: takes the characters still waiting into the last
    // exchange, so a late answer shows in the trace (the next command would throw
    // them away before its own).
    void finish();

    // The trace: one line per exchange, "<ms> ms | <command> | <answer> | <count> |
    // <verdict>" (timed: then " | <took> ms"), each ending in a line feed; the
    // verdict as the link judges it.
    std::string text() const;

private:
    Port& port_;
    TraceClock clock_;
    std::chrono::milliseconds start_;
    bool timed_;
    std::vector<TracedExchange> exchanges_;
};

// One line of the trace, without its line end.
std::string TraceLine(const TracedExchange& exchange, bool timed = false);

} // namespace kvr27
