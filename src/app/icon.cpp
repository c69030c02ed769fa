#include "app/icon.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace {

// The drawing in a 32-unit square, scaled to any size.
constexpr double side = 32;
constexpr double discRadius = 8.5;
constexpr double rimWidth = 2;
constexpr double strokeInner = 11.5;
constexpr double strokeOuter = 15;
constexpr double strokeWidth = 2.5;
const QColor red(204, 0, 0);

} // namespace

QImage zyklarIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / side, size / side);
    painter.translate(side / 2, side / 2);

    painter.setPen(QPen(red, strokeWidth, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const double angle = i * std::numbers::pi / 4;
        const QPointF direction(std::sin(angle), -std::cos(angle));
        painter.drawLine(direction * strokeInner, direction * strokeOuter);
    }
    painter.setPen(QPen(Qt::white, rimWidth));
    painter.setBrush(red);
    painter.drawEllipse(QPointF(0, 0), discRadius, discRadius);
    return image;
}

QIcon zyklarIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addPixmap(QPixmap::fromImage(zyklarIconImage(size)));
    return icon;
}
