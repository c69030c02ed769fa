#include "ranking/stepplot.h"

#include "drawing/plotaxes.h"
#include "numbers/spread.h"

#include <QPainter>

namespace {

const QColor minimalColour(0, 128, 128);
const QColor equidistantColour(150, 150, 150);

// Steps 1 … N − 1 across and distances 1 … N/2 up, both on logarithmic
// scales: the first steps, where the distances fall fastest, get as much
// room as the many last ones. Step i spans i … i + 1.
struct Scales {
    const drawing::PlotAxes &axes;
    int steps;
    drawing::LogScale across;
    drawing::LogScale up;

    double x(double step) const
    {
        return axes.area().left() + across(step) * axes.area().width();
    }
    double y(int distance) const
    {
        return axes.area().bottom() - up(distance) * axes.area().height();
    }
    // A distance holds for its whole step: stairs, not slopes.
    QPolygonF stairs(const std::vector<int> &values) const
    {
        QPolygonF line;
        line.reserve(2 * steps);
        for (int i = 1; i <= steps; ++i) {
            const double at = y(values[size_t(i - 1)]);
            line << QPointF(x(i), at) << QPointF(x(i + 1), at);
        }
        return line;
    }
};

// The distances' powers of ten, the step range and the powers
// of ten of the steps that stand clear of the last step's label.
void drawScales(QPainter &p, const Scales &scales, int largest, const QFontMetrics &metrics)
{
    const drawing::PlotAxes &axes = scales.axes;
    const QRectF &area = axes.area();
    for (int tick = 1; tick <= largest; tick *= 10)
        axes.drawValueLabel(p, scales.y(tick), QString::number(tick), true);
    axes.drawStepRange(p, scales.steps);
    const double lastLabel = area.right() - metrics.horizontalAdvance(drawing::stepText(8888));
    for (int tick = 10; scales.x(tick) < lastLabel; tick *= 10) {
        const double x = scales.x(tick);
        p.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 4));
        p.drawText(QRectF(x - 30, area.bottom() + 2, 60, axes.line()), Qt::AlignHCenter,
                   QString::number(tick));
    }
}

} // namespace

StepPlot::StepPlot(QWidget *parent)
    : QWidget(parent)
{
    setMinimumHeight(160);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void StepPlot::setSeries(int n, int k)
{
    if (n == m_n && k == m_k)
        return;
    m_n = n;
    m_k = k;
    m_minimal.clear();
    m_equidistant.clear();
    if (k > 0) {
        numbers::Occupation steps{numbers::u64(n), numbers::u64(k)};
        for (int i = 1; i < n; ++i) {
            steps.advance();
            m_minimal.push_back(int(steps.minimal()));
            m_equidistant.push_back(n / (i + 1));
        }
    }
    setAccessibleDescription(
            k > 0 ? tr("Minimalabstände von k = %1 gegen die gleichverteilte Folge, N = %2")
                            .arg(k)
                            .arg(n)
                  : QString());
    update();
}

void StepPlot::paintEvent(QPaintEvent *)
{
    QPainter p(this); // stairs and axes are upright: no antialiasing needed
    const QFontMetrics metrics(font());
    if (m_minimal.empty()) {
        p.setPen(palette().color(QPalette::PlaceholderText));
        p.drawText(rect(), Qt::AlignCenter, tr("Keine Zeile gewählt"));
        return;
    }
    const drawing::PlotAxes axes(size(), metrics, 2.0, 1.8);
    const int steps = int(m_minimal.size());
    const Scales scales{axes, steps, drawing::LogScale(steps + 1.0),
                        drawing::LogScale(std::max(2, m_equidistant.front()))};
    axes.drawFrame(p, palette());
    drawScales(p, scales, m_equidistant.front(), metrics);
    p.setPen(QPen(equidistantColour, 1, Qt::DashLine));
    p.drawPolyline(scales.stairs(m_equidistant));
    p.setPen(QPen(minimalColour, 2));
    p.drawPolyline(scales.stairs(m_minimal));
    drawLegend(p, axes);
}

// The legend above the plot.
void StepPlot::drawLegend(QPainter &p, const drawing::PlotAxes &axes) const
{
    const QFontMetrics metrics(font());
    const QString legend[] = {
        tr("Minimalabstand je Schritt, k = %1").arg(m_k),
        tr("gleichverteilt: ⌊N/(i+1)⌋, N = %1").arg(m_n),
    };
    const QColor colours[] = {minimalColour, equidistantColour};
    double x = axes.area().left();
    for (int i = 0; i < 2; ++i) {
        const double y = 0.9 * axes.line();
        p.setPen(QPen(colours[i], 2, i ? Qt::DashLine : Qt::SolidLine));
        p.drawLine(QPointF(x, y), QPointF(x + 20, y));
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QPointF(x + 26, y + metrics.ascent() / 2.0 - 1), legend[i]);
        x += 40 + metrics.horizontalAdvance(legend[i]);
    }
}
