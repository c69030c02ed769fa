#pragma once

#include "numbers/figures.h"
#include "numbers/period.h"

#include <array>
#include <functional>
#include <optional>

// The lattice of t successive values, t = 2 … 24: how the t-tuples of
// successive values of the generator x → k·x mod N lie on parallel
// hyperplanes. Exact integers; no Qt.
namespace numbers {

// ν_t² = min |h|² over the integer vectors h ≠ 0 with
// h₀ + h₁·k + … + h_{t−1}·k^{t−1} ≡ 0 (mod N): the squared length of the
// shortest vector of the dual of the lattice that holds every t-tuple
// (x, k·x, …, k^{t−1}·x) mod N. Scaled to the unit cube, 1/ν_t is the
// largest distance between parallel hyperplanes that cover the tuples.
// For 2 ≤ N ≤ 2^64 (2^128 with K = u128), 1 ≤ k < N coprime with N, and
// 2 ≤ t ≤ 24.
//
// The dual basis (N, 0, …), (−k^i mod N, e_i) is reduced by LLL and its
// shortest vector found by enumeration; the vector is confirmed in exact
// integers: it satisfies the congruence, and its length is computed from
// its integer coordinates. In machine integers (basisreduction.h), rows
// of 64 bits up to 2^64 and of 128 bits above, and in arbitrary precision
// where a number would leave them.
template <typename K>
WideOf<K> latticeNu2(WideOf<K> n, K k, int t);

// Calls more(t, ν_t²) for t = 2, 3, … upTo while it returns true: one
// reduction serves every dimension, and a caller that stops early pays
// for no higher one. A caller that has walked the plane (PlaneWalks) hands
// its basis over as `plane`.
template <typename K>
void eachLatticeNu2(WideOf<K> n, K k, int upTo,
                    const std::function<bool(int, WideOf<K>)> &more,
                    const PlaneBasis<K> *plane = nullptr);

// ν_t² by fplll: LLL over GMP integers and its proved enumeration. The way
// where machine integers do not reach, and the independent model in tests.
template <typename K>
WideOf<K> latticeNu2Arbitrary(WideOf<K> n, K k, int t);

// ν_t² indexed by t = 2 … T.
template <typename W>
using BasicNu2s = std::array<W, maxDimension + 1>;
using Nu2s = BasicNu2s<Wide>;

// ν_t² for t = 2 … upTo, indexed by t.
template <typename K>
BasicNu2s<WideOf<K>> latticeNu2UpTo(WideOf<K> n, K k, int upTo);

// f_t = ν_t / (γ_t^(1/2) · N^(1/t)) in ten-thousandths, rounded half up,
// with the Hermite constants γ_t^t = 4/3, 2, 4, 8, 64/3, 64, 256 for
// t = 2 … 8: 1 (10000) is the most a lattice of N points per unit volume
// can reach; above, γ_t of the best packings known (dimensions.h), which a
// lattice may pass a little. Exact: decided by comparing integers.
template <typename W>
u64 latticeFigure(W nu2, std::type_identity_t<W> n, int t);

// The spectral figures f_t of one N, of any dimensions, in exact order. With
// γ_t^t = p_t/q_t and L = lcm(a, b), f_a > f_b exactly when f_a^(2L) > f_b^(2L):
//   (ν_a²)^L · q_a^(L/a) · p_b^(L/b) · N^(2L/b)  >  (ν_b²)^L · q_b^(L/b) · p_a^(L/a) · N^(2L/a).
// In one dimension that is ν_a² > ν_b². Across dimensions the logarithms
// ln f_t = ½·ln ν_t² − (ln γ_t^t + 2·ln N)/(2t) decide where they lie
// more than 10⁻⁹ apart (their rounding is below 10⁻¹³), and the integers
// above, in GMP, where they come closer; so values that round to the same
// four decimals are still told apart, and only equal values are equal.
//
// A dimension is given as a code: t for the lattice modulo N, and
// t + d·codeStep for a lattice modulo N/d (d ≤ 8, a lag's), whose f_t is
// then normalised by N/d in place of N in both formulas.
template <typename W>
class BasicSpectralOrder
{
public:
    static constexpr int codeStep = 64;
    static constexpr int dimensionOf(int code) { return code % codeStep; }
    static constexpr int divisorOf(int code) { return code < codeStep ? 1 : code / codeStep; }

