#include "circle/positioncircle.h"

#include "circle/numbertext.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"

#include <cmath>

namespace circle {

double angleStepFor(int n)
{
    return fullTurn / n;
}

QPointF pointAt(double radius, double angle)
{
    return {radius * std::sin(angle), radius * std::cos(angle)};
}

QPointF positionPoint(int i, double angleStep)
{
    return pointAt(ringRadius, i * angleStep);
}

HeaderRows headerRows(int n)
{
    HeaderRows rows;
    rows.numbers.reserve(3 * n);
    rows.spacings.reserve(3 * n);
    for (int j = 1; j <= n; ++j)
        rows.numbers += column3(j);
    for (int j = 1; j <= n; ++j)
        rows.spacings += column3(n / j);
    return rows;
}

PositionCircle::PositionCircle(const Controls &controls)
    : m_controls(controls)
{
}

QPointF PositionCircle::positionPoint(int i) const
{
    return circle::positionPoint(i, angleStep);
}

void PositionCircle::drawPositionCircle(int count)
{
    for (int i = 0; i < count; ++i) {
        const QPointF at = positionPoint(i);
        m_controls.Picture1.circle(at.x(), at.y(), dotRadius, dotColour);
    }
}

void PositionCircle::fillHeaderRows()
{
    const HeaderRows rows = headerRows(N);
    m_controls.txtKopf.setText(rows.numbers);
    m_controls.txtSchub.setText(rows.spacings);
}

void PositionCircle::HScroll1_Change()
{
    const int v = m_controls.HScroll1.value();
    m_controls.txtN.setText(QString::number(v));
    m_controls.Picture1.cls();
    angleStep = angleStepFor(v);
    drawPositionCircle(v);
    N = v;
    fillHeaderRows();
}

void PositionCircle::HScroll2_Change()
{
    m_controls.txtk.setText(QString::number(m_controls.HScroll2.value()));
}

void PositionCircle::showStartValue()
{
    m_controls.txtN.setText(QString::number(m_controls.HScroll1.value()));
}

} // namespace circle
