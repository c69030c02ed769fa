#include "gaps/ratioplot.h"

#include "drawing/plotaxes.h"

#include <QPainter>

#include <algorithm>
#include <numbers>

namespace {

const QColor ratioColour(0, 114, 178);
const QColor goldenColour(190, 140, 0);
const QColor markColour(120, 120, 120);
const QColor stepColour(200, 0, 0);

} // namespace

RatioPlot::RatioPlot(QWidget *parent)
    : QWidget(parent)
{
    setMinimumHeight(150);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void RatioPlot::setSeries(int n, int k)
{
    if (n == m_n && k == m_k)
        return;
    m_n = n;
    m_k = k;
    m_ratios.clear();
    m_marks.clear();
    if (n >= 2 && k >= 1) {
        numbers::Occupation steps{numbers::u64(n), numbers::u64(k)};
        for (int i = 1; i < n; ++i) {
            steps.advance();
            const numbers::Ratio ratio = numbers::gapsOf(steps).ratio();
            m_ratios.push_back(double(ratio.num) / double(ratio.den));
        }
        m_marks = numbers::newShortestGaps(numbers::u64(n), numbers::u64(k));
    }
    setAccessibleDescription(QStringLiteral("Verhältnis der längsten zur kürzesten Lücke je "
                                            "Schritt, N = %1, k = %2")
                                     .arg(n)
                                     .arg(k));
    update();
}

void RatioPlot::setStep(int step)
{
    if (step == m_step)
        return;
    m_step = step;
    update();
}

void RatioPlot::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_ratios.empty())
        return;
    const QFontMetrics metrics(font());
    const drawing::PlotAxes axes(size(), metrics, 1.6, 1.6);
    const QRectF &area = axes.area();
    const int line = axes.line();
    const int steps = int(m_ratios.size());
    const double golden = std::numbers::phi * std::numbers::phi;
    const drawing::LogScale scale(
            std::max({3.0, golden * 1.2, *std::max_element(m_ratios.begin(), m_ratios.end())}));
    const auto xOf = [&](double step) { return area.left() + (step - 0.5) / steps * area.width(); };
    const auto yOf = [&](double ratio) { return area.bottom() - scale(ratio) * area.height(); };

    axes.drawFrame(p, palette());
    for (double tick : {1.0, 2.0, 5.0, 10.0, 100.0, 1000.0}) {
        if (scale(tick) > 1)
            break;
        axes.drawValueLabel(p, yOf(tick), QString::number(tick), false);
    }
    axes.drawStepRange(p, steps);
    p.drawText(QRectF(area.left(), 0, area.width(), 1.4 * line), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("längste / kürzeste Lücke je Schritt, k = %1, N = %2; punktiert: eine "
                              "neue kürzeste Lücke, mit ihrem Teilnenner")
                       .arg(m_k)
                       .arg(m_n));

    // Golden multipliers keep to φ².
    p.setPen(QPen(goldenColour, 1, Qt::DashLine));
    p.drawLine(QPointF(area.left(), yOf(golden)), QPointF(area.right(), yOf(golden)));
    const QString goldenLabel = QStringLiteral("φ² ≈ 2,618");
    p.drawText(QPointF(area.right() - metrics.horizontalAdvance(goldenLabel) - 4, yOf(golden) - 3),
               goldenLabel);

    // A new shortest gap at q_j, with the quotient a_j that made it.
    for (const numbers::NewShortest &mark : m_marks) {
        const double x = xOf(double(mark.step));
        p.setPen(QPen(markColour, 1, Qt::DotLine));
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        p.setPen(markColour);
        p.drawText(QPointF(x + 2, area.top() + line), QString::number(qulonglong(mark.quotient)));
    }

    // The ratio holds for its whole step: stairs.
    QPolygonF stairs;
    for (int i = 0; i < steps; ++i)
        stairs << QPointF(xOf(i + 0.5), yOf(m_ratios[size_t(i)]))
               << QPointF(xOf(i + 1.5), yOf(m_ratios[size_t(i)]));
    p.setPen(QPen(ratioColour, 2));
    p.drawPolyline(stairs);

    if (m_step >= 1 && m_step <= steps) {
        const double x = xOf(m_step);
        p.setPen(QPen(stepColour, 1));
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        p.setBrush(stepColour);
        p.drawEllipse(QPointF(x, yOf(m_ratios[size_t(m_step - 1)])), 3.5, 3.5);
    }
}
