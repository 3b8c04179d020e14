#include "core/Dialogs.h"

namespace kvr27 {

std::optional<std::string> Dialogs::openFile(const std::string& filter)
{
    auto chosen = chooseFileToOpen(filter, lastFileName_);
    if (chosen)
        lastFileName_ = *chosen;
    return chosen;
}

std::optional<std::string> Dialogs::saveFile(const std::string& filter)
{
    auto chosen = chooseFileToSave(filter, lastFileName_);
    if (chosen)
        lastFileName_ = *chosen;
    return chosen;
}

} // namespace kvr27
