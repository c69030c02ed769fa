#include "numbers/basisreduction.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace numbers {

namespace {

using i64 = std::int64_t;
using i128 = __int128;

constexpr int most = 8;
constexpr double delta = 0.99; // Lovász
constexpr double eta = 0.51;   // size-reduced: every |μ| ≤ η
constexpr int patience = 20000; // LLL steps before the reduction is given up
// The enumeration's radius is the shortest length found, widened for the
// rounding of the Gram–Schmidt doubles: far above their error, far below
// the gap between two integers at any length it meets.
constexpr double widening = 1 + 1e-9;

// a + b·c, false where it leaves 128 bits.
bool addProduct(i128 &a, i128 b, i128 c)
{
    i128 product;
    return !__builtin_mul_overflow(b, c, &product) && !__builtin_add_overflow(a, product, &a);
}

class Reduction
{
public:
    Reduction(Wide n, u64 k, int dimensions) : n_(n), k_(k), d_(dimensions)
    {
        Wide power = 1;
        for (int i = 1; i < d_; ++i) {
            power = power * k % n;
            // −k^i mod N, its representative nearest 0: |x| ≤ N/2 ≤ 2^63.
            b_[i][0] = power <= n / 2 ? i64(-i128(power)) : i64(n - power);
            b_[i][i] = 1;
        }
    }

    bool run(const std::function<bool(int, Wide)> &more)
    {
        // Rows come into play one at a time; until then their Gram row is
        // not needed, and the rows in play are zero past their own number.
        active_ = 2;
        if (!lagrange() || !gram(0) || !gram(1))
            return false;
        gso(0);
        gso(1);
        int next = 2; // the next dimension to report
        for (int k = 2, steps = 0;; ++steps) {
            if (k == next) {
                // Rows 0 … k − 1 are reduced and span the first k rows.
                Wide nu2;
                if (!shortest(k, nu2))
                    return false;
                if (!more(k, nu2) || k == d_)
                    return true;
                ++next;
                active_ = k + 1;
                if (!gram(k))
                    return false;
            }
            if (steps == patience || !sizeReduce(k))
                return false;
            const double m = mu_[k][k - 1];
            if (delta * r_[k - 1][k - 1] > r_[k][k] + m * m * r_[k - 1][k - 1]) {
                swapRows(k);
                k = std::max(k - 1, 1);
                if (k == 1)
                    gso(0);
            } else {
                ++k;
            }
        }
    }

private:
    // Rows 0 and 1, (N, 0) and (x, 1), reduced in the plane by Lagrange
    // (Gauss): subtract from the longer row the nearest multiple of the
    // shorter, until the shorter is no longer shorter. It is Euclid's
    // algorithm on N and k in exact integers, and leaves the shortest vector
    // first. False where a number leaves 128 bits or the result 64: only
    // for k or N − k very much smaller than N, as k = 1 at N = 2^64.
    bool lagrange()
    {
        // The first step by a division: ⟨u, v⟩ = x·N ≤ 2^127 fits 128 bits
        // only unsigned, and |v|² = N² may not fit at all.
        const i128 x = b_[1][0];
        const Wide size = Wide(x < 0 ? -x : x), squared = size * size + 1;
        const Wide product = size * n_;
        Wide q = product / squared;
        if (2 * (product % squared) >= squared)
            ++q;
        i128 u[2] = {x, 1};
        i128 v[2] = {i128(n_) - i128(q * size), x < 0 ? i128(q) : -i128(q)};
        const auto dot = [](const i128 *a, const i128 *b, i128 &result) {
            result = 0;
            return addProduct(result, a[0], b[0]) && addProduct(result, a[1], b[1]);
        };
        for (;;) {
            i128 uu, vv, uv;
            if (!dot(u, u, uu) || !dot(v, v, vv))
                return false;
            if (vv < uu) {
                std::swap(u, v);
                std::swap(uu, vv);
            }
            if (!dot(u, v, uv))
                return false;
            // v −= q·u, q the integer nearest ⟨u, v⟩ / |u|², a half rounded
            // toward 0: rounded away, v and v − u would take turns for ever.
            const i128 size = uv >= 0 ? uv : -uv, rest = size % uu;
            i128 step = size / uu + (rest > uu - rest ? 1 : 0);
            if (step == 0)
                break;
            if (uv < 0)
                step = -step;
            if (!addProduct(v[0], -step, u[0]) || !addProduct(v[1], -step, u[1]))
                return false;
        }
        for (int c = 0; c < 2; ++c) {
            if (u[c] > INT64_MAX || u[c] < -INT64_MAX || v[c] > INT64_MAX || v[c] < -INT64_MAX)
                return false;
            b_[0][c] = i64(u[c]);
            b_[1][c] = i64(v[c]);
        }
        return true;
    }

    // Row and column i of the Gram matrix among the rows in play, exactly;
    // false where an entry leaves 128 bits.
    bool gram(int i)
    {
        for (int j = 0; j < active_; ++j) {
            i128 s = 0;
            for (int c = 0; c < active_; ++c) {
                if (!addProduct(s, b_[i][c], b_[j][c]))
                    return false;
            }
            g_[i][j] = g_[j][i] = s;
        }
        return true;
    }