    explicit BasicSpectralOrder(W n);
    // −1, 0 or 1 as f_a of ν_a² is below, equal to or above f_b of ν_b².
    int compare(W nu2a, int a, W nu2b, int b) const;
    // f_t of ν_t² in double, within 10⁻¹⁴ of it: for bounds that keep a
    // margin, never for an order.
    double approximate(W nu2, int t) const;
    // The least ν_t² whose f_t reaches f_b of ν_b²: since f_t grows with
    // ν_t², a lattice falls below f_b in dimension t exactly when its ν_t²
    // is less, which a search can then ask in integers alone.
    W least(int t, W nu2b, int b) const;
    // The code of the smallest f_t over t = 2 … upTo of the lattice modulo
    // N/divisor, given ν_t² indexed by t: where the figure of merit M_upTo
    // is reached, the lowest dimension where two are equal.
    int worst(const BasicNu2s<W> &nu2, int upTo, int divisor = 1) const;

private:
    static double offsetAt(W n, int t); // (ln γ_t^t + 2·ln n)/(2t)
    double offset(int code) const;

    W m_n;
    std::array<double, maxDimension + 1> m_offset{}; // of N, by t
};
using SpectralOrder = BasicSpectralOrder<Wide>;

// Whether the MCG modulo N is judged on the lattice of its own orbit:
// N = 2^e with e ≥ 3.
//
// Its multipliers of the longest period are k ≡ 3 or 5 (mod 8), period
// 2^(e−2). For k ≡ 5 every x of an orbit keeps its residue r mod 4, so
// x = r + 4y where y → k·y + (k − 1)·r/4 runs through every residue modulo
// 2^(e−2): the orbit's t-tuples are those of an LCG modulo 2^(e−2) with
// the multiplier k mod 2^(e−2), moved and scaled. For k ≡ 3, N − k ≡ 5
// gives the same figures (Knuth 3.3.4), and is taken.
template <typename W>
bool hasOwnLattice(W n, Generator generator)
{
    return generator == Generator::Mcg && n >= 8 && (n & (n - 1)) == 0;
}

// The modulus of the lattice that judges a generator of N seen every
// `lag`-th step, whatever its multiplier: M = 2^(e−2) for the MCG of
// N = 2^e (e ≥ 3), else M = N; every lag-th value of a generator of period
// M is an LCG modulo M/gcd(M, lag), moved and scaled. None where that has
// fewer than two points.
template <typename W>
std::optional<W> latticeModulus(W n, Generator generator, u64 lag = 1);

// That lattice for the multiplier k (of the longest period, where the
// generator asks for it): modulo latticeModulus, with the multiplier k^lag,
// for the MCG of 2^e taking k or N − k, whichever is ≡ 5 (mod 8). Mostly
// N and k themselves.
template <typename K>
std::optional<BasicGeneratorLattice<K>> generatorLattice(WideOf<K> n, K k, Generator generator,
                                                         u64 lag = 1);

// ν₂², f₂ and the figures of more dimensions of `figures` read on another
// lattice; the figures of one dimension (the sum, the continued fraction,
// Zaremba, the gap ratio) stay those of k modulo N.
template <typename K>
void readOnLattice(BasicFigures<K> &figures, BasicGeneratorLattice<K> lattice);

// Every figure of k as a generator of N, with the spectral ones read on its
// lattice (generatorLattice), with the dimensions 3 … `dimensions` and
// M_T where `dimensions` is 2 or more. For k coprime with N whose lattice has two points at least.
template <typename K>
BasicFigures<K> generatorFigures(WideOf<K> n, K k,
                                 const BasicEquidistantRow<WideOf<K>> &equidistant,
                                 Generator generator, int dimensions, u64 lag = 1);

// The lags of the lagged figure: every 2nd … 8th value.
inline constexpr u64 firstLag = 2, lastLag = 8;

// The lagged figure added to `figures` (of a multiplier k of N, read as
// `generator`): the smallest M_upTo of the generator seen every L-th step,
// L = 2 … 8, each on its own lattice (generatorLattice), and the L where it
// is reached, the smallest where two are equal. A lag whose lattice has
// fewer than two points has no figure; where no lag has one, the figure is
// 0 at L = 0.
template <typename K>
void addLagged(BasicFigures<K> &figures, Generator generator, int upTo);

// The lattice figures of 3 … upTo dimensions added to those of one
// multiplier (as `figures` gives them), on its lattice, and the figure of merit M_upTo = min f_t,
// t = 2 … upTo, with the dimension where it is reached, decided exactly.
template <typename K>
void addDimensions(BasicFigures<K> &figures, int upTo);

} // namespace numbers
