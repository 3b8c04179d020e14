#include "MemoryImageFile.h"

#include "core/FileAccess.h"

#include <string>
#include <string_view>

namespace kvr27::sim {

std::optional<RadioEmulator::Memory> LoadMemoryImage(const std::filesystem::path& file)
{
    std::string bytes;
    if (!ReadWholeFile(file, bytes).ok() || bytes.size() != RadioEmulator::MemorySize)
        return std::nullopt;
    RadioEmulator::Memory memory{};
    for (std::size_t i = 0; i < memory.size(); ++i)
        memory[i] = static_cast<std::uint8_t>(bytes[i]);
    return memory;
}

bool SaveMemoryImage(const std::filesystem::path& file, const RadioEmulator::Memory& memory)
{
    const std::string_view bytes(reinterpret_cast<const char*>(memory.data()), memory.size());
    return ReplaceFileAtomically(file, bytes).ok();
}

} // namespace kvr27::sim
