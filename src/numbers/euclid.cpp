#include "numbers/euclid.h"

namespace numbers {

Wide gcd(Wide a, Wide b)
{
    while (b != 0) {
        const Wide rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

} // namespace numbers
