#include "search/multiplierranking.h"

#include "search/order.h"
#include "search/runs.h"
#include "search/scan.h"
#include "numbers/figures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace search {

using namespace numbers;

namespace {

// The keys of k and of its mirror N − k.
template <typename W>
struct Keys {
    Key<W> self, mirror;
};

// The worst entry of a full top, by the figure of merit: its key, and in
// each dimension t the least ν_t² whose f_t reaches it. A candidate whose
// ν_t² falls short in some dimension has M_T below the key, whatever its
// other dimensions, and cannot get in: one comparison of integers a
// dimension.
//
// By the harmonic score, the worst entry's H_T in double: a candidate whose
// H_T cannot reach it, even with every dimension not yet reduced at the
// most its f_t can be (HarmonicScore::bound), and with a margin far above
// the doubles' error, cannot get in.
//
// By the lagged figure, the least ν_t² of each lattice modulo N/d that a
// lag can have (d = gcd(N, L) ≤ 8), by its d.
template <typename W>
struct Bar {
    Key<W> key;
    std::array<std::array<W, maxDimension + 1>, lastLag + 1> least{}; // by d, then t
    double harmonic = 0;

    bool below(const BasicOrder<W> &order, const BasicNu2s<W> &nu2, int t, int divisor = 1) const
    {
        if (const BasicHarmonicScore<W> *score = order.harmonic())
            return score->bound(nu2, t) < harmonic - 1e-9;
        return nu2[size_t(t)] < least[size_t(divisor)][size_t(t)];
    }
};

// ν₂² of a lattice, by the Euclid pass on its modulus and multiplier.
template <typename K>
WideOf<K> planeNu2(const BasicGeneratorLattice<K> &lattice)
{
    WideOf<K> nu2;
    numbers::planeNu2(lattice.n, lattice.k, nu2);
    return nu2;
}

// ν_t² of a lattice for t = 2 … T, given ν₂², or false where a bar drops it:
// in the first dimension that shows it, so only what survives the Euclid
// pass is reduced.
template <typename K, typename W = WideOf<K>>
bool nu2Of(const BasicRankingQuery<K> &query, const BasicOrder<W> &order,
           const BasicGeneratorLattice<K> &lattice, W plane, const Bar<W> *bar,
           BasicNu2s<W> &nu2, int divisor = 1, const PlaneBasis<K> *basis = nullptr)
{
    nu2[2] = plane;
    if (bar && bar->below(order, nu2, 2, divisor))
        return false;
    // What the dimensions are written to, behind one reference, so the
    // callback fits std::function without a heap allocation per candidate.
    struct Walk {
        const BasicOrder<W> &order;
        const Bar<W> *bar;
        BasicNu2s<W> &nu2;
        int divisor;
        bool below = false;
    } walk{order, bar, nu2, divisor};
    if (query.dimensions > 2) {
        eachLatticeNu2(
                lattice.n, lattice.k, query.dimensions,
                [&walk](int t, W value) {
                    walk.nu2[size_t(t)] = value;
                    walk.below = walk.bar
                            && walk.bar->below(walk.order, walk.nu2, t, walk.divisor);
                    return !walk.below;
                },
                basis);
    }
    return !walk.below;
}

// The lagged figure as a key: the worst f_t over the lattices of every lag,
// found exactly, or false where a bar drops it.
template <typename K, typename W = WideOf<K>>
bool laggedKeyOf(const BasicRankingQuery<K> &query, const BasicOrder<W> &order, K k,
                 const Bar<W> *bar, Key<W> &key)
{
    if (gcd(query.n, k) != 1)
        return false;
    const W modulus = query.latticeModulus();
    bool any = false;
    for (u64 lag = firstLag; lag <= lastLag; ++lag) {
        const std::optional<BasicGeneratorLattice<K>> lattice
                = generatorLattice(query.n, k, query.generator, lag);
        if (!lattice)
            continue;
        const int divisor = int(modulus / lattice->n);
        BasicNu2s<W> nu2; // only 2 … T are read, each once written
        if (!nu2Of(query, order, *lattice, planeNu2(*lattice), bar, nu2, divisor))
            return false;
        const int code = order.spectral()->worst(nu2, query.dimensions, divisor);
        const Key<W> worst{nu2[size_t(SpectralOrder::dimensionOf(code))], W(code)};
        if (!any || order.compare(worst, key) < 0)
            key = worst;
        any = true;
    }
    if (!any)
        key = {0, 1}; // no lag has a lattice: the figure is 0
    return true;
}

// The figure of merit M_T = min f_t, as a key: the worst dimension's f_t,
// found exactly; or the harmonic score H_T, or the lagged figure. False
// where k is not coprime with N, or a bar drops it. The planes of N's own
// lattice come from `planes`, which is quicker for k close together.
template <typename K, typename W = WideOf<K>>
bool latticeKeyOf(const BasicRankingQuery<K> &query, const BasicOrder<W> &order, K k,
                  const Bar<W> *bar, PlaneWalks<K> &planes, Key<W> &key)
{
    if (order.lagged())
        return laggedKeyOf(query, order, k, bar, key);
    W ownPlane;
    PlaneBasis<K> ownBasis;
    if (!planes.nu2(k, ownPlane, &ownBasis))
        return false;
    const BasicGeneratorLattice<K> lattice = *generatorLattice(query.n, k, query.generator);
    BasicNu2s<W> nu2; // only 2 … T are read, each once written
    // The Euclid pass on (N, k) gave ν₂² and the plane where the lattice is
    // N's own.
    const bool own = lattice == BasicGeneratorLattice<K>{query.n, k};
    if (!nu2Of(query, order, lattice, own ? ownPlane : planeNu2(lattice), bar, nu2, 1,
               own ? &ownBasis : nullptr))
        return false;
    if (const BasicHarmonicScore<W> *score = order.harmonic()) {
        key = harmonicKey(*score, nu2, lattice.n, lattice.k);
        return true;
    }
    const int worst = order.spectral()->worst(nu2, query.dimensions);
    key = {nu2[size_t(worst)], W(worst)};
    return true;
}

// The sum alone is quicker than every figure: 64 bits below N = 2^32.
inline bool sumOf(Wide n, u64 k, Wide &sum)
{
    if (n >> 32)
        return spreadSum(n, k, sum);
    u64 narrow;
    if (!spreadSum(u64(n), k, narrow))
        return false;
    sum = narrow;
    return true;
}

inline bool sumOf(const U256 &n, u128 k, U256 &sum)
{
    return spreadSum(n, k, sum);
}

template <typename K, typename W = WideOf<K>>
bool keysOf(const BasicRankingQuery<K> &query, const BasicOrder<W> &order,
            const FigureEntry &ranking, K k, const Bar<W> *bar, PlaneWalks<K> &planes,
            Keys<W> &keys)
{
    if (readsDimensions(query.criterion)) {
        // k, its mirror and its inverse share every dimension's figures.
        if (!latticeKeyOf(query, order, k, bar, planes, keys.self))
            return false;
        keys.mirror = keys.self;
        return true;
    }
    if (query.criterion == Criterion::Sum) {
        W sum;
        if (!sumOf(query.n, k, sum))
            return false;
        keys.self = keys.mirror = {sum, 1};
        return true;
    }
    BasicMeasures<K> m;
    if (!measure(query.n, k, m))
        return false;
    if (query.criterion == Criterion::Spectral && query.latticeModulus() != query.n)
        m.nu2 = planeNu2(*generatorLattice(query.n, k, query.generator));
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
// candidates; k and its mirror are judged apart. barOf(thread) is the
// worst entry the thread keeps by the figure of merit, once it keeps all it
// may.
template <typename K, typename W, typename Offer, typename BarOf>
void scoreCandidates(const BasicRankingQuery<K> &query, const BasicOrder<W> &order,
                     unsigned threads, const Progress &progress, const Offer &offer,
                     const BarOf &barOf)
{
    const FigureEntry &ranking = entryOf(query.criterion);
    const BasicPeriodFilter<K> period(query.n, query.generator);
    const bool filtered = query.generator != Generator::Any;
    std::vector<PlaneWalks<K>> planes(threads, PlaneWalks<K>(query.n));
    forEachCandidate(query.n, query.first, query.lastCandidate(), threads, progress,
                     [&](unsigned thread, K k, bool mirrorToo) {
                         // Without a generator coprimality is the figures'
                         // own check: no gcd of its own per candidate.
                         const bool self = !filtered || period.keeps(k);
                         const bool mirror
                                 = mirrorToo && (!filtered || period.keeps(K(query.n - k)));
                         Keys<W> keys{};
                         if (!(self || mirror)
                             || !keysOf(query, order, ranking, k, barOf(thread),
                                        planes[thread], keys))
                             return;
                         const bool kept = self && offer(thread, keys.self, k);
                         if (mirror && (kept || !self || !order.equal(keys.self, keys.mirror)))
                             offer(thread, keys.mirror, K(query.n - k));
                     });
}

// The best `limit` entries offered so far. While fewer than all candidates
// are kept, they form a heap whose front is the worst kept entry, so an
// offer costs one comparison unless it gets in.
template <typename K, typename W = WideOf<K>>
class Best
{
public:
    Best(u64 limit, const BasicOrder<W> &order)
        : m_limit(limit), m_order(order)
    {
    }

    // Whether the entry is kept, for now.
    bool offer(const TopEntry<K> &entry)
    {
        if (m_entries.size() < m_limit) {
            m_entries.push_back(entry);
            std::push_heap(m_entries.begin(), m_entries.end(), std::cref(m_order));
            setBar();
            return true;
        }
        if (!m_order(entry, m_entries.front()))
            return false;
        std::pop_heap(m_entries.begin(), m_entries.end(), std::cref(m_order));
        m_entries.back() = entry;
        std::push_heap(m_entries.begin(), m_entries.end(), std::cref(m_order));
        setBar();
        return true;
    }

    std::vector<TopEntry<K>> &entries() { return m_entries; }
    // The worst entry kept, by the figure of merit, once as many are kept
    // as may be; for the other figures none.
    const Bar<W> *bar() const { return m_bar ? &*m_bar : nullptr; }

private:
    void setBar()
    {
        const BasicSpectralOrder<W> *spectral = m_order.spectral();
        const BasicHarmonicScore<W> *harmonic = m_order.harmonic();
        if ((!spectral && !harmonic) || m_entries.size() < m_limit)
            return;
        const Key<W> &worst = m_entries.front().key;
        if (m_bar && m_order.equal(m_bar->key, worst))
            return;
        m_bar.emplace(Bar<W>{worst, {}, std::ldexp(double(worst.num), -60)});
        // The lattices of the lags are modulo N/d for the d that divide N;
        // without lags only d = 1.
        for (int d = 1; spectral && d <= (m_order.lagged() ? int(lastLag) : 1); ++d) {
            if (m_order.modulus() % W(d) != 0)
                continue;
            for (int t = minDimension; t <= maxDimension; ++t) {
                const int code = d == 1 ? t : t + d * SpectralOrder::codeStep;
                m_bar->least[size_t(d)][size_t(t)] = spectral->least(code, worst.num, int(worst.den));
            }
        }
    }

    u64 m_limit;
    const BasicOrder<W> &m_order;
    std::vector<TopEntry<K>> m_entries;
    std::optional<Bar<W>> m_bar;
};

} // namespace

template <typename K>
struct BasicRanking<K>::Data {
    explicit Data(const BasicRankingQuery<K> &query)
        : order(query.latticeModulus(), query.criterion, query.dimensions)
    {
    }
    BasicOrder<WideOf<K>> order;
    std::vector<BasicRanked<K>> top; // a top ranking, ranked
    std::optional<SortedRuns> runs;  // a whole ranking (N < 2^32), merged when read
};

namespace {

// The best `query.top` of every candidate, each thread keeping its own.
template <typename K>
std::vector<BasicRanked<K>> topOf(const BasicRankingQuery<K> &query,
                                  const BasicOrder<WideOf<K>> &order, const Progress &progress)
{
    using W = WideOf<K>;
    const unsigned threads = threadCount(query.threads);
    std::vector<Best<K>> bests(threads, Best<K>(query.top, order));
    scoreCandidates(
            query, order, threads, progress,
            [&](unsigned t, const Key<W> &key, K k) { return bests[t].offer({key, k}); },
            [&](unsigned t) { return bests[t].bar(); });
    std::vector<TopEntry<K>> all;
    for (Best<K> &best : bests)
        all.insert(all.end(), best.entries().begin(), best.entries().end());
    const size_t kept = size_t(std::min<u64>(query.top, all.size()));
    std::partial_sort(all.begin(), all.begin() + ptrdiff_t(kept), all.end(), std::cref(order));
    Ranks<TopEntry<K>, K, W> ranks(order);
    std::vector<BasicRanked<K>> rows;
    for (size_t i = 0; i < kept; ++i)
        rows.push_back(ranks.next(all[i]));
    return rows;
}

// A whole ranking: each thread fills a buffer and, once it is full,
// spills it to a file of its own as a sorted run.
void fillRuns(const RankingQuery &query, const Order &order, SortedRuns &runs,
             const Progress &progress)
{
    const unsigned threads = threadCount(query.threads);
    const size_t capacity
            = std::max<size_t>(1, query.memoryBudget / sizeof(NarrowEntry) / threads);
    const u64 candidates = query.lastCandidate() - query.first + 1;
    std::vector<std::vector<NarrowEntry>> buffers(threads);
    const auto noBar = [](unsigned) { return static_cast<const Bar<Wide> *>(nullptr); };
    const auto keep = [&](unsigned t, const Key<Wide> &key, u64 k) {
        std::vector<NarrowEntry> &buffer = buffers[t];
        if (buffer.empty())
            buffer.reserve(size_t(std::min<u64>(capacity, candidates)));
        buffer.push_back({{u64(key.num), u64(key.den)}, std::uint32_t(k)});
        if (buffer.size() == capacity)
            runs.add(buffer, true);
        return true;
    };
    scoreCandidates(query, order, threads, progress, keep, noBar);
    for (std::vector<NarrowEntry> &buffer : buffers) {
        if (!buffer.empty())
            runs.add(buffer, false);
    }
}

} // namespace

template <typename K>
BasicRanking<K>::BasicRanking(const BasicRankingQuery<K> &query, const Progress &progress)
    : m_data(std::make_unique<Data>(query))
{
    if (query.top != everyMultiplier) {
        m_data->top = topOf(query, m_data->order, progress);
        return;
    }
    wholeRanking(query, progress);
}

template <typename K>
void BasicRanking<K>::wholeRanking(const BasicRankingQuery<K> &query, const Progress &progress)
{
    if constexpr (std::is_same_v<K, u64>) {
        if (query.n <= maxWholeRankingN) {
            fillRuns(query, m_data->order, m_data->runs.emplace(m_data->order), progress);
            return;
        }
    }
    throw std::invalid_argument("a whole ranking needs N < 2^32");
}

template <typename K>
BasicRanking<K>::~BasicRanking() = default;

template <typename K>
u64 BasicRanking<K>::size() const
{
    return m_data->runs ? m_data->runs->size() : m_data->top.size();
}

template <typename K>
void BasicRanking<K>::forEach(const std::function<void(const BasicRanked<K> &)> &visit) const
{
    if constexpr (std::is_same_v<K, u64>) {
        if (m_data->runs) {
            Ranks<NarrowEntry> ranks(m_data->order);
            m_data->runs->merge([&](const NarrowEntry &entry) { visit(ranks.next(entry)); });
            return;
        }
    }
    for (const BasicRanked<K> &row : m_data->top)
        visit(row);
}

template <typename K>
std::vector<BasicRanked<K>> rankingOf(const BasicRankingQuery<K> &query,
                                      std::vector<K> multipliers)
{
    using W = WideOf<K>;
    std::sort(multipliers.begin(), multipliers.end());
    multipliers.erase(std::unique(multipliers.begin(), multipliers.end()), multipliers.end());
    const FigureEntry &ranking = entryOf(query.criterion);
    const BasicOrder<W> order(query.latticeModulus(), query.criterion, query.dimensions);
    std::vector<TopEntry<K>> entries;
    PlaneWalks<K> planes(query.n);
    for (K k : multipliers) {
        // Each as its own: the key a ranking gives k itself, not its mirror.
        Keys<W> keys{};
        if (keysOf(query, order, ranking, k, static_cast<const Bar<W> *>(nullptr), planes,
                   keys))
            entries.push_back({keys.self, k});
    }
    const size_t kept = size_t(std::min<u64>(query.top, entries.size()));
    std::partial_sort(entries.begin(), entries.begin() + ptrdiff_t(kept), entries.end(),
                      std::cref(order));
    Ranks<TopEntry<K>, K, W> ranks(order);
    std::vector<BasicRanked<K>> rows;
    for (size_t i = 0; i < kept; ++i)
        rows.push_back(ranks.next(entries[i]));
    return rows;
}

template <typename K>
std::vector<BasicRanked<K>> ranking(const BasicRankingQuery<K> &query, const Progress &progress)
{
    const BasicRanking<K> ranked(query, progress);
    std::vector<BasicRanked<K>> rows;
    rows.reserve(size_t(ranked.size()));
    ranked.forEach([&rows](const BasicRanked<K> &row) { rows.push_back(row); });
    return rows;
}

#define ZYKLAR_RANKING(K)                                                                          \
    template class BasicRanking<K>;                                                                \
    template std::vector<BasicRanked<K>> rankingOf(const BasicRankingQuery<K> &, std::vector<K>);  \
    template std::vector<BasicRanked<K>> ranking(const BasicRankingQuery<K> &, const Progress &);
ZYKLAR_RANKING(u64)
ZYKLAR_RANKING(u128)
#undef ZYKLAR_RANKING

} // namespace search
