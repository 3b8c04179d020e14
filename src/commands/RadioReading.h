#pragma once
// The whole radio read into a copy of the image, as Read > All reads it (the model
// check included), with its blocks as received: what the backup saves, what a review
// compares, and what a write of changed blocks only compares each block with.
#include "image/RadioImage.h"
#include "link/ChangedBlocks.h"
#include "link/ImageTransfers.h"

namespace kvr27 {

struct RadioReading {
    LinkResult Read;
    RadioImage Image; // a copy of the image the read started from, with the radio's settings
    RadioBlocks Blocks;
};

// Reads the whole radio into a copy of `image` with its change flags cleared; the
// image itself is not touched. Messages and progress go through the session.
RadioReading ReadRadioCopy(const RadioImage& image, LinkSession& session, ProgressTarget target);

} // namespace kvr27
