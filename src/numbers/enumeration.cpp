#include "numbers/enumeration.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <type_traits>

namespace numbers {

namespace {

// The enumeration's radius is the shortest length found, widened for the
// rounding of the Gram–Schmidt doubles: far above their error, far below
// the gap between two integers at any length it meets.
constexpr double widening = 1 + 1e-9;

template <int Capacity, typename Words>
class Enumeration
{
public:
    using Square = typename Words::Square;
    using Modulus = typename Words::Modulus;

    explicit Enumeration(const ReducedRows<Capacity, Words> &rows) : m_rows(rows)
    {
        int shortestRow = 0;
        for (int i = 1; i < rows.t; ++i) {
            if (rows.lengths[i] < rows.lengths[shortestRow])
                shortestRow = i;
        }
        m_best = Words::size(rows.lengths[shortestRow]);
        std::copy(rows.basis[shortestRow], rows.basis[shortestRow] + rows.t, m_bestVector);
        m_bound = double(m_best) * widening;
        search(rows.t - 1, 0, true);
    }

    Modulus best() const { return m_best; }
    const Square *bestVector() const { return m_bestVector; }

private:
    void search(int i, double above, bool zeroAbove)
    {
        double centre = 0;
        for (int j = i + 1; j < m_rows.t; ++j)
            centre -= double(m_x[j]) * m_rows.mu[j][i];
        const double room = m_bound - above;
        if (room < 0)
            return;
        const double width = std::sqrt(room / m_rows.r[i][i]);
        i64 low = i64(std::ceil(centre - width));
        const i64 high = i64(std::floor(centre + width));
        if (zeroAbove)
            low = std::max<i64>(low, 0);
        if (low > high)
            return;
        // From the integer nearest the centre outward, in turn above and
        // below (Schnorr and Euchner's zigzag): the short vectors come
        // first and narrow the radius for the rest. Each side ends at the
        // first x past the radius, since |x − centre| only grows along it.
        const i64 start = std::clamp(i64(std::nearbyint(centre)), low, high);
        bool up = true, down = start > low;
        for (i64 step = 0; up || down; ++step) {
            if (up)
                up = visit(i, start + step, centre, above, zeroAbove) && start + step < high;
            if (down && step > 0)
                down = visit(i, start - step, centre, above, zeroAbove) && start - step > low;
        }
    }

    // x at level i, and below it what fits; false where x lies past the
    // radius.
    bool visit(int i, i64 x, double centre, double above, bool zeroAbove)
    {
        const double y = double(x) - centre;
        const double length = above + y * y * m_rows.r[i][i];
        if (length > m_bound)
            return false;
        m_x[i] = x;
        if (i > 0)
            search(i - 1, length, zeroAbove && x == 0);
        else if (!(zeroAbove && x == 0))
            candidate();
        return true;
    }

    // The vector of the coefficients x, exactly; a candidate within the
    // radius is short, so its entries and its length fit their types.
    void candidate()
    {
        Square h[Capacity];
        Modulus square = 0;
        for (int c = 0; c < m_rows.t; ++c) {
            h[c] = 0;
            for (int i = 0; i < m_rows.t; ++i) {
                if constexpr (std::is_same_v<Words, NarrowWords>)
                    h[c] += i128(m_x[i]) * m_rows.basis[i][c];
                else if (!addProduct(h[c], i128(m_x[i]), m_rows.basis[i][c]))
                    return;
            }
            const Modulus size = Words::size(h[c]);
            square += size * size;
        }
        if (square >= m_best)
            return;
        m_best = square;
        std::copy(h, h + m_rows.t, m_bestVector);
        m_bound = double(m_best) * widening;
    }

    const ReducedRows<Capacity, Words> &m_rows;
    std::array<i64, Capacity> m_x{};
    double m_bound = 0;
    Modulus m_best = 0;
    Square m_bestVector[Capacity]{};
};

} // namespace

template <int Capacity, typename Words>
bool shortestNu2(const ReducedRows<Capacity, Words> &rows, const typename Words::Modulus &n,
                 typename Words::Multiplier k, typename Words::Modulus &nu2)
{
    using Modulus = typename Words::Modulus;
    const Enumeration<Capacity, Words> enumeration(rows);
    // Σ h_c·k^c ≡ 0 (mod N), by Horner's rule from c = t − 1 down.
    Modulus residue = 0;
    for (int c = rows.t - 1; c >= 0; --c) {
        const typename Words::Square &h = enumeration.bestVector()[c];
        const Modulus term = Words::size(h) % n;
        // Below (N − 1)² + N < 2^256 (or 2^128 for N ≤ 2^64).
        residue = (residue * Modulus(k) + (h < 0 ? n - term : term)) % n;
    }
    nu2 = enumeration.best();
    return residue == 0;
}

#define ZYKLAR_SHORTEST(Capacity, Words)                                                           \
    template bool shortestNu2<Capacity, Words>(const ReducedRows<Capacity, Words> &,              \
                                               const Words::Modulus &, Words::Multiplier,          \
                                               Words::Modulus &);
ZYKLAR_SHORTEST(defaultDimensions, NarrowWords)
ZYKLAR_SHORTEST(maxDimension, NarrowWords)
ZYKLAR_SHORTEST(defaultDimensions, WideWords)
ZYKLAR_SHORTEST(maxDimension, WideWords)
#undef ZYKLAR_SHORTEST

} // namespace numbers
