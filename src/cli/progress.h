#pragma once

#include "search/multiplierranking.h"

#include <QString>

#include <chrono>
#include <cstdio>
#include <string>

namespace cli {

// The progress of a long computation, for a person watching a terminal:
// shown on standard error only when that is a terminal, and only once the
// work has taken a second, as "Rangliste für N = 100000000: 42 %, noch
// etwa 12 s". The line is cleared again when the work is done; a pipe or a
// file gets nothing.
class ProgressLine
{
public:
    ProgressLine(std::FILE *err, std::string what);
    ~ProgressLine();
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    // What the engine calls; empty when standard error is no terminal.
    const search::Progress &progress() const { return m_progress; }

private:
    void show(double done);

    std::FILE *m_err;
    std::string m_what;
    QString m_remaining;
    std::chrono::steady_clock::time_point m_started;
    bool m_shown = false;
    search::Progress m_progress;
};

} // namespace cli
