#include "numbers/basisreduction.h"

#include "numbers/enumeration.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <type_traits>

namespace numbers {

namespace {

constexpr double delta = 0.99; // Lovász
constexpr double eta = 0.51;   // size-reduced: every |μ| ≤ η
constexpr int patience = 20000; // LLL steps before the reduction is given up

// Words are NarrowWords for N ≤ 2^64 and WideWords for N ≤ 2^128
// (enumeration.h): the same reduction in rows of 64 or 128 bits.
template <int Capacity, typename Words>
class BasisReduction
{
public:
    using Entry = typename Words::Entry;
    using Square = typename Words::Square;
    using Modulus = typename Words::Modulus;
    using Multiplier = typename Words::Multiplier;
    static constexpr bool narrow = std::is_same_v<Words, NarrowWords>;
    // The one entry whose negation leaves the row's width.
    static constexpr Entry lowest = Entry(u128(1) << (8 * sizeof(Entry) - 1));

    BasisReduction(const Modulus &n, Multiplier k, int dimensions,
                   const PlaneBasis<Multiplier> *plane)
        : m_n(n), m_k(k), m_dimensions(dimensions), m_plane(plane)
    {
        bringIn(1);
    }

    bool run(const std::function<bool(int, Modulus)> &more)
    {
        // Rows come into play one at a time; until then their Gram row is
        // not needed, and the rows in play are zero past their own number.
        m_active = 2;
        const bool given = m_plane && givenPlane();
        if (!(given || plane()) || !gram(0) || !gram(1))
            return false;
        gso(0);
        gso(1);
        int next = 2; // the next dimension to report
        // Lagrange leaves the plane reduced; Euclid's pair is reduced from
        // row 1 on.
        for (int row = narrow && !given ? 2 : 1, steps = 0;; ++steps) {
            if (row == next) {
                // Rows 0 … row − 1 are reduced and span the first `row` rows.
                Modulus nu2;
                if (!shortest(row, nu2))
                    return false;
                if (!more(row, nu2) || row == m_dimensions)
                    return true;
                ++next;
                m_active = row + 1;
                bringIn(row);
                if (!gram(row))
                    return false;
            }
            if (steps == patience || !sizeReduce(row))
                return false;
            const double m = m_mu[row][row - 1];
            if (delta * m_r[row - 1][row - 1] > m_r[row][row] + m * m * m_r[row - 1][row - 1]) {
                swapRows(row);
                row = std::max(row - 1, 1);
                if (row == 1)
                    gso(0);
            } else {
                ++row;
            }
        }
    }

private:
    // Row i, (−k^i mod N, 0, …, 0, 1), as it comes into play, in the order
    // i = 1, 2, …: only the dimensions a candidate reaches cost a power.
    // −k^i mod N is written by its representative nearest 0:
    // −N/2 ≤ x < N/2, so |x| ≤ 2^63 or 2^127.
    void bringIn(int i)
    {
        m_power = m_power * Modulus(m_k) % m_n;
        m_basis[i][0] = m_power <= m_n / 2 ? Entry(-i128(u128(m_power)))
                                           : Entry(u128(m_n - m_power));
        m_basis[i][i] = 1;
    }

    // Rows 0 and 1 from the shortest point of the plane and a record next
    // to it (euclid.h): false where an entry leaves the rows' width.
    bool givenPlane()
    {
        constexpr u128 largest = (u128(1) << (8 * sizeof(Entry) - 1)) - 1;
        const PlanePoint<Multiplier> *points[2] = {&m_plane->shortest, &m_plane->beside};
        for (const PlanePoint<Multiplier> *point : points) {
            if (u128(point->value) > largest || u128(point->step) > largest)
                return false;
        }
        for (int i = 0; i < 2; ++i) {
            m_basis[i][0] = Entry(points[i]->value);
            m_basis[i][1] = points[i]->forward ? Entry(points[i]->step) : -Entry(points[i]->step);
        }
        return true;
    }

