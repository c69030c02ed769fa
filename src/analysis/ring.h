#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

// The N positions of the modulus as dots on a circle, and the two header
// rows that go with the rows of minimal distances. Plain geometry and text:
// the window's picture box and `zyklar bild` draw from it alike.
namespace analysis {

// One turn, as the angle step divides it: 6.283 and not 2π, so the gap from
// the last position back to position 0 is about 0.000185 rad wider than the
// others.
inline constexpr double fullTurn = 6.283;
inline constexpr double ringRadius = 0.85;
inline constexpr double dotRadius = 0.02;
inline constexpr QColor dotColour{55, 55, 255};

double angleStepFor(int n);

// Position i at the angle i · angleStep: position 0 straight below the
// centre (y grows downwards), the others following counter-clockwise.
QPointF pointAt(double radius, double angle);
QPointF positionPoint(int i, double angleStep);

// txtKopf numbers the columns 1 … n; txtSchub gives for column j the value
// ⌊n / j⌋, the spacing of j points dividing n positions as evenly as
// possible. Both are rows of n three-character columns.
struct HeaderRows {
    QString numbers;
    QString spacings;
};
HeaderRows headerRows(int n);

} // namespace analysis