    // Row i of the Gram–Schmidt coefficients, from the exact Gram matrix
    // and the rows before it: r_ij = ⟨b_i, b_j*⟩, μ_ij = r_ij / r_jj.
    void gso(int i)
    {
        double square = double(g_[i][i]);
        for (int j = 0; j < i; ++j) {
            double s = double(g_[i][j]);
            for (int l = 0; l < j; ++l)
                s -= mu_[j][l] * r_[i][l];
            r_[i][j] = s;
            mu_[i][j] = s / r_[j][j];
            square -= mu_[i][j] * s;
        }
        r_[i][i] = square;
    }

    // b_k − x·b_j for every |μ_kj| > η, the μ updated as doubles, until a
    // fresh computation from the exact Gram matrix finds nothing to do.
    bool sizeReduce(int k)
    {
        for (int pass = 0; pass < 64; ++pass) {
            gso(k);
            bool changed = false;
            for (int j = k - 1; j >= 0; --j) {
                if (std::abs(mu_[k][j]) <= eta)
                    continue;
                const double x = std::nearbyint(mu_[k][j]);
                if (!(std::abs(x) < 0x1p62))
                    return false;
                if (!subtract(k, j, i64(x)))
                    return false;
                for (int l = 0; l < j; ++l)
                    mu_[k][l] -= x * mu_[j][l];
                mu_[k][j] -= x;
                changed = true;
            }
            if (!changed)
                return true;
            if (!gram(k))
                return false;
        }
        return false;
    }

    bool subtract(int k, int j, i64 x)
    {
        for (int c = 0; c < active_; ++c) {
            i64 product, entry;
            if (__builtin_mul_overflow(x, b_[j][c], &product)
                || __builtin_sub_overflow(b_[k][c], product, &entry) || entry == INT64_MIN)
                return false;
            b_[k][c] = entry;
        }
        return true;
    }

    void swapRows(int k)
    {
        std::swap(b_[k], b_[k - 1]);
        for (int j = 0; j < active_; ++j)
            std::swap(g_[k][j], g_[k - 1][j]);
        for (int j = 0; j < active_; ++j)
            std::swap(g_[j][k], g_[j][k - 1]);
    }

    // The shortest nonzero vector of rows 0 … t − 1: depth-first over the
    // coefficients x_{t−1}, …, x_0, each within the interval that the
    // partial length leaves, the last nonzero one positive (h and −h are
    // the same length). Its length and congruence are checked exactly.
    bool shortest(int t, Wide &nu2)
    {
        t_ = t;
        int shortestRow = 0;
        for (int i = 1; i < t; ++i) {
            if (g_[i][i] < g_[shortestRow][shortestRow])
                shortestRow = i;
        }
        best_ = Wide(g_[shortestRow][shortestRow]);
        std::copy(b_[shortestRow], b_[shortestRow] + t, bestVector_);
        bound_ = double(best_) * widening;
        search(t - 1, 0, true);

        // Σ h_c·k^c ≡ 0 (mod N).
        Wide power = 1, residue = 0;
        for (int c = 0; c < t; ++c) {
            const i128 h = bestVector_[c];
            const Wide term = (h < 0 ? Wide(-h) % n_ : Wide(h) % n_) * power % n_;
            residue = (h < 0 ? residue + n_ - term : residue + term) % n_;
            power = power * k_ % n_;
        }
        nu2 = best_;
        return residue == 0;
    }

    void search(int i, double above, bool zeroAbove)
    {
        double centre = 0;
        for (int j = i + 1; j < t_; ++j)
            centre -= double(x_[j]) * mu_[j][i];
        const double room = bound_ - above;
        if (room < 0)
            return;
        const double width = std::sqrt(room / r_[i][i]);
        i64 low = i64(std::ceil(centre - width));
        const i64 high = i64(std::floor(centre + width));
        if (zeroAbove)
            low = std::max<i64>(low, 0);
        for (i64 x = low; x <= high; ++x) {
            const double y = double(x) - centre;
            const double length = above + y * y * r_[i][i];
            if (length > bound_)
                continue;
            x_[i] = x;
            if (i > 0)
                search(i - 1, length, zeroAbove && x == 0);
            else if (!(zeroAbove && x == 0))
                candidate();
        }
    }

    void candidate()
    {
        i128 h[most];
        Wide square = 0;
        for (int c = 0; c < t_; ++c) {
            h[c] = 0;
            for (int i = 0; i < t_; ++i)
                h[c] += i128(x_[i]) * b_[i][c];
            square += Wide(h[c] < 0 ? -h[c] : h[c]) * Wide(h[c] < 0 ? -h[c] : h[c]);
        }
        if (square >= best_)
            return;
        best_ = square;
        std::copy(h, h + t_, bestVector_);
        bound_ = double(best_) * widening;
    }

    const Wide n_;
    const u64 k_;
    const int d_;
    int active_; // rows 0 … active_ − 1 are in play
    i64 b_[most][most]{};
    i128 g_[most][most]{};
    double r_[most][most]{}, mu_[most][most]{};

    // The enumeration.
    int t_ = 0;
    i64 x_[most]{};
    double bound_ = 0;
    Wide best_ = 0;
    i128 bestVector_[most]{};
};

} // namespace

bool machineLatticeNu2(Wide n, u64 k, int upTo, const std::function<bool(int, Wide)> &more)
{
    if (n > Wide(1) << 64 || upTo < 2 || upTo > most)
        return false;
    return Reduction(n, k, upTo).run(more);
}

} // namespace numbers
