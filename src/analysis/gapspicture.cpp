#include "analysis/gapspicture.h"

#include "drawing/animation.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace analysis {

namespace gapcolours {

QColor of(const numbers::Gaps &gaps, numbers::u64 length)
{
    if (length == gaps.shortest().length)
        return shortest;
    return length == gaps.longest().length ? longest : middle;
}

} // namespace gapcolours

namespace {

constexpr double pi = std::numbers::pi;
const QColor background = Qt::white;
const QColor positionColour(150, 150, 150);
const QColor numberColour(90, 90, 90);
const QColor markerColour(40, 40, 40);

} // namespace

std::vector<GapArc> gapArcs(numbers::u64 n, numbers::u64 k, int step)
{
    std::vector<numbers::u64> occupied;
    numbers::Occupation steps{n, k};
    occupied.push_back(0);
    for (int i = 1; i <= step; ++i) {
        steps.advance();
        occupied.push_back(steps.position());
    }
    const numbers::Gaps gaps = numbers::gapsOf(steps);
    std::sort(occupied.begin(), occupied.end());
    std::vector<GapArc> arcs;
    for (size_t i = 0; i < occupied.size(); ++i) {
        const numbers::u64 next = i + 1 < occupied.size() ? occupied[i + 1] : n;
        const numbers::u64 length = next - occupied[i];
        arcs.push_back({occupied[i], length, gapcolours::of(gaps, length)});
    }
    return arcs;
}

RingGeometry ringGeometry(QSizeF size, numbers::u64 n)
{
    RingGeometry ring;
    ring.centre = QPointF(size.width() / 2, size.height() / 2);
    // Room outside the ring for the position numbers and the mark of the
    // split gap.
    ring.radius = 0.42 * std::min(size.width(), size.height());
    ring.arcWidth = std::clamp(ring.radius / 22, 3.0, 14.0);
    ring.spacing = 2 * pi * ring.radius / double(std::max<numbers::u64>(n, 1));
    const double dot = std::min(0.8 * ring.arcWidth, ring.spacing / 6);
    ring.ticks = dot < 2;
    ring.markerReach = ring.ticks ? 0.5 : dot;
    return ring;
}

QPointF seedPoint(numbers::u64 n, numbers::u64 k, int i, int step)
{
    const auto place = numbers::u64(numbers::Wide(numbers::u64(i)) * k % n);
    const double angle = 2 * pi * double(place) / double(n);
    const double r = std::sqrt(double(i) / std::max(step, 1));
    return {r * std::sin(angle), r * std::cos(angle)};
}

Parastichies parastichies(numbers::u64 n, numbers::u64 k, int step)
{
    Parastichies found;
    if (step < 2)
        return found;
    const QPointF outermost = seedPoint(n, k, step, step);
    std::vector<std::pair<double, int>> neighbours; // squared distance, difference
    neighbours.reserve(size_t(step));
    for (int i = 0; i < step; ++i) {
        const QPointF d = seedPoint(n, k, i, step) - outermost;
        neighbours.emplace_back(d.x() * d.x() + d.y() * d.y(), step - i);
    }
    std::sort(neighbours.begin(), neighbours.end());
    // A seed q further along the same spiral, or one whose spiral passes
    // through the nearest, is no second direction.
    int q = neighbours.front().second;
    for (const auto &[distance, other] : neighbours) {
        if (other % q == 0)
            continue;
        if (q % other == 0) {
            q = other;
            continue;
        }
        found.first = std::min(q, other);
        found.second = std::max(q, other);
        return found;
    }
    found.first = q;
    return found;
}

namespace {

// The circle of n positions drawn at one size: position p at the angle
// 2π·p/N, 0 straight below the centre and the others counter-clockwise, as
// on the main window's circle.
struct RingPainter {
    QPainter &painter;
    RingGeometry ring;
    numbers::u64 n;
    double textScale;

