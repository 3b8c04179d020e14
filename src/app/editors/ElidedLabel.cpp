#include "app/editors/ElidedLabel.h"

#include <QPainter>

#include <algorithm>

namespace kvr27::app {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::setFullText(const QString& text, const QString& whole)
{
    whole_ = whole == text ? QString() : whole;
    setText(text);
    updateToolTip();
}

void ElidedLabel::setMaxLines(int lines)
{
    maxLines_ = std::max(1, lines);
    updateGeometry();
    updateToolTip();
}

QStringList ElidedLabel::shownLines(int width) const
{
    const QFontMetrics metrics = fontMetrics();
    QStringList lines;
    QString rest = text();
    while (!rest.isEmpty()) {
        if (lines.size() == maxLines_ - 1 || metrics.horizontalAdvance(rest) <= width) {
            lines << metrics.elidedText(rest, Qt::ElideRight, width);
            break;
        }
        // The longest start that fits, ended at a space where there is one.
        int fits = 1;
        while (fits < rest.size() && metrics.horizontalAdvance(rest.left(fits + 1)) <= width)
            ++fits;
        const int space = rest.lastIndexOf(QLatin1Char(' '), fits);
        const int cut = space > 0 ? space : fits;
        lines << rest.left(cut);
        rest = rest.mid(space > 0 ? cut + 1 : cut);
    }
    return lines;
}

QSize ElidedLabel::sizeHint() const
{
    return minimumSizeHint();
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QMargins margins = contentsMargins();
    return {fontMetrics().horizontalAdvance(QStringLiteral("...")) + margins.left() + margins.right(),
            fontMetrics().height() * maxLines_ + margins.top() + margins.bottom()};
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const QStringList lines = shownLines(area.width());
    const int lineHeight = fontMetrics().height();
    // Lines at the top of the room, or in its middle.
    const int free = area.height() - lineHeight * static_cast<int>(lines.size());
    QRect line(area.left(), area.top() + (alignment() & Qt::AlignTop ? 0 : free / 2), area.width(), lineHeight);
    const int horizontal = static_cast<int>(alignment() & Qt::AlignHorizontal_Mask);
    for (const QString& text : lines) {
        painter.drawText(line, horizontal | Qt::AlignVCenter, text);
        line.translate(0, lineHeight);
    }
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    updateToolTip();
}

void ElidedLabel::updateToolTip()
{
    const bool cut = fontMetrics().horizontalAdvance(text()) > contentsRect().width();
    setToolTip(!whole_.isEmpty() ? whole_ : cut ? text() : QString());
}

ElidedLabel* MakeRangeRemark(QWidget* parent, int lines)
{
    auto* label = new ElidedLabel(parent);
    label->setObjectName(QStringLiteral("lblRange"));
    label->setMaxLines(lines);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0x8a, 0x4b, 0x00));
    label->setPalette(palette);
    return label;
}

} // namespace kvr27::app
