#include "app/RadioPictures.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace kvr27 {

namespace {

// Pictures grow with the font, so they keep their place beside the labels.
int PictureUnit()
{
    return std::max(8, QFontMetrics(QApplication::font()).height()) / 2;
}

QPixmap BlankPicture(int width, int height)
{
    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    return picture;
}

// A hand-held radio 8 units wide and 16 high, its top left corner at the origin.
void DrawRadio(QPainter& p, double u)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 30), u / 4.0));

    p.setBrush(QColor(60, 60, 60));
    p.drawRoundedRect(QRectF(5.2 * u, 0.3 * u, 1.2 * u, 5 * u), 0.5 * u, 0.5 * u); // antenna
    p.setBrush(QColor(45, 70, 110));
    p.drawRoundedRect(QRectF(1 * u, 4.5 * u, 6 * u, 11 * u), 1 * u, 1 * u); // body
    p.setBrush(QColor(170, 210, 160));
    p.drawRect(QRectF(2 * u, 5.8 * u, 4 * u, 2.2 * u)); // display

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 220, 220));
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            p.drawEllipse(QRectF((2.1 + 1.4 * column) * u, (9 + 1.2 * row) * u, 0.9 * u, 0.8 * u)); // keypad
    p.setBrush(QColor(25, 25, 25));
    for (int slot = 0; slot < 3; ++slot)
        p.drawRect(QRectF(2.2 * u, (12.9 + 0.7 * slot) * u, 3.6 * u, 0.3 * u)); // speaker
}

} // namespace

QPixmap RadioPicture()
{
    const int u = PictureUnit();
    QPixmap picture = BlankPicture(8 * u, 16 * u);
    QPainter p(&picture);
    DrawRadio(p, u);
    return picture;
}

QImage ProgramIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    const double u = size / 16.0;
    p.translate(size / 4.0, 0); // the radio is half as wide as high
    DrawRadio(p, u);
    return icon;
}

QPixmap CablePicture()
{
    const int u = PictureUnit();
    QPixmap picture = BlankPicture(8 * u, 8 * u);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath cable;
    cable.moveTo(4 * u, 4.5 * u);
    cable.cubicTo(4 * u, 7 * u, 7 * u, 5 * u, 7.5 * u, 7.5 * u);
    p.setPen(QPen(QColor(40, 40, 40), 0.6 * u, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);

    QPainterPath plug; // a D-shaped serial plug
    plug.moveTo(0.5 * u, 1 * u);
    plug.lineTo(7.5 * u, 1 * u);
    plug.lineTo(6.5 * u, 4.5 * u);
    plug.lineTo(1.5 * u, 4.5 * u);
    plug.closeSubpath();
    p.setPen(QPen(QColor(30, 30, 30), u / 4.0));
    p.setBrush(QColor(150, 155, 165));
    p.drawPath(plug);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    for (int pin = 0; pin < 5; ++pin)
        p.drawEllipse(QRectF((1.4 + 1.1 * pin) * u, 1.9 * u, 0.6 * u, 0.6 * u));
    for (int pin = 0; pin < 4; ++pin)
        p.drawEllipse(QRectF((1.95 + 1.1 * pin) * u, 3.1 * u, 0.6 * u, 0.6 * u));
    return picture;
}

} // namespace kvr27
