#include "ranking/scatterplot.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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

void ScatterPlot::setPoints(int n, std::vector<Point> points)
{
    m_n = n;
    m_points = std::move(points);
    // The shares up from the tenth below the lowest to the tenth above the
    // highest, so the shape of the ranking fills the plot.
    m_low = 0;
    m_high = 1;
    if (!m_points.empty()) {
        const auto [low, high] = std::minmax_element(
                m_points.begin(), m_points.end(),
                [](const Point &a, const Point &b) { return a.share < b.share; });
        m_low = std::floor(low->share * 10) / 10;
        m_high = std::max(m_low + 0.1, std::ceil(high->share * 10) / 10);
    }
    setAccessibleDescription(QStringLiteral("Anteil jedes Multiplikators über k/N, N = %1; "
                                            "Pfeiltasten wählen den Nachbarn, Eingabetaste "
                                            "analysiert")
                                     .arg(n));
    update();
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
    return QRectF(QPointF(metrics.horizontalAdvance(QStringLiteral("0,0")) + 10, 1.6 * line),
                  QPointF(width() - 10, height() - 1.6 * line));
}

QPointF ScatterPlot::placeOf(const Point &point) const
{
    const QRectF a = area();
    return {a.left() + double(point.k) / m_n * a.width(),
            a.bottom() - (point.share - m_low) / (m_high - m_low) * a.height()};
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
               QStringLiteral("Anteil über k/N, N = %1").arg(m_n));
    for (double share : {m_low, m_high}) {
        const double y = a.bottom() - (share - m_low) / (m_high - m_low) * a.height();
        p.drawText(QRectF(0, y - metrics.height(), a.left() - 4, 2 * metrics.height()),
                   Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(share, 'f', 1).replace(u'.', u','));
    }
    p.drawText(QRectF(a.left(), a.bottom() + 2, a.width(), metrics.height()), Qt::AlignLeft,
               QStringLiteral("0"));
    p.drawText(QRectF(a.left(), a.bottom() + 2, a.width(), metrics.height()), Qt::AlignRight,
               QStringLiteral("k/N = 1"));

    // The golden section and its mirror.
    p.setPen(QPen(goldenColour, 1, Qt::DashLine));
    for (double x : {1 / std::numbers::phi / std::numbers::phi, 1 / std::numbers::phi})
        p.drawLine(QPointF(a.left() + x * a.width(), a.top()),
                   QPointF(a.left() + x * a.width(), a.bottom()));

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
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
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
