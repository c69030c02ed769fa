#include "app/icon.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace {

// The drawing in a 32-unit square centred on the origin.
constexpr double side = 32;
constexpr double discRadius = 8.5;
constexpr double rimWidth = 2;
constexpr double strokeInner = 11.5;
constexpr double strokeOuter = 15;
constexpr double strokeWidth = 2.5;
constexpr int strokes = 8;
constexpr QColor red{204, 0, 0};

// Stroke i points up for i = 0 and turns clockwise in steps of 45°.
QPointF strokeDirection(int i)
{
    const double angle = i * 2 * std::numbers::pi / strokes;
    return {std::sin(angle), -std::cos(angle)};
}

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
    for (int i = 0; i < strokes; ++i)
        painter.drawLine(strokeDirection(i) * strokeInner, strokeDirection(i) * strokeOuter);
    painter.setPen(QPen(Qt::white, rimWidth));
    painter.setBrush(red);
    painter.drawEllipse(QPointF(0, 0), discRadius, discRadius);
    return image;
}

QString zyklarIconSvg()
{
    const QString colour = red.name();
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                 "viewBox=\"%2 %2 %1 %1\">\n")
                          .arg(side)
                          .arg(-side / 2);
    svg += QStringLiteral("  <g stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\">\n")
                   .arg(colour)
                   .arg(strokeWidth);
    for (int i = 0; i < strokes; ++i) {
        const QPointF from = strokeDirection(i) * strokeInner;
        const QPointF to = strokeDirection(i) * strokeOuter;
        svg += QStringLiteral("    <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"/>\n")
                       .arg(from.x(), 0, 'f', 3)
                       .arg(from.y(), 0, 'f', 3)
                       .arg(to.x(), 0, 'f', 3)
                       .arg(to.y(), 0, 'f', 3);
    }
    svg += QStringLiteral("  </g>\n  <circle cx=\"0\" cy=\"0\" r=\"%1\" fill=\"%2\" stroke=\"#ffffff\" "
                          "stroke-width=\"%3\"/>\n</svg>\n")
                   .arg(discRadius)
                   .arg(colour)
                   .arg(rimWidth);
    return svg;
}

QIcon zyklarIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addPixmap(QPixmap::fromImage(zyklarIconImage(size)));
    return icon;
}
