#include "numbers/ranking.h"

#include "numbers/figures.h"
#include "numbers/temporaryfile.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <queue>
#include <stdexcept>
#include <thread>

namespace numbers {

namespace {

// A figure as a fraction where the larger is better: the gap sum, ν₂² and
// the Zaremba index as they are (den = 1); the gap ratio and the largest
// quotient by their reciprocals. Compared by cross-multiplying, which stays
// within 128 bits for every figure (one side of each product is at most
// 2^64).
template <typename Int>
struct Key {
    Int num;
    Int den;
};

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

// The keys of k and of its mirror N − k.
struct Keys {
    Key<Wide> self, mirror;
};

inline bool keysOf(const RankingQuery &query, u64 k, Keys &keys)
{
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
    switch (query.criterion) {
    case Criterion::Sum: break;
    case Criterion::Spectral: keys.self = keys.mirror = {m.nu2, 1}; break;
    case Criterion::Zaremba: keys.self = keys.mirror = {m.zaremba, 1}; break;
    case Criterion::GapRatio: keys.self = keys.mirror = {m.gapRatio.den, m.gapRatio.num}; break;
    case Criterion::Largest:
        keys.self = {1, m.largest};
        keys.mirror = {1, m.mirrorLargest};
        break;
    }
    return true;
}

// Runs work(0) … work(threads − 1) on threads of their own and, while they
// run, tells the progress every tenth of a second from this thread. An
// exception in a thread stops the others at their next block and is thrown
// here.
template <typename Work, typename Done>
void runInParallel(unsigned threads, const Work &work, const Progress &progress, const Done &done)
{
    std::mutex mutex;
    std::condition_variable finished;
    unsigned running = threads;
    std::exception_ptr failure;
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            std::exception_ptr caught;
            try {
                work(t);
            } catch (...) {
                caught = std::current_exception();
            }
            const std::lock_guard lock(mutex);
            if (caught && !failure)
                failure = caught;
            --running;
            finished.notify_one();
        });
    }
    {
        std::unique_lock lock(mutex);
        while (!finished.wait_for(lock, std::chrono::milliseconds(100),
                                  [&] { return running == 0; })) {
            if (progress)
                progress(done());
        }
    }
    for (std::thread &worker : workers)
        worker.join();
    if (failure)
        std::rethrow_exception(failure);
}

// Every candidate k in first … last, coprime or not, handed to
// visit(thread, k, mirrorToo) by the thread that takes it; mirrorToo when
// N − k ≠ k is a candidate too, which k then stands for. So the candidates
// visited are those up to N/2, and above it only those whose mirror lies
// below `first`: two stretches, numbered one after the other.
template <typename Visit>
void forEachCandidate(Wide n, u64 first, u64 last, unsigned threads, const Progress &progress,
                      const Visit &visit)
{
    const u64 half = u64(n / 2);
    const u64 lowerEnd = std::min(last, half); // first … lowerEnd, if not empty
    const u64 lowerCount = lowerEnd >= first ? lowerEnd - first + 1 : 0;
    // Above N/2, the mirror N − k is below `first` from k = N − first + 1 on.
    const Wide upperStart = std::max<Wide>({first, Wide(half) + 1, n - first + 1});
    const u64 upperCount = upperStart <= last ? u64(last - upperStart + 1) : 0;
    const Wide mirrorsFrom = n - last; // lower k whose mirror is at most `last`
    const u64 count = lowerCount + upperCount;
    constexpr u64 blockSize = 1 << 15;
    const u64 blocks = (count + blockSize - 1) / blockSize;
    std::atomic<u64> nextBlock{0};
    std::atomic<u64> blocksDone{0};
    std::atomic<bool> stop{false};

    const auto work = [&](unsigned thread) {
        try {
            for (u64 block; !stop && (block = nextBlock++) < blocks;) {
                const u64 from = block * blockSize, to = std::min(count, from + blockSize);
                for (u64 index = from; index < to; ++index) {
                    if (index < lowerCount) {
                        const u64 k = first + index;
                        visit(thread, k, k >= mirrorsFrom && Wide(2) * k != n);
                    } else {
                        visit(thread, u64(upperStart + (index - lowerCount)), false);
                    }
                }
                ++blocksDone;
            }
        } catch (...) {
            stop = true;
            throw;
        }
    };
    threads = unsigned(std::min<u64>(threads, std::max<u64>(blocks, 1)));
    if (threads == 1) {
        work(0); // small N: no thread to start
        return;
    }
    runInParallel(threads, work, progress,
                  [&] { return blocks ? double(blocksDone) / double(blocks) : 1.0; });
}

