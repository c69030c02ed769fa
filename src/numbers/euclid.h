#pragma once

#include <algorithm>
#include <cstdint>

// Euclid's algorithm as the occupation of N positions by k walks it: the one
// pass from which the gap sum and every figure of a multiplier are read.
namespace numbers {

using u64 = std::uint64_t;
// N reaches 2^64, and sums about N·ln N: past 64 bits.
using Wide = unsigned __int128;

// The greatest common divisor; gcd(a, 0) = a.
Wide gcd(Wide a, Wide b);

// The nearest occupied positions on either side of position 0 after some
// step: b backwards (the running minimum of r(m) = m·k mod N) and f forwards
// (of N − r(m)), with the steps that set them.
struct Records {
    u64 backward, forward;
    u64 backwardStep, forwardStep;

    u64 smaller() const { return std::min(backward, forward); }
    u64 larger() const { return std::max(backward, forward); }
};

// A run of records on the side whose value is larger: it drops by the
// smaller value `quotient` times, to `remainder`, and the run's last record
// falls at step `end`. The final state, in which the smaller side is 1 and
// the larger drops by 1 a step up to step N − 1, comes as a run with
// `last` set.
struct Run {
    u64 quotient = 0;
    u64 remainder = 0;
    u64 end = 0;
    bool last = false;
};

// The records of the two running minima move like the subtractive Euclidean
// algorithm on (b, f) = (k, N − k), both set at step 1. The next record of
// either side falls at step m_b + m_f (the steps of the current records): on
// the side whose value is larger, which drops by the smaller value, because
// r(m_b + m_f) = r(m_b) + r(m_f) = b + (N − f). A run of q records on one
// side is one division: q is a partial quotient of k/N, and the run ends at
// step m_f + q·m_b.
//
// Calls visit(state, run) for the state at the start of each run, the last
// included, so the work is one division per partial quotient. Returns false
// when N and k share a divisor: then both sides stay multiples of it, and
// Euclid ends with a remainder 0 instead of reaching 1 (also at b = f > 1).
template <typename Visit>
bool walkRuns(u64 k, u64 nMinusK, Visit &&visit)
{
    Records state{k, nMinusK, 1, 1};
    for (;;) {
        const u64 smaller = state.smaller();
        if (smaller == 1) {
            visit(state, Run{0, 0, 0, true});
            return true;
        }
        const bool forwardRuns = state.backward < state.forward;
        u64 &larger = forwardRuns ? state.forward : state.backward;
        u64 &largerStep = forwardRuns ? state.forwardStep : state.backwardStep;
        const u64 smallerStep = forwardRuns ? state.backwardStep : state.forwardStep;
        const Run run{larger / smaller, larger % smaller,
                      largerStep + larger / smaller * smallerStep, false};
        if (run.remainder == 0)
            return false;
        visit(state, run);
        larger = run.remainder;
        largerStep = run.end;
    }
}

} // namespace numbers
