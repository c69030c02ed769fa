#pragma once

#include "search/order.h"

#include <functional>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

// The parallel scan of a ranking: the candidates k of N handed out in
// blocks to threads of their own, each k with its mirror N − k visited once.
namespace search {

// Told now and then, from the calling thread, which share of the work is
// done (0 … 1).
using Progress = std::function<void(double done)>;

// The threads asked for; 0 asks for one per core.
inline unsigned threadCount(unsigned threads)
{
    return threads ? threads : std::max(1u, std::thread::hardware_concurrency());
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

// The lowest `bits` bits of `turn` in reverse order.
inline u64 bitReversed(u64 turn, int bits)
{
    u64 reversed = 0;
    for (int b = 0; b < bits; ++b)
        reversed |= ((turn >> b) & 1) << (bits - 1 - b);
    return reversed;
}

// Every candidate k in first … last, coprime or not, handed to
// visit(thread, k, mirrorToo) by the thread that takes it; mirrorToo when
// N − k ≠ k is a candidate too, which k then stands for. So the candidates
// visited are those up to N/2, and above it only those whose mirror lies
// below `first`: two stretches, numbered one after the other.
template <typename K, typename Visit>
void forEachCandidate(WideOf<K> n, K first, K last, unsigned threads, const Progress &progress,
                      const Visit &visit)
{
    using W = WideOf<K>;
    const K half = K(n / 2);
    const K lowerEnd = std::min(last, half); // first … lowerEnd, if not empty
    const K lowerCount = lowerEnd >= first ? lowerEnd - first + 1 : 0;
    // Above N/2, the mirror N − k is below `first` from k = N − first + 1 on.
    const W upperStart = std::max<W>({W(first), W(half) + 1, n - first + 1});
    const K upperCount = upperStart <= W(last) ? K(W(last) - upperStart + 1) : 0;
    const W mirrorsFrom = n - last; // lower k whose mirror is at most `last`
    const K count = lowerCount + upperCount;
    // Blocks of 2^15 candidates, larger only where more than 2^62 blocks
    // would be needed (past 2^77 candidates, a range no one waits for).
    K blockSize = 1 << 15;
    while (count / blockSize > K(u64(1) << 62))
        blockSize <<= 1;
    const u64 blocks = u64((count + blockSize - 1) / blockSize);
    // The blocks are taken in bit-reversed order, so the first few already
    // sample the whole stretch: a top ranking that prunes learns early how
    // good its best candidates are, wherever they lie. Which block comes
    // when changes no result.
    int bits = 0;
    while ((u64(1) << bits) < blocks)
        ++bits;
    const u64 turns = u64(1) << bits;
    std::atomic<u64> nextTurn{0};
    std::atomic<u64> blocksDone{0};
    std::atomic<bool> stop{false};

    const auto work = [&](unsigned thread) {
        try {
            for (u64 turn; !stop && (turn = nextTurn++) < turns;) {
                const u64 block = bitReversed(turn, bits);
                if (block >= blocks)
                    continue;
                const K from = K(block) * blockSize, to = std::min(count, from + blockSize);
                for (K index = from; index < to; ++index) {
                    if (index < lowerCount) {
                        const K k = first + index;
                        visit(thread, k, W(k) >= mirrorsFrom && W(2) * W(k) != n);
                    } else {
                        visit(thread, K(upperStart + W(index - lowerCount)), false);
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

} // namespace search
