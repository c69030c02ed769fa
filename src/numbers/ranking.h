#pragma once

#include "numbers/spread.h"

#include <functional>
#include <limits>

namespace numbers {

// One multiplier in a ranking. Equal sums share a rank: 1, 1, 3, …
struct Ranked {
    u64 rank = 0;
    u64 k = 0;
    u64 sum = 0;
};

// Told now and then, from the calling thread, which share of the work is
// done (0 … 1).
using Progress = std::function<void(double done)>;

inline constexpr u64 everyMultiplier = std::numeric_limits<u64>::max();
// Sums of N below 2^32 fit 64 bits.
inline constexpr u64 maxRankedN = (u64(1) << 32) - 1;

// Every k in 1 … N − 1 coprime to N, largest sum first, equal sums by
// smaller k first; only the first `top` of them. 2 ≤ N ≤ maxRankedN.
//
// k and N − k give the same sum (the occupation seen in a mirror), so only
// k < N/2 is computed and each sum stands for both. The work is shared by
// `threads` threads (0: one per core). Memory grows with `top`, not with N.
std::vector<Ranked> ranking(u64 n, u64 top = everyMultiplier, const Progress &progress = {},
                            unsigned threads = 0);

} // namespace numbers
