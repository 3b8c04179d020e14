#pragma once
// File names between Qt's texts and std::filesystem::path, letter for letter on every
// system (through UTF-16, never the system's narrow code page).
#include <QString>

#include <filesystem>

namespace kvr27 {

inline std::filesystem::path PathFromQString(const QString& text)
{
    return std::filesystem::path(text.toStdU16String());
}

inline QString QStringFromPath(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

} // namespace kvr27
