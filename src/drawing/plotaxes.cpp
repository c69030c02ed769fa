#include "drawing/plotaxes.h"
#include "language/language.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace drawing {

PlotAxes::PlotAxes(QSizeF size, const QFontMetrics &metrics, double above, double below,
                   double titleColumn)
    : m_line(metrics.height()),
      m_titleColumn(titleColumn * m_line),
      m_area(QPointF(m_titleColumn + metrics.horizontalAdvance(QStringLiteral("0000")) + 8,
                     above * m_line),
             QPointF(size.width() - 12, size.height() - below * m_line)),
      m_size(size)
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
    painter.drawText(QRectF(m_titleColumn, y - m_line, m_area.left() - 6 - m_titleColumn,
                            2 * m_line),
                     Qt::AlignRight | Qt::AlignVCenter, text);
}

QString stepText(int step)
{
    return language::translate("drawing", "Schritt %1").arg(step);
}

void PlotAxes::drawStepRange(QPainter &painter, int steps) const
{
    const QRectF under(m_area.left(), m_area.bottom() + 2, m_area.width(), m_line);
    painter.drawText(under, Qt::AlignLeft, stepText(1));
    painter.drawText(under, Qt::AlignRight, stepText(steps));
}

std::vector<int> placeLabels(const std::vector<AxisLabel> &labels, int rows)
{
    std::vector<std::vector<std::pair<double, double>>> taken(size_t(std::max(rows, 0)));
    std::vector<int> placed;
    placed.reserve(labels.size());
    for (const AxisLabel &label : labels) {
        const double left = label.centre - label.width / 2, right = label.centre + label.width / 2;
        int row = -1;
        for (size_t r = 0; r < taken.size() && row < 0; ++r) {
            const bool free = std::none_of(taken[r].begin(), taken[r].end(), [&](const auto &span) {
                return left < span.second && span.first < right;
            });
            if (free) {
                taken[r].emplace_back(left, right);
                row = int(r);
            }
        }
        placed.push_back(row);
    }
    return placed;
}

void PlotAxes::drawAxisTitles(QPainter &painter, const QString &steps,
                              const QString &values) const
{
    painter.drawText(QRectF(m_area.left(), m_size.height() - m_line - 1, m_area.width(), m_line),
                     Qt::AlignHCenter, steps);
    painter.save();
    painter.translate(0, m_area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-m_area.height() / 2, 0, m_area.height(), m_titleColumn),
                     Qt::AlignCenter, values);
    painter.restore();
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