    QPointF point(double position, double r) const
    {
        const double angle = 2 * pi * position / double(n);
        return ring.centre + QPointF(r * std::sin(angle), r * std::cos(angle));
    }
    // Qt counts angles in sixteenths of a degree from three o'clock,
    // counter-clockwise.
    void arc(double r, double from, double length) const
    {
        const double start = -90 + 360.0 * from / double(n), span = 360.0 * length / double(n);
        painter.drawArc(QRectF(ring.centre - QPointF(r, r), QSizeF(2 * r, 2 * r)),
                        int(std::lround(16 * start)), int(std::lround(16 * span)));
    }
    double inner() const { return ring.radius - ring.arcWidth / 2; }
    double outer() const { return ring.radius + ring.arcWidth / 2; }
};

// The arcs, thick and without caps, so they meet at the markers. Arcs of
// one colour in a row are drawn as one, and an arc shorter than a pixel
// joins the one before it: at N = 100000 a picture is a few thousand
// strokes, not a hundred thousand.
void drawArcs(const RingPainter &ring, const std::vector<GapArc> &arcs)
{
    std::optional<GapArc> run;
    const auto drawRun = [&] {
        ring.painter.setPen(QPen(run->colour, ring.ring.arcWidth, Qt::SolidLine, Qt::FlatCap));
        ring.arc(ring.ring.radius, run->from, run->length);
    };
    for (const GapArc &arc : arcs) {
        if (run && (arc.colour == run->colour || arc.length * ring.ring.spacing < 1)) {
            run->length += arc.length;
            continue;
        }
        if (run)
            drawRun();
        run = arc;
    }
    if (run)
        drawRun();
}

// Every position a small mark just outside while they stand apart,
// numbered while there is room; a small N has the gaps' lengths on their
// arcs, inside.
void drawPositions(const RingPainter &ring, const std::vector<GapArc> &arcs)
{
    QPainter &painter = ring.painter;
    const double outside = ring.outer();
    if (ring.ring.spacing >= 3) {
        painter.setPen(QPen(positionColour, 1));
        for (numbers::u64 p = 0; p < ring.n; ++p)
            painter.drawLine(ring.point(p, outside + 2), ring.point(p, outside + 6));
    }
    if (ring.n > 60)
        return;
    // A number's box, centred on its place.
    const auto box = [&ring](QPointF at) {
        return QRectF(at - QPointF(15, 8) * ring.textScale, QSizeF(30, 16) * ring.textScale);
    };
    QFont small = painter.font();
    small.setPointSizeF(std::clamp(ring.ring.radius / 18, 6.0, 9.0) * ring.textScale);
    painter.setFont(small);
    painter.setPen(numberColour);
    for (numbers::u64 p = 0; p < ring.n; ++p) {
        painter.drawText(box(ring.point(p, outside + 16 * ring.textScale)), Qt::AlignCenter,
                         QString::number(p + 1));
    }
    const QFontMetricsF metrics(small);
    for (const GapArc &arc : arcs) {
        const QString length = QString::number(arc.length);
        if (arc.length * ring.ring.spacing < metrics.horizontalAdvance(length) + 10)
            continue;
        painter.setPen(arc.colour);
        const QPointF at = ring.point(arc.from + arc.length / 2.0,
                                      ring.ring.radius - ring.ring.arcWidth - 10);
        painter.drawText(box(at), Qt::AlignCenter, length);
    }
}

// The occupied positions, the starts of the arcs: white dots no wider than
// a third of the spacing, or radial ticks where that is too small for a
// dot, one a pixel at most.
void drawOccupied(const RingPainter &ring, const std::vector<GapArc> &arcs)
{
    QPainter &painter = ring.painter;
    if (ring.ring.ticks) {
        painter.setPen(QPen(markerColour, 1, Qt::SolidLine, Qt::FlatCap));
        double drawn = -1;
        for (const GapArc &arc : arcs) {
            if (drawn >= 0 && (arc.from - drawn) * ring.ring.spacing < 1)
                continue;
            painter.drawLine(ring.point(arc.from, ring.inner() - 2),
                             ring.point(arc.from, ring.outer() + 2));
            drawn = arc.from;
        }
        return;
    }
    const double reach = ring.ring.markerReach;
    painter.setPen(QPen(markerColour, std::min(1.5, reach / 3)));
    painter.setBrush(Qt::white);
    for (const GapArc &arc : arcs)
        painter.drawEllipse(ring.point(arc.from, ring.ring.radius), reach, reach);
    painter.setBrush(Qt::NoBrush);
}

// The newest position, and the gap it split into its two distances: a
// bracket outside the ring from one neighbour to the other, and a tick at
// the new position reaching out beyond it.
void drawNewest(const RingPainter &ring, numbers::u64 k, int step)
{
    numbers::Occupation steps{ring.n, k};
    for (int i = 1; i <= step; ++i)
        steps.advance();
    const auto newest = double(steps.position());
    const double bracket = ring.outer() + 4;
    ring.painter.setPen(QPen(gapcolours::newest, 2, Qt::SolidLine, Qt::FlatCap));
    ring.arc(bracket, newest - double(steps.backward()),
             double(steps.backward() + steps.forward()));
    ring.painter.setPen(QPen(gapcolours::newest, 2.5, Qt::SolidLine, Qt::RoundCap));
    ring.painter.drawLine(ring.point(newest, ring.inner()), ring.point(newest, bracket + 10));
}

void paintCircle(QPainter &painter, QSizeF size, const GapsPicture &picture)
{
    const RingPainter ring{painter, ringGeometry(size, picture.n), picture.n, picture.textScale};
    const std::vector<GapArc> arcs = gapArcs(picture.n, picture.k, picture.step);
    drawArcs(ring, arcs);
    drawPositions(ring, arcs);
    drawOccupied(ring, arcs);
    drawNewest(ring, picture.k, picture.step);
}

// Seed i of the sunflower in a picture of that size.
struct SunflowerPainter {
    QPainter &painter;
    const GapsPicture &picture;
    QPointF centre;
    double radius;

