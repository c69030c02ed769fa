#pragma once

// The dimensions of the spectral test and the constants that normalise it.
namespace numbers {

inline constexpr int minDimension = 2;
inline constexpr int maxDimension = 8;

// The Hermite constants as γ_t^t = num/den, indexed by t = 2 … 8: 4/3, 2,
// 4, 8, 64/3, 64, 256, the densest lattice packings (Conway and Sloane),
// which normalise ν_t to the figure f_t ≤ 1.
struct HermitePower {
    unsigned long num, den;
};
inline constexpr HermitePower hermite[maxDimension + 1] = {
        {0, 1}, {0, 1}, {4, 3}, {2, 1}, {4, 1}, {8, 1}, {64, 3}, {64, 1}, {256, 1}};

} // namespace numbers
