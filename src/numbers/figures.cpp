#include "numbers/figures.h"

#include "numbers/dimensions.h"
#include "numbers/lattice.h"

#include <algorithm>
#include <array>

namespace numbers {

namespace {

template <typename K>
WideOf<K> square(K value)
{
    return WideOf<K>(value) * WideOf<K>(value);
}

// The squared lengths of the lattice points the pass meets (see below):
// (1, k) and (1, −(N − k)) before it, and the point at each run's end.
template <typename K>
WideOf<K> firstPoints(K b, K f)
{
    return std::min(1 + square(b), 1 + square(f));
}
template <typename K>
WideOf<K> runEnd(const Run<K> &run)
{
    return square(run.end) + square(run.remainder);
}

} // namespace

// The pass is the one spreadSum makes (walkRuns): the records of the two
// running minima, b(i) = min r(m) backwards and f(i) = min (N − r(m))
// forwards, m = 1 … i, move like the subtractive Euclidean algorithm on
// (k, N − k), one run of records per partial quotient. Besides the sum it
// reads off:
//
// The lattice. The pairs (x, y) with y ≡ k·x (mod N) form a lattice of
// determinant N; (A(m), A(m + 1)) lies on it. A record b at step m is the
// point (m, b), a record f at step m the point (m, −f). Euclid on (N, k)
// gives the convergents p_j/q_j of k/N with remainders r_j = |k·q_j − N·p_j|,
// and the points (q_j, ±r_j) are the records at the ends of the runs. By
// Lagrange's theorem on best approximations, every x with q_j ≤ x < q_{j+1}
// has |k·x − N·p| ≥ r_j for every p. So a point (x, y) with x in that range
// is at least as long as (q_j, r_j), and has |x|·|y| ≥ q_j·r_j:
//   ν₂² = min over the run ends of m² + v², ρ = min of m·v.
// (Points with x = 0 or y = 0 lie N away, further than (1, k).)
//
// The three gaps. With i + 1 points occupied and the records b at step u
// and f at step v, the gaps are b (i + 1 − u times), f (i + 1 − v times) and
// b + f (u + v − i − 1 times; Sós). A state (b, f, u, v) lasts from step
// max(u, v) to u + v − 1; the gap b + f is there at its first step exactly
// when min(u, v) ≥ 2. The ratio longest/shortest is largest at a state's
// first step, and within a run (the larger side L dropping by the smaller s)
// it only falls: (L − s + s)/s at the next state is L/s ≤ the ratio before.
// So the gap ratio is the largest of the ratios at the start of each run.
//
// The partial quotients. For k < N/2 the runs have the quotients
// a₁ − 1, a₂, …, aₙ of k/N = [0; a₁, …, aₙ], the last one being the larger
// side's value when the smaller has reached 1; the mirror (N − k)/N is
// [0; 1, a₁ − 1, a₂, …, aₙ]. For k > N/2 the roles swap.
template <typename K>
bool measure(WideOf<K> n, K k, BasicMeasures<K> &m)
{
    using W = WideOf<K>;
    using Ratio = BasicRatio<W>;
    const K b = k, f = K(n - k);
    K from = 1; // the minimal distance holds from this step on
    W sum = 0;
    W nu2 = firstPoints(b, f);
    K zaremba = std::min(b, f);
    Ratio ratio{std::max(b, f), std::min(b, f)};
    W first = 0, rest = 0; // the first run's quotient, and the largest after it
    bool firstRun = true;
    const bool coprime = walkRuns(k, f, [&](const Records<K> &state, const Run<K> &run) {
        const K smaller = state.smaller(), larger = state.larger();
        // The state's ratio at its first step.
        const Ratio here = std::min(state.backwardStep, state.forwardStep) >= 2
                ? Ratio{W(state.backward) + W(state.forward), smaller}
                : Ratio{larger, smaller};
        if (ratio < here)
            ratio = here;
        // At the end the larger side drops by 1 a step until step N − 1.
        const K quotient = run.last ? larger : run.quotient;
        if (firstRun)
            first = quotient;
        else
            rest = std::max<W>(rest, quotient);
        firstRun = false;
        if (run.last) {
            m.sum = sum + (n - from);
            return;
        }
        sum += W(smaller) * W(run.end - from);
        from = run.end;
        nu2 = std::min(nu2, runEnd(run));
        zaremba = K(std::min<W>(zaremba, W(run.end) * W(run.remainder)));
    });
    if (!coprime)
        return false;
    m.nu2 = nu2;
    m.zaremba = zaremba;
    m.gapRatio = ratio;
    const W lower = std::max(first + 1, rest);
    const W upper = std::max<W>({1, first, rest});
    const bool isLower = W(k) <= n - k;
    m.largest = isLower ? lower : upper;
    m.mirrorLargest = W(k) == n - k ? lower : isLower ? upper : lower; // N = 2 is its own mirror
    return true;
}
template bool measure(Wide, u64, Measures &);
template bool measure(U256, u128, BasicMeasures<u128> &);

namespace {

template <typename K>
WideOf<K> lengthOf(const PlanePoint<K> &point)
{
    return square(point.step) + square(point.value);
}

// ν₂² from a state of the walk on, where no point before the state's two
// records is shorter than both. The steps of the run ends grow, so once a
// run ends at a step m with m² ≥ ν₂² so far, no later point is shorter:
// about half the walk. With `basis`, also the shortest point and the
// shorter of its neighbours among the records met.
template <typename K>
bool shortestFrom(const Records<K> &state, WideOf<K> &nu2, PlaneBasis<K> *basis)
{
    using W = WideOf<K>;
    struct Met {
        PlanePoint<K> point;
        W length;
    };
    const PlanePoint<K> backward{state.backward, state.backwardStep, false},
            forward{state.forward, state.forwardStep, true};
    const Met records[2] = {{backward, lengthOf(backward)}, {forward, lengthOf(forward)}};
    // Not std::min below: its reference to a temporary costs a stall.
    const bool forwardShorter = records[1].length < records[0].length;
    Met best = records[forwardShorter], beside = records[!forwardShorter];
    // The smaller value is the newer record, after which the walk goes on.
    const bool forwardNewer = state.forward < state.backward;
    Met newest = records[forwardNewer];
    bool bestIsNewest = forwardShorter == forwardNewer;
    const bool coprime = walkRunsFrom(state, [&](const Records<K> &at, const Run<K> &run) {
        if (run.last)
            return false;
        const bool past = !(square(run.end) < best.length);
        if (past && !(basis && bestIsNewest))
            return false;
        const Met met{{run.remainder, run.end, at.backward < at.forward}, runEnd(run)};
        if (met.length < best.length) {
            beside = newest; // the record before it
            best = met;
            bestIsNewest = true;
        } else {
            if (bestIsNewest && met.length < beside.length)
                beside = met; // the record after it is the shorter neighbour
            bestIsNewest = false;
        }
        newest = met;
        return !past;
    });
    nu2 = best.length;
    if (basis)
        *basis = {best.point, beside.point};
    return coprime;
}

} // namespace

template <typename K>
bool planeNu2(WideOf<K> n, K k, WideOf<K> &nu2)
{
    return shortestFrom(Records<K>{k, K(n - k), 1, 1}, nu2, static_cast<PlaneBasis<K> *>(nullptr));
}
template bool planeNu2(Wide, u64, Wide &);
template bool planeNu2(U256, u128, U256 &);

// Within the stretch, each record is r(m) = m·k mod N at a step m that all
// share, with the same multiple of N taken off: b grows by m_b and f falls
// by m_f as k grows by 1. Every remainder of the walk is such a linear
// function of k, and each quotient is the same for all k of the stretch
// where it is for its two ends: 0 ≤ r_{i+1} < r_i holds between the ends
// if it holds at both.
//
// The points before the last two records are no shorter than the older of
// them, L at step m_L (the newer, S, is smaller): an earlier record r_j ≥
// L + S has a step m_j < m_L, so m_j² + r_j² ≥ L² + 2LS ≥ m_L² + L² where
// m_L² ≤ 2LS. L·S is concave in k (L and S move in opposite directions),
// so that too holds between the ends if it holds at both.
template <typename K>
void PlaneWalks<K>::share(K from)
{
    using W = WideOf<K>;
    const K to = K(std::min<W>(W(from) + (m_stretch - 1), m_n - 1));
    Records<K> low{from, K(m_n - from), 1, 1}, high{to, K(m_n - to), 1, 1};
    const auto holds = [](const Records<K> &state, K steps) {
        const K larger = state.larger(), smaller = state.smaller();
        // m² ≤ 2LS, as ⌈m²/2⌉ ≤ LS: 2LS may not fit W.
        const W stepSquare = square(steps);
        return stepSquare - stepSquare / 2 <= W(larger) * W(smaller);
    };
    // One run of the walk on `state`: its quotient, or 0 where the walk
    // ends instead (at 1, or a common divisor).
    const auto run = [](Records<K> &state) -> K {
        if (state.smaller() == 1)
            return 0;
        const bool forward = state.backward < state.forward;
        K quotient, remainder;
        divide(state.larger(), state.smaller(), quotient, remainder);
        if (remainder == 0)
            return 0;
        K &side = forward ? state.forward : state.backward;
        K &step = forward ? state.forwardStep : state.backwardStep;
        side = remainder;
        step += quotient * (forward ? state.backwardStep : state.forwardStep);
        return quotient;
    };
    m_from = from;
    m_to = to;
    m_start = low;
    for (;;) {
        // The same run on the same side at both ends.
        const bool forward = low.backward < low.forward;
        if (forward != (high.backward < high.forward))
            break;
        const K quotient = run(low);
        if (quotient == 0 || run(high) != quotient)
            break;
        const K olderStep = low.backward > low.forward ? low.backwardStep : low.forwardStep;
        if (!holds(low, olderStep) || !holds(high, olderStep))
            break;
        m_start = low;
    }
}

template <typename K>
bool PlaneWalks<K>::nu2(K k, WideOf<K> &nu2, PlaneBasis<K> *basis)
{
    if (k < m_from || k > m_to)
        share(k);
    const K offset = k - m_from;
    const Records<K> state{m_start.backward + offset * m_start.backwardStep,
                           m_start.forward - offset * m_start.forwardStep,
                           m_start.backwardStep, m_start.forwardStep};
    return shortestFrom(state, nu2, basis);
}
template class PlaneWalks<u64>;
template class PlaneWalks<u128>;

// f₂⁴ = ν₂⁴ / (γ₂² · N²), γ₂² = 4/3. Rounded half up, f₂ in
// ten-thousandths is F = ⌊(R + 1)/2⌋ with R = ⌊2·10⁴·f₂⌋, the largest R
// with R⁴ · 4N² ≤ 3 · (2·10⁴)⁴ · ν₂⁴. Both sides reach about 2^188, so
// they are compared as 256-bit integers; R ≤ 2·10⁴ since f₂ ≤ 1 (Hermite).
u64 spectralTenThousandths(Wide nu2, Wide n)
{
    constexpr HermitePower gamma = hermite[2];
    static_assert(gamma.power == 1);
    const U256 lattice = U256::full(nu2, nu2) * U256(gamma.den * 160'000'000'000'000'000);
    const U256 density = U256::full(n, n) * U256(gamma.num);
    u64 low = 0, high = 1 << 15; // R in [low, high)
    while (high - low > 1) {
        const u64 r = (low + high) / 2;
        if (density * U256(r * r * r * r) <= lattice)
            low = r;
        else
            high = r;
    }
    return (low + 1) / 2;
}

// Above 2^64 both sides pass 256 bits: f_t's exact rounding in GMP, for t = 2.
u64 spectralTenThousandths(const U256 &nu2, const U256 &n)
{
    return latticeFigure(nu2, n, 2);
}

template <typename K>
BasicFigures<K> figuresOf(const BasicMeasures<K> &measures, WideOf<K> n,
                          const BasicEquidistantRow<WideOf<K>> &equidistant)
{
    BasicFigures<K> result;
    static_cast<BasicMeasures<K> &>(result) = measures;
    result.n = n;
    result.share = equidistant.share(result.sum);
    result.f2 = spectralTenThousandths(result.nu2, n);
    return result;
}
template Figures figuresOf(const Measures &, Wide, const EquidistantRow &);
template Figures128 figuresOf(const BasicMeasures<u128> &, U256,
                              const BasicEquidistantRow<U256> &);

template <typename K>
BasicFigures<K> figures(WideOf<K> n, K k, const BasicEquidistantRow<WideOf<K>> &equidistant)
{
    BasicMeasures<K> measures;
    measure(n, k, measures);
    BasicFigures<K> result = figuresOf(measures, n, equidistant);
    result.k = k;
    result.lattice = {n, k};
    result.quotients = continuedFraction(k, n);
    return result;
}
template Figures figures(Wide, u64, const EquidistantRow &);
template Figures128 figures(U256, u128, const BasicEquidistantRow<U256> &);

Figures128 widened(const Figures &f)
{
    Figures128 w;
    w.sum = f.sum;
    w.nu2 = f.nu2;
    w.zaremba = f.zaremba;
    w.gapRatio = {f.gapRatio.num, f.gapRatio.den};
    w.largest = f.largest;
    w.mirrorLargest = f.mirrorLargest;
    w.n = f.n;
    w.k = f.k;
    w.share = f.share;
    w.quotients.assign(f.quotients.begin(), f.quotients.end());
    w.f2 = f.f2;
    w.lattice = {f.lattice.n, f.lattice.k};
    w.dimensions = f.dimensions;
    std::copy(f.nu2t.begin(), f.nu2t.end(), w.nu2t.begin());
    w.ft = f.ft;
    w.merit = f.merit;
    w.meritDimension = f.meritDimension;
    w.harmonic = f.harmonic;
    w.lagged = f.lagged;
    w.laggedAt = f.laggedAt;
    return w;
}

} // namespace numbers
