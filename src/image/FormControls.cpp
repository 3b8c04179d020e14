#include "image/FormControls.h"

namespace kvr27 {

bool EnabledStates::isEnabled(std::string_view control) const
{
    auto it = states_.find(control);
    return it == states_.end() || it->second;
}

void EnabledStates::set(std::string_view control, bool enabled)
{
    states_.insert_or_assign(std::string(control), enabled);
}

} // namespace kvr27
