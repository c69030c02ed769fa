#include "search/order.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace search {

namespace {

// The inverse of k modulo n (k and n coprime), by the extended Euclid with
// the coefficients kept modulo n: q·s < n² fits W.
template <typename W>
W inverse(W k, W n)
{
    W r0 = n, r1 = k % n, s0 = 0, s1 = 1;
    while (r1 != 0) {
        const W q = r0 / r1;
        r0 = std::exchange(r1, r0 - q * r1);
        s0 = std::exchange(s1, (s0 + (n - q * s1 % n)) % n);
    }
    return s0;
}

// Keys of H_T closer than this, in units of 2^-60, are read again exactly:
// 1.5·10⁻¹¹, a hundred times what the doubles may be off.
constexpr unsigned nearby = 1 << 24;

} // namespace

template <typename K>
Key<WideOf<K>> harmonicKey(const numbers::BasicHarmonicScore<WideOf<K>> &score,
                           const numbers::BasicNu2s<WideOf<K>> &nu2, WideOf<K> modulus, K k)
{
    using W = WideOf<K>;
    const W back = inverse(W(k), modulus);
    const W least = std::min({W(k), modulus - k, back, back != 0 ? modulus - back : modulus});
    return {numbers::wholeOf<W>(std::ldexp((long double)score.approximate(nu2), 60)), least};
}
template Key<Wide> harmonicKey(const numbers::HarmonicScore &, const numbers::Nu2s &, Wide, u64);
template Key<U256> harmonicKey(const numbers::BasicHarmonicScore<U256> &,
                               const numbers::BasicNu2s<U256> &, U256, u128);

template <typename W>
int BasicOrder<W>::compareHarmonic(W a, W aLattice, W b, W bLattice) const
{
    if (aLattice == bLattice)
        return 0;
    if (a > b + nearby)
        return 1;
    if (b > a + nearby)
        return -1;
    using K = std::conditional_t<std::is_same_v<W, Wide>, u64, u128>;
    const int upTo = m_harmonic->upTo();
    return m_harmonic->compare(numbers::latticeNu2UpTo(m_n, K(aLattice), upTo),
                               numbers::latticeNu2UpTo(m_n, K(bLattice), upTo));
}
template class BasicOrder<Wide>;
template class BasicOrder<U256>;

} // namespace search
