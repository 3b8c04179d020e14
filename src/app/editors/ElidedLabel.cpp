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
    return {fontMetrics().horizontalAdvance(QStringLiteral("...")), fontMetrics().height() * linesShown_};
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const QStringList lines = shownLines(area.width());
    const int lineHeight = fontMetrics().height();
    QRect line(area.left(), area.top() + (area.height() - lineHeight * static_cast<int>(lines.size())) / 2,
               area.width(), lineHeight);
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
    const int lines = std::max(1, static_cast<int>(shownLines(contentsRect().width()).size()));
    if (lines != linesShown_) {
        linesShown_ = lines;
        updateGeometry();
    }
}

} // namespace kvr27::app
