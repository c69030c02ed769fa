#include "cli/standardinput.h"

#include "cli/command.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace cli {

namespace {

constexpr int stoppingSignals[] = {SIGINT, SIGTERM};
// A line longer than this holds no number of ours.
constexpr size_t longestLine = size_t(1) << 16;

volatile std::sig_atomic_t stoppedBy = 0;

extern "C" void recordSignal(int signal)
{
    stoppedBy = signal;
}

// A stopping signal that came while it was held off, or 0: input that is
// always there (a file) leaves no wait to let it in.
int pendingSignal()
{
    sigset_t pending;
    sigpending(&pending);
    for (int signal : stoppingSignals) {
        if (sigismember(&pending, signal) == 1)
            return signal;
    }
    return 0;
}

} // namespace

StandardInput::StandardInput()
{
    stoppedBy = 0;
    sigset_t held;
    sigemptyset(&held);
    for (size_t i = 0; i < std::size(stoppingSignals); ++i) {
        struct sigaction action = {};
        action.sa_handler = recordSignal; // no SA_RESTART: it ends the wait
        sigemptyset(&action.sa_mask);
        sigaction(stoppingSignals[i], nullptr, &m_previous[i]);
        // A signal the caller ignores (nohup) stays ignored.
        if (m_previous[i].sa_handler == SIG_IGN)
            continue;
        sigaction(stoppingSignals[i], &action, nullptr);
        sigaddset(&held, stoppingSignals[i]);
        m_caught[i] = true;
    }
    pthread_sigmask(SIG_BLOCK, &held, &m_waiting);
}

StandardInput::~StandardInput()
{
    pthread_sigmask(SIG_SETMASK, &m_waiting, nullptr);
    for (size_t i = 0; i < std::size(stoppingSignals); ++i) {
        if (m_caught[i])
            sigaction(stoppingSignals[i], &m_previous[i], nullptr);
    }
}

bool StandardInput::fill(const std::function<void()> &waiting)
{
    char chunk[1 << 16];
    for (;;) {
        if (stoppedBy)
            return false;
        pollfd input{STDIN_FILENO, POLLIN, 0};
        if (poll(&input, 1, 0) == 0) {
            // Nothing there yet: what is answered goes out, and the signals
            // come in only while waiting.
            waiting();
            if (ppoll(&input, 1, nullptr, &m_waiting) < 0)
                continue; // a signal, or try again
        }
        const ssize_t read = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (read > 0) {
            m_buffer.append(chunk, size_t(read));
            return true;
        }
        if (read < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (read < 0 && errno != EBADF) // a closed standard input is an empty one
            throw Failure{say(translate("cli", "die Standardeingabe ließ sich nicht lesen"))};
        m_end = true;
        return true;
    }
}

bool StandardInput::next(std::string &line, const std::function<void()> &waiting)
{
    if (!stoppedBy)
        stoppedBy = pendingSignal();
    if (stoppedBy)
        return false;
    for (;;) {
        const size_t end = m_buffer.find('\n', m_at);
        if (end != std::string::npos || (m_end && m_at < m_buffer.size())) {
            const size_t stop = end == std::string::npos ? m_buffer.size() : end;
            line.assign(m_buffer, m_at, stop - m_at);
            m_at = end == std::string::npos ? stop : end + 1;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            ++m_number;
            return true;
        }
        if (m_end)
            return false;
        m_buffer.erase(0, m_at);
        m_at = 0;
        if (m_buffer.size() > longestLine) {
            ++m_number;
            throw UsageError{say(translate("cli", "die Zeile ist länger als %1 Zeichen"),
                                 {std::to_string(longestLine)})};
        }
        if (!fill(waiting))
            return false;
    }
}

int StandardInput::signal() const
{
    return stoppedBy;
}

void StandardInput::endBySignal() const
{
    const int signal = stoppedBy;
    std::signal(signal, SIG_DFL);
    sigset_t unblocked;
    sigemptyset(&unblocked);
    sigaddset(&unblocked, signal);
    pthread_sigmask(SIG_UNBLOCK, &unblocked, nullptr);
    std::raise(signal);
    std::_Exit(128 + signal); // should the signal not end it
}

} // namespace cli
