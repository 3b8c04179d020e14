#pragma once
// How reading a clone file or channel CSV ended: taken in, or the first thing that
// is wrong in it and where.
#include <string>

namespace kvr27 {

struct [[nodiscard]] FileContentCheck {
    int Line = 0;     // 1-based line of the fault; 0 for the file as a whole
    std::string Why;  // empty when the content was taken in

    bool ok() const { return Why.empty(); }
};

// What the user is told about any file whose content is wrong.
inline constexpr const char* FileReadingErrorMessage = "File reading error.";

} // namespace kvr27
