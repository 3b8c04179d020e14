#pragma once
// Whole-file reads and writes for tests that prepare or inspect files, byte for byte.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kvr27::test {

inline std::string ReadFileText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void WriteFileText(const std::filesystem::path& file, const std::string& content)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
}

} // namespace kvr27::test
