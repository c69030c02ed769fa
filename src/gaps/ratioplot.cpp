#include "gaps/ratioplot.h"

#include "drawing/plotaxes.h"
#include "language/language.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <numbers>

namespace {

const QColor ratioColour(0, 114, 178);
const QColor goldenColour(190, 140, 0);
const QColor markColour(120, 120, 120);
const QColor stepColour(200, 0, 0);
constexpr double phi = std::numbers::phi;

// "66" or "2,62": a tick value with at most two decimals and the language's
// decimal point.
QString tickText(double value)
{
    QString text = QString::number(value, 'f', value < 10 ? 2 : value < 100 ? 1 : 0);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return language::localDecimal(text);
}

} // namespace

// Where everything stands at the widget's present size.
struct RatioPlot::Layout {
    drawing::PlotAxes axes;
    drawing::LogScale scale;
    double scaleTop; // the top of the y axis
    double largest;  // the largest ratio
    int steps;
    // Step s spans s − 0.5 … s + 0.5 across: evenly, or on a logarithmic
    // scale where s spans ln s … ln(s + 1), so the first steps, where the
    // golden phase lies, get their room.
    bool logarithmic = false;

    double x(double step) const
    {
        const QRectF &area = axes.area();
        if (logarithmic)
            return area.left() + std::log(step + 0.5) / std::log(steps + 1.0) * area.width();
        return area.left() + (step - 0.5) / steps * area.width();
    }
    // The step under a place across, clamped to 1 … steps.
    int stepAt(double place) const
    {
        const QRectF &area = axes.area();
        const double t = (place - area.left()) / area.width();
        const double step = logarithmic ? std::exp(t * std::log(steps + 1.0)) - 0.5
                                        : t * steps + 0.5;
        return std::clamp(int(std::lround(step)), 1, steps);
    }
    // The labels under the axis: the step range's own at both ends (on the
    // logarithmic scale the marks take the left end from step 1 on), then
    // the marks' in their order.
    std::vector<drawing::AxisLabel> stepLabels(const std::vector<numbers::NewShortest> &marks,
                                               const QFontMetricsF &metrics) const
    {
        const QRectF &area = axes.area();
        const double first = logarithmic ? 0 : metrics.horizontalAdvance(drawing::stepText(1));
        const double last = metrics.horizontalAdvance(drawing::stepText(steps));
        std::vector<drawing::AxisLabel> labels{{area.left() + first / 2, first + 6},
                                               {area.right() - last / 2, last + 6}};
        for (const numbers::NewShortest &mark : marks)
            labels.push_back({x(double(mark.step)),
                              metrics.horizontalAdvance(QString::number(qulonglong(mark.step))) + 6});
        return labels;
    }
    double y(double ratio) const
    {
        const QRectF &area = axes.area();
        return area.bottom() - scale(ratio) * area.height();
    }
    // Each stretch's quotient label: its row above the curve, or −1.
    std::vector<int> quotientRows(const std::vector<numbers::QuotientStretch> &stretches,
                                  const QFontMetricsF &metrics) const
    {
        // The largest quotients first, so they are the ones kept.
        std::vector<size_t> order(stretches.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            return stretches[a].quotient > stretches[b].quotient;
        });
        std::vector<drawing::AxisLabel> labels;
        for (size_t i : order) {
            const numbers::QuotientStretch &s = stretches[i];
            labels.push_back({(x(double(s.from)) + x(double(s.to))) / 2,
                              metrics.horizontalAdvance(
                                      QString::number(qulonglong(s.quotient)))
                                      + 4});
        }
        const std::vector<int> rows = drawing::placeLabels(labels, 2);
        std::vector<int> byStretch(stretches.size());
        for (size_t i = 0; i < order.size(); ++i)
            byStretch[order[i]] = rows[i];
        return byStretch;
    }
};

RatioPlot::RatioPlot(QWidget *parent)
    : QWidget(parent)
{
    setMinimumHeight(170);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
}

void RatioPlot::setSeries(numbers::u64 n, numbers::u64 k)
{
    if (n == m_n && k == m_k && !m_golden)
        return;
    m_golden = false;
    fill(n, k, int(n));
    setAccessibleDescription(tr("Verhältnis der längsten zur kürzesten Lücke je Schritt, N = %1, "
                                "k = %2")
                                     .arg(n)
                                     .arg(k));
}

void RatioPlot::setGoldenSeries(int points)
{
    if (m_golden && int(m_ratios.size()) + 1 == points)
        return;
    m_golden = true;
    fill(numbers::goldenRotation.n, numbers::goldenRotation.k, points);
    setAccessibleDescription(tr("Verhältnis der längsten zur kürzesten Lücke je Schritt, goldener "
                                "Winkel, %1 Punkte")
                                     .arg(points));
}

