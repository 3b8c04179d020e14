#pragma once
// How the answer to one command is judged: whether it is the data or the
// acknowledgement the command waits for, or why the exchange failed. The link and
// the exchange trace both judge with this, so they never disagree.
#include "link/LinkResult.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kvr27 {

// What a command waits for: 32 data digits after a read, an acknowledgement of 2
// or 3 characters after a write.
enum class ExchangeKind { Read, Write };

// The kind of exchange a command opens: a read command ("QZ~F0005R\r") or a write.
ExchangeKind ExchangeKindOf(std::string_view command);

struct [[nodiscard]] AnswerJudgement {
    LinkFault Fault = LinkFault::None; // None, NoAnswer, WrongLength, ErrorAnswer or NotHexadecimal
    std::string Payload;               // the data digits or the acknowledgement, on success
};

// Judges the answer to `command` (carriage return included) from `count`, the
// characters waiting once the wait was over, and `answer`, the characters taken
// then (echo first). A count no longer than the echo is no answer, whatever
// `answer` holds: nothing is taken then. A read accepts only 32 hexadecimal
// digits; a write any 2 or 3 characters but "ERR".
AnswerJudgement JudgeAnswer(ExchangeKind kind, std::string_view command, std::size_t count, std::string_view answer);

// Whether `received`, the characters come so far after `command`, is a whole answer
// that a fast exchange may stop waiting for: the echo intact, then 32 digits or
// "ERR" after a read, 2 characters or 3 after a write. A length that begins a
// longer answer is whole only when it cannot be that answer's beginning: a read's
// "ERR" (its data are digits), a write's 2 characters when they do not begin "ERR".
bool AnswerIsWhole(ExchangeKind kind, std::string_view command, std::string_view received);

// The verdict in a word or two, for the trace: "data", "acknowledgement", "no
// answer", "wrong length", "ERR" or "not hexadecimal".
std::string VerdictText(ExchangeKind kind, LinkFault fault);

} // namespace kvr27
