#pragma once

#include "numbers/dimensions.h"
#include "numbers/spread.h"

#include <array>

// Every established figure of a multiplier k of N (1 ≤ k < N ≤ 2^128, N and
// k coprime), from one pass of Euclid's algorithm on (N, k): the gap sum,
// the spectral test, the Zaremba index, the gap ratio and the partial
// quotients. Exact integers and fractions; a decimal is rounded only when it
// is shown. Plain arithmetic: no Qt.
namespace numbers {

// A fraction num/den ≥ 0, compared exactly, by cross-multiplying: the
// products fit W, as they do for every ratio of this engine (one side of
// each product is at most N, of half W's width).
template <typename W>
struct BasicRatio {
    W num = 0;
    W den = 1;

    friend bool operator<(const BasicRatio &a, const BasicRatio &b)
    {
        if (a.den == b.den)
            return a.num < b.num;
        return a.num * b.den < b.num * a.den;
    }
    friend bool operator==(const BasicRatio &a, const BasicRatio &b)
    {
        return a.num * b.den == b.num * a.den;
    }
};
using Ratio = BasicRatio<Wide>;

// num/den in ten-thousandths, rounded half up.
template <typename W>
W tenThousandthsOf(const BasicRatio<W> &ratio)
{
    return (ratio.num * 20000 + ratio.den) / (2 * ratio.den);
}
inline Wide tenThousandths(const Ratio &ratio)
{
    return tenThousandthsOf(ratio);
}
inline U256 tenThousandths(const BasicRatio<U256> &ratio)
{
    return tenThousandthsOf(ratio);
}

// The figures of one multiplier that its Euclid pass gives, and which of
// them its mirror N − k shares. K is the engine's width (euclid.h).
template <typename K>
struct BasicMeasures {
    using W = WideOf<K>;
    W sum = 0;            // the minimal distances of steps 1 … N − 1
    W nu2 = 0;            // ν₂², the squared shortest vector of the lattice of pairs
    K zaremba = 0;        // ρ, the Zaremba index
    BasicRatio<W> gapRatio; // the largest ratio of longest to shortest gap over every step
    W largest = 0;        // the largest partial quotient of k/N
    W mirrorLargest = 0;  // … of (N − k)/N; every other figure is the mirror's too
};
using Measures = BasicMeasures<u64>;

// False when N and k share a divisor. Costs one division per partial
// quotient of k/N.
template <typename K>
bool measure(WideOf<K> n, K k, BasicMeasures<K> &measures);

// ν₂² alone, by the same pass up to the shortest point (about half of it);
// false when N and k share a divisor.
template <typename K>
bool planeNu2(WideOf<K> n, K k, WideOf<K> &nu2);

// planeNu2 for many multipliers of one N, quicker where they come close
// together, as in a ranking of a stretch of k. Multipliers within a short
// stretch share the start of their walks (the convergents of k/N with
// small denominators): it is walked once for the stretch, and each walk
// goes on from where they part.
template <typename K>
class PlaneWalks
{
public:
    // A stretch of 1024 leaves about 3 runs for each k to walk alone.
    explicit PlaneWalks(WideOf<K> n, K stretch = 1024) : m_n(n), m_stretch(stretch) {}
    // As planeNu2; with `basis`, also a basis of the plane lattice (euclid.h)
    // whose first row is the shortest vector.
    bool nu2(K k, WideOf<K> &nu2, PlaneBasis<K> *basis = nullptr);

private:
    void share(K from);

    WideOf<K> m_n;
    K m_stretch;
    // The stretch m_from … m_to shares the walk's first runs; at their end
    // m_from has the records m_start (empty stretch: m_to < m_from).
    K m_from = 1, m_to = 0;
    Records<K> m_start{};
};

// The spectral figure f₂ = ν₂ / (γ₂^(1/2) · √N) in ten-thousandths,
// rounded half up: 1 (10000) is the best any lattice of N points per unit
// of area can reach.
u64 spectralTenThousandths(Wide nu2, Wide n);
u64 spectralTenThousandths(const U256 &nu2, const U256 &n);

// The lattice that the spectral figures of a multiplier are read from: a
// modulus and a multiplier below it, coprime with it. Mostly N and k
// themselves; lattice.h names the others (an MCG modulo 2^e, a lag).
template <typename K>
struct BasicGeneratorLattice {
    WideOf<K> n = 0;
    K k = 0;
    bool operator==(const BasicGeneratorLattice &) const = default;
};
using GeneratorLattice = BasicGeneratorLattice<u64>;

// Everything the tools show of one multiplier: its measures, and what is
// read from them for showing.
template <typename K>
struct BasicFigures : BasicMeasures<K> {
    using W = WideOf<K>;
    W n = 0;
    K k = 0;
    u64 share = 0; // ten-thousandths of the equidistant sum
    std::vector<W> quotients;
    u64 f2 = 0; // ten-thousandths
    // The lattice of ν₂², f₂ and the figures of more dimensions: {n, k} as
    // `figures` gives them, unless read on another (lattice.h,
    // readOnLattice); none from `figuresOf`, which has no k.
    BasicGeneratorLattice<K> lattice;
    // The spectral test in 3 … `dimensions` dimensions (lattice.h), where
    // asked for: ν_t² and f_t indexed by t, and the figure of merit M_T, the
    // smallest f_t over t = 2 … T, reached in dimension meritDimension
    // (the lowest one where two are equal). merit is rounded for showing;
    // ν² of meritDimension is its exact value.
    int dimensions = 2;
    std::array<W, maxDimension + 1> nu2t{};
    std::array<u64, maxDimension + 1> ft{};
    u64 merit = 0;
    int meritDimension = 2;
    u64 harmonic = 0; // H_T (harmonic.h), ten-thousandths
    // Where asked for: the smallest M_T of the generator seen every L-th
    // step, L = 2 … 8 (lattice.h, addLagged), and the L where it is.
    u64 lagged = 0;
    int laggedAt = 0;
};
// The figures up to 2^64, which every window shows, and up to 2^128.
using Figures = BasicFigures<u64>;
using Figures128 = BasicFigures<u128>;

// The figures up to 2^64 as those of the wider engine, for the writers
// that show either.
Figures128 widened(const Figures &figures);

// For N and k coprime, 1 ≤ k < N ≤ 2^64 (2^128); the equidistant row of N
// is passed in, so a ranking makes it once.
template <typename K>
BasicFigures<K> figures(WideOf<K> n, K k, const BasicEquidistantRow<WideOf<K>> &equidistant);

// What is read from a multiplier's measures at N for showing: the share
// and f₂, without the continued fraction (for the best of a standing,
// which has measures only).
template <typename K>
BasicFigures<K> figuresOf(const BasicMeasures<K> &measures, WideOf<K> n,
                          const BasicEquidistantRow<WideOf<K>> &equidistant);

} // namespace numbers
