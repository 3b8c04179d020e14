#include "core/ProgramVersion.h"

namespace kvr27 {

std::string_view ProgramVersion()
{
    // Set for this file alone from the build's project version.
    return KVR27_VERSION;
}

std::string VersionNotice(std::string_view program)
{
    std::string notice(program);
    notice += " (KV-R27 Clone Utility) ";
    notice += ProgramVersion();
    notice += " beta\n"
              "Copyright (C) 2026 KV-R27 Clone Utility developers\n"
              "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
              "This is free software: you are free to change and redistribute it.\n"
              "There is NO WARRANTY, to the extent permitted by law.\n";
    return notice;
}

} // namespace kvr27
