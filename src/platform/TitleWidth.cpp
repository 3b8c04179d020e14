#include "platform/TitleWidth.h"

#include <QFontMetrics>
#include <QWidget>

namespace kvr27 {

int TitleBarWidth(const QWidget& window)
{
    QFont captionFont = window.font();
    captionFont.setBold(true);
    return QFontMetrics(captionFont).horizontalAdvance(window.windowTitle()) + 8 * window.fontMetrics().height();
}

} // namespace kvr27