    bool plane()
    {
        if constexpr (narrow)
            return lagrange();
        else
            return euclidPlane();
    }

    // Rows 0 and 1 for N up to 2^128, where the products of Lagrange's
    // first steps leave 256 bits: Euclid's algorithm on N and |x| walks the
    // vectors (r, s) with r ≡ |x|·s (mod N), r falling and |s| growing, and
    // the shortest vector of the plane is one of them (the continued
    // fraction's best approximations). That one and the shorter of its
    // neighbours in the walk span the plane; the reduction from row 1 on
    // makes them reduced. The walk stops once |s| alone reaches the
    // shortest length seen. False where an entry leaves 127 bits (k or
    // N − k very much smaller than N).
    bool euclidPlane()
    {
        struct Vector {
            u128 r;
            i128 s;
        };
        const auto length = [](const Vector &v) {
            const u128 size = u128(v.s < 0 ? -v.s : v.s);
            return U256::full(v.r, v.r) + U256::full(size, size);
        };
        // At most about log_φ(2^128) < 190 steps.
        std::array<Vector, 192> walk;
        const i128 x = m_basis[1][0];
        const u128 a = u128(x < 0 ? -x : x);
        // The first step divides N, which may be 2^128 itself; then 128 bits.
        const U256 first = m_n / a;
        if (first >> 127)
            return false;
        walk[0] = {a, 1};
        walk[1] = {u128(m_n - first * a), -i128(u128(first))};
        size_t count = 2, best = length(walk[1]) < length(walk[0]) ? 1 : 0;
        U256 shortest = length(walk[best]);
        while (walk[count - 1].r != 0 && count < walk.size()) {
            const Vector &before = walk[count - 2], &last = walk[count - 1];
            u128 q, r;
            divide(before.r, last.r, q, r);
            // q·s in one multiplication where both fit 64 bits, as they do
            // but for the walk's rare huge quotients; checked otherwise.
            i128 product, s;
            if ((q >> 63) == 0 && last.s == i64(last.s))
                product = i128(q) * last.s;
            else if ((q >> 127) || __builtin_mul_overflow(i128(q), last.s, &product))
                return false;
            if (__builtin_sub_overflow(before.s, product, &s) || s == lowest)
                return false;
            walk[count++] = {r, s};
            const u128 size = u128(s < 0 ? -s : s);
            const U256 sizeSquared = U256::full(size, size);
            if (sizeSquared >= shortest)
                break; // |s| only grows from here
            if (const U256 here = U256::full(r, r) + sizeSquared; here < shortest) {
                best = count - 1;
                shortest = here;
            }
        }
        const Vector *beside = best > 0 ? &walk[best - 1] : nullptr;
        if (best + 1 < count && (!beside || length(walk[best + 1]) < length(*beside)))
            beside = &walk[best + 1];
        if (!beside || walk[best].r >> 127 || beside->r >> 127)
            return false;
        // (r, s) has r ≡ |x|·s, so for x < 0 the row is (r, −s).
        const i128 sign = x < 0 ? -1 : 1;
        m_basis[0][0] = i128(walk[best].r);
        m_basis[0][1] = sign * walk[best].s;
        m_basis[1][0] = i128(beside->r);
        m_basis[1][1] = sign * beside->s;
        return true;
    }

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
        const i128 x = m_basis[1][0];
        const Wide size = Wide(x < 0 ? -x : x), squared = size * size + 1;
        const Wide product = size * m_n;
        Wide q = product / squared;
        if (2 * (product % squared) >= squared)
            ++q;
        i128 u[2] = {x, 1};
        i128 v[2] = {i128(m_n) - i128(q * size), x < 0 ? i128(q) : -i128(q)};
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
            m_basis[0][c] = i64(u[c]);
            m_basis[1][c] = i64(v[c]);
        }
        return true;
    }

