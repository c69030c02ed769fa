#pragma once

#include "search/scan.h"

#include <array>
#include <vector>

namespace search {

// How given multipliers of N stand among every multiplier of N, figure by
// figure: each one's competition rank by every criterion (indexed by
// Criterion), and the best values that any multiplier of N reaches. One pass
// over every multiplier, shared by the threads; N ≤ 2^32, and each given k
// coprime to N.
struct Standing {
    std::vector<std::array<u64, std::size(everyCriterion)>> ranks;
    // By each criterion, the measures of a multiplier that no other beats.
    std::array<Measures, std::size(everyCriterion)> best;
};
Standing standing(Wide n, const std::vector<u64> &multipliers, const Progress &progress = {},
                  unsigned threads = 0);

} // namespace search
