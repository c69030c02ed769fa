#include "search/runs.h"

#include <algorithm>
#include <functional>
#include <queue>

namespace search {

using namespace numbers;

// Reads one run in order, a block at a time.
class SortedRuns::Reader
{
public:
    explicit Reader(const Run &run)
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
            m_buffer.resize(size_t(std::min<u64>(m_run.count - m_read, readBlock)));
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

void SortedRuns::add(std::vector<NarrowEntry> &entries, bool spill)
{
    std::sort(entries.begin(), entries.end(), std::cref(m_order));
    Run run;
    run.count = entries.size();
    if (spill) {
        run.file = std::make_unique<TemporaryFile>();
        run.file->write(entries.data(), entries.size() * sizeof(NarrowEntry));
        entries.clear();
    } else {
        run.entries = std::move(entries);
        entries = {};
    }
    const std::lock_guard lock(m_mutex);
    m_count += run.count;
    m_runs.push_back(std::move(run));
}

void SortedRuns::merge(const std::function<void(const NarrowEntry &)> &visit) const
{
    std::vector<Reader> readers;
    readers.reserve(m_runs.size());
    using Head = std::pair<NarrowEntry, size_t>;
    const auto worse = [this](const Head &a, const Head &b) { return m_order(b.first, a.first); };
    std::priority_queue<Head, std::vector<Head>, decltype(worse)> heads(worse);
    for (const Run &run : m_runs) {
        readers.emplace_back(run);
        NarrowEntry entry;
        if (readers.back().next(entry))
            heads.push({entry, readers.size() - 1});
    }
    while (!heads.empty()) {
        const auto [entry, source] = heads.top();
        heads.pop();
        visit(entry);
        NarrowEntry following;
        if (readers[source].next(following))
            heads.push({following, source});
    }
}

} // namespace search
