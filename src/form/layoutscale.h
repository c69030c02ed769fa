#pragma once

#include <QRectF>
#include <QSizeF>

// The window is designed for an area of 15360 x 11520 twips (1024 x 768
// pixels) and stretched to the screen; the zoom factor shrinks it again.
namespace form {

inline constexpr double designWidth = 15360;
inline constexpr double designHeight = 11520;

inline constexpr double minZoom = 1.0; // the whole screen
inline constexpr double maxZoom = 1.5; // two thirds of it
inline constexpr double zoomStep = 1.1;

struct Scales {
    double x;    // for Left and Width
    double y;    // for Top and Height
    double font; // the smaller of the two
};

Scales scalesFor(QSizeF screenTwips, double zoomFactor);
// A control's base geometry (form/controls.h) stretched to the screen.
QRectF scaledGeometry(const QRectF &base, const Scales &scales);

// "kleiner" and "größer" walk the zoom factor through powers of 1.1,
// clamped to 1.0 .. 1.5; the factor is kept unrounded.
double zoomedSmaller(double zoomFactor);
double zoomedLarger(double zoomFactor);

} // namespace form
