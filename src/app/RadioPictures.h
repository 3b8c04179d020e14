#pragma once
// The pictures of the splash window and the about box, drawn rather than loaded, so
// the program needs no image files.
#include <QImage>
#include <QPixmap>

namespace kvr27 {

// A hand-held radio with its antenna, display and keypad.
QPixmap RadioPicture();
// The program's icon: the hand-held radio centred in a square of `size` pixels on a
// transparent ground. Needs no application object, so a build step can draw it.
QImage ProgramIcon(int size);
// A serial plug with its cable, the link between computer and radio.
QPixmap CablePicture();

} // namespace kvr27
