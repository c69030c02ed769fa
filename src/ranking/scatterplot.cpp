#include "ranking/scatterplot.h"

#include "drawing/plotaxes.h"
#include "language/language.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const QColor pointColour(0, 114, 178);
const QColor chosenColour(200, 0, 0);
const QColor goldenColour(190, 140, 0);

} // namespace

ScatterPlot::ScatterPlot(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(200, 160);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

// A round step of the value axis: 1, 2 or 5 times a power of ten, about a
// tenth of the range.
static double roundStep(double range)
{
    const double power = std::pow(10, std::floor(std::log10(std::max(range, 1e-9) / 10)));
    for (double step : {1.0, 2.0, 5.0, 10.0}) {
        if (range / (step * power) <= 10)
            return step * power;
    }
    return 10 * power;
}

// A value on the axis with the language's decimal point, no more decimals
// than needed.
static QString valueText(double value)
{
    return language::localDecimal(QString::number(value, 'g', 6));
}

void ScatterPlot::setPoints(int n, std::vector<Point> points, const QString &figure)
{
    m_n = n;
    m_points = std::move(points);
    m_figure = figure;
    // The values up from a round step below the lowest to one above the
    // highest, so the shape of the ranking fills the plot.
    m_low = 0;
    m_high = 1;
    if (!m_points.empty()) {
        const auto [low, high] = std::minmax_element(
                m_points.begin(), m_points.end(),
                [](const Point &a, const Point &b) { return a.value < b.value; });
        const double step = roundStep(high->value - low->value);
        m_low = std::floor(low->value / step) * step;
        m_high = std::max(m_low + step, std::ceil(high->value / step) * step);
    }
    setAccessibleDescription(tr("%1 jedes Multiplikators über k/N, N = %2; Pfeiltasten wählen "
                                "den Nachbarn, Eingabetaste analysiert")
                                     .arg(figure)
                                     .arg(n));
    update();
}

QString ScatterPlot::toolTipAt(QPointF place) const
{
    const int k = multiplierNear(place);
    const auto found = std::find_if(m_points.begin(), m_points.end(),
                                    [k](const Point &p) { return p.k == k; });
    if (found == m_points.end())
        return {};
    const QPointF d = placeOf(*found) - place;
    if (QPointF::dotProduct(d, d) > 8 * 8)
        return {};
    return QStringLiteral("k = %1: %2 %3").arg(k).arg(m_figure, found->text);
}

bool ScatterPlot::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString text = toolTipAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

void ScatterPlot::setChosen(int k)
{
    if (k == m_chosen)
        return;
    m_chosen = k;
    update();
}

QRectF ScatterPlot::area() const
{
    const QFontMetrics metrics(font());
    const double line = metrics.height();
    return QRectF(QPointF(metrics.horizontalAdvance(QStringLiteral("0,000")) + 10, 1.6 * line),
                  QPointF(width() - 10, height() - 1.6 * line));
}

QPointF ScatterPlot::placeOf(const Point &point) const
{
    const QRectF a = area();
    return {a.left() + double(point.k) / m_n * a.width(),
            a.bottom() - (point.value - m_low) / (m_high - m_low) * a.height()};
}

QPointF ScatterPlot::placeOf(int k) const
{
    const auto found = std::find_if(m_points.begin(), m_points.end(),
                                    [k](const Point &p) { return p.k == k; });
    return found == m_points.end() ? QPointF() : placeOf(*found);
}

int ScatterPlot::multiplierNear(QPointF place) const
{
    int nearest = 0;
    double distance = 1e300;
    for (const Point &point : m_points) {
        const QPointF d = placeOf(point) - place;
        if (QPointF::dotProduct(d, d) < distance) {
            distance = QPointF::dotProduct(d, d);
            nearest = point.k;
        }
    }
    return nearest;
}

void ScatterPlot::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF a = area();
    const QFontMetrics metrics(font());
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(a);
    p.setPen(palette().color(QPalette::Text));
    p.drawText(QRectF(0, 0, width(), 1.4 * metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
               tr("%1 (senkrecht) über k/N, N = %2").arg(m_figure).arg(m_n));
    for (double value : {m_low, m_high}) {
        const double y = a.bottom() - (value - m_low) / (m_high - m_low) * a.height();
        p.drawText(QRectF(0, y - metrics.height(), a.left() - 4, 2 * metrics.height()),
                   Qt::AlignRight | Qt::AlignVCenter, valueText(value));
    }
    drawAxisMarks(p, a);
    drawPoints(p);
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

// Under the axis its ends and the golden section with its mirror, dashed;
// a label that finds no room there stands just inside the area.
void ScatterPlot::drawAxisMarks(QPainter &p, const QRectF &a) const
{
    const QFontMetrics metrics(font());
    const QString ends[] = {QStringLiteral("0"), QStringLiteral("k/N = 1")};
    using language::localDecimal;
    const std::pair<double, QString> golden[] = {
        {1 / std::numbers::phi / std::numbers::phi, localDecimal(QStringLiteral("1/φ² ≈ 0.382"))},
        {1 / std::numbers::phi, localDecimal(QStringLiteral("1/φ ≈ 0.618"))}};
    std::vector<drawing::AxisLabel> labels{
        {a.left() + metrics.horizontalAdvance(ends[0]) / 2.0,
         double(metrics.horizontalAdvance(ends[0]))},
        {a.right() - metrics.horizontalAdvance(ends[1]) / 2.0,
         double(metrics.horizontalAdvance(ends[1]))}};
    for (const auto &[x, name] : golden)
        labels.push_back({a.left() + x * a.width(), metrics.horizontalAdvance(name) + 8.0});
    const std::vector<int> rows = drawing::placeLabels(labels, 2);
    p.drawText(QRectF(a.left(), a.bottom() + 2, a.width(), metrics.height()), Qt::AlignLeft,
               ends[0]);
    p.drawText(QRectF(a.left(), a.bottom() + 2, a.width(), metrics.height()), Qt::AlignRight,
               ends[1]);
    for (size_t i = 0; i < 2; ++i) {
        const double at = labels[i + 2].centre;
        p.setPen(QPen(goldenColour, 1, Qt::DashLine));
        p.drawLine(QPointF(at, a.top()), QPointF(at, a.bottom()));
        if (rows[i + 2] < 0)
            continue;
        const double y = rows[i + 2] == 0 ? a.bottom() + 2 : a.bottom() - metrics.height() - 2;
        p.setPen(goldenColour);
        p.drawText(QRectF(at - 80, y, 160, metrics.height()), Qt::AlignHCenter,
                   golden[i].second);
    }
}

// Every multiplier a dot, the chosen one larger and ringed.
void ScatterPlot::drawPoints(QPainter &p) const
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(pointColour);
    const double radius = m_points.size() > 100 ? 2 : 3;
    for (const Point &point : m_points)
        p.drawEllipse(placeOf(point), radius, radius);
    const QPointF chosen = placeOf(m_chosen);
    if (!chosen.isNull()) {
        p.setBrush(chosenColour);
        p.drawEllipse(chosen, radius + 2, radius + 2);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(chosenColour, 1));
        p.drawEllipse(chosen, radius + 5, radius + 5);
    }
}

void ScatterPlot::mousePressEvent(QMouseEvent *event)
{
    if (const int k = multiplierNear(event->position()))
        emit clicked(k);
}

void ScatterPlot::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (const int k = multiplierNear(event->position()))
        emit activated(k);
}

void ScatterPlot::keyPressEvent(QKeyEvent *event)
{
    const auto chosen = std::find_if(m_points.begin(), m_points.end(),
                                     [this](const Point &p) { return p.k == m_chosen; });
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_chosen)
            emit activated(m_chosen);
        return;
    case Qt::Key_Left:
        if (chosen != m_points.end() && chosen != m_points.begin())
            emit clicked(std::prev(chosen)->k);
        return;
    case Qt::Key_Right:
        if (chosen != m_points.end() && std::next(chosen) != m_points.end())
            emit clicked(std::next(chosen)->k);
        return;
    default: QWidget::keyPressEvent(event);
    }
}
