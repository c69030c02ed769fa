#pragma once

#include <QFontMetrics>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;
class QPalette;

namespace drawing {

// "Schritt 7", as a plot labels a step, in the current language.
QString stepText(int step);

// The frame of a plot over the steps of an occupation: the plot area inside
// a widget, with the values' labels in a margin at the left, lines of text
// above and below, and the first and last step named under the area. The
// plots of both Extras windows draw their axes with it.
class PlotAxes
{
public:
    // `above` and `below` are the room above and below the area, in lines
    // of text of `metrics`; `titleColumn` the room at the left for a
    // rotated title of the values.
    PlotAxes(QSizeF size, const QFontMetrics &metrics, double above, double below,
             double titleColumn = 0);

    const QRectF &area() const { return m_area; }
    int line() const { return m_line; }

    // The area's frame; the painter's pen is the palette's text colour
    // afterwards.
    void drawFrame(QPainter &painter, const QPalette &palette) const;
    // A value's label in the left margin, centred on height y, with a short
    // tick at the area's edge where asked.
    void drawValueLabel(QPainter &painter, double y, const QString &text, bool tick) const;
    // "Schritt 1" at the left and "Schritt <steps>" at the right, under the
    // area.
    void drawStepRange(QPainter &painter, int steps) const;
    // The steps' title centred in the last line under the area, and the
    // values' title turned upright in the column at the left.
    void drawAxisTitles(QPainter &painter, const QString &steps, const QString &values) const;

private:
    int m_line;
    double m_titleColumn;
    QRectF m_area;
    QSizeF m_size;
};

// Labels along an axis that must not overlap: each wants its centre at a
// place and is as wide as its text. The more important come first; each
// takes the first of `rows` rows where it overlaps no label placed before,
// and is left out where it fits in none. Returns each label's row, or −1.
struct AxisLabel {
    double centre;
    double width;
};
std::vector<int> placeLabels(const std::vector<AxisLabel> &labels, int rows);

// A logarithmic scale from 1 up to `top`: where a value stands between
// them, 0 at 1 and 1 at top.
class LogScale
{
public:
    explicit LogScale(double top);
    double operator()(double value) const;

private:
    double m_logTop;
};

} // namespace drawing
