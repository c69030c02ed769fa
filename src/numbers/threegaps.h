#pragma once

#include "numbers/figures.h"

#include <array>
#include <optional>

// The three-gap theorem on the circle of N positions: after step i, with
// the positions 0, k, 2k, …, ik (mod N) occupied, the gaps between
// neighbouring occupied positions take at most three lengths.
namespace numbers {

struct GapLength {
    u64 length = 0;
    u64 count = 0;
};

// The gap lengths after one step, the shortest first.
struct Gaps {
    std::array<GapLength, 3> lengths{};
    int size = 0;

    const GapLength &shortest() const { return lengths[0]; }
    const GapLength &longest() const { return lengths[size_t(size - 1)]; }
    // longest / shortest
    Ratio ratio() const { return {longest().length, shortest().length}; }
};

// The gaps after the occupation's current step (at least step 1). With the
// nearest positions b backwards and f forwards of 0, occupied at the steps
// u and v, i + 1 positions leave i + 1 − u gaps of b, i + 1 − v gaps of f
// and u + v − i − 1 gaps of b + f (Sós): no sorting of positions needed.
Gaps gapsOf(const Occupation &steps);

// The steps at which a new shortest gap appears, the denominators q_j of
// the convergents of k/N, each with the partial quotient a_j that made it
// (q_j = a_j·q_{j−1} + q_{j−2}): a large a_{j+1} is a long stretch before the
// next, with a poor ratio. Only the steps 1 … N − 1.
struct NewShortest {
    u64 step;
    Wide quotient;
};
std::vector<NewShortest> newShortestGaps(u64 n, u64 k);

// The stretch of steps each partial quotient a_j governs: from q_{j−1},
// where the shortest gap before it appeared, to q_j, where a_j brings the
// next one, so a large a_j is a long stretch with a poor ratio. The last
// quotient's stretch ends at step N − 1, since q_last = N. For k > N/2,
// a₁ = 1 governs the empty stretch from step 1 to step 1.
struct QuotientStretch {
    u64 from;
    u64 to;
    Wide quotient;
};
std::vector<QuotientStretch> quotientStretches(u64 n, u64 k);

// The golden angle α = (√5 − 1)/2 as the rotation by F₅₉/F₆₀, F₆₀ ≈ 1.5·10¹²,
// in exact integers. For j below N ≤ 10⁵ the point j·F₅₉/F₆₀ lies within
// j/(√5·F₆₀²) < 2·10⁻²⁰ of j·α mod 1, while two of the points j·α are at
// least 1/(√5·N) > 4·10⁻⁶ apart: the points stand in the same order, the
// same steps occupy the nearest ones on either side of 0, so the gaps have
// the same counts and the same lengths to 14 digits. The continued
// fraction [0; 1, 1, 1, …] is the golden ratio's up to F₆₀.
struct Rotation {
    u64 n;
    u64 k;
};
inline constexpr Rotation goldenRotation{1'548'008'755'920, 956'722'026'041};

// The convergents p_j/q_j of k/N for j = 1 … the last, which is k/N
// itself: 123/200 = [0; 1, 1, 1, 1, 2, 15] gives 1/1, 1/2, 2/3, 3/5, 8/13,
// 123/200.
struct Convergent {
    Wide p;
    Wide q;
};
std::vector<Convergent> convergents(const std::vector<Wide> &quotients);

// Where k/N leaves the golden ratio's pattern, whose quotients are all 1:
// the first partial quotient a_j (j ≥ 1) that is not 1, and the step
// q_{j−1} from which it governs the ratio of the gaps. None where only the
// last quotient is not 1 and is 2, which is 1 + 1/1: the ratios of
// consecutive Fibonacci numbers, golden to the end.
struct PatternBreak {
    size_t index; // j
    Wide quotient;
    u64 step;
};
std::optional<PatternBreak> goldenPatternBreak(u64 n, u64 k);

// The Fibonacci number nearest n, at most `most` (the smaller of two as
// near), with the one before it: 200 gives 233 and 144. For 2 ≤ n.
struct FibonacciPair {
    u64 n;
    u64 k;
};
FibonacciPair nearestFibonacci(u64 n, u64 most);

} // namespace numbers
