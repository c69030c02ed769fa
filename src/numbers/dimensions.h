#pragma once

#include <cmath>

// The dimensions of the spectral test and the constants that normalise it.
namespace numbers {

inline constexpr int minDimension = 2;
inline constexpr int maxDimension = 24;
// The dimensions a figure of merit takes unless asked for others, and the
// ranking window's: M₈.
inline constexpr int defaultDimensions = 8;
// Up to here the Hermite constants are known, so f_t ≤ 1; above, the
// densest lattice packings known normalise f_t, which may then exceed 1.
inline constexpr int provenDimensions = 8;

// γ_t^t = (num/den)^power, indexed by t = 2 … 24.
//
// For t = 2 … 8 the Hermite constants γ_t^t = 4/3, 2, 4, 8, 64/3, 64, 256
// (power 1), the densest lattice packings (Conway and Sloane). For t = 9 …
// 24 the γ_t of the best packings known, as the lattice tools take them,
// to 13 decimals (power t): 2.0, 2.0583720179295, 2.140198065871,
// 2.3094010767585, 2.3563484301065, 2.4886439198224, 2.6390158215458,
// 2.8284271247462, 2.8866811540599, 2.986825999361, 3.0985192845333,
// 3.2490095854249, 3.3914559675101, 3.5727801951422, 3.7660273525956, 4.0
// (the Leech lattice). Each decimal is taken as the exact fraction it
// writes, so every comparison stays in integers.
struct HermitePower {
    unsigned long num, den;
    unsigned power = 1;
    // ln γ_t^t
    double log() const { return power * std::log(double(num) / double(den)); }
};
inline constexpr unsigned long e12 = 1'000'000'000'000, e13 = 10'000'000'000'000;
inline constexpr HermitePower hermite[maxDimension + 1] = {
        {0, 1},           {0, 1},           {4, 3},           {2, 1},
        {4, 1},           {8, 1},           {64, 3},          {64, 1},
        {256, 1},         {2, 1, 9},        {20583720179295, e13, 10},
        {2140198065871, e12, 11},           {23094010767585, e13, 12},
        {23563484301065, e13, 13},          {24886439198224, e13, 14},
        {26390158215458, e13, 15},          {28284271247462, e13, 16},
        {28866811540599, e13, 17},          {2986825999361, e12, 18},
        {30985192845333, e13, 19},          {32490095854249, e13, 20},
        {33914559675101, e13, 21},          {35727801951422, e13, 22},
        {37660273525956, e13, 23},          {4, 1, 24}};

} // namespace numbers