// The ratios of steps 1 … points − 1 of the rotation by k/N, the steps of a
// new shortest gap among them and the stretches of the quotients, cut at
// the last step.
void RatioPlot::fill(numbers::u64 n, numbers::u64 k, int points)
{
    m_n = n;
    m_k = k;
    m_ratios.clear();
    m_marks.clear();
    m_stretches.clear();
    if (n >= 2 && k >= 1 && points >= 2) {
        numbers::Occupation steps{n, k};
        for (int i = 1; i < points; ++i) {
            steps.advance();
            const numbers::Ratio ratio = numbers::gapsOf(steps).ratio();
            m_ratios.push_back(double(ratio.num) / double(ratio.den));
        }
        const auto last = numbers::u64(points - 1);
        for (const numbers::NewShortest &mark : numbers::newShortestGaps(n, k)) {
            if (mark.step <= last)
                m_marks.push_back(mark);
        }
        for (numbers::QuotientStretch stretch : numbers::quotientStretches(n, k)) {
            if (stretch.from > last)
                break;
            stretch.to = std::min(stretch.to, last);
            m_stretches.push_back(stretch);
        }
    }
    update();
}

void RatioPlot::setStep(int step)
{
    if (step == m_step)
        return;
    m_step = step;
    update();
}

RatioPlot::Layout RatioPlot::layout() const
{
    const double largest
            = m_ratios.empty() ? 1 : *std::max_element(m_ratios.begin(), m_ratios.end());
    // Room above the largest value for two rows of quotients.
    const double top = std::max({3.0, phi * phi * 1.2, largest * 1.6});
    // Room: the title, two lines under the area (step numbers, axis
    // title), a column for the rotated y title.
    Layout where{drawing::PlotAxes(size(), QFontMetrics(font()), 1.6, 2.6, 1.2),
                 drawing::LogScale(top), top, largest, std::max(1, int(m_ratios.size()))};
    // Steps across on a logarithmic scale where evenly spaced the marks'
    // steps would overprint.
    const std::vector<int> rows
            = drawing::placeLabels(where.stepLabels(m_marks, QFontMetricsF(font())), 1);
    where.logarithmic = std::any_of(rows.begin() + 2, rows.end(), [](int row) { return row != 0; });
    return where;
}

int RatioPlot::stepAt(double x) const
{
    return layout().stepAt(x);
}

bool RatioPlot::logarithmicSteps() const
{
    return layout().logarithmic;
}

QList<numbers::Wide> RatioPlot::shownQuotients() const
{
    const Layout where = layout();
    const std::vector<int> rows = where.quotientRows(m_stretches, QFontMetricsF(font()));
    QList<numbers::Wide> shown;
    for (size_t i = 0; i < m_stretches.size(); ++i) {
        if (rows[i] >= 0)
            shown << m_stretches[i].quotient;
    }
    return shown;
}

void RatioPlot::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !m_ratios.empty())
        emit stepClicked(stepAt(event->position().x()));
    QWidget::mousePressEvent(event);
}

void RatioPlot::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintOn(p);
}

void RatioPlot::paintOn(QPainter &p) const
{
    if (m_ratios.empty())
        return;
    const Layout where = layout();
    drawAxes(p, where);
    drawNewShortest(p, where);
    // The ratio holds for its whole step: stairs.
    QPolygonF stairs;
    for (int i = 0; i < where.steps; ++i)
        stairs << QPointF(where.x(i + 0.5), where.y(m_ratios[size_t(i)]))
               << QPointF(where.x(i + 1.5), where.y(m_ratios[size_t(i)]));
    drawGoldenLines(p, where, stairs);
    p.setPen(QPen(ratioColour, 2));
    p.drawPolyline(stairs);
    drawQuotients(p, where);
    if (m_step >= 1 && m_step <= where.steps) {
        const double x = where.x(m_step);
        const QRectF &area = where.axes.area();
        p.setPen(QPen(stepColour, 1));
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        p.setBrush(stepColour);
        p.drawEllipse(QPointF(x, where.y(m_ratios[size_t(m_step - 1)])), 3.5, 3.5);
    }
}

