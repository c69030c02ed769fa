#include "circle/numbertext.h"

#include <cmath>

namespace circle {

QString numberText(long long value)
{
    // The magnitude as unsigned, so the most negative value has digits too.
    const unsigned long long magnitude = value < 0 ? 0ULL - (unsigned long long)value
                                                   : (unsigned long long)value;
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(magnitude);
}

QString column3(long long value)
{
    return (QStringLiteral("    ") + numberText(value)).right(3);
}

double roundHalfEven(double value)
{
    // A value exactly halfway between two whole numbers goes to the even one:
    // 2.5 -> 2, 3.5 -> 4, -0.5 -> -0.
    if (std::abs(value - std::trunc(value)) == 0.5)
        return 2 * std::round(value / 2);
    return std::round(value);
}

} // namespace circle
