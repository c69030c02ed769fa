#include "search/standing.h"

#include "search/order.h"
#include "search/scan.h"

#include <optional>

namespace search {

using namespace numbers;

Standing standing(Wide n, const std::vector<u64> &multipliers, const Progress &progress,
                  unsigned threads)
{
    std::vector<const FigureEntry *> rankings;
    std::vector<Order> orders;
    for (Criterion criterion : everyCriterion) {
        rankings.push_back(&entryOf(criterion));
        orders.emplace_back(n, criterion);
    }
    constexpr size_t criteria = std::size(everyCriterion);
    using Keys = std::array<Key<Wide>, criteria>;
    const auto keysOf = [&rankings](const Measures &m) {
        Keys keys;
        for (size_t c = 0; c < criteria; ++c)
            keys[c] = keyOf(*rankings[c], m);
        return keys;
    };
    std::vector<Keys> given;
    for (u64 k : multipliers) {
        Measures m;
        measure(n, k, m);
        given.push_back(keysOf(m));
    }

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
    };
    threads = threadCount(threads);
    std::vector<Tally> tallies(threads,
                               Tally{std::vector<std::array<u64, criteria>>(given.size()), {}});
    const auto count = [&](Tally &tally, const Measures &m) {
        const Keys keys = keysOf(m);
        for (size_t i = 0; i < given.size(); ++i) {
            for (size_t c = 0; c < criteria; ++c)
                tally.beaten[i][c] += orders[c].greater(keys[c], given[i][c]);
        }
        for (size_t c = 0; c < criteria; ++c)
            tally.keep(orders[c], c, keys[c], m);
    };
    forEachCandidate(n, 1, u64(n - 1), threads, progress,
                     [&](unsigned thread, u64 k, bool mirrorToo) {
                         Measures m;
                         if (!measure(n, k, m))
                             return;
                         count(tallies[thread], m);
                         if (mirrorToo) {
                             m.largest = m.mirrorLargest;
                             count(tallies[thread], m);
                         }
                     });

    Standing result;
    result.ranks.assign(given.size(), {});
    Tally all;
    for (const Tally &tally : tallies) {
        for (size_t i = 0; i < given.size(); ++i) {
            for (size_t c = 0; c < criteria; ++c)
                result.ranks[i][c] += tally.beaten[i][c];
        }
        for (size_t c = 0; c < criteria; ++c) {
            if (tally.best[c])
                all.keep(orders[c], c, tally.best[c]->first, tally.best[c]->second);
        }
    }
    for (auto &ranks : result.ranks) {
        for (u64 &rank : ranks)
            ++rank; // one more than those that beat it
    }
    for (size_t c = 0; c < criteria; ++c)
        result.best[c] = all.best[c] ? all.best[c]->second : Measures{};
    return result;
}

} // namespace search
