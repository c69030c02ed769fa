#include "numbers/spread.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace numbers {

namespace {

// The sum grows by the minimal distance times the steps it holds: while the
// larger side runs down, the minimal distance stays at the smaller value,
// and it changes only when the larger side falls below it. So the sum grows
// once per run of records, not per step. For coprime N and k one side
// reaches 1 at the step k⁻¹ or N − k⁻¹, both below N, and from there the
// minimal distance is 1 up to step N − 1.
template <typename N, typename K, typename Sum>
bool sumRuns(N n, K k, Sum &sum)
{
    Sum total = 0;
    K from = 1; // the minimal distance holds from this step on
    const bool coprime = walkRuns(k, K(n - k), [&](const Records<K> &state, const Run<K> &run) {
        if (run.last) {
            total += Sum(n - from);
            return;
        }
        total += Sum(state.smaller()) * Sum(run.end - from);
        from = run.end;
    });
    sum = total;
    return coprime;
}

// ⌊√N⌋ and ⌊∛N⌋ for N ≤ 2^128: a floating-point guess, made exact. X holds
// the root, W its powers.
template <typename X, typename W>
X isqrt(W n)
{
    X r = X(std::sqrt((long double)n));
    while (W(r) * W(r) > n)
        --r;
    while (W(r + 1) * W(r + 1) <= n)
        ++r;
    return r;
}

template <typename X, typename W>
X icbrt(W n)
{
    X r = X(std::cbrt((long double)n));
    while (r > 0 && W(r) * W(r) * W(r) > n)
        --r;
    while (W(r + 1) * W(r + 1) * W(r + 1) <= n)
        ++r;
    return r;
}

} // namespace

bool spreadSum(Wide n, u64 k, Wide &sum)
{
    // Only N = 2^64 itself needs 128-bit steps.
    if (n >> 64)
        return sumRuns(n, k, sum);
    return sumRuns(u64(n), k, sum);
}

bool spreadSum(U256 n, u128 k, U256 &sum)
{
    return sumRuns(n, k, sum);
}

bool spreadSum(u64 n, u64 k, u64 &sum)
{
    return sumRuns(n, k, sum);
}

namespace {

// The lattice points under xy = N are twice those with x ≤ √N, less the
// square counted twice. Below the hyperbola the boundary is walked along
// straight segments between lattice points whose slopes come from the
// Stern–Brocot tree (Sladkey's successive approximation): each segment's
// points are counted in closed form, so only about N^(1/3) segments are
// visited; the steep end near the y axis, below N^(1/3), is summed directly.
// N is u64, or Wide for N = 2^64 alone, with coordinates X = u64 and
// sums W = Wide; or N = W = U256 with X = u128 up to 2^128.
template <typename N, typename X, typename W>
W hyperbolaPoints(N n)
{
    const X root = isqrt<X, W>(W(n));
    if (n < N(1) << 20) {
        W points = 0;
        for (X x = 1; x <= root; ++x)
            points += W(n / N(x));
        return 2 * points - W(root) * W(root);
    }

    // Is the lattice point (x, y) above the hyperbola?
    const auto outside = [n](X x, X y) { return W(x) * W(y) > W(n); };
    // Has the hyperbola's slope at x grown steeper than dy/dx? −N/x² ≤ −dy/dx.
    const auto steeper = [n](X x, X dx, X dy) { return W(x) * W(x) * W(dy) >= W(n) * W(dx); };

    const X steepEnd = icbrt<X, W>(W(n));
    X x = X(n / N(root));
    X y = X(n / N(x) + 1);
    W points = 0;
    // Slopes (dx, dy) still to try, the flattest at the bottom.
    std::vector<std::pair<X, X>> slopes{{1, 0}, {1, 1}};
    for (;;) {
        auto [lx, ly] = slopes.back();
        slopes.pop_back();
        // Follow this slope while the point below it stays outside.
        while (outside(x + lx, y - ly)) {
            points += W(x) * W(ly) + (W(ly + 1) * W(lx - 1) >> 1);
            x += lx;
            y -= ly;
        }
        if (y <= steepEnd)
            break;
        X rx = lx, ry = ly;
        for (;;) {
            std::tie(lx, ly) = slopes.back();
            if (outside(x + lx, y - ly))
                break;
            rx = lx;
            ry = ly;
            slopes.pop_back();
        }
        for (;;) {
            const X mx = lx + rx, my = ly + ry;
            if (outside(x + mx, y - my)) {
                slopes.emplace_back(mx, my);
                lx = mx;
                ly = my;
            } else {
                if (steeper(x + mx, lx, ly))
                    break;
                rx = mx;
                ry = my;
            }
        }
    }
    for (--y; y > 0; --y)
        points += W(n / N(y));
    return 2 * points - W(root) * W(root);
}

} // namespace

