#pragma once

#include "numbers/spread.h"

#include <algorithm>

// The sum of the minimal distances one record at a time: the side with the
// larger value drops by the smaller one at step m_b + m_f. Its cost grows
// with the partial quotients, so it checks the closed form on huge N whose
// quotients are small.
inline numbers::Wide recordWalk(numbers::Wide n, numbers::u64 k)
{
    using numbers::u64;
    u64 b = k, f = u64(n - k), mb = 1, mf = 1, from = 1;
    numbers::Wide sum = 0;
    while (b != 1 && f != 1) {
        const u64 next = mb + mf;
        sum += numbers::Wide(std::min(b, f)) * (next - from);
        from = next;
        if (b < f) {
            f -= b;
            mf = next;
        } else {
            b -= f;
            mb = next;
        }
    }
    return sum + (n - from);
}
