#include "commands/RadioReading.h"

namespace kvr27 {

RadioReading ReadRadioCopy(const RadioImage& image, LinkSession& session, ProgressTarget target)
{
    RadioReading reading{{}, image, {}};
    reading.Image.SettingsChanged = reading.Image.VfoChanged = reading.Image.ChannelsChanged = false;
    reading.Read = ReadRadio(reading.Image, session, RadioParts::All, target, &reading.Blocks);
    return reading;
}

} // namespace kvr27
