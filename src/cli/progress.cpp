#include "cli/progress.h"

#include "cli/command.h"

#include <unistd.h>

namespace cli {

namespace {

// "12 s", "3 min 5 s", "2 h 7 min".
std::string duration(double seconds)
{
    const long s = long(seconds + 0.5);
    if (s < 60)
        return std::to_string(s) + " s";
    if (s < 3600)
        return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
    return std::to_string(s / 3600) + " h " + std::to_string(s / 60 % 60) + " min";
}

} // namespace

// The texts are translated here, on the command's thread, not in the
// engine's threads that report.
ProgressLine::ProgressLine(std::FILE *err, std::string what)
    : m_err(err),
      m_what(std::move(what)),
      m_remaining(translate("cli", ", noch etwa %1")),
      m_started(std::chrono::steady_clock::now())
{
    if (isatty(fileno(err)))
        m_progress = [this](double done) { show(done); };
}

ProgressLine::~ProgressLine()
{
    if (m_shown)
        std::fputs("\r\033[K", m_err);
}

void ProgressLine::show(double done)
{
    const double elapsed
            = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_started).count();
    if (elapsed < 1)
        return;
    std::string line = "\r" + m_what + ": " + std::to_string(int(done * 100)) + " %";
    if (done > 0.01)
        line += say(m_remaining, {duration(elapsed * (1 - done) / done)});
    std::fputs((line + "\033[K").c_str(), m_err);
    std::fflush(m_err);
    m_shown = true;
}

} // namespace cli
