#pragma once

#include <csignal>
#include <functional>
#include <string>

// Standard input a line at a time, for a command that answers each line as
// it comes and must leave whole rows behind however it ends. SIGINT and
// SIGTERM are held off while a line is answered and let in only while the
// command waits for input: a signal then ends the reading, and the command
// closes what it wrote (a JSON array, say) before it ends by that signal.
namespace cli {

class StandardInput
{
public:
    StandardInput();
    ~StandardInput();
    StandardInput(const StandardInput &) = delete;
    StandardInput &operator=(const StandardInput &) = delete;

    // The next line, without its line break (and a CR before it); false at
    // the end of the input, or once a signal has come. Before it waits for
    // input that is not there yet, it calls `waiting`, so that what was
    // answered so far goes out first. A line too long to hold a number is
    // a UsageError.
    bool next(std::string &line, const std::function<void()> &waiting);
    // The number of the line last read, from 1.
    unsigned long long number() const { return m_number; }
    // The signal that ended the reading, or 0.
    int signal() const;
    // Ends the process by that signal, as it would have ended without this
    // reader, once what was written is closed.
    [[noreturn]] void endBySignal() const;

private:
    bool fill(const std::function<void()> &waiting);

    std::string m_buffer;
    size_t m_at = 0;
    bool m_end = false;
    unsigned long long m_number = 0;
    sigset_t m_waiting;      // the signal mask while waiting: the caller's
    struct sigaction m_previous[2];
    bool m_caught[2] = {false, false}; // SIGINT, SIGTERM: caught here, not ignored
};

} // namespace cli
