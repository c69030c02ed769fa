#include "numbers/threegaps.h"

#include <algorithm>

namespace numbers {

Gaps gapsOf(const Occupation &steps)
{
    const u64 points = steps.step() + 1;
    const u64 b = steps.backward(), f = steps.forward();
    const u64 u = steps.backwardStep(), v = steps.forwardStep();
    const GapLength found[] = {{b, points - u}, {f, points - v}, {b + f, u + v - points}};
    Gaps gaps;
    for (const GapLength &gap : found) {
        if (gap.count == 0)
            continue;
        const auto same = std::find_if(gaps.lengths.begin(), gaps.lengths.begin() + gaps.size,
                                       [&](const GapLength &g) { return g.length == gap.length; });
        if (same != gaps.lengths.begin() + gaps.size)
            same->count += gap.count; // b = f
        else
            gaps.lengths[size_t(gaps.size++)] = gap;
    }
    // At most three: the shortest first by insertion.
    for (size_t i = 1; i < size_t(gaps.size); ++i) {
        for (size_t j = i; j > 0 && gaps.lengths[j].length < gaps.lengths[j - 1].length; --j)
            std::swap(gaps.lengths[j], gaps.lengths[j - 1]);
    }
    return gaps;
}

std::vector<NewShortest> newShortestGaps(u64 n, u64 k)
{
    // The denominators q_j of k/N = [0; a₁, a₂, …]: q₀ = 1, q₁ = a₁, …
    const std::vector<Wide> quotients = continuedFraction(k, n);
    std::vector<NewShortest> steps;
    Wide before = 0, q = 1; // q_{j−2}, q_{j−1}, starting from q₋₁ = 0, q₀ = 1
    for (size_t j = 1; j < quotients.size(); ++j) {
        const Wide next = quotients[j] * q + before;
        if (next >= n)
            break;
        steps.push_back({u64(next), quotients[j]});
        before = q;
        q = next;
    }
    return steps;
}

std::vector<QuotientStretch> quotientStretches(u64 n, u64 k)
{
    const std::vector<Wide> quotients = continuedFraction(k, n);
    std::vector<QuotientStretch> stretches;
    Wide before = 0, q = 1; // q_{j−2}, q_{j−1}
    for (size_t j = 1; j < quotients.size(); ++j) {
        const Wide next = quotients[j] * q + before;
        stretches.push_back({u64(q), u64(std::min<Wide>(next, n - 1)), quotients[j]});
        before = q;
        q = next;
    }
    return stretches;
}

std::vector<Convergent> convergents(const std::vector<Wide> &quotients)
{
    std::vector<Convergent> result;
    Wide p = quotients.empty() ? 0 : quotients[0], q = 1, pBefore = 1, qBefore = 0;
    for (size_t j = 1; j < quotients.size(); ++j) {
        const Wide pNext = quotients[j] * p + pBefore, qNext = quotients[j] * q + qBefore;
        pBefore = p;
        qBefore = q;
        p = pNext;
        q = qNext;
        result.push_back({p, q});
    }
    return result;
}

std::optional<PatternBreak> goldenPatternBreak(u64 n, u64 k)
{
    const std::vector<Wide> quotients = continuedFraction(k, n);
    const std::vector<QuotientStretch> stretches = quotientStretches(n, k);
    for (size_t j = 1; j < quotients.size(); ++j) {
        if (quotients[j] == 1)
            continue;
        if (j + 1 == quotients.size() && quotients[j] == 2)
            return std::nullopt;
        return PatternBreak{j, quotients[j], stretches[j - 1].from};
    }
    return std::nullopt;
}

FibonacciPair nearestFibonacci(u64 n, u64 most)
{
    FibonacciPair below{2, 1}, above{3, 2};
    while (above.n < n && above.n + above.k <= most) {
        below = above;
        above = {above.n + above.k, above.n};
    }
    if (above.n < n || above.n > most)
        return above.n <= most ? above : below;
    return n - below.n <= above.n - n ? below : above;
}

} // namespace numbers
