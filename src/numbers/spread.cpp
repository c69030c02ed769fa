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
template <typename N, typename Sum>
bool sumRuns(N n, u64 k, Sum &sum)
{
    Sum total = 0;
    u64 from = 1; // the minimal distance holds from this step on
    const bool coprime = walkRuns(k, u64(n - k), [&](const Records &state, const Run &run) {
        if (run.last) {
            total += Sum(n - from);
            return;
        }
        total += Sum(state.smaller()) * (run.end - from);
        from = run.end;
    });
    sum = total;
    return coprime;
}

// ⌊√N⌋ and ⌊∛N⌋ for N ≤ 2^64: a floating-point guess, made exact.
u64 isqrt(Wide n)
{
    u64 r = u64(std::sqrt(double(n)));
    while (Wide(r) * r > n)
        --r;
    while (Wide(r + 1) * (r + 1) <= n)
        ++r;
    return r;
}

u64 icbrt(Wide n)
{
    u64 r = u64(std::cbrt(double(n)));
    while (r > 0 && Wide(r) * r * r > n)
        --r;
    while (Wide(r + 1) * (r + 1) * (r + 1) <= n)
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
// N is u64, or Wide for N = 2^64 alone.
template <typename N>
Wide hyperbolaPoints(N n)
{
    const u64 root = isqrt(n);
    if (n < N(1) << 20) {
        Wide points = 0;
        for (u64 x = 1; x <= root; ++x)
            points += n / x;
        return 2 * points - Wide(root) * root;
    }

    // Is the lattice point (x, y) above the hyperbola?
    const auto outside = [n](u64 x, u64 y) { return Wide(x) * y > n; };
    // Has the hyperbola's slope at x grown steeper than dy/dx? −N/x² ≤ −dy/dx.
    const auto steeper = [n](u64 x, u64 dx, u64 dy) { return Wide(x) * x * dy >= Wide(n) * dx; };

    const u64 steepEnd = icbrt(n);
    u64 x = u64(n / root);
    u64 y = u64(n / x + 1);
    Wide points = 0;
    // Slopes (dx, dy) still to try, the flattest at the bottom.
    std::vector<std::pair<u64, u64>> slopes{{1, 0}, {1, 1}};
    for (;;) {
        auto [lx, ly] = slopes.back();
        slopes.pop_back();
        // Follow this slope while the point below it stays outside.
        while (outside(x + lx, y - ly)) {
            points += Wide(x) * ly + Wide(ly + 1) * (lx - 1) / 2;
            x += lx;
            y -= ly;
        }
        if (y <= steepEnd)
            break;
        u64 rx = lx, ry = ly;
        for (;;) {
            std::tie(lx, ly) = slopes.back();
            if (outside(x + lx, y - ly))
                break;
            rx = lx;
            ry = ly;
            slopes.pop_back();
        }
        for (;;) {
            const u64 mx = lx + rx, my = ly + ry;
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
        points += n / y;
    return 2 * points - Wide(root) * root;
}

} // namespace

Wide divisorSum(Wide n)
{
    if (n >> 64)
        return hyperbolaPoints(n);
    return hyperbolaPoints(u64(n));
}

Wide equidistantSum(Wide n)
{
    return divisorSum(n) - n; // without j = 1
}

EquidistantRow::EquidistantRow(Wide n) : m_n(n)
{
    if (n < Wide(1) << 40) {
        m_low = m_high = equidistantSum(n);
        return;
    }
    // N·(ln N + 2γ − 1) in long double, good to a few units in 2^−60 of
    // itself; 2^−50 of it and √N more make room for that and for Δ(N).
    constexpr long double euler = 0.577215664901532860606512090082402431L;
    const long double x = (long double)n;
    const long double main = x * (std::log(x) + 2 * euler - 1);
    const long double room = std::sqrt(x) + main * 0x1p-50L + 16;
    m_low = Wide(main - room) - n;
    m_high = Wide(main + room) + 1 - n;
}

u64 EquidistantRow::share(Wide sum) const
{
    const u64 least = shareTenThousandths(sum, m_high);
    if (least == shareTenThousandths(sum, m_low))
        return least;
    m_low = m_high = equidistantSum(m_n);
    return shareTenThousandths(sum, m_low);
}

u64 shareTenThousandths(Wide sum, Wide equidistant)
{
    return u64((sum * 20000 + equidistant) / (2 * equidistant));
}

std::string fourDecimals(Wide tenThousandths, char separator)
{
    std::string fraction = std::to_string(u64(tenThousandths % 10000));
    fraction.insert(0, 4 - fraction.size(), '0');
    return decimal(tenThousandths / 10000) + separator + fraction;
}

std::vector<Wide> continuedFraction(u64 k, Wide n)
{
    std::vector<Wide> quotients{0};
    Wide a = n, b = k; // k/N = 0 + 1/(N/k)
    while (b != 0) {
        quotients.push_back(a / b);
        const Wide rest = a % b;
        a = b;
        b = rest;
    }
    return quotients;
}

std::string continuedFractionText(const std::vector<Wide> &quotients)
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

Wide largestQuotient(const std::vector<Wide> &quotients)
{
    if (quotients.size() < 2)
        return 0;
    return *std::max_element(quotients.begin() + 1, quotients.end());
}

std::string decimal(Wide value)
{
    std::string digits;
    do {
        digits += char('0' + int(value % 10));
        value /= 10;
    } while (value != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
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
