#pragma once

#include "drawing/units.h"

#include <QColor>

class QWidget;

// Controls placed and sized in twips (drawing/units.h).
namespace platform {

// Places a control relative to its container. Sizes below zero become zero.
void setGeometryTwips(QWidget &control, float left, float top, float width, float height);

// The outer rectangle of a top-level window, frame included.
void setWindowPositionTwips(QWidget &window, float left, float top);
void setWindowSizeTwips(QWidget &window, float width, float height);

// Font size in points; a size that is not positive leaves the font as it is.
void setFontSize(QWidget &control, float points);

// Background and text colour of a control; an invalid colour keeps the
// toolkit's default for that role.
void setColours(QWidget &control, const QColor &background, const QColor &text);

} // namespace platform