Wide divisorSum(Wide n)
{
    if (n >> 64)
        return hyperbolaPoints<Wide, u64, Wide>(n);
    return hyperbolaPoints<u64, u64, Wide>(u64(n));
}

U256 divisorSum(const U256 &n)
{
    if (n <= maxModulus<u64>)
        return divisorSum(n.low());
    return hyperbolaPoints<U256, u128, U256>(n);
}

Wide equidistantSum(Wide n)
{
    return divisorSum(n) - n; // without j = 1
}

U256 equidistantSum(const U256 &n)
{
    return divisorSum(n) - n;
}

template <typename W>
BasicEquidistantRow<W>::BasicEquidistantRow(W n) : m_n(n)
{
    if (n < W(1) << 40) {
        m_low = m_high = equidistantSum(n);
        return;
    }
    // N·(ln N + 2γ − 1) in long double, good to a few units in 2^−60 of
    // itself; 2^−50 of it and √N more make room for that and for Δ(N).
    constexpr long double euler = 0.577215664901532860606512090082402431L;
    const long double x = (long double)n;
    const long double main = x * (std::log(x) + 2 * euler - 1);
    const long double room = std::sqrt(x) + main * 0x1p-50L + 16;
    m_low = wholeOf<W>(main - room) - n;
    m_high = wholeOf<W>(main + room) + 1 - n;
}

template <typename W>
u64 BasicEquidistantRow<W>::share(W sum) const
{
    const u64 least = shareTenThousandths(sum, m_high);
    if (least == shareTenThousandths(sum, m_low))
        return least;
    m_low = m_high = equidistantSum(m_n);
    return shareTenThousandths(sum, m_low);
}
template class BasicEquidistantRow<Wide>;
template class BasicEquidistantRow<U256>;

namespace {

template <typename W>
std::string decimalOf(W value)
{
    std::string digits;
    do {
        digits += char('0' + int(u64(value % 10)));
        value /= 10;
    } while (value != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

template <typename W>
std::string fourDecimalsOf(W tenThousandths, char separator)
{
    std::string fraction = std::to_string(u64(tenThousandths % 10000));
    fraction.insert(0, 4 - fraction.size(), '0');
    return decimal(tenThousandths / 10000) + separator + fraction;
}

} // namespace

std::string decimal(Wide value)
{
    return decimalOf(value);
}

std::string decimal(const U256 &value)
{
    if (value.high() == 0)
        return decimalOf(value.low());
    return decimalOf(value);
}

std::string fourDecimals(Wide tenThousandths, char separator)
{
    return fourDecimalsOf(tenThousandths, separator);
}

std::string fourDecimals(const U256 &tenThousandths, char separator)
{
    return fourDecimalsOf(tenThousandths, separator);
}

namespace {

template <typename K>
std::vector<WideOf<K>> quotientsOf(K k, WideOf<K> n)
{
    using W = WideOf<K>;
    std::vector<W> quotients{0};
    W a = n, b = k; // k/N = 0 + 1/(N/k)
    while (b != 0) {
        quotients.push_back(a / b);
        const W rest = a % b;
        a = b;
        b = rest;
    }
    return quotients;
}
template <typename W>
std::string fractionText(const std::vector<W> &quotients)
{
    std::string text = "[";
    for (size_t i = 0; i < quotients.size(); ++i) {
        if (i == 1)
            text += "; ";
        else if (i > 1)
            text += ", ";
        text += decimal(quotients[i]);
    }
    return text + "]";
}
template <typename W>
W largestOf(const std::vector<W> &quotients)
{
    if (quotients.size() < 2)
        return 0;
    return *std::max_element(quotients.begin() + 1, quotients.end());
}

} // namespace

std::vector<Wide> continuedFraction(u64 k, Wide n)
{
    return quotientsOf(k, n);
}

std::vector<U256> continuedFraction(u128 k, const U256 &n)
{
    return quotientsOf(k, n);
}

std::string continuedFractionText(const std::vector<Wide> &quotients)
{
    return fractionText(quotients);
}

std::string continuedFractionText(const std::vector<U256> &quotients)
{
    return fractionText(quotients);
}

Wide largestQuotient(const std::vector<Wide> &quotients)
{
    return largestOf(quotients);
}

U256 largestQuotient(const std::vector<U256> &quotients)
{
    return largestOf(quotients);
}

std::vector<u64> stepsByPosition(u64 n, u64 k)
{
    std::vector<u64> steps(n);
    u64 position = 0;
    for (u64 step = 1; step <= n; ++step) {
        steps[position] = step;
        position = position + k < n ? position + k : position + k - n;
    }
    return steps;
}

} // namespace numbers