// Every candidate of the query with its key, offered to offer(thread, key,
// k) by the thread that computed it; the offer says whether it was kept. A
// mirror with the key of its k comes after it in the ranking, so where k
// was not kept neither is the mirror, and it is not offered.
template <typename Offer>
void scoreCandidates(const RankingQuery &query, unsigned threads, const Progress &progress,
                     const Offer &offer)
{
    const u64 last = query.last ? query.last : u64(query.n - 1);
    forEachCandidate(query.n, query.first, last, threads, progress,
                     [&](unsigned thread, u64 k, bool mirrorToo) {
                         Keys keys{};
                         if (!keysOf(query, k, keys))
                             return;
                         const bool kept = offer(thread, keys.self, k);
                         if (mirrorToo && (kept || !equal(keys.self, keys.mirror)))
                             offer(thread, keys.mirror, u64(query.n - k));
                     });
}

unsigned threadCount(const RankingQuery &query)
{
    return query.threads ? query.threads : std::max(1u, std::thread::hardware_concurrency());
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

private:
    u64 m_limit;
    std::vector<WideEntry> m_entries;
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

// A sorted run of a whole ranking, in memory or in a temporary file.
struct Run {
    std::vector<NarrowEntry> entries;
    std::unique_ptr<TemporaryFile> file;
    u64 count = 0;
};

// Reads one run in order, a block at a time.
class RunReader
{
public:
    explicit RunReader(const Run &run)
        : m_run(run)
    {
        if (m_run.file)
            m_run.file->rewind();
    }

    // The next entry, or false at the end of the run.
    bool next(NarrowEntry &entry)
    {
        if (!m_run.file) {
            if (m_at == m_run.entries.size())
                return false;
            entry = m_run.entries[m_at++];
            return true;
        }
        if (m_at == m_buffer.size()) {
            if (m_read == m_run.count)
                return false;
            m_buffer.resize(size_t(std::min<u64>(m_run.count - m_read, 1 << 15)));
            m_run.file->read(m_buffer.data(), m_buffer.size() * sizeof(NarrowEntry));
            m_read += m_buffer.size();
            m_at = 0;
        }
        entry = m_buffer[m_at++];
        return true;
    }

private:
    const Run &m_run;
    std::vector<NarrowEntry> m_buffer;
    size_t m_at = 0;
    u64 m_read = 0;
};

} // namespace

struct Ranking::Data {
    std::vector<Ranked> top; // a top ranking, ranked
    bool whole = false;
    std::vector<Run> runs;   // a whole ranking, merged when read
    u64 count = 0;
};

