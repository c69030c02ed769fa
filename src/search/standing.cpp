#include "search/standing.h"

#include "search/order.h"
#include "search/scan.h"

#include <optional>

namespace search {

using namespace numbers;

namespace {

constexpr size_t criteria = std::size(everyCriterion);
using Keys = std::array<Key<Wide>, criteria>;

// Every criterion's key of a multiplier, and how the keys compare.
class Criteria
{
public:
    explicit Criteria(Wide n)
    {
        for (Criterion criterion : everyCriterion) {
            m_rankings.push_back(&entryOf(criterion));
            m_orders.emplace_back(n, criterion);
        }
    }

    Keys keysOf(const Measures &m) const
    {
        Keys keys;
        for (size_t c = 0; c < criteria; ++c)
            keys[c] = keyOf(*m_rankings[c], m);
        return keys;
    }
    const Order &order(size_t c) const { return m_orders[c]; }

private:
    std::vector<const FigureEntry *> m_rankings;
    std::vector<Order> m_orders;
};

// Per thread: how many multipliers beat each given one, and the best by
// each criterion.
struct Tally {
    std::vector<std::array<u64, criteria>> beaten;
    std::array<std::optional<std::pair<Key<Wide>, Measures>>, criteria> best;

    void keep(const Order &order, size_t c, const Key<Wide> &key, const Measures &m)
    {
        if (!best[c] || order.greater(key, best[c]->first))
            best[c] = {key, m};
    }
    void count(const Criteria &by, const std::vector<Keys> &given, const Measures &m)
    {
        const Keys keys = by.keysOf(m);
        for (size_t i = 0; i < given.size(); ++i) {
            for (size_t c = 0; c < criteria; ++c)
                beaten[i][c] += by.order(c).greater(keys[c], given[i][c]);
        }
        for (size_t c = 0; c < criteria; ++c)
            keep(by.order(c), c, keys[c], m);
    }
};

// The threads' tallies as one: each given multiplier's rank, one more than
// those that beat it, and the best measures by each criterion.
Standing merged(const Criteria &by, const std::vector<Tally> &tallies, size_t given)
{
    Standing result;
    result.ranks.assign(given, {});
    for (auto &ranks : result.ranks)
        ranks.fill(1);
    Tally all;
    for (const Tally &tally : tallies) {
        for (size_t i = 0; i < given; ++i) {
            for (size_t c = 0; c < criteria; ++c)
                result.ranks[i][c] += tally.beaten[i][c];
        }
        for (size_t c = 0; c < criteria; ++c) {
            if (tally.best[c])
                all.keep(by.order(c), c, tally.best[c]->first, tally.best[c]->second);
        }
    }
    for (size_t c = 0; c < criteria; ++c)
        result.best[c] = all.best[c] ? all.best[c]->second : Measures{};
    return result;
}

} // namespace

Standing standing(Wide n, const std::vector<u64> &multipliers, const Progress &progress,
                  unsigned threads)
{
    const Criteria by(n);
    std::vector<Keys> given;
    for (u64 k : multipliers) {
        Measures m;
        measure(n, k, m);
        given.push_back(by.keysOf(m));
    }
    threads = threadCount(threads);
    std::vector<Tally> tallies(threads,
                               Tally{std::vector<std::array<u64, criteria>>(given.size()), {}});
    forEachCandidate<u64>(n, 1, u64(n - 1), threads, progress,
                     [&](unsigned thread, u64 k, bool mirrorToo) {
                         Measures m;
                         if (!measure(n, k, m))
                             return;
                         tallies[thread].count(by, given, m);
                         if (mirrorToo) {
                             m.largest = m.mirrorLargest;
                             tallies[thread].count(by, given, m);
                         }
                     });
    return merged(by, tallies, given.size());
}

} // namespace search
