#include "core/SetupIni.h"

#include <fstream>
#include <string>
#include <system_error>

namespace kvr27 {

int ReadSetupIni(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return 0;
    std::string line;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() == 1 && line[0] >= '1' && line[0] <= '5')
        return line[0] - '1';
    return 0;
}

bool WriteSetupIni(const std::filesystem::path& file, int comIndex)
{
    if (comIndex < 0 || comIndex > 4)
        return false;
    std::filesystem::path temp = file;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out << static_cast<char>('1' + comIndex) << "\r\n";
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temp, file, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return false;
    }
    return true;
}

} // namespace kvr27
