#include "numbers/ranking.h"

#include "numbers/order.h"
#include "numbers/runs.h"
#include "numbers/scan.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace numbers {

namespace {

// The keys of k and of its mirror N − k.
struct Keys {
    Key<Wide> self, mirror;
};

// The figure of merit M_T = min f_t, as a key. A top ranking passes the
// worst key it keeps: a multiplier whose f_t for some t already falls below
// it cannot get in, whatever its higher dimensions, and is dropped there.
// f₂ comes from the Euclid pass; only what survives it is reduced.
bool meritKeyOf(const RankingQuery &query, u64 k, const std::optional<Key<Wide>> &bar,
                Key<Wide> &key)
{
    Measures m;
    if (!measure(query.n, k, m))
        return false;
    const auto below = [&bar](u64 figure) {
        return bar && greater(*bar, Key<Wide>{figure, 1});
    };
    u64 merit = spectralTenThousandths(m.nu2, query.n);
    if (below(merit))
        return false;
    if (query.dimensions > 2) {
        eachLatticeNu2(query.n, k, query.dimensions, [&](int t, Wide nu2) {
            if (t > 2)
                merit = std::min(merit, latticeFigure(nu2, query.n, t));
            return !below(merit);
        });
        if (below(merit))
            return false;
    }
    key = {merit, 1};
    return true;
}

inline bool keysOf(const RankingQuery &query, const FigureEntry &ranking, u64 k,
                   const std::optional<Key<Wide>> &bar, Keys &keys)
{
    if (query.criterion == Criterion::Merit) {
        // k, its mirror and its inverse share every dimension's figures.
        if (!meritKeyOf(query, k, bar, keys.self))
            return false;
        keys.mirror = keys.self;
        return true;
    }
    if (query.criterion == Criterion::Sum) {
        // The sum alone is quicker than every figure: 64 bits below N = 2^32.
        Wide sum;
        if (query.n >> 32) {
            if (!spreadSum(query.n, k, sum))
                return false;
        } else {
            u64 narrow;
            if (!spreadSum(u64(query.n), k, narrow))
                return false;
            sum = narrow;
        }
        keys.self = keys.mirror = {sum, 1};
        return true;
    }
    Measures m;
    if (!measure(query.n, k, m))
        return false;
    keys.self = keys.mirror = keyOf(ranking, m);
    // The mirror's occupation is this one seen in a mirror: every figure is
    // the same but the largest partial quotient.
    if (m.largest != m.mirrorLargest) {
        m.largest = m.mirrorLargest;
        keys.mirror = keyOf(ranking, m);
    }
    return true;
}

// Every candidate of the query with its key, offered to offer(thread, key,
// k) by the thread that computed it; the offer says whether it was kept. A
// mirror with the key of its k comes after it in the ranking, so where k
// was not kept neither is the mirror, and it is not offered.
//
// With a generator, only the multipliers of the longest period are
// candidates; k and its mirror are judged apart. bar(thread) is the worst
// key the thread keeps, once it keeps all it may.
template <typename Offer, typename Bar>
void scoreCandidates(const RankingQuery &query, unsigned threads, const Progress &progress,
                     const Offer &offer, const Bar &bar)
{
    const FigureEntry &ranking = entryOf(query.criterion);
    const PeriodFilter period(query.n, query.generator);
    const bool filtered = query.generator != Generator::Any;
    const u64 last = query.last ? query.last : u64(query.n - 1);
    forEachCandidate(query.n, query.first, last, threads, progress,
                     [&](unsigned thread, u64 k, bool mirrorToo) {
                         // Without a generator coprimality is the figures'
                         // own check: no gcd of its own per candidate.
                         const bool self = !filtered || period.keeps(k);
                         const bool mirror
                                 = mirrorToo && (!filtered || period.keeps(u64(query.n - k)));
                         Keys keys{};
                         if (!(self || mirror) || !keysOf(query, ranking, k, bar(thread), keys))
                             return;
                         const bool kept = self && offer(thread, keys.self, k);
                         if (mirror && (kept || !self || !equal(keys.self, keys.mirror)))
                             offer(thread, keys.mirror, u64(query.n - k));
                     });
}

// The best `limit` entries offered so far. While fewer than all candidates
// are kept, they form a heap whose front is the worst kept entry, so an
// offer costs one comparison unless it gets in.
class Best
{
public:
    explicit Best(u64 limit)
        : m_limit(limit)
    {
    }

    // Whether the entry is kept, for now.
    bool offer(const WideEntry &entry)
    {
        if (m_entries.size() < m_limit) {
            m_entries.push_back(entry);
            std::push_heap(m_entries.begin(), m_entries.end(), better<WideEntry>);
            return true;
        }
        if (!better(entry, m_entries.front()))
            return false;
        std::pop_heap(m_entries.begin(), m_entries.end(), better<WideEntry>);
        m_entries.back() = entry;
        std::push_heap(m_entries.begin(), m_entries.end(), better<WideEntry>);
        return true;
    }

