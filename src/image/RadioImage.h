#pragma once
// The one in-memory copy of a radio's settings, with the model it was taken for.
// Whether it holds unsaved changes is its history's to say (DocumentHistory).
#include "image/ChannelRecord.h"
#include "image/VfoDefaults.h"
#include "image/VfoSettings.h"

#include <cstdint>
#include <string>

namespace kvr27 {

struct RadioImage {
    std::string ModelName;          // chosen at start-up, fixed for the run
    std::uint8_t ModelCode = 0;     // the radio's variant code, replaced by each transfer
    VfoSettings Vfo;
    ChannelTable Channels;
    VfoDefaults Defaults;

    bool operator==(const RadioImage&) const = default;
};

} // namespace kvr27
