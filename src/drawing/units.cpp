#include "drawing/units.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace drawing {

int pixelsFromTwips(double twips)
{
    if (!(twips > 0)) // also catches NaN
        return 0;
    return int(std::lround(std::min(twips / twipsPerPixel, 1e6)));
}

double twipsFromPixels(int pixels)
{
    return pixels * twipsPerPixel;
}

// The families the window was designed with, and the metric-compatible
// stand-ins Debian's fonts-liberation installs for them.
static QStringList familiesFor(const QString &family)
{
    static const QHash<QString, QString> standIns = {
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
    };
    QStringList families{family};
    if (const auto standIn = standIns.constFind(family); standIn != standIns.cend())
        families << *standIn;
    return families;
}

QFont makeFont(const FontSpec &face)
{
    QFont font;
    font.setFamilies(familiesFor(face.family));
    if (face.fixedPitch) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    font.setPointSizeF(face.points);
    font.setWeight(face.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace drawing
