#include "search/multiplierranking.h"

#include "search/order.h"
#include "search/runs.h"
#include "search/scan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <stdexcept>

namespace search {

using namespace numbers;

namespace {

// The keys of k and of its mirror N − k.
struct Keys {
    Key<Wide> self, mirror;
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
struct Bar {
    Key<Wide> key;
    std::array<std::array<Wide, maxDimension + 1>, lastLag + 1> least{}; // by d, then t
    double harmonic = 0;

    bool below(const Order &order, const Nu2s &nu2, int t, int divisor = 1) const
    {
        if (const HarmonicScore *score = order.harmonic())
            return score->bound(nu2, t) < harmonic - 1e-9;
        return nu2[size_t(t)] < least[size_t(divisor)][size_t(t)];
    }
};

// ν₂² of a lattice, by the Euclid pass on its modulus and multiplier.
Wide planeNu2(const GeneratorLattice &lattice)
{
    Measures m;
    measure(lattice.n, lattice.k, m);
    return m.nu2;
}

// ν_t² of a lattice for t = 2 … T, given ν₂², or false where a bar drops it:
// in the first dimension that shows it, so only what survives the Euclid
// pass is reduced.
bool nu2Of(const RankingQuery &query, const Order &order, const GeneratorLattice &lattice,
           Wide plane, const Bar *bar, Nu2s &nu2, int divisor = 1)
{
    nu2[2] = plane;
    if (bar && bar->below(order, nu2, 2, divisor))
        return false;
    // What the dimensions are written to, behind one reference, so the
    // callback fits std::function without a heap allocation per candidate.
    struct Walk {
        const Order &order;
        const Bar *bar;
        Nu2s &nu2;
        int divisor;
        bool below = false;
    } walk{order, bar, nu2, divisor};
    if (query.dimensions > 2) {
        eachLatticeNu2(lattice.n, lattice.k, query.dimensions, [&walk](int t, Wide value) {
            walk.nu2[size_t(t)] = value;
            walk.below = walk.bar && walk.bar->below(walk.order, walk.nu2, t, walk.divisor);
            return !walk.below;
        });
    }
    return !walk.below;
}

// The lagged figure as a key: the worst f_t over the lattices of every lag,
// found exactly, or false where a bar drops it.
bool laggedKeyOf(const RankingQuery &query, const Order &order, u64 k, const Bar *bar,
                 Key<Wide> &key)
{
    if (gcd(query.n, k) != 1)
        return false;
    const Wide modulus = query.latticeModulus();
    bool any = false;
    for (u64 lag = firstLag; lag <= lastLag; ++lag) {
        const std::optional<GeneratorLattice> lattice
                = generatorLattice(query.n, k, query.generator, lag);
        if (!lattice)
            continue;
        const int divisor = int(modulus / lattice->n);
        Nu2s nu2; // only 2 … T are read, each once written
        if (!nu2Of(query, order, *lattice, planeNu2(*lattice), bar, nu2, divisor))
            return false;
        const int code = order.spectral()->worst(nu2, query.dimensions, divisor);
        const Key<Wide> worst{nu2[size_t(SpectralOrder::dimensionOf(code))], Wide(code)};
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
// where k is not coprime with N, or a bar drops it.
bool latticeKeyOf(const RankingQuery &query, const Order &order, u64 k, const Bar *bar,
                  Key<Wide> &key)
{
    if (order.lagged())
        return laggedKeyOf(query, order, k, bar, key);
    Measures m;
    if (!measure(query.n, k, m))
        return false;
    const GeneratorLattice lattice = *generatorLattice(query.n, k, query.generator);
    Nu2s nu2; // only 2 … T are read, each once written
    // The Euclid pass on (N, k) gave ν₂² where the lattice is N's own.
    const Wide plane = lattice == GeneratorLattice{query.n, k} ? m.nu2 : planeNu2(lattice);
    if (!nu2Of(query, order, lattice, plane, bar, nu2))
        return false;
    if (const HarmonicScore *score = order.harmonic()) {
        key = harmonicKey(*score, nu2, lattice.n, lattice.k);
        return true;
    }
    const int worst = order.spectral()->worst(nu2, query.dimensions);
    key = {nu2[size_t(worst)], Wide(worst)};
    return true;
}

inline bool keysOf(const RankingQuery &query, const Order &order, const FigureEntry &ranking,
                   u64 k, const Bar *bar, Keys &keys)
{
    if (readsDimensions(query.criterion)) {
        // k, its mirror and its inverse share every dimension's figures.
        if (!latticeKeyOf(query, order, k, bar, keys.self))
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
template <typename Offer, typename BarOf>
void scoreCandidates(const RankingQuery &query, const Order &order, unsigned threads,
                     const Progress &progress, const Offer &offer, const BarOf &barOf)
{
    const FigureEntry &ranking = entryOf(query.criterion);
    const PeriodFilter period(query.n, query.generator);
    const bool filtered = query.generator != Generator::Any;
    forEachCandidate(query.n, query.first, query.lastCandidate(), threads, progress,
                     [&](unsigned thread, u64 k, bool mirrorToo) {
                         // Without a generator coprimality is the figures'
                         // own check: no gcd of its own per candidate.
                         const bool self = !filtered || period.keeps(k);
                         const bool mirror
                                 = mirrorToo && (!filtered || period.keeps(u64(query.n - k)));
                         Keys keys{};
                         if (!(self || mirror)
                             || !keysOf(query, order, ranking, k, barOf(thread), keys))
                             return;
                         const bool kept = self && offer(thread, keys.self, k);
                         if (mirror && (kept || !self || !order.equal(keys.self, keys.mirror)))
                             offer(thread, keys.mirror, u64(query.n - k));
                     });
}

// The best `limit` entries offered so far. While fewer than all candidates
// are kept, they form a heap whose front is the worst kept entry, so an
// offer costs one comparison unless it gets in.
class Best
{
public:
    Best(u64 limit, const Order &order)
        : m_limit(limit), m_order(order)
    {
    }

    // Whether the entry is kept, for now.
    bool offer(const WideEntry &entry)
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

    std::vector<WideEntry> &entries() { return m_entries; }
    // The worst entry kept, by the figure of merit, once as many are kept
    // as may be; for the other figures none.
    const Bar *bar() const { return m_bar ? &*m_bar : nullptr; }

private:
    void setBar()
    {
        const SpectralOrder *spectral = m_order.spectral();
        const HarmonicScore *harmonic = m_order.harmonic();
        if ((!spectral && !harmonic) || m_entries.size() < m_limit)
            return;
        const Key<Wide> &worst = m_entries.front().key;
        if (m_bar && m_order.equal(m_bar->key, worst))
            return;
        m_bar.emplace(Bar{worst, {}, std::ldexp(double(worst.num), -60)});
        // The lattices of the lags are modulo N/d for the d that divide N;
        // without lags only d = 1.
        for (int d = 1; spectral && d <= (m_order.lagged() ? int(lastLag) : 1); ++d) {
            if (m_order.modulus() % Wide(d) != 0)
                continue;
            for (int t = minDimension; t <= maxDimension; ++t) {
                const int code = d == 1 ? t : t + d * SpectralOrder::codeStep;
                m_bar->least[size_t(d)][size_t(t)] = spectral->least(code, worst.num, int(worst.den));
            }
        }
    }

    u64 m_limit;
    const Order &m_order;
    std::vector<WideEntry> m_entries;
    std::optional<Bar> m_bar;
};

} // namespace

struct Ranking::Data {
    explicit Data(const RankingQuery &query)
        : order(query.latticeModulus(), query.criterion, query.dimensions), runs(order)
    {
    }
    Order order;
    std::vector<Ranked> top; // a top ranking, ranked
    bool whole = false;
    SortedRuns runs;         // a whole ranking, merged when read
    u64 count = 0;
};

Ranking::Ranking(const RankingQuery &query, const Progress &progress)
    : m_data(std::make_unique<Data>(query))
{
    const Order &order = m_data->order;
    const unsigned threads = threadCount(query.threads);
    if (query.top != everyMultiplier) {
        std::vector<Best> bests(threads, Best(query.top, order));
        scoreCandidates(
                query, order, threads, progress,
                [&](unsigned t, const Key<Wide> &key, u64 k) { return bests[t].offer({key, k}); },
                [&](unsigned t) { return bests[t].bar(); });
        std::vector<WideEntry> all;
        for (Best &best : bests)
            all.insert(all.end(), best.entries().begin(), best.entries().end());
        const size_t kept = size_t(std::min<u64>(query.top, all.size()));
        std::partial_sort(all.begin(), all.begin() + ptrdiff_t(kept), all.end(), std::cref(order));
        Ranks<WideEntry> ranks(order);
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
    const u64 candidates = query.lastCandidate() - query.first + 1;
    std::vector<std::vector<NarrowEntry>> buffers(threads);
    const auto noBar = [](unsigned) { return static_cast<const Bar *>(nullptr); };
    scoreCandidates(query, order, threads, progress, [&](unsigned t, const Key<Wide> &key, u64 k) {
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
    Ranks<NarrowEntry> ranks(m_data->order);
    m_data->runs.merge([&](const NarrowEntry &entry) { visit(ranks.next(entry)); });
}

std::vector<Ranked> rankingOf(const RankingQuery &query, std::vector<u64> multipliers)
{
    std::sort(multipliers.begin(), multipliers.end());
    multipliers.erase(std::unique(multipliers.begin(), multipliers.end()), multipliers.end());
    const FigureEntry &ranking = entryOf(query.criterion);
    const Order order(query.latticeModulus(), query.criterion, query.dimensions);
    std::vector<WideEntry> entries;
    for (u64 k : multipliers) {
        // Each as its own: the key a ranking gives k itself, not its mirror.
        Keys keys{};
        if (keysOf(query, order, ranking, k, nullptr, keys))
            entries.push_back({keys.self, k});
    }
    const size_t kept = size_t(std::min<u64>(query.top, entries.size()));
    std::partial_sort(entries.begin(), entries.begin() + ptrdiff_t(kept), entries.end(),
                      std::cref(order));
    Ranks<WideEntry> ranks(order);
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

} // namespace search
