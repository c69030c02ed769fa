#pragma once

#include "numbers/lattice.h"

// The harmonic score of a lattice, which the current tables of multipliers
// rank by: every dimension counts, the low ones most. Exact; no Qt.
namespace numbers {

// H_T = Σ f_t/(t − 1) ÷ Σ 1/(t − 1) over t = 2 … T: f₂ weighs 1, f₈ 1/7.
//
// A sum of roots of different degrees has no exact rational form, so it is
// bracketed: ⌊2^P·f_t⌋ is an integer root, ⌊(ν_t^(2t)·2^(2tP)/(γ_t^t·N²))^(1/2t)⌋,
// and Σ c_t·⌊2^P·f_t⌋ ≤ 2^P·Σ c_t·f_t < Σ c_t·⌊2^P·f_t⌋ + Σ c_t with the
// integer weights c_t = lcm(1 … T − 1)/(t − 1). Doubling P narrows the
// bracket until it decides; doubles decide first wherever they are far
// enough apart to be sure.
template <typename W>
class BasicHarmonicScore
{
public:
    using Nu2s = BasicNu2s<W>;
    BasicHarmonicScore(W n, int upTo);

    int upTo() const { return m_upTo; }
    // H_T in double, within 10⁻¹³.
    double approximate(const Nu2s &nu2) const;
    // The most H_T can reach when only f₂ … f_known are known: the others
    // are at most 1 (Hermite) up to 8 dimensions, and at most what
    // Blichfeldt's bound leaves above. In double, within 10⁻¹³.
    double bound(const Nu2s &nu2, int known) const;
    // −1, 0 or 1 as H_T of a is below, equal to or above that of b, exact.
    // Lattices with the same ν_t² are equal; others are told apart to
    // 2^-16384, past any two H_T of different lattices met in practice.
    int compare(const Nu2s &a, const Nu2s &b) const;
    // H_T in ten-thousandths, rounded half up, exact in the same way.
    u64 tenThousandths(const Nu2s &nu2) const;

private:
    double weight(int t) const { return 1.0 / (t - 1); }

    W m_n;
    int m_upTo;
    BasicSpectralOrder<W> m_order;
    std::array<unsigned long, maxDimension + 1> m_weight{}; // c_t
    unsigned long m_total = 0;                                // Σ c_t
    double m_sum = 0;                                         // Σ 1/(t − 1)
    std::array<double, maxDimension + 1> m_most{};            // the most f_t can be
};
using HarmonicScore = BasicHarmonicScore<Wide>;

} // namespace numbers
