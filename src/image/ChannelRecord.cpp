#include "image/ChannelRecord.h"

#include <stdexcept>
#include <string>

namespace kvr27 {

namespace {
void CheckIndex(int index)
{
    if (index < 0 || index >= ChannelTable::Count)
        throw std::out_of_range("channel index " + std::to_string(index) + " outside 0..99");
}
} // namespace

ChannelRecord& ChannelTable::at(int index)
{
    CheckIndex(index);
    return records_[static_cast<std::size_t>(index)];
}

const ChannelRecord& ChannelTable::at(int index) const
{
    CheckIndex(index);
    return records_[static_cast<std::size_t>(index)];
}

std::uint8_t ChannelTable::firstEnabledNumber() const
{
    for (std::size_t n = 0; n < records_.size(); ++n) {
        if (records_[n].Enabled)
            return static_cast<std::uint8_t>(n + 1);
    }
    return 0;
}

} // namespace kvr27
