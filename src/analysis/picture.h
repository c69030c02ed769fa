#pragma once

#include "drawing/units.h"

#include <QColor>
#include <QRectF>
#include <QSize>

namespace drawing {
class Canvas;
}

// The picture of an analysis, as one description that the window's layout
// and the command line's `zyklar bild` both read: where Picture1 sits on the
// design area, its border, its user coordinates, background and font.
namespace analysis::picture {

// Picture1's base geometry in twips of the 15360 x 11520 design area (the
// layout stretches it to the screen).
inline constexpr QRectF designGeometry{8800, 0, 6200, 5400};

// User coordinates: (left, top) is the top left corner of the drawing area,
// (right, bottom) the bottom right one, so (0, 0) is its centre and the ring
// of radius 0.85 with its numbers at 1.15 fits inside.
inline constexpr double left = -1.32;
inline constexpr double top = -1.22;
inline constexpr double right = 1.32;
inline constexpr double bottom = 1.22;

inline constexpr QColor background{0, 0, 128};
inline const drawing::FontSpec font{QStringLiteral("Times New Roman"), 8.25};

// The drawing area inside the border at the design size, in pixels.
QSize designSize();

// A canvas of its own set up as Picture1 is at the design size: the
// command line draws on it with no window.
void setUpCanvas(drawing::Canvas &canvas);

} // namespace analysis::picture
