#include "drawing/plotaxes.h"

#include <QPainter>
#include <QPalette>

#include <cmath>

namespace drawing {

PlotAxes::PlotAxes(QSizeF size, const QFontMetrics &metrics, double above, double below)
    : m_line(metrics.height()),
      m_area(QPointF(metrics.horizontalAdvance(QStringLiteral("0000")) + 8, above * m_line),
             QPointF(size.width() - 12, size.height() - below * m_line))
{
}

void PlotAxes::drawFrame(QPainter &painter, const QPalette &palette) const
{
    painter.setPen(palette.color(QPalette::Mid));
    painter.drawRect(m_area);
    painter.setPen(palette.color(QPalette::Text));
}

void PlotAxes::drawValueLabel(QPainter &painter, double y, const QString &text, bool tick) const
{
    if (tick)
        painter.drawLine(QPointF(m_area.left() - 4, y), QPointF(m_area.left(), y));
    painter.drawText(QRectF(0, y - m_line, m_area.left() - 6, 2 * m_line),
                     Qt::AlignRight | Qt::AlignVCenter, text);
}

void PlotAxes::drawStepRange(QPainter &painter, int steps) const
{
    const QRectF under(m_area.left(), m_area.bottom() + 2, m_area.width(), m_line);
    painter.drawText(under, Qt::AlignLeft, QStringLiteral("Schritt 1"));
    painter.drawText(under, Qt::AlignRight, QStringLiteral("Schritt %1").arg(steps));
}

LogScale::LogScale(double top)
    : m_logTop(std::log(top))
{
}

double LogScale::operator()(double value) const
{
    return std::log(value) / m_logTop;
}

} // namespace drawing
