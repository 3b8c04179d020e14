#pragma once
// How reading a clone file or channel CSV ended: taken in, or the first thing that
// is wrong in it and where.
#include "core/UserText.h"
#include <string>
#include <string_view>

namespace kvr27 {

struct [[nodiscard]] FileContentCheck {
    int Line = 0;     // 1-based line of the fault; 0 for the file as a whole
    std::string Why;  // empty when the content was taken in

    bool ok() const { return Why.empty(); }
    // Where and why, as one sentence for the user: "Line 39: ..." or, for the file
    // as a whole, the reason alone.
    std::string detail() const;
};

// What the user is told about any file whose content is wrong.
inline constexpr const char* FileReadingErrorMessage = KVR27_TEXT("Messages", "File reading error.");

// A text of the file between double quotes for a reason, a long one cut short.
std::string Quoted(std::string_view text);

} // namespace kvr27
