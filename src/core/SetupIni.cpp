#include "core/SetupIni.h"

#include "core/FileAccess.h"

#include <string>
#include <string_view>

namespace kvr27 {

int ReadSetupIni(const std::filesystem::path& file)
{
    std::string text;
    if (!ReadWholeFile(file, text).ok())
        return 0;
    const std::string_view line = std::string_view(text).substr(0, text.find('\n'));
    const std::string_view digit = line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
    if (digit.size() == 1 && digit[0] >= '1' && digit[0] <= '5')
        return digit[0] - '1';
    return 0;
}

FileResult WriteSetupIni(const std::filesystem::path& file, int comIndex)
{
    if (comIndex < 0 || comIndex > 4)
        return {FileResult::Step::Write, "no COM option " + std::to_string(comIndex + 1)};
    const std::string content{static_cast<char>('1' + comIndex), '\r', '\n'};
    return ReplaceFileAtomically(file, content);
}

bool IsInstalledProgramFolder(const std::filesystem::path& programFolder,
                              const std::filesystem::path& installFolder)
{
    namespace fs = std::filesystem;
    std::error_code ignored;
    const fs::path folder = fs::weakly_canonical(fs::absolute(programFolder, ignored), ignored);
    const auto within = [&folder](const fs::path& prefix) {
        auto part = folder.begin();
        for (const fs::path& element : prefix) {
            if (part == folder.end() || *part != element)
                return false;
            ++part;
        }
        return true;
    };
    for (const char* system : {"/usr", "/opt", "/snap"}) {
        if (within(system))
            return true;
    }
    for (const char* system : {"/bin", "/sbin"}) {
        if (folder == system)
            return true;
    }
    return !installFolder.empty() && folder == fs::weakly_canonical(installFolder, ignored);
}

std::filesystem::path ChooseSetupIniPath(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& userConfigFolder,
                                         const std::filesystem::path& installFolder)
{
    std::filesystem::path userFile = userConfigFolder / SetupIniName;
    std::error_code status;
    if (std::filesystem::is_regular_file(userFile, status))
        return userFile;
    if (!IsInstalledProgramFolder(programFolder, installFolder) && CanCreateFilesIn(programFolder))
        return programFolder / SetupIniName;
    return userFile;
}

} // namespace kvr27
