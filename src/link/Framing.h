#pragma once
// The command texts of the clone protocol and the shape of the radio's answers.
// Every command is "QZ~F", a four-digit address, the operation and a carriage
// return; the radio echoes each character it receives before it answers.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kvr27 {

inline constexpr std::string_view CommandPrefix = "QZ~F";
inline constexpr char CommandEnd = '\r';

// Reads 16 bytes: "QZ~F0005R\r" (10 characters).
std::string ReadCommand(std::uint16_t address);
// Writes 16 bytes given as 32 digits: "QZ~F0700W" + digits + "\r" (42 characters).
std::string WriteCommand(std::uint16_t address, std::string_view blockDigits);
// Writes the current memory channel byte alone: "QZ~F0715OW2A\r" (13 characters).
std::string CurrentChannelCommand(std::uint8_t channel);
inline constexpr std::string_view CurrentChannelCommandHead = "QZ~F0715OW";

// An answer is the echo of the command, two characters, the payload and two more
// characters; these are the answer lengths beyond the echo.
inline constexpr std::size_t DataAnswerExtra = 36; // payload of 32 digits
inline constexpr std::size_t ErrorAnswerExtra = 7; // payload "ERR"
inline constexpr std::size_t AckAnswerExtra = 6;   // 2-character acknowledgement
// Characters between the echo and the payload, and after the payload.
inline constexpr std::size_t AnswerLeadLength = 2;
inline constexpr std::size_t AnswerTrailLength = 2;
inline constexpr std::string_view ErrorPayload = "ERR";

} // namespace kvr27
