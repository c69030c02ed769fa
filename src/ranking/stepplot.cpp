#include "ranking/stepplot.h"

#include "drawing/plotaxes.h"
#include "numbers/spread.h"

#include <QPainter>


namespace {

const QColor minimalColour(0, 128, 128);
const QColor equidistantColour(150, 150, 150);

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

    // Steps 1 … N − 1 across and distances 1 … N/2 up, both on logarithmic
    // scales: the first steps, where the distances fall fastest, get as
    // much room as the many last ones. Step i spans i … i + 1.
    const drawing::PlotAxes axes(size(), metrics, 2.0, 1.8);
    const QRectF &area = axes.area();
    const int line = axes.line();
    const int steps = int(m_minimal.size());
    const drawing::LogScale across(steps + 1.0);
    const drawing::LogScale up(std::max(2, m_equidistant.front()));
    const auto xOf = [&](double step) { return area.left() + across(step) * area.width(); };
    const auto yOf = [&](int distance) { return area.bottom() - up(distance) * area.height(); };

    axes.drawFrame(p, palette());
    for (int tick = 1; tick <= m_equidistant.front(); tick *= 10)
        axes.drawValueLabel(p, yOf(tick), QString::number(tick), true);
    axes.drawStepRange(p, steps);
    // Ticks at the powers of ten that stand clear of the last step's label.
    const double lastLabel
            = area.right() - metrics.horizontalAdvance(drawing::stepText(8888));
    for (int tick = 10; xOf(tick) < lastLabel; tick *= 10) {
        const double x = xOf(tick);
        p.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 4));
        p.drawText(QRectF(x - 30, area.bottom() + 2, 60, line), Qt::AlignHCenter,
                   QString::number(tick));
    }

    // A distance holds for its whole step: draw stairs, not slopes.
    const auto stairs = [&](const std::vector<int> &values) {
        QPolygonF line;
        line.reserve(2 * steps);
        for (int i = 1; i <= steps; ++i) {
            const double y = yOf(values[size_t(i - 1)]);
            line << QPointF(xOf(i), y) << QPointF(xOf(i + 1), y);
        }
        return line;
    };
    p.setPen(QPen(equidistantColour, 1, Qt::DashLine));
    p.drawPolyline(stairs(m_equidistant));
    p.setPen(QPen(minimalColour, 2));
    p.drawPolyline(stairs(m_minimal));

    // The legend above the plot.
    const QString legend[] = {
        tr("Minimalabstand je Schritt, k = %1").arg(m_k),
        tr("gleichverteilt: ⌊N/(i+1)⌋, N = %1").arg(m_n),
    };
    const QColor colours[] = {minimalColour, equidistantColour};
    double x = area.left();
    for (int i = 0; i < 2; ++i) {
        const double y = 0.9 * line;
        p.setPen(QPen(colours[i], 2, i ? Qt::DashLine : Qt::SolidLine));
        p.drawLine(QPointF(x, y), QPointF(x + 20, y));
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QPointF(x + 26, y + metrics.ascent() / 2.0 - 1), legend[i]);
        x += 40 + metrics.horizontalAdvance(legend[i]);
    }
}
