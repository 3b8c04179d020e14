#pragma once
// The width a window needs to show its whole title in the title bar.
class QWidget;

namespace kvr27 {

// The title's width in the (often bold) title bar font, with room for the bar's
// buttons and icon.
int TitleBarWidth(const QWidget& window);

} // namespace kvr27
