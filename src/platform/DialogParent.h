#pragma once
// The window a message box or dialog belongs to: the modal window in front, else the
// active one, so the box is centred on it and keeps it from being used meanwhile.
class QWidget;

namespace kvr27 {

QWidget* DialogParent();

} // namespace kvr27
