#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// Lengths of the window and its controls are twips: 1440 per inch, so 15 per
// device-independent pixel at the standard density of 96 pixels per inch.
namespace platform {

inline constexpr double twipsPerPixel = 15.0;

// A length in twips as whole device-independent pixels; a negative length is
// taken as zero.
int pixelsFromTwips(double twips);
double twipsFromPixels(int pixels);

// Places a control relative to its container. Sizes below zero become zero.
void setGeometryTwips(QWidget &control, float left, float top, float width, float height);

// The outer rectangle of a top-level window, frame included.
void setWindowPositionTwips(QWidget &window, float left, float top);
void setWindowSizeTwips(QWidget &window, float width, float height);

// Font size in points; a size that is not positive leaves the font as it is.
void setFontSize(QWidget &control, float points);

// A font described by family, size and weight. `fixedPitch` asks for a
// monospaced face when the family itself is not installed.
struct FontSpec {
    QString family;
    double points = 0;
    bool bold = false;
    bool fixedPitch = false;
};
QFont makeFont(const FontSpec &face);

// Background and text colour of a control; an invalid colour keeps the
// toolkit's default for that role.
void setColours(QWidget &control, const QColor &background, const QColor &text);

} // namespace platform
