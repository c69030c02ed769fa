#include "search/order.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace search {

namespace {

// The inverse of k modulo n (k and n coprime), by the extended Euclid.
Wide inverse(Wide k, Wide n)
{
    using Signed = __int128;
    Signed r0 = Signed(n), r1 = Signed(k % n), s0 = 0, s1 = 1;
    while (r1 != 0) {
        const Signed q = r0 / r1;
        r0 = std::exchange(r1, r0 - q * r1);
        s0 = std::exchange(s1, s0 - q * s1);
    }
    return Wide(s0 < 0 ? s0 + Signed(n) : s0);
}

// Keys of H_T closer than this, in units of 2^-60, are read again exactly:
// 1.5·10⁻¹¹, a hundred times what the doubles may be off.
constexpr Wide nearby = Wide(1) << 24;

} // namespace

Key<Wide> harmonicKey(const numbers::HarmonicScore &score, const numbers::Nu2s &nu2, Wide modulus,
                      u64 k)
{
    const Wide back = inverse(k, modulus);
    const Wide least = std::min({Wide(k), modulus - k, back, back ? modulus - back : modulus});
    return {Wide(std::ldexp(score.approximate(nu2), 60)), least};
}

int Order::compareHarmonic(Wide a, Wide aLattice, Wide b, Wide bLattice) const
{
    if (aLattice == bLattice)
        return 0;
    if (a > b + nearby)
        return 1;
    if (b > a + nearby)
        return -1;
    const int upTo = m_harmonic->upTo();
    return m_harmonic->compare(numbers::latticeNu2UpTo(m_n, u64(aLattice), upTo),
                               numbers::latticeNu2UpTo(m_n, u64(bLattice), upTo));
}

} // namespace search
