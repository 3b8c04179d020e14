#pragma once
// The lines of a text file as the clone file and the channel CSV read them, and the
// line end they are written with.
#include "files/FileContentCheck.h"

#include <string_view>
#include <vector>

namespace kvr27 {

// Every line this program writes ends with CR LF, the last one included.
inline constexpr std::string_view FileLineEnd = "\r\n";

// The file's lines, split at CR LF, LF or a CR alone (as a spreadsheet may save
// them), so all three read alike; a UTF-8 byte order mark at the start is skipped. A
// line end after the last line does not start another line: "a\r\nb\r\n", "a\rb\r"
// and "a\r\nb" are two lines, "a\r\nb\r\n\r\n" is three and an empty file none.
std::vector<std::string_view> SplitFileLines(std::string_view text);

// Refuses a file that is no text: one holding a control character other than tab,
// CR and LF (a NUL byte, say), with the line it stands on.
FileContentCheck CheckTextContent(std::string_view text);

} // namespace kvr27
