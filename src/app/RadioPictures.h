#pragma once
// The pictures of the splash window and the about box, drawn rather than loaded, so
// the program needs no image files.
#include <QPixmap>

namespace kvr27 {

// A hand-held radio with its antenna, display and keypad.
QPixmap RadioPicture();
// A serial plug with its cable, the link between computer and radio.
QPixmap CablePicture();

} // namespace kvr27