// The frame, the values 1, 2, 5, 10, 20, 50, … and, in the curve's colour,
// the largest ratio; both axes' titles and the plot's.
void RatioPlot::drawAxes(QPainter &p, const Layout &where) const
{
    const drawing::PlotAxes &axes = where.axes;
    const QRectF &area = axes.area();
    const int line = axes.line();
    axes.drawFrame(p, palette());
    const double largest = where.largest;
    for (double decade = 1; decade <= where.scaleTop && decade < 1e300; decade *= 10) {
        for (double tick : {decade, 2 * decade, 5 * decade}) {
            if (tick <= where.scaleTop && std::abs(where.y(tick) - where.y(largest)) >= line)
                axes.drawValueLabel(p, where.y(tick), tickText(tick), true);
        }
    }
    p.setPen(ratioColour);
    axes.drawValueLabel(p, where.y(largest), tickText(largest), true);
    p.setPen(palette().color(QPalette::Text));
    if (where.logarithmic) {
        p.drawText(QRectF(area.left(), area.bottom() + 2, area.width(), line), Qt::AlignRight,
                   drawing::stepText(where.steps));
        axes.drawAxisTitles(p, tr("Schritt (log.)"), tr("Verhältnis (log.)"));
    } else {
        axes.drawStepRange(p, where.steps);
        axes.drawAxisTitles(p, tr("Schritt"), tr("Verhältnis (log.)"));
    }
    p.drawText(QRectF(area.left(), 0, area.width(), 1.4 * line), Qt::AlignLeft | Qt::AlignVCenter,
               m_golden ? tr("längste / kürzeste Lücke je Schritt, goldener Winkel, %1 Punkte; über "
                             "jeder Strecke ihr Teilnenner, punktiert eine neue kürzeste Lücke")
                                  .arg(m_ratios.size() + 1)
                        : tr("längste / kürzeste Lücke je Schritt, k = %1, N = %2; über jeder "
                             "Strecke ihr Teilnenner, punktiert eine neue kürzeste Lücke")
                                  .arg(m_k)
                                  .arg(m_n));
}

// A new shortest gap at q_j, with its step under the axis where there is
// room.
void RatioPlot::drawNewShortest(QPainter &p, const Layout &where) const
{
    const QRectF &area = where.axes.area();
    const std::vector<drawing::AxisLabel> stepLabels
            = where.stepLabels(m_marks, QFontMetricsF(font()));
    p.setPen(QPen(markColour, 1, Qt::DotLine));
    for (size_t i = 2; i < stepLabels.size(); ++i)
        p.drawLine(QPointF(stepLabels[i].centre, area.top()),
                   QPointF(stepLabels[i].centre, area.bottom()));
    const std::vector<int> stepRows = drawing::placeLabels(stepLabels, 1);
    p.setPen(markColour);
    for (size_t i = 2; i < stepLabels.size(); ++i) {
        if (stepRows[i] == 0)
            p.drawText(QRectF(stepLabels[i].centre - 30, area.bottom() + 2, 60, where.axes.line()),
                       Qt::AlignHCenter, QString::number(qulonglong(m_marks[i - 2].step)));
    }
}

// φ and φ², dashed, each named where its label crosses nothing: the first
// place from the right where no stair passes through the label.
void RatioPlot::drawGoldenLines(QPainter &p, const Layout &where, const QPolygonF &stairs) const
{
    const QFontMetricsF metrics(font());
    const QRectF &area = where.axes.area();
    const int line = where.axes.line();
    using language::localDecimal;
    for (const auto &[value, name] :
         {std::pair{phi, localDecimal(QStringLiteral("φ ≈ 1.618"))},
          std::pair{phi * phi, localDecimal(QStringLiteral("φ² ≈ 2.618"))}}) {
        const double y = where.y(value);
        p.setPen(QPen(goldenColour, 1, Qt::DashLine));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        const double width = metrics.horizontalAdvance(name) + 4;
        for (double right = area.right() - 2; right - width > area.left(); right -= width / 2) {
            const QRectF label(right - width, y - line - 1, width, line);
            if (!stairs.boundingRect().intersects(label)
                || std::none_of(stairs.begin(), stairs.end(),
                                [&](const QPointF &at) { return label.contains(at); })) {
                p.setPen(goldenColour);
                p.drawText(label, Qt::AlignCenter, name);
                break;
            }
        }
    }
}

// Each partial quotient over the stretch it governs, in two staggered rows
// above the curve; where they crowd, the largest are kept.
void RatioPlot::drawQuotients(QPainter &p, const Layout &where) const
{
    const std::vector<int> rows = where.quotientRows(m_stretches, QFontMetricsF(font()));
    const QRectF &area = where.axes.area();
    const int line = where.axes.line();
    p.setPen(markColour);
    for (size_t i = 0; i < m_stretches.size(); ++i) {
        if (rows[i] < 0)
            continue;
        const numbers::QuotientStretch &s = m_stretches[i];
        const double centre = (where.x(double(s.from)) + where.x(double(s.to))) / 2;
        const double y = area.top() + 2 + rows[i] * line;
        p.drawText(QRectF(centre - 40, y, 80, line), Qt::AlignHCenter,
                   QString::number(qulonglong(s.quotient)));
    }
}
