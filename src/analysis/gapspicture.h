#pragma once

#include "numbers/threegaps.h"

#include <QColor>
#include <QPointF>
#include <QFont>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

// The picture of the three gaps without a widget: the circle of N
// positions at one step of the occupation by k, or the sunflower of its
// seeds, for the window "Drei Abstände" and `zyklar luecken --animation`.
namespace analysis {

// The colours of the gap lengths: the shortest, a middle one where there
// is one, the longest. Blue, orange and black stay apart for every kind of
// colour blindness and, as light, middle and dark, in greyscale print.
namespace gapcolours {
inline constexpr QColor shortest{0, 114, 178};
inline constexpr QColor middle{230, 159, 0};
inline constexpr QColor longest{0, 0, 0};
// The newest position and the gap it split.
inline constexpr QColor newest{200, 0, 0};
// The two families of spirals in the sunflower, the fewer first.
inline constexpr QColor spirals[] = {shortest, middle};

// The colour of a gap of `length` among the lengths of one step.
QColor of(const numbers::Gaps &gaps, numbers::u64 length);
} // namespace gapcolours

// One arc of the circle: from an occupied position to the next one
// forwards, `length` positions on.
struct GapArc {
    numbers::u64 from;
    numbers::u64 length;
    QColor colour;
};

// The arcs between neighbouring occupied positions after step i of the
// occupation of n positions by k: i + 1 arcs, round the circle from 0.
std::vector<GapArc> gapArcs(numbers::u64 n, numbers::u64 k, int step);

// How the circle of n positions sits in a picture of a given size, in
// pixels: the ring, the width of its arcs, the spacing of two positions
// along it, and how far a marker of an occupied position reaches along the
// ring on either side. A marker reaches at most a sixth of the spacing, so
// a gap of length 1 shows two thirds of its arc at least; where that is too
// little room for a dot, the markers are radial ticks a pixel wide.
struct RingGeometry {
    QPointF centre;
    double radius = 0;
    double arcWidth = 0;
    double spacing = 0;
    double markerReach = 0;
    bool ticks = false;

    // The part of a gap's arc that no marker covers.
    double visibleLength(numbers::u64 length) const
    {
        return std::max(0.0, double(length) * spacing - 2 * markerReach);
    }
};
RingGeometry ringGeometry(QSizeF size, numbers::u64 n);

// The sunflower: seed i at the angle 2π·i·k/N and the radius c·√i (Vogel's
// model of a sunflower head). The eye sees spirals through each seed and
// its nearest neighbours, the seeds q and q' before it in two directions:
// the parastichy numbers, denominators of the convergents (and intermediate
// fractions) of k/N. Found at the outermost seed, `step`: its nearest
// neighbour, and the nearest one in another direction, not on a spiral
// with the first (a difference that neither divides nor is divided by the
// other). Fewer than two where there is no such seed. From about ten seeds
// on, both are such denominators.
struct Parastichies {
    std::optional<int> first, second; // first < second
};
Parastichies parastichies(numbers::u64 n, numbers::u64 k, int step);
// Where seed i stands, the outermost seed `step` at distance 1 from the
// centre (y grows downwards, seed 0 at the centre).
QPointF seedPoint(numbers::u64 n, numbers::u64 k, int i, int step);

// What a picture of the gaps shows: the rotation by k/N
// (numbers::goldenRotation for the golden angle) at one step, as the
// circle with the gaps between neighbouring occupied positions coloured by
// length, the newest position and the gap it split marked; or as the seeds
// of the sunflower with every spiral of both families drawn faintly.
struct GapsPicture {
    enum class View { Circle, Sunflower };
    numbers::u64 n = 0;
    numbers::u64 k = 0;
    int step = 0;
    View view = View::Circle;
    double textScale = 1; // the numbers on the ring
};

// Paints the picture into a rectangle of that size at the painter's
// origin, background included.
void paintGaps(QPainter &painter, QSizeF size, const GapsPicture &picture);

// An animation has a frame for every step; beyond this N it would make a
// file no slide shows.
inline constexpr int mostAnimatedN = 1000;

// Steps 1 … last of the picture, each a frame of a looping GIF shown
// `delay` hundredths of a second, the picture of that size with
// caption(step) centred on a line under it. Returns the reason of a
// failure, else an empty text.
QString saveGapsAnimation(const QString &path, QSize size, GapsPicture picture, int last,
                          int delay, const QFont &font,
                          const std::function<QString(int step)> &caption);

} // namespace analysis
