#include "analysis/ring.h"

#include "analysis/numbertext.h"

#include <cmath>

namespace analysis {

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

} // namespace analysis
