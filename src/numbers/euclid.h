#pragma once

#include "numbers/u256.h"

#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <utility>

// Euclid's algorithm as the occupation of N positions by k walks it: the one
// pass from which the gap sum and every figure of a multiplier are read.
namespace numbers {

using u64 = std::uint64_t;
// N reaches 2^64, and sums about N·ln N: past 64 bits.
using Wide = u128;

// The engine comes in two widths, named by the type K of a multiplier and
// the steps: u64 for N ≤ 2^64, the quick one every window and ranking
// uses, and u128 for N ≤ 2^128, today's 128-bit generators. N itself,
// sums and squared lengths take WideOf<K>, twice as wide.
template <typename K>
struct Widening;
template <>
struct Widening<u64> {
    using type = u128;
};
template <>
struct Widening<u128> {
    using type = U256;
};
template <typename K>
using WideOf = typename Widening<K>::type;

// The largest N of each width.
template <typename K>
inline constexpr WideOf<K> maxModulus = WideOf<K>(1) << (8 * sizeof(K));

// The greatest common divisor; gcd(a, 0) = a.
template <typename W>
W gcd(W a, std::type_identity_t<W> b)
{
    while (b != 0) {
        const W rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

// The nearest occupied positions on either side of position 0 after some
// step: b backwards (the running minimum of r(m) = m·k mod N) and f forwards
// (of N − r(m)), with the steps that set them.
template <typename K>
struct Records {
    K backward, forward;
    K backwardStep, forwardStep;

    K smaller() const { return std::min(backward, forward); }
    K larger() const { return std::max(backward, forward); }
};

// A record as a point of the plane lattice {(a, b) : a ≡ −k·b (mod N)}, in
// which the lattice reduction works: a backward record b at step m is
// (b, −m), a forward record f at step m is (f, m).
template <typename K>
struct PlanePoint {
    K value = 0, step = 0;
    bool forward = false;
};

// The shortest point of the plane and a record next to it in the walk: two
// consecutive records span the lattice (their determinant is ±N), so the
// two are a basis of it with its shortest vector first.
template <typename K>
struct PlaneBasis {
    PlanePoint<K> shortest, beside;
};

// A run of records on the side whose value is larger: it drops by the
// smaller value `quotient` times, to `remainder`, and the run's last record
// falls at step `end`. The final state, in which the smaller side is 1 and
// the larger drops by 1 a step up to step N − 1, comes as a run with
// `last` set.
template <typename K>
struct Run {
    K quotient = 0;
    K remainder = 0;
    K end = 0;
    bool last = false;
};

// a = q·b + r for a ≥ b > 0. For 64-bit K by the processor's division.
// For 128-bit K small quotients by subtraction (at most 3 for 68 % of the
// partial quotients, by the Gauss–Kuzmin law), which beats the library's
// 128-bit division; the others by the processor's 64-bit division once both
// fit it, as they do for the second half of a walk.
template <typename K>
void divide(K a, K b, K &q, K &r)
{
    if constexpr (sizeof(K) > sizeof(std::uint64_t)) {
        r = a - b;
        for (q = 1; q < 4; ++q) {
            if (r < b)
                return;
            r -= b;
        }
        if ((a >> 64) == 0) {
            q = std::uint64_t(a) / std::uint64_t(b);
            r = std::uint64_t(a) % std::uint64_t(b);
            return;
        }
    }
    q = a / b;
    r = a % b;
}

// The number of zero bits below the lowest one of v > 0.
template <typename K>
int trailingZeros(K v)
{
    if constexpr (sizeof(K) > sizeof(std::uint64_t)) {
        const std::uint64_t low = std::uint64_t(v);
        return low ? __builtin_ctzll(low) : 64 + __builtin_ctzll(std::uint64_t(v >> 64));
    } else {
        return __builtin_ctzll(v);
    }
}

// Whether a ≥ b ≥ 0 (not both 0) have no common divisor but 1: Euclid's
// steps until both fit 64 bits, then Stein's binary gcd, which shifts and
// subtracts and needs no division.
template <typename K>
bool coprime(K a, K b)
{
    if constexpr (sizeof(K) > sizeof(std::uint64_t)) {
        while ((a >> 64) != 0 && b != 0) {
            K q, r;
            divide(a, b, q, r);
            a = b;
            b = r;
        }
        if ((a >> 64) != 0)
            return false; // b = 0 and a > 1
        return coprime<std::uint64_t>(std::uint64_t(a), std::uint64_t(b));
    } else {
        if (b == 0)
            return a == 1;
        if (((a | b) & 1) == 0)
            return false;
        a >>= trailingZeros(a); // 2 is no common divisor: drop it from a
        while (b != 0) {
            b >>= trailingZeros(b); // both odd now
            if (a > b)
                std::swap(a, b);
            b -= a;
        }
        return a == 1;
    }
}

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
//
// Below N ≤ 2^64 (or 2^128) every value and step fits K: the sides are at
// most max(k, N − k) < N, and the steps stay below N.
//
// A visitor that returns bool may end the walk by returning false; the
// walk then only finishes Euclid on the two sides, to tell whether N and k
// are coprime.
//
// walkRunsFrom starts from a state part of the way, as the walk of some k
// reaches it; walkRuns from the start, (b, f) = (k, N − k).
template <typename K, typename Visit>
bool walkRunsFrom(const Records<K> &start, Visit &&visit)
{
    // The records by value, not behind references to one side: that keeps
    // 128-bit sides in registers.
    K b = start.backward, f = start.forward;
    K bStep = start.backwardStep, fStep = start.forwardStep;
    for (;;) {
        const Records<K> state{b, f, bStep, fStep};
        const bool forwardRuns = b < f;
        const K larger = forwardRuns ? f : b, smaller = forwardRuns ? b : f;
        if (smaller == 1) {
            visit(state, Run<K>{0, 0, 0, true});
            return true;
        }
        Run<K> run;
        divide(larger, smaller, run.quotient, run.remainder);
        if (run.remainder == 0)
            return false;
        run.end = (forwardRuns ? fStep : bStep) + run.quotient * (forwardRuns ? bStep : fStep);
        if constexpr (std::is_same_v<decltype(visit(state, run)), bool>) {
            if (!visit(state, run))
                return coprime(smaller, run.remainder);
        } else {
            visit(state, run);
        }
        if (forwardRuns) {
            f = run.remainder;
            fStep = run.end;
        } else {
            b = run.remainder;
            bStep = run.end;
        }
    }
}

template <typename K, typename Visit>
bool walkRuns(K k, K nMinusK, Visit &&visit)
{
    return walkRunsFrom(Records<K>{k, nMinusK, 1, 1}, std::forward<Visit>(visit));
}

} // namespace numbers
