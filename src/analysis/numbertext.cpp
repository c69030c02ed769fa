#include "analysis/numbertext.h"

#include <cmath>

namespace analysis {

QString numberText(double value)
{
    const QString sign = value < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    const double magnitude = std::abs(value);
    if (magnitude < 9e18)
        return sign + QString::number((unsigned long long)magnitude);
    return sign + QString::number(magnitude, 'f', 0);
}

QString column(double value, int width)
{
    return numberText(value).rightJustified(width).right(width);
}

QString column3(double value)
{
    return column(value, 3);
}

double roundHalfEven(double value)
{
    // A value exactly halfway between two whole numbers goes to the even one:
    // 2.5 -> 2, 3.5 -> 4, -0.5 -> -0.
    if (std::abs(value - std::trunc(value)) == 0.5)
        return 2 * std::round(value / 2);
    return std::round(value);
}

} // namespace analysis
