#pragma once

#include <QFont>
#include <QString>

// Lengths of the window and its pictures are twips: 1440 per inch, so 15 per
// device-independent pixel at the standard density of 96 pixels per inch.
namespace drawing {

inline constexpr double twipsPerPixel = 15.0;

// A length in twips as whole device-independent pixels; a negative length is
// taken as zero.
int pixelsFromTwips(double twips);
double twipsFromPixels(int pixels);

// The frame around a picture box, in device-independent pixels on each
// side: the drawing area lies inside it.
inline constexpr int pictureBoxBorder = 2;

// A font described by family, size and weight. `fixedPitch` asks for a
// monospaced face when the family itself is not installed.
struct FontSpec {
    QString family;
    double points = 0;
    bool bold = false;
    bool fixedPitch = false;
};
QFont makeFont(const FontSpec &face);

} // namespace drawing
