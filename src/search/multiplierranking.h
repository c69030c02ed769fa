#pragma once

#include "search/order.h"
#include "search/scan.h"
#include "numbers/period.h"
#include "numbers/lattice.h"

#include <array>
#include <functional>
#include <limits>
#include <memory>

namespace search {

using numbers::Generator;
using numbers::maxDimension;

inline constexpr u64 everyMultiplier = std::numeric_limits<u64>::max();

// K is the multipliers' type: u64 up to N = 2^64, u128 up to 2^128, with
// N and the figures in WideOf<K>.
template <typename K>
struct BasicRankingQuery {
    using W = WideOf<K>;
    W n = 0;
    Criterion criterion = Criterion::Sum;
    // The candidates: every k in first … last coprime to N; last = 0 stands
    // for N − 1.
    K first = 1;
    K last = 0;
    K lastCandidate() const { return last ? last : K(n - 1); }
    // Only the first `top` ranks are kept, and memory grows with `top`.
    // Without a top the whole ranking is kept, in memory up to a budget and
    // in unnamed temporary files beyond it; it needs N < 2^32.
    u64 top = everyMultiplier;
    // The dimensions of M_T, H_T and the lagged figure, 2 … 24, when one
    // of them ranks.
    int dimensions = numbers::defaultDimensions;
    // Only the multipliers of the longest period, when asked.
    Generator generator = Generator::Any;
    // The modulus of the lattices the figures of more dimensions are read
    // on: N, or N/4 for the MCG of N = 2^e.
    W latticeModulus() const { return *numbers::latticeModulus(n, generator); }
    unsigned threads = 0; // 0: one per core
    // Bytes of a whole ranking kept in memory before runs go to files.
    size_t memoryBudget = size_t(512) << 20;
};
using RankingQuery = BasicRankingQuery<u64>;

// The candidates of a query in the ranking's order: the better figure
// first, equal figures by the smaller k.
//
// k and N − k share every figure but the largest partial quotient (the
// occupation seen in a mirror), so each pair is computed once. The work is
// shared by threads that each keep their best `top`, or, for a whole
// ranking, sorted runs of at most a few hundred megabytes. Temporary files
// have no name from the moment they are made, so they go with the process
// however it ends. Throws std::system_error when one cannot be written.
template <typename K>
class BasicRanking
{
public:
    explicit BasicRanking(const BasicRankingQuery<K> &query, const Progress &progress = {});
    ~BasicRanking();
    BasicRanking(const BasicRanking &) = delete;
    BasicRanking &operator=(const BasicRanking &) = delete;

    u64 size() const;
    // Hands every ranked multiplier to `visit`, best first; may be called
    // again for a second pass.
    void forEach(const std::function<void(const BasicRanked<K> &)> &visit) const;

private:
    void wholeRanking(const BasicRankingQuery<K> &query, const Progress &progress);

    struct Data;
    std::unique_ptr<Data> m_data;
};
using Ranking = BasicRanking<u64>;

// The whole ranking, or its top, as a list.
template <typename K>
std::vector<BasicRanked<K>> ranking(const BasicRankingQuery<K> &query,
                                    const Progress &progress = {});

// Given multipliers of the query's N (each coprime to N) in the ranking's
// order, ranked among themselves, the first `top` of them: how the parts
// of a ranking split across machines are merged into the ranking of all.
template <typename K>
std::vector<BasicRanked<K>> rankingOf(const BasicRankingQuery<K> &query,
                                      std::vector<K> multipliers);

// The largest N a whole ranking takes: its figures fit 64 bits.
inline constexpr Wide maxWholeRankingN = (Wide(1) << 32) - 1;

} // namespace search