Ranking::Ranking(const RankingQuery &query, const Progress &progress)
    : m_data(std::make_unique<Data>())
{
    const unsigned threads = threadCount(query);
    if (query.top != everyMultiplier) {
        std::vector<Best> bests(threads, Best(query.top));
        scoreCandidates(query, threads, progress, [&](unsigned t, const Key<Wide> &key, u64 k) {
            return bests[t].offer({key, k});
        });
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

    // A whole ranking: each thread fills a buffer, sorts it and, once it is
    // full, writes it to a file of its own as a sorted run.
    if (query.n > maxWholeRankingN)
        throw std::invalid_argument("a whole ranking needs N < 2^32");
    m_data->whole = true;
    const size_t capacity = std::max<size_t>(1, query.memoryBudget / sizeof(NarrowEntry) / threads);
    const u64 candidates = (query.last ? query.last : u64(query.n - 1)) - query.first + 1;
    std::vector<std::vector<NarrowEntry>> buffers(threads);
    std::mutex runsMutex;
    const auto spill = [&](std::vector<NarrowEntry> &buffer) {
        std::sort(buffer.begin(), buffer.end(), better<NarrowEntry>);
        Run run;
        run.file = std::make_unique<TemporaryFile>();
        run.file->write(buffer.data(), buffer.size() * sizeof(NarrowEntry));
        run.count = buffer.size();
        buffer.clear();
        const std::lock_guard lock(runsMutex);
        m_data->runs.push_back(std::move(run));
    };
    scoreCandidates(query, threads, progress, [&](unsigned t, const Key<Wide> &key, u64 k) {
        std::vector<NarrowEntry> &buffer = buffers[t];
        if (buffer.empty())
            buffer.reserve(size_t(std::min<u64>(capacity, candidates)));
        buffer.push_back({{u64(key.num), u64(key.den)}, std::uint32_t(k)});
        if (buffer.size() == capacity)
            spill(buffer);
        return true;
    });
    for (std::vector<NarrowEntry> &buffer : buffers) {
        if (buffer.empty())
            continue;
        std::sort(buffer.begin(), buffer.end(), better<NarrowEntry>);
        Run run;
        run.count = buffer.size();
        run.entries = std::move(buffer);
        m_data->runs.push_back(std::move(run));
    }
    for (const Run &run : m_data->runs)
        m_data->count += run.count;
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
    // Merge the runs: the best head first.
    std::vector<RunReader> readers;
    readers.reserve(m_data->runs.size());
    using Head = std::pair<NarrowEntry, size_t>;
    const auto worse = [](const Head &a, const Head &b) { return better(b.first, a.first); };
    std::priority_queue<Head, std::vector<Head>, decltype(worse)> heads(worse);
    for (const Run &run : m_data->runs) {
        readers.emplace_back(run);
        NarrowEntry entry;
        if (readers.back().next(entry))
            heads.push({entry, readers.size() - 1});
    }
    Ranks<NarrowEntry> ranks;
    while (!heads.empty()) {
        const auto [entry, source] = heads.top();
        heads.pop();
        visit(ranks.next(entry));
        NarrowEntry following;
        if (readers[source].next(following))
            heads.push({following, source});
    }
}

// Each figure of `m` where it is better than `best`'s.
static void keepBest(std::optional<Measures> &best, const Measures &m)
{
    if (!best) {
        best = m;
        return;
    }
    best->sum = std::max(best->sum, m.sum);
    best->nu2 = std::max(best->nu2, m.nu2);
    best->zaremba = std::max(best->zaremba, m.zaremba);
    best->gapRatio = std::min(best->gapRatio, m.gapRatio);
    best->largest = std::min(best->largest, m.largest);
}

Standing standing(Wide n, const std::vector<u64> &multipliers, const Progress &progress,
                  unsigned threads)
{
    std::vector<Measures> given(multipliers.size());
    for (size_t i = 0; i < given.size(); ++i)
        measure(n, multipliers[i], given[i]);

    // Per thread: how many multipliers beat each given one, and the best.
    struct Tally {
        std::vector<std::array<u64, 5>> beaten;
        std::optional<Measures> best;
    };
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<Tally> tallies(threads, Tally{std::vector<std::array<u64, 5>>(given.size()), {}});
    const auto count = [&](Tally &tally, const Measures &m) {
        for (size_t i = 0; i < given.size(); ++i) {
            const Measures &g = given[i];
            std::array<u64, 5> &beaten = tally.beaten[i];
            beaten[size_t(Criterion::Sum)] += m.sum > g.sum;
            beaten[size_t(Criterion::Spectral)] += m.nu2 > g.nu2;
            beaten[size_t(Criterion::Zaremba)] += m.zaremba > g.zaremba;
            beaten[size_t(Criterion::GapRatio)] += m.gapRatio < g.gapRatio;
            beaten[size_t(Criterion::Largest)] += m.largest < g.largest;
        }
        keepBest(tally.best, m);
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
    result.ranks.assign(given.size(), {1, 1, 1, 1, 1});
    std::optional<Measures> best;
    for (const Tally &tally : tallies) {
        for (size_t i = 0; i < given.size(); ++i) {
            for (size_t c = 0; c < 5; ++c)
                result.ranks[i][c] += tally.beaten[i][c];
        }
        if (tally.best)
            keepBest(best, *tally.best);
    }
    result.best = best.value_or(Measures{});
    return result;
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