    // Row and column i of the Gram matrix among the rows in play, each
    // entry exact and then rounded to a double; false where an entry leaves
    // its width. The exact matrix itself is not kept: only the squared
    // lengths of the rows are needed exactly, at the end (shortest).
    bool gram(int i)
    {
        for (int j = 0; j < m_active; ++j) {
            Square entry;
            if (!dot(m_basis[i], m_basis[j], entry))
                return false;
            // Two plain stores: GCC 12 at -O2 miscompiles this loop when it
            // is one chained assignment (m_gram[i][j] = m_gram[j][i] = …,
            // the same element where j = i), and the reduction goes wrong.
            const double value = double(entry);
            m_gram[i][j] = value;
            m_gram[j][i] = value;
        }
        return true;
    }

    // ⟨a, b⟩ over the rows in play, exactly: in 128 bits while it fits,
    // which reduced rows do, and for 128-bit rows else in 256.
    bool dot(const Entry *a, const Entry *b, Square &result) const
    {
        i128 sum = 0;
        int c = 0;
        while (c < m_active && addProduct(sum, a[c], b[c]))
            ++c;
        if (c == m_active) {
            result = sum;
            return true;
        }
        if constexpr (narrow) {
            return false;
        } else {
            result = 0;
            for (c = 0; c < m_active; ++c) {
                if (!addProduct(result, a[c], b[c]))
                    return false;
            }
            return true;
        }
    }

    // Row i of the Gram–Schmidt coefficients, from the exact Gram matrix
    // and the rows before it: r_ij = ⟨b_i, b_j*⟩, μ_ij = r_ij / r_jj.
    void gso(int i)
    {
        double square = m_gram[i][i];
        for (int j = 0; j < i; ++j) {
            double s = m_gram[i][j];
            for (int l = 0; l < j; ++l)
                s -= m_mu[j][l] * m_r[i][l];
            m_r[i][j] = s;
            m_mu[i][j] = s / m_r[j][j];
            square -= m_mu[i][j] * s;
        }
        m_r[i][i] = square;
    }

    // Row `row` less x·b_j for every |μ_row,j| > η, the μ updated as doubles, until a
    // fresh computation from the exact Gram matrix finds nothing to do.
    bool sizeReduce(int row)
    {
        for (int pass = 0; pass < 64; ++pass) {
            gso(row);
            const bool large = std::any_of(m_mu[row], m_mu[row] + row,
                                           [](double mu) { return std::abs(mu) >= 0x1p31; });
            bool changed = false;
            if (large ? !reduceWide(row, changed)
                      : !reducePass(row, 0x1p62, changed,
                                    [&](int j, double x) { return subtract(row, j, i64(x)); }))
                return false;
            if (!changed)
                return true;
            if (!gram(row))
                return false;
        }
        return false;
    }

    // One pass: for j = row − 1 … 0 with |μ_row,j| > η, x = μ_row,j
    // rounded, take(j, x) takes x·b_j from the row and the μ follow. False
    // where |x| reaches `most` or take refuses. In 64 bits the row is changed
    // in place (subtract), in 128 summed apart (reduceWide).
    template <typename Take>
    bool reducePass(int row, double most, bool &changed, const Take &take)
    {
        for (int j = row - 1; j >= 0; --j) {
            if (std::abs(m_mu[row][j]) <= eta)
                continue;
            const double x = std::nearbyint(m_mu[row][j]);
            if (!(std::abs(x) < most) || !take(j, x))
                return false;
            for (int l = 0; l < j; ++l)
                m_mu[row][l] -= x * m_mu[j][l];
            m_mu[row][j] -= x;
            changed = true;
        }
        return true;
    }

    bool subtract(int row, int j, i64 x)
    {
        for (int c = 0; c < m_active; ++c) {
            Entry product, entry;
            if (__builtin_mul_overflow(Entry(x), m_basis[j][c], &product)
                || __builtin_sub_overflow(m_basis[row][c], product, &entry)
                || entry == lowest)
                return false;
            m_basis[row][c] = entry;
        }
        return true;
    }

