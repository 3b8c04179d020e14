#include "MemoryImageFile.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace kvr27::sim {

std::optional<RadioEmulator::Memory> LoadMemoryImage(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() != RadioEmulator::MemorySize)
        return std::nullopt;
    RadioEmulator::Memory memory{};
    for (std::size_t i = 0; i < memory.size(); ++i)
        memory[i] = static_cast<std::uint8_t>(bytes[i]);
    return memory;
}

bool SaveMemoryImage(const std::filesystem::path& file, const RadioEmulator::Memory& memory)
{
    std::filesystem::path temp = file;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(memory.data()), static_cast<std::streamsize>(memory.size()));
        if (!out.flush())
            return false;
    }
    std::error_code error;
    std::filesystem::rename(temp, file, error);
    return !error;
}

} // namespace kvr27::sim
