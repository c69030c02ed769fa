#include "numbers/figures.h"

#include "numbers/dimensions.h"

#include <algorithm>
#include <array>

namespace numbers {

namespace {

// 256-bit unsigned products, for the one comparison f₂ needs: four 64-bit
// limbs, least significant first.
using U256 = std::array<u64, 4>;

U256 product(Wide a, Wide b)
{
    const u64 a0 = u64(a), a1 = u64(a >> 64), b0 = u64(b), b1 = u64(b >> 64);
    U256 r{};
    const auto add = [&r](int at, Wide value) {
        for (; value != 0 && at < 4; ++at) {
            const Wide sum = Wide(r[size_t(at)]) + u64(value);
            r[size_t(at)] = u64(sum);
            value = (value >> 64) + (sum >> 64);
        }
    };
    add(0, Wide(a0) * b0);
    add(1, Wide(a0) * b1);
    add(1, Wide(a1) * b0);
    add(2, Wide(a1) * b1);
    return r;
}

U256 product(const U256 &a, u64 b)
{
    U256 r{};
    Wide carry = 0;
    for (size_t i = 0; i < 4; ++i) {
        const Wide limb = Wide(a[i]) * b + carry;
        r[i] = u64(limb);
        carry = limb >> 64;
    }
    return r; // the callers' values stay below 2^256
}

bool lessOrEqual(const U256 &a, const U256 &b)
{
    for (size_t i = 4; i-- > 0;) {
        if (a[i] != b[i])
            return a[i] < b[i];
    }
    return true;
}

Wide square(u64 value)
{
    return Wide(value) * value;
}

} // namespace

bool operator<(const Ratio &a, const Ratio &b)
{
    if (a.den == b.den)
        return a.num < b.num;
    return a.num * b.den < b.num * a.den;
}

bool operator==(const Ratio &a, const Ratio &b)
{
    return a.num * b.den == b.num * a.den;
}

Wide tenThousandths(const Ratio &ratio)
{
    return (ratio.num * 20000 + ratio.den) / (2 * ratio.den);
}

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
bool measure(Wide n, u64 k, Measures &m)
{
    const u64 b = k, f = u64(n - k);
    u64 from = 1; // the minimal distance holds from this step on
    Wide sum = 0;
    Wide nu2 = std::min(1 + square(b), 1 + square(f));
    u64 zaremba = std::min(b, f);
    Ratio ratio{std::max(b, f), std::min(b, f)};
    Wide first = 0, rest = 0; // the first run's quotient, and the largest after it
    bool firstRun = true;
    const bool coprime = walkRuns(k, f, [&](const Records &state, const Run &run) {
        const u64 smaller = state.smaller(), larger = state.larger();
        // The state's ratio at its first step.
        const Ratio here = std::min(state.backwardStep, state.forwardStep) >= 2
                ? Ratio{Wide(state.backward) + state.forward, smaller}
                : Ratio{larger, smaller};
        if (ratio < here)
            ratio = here;
        // At the end the larger side drops by 1 a step until step N − 1.
        const u64 quotient = run.last ? larger : run.quotient;
        if (firstRun)
            first = quotient;
        else
            rest = std::max<Wide>(rest, quotient);
        firstRun = false;
        if (run.last) {
            m.sum = sum + (n - from);
            return;
        }
        sum += Wide(smaller) * (run.end - from);
        from = run.end;
        nu2 = std::min(nu2, square(run.end) + square(run.remainder));
        zaremba = u64(std::min<Wide>(zaremba, Wide(run.end) * run.remainder));
    });
    if (!coprime)
        return false;
    m.nu2 = nu2;
    m.zaremba = zaremba;
    m.gapRatio = ratio;
    const Wide lower = std::max(first + 1, rest);
    const Wide upper = std::max<Wide>({1, first, rest});
    const bool isLower = Wide(k) <= n - k;
    m.largest = isLower ? lower : upper;
    m.mirrorLargest = Wide(k) == n - k ? lower : isLower ? upper : lower; // N = 2 is its own mirror
    return true;
}

// f₂⁴ = ν₂⁴ / (γ₂² · N²), γ₂² = 4/3. Rounded half up, f₂ in
// ten-thousandths is F = ⌊(R + 1)/2⌋ with R = ⌊2·10⁴·f₂⌋, the largest R
// with R⁴ · 4N² ≤ 3 · (2·10⁴)⁴ · ν₂⁴. Both sides reach about 2^188, so
// they are compared as 256-bit integers; R ≤ 2·10⁴ since f₂ ≤ 1 (Hermite).
u64 spectralTenThousandths(Wide nu2, Wide n)
{
    constexpr HermitePower gamma = hermite[2];
    static_assert(gamma.power == 1);
    const U256 lattice = product(product(nu2, nu2), gamma.den * 160'000'000'000'000'000);
    const U256 density = product(product(n, n), gamma.num);
    u64 low = 0, high = 1 << 15; // R in [low, high)
    while (high - low > 1) {
        const u64 r = (low + high) / 2;
        if (lessOrEqual(product(density, r * r * r * r), lattice))
            low = r;
        else
            high = r;
    }
    return (low + 1) / 2;
}

Figures figuresOf(const Measures &measures, Wide n, const EquidistantRow &equidistant)
{
    Figures result;
    static_cast<Measures &>(result) = measures;
    result.n = n;
    result.share = equidistant.share(result.sum);
    result.f2 = spectralTenThousandths(result.nu2, n);
    return result;
}

Figures figures(Wide n, u64 k, const EquidistantRow &equidistant)
{
    Measures measures;
    measure(n, k, measures);
    Figures result = figuresOf(measures, n, equidistant);
    result.k = k;
    result.lattice = {n, k};
    result.quotients = continuedFraction(k, n);
    return result;
}

} // namespace numbers
