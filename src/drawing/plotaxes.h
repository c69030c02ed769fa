#pragma once

#include <QFontMetrics>
#include <QRectF>
#include <QString>

class QPainter;
class QPalette;

namespace drawing {

// The frame of a plot over the steps of an occupation: the plot area inside
// a widget, with the values' labels in a margin at the left, lines of text
// above and below, and the first and last step named under the area. The
// plots of both Extras windows draw their axes with it.
class PlotAxes
{
public:
    // `above` and `below` are the room above and below the area, in lines
    // of text of `metrics`.
    PlotAxes(QSizeF size, const QFontMetrics &metrics, double above, double below);

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

private:
    int m_line;
    QRectF m_area;
};

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
