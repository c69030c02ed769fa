#include "numbers/harmonic.h"

#include "numbers/big.h"

#include <cmath>
#include <numeric>

namespace numbers {

namespace {

constexpr unsigned long firstBits = 64, lastBits = 16384;

// Σ c_t·⌊2^bits·f_t⌋ over t = 2 … T: the lower end of 2^bits·Σ c_t·f_t.
template <typename W>
void lowerSum(Big &sum, const BasicNu2s<W> &nu2, W n, int upTo,
              const std::array<unsigned long, maxDimension + 1> &weights, unsigned long bits)
{
    mpz_set_ui(sum.value, 0);
    Big power, density(n), root;
    mpz_mul(density.value, density.value, density.value);
    for (int t = minDimension; t <= upTo; ++t) {
        // ⌊2^bits·f_t⌋ = ⌊ ⌊ν_t^(2t)·q·2^(2t·bits) / (p·N²)⌋^(1/2t) ⌋, γ_t^t = p/q
        const HermitePower gamma = hermite[size_t(t)];
        Big lattice(nu2[size_t(t)]);
        mpz_pow_ui(lattice.value, lattice.value, unsigned(t));
        hermitePart(power, gamma.den, gamma.power, 1);
        mpz_mul(lattice.value, lattice.value, power.value);
        mpz_mul_2exp(lattice.value, lattice.value, 2 * unsigned(t) * bits);
        hermitePart(power, gamma.num, gamma.power, 1);
        mpz_mul(power.value, power.value, density.value);
        mpz_fdiv_q(lattice.value, lattice.value, power.value);
        mpz_root(root.value, lattice.value, 2 * unsigned(t));
        mpz_addmul_ui(sum.value, root.value, weights[size_t(t)]);
    }
}

} // namespace

template <typename W>
BasicHarmonicScore<W>::BasicHarmonicScore(W n, int upTo)
    : m_n(n), m_upTo(upTo), m_order(n)
{
    unsigned long common = 1;
    for (int t = minDimension; t <= upTo; ++t)
        common = std::lcm(common, (unsigned long)(t - 1));
    for (int t = minDimension; t <= upTo; ++t) {
        m_weight[size_t(t)] = common / (unsigned long)(t - 1);
        m_total += m_weight[size_t(t)];
        m_sum += weight(t);
        // f_t ≤ 1 where γ_t is known; above, ν_t² ≤ γ_t·N^(2/t) with
        // Blichfeldt's γ_t ≤ (2/π)·Γ(2 + t/2)^(2/t), so f_t is at most the
        // root of that over the γ_t taken, with room for the rounding.
        m_most[size_t(t)] = t <= provenDimensions
                ? 1.0
                : std::sqrt(2 / M_PI * std::exp(std::lgamma(2 + t / 2.0) * 2 / t)
                            / std::exp(hermite[size_t(t)].log() / t))
                        * (1 + 1e-9);
    }
}

template <typename W>
double BasicHarmonicScore<W>::approximate(const Nu2s &nu2) const
{
    return bound(nu2, m_upTo);
}

template <typename W>
double BasicHarmonicScore<W>::bound(const Nu2s &nu2, int known) const
{
    double sum = 0;
    for (int t = minDimension; t <= m_upTo; ++t)
        sum += weight(t) * (t <= known ? m_order.approximate(nu2[size_t(t)], t) : m_most[size_t(t)]);
    return sum / m_sum;
}

template <typename W>
int BasicHarmonicScore<W>::compare(const Nu2s &a, const Nu2s &b) const
{
    const double apart = approximate(a) - approximate(b);
    if (std::abs(apart) > 1e-11)
        return apart < 0 ? -1 : 1;
    if (std::equal(a.begin() + minDimension, a.begin() + m_upTo + 1, b.begin() + minDimension))
        return 0;
    Big lowA, lowB;
    for (unsigned long bits = firstBits; bits <= lastBits; bits *= 2) {
        lowerSum(lowA, a, m_n, m_upTo, m_weight, bits);
        lowerSum(lowB, b, m_n, m_upTo, m_weight, bits);
        // a < lowA + Σc ≤ lowB ≤ b, and the other way round.
        mpz_add_ui(lowA.value, lowA.value, m_total);
        if (mpz_cmp(lowA.value, lowB.value) <= 0)
            return -1;
        mpz_sub_ui(lowA.value, lowA.value, m_total);
        mpz_add_ui(lowB.value, lowB.value, m_total);
        if (mpz_cmp(lowB.value, lowA.value) <= 0)
            return 1;
    }
    return 0;
}

template <typename W>
u64 BasicHarmonicScore<W>::tenThousandths(const Nu2s &nu2) const
{
    // F = ⌊10⁴·H + ½⌋ = ⌊(2·10⁴·S + W) / (2W)⌋ with S = Σ c_t·f_t, W = Σ c_t.
    const double shifted = 1e4 * approximate(nu2) + 0.5;
    if (std::abs(shifted - std::nearbyint(shifted)) > 1e-6)
        return u64(shifted);
    Big low, top, over, lowest, highest;
    for (unsigned long bits = firstBits;; bits *= 2) {
        lowerSum(low, nu2, m_n, m_upTo, m_weight, bits);
        // 2^bits·S lies in [low, low + W).
        mpz_set_ui(over.value, 2 * m_total);
        mpz_mul_2exp(over.value, over.value, bits);
        mpz_set_ui(top.value, m_total);
        mpz_mul_2exp(top.value, top.value, bits); // W·2^bits
        mpz_mul_ui(lowest.value, low.value, 20000);
        mpz_add(lowest.value, lowest.value, top.value);
        mpz_fdiv_q(lowest.value, lowest.value, over.value);
        // The largest integer below (2·10⁴·(low + W) + W·2^bits) / (2W·2^bits).
        mpz_add_ui(highest.value, low.value, m_total);
        mpz_mul_ui(highest.value, highest.value, 20000);
        mpz_add(highest.value, highest.value, top.value);
        mpz_sub_ui(highest.value, highest.value, 1);
        mpz_fdiv_q(highest.value, highest.value, over.value);
        if (mpz_cmp(lowest.value, highest.value) == 0 || bits >= lastBits)
            return mpz_get_ui(lowest.value);
    }
}

template class BasicHarmonicScore<Wide>;
template class BasicHarmonicScore<U256>;

} // namespace numbers
