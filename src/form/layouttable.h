#pragma once

#include <QRectF>
#include <QSizeF>

#include <array>

// The window is designed for an area of 15360 x 11520 twips (1024 x 768
// pixels) and stretched to the screen; the zoom factor shrinks it again.
namespace form {

inline constexpr double designWidth = 15360;
inline constexpr double designHeight = 11520;

inline constexpr double minZoom = 1.0; // the whole screen
inline constexpr double maxZoom = 1.5; // two thirds of it
inline constexpr double zoomStep = 1.1;

// Base geometry of a laid-out control in twips of the design area, relative
// to its container, and its base font size in points (0: keeps its font).
struct Row {
    const char *control;
    double left, top, width, height;
    double fontSize;
};

// In the order the layout sets the controls. Picture1 is the 25th row and
// Command1, which overlaps its top right corner, the last.
extern const std::array<Row, 26> table;

struct Scales {
    double x;    // for Left and Width
    double y;    // for Top and Height
    double font; // the smaller of the two
};

Scales scalesFor(QSizeF screenTwips, double zoomFactor);
QRectF scaledGeometry(const Row &row, const Scales &scales);

// "kleiner" and "größer" walk the zoom factor through powers of 1.1,
// clamped to 1.0 .. 1.5; the factor is kept unrounded.
double zoomedSmaller(double zoomFactor);
double zoomedLarger(double zoomFactor);

} // namespace form
