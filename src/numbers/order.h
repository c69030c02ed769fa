#pragma once

#include "numbers/catalogue.h"

// The order of a ranking: the better figure first, equal figures by the
// smaller k, and competition ranks over it (1, 1, 3, …).
namespace numbers {

// A figure as a fraction where the larger is better: a figure where the
// larger is better as it is, the others by their reciprocals. Compared by
// cross-multiplying, which stays within 128 bits for every figure (one side
// of each product is at most 2^64).
template <typename Int>
struct Key {
    Int num;
    Int den;
};

inline Key<Wide> keyOf(const FigureEntry &ranking, const Measures &m)
{
    const Ratio value = ranking.ranked(m);
    return ranking.largerIsBetter ? Key<Wide>{value.num, value.den}
                                  : Key<Wide>{value.den, value.num};
}

template <typename Int>
bool greater(const Key<Int> &a, const Key<Int> &b)
{
    if (a.den == b.den)
        return a.num > b.num;
    return Wide(a.num) * b.den > Wide(b.num) * a.den;
}

template <typename Int>
bool equal(const Key<Int> &a, const Key<Int> &b)
{
    return Wide(a.num) * b.den == Wide(b.num) * a.den;
}

template <typename Int, typename K>
struct Entry {
    Key<Int> key;
    K k;
};

// The ranking's order: the better figure first, then the smaller k.
template <typename E>
bool better(const E &a, const E &b)
{
    return greater(a.key, b.key) || (!greater(b.key, a.key) && a.k < b.k);
}

// A top ranking keeps wide entries; a whole ranking (N < 2^32) narrow ones,
// 24 bytes each, which is what its memory budget and its files count.
using WideEntry = Entry<Wide, u64>;
using NarrowEntry = Entry<u64, std::uint32_t>;

// One multiplier in a ranking. Equal figures share a rank: 1, 1, 3, …
struct Ranked {
    u64 rank = 0;
    u64 k = 0;
};

// Competition ranks over a stream in the ranking's order.
template <typename E>
class Ranks
{
public:
    Ranked next(const E &entry)
    {
        if (m_count == 0 || !equal(entry.key, m_previous.key))
            m_rank = m_count + 1;
        ++m_count;
        m_previous = entry;
        return {m_rank, entry.k};
    }

private:
    u64 m_count = 0;
    u64 m_rank = 0;
    E m_previous{};
};

} // namespace numbers
