#pragma once

#include "search/order.h"
#include "search/temporaryfile.h"

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// A whole ranking as sorted runs, merged when it is read: each run sorted in
// the ranking's order and kept in memory, or spilled to an unnamed
// temporary file, so the memory stays within a budget however large N is.
namespace search {

class SortedRuns
{
public:
    explicit SortedRuns(const Order &order)
        : m_order(order)
    {
    }

    // Entries read from a spilled run at a time.
    static constexpr size_t readBlock = size_t(1) << 15;

    // Sorts the entries and keeps them as a run, in a temporary file when
    // `spill`, leaving `entries` empty. Threads may add at once. Throws
    // std::system_error when the file cannot be written.
    void add(std::vector<NarrowEntry> &entries, bool spill);

    u64 size() const { return m_count; }

    // Every entry of every run in the ranking's order: the best head first.
    void merge(const std::function<void(const NarrowEntry &)> &visit) const;

private:
    struct Run {
        std::vector<NarrowEntry> entries;
        std::unique_ptr<TemporaryFile> file;
        u64 count = 0;
    };
    class Reader;

    const Order &m_order;
    std::mutex m_mutex;
    std::vector<Run> m_runs;
    u64 m_count = 0;
};

} // namespace search
