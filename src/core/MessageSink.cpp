#include "core/MessageSink.h"

namespace kvr27 {

std::string MessageTitle(std::string_view modelName)
{
    if (modelName.empty())
        return "KV-R27 Clone Utility";
    return std::string(modelName) + " Clone Utility";
}

} // namespace kvr27
