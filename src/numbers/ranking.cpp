#include "numbers/ranking.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace numbers {

namespace {

struct Entry {
    u64 sum;
    u64 k;
};

// The ranking's order: larger sum first, then smaller k.
bool better(const Entry &a, const Entry &b)
{
    return a.sum > b.sum || (a.sum == b.sum && a.k < b.k);
}

// The best `limit` entries offered so far. While fewer than all candidates
// are kept, they form a heap whose front is the worst kept entry, so an
// offer costs one comparison unless it gets in.
class Best
{
public:
    Best(u64 limit, u64 candidates)
        : m_limit(limit), m_heap(limit < candidates)
    {
    }

    void offer(const Entry &entry)
    {
        if (m_entries.size() < m_limit) {
            m_entries.push_back(entry);
            if (m_heap)
                std::push_heap(m_entries.begin(), m_entries.end(), better);
        } else if (better(entry, m_entries.front())) {
            std::pop_heap(m_entries.begin(), m_entries.end(), better);
            m_entries.back() = entry;
            std::push_heap(m_entries.begin(), m_entries.end(), better);
        }
    }

    std::vector<Entry> &entries() { return m_entries; }

private:
    u64 m_limit;
    bool m_heap;
    std::vector<Entry> m_entries;
};

// Runs work(0) … work(threads − 1) on threads of their own and, while they
// run, tells the progress every tenth of a second from this thread.
template <typename Work, typename Done>
void runInParallel(unsigned threads, const Work &work, const Progress &progress, const Done &done)
{
    std::mutex mutex;
    std::condition_variable finished;
    unsigned running = threads;
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            work(t);
            const std::lock_guard lock(mutex);
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
}

// The lower halves k < N/2 of the mirror pairs, ranked, in blocks that the
// threads take in turn.
std::vector<Entry> rankLowerHalf(u64 n, u64 limit, const Progress &progress, unsigned threads)
{
    const u64 half = (n - 1) / 2;
    constexpr u64 blockSize = 1 << 15;
    const u64 blocks = (half + blockSize - 1) / blockSize;
    std::atomic<u64> nextBlock{0};
    std::atomic<u64> blocksDone{0};

    const auto work = [&](Best &best) {
        for (u64 block; (block = nextBlock++) < blocks;) {
            const u64 last = std::min(half, (block + 1) * blockSize);
            for (u64 k = block * blockSize + 1; k <= last; ++k) {
                u64 sum;
                if (spreadSum(n, k, sum))
                    best.offer({sum, k});
            }
            ++blocksDone;
        }
    };

    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    threads = unsigned(std::min<u64>(threads, std::max<u64>(blocks, 1)));
    const u64 perThread = std::min(limit, half);
    std::vector<Best> bests(threads, Best(perThread, half));

    if (threads == 1) {
        work(bests[0]); // small N: no thread to start
    } else {
        runInParallel(threads, [&](unsigned t) { work(bests[t]); }, progress,
                      [&] { return blocks ? double(blocksDone) / double(blocks) : 1.0; });
    }

    std::vector<Entry> all = std::move(bests[0].entries());
    for (unsigned t = 1; t < threads; ++t) {
        all.insert(all.end(), bests[t].entries().begin(), bests[t].entries().end());
        std::vector<Entry>().swap(bests[t].entries());
    }
    const u64 kept = std::min<u64>(limit, all.size());
    std::partial_sort(all.begin(), all.begin() + kept, all.end(), better);
    all.resize(kept);
    return all;
}

} // namespace

std::vector<Ranked> ranking(u64 n, u64 top, const Progress &progress, unsigned threads)
{
    if (n == 2) // k = 1 is its own mirror image
        return top == 0 ? std::vector<Ranked>{} : std::vector<Ranked>{{1, 1, 1}};

    // Each kept lower k stands for two entries, so the first `top` entries
    // need at most `top` lower ones.
    const std::vector<Entry> lower = rankLowerHalf(n, top, progress, threads);

    // A run of equal sums among the lower halves, k₁ < … < kₘ, is in the
    // whole ranking k₁ … kₘ followed by their mirrors N − kₘ < … < N − k₁.
    // The last run may be cut off; its first entries are still right, and
    // the result never reaches its mirrors before `top` is full.
    std::vector<Ranked> result;
    result.reserve(std::min<u64>(top, 2 * lower.size()));
    for (size_t first = 0; first < lower.size() && result.size() < top;) {
        size_t end = first;
        while (end < lower.size() && lower[end].sum == lower[first].sum)
            ++end;
        const u64 rank = result.size() + 1;
        for (size_t i = first; i < end && result.size() < top; ++i)
            result.push_back({rank, lower[i].k, lower[i].sum});
        for (size_t i = end; i > first && result.size() < top; --i)
            result.push_back({rank, n - lower[i - 1].k, lower[i - 1].sum});
        first = end;
    }
    return result;
}

} // namespace numbers
