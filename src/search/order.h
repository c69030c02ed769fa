#pragma once

#include "numbers/catalogue.h"
#include "numbers/harmonic.h"
#include "numbers/lattice.h"

#include <optional>

// The order of a ranking: the better figure first, equal figures by the
// smaller k, and competition ranks over it (1, 1, 3, …). Exact: two
// multipliers share a rank only where their figures are equal.
namespace search {

// The engine's names that every ranking speaks in.
using numbers::Criterion;
using numbers::everyCriterion;
using numbers::entryOf;
using numbers::FigureEntry;
using numbers::Ratio;
using numbers::Measures;
using numbers::SpectralOrder;
using numbers::u64;
using numbers::u128;
using numbers::U256;
using numbers::Wide;
using numbers::WideOf;

// A figure as a ranking keeps it. For every figure of the Euclid pass a
// fraction num/den where the larger is better: a figure where the larger is
// better as it is, the others by their reciprocals. For the figure of merit
// M_T the worst dimension's f_t, which is no fraction: ν_t² in num and t
// in den; for the lagged figure the worst f_t over the lags, ν_t² in num
// and the code of t and of its lattice (SpectralOrder) in den. For the harmonic score H_T its value times 2^60 in num, in double
// and so within 2^24 of the exact one, and in den the lattice's multiplier,
// the least of those with the same figures (harmonicKey), from which the
// exact value is read where two keys come that close.
template <typename Int>
struct Key {
    Int num;
    Int den;
};

template <typename Int, typename K>
struct Entry {
    Key<Int> key;
    K k;
};

// A top ranking keeps wide entries, with the multiplier's type K (u64 up
// to N = 2^64, u128 beyond); a whole ranking (N < 2^32) narrow ones, 24
// bytes each, which is what its memory budget and its files count.
template <typename K>
using TopEntry = Entry<WideOf<K>, K>;
using WideEntry = TopEntry<u64>;
using NarrowEntry = Entry<u64, std::uint32_t>;

// How the keys of one ranking compare, in the sums' type W of its width.
// Fractions by cross-multiplying, which stays within W for every figure
// (one side of each product is at most N); the figure of merit's f_t
// exactly at the ranking's N, in any two dimensions.
template <typename W>
class BasicOrder
{
public:
    // n is the modulus of the lattices the figures are read on; dimensions
    // the T of M_T and H_T.
    BasicOrder(W n, Criterion criterion, int dimensions = numbers::defaultDimensions)
    {
        if (criterion == Criterion::Merit || criterion == Criterion::Lagged)
            m_spectral.emplace(n);
        m_lagged = criterion == Criterion::Lagged;
        if (criterion == Criterion::Harmonic)
            m_harmonic.emplace(n, dimensions);
        m_n = n;
    }

    // −1, 0 or 1 as a is worse than, as good as or better than b.
    template <typename Int>
    int compare(const Key<Int> &a, const Key<Int> &b) const
    {
        if (m_spectral)
            return m_spectral->compare(a.num, int(a.den), b.num, int(b.den));
        if (m_harmonic)
            return compareHarmonic(a.num, a.den, b.num, b.den);
        if (a.den == b.den)
            return a.num < b.num ? -1 : a.num > b.num ? 1 : 0;
        const W left = W(a.num) * W(b.den), right = W(b.num) * W(a.den);
        return left < right ? -1 : left > right ? 1 : 0;
    }
    template <typename Int>
    bool greater(const Key<Int> &a, const Key<Int> &b) const
    {
        return compare(a, b) > 0;
    }
    template <typename Int>
    bool equal(const Key<Int> &a, const Key<Int> &b) const
    {
        return compare(a, b) == 0;
    }
    // The exact order of the figure of merit's f_t, where the ranking is by it.
    const numbers::BasicSpectralOrder<W> *spectral() const
    {
        return m_spectral ? &*m_spectral : nullptr;
    }
    // Whether the ranking is by the lagged figure, whose keys come from
    // the lattices of the lags, modulo N/d (SpectralOrder's codes).
    bool lagged() const { return m_lagged; }
    // The modulus of the lattices.
    W modulus() const { return m_n; }
    // The harmonic score, where the ranking is by it.
    const numbers::BasicHarmonicScore<W> *harmonic() const
    {
        return m_harmonic ? &*m_harmonic : nullptr;
    }
    // The ranking's order: the better figure first, then the smaller k.
    template <typename E>
    bool operator()(const E &a, const E &b) const
    {
        const int order = compare(a.key, b.key);
        return order > 0 || (order == 0 && a.k < b.k);
    }

private:
    int compareHarmonic(W a, W aLattice, W b, W bLattice) const;

    std::optional<numbers::BasicSpectralOrder<W>> m_spectral;
    std::optional<numbers::BasicHarmonicScore<W>> m_harmonic;
    W m_n = 0;
    bool m_lagged = false;
};
using Order = BasicOrder<Wide>;

// The key of H_T, given ν_t² of a lattice modulo `modulus` with the
// multiplier k: its value in double times 2^60, and the least multiplier of
// a lattice with the same ν_t² for every t: k, its mirror, its inverse and
// the inverse's mirror (Σ h_i·k^i ≡ 0 holds for h with every other sign
// turned, or in reverse order).
template <typename K>
Key<WideOf<K>> harmonicKey(const numbers::BasicHarmonicScore<WideOf<K>> &score,
                           const numbers::BasicNu2s<WideOf<K>> &nu2, WideOf<K> modulus, K k);

// The key a ranking by a figure of the Euclid pass gives the measures.
template <typename K>
Key<WideOf<K>> keyOf(const FigureEntry &ranking, const numbers::BasicMeasures<K> &m)
{
    const auto value = rankedValue(ranking.figure, m);
    return ranking.largerIsBetter ? Key<WideOf<K>>{value.num, value.den}
                                  : Key<WideOf<K>>{value.den, value.num};
}

// One multiplier in a ranking. Equal figures share a rank: 1, 1, 3, …
template <typename K>
struct BasicRanked {
    u64 rank = 0;
    K k = 0;
};
using Ranked = BasicRanked<u64>;

// Competition ranks over a stream in the ranking's order, of entries E
// with multipliers K and an order in W.
template <typename E, typename K = u64, typename W = Wide>
class Ranks
{
public:
    explicit Ranks(const BasicOrder<W> &order)
        : m_order(order)
    {
    }

    BasicRanked<K> next(const E &entry)
    {
        if (m_count == 0 || !m_order.equal(entry.key, m_previous.key))
            m_rank = m_count + 1;
        ++m_count;
        m_previous = entry;
        return {m_rank, entry.k};
    }

private:
    const BasicOrder<W> &m_order;
    u64 m_count = 0;
    u64 m_rank = 0;
    E m_previous{};
};

} // namespace search
