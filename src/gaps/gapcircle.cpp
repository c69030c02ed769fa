#include "gaps/gapcircle.h"

#include "drawing/canvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gapcolours {

QColor of(const numbers::Gaps &gaps, numbers::u64 length)
{
    if (length == gaps.shortest().length)
        return shortest;
    return length == gaps.longest().length ? longest : middle;
}

} // namespace gapcolours

std::vector<GapArc> gapArcs(int n, int k, int step)
{
    std::vector<int> occupied;
    numbers::Occupation steps{numbers::u64(n), numbers::u64(k)};
    occupied.push_back(0);
    for (int i = 1; i <= step; ++i) {
        steps.advance();
        occupied.push_back(int(steps.position()));
    }
    const numbers::Gaps gaps = numbers::gapsOf(steps);
    std::sort(occupied.begin(), occupied.end());
    std::vector<GapArc> arcs;
    for (size_t i = 0; i < occupied.size(); ++i) {
        const int next = i + 1 < occupied.size() ? occupied[i + 1] : n;
        const int length = next - occupied[i];
        arcs.push_back({occupied[i], length, gapcolours::of(gaps, numbers::u64(length))});
    }
    return arcs;
}

GapCircle::GapCircle(QWidget *parent)
    : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMinimumSize(240, 240);
}

void GapCircle::setPicture(int n, int k, int step)
{
    if (n == m_n && k == m_k && step == m_step)
        return;
    m_n = n;
    m_k = k;
    m_step = step;
    update();
}

drawing::Drawing GapCircle::drawing() const
{
    const QSize size = this->size();
    return {size, [this, size](QPainter &painter) { paint(painter, size); }};
}

void GapCircle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, size());
}

// Position p at the angle 2π·p/N, 0 straight below the centre and the
// others counter-clockwise, as on the main window's circle.
void GapCircle::paint(QPainter &painter, QSizeF size) const
{
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    if (m_n < 2 || m_step < 1)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size.width() / 2, size.height() / 2);
    const double radius = 0.40 * std::min(size.width(), size.height());
    const auto angle = [this](double position) { return 2 * std::numbers::pi * position / m_n; };
    const auto point = [&](double position, double r) {
        return centre + QPointF(r * std::sin(angle(position)), r * std::cos(angle(position)));
    };
    const QRectF ring(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));

    // The arcs, thick and without caps, so they meet at the dots. Qt counts
    // angles in sixteenths of a degree from three o'clock, counter-clockwise.
    const double width = std::max(3.0, radius / 22);
    for (const GapArc &arc : gapArcs(m_n, m_k, m_step)) {
        painter.setPen(QPen(arc.colour, width, Qt::SolidLine, Qt::FlatCap));
        const double start = -90 + 360.0 * arc.from / m_n, span = 360.0 * arc.length / m_n;
        painter.drawArc(ring, int(std::lround(16 * start)), int(std::lround(16 * span)));
    }

    // Every position a small mark just outside, numbered while there is room.
    painter.setPen(QPen(QColor(150, 150, 150), 1));
    for (int p = 0; p < m_n; ++p)
        painter.drawLine(point(p, radius + width), point(p, radius + width + 4));
    if (m_n <= 60) {
        QFont small = painter.font();
        small.setPointSizeF(std::max(6.0, std::min(9.0, radius / 18)));
        painter.setFont(small);
        painter.setPen(QColor(90, 90, 90));
        for (int p = 0; p < m_n; ++p) {
            const QPointF at = point(p, radius + width + 14);
            painter.drawText(QRectF(at - QPointF(15, 8), QSizeF(30, 16)), Qt::AlignCenter,
                             QString::number(p + 1));
        }
    }

    // The occupied positions as white dots on the arcs, the newest ringed.
    const double dot = 0.8 * width;
    painter.setPen(QPen(QColor(40, 40, 40), 1.5));
    painter.setBrush(Qt::white);
    numbers::Occupation steps{numbers::u64(m_n), numbers::u64(m_k)};
    painter.drawEllipse(point(0, radius), dot, dot);
    for (int i = 1; i <= m_step; ++i) {
        steps.advance();
        painter.drawEllipse(point(double(steps.position()), radius), dot, dot);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(200, 0, 0), 2));
    painter.drawEllipse(point(double(steps.position()), radius), 2.2 * dot, 2.2 * dot);
}