    std::vector<WideEntry> &entries() { return m_entries; }
    // The worst key kept, once as many are kept as may be.
    std::optional<Key<Wide>> bar() const
    {
        if (m_entries.size() < m_limit)
            return std::nullopt;
        return m_entries.front().key;
    }

private:
    u64 m_limit;
    std::vector<WideEntry> m_entries;
};

} // namespace

struct Ranking::Data {
    std::vector<Ranked> top; // a top ranking, ranked
    bool whole = false;
    SortedRuns runs;         // a whole ranking, merged when read
    u64 count = 0;
};

Ranking::Ranking(const RankingQuery &query, const Progress &progress)
    : m_data(std::make_unique<Data>())
{
    const unsigned threads = threadCount(query.threads);
    if (query.top != everyMultiplier) {
        std::vector<Best> bests(threads, Best(query.top));
        scoreCandidates(
                query, threads, progress,
                [&](unsigned t, const Key<Wide> &key, u64 k) { return bests[t].offer({key, k}); },
                [&](unsigned t) { return bests[t].bar(); });
        std::vector<WideEntry> all;
        for (Best &best : bests)
            all.insert(all.end(), best.entries().begin(), best.entries().end());
        const size_t kept = size_t(std::min<u64>(query.top, all.size()));
        std::partial_sort(all.begin(), all.begin() + ptrdiff_t(kept), all.end(), better<WideEntry>);
        Ranks<WideEntry> ranks;
        for (size_t i = 0; i < kept; ++i)
            m_data->top.push_back(ranks.next(all[i]));
        m_data->count = kept;
        return;
    }

    // A whole ranking: each thread fills a buffer and, once it is full,
    // spills it to a file of its own as a sorted run.
    if (query.n > maxWholeRankingN)
        throw std::invalid_argument("a whole ranking needs N < 2^32");
    m_data->whole = true;
    const size_t capacity = std::max<size_t>(1, query.memoryBudget / sizeof(NarrowEntry) / threads);
    const u64 candidates = (query.last ? query.last : u64(query.n - 1)) - query.first + 1;
    std::vector<std::vector<NarrowEntry>> buffers(threads);
    const auto noBar = [](unsigned) { return std::optional<Key<Wide>>(); };
    scoreCandidates(query, threads, progress, [&](unsigned t, const Key<Wide> &key, u64 k) {
        std::vector<NarrowEntry> &buffer = buffers[t];
        if (buffer.empty())
            buffer.reserve(size_t(std::min<u64>(capacity, candidates)));
        buffer.push_back({{u64(key.num), u64(key.den)}, std::uint32_t(k)});
        if (buffer.size() == capacity)
            m_data->runs.add(buffer, true);
        return true;
    }, noBar);
    for (std::vector<NarrowEntry> &buffer : buffers) {
        if (!buffer.empty())
            m_data->runs.add(buffer, false);
    }
    m_data->count = m_data->runs.size();
}

Ranking::~Ranking() = default;

u64 Ranking::size() const
{
    return m_data->count;
}

void Ranking::forEach(const std::function<void(const Ranked &)> &visit) const
{
    if (!m_data->whole) {
        for (const Ranked &row : m_data->top)
            visit(row);
        return;
    }
    Ranks<NarrowEntry> ranks;
    m_data->runs.merge([&](const NarrowEntry &entry) { visit(ranks.next(entry)); });
}

std::vector<Ranked> rankingOf(const RankingQuery &query, std::vector<u64> multipliers)
{
    std::sort(multipliers.begin(), multipliers.end());
    multipliers.erase(std::unique(multipliers.begin(), multipliers.end()), multipliers.end());
    const FigureEntry &ranking = entryOf(query.criterion);
    std::vector<WideEntry> entries;
    for (u64 k : multipliers) {
        // Each as its own: the key a ranking gives k itself, not its mirror.
        Keys keys{};
        if (keysOf(query, ranking, k, std::nullopt, keys))
            entries.push_back({keys.self, k});
    }
    const size_t kept = size_t(std::min<u64>(query.top, entries.size()));
    std::partial_sort(entries.begin(), entries.begin() + ptrdiff_t(kept), entries.end(),
                      better<WideEntry>);
    Ranks<WideEntry> ranks;
    std::vector<Ranked> rows;
    for (size_t i = 0; i < kept; ++i)
        rows.push_back(ranks.next(entries[i]));
    return rows;
}

std::vector<Ranked> ranking(const RankingQuery &query, const Progress &progress)
{
    const Ranking ranked(query, progress);
    std::vector<Ranked> rows;
    rows.reserve(size_t(ranked.size()));
    ranked.forEach([&rows](const Ranked &row) { rows.push_back(row); });
    return rows;
}

} // namespace numbers
