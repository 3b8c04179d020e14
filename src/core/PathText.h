#pragma once
// File names as the program's texts carry them: UTF-8, on every system. A path made
// from a plain std::string is read in the system's narrow code page on Windows (not
// UTF-8), and path::string() can throw there for letters outside it, so user paths
// cross between texts and paths only through these two.
#include <filesystem>
#include <string>
#include <string_view>

namespace kvr27 {

// The path a UTF-8 text names ("C:\Users\José\radio.r27", "/home/josé/radio.r27").
inline std::filesystem::path PathFromUtf8(std::string_view text)
{
    return {std::u8string(text.begin(), text.end())};
}

// The path as UTF-8 text, for messages, reports and the dialogs' texts.
inline std::string Utf8FromPath(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

} // namespace kvr27