    QPointF place(int i) const
    {
        return centre + radius * seedPoint(picture.n, picture.k, i, picture.step);
    }
    // The spacing of the seeds at the rim.
    double spacing() const { return 0.3 * radius / std::sqrt(double(std::max(picture.step, 1))); }
};

// The seeds, sized to the spacing at the rim; seeds of a pixel or two as
// points in one stroke, antialiased, so a dense head is an even tone
// rather than the moiré of seeds rounded to the pixel grid.
void drawSeeds(const SunflowerPainter &sunflower, double dot)
{
    QPainter &painter = sunflower.painter;
    if (dot < 1.5) {
        QPolygonF seeds;
        seeds.reserve(sunflower.picture.step);
        for (int i = 0; i < sunflower.picture.step; ++i)
            seeds << sunflower.place(i);
        painter.setPen(QPen(markerColour, std::max(sunflower.spacing(), 0.7), Qt::SolidLine,
                            Qt::RoundCap));
        painter.drawPoints(seeds);
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(markerColour);
    for (int i = 0; i < sunflower.picture.step; ++i)
        painter.drawEllipse(sunflower.place(i), dot, dot);
    painter.setBrush(Qt::NoBrush);
}

// Over them, faintly, every spiral of both families, each family in its
// colour: the q spirals of a family run through the seeds r, r + q, r + 2q,
// … for r = 0 … q − 1, thinner where they are many. Where the rim has less
// than six pixels for each spiral, every few of them, so the family still
// reads as spirals and not as a solid tint; and such a dense family only
// where the eye sees it, in the outer ring beyond the seed q²/16: nearer
// the centre its seeds lie far apart and other families take over.
void drawSpirals(const SunflowerPainter &sunflower)
{
    const GapsPicture &picture = sunflower.picture;
    const Parastichies families = parastichies(picture.n, picture.k, picture.step);
    const std::optional<int> counts[] = {families.first, families.second};
    for (size_t family = 0; family < 2; ++family) {
        if (!counts[family])
            continue;
        const int q = *counts[family];
        QColor colour = gapcolours::spirals[family];
        colour.setAlpha(family == 0 ? 120 : 150);
        sunflower.painter.setPen(QPen(colour, std::clamp(sunflower.radius / (6.0 * q), 0.8, 2.5),
                                      Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const int every = std::max(1, int(std::ceil(6.0 * q / (2 * pi * sunflower.radius))));
        const int from = every > 1 ? int(double(q) * q / 16) : 0;
        for (int r = 0; r < q && r <= picture.step; r += every) {
            QPolygonF spiral;
            const int first = r >= from ? r : r + (from - r + q - 1) / q * q;
            for (int i = first; i <= picture.step; i += q)
                spiral << sunflower.place(i);
            sunflower.painter.drawPolyline(spiral);
        }
    }
}

void paintSunflower(QPainter &painter, QSizeF size, const GapsPicture &picture)
{
    const SunflowerPainter sunflower{painter, picture, QPointF(size.width() / 2, size.height() / 2),
                                     0.45 * std::min(size.width(), size.height())};
    const double dot = std::clamp(sunflower.spacing(), 1.0, 9.0);
    drawSeeds(sunflower, dot);
    drawSpirals(sunflower);
    // The newest seed in red.
    painter.setPen(Qt::NoPen);
    painter.setBrush(gapcolours::newest);
    painter.drawEllipse(sunflower.place(picture.step), 1.4 * dot, 1.4 * dot);
    painter.setBrush(Qt::NoBrush);
}

} // namespace

void paintGaps(QPainter &painter, QSizeF size, const GapsPicture &picture)
{
    painter.fillRect(QRectF(QPointF(0, 0), size), background);
    if (picture.n < 2 || picture.step < 1)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (picture.view == GapsPicture::View::Circle)
        paintCircle(painter, size, picture);
    else
        paintSunflower(painter, size, picture);
    painter.restore();
}

QString saveGapsAnimation(const QString &path, QSize size, GapsPicture picture, int last,
                          int delay, const QFont &font,
                          const std::function<QString(int step)> &caption)
{
    const int line = QFontMetrics(font).height() + 8;
    // Every colour the picture is painted in, kept exact in the GIF.
    const std::vector<QColor> colours{background,         gapcolours::shortest,
                                      gapcolours::middle, gapcolours::longest,
                                      gapcolours::newest, positionColour,
                                      numberColour,       markerColour};
    return drawing::saveAnimation(path, size + QSize(0, line), last, delay, colours,
                                  [&](QPainter &painter, int frame) {
                                      picture.step = frame + 1;
                                      paintGaps(painter, size, picture);
                                      painter.setFont(font);
                                      painter.setPen(Qt::black);
                                      painter.drawText(QRect(0, size.height(), size.width(), line),
                                                       Qt::AlignCenter, caption(picture.step));
                                  });
}

} // namespace analysis
