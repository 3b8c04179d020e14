#include "commands/RadioReading.h"

namespace kvr27 {

RadioReading ReadRadioCopy(const RadioImage& image, LinkSession& session, ProgressTarget target)
{
    RadioReading reading{{}, image, {}};
    reading.Read = ReadRadio(reading.Image, session, RadioParts::All, target, &reading.Blocks);
    return reading;
}

} // namespace kvr27
