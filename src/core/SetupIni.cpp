#include "core/SetupIni.h"

#include "core/FileAccess.h"

#include <fstream>
#include <string>

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
    const std::string content{static_cast<char>('1' + comIndex), '\r', '\n'};
    return ReplaceFileAtomically(file, content).ok();
}

std::filesystem::path ChooseSetupIniPath(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& userConfigFolder)
{
    std::filesystem::path userFile = userConfigFolder / SetupIniName;
    std::error_code status;
    if (std::filesystem::is_regular_file(userFile, status))
        return userFile;
    if (CanCreateFilesIn(programFolder))
        return programFolder / SetupIniName;
    return userFile;
}

} // namespace kvr27
