#pragma once

#include "numbers/dimensions.h"
#include "numbers/spread.h"

#include <array>

// Every established figure of a multiplier k of N (1 ≤ k < N ≤ 2^64, N and
// k coprime), from one pass of Euclid's algorithm on (N, k): the gap sum,
// the spectral test, the Zaremba index, the gap ratio and the partial
// quotients. Exact integers and fractions; a decimal is rounded only when it
// is shown. Plain arithmetic: no Qt.
namespace numbers {

// A fraction num/den ≥ 0, compared exactly.
struct Ratio {
    Wide num = 0;
    Wide den = 1;
};
// a < b, by cross-multiplying; the products must fit 128 bits, as they do
// for every ratio of this engine (one side of each product is at most 2^64).
bool operator<(const Ratio &a, const Ratio &b);
bool operator==(const Ratio &a, const Ratio &b);

// num/den in ten-thousandths, rounded half up.
Wide tenThousandths(const Ratio &ratio);

// The figures of one multiplier that its Euclid pass gives, and which of
// them its mirror N − k shares.
struct Measures {
    Wide sum = 0;            // the minimal distances of steps 1 … N − 1
    Wide nu2 = 0;            // ν₂², the squared shortest vector of the lattice of pairs
    u64 zaremba = 0;         // ρ, the Zaremba index
    Ratio gapRatio;          // the largest ratio of longest to shortest gap over every step
    Wide largest = 0;        // the largest partial quotient of k/N
    Wide mirrorLargest = 0;  // … of (N − k)/N; every other figure is the mirror's too
};

// False when N and k share a divisor. Costs one division per partial
// quotient of k/N.
bool measure(Wide n, u64 k, Measures &measures);

// The spectral figure f₂ = ν₂ / (γ₂^(1/2) · √N) in ten-thousandths,
// rounded half up: 1 (10000) is the best any lattice of N points per unit
// of area can reach.
u64 spectralTenThousandths(Wide nu2, Wide n);

// The lattice that the spectral figures of a multiplier are read from: a
// modulus and a multiplier below it, coprime with it. Mostly N and k
// themselves; lattice.h names the others (an MCG modulo 2^e, a lag).
struct GeneratorLattice {
    Wide n = 0;
    u64 k = 0;
    bool operator==(const GeneratorLattice &) const = default;
};

// Everything the tools show of one multiplier: its measures, and what is
// read from them for showing.
struct Figures : Measures {
    Wide n = 0;
    u64 k = 0;
    u64 share = 0; // ten-thousandths of the equidistant sum
    std::vector<Wide> quotients;
    u64 f2 = 0; // ten-thousandths
    // The lattice of ν₂², f₂ and the figures of more dimensions: {n, k} as
    // `figures` gives them, unless read on another (lattice.h,
    // readOnLattice); none from `figuresOf`, which has no k.
    GeneratorLattice lattice;
    // The spectral test in 3 … `dimensions` dimensions (lattice.h), where
    // asked for: ν_t² and f_t indexed by t, and the figure of merit M_T, the
    // smallest f_t over t = 2 … T, reached in dimension meritDimension
    // (the lowest one where two are equal). merit is rounded for showing;
    // ν² of meritDimension is its exact value.
    int dimensions = 2;
    std::array<Wide, maxDimension + 1> nu2t{};
    std::array<u64, maxDimension + 1> ft{};
    u64 merit = 0;
    int meritDimension = 2;
    u64 harmonic = 0; // H_T (harmonic.h), ten-thousandths
    // Where asked for: the smallest M_T of the generator seen every L-th
    // step, L = 2 … 8 (lattice.h, addLagged), and the L where it is.
    u64 lagged = 0;
    int laggedAt = 0;
};

// For N and k coprime, 1 ≤ k < N ≤ 2^64; the equidistant row of N is
// passed in, so a ranking makes it once.
Figures figures(Wide n, u64 k, const EquidistantRow &equidistant);

// What is read from a multiplier's measures at N for showing: the share
// and f₂, without the continued fraction (for the best of a standing,
// which has measures only).
Figures figuresOf(const Measures &measures, Wide n, const EquidistantRow &equidistant);

} // namespace numbers