    // One pass summed in the Gram matrix's width (128 or 256 bits), where
    // some μ reaches 2^31: bringing in the row of a new dimension,
    // (−k^t mod N, 0, …, 1), takes multiples of 2^60 and more of short rows,
    // whose sums leave the rows' width on the way though the row that
    // results is short. With μ that large the doubles leave it a little off,
    // and the next pass, from the exact Gram matrix, mends it. False where
    // the result does not fit a row.
    bool reduceWide(int row, bool &changed)
    {
        Square sum[Capacity];
        for (int c = 0; c < m_active; ++c)
            sum[c] = m_basis[row][c];
        // Multiples below 2^100 in 128-bit sums, below 2^126 in 256-bit
        // ones, where a new row's entry reaches 2^127; every sum is checked.
        const double most = narrow ? 0x1p100 : 0x1p126;
        const bool summed = reducePass(row, most, changed, [&](int j, double x) {
            for (int c = 0; c < m_active; ++c) {
                if (!addProduct(sum[c], -i128(x), m_basis[j][c]))
                    return false;
            }
            return true;
        });
        if (!summed)
            return false;
        for (int c = 0; c < m_active; ++c) {
            if (!Words::fits(sum[c]))
                return false;
            m_basis[row][c] = Entry(sum[c]);
        }
        return true;
    }

    void swapRows(int row)
    {
        std::swap(m_basis[row], m_basis[row - 1]);
        for (int j = 0; j < m_active; ++j)
            std::swap(m_gram[row][j], m_gram[row - 1][j]);
        for (int j = 0; j < m_active; ++j)
            std::swap(m_gram[j][row], m_gram[j][row - 1]);
    }

    bool shortest(int t, Modulus &nu2)
    {
        // In the plane the first row is the shortest vector: Lagrange and
        // Euclid's walk put it there, and LLL's exchange never takes a row
        // shorter than it ahead.
        Square lengths[Capacity];
        for (int i = 0; i < (t == 2 ? 1 : t); ++i) {
            if (!dot(m_basis[i], m_basis[i], lengths[i]))
                return false;
        }
        if (t == 2) {
            nu2 = Words::size(lengths[0]);
            return true;
        }
        return shortestNu2<Capacity, Words>({t, m_basis, lengths, m_r, m_mu}, m_n, m_k, nu2);
    }

    const Modulus m_n;
    const Multiplier m_k;
    const int m_dimensions;
    const PlaneBasis<Multiplier> *m_plane; // the plane, where the caller found it
    Modulus m_power = 1; // k^i mod N of the last row brought in
    int m_active; // rows 0 … m_active − 1 are in play
    Entry m_basis[Capacity][Capacity]{};
    double m_gram[Capacity][Capacity]; // the Gram matrix's entries, rounded once
    double m_r[Capacity][Capacity]{}, m_mu[Capacity][Capacity]{};
};

// In the arrays of the figure of merit's 8 dimensions where they do, else
// of 24.
template <typename Words>
bool reduce(const typename Words::Modulus &n, typename Words::Multiplier k, int upTo,
            const std::function<bool(int, typename Words::Modulus)> &more,
            const PlaneBasis<typename Words::Multiplier> *plane)
{
    if (n > maxModulus<typename Words::Multiplier> || upTo < 2 || upTo > maxDimension)
        return false;
    if (upTo <= defaultDimensions)
        return BasisReduction<defaultDimensions, Words>(n, k, upTo, plane).run(more);
    return BasisReduction<maxDimension, Words>(n, k, upTo, plane).run(more);
}

} // namespace

bool machineLatticeNu2(Wide n, u64 k, int upTo, const std::function<bool(int, Wide)> &more,
                       const PlaneBasis<u64> *plane)
{
    return reduce<NarrowWords>(n, k, upTo, more, plane);
}

bool machineLatticeNu2(const U256 &n, u128 k, int upTo, const std::function<bool(int, U256)> &more,
                       const PlaneBasis<u128> *plane)
{
    return reduce<WideWords>(n, k, upTo, more, plane);
}

} // namespace numbers
