#include "numbers/lattice.h"

#include "numbers/basisreduction.h"
#include "numbers/big.h"
#include "numbers/harmonic.h"

#include <fplll.h>
#include <gmp.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <type_traits>

namespace numbers {

namespace {

using Basis = fplll::ZZ_mat<mpz_t>;

// The shortest vector of an LLL-reduced basis of the lattice of t
// dimensions, by fplll's proved enumeration, confirmed in exact integers:
// h = Σ c_i·b_i satisfies the congruence, and its squared length is summed
// from its entries.
template <typename K>
WideOf<K> checkedShortest(Basis &basis, WideOf<K> n, K k, int t)
{
    std::vector<fplll::Z_NR<mpz_t>> coordinates;
    if (fplll::shortest_vector(basis, coordinates, fplll::SVPM_PROVED, fplll::SVP_DEFAULT) != 0
        || int(coordinates.size()) != t)
        throw std::runtime_error("no shortest vector");
    const Big modulus(n);
    const Big multiplier{WideOf<K>(k)};
    Big length, entry, congruence, kPower(1);
    for (int j = 0; j < t; ++j) {
        mpz_set_ui(entry.value, 0);
        for (int i = 0; i < t; ++i)
            mpz_addmul(entry.value, coordinates[size_t(i)].get_data(), basis[i][j].get_data());
        mpz_addmul(length.value, entry.value, entry.value);
        mpz_addmul(congruence.value, entry.value, kPower.value);
        mpz_mul(kPower.value, kPower.value, multiplier.value);
        mpz_mod(kPower.value, kPower.value, modulus.value);
    }
    if (mpz_sgn(length.value) == 0 || !mpz_divisible_p(congruence.value, modulus.value))
        throw std::runtime_error("the shortest vector failed its check");
    return length.get<WideOf<K>>();
}

// Row i of the basis (N, 0, …), (−k^i mod N, e_i): −k^i mod N in column 0
// and 1 on the diagonal (N alone for i = 0).
template <typename K>
void setRow(Basis &basis, int i, WideOf<K> n, K k)
{
    const Big modulus(n);
    Big power{WideOf<K>(k)};
    mpz_powm_ui(power.value, power.value, (unsigned long)i, modulus.value);
    for (int j = 0; j < basis.get_cols(); ++j)
        basis[i][j] = 0L;
    if (i == 0) {
        mpz_set(basis[0][0].get_data(), modulus.value);
        return;
    }
    mpz_neg(basis[i][0].get_data(), power.value);
    basis[i][i] = 1L;
}

// The lattices of t = first, first + 1, … dimensions in turn: the first
// reduced afresh, each after it grown from the reduced basis before: its
// rows with a 0 appended generate every vector of the new lattice whose
// last entry is 0, and the new row (−k^(t−1) mod N, 0, …, 1) the rest, so
// LLL has only the new row to bring in.
template <typename K>
class GrowingLattice
{
public:
    GrowingLattice(WideOf<K> n, K k, int first) : m_n(n), m_k(k), m_basis(first, first)
    {
        for (int i = 0; i < first; ++i)
            setRow(m_basis, i, n, k);
    }

    WideOf<K> next()
    {
        if (m_fresh) {
            m_fresh = false;
        } else {
            const int t = m_basis.get_rows() + 1;
            Basis grown(t, t);
            for (int i = 0; i < t - 1; ++i) {
                for (int j = 0; j < t - 1; ++j)
                    grown[i][j] = m_basis[i][j];
                grown[i][t - 1] = 0L;
            }
            setRow(grown, t - 1, m_n, m_k);
            m_basis = grown;
        }
        fplll::lll_reduction(m_basis);
        return checkedShortest(m_basis, m_n, m_k, m_basis.get_rows());
    }

private:
    WideOf<K> m_n;
    K m_k;
    Basis m_basis;
    bool m_fresh = true;
};

} // namespace

template <typename K>
WideOf<K> latticeNu2Arbitrary(WideOf<K> n, K k, int t)
{
    if (t < minDimension || t > maxDimension)
        throw std::invalid_argument("dimension out of 2 … 24");
    return GrowingLattice<K>(n, k, t).next();
}

template <typename K>
void eachLatticeNu2(WideOf<K> n, K k, int upTo, const std::function<bool(int, WideOf<K>)> &more,
                    const PlaneBasis<K> *plane)
{
    if (upTo < minDimension || upTo > maxDimension)
        throw std::invalid_argument("dimension out of 2 … 24");
    int done = minDimension - 1;
    if (machineLatticeNu2(
                n, k, upTo,
                [&](int t, WideOf<K> nu2) {
                    done = t;
                    return more(t, nu2);
                },
                plane))
        return;
    // Where the machine integers gave up, fplll goes on from the first
    // dimension they did not report.
    GrowingLattice<K> lattice(n, k, done + 1);
    for (int t = done + 1; t <= upTo; ++t) {
        if (!more(t, lattice.next()))
            return;
    }
}

template <typename K>
WideOf<K> latticeNu2(WideOf<K> n, K k, int t)
{
    WideOf<K> last = 0;
    eachLatticeNu2<K>(n, k, t, [&last](int, WideOf<K> nu2) {
        last = nu2;
        return true;
    });
    return last;
}

template <typename K>
BasicNu2s<WideOf<K>> latticeNu2UpTo(WideOf<K> n, K k, int upTo)
{
    BasicNu2s<WideOf<K>> nu2{};
    eachLatticeNu2<K>(n, k, upTo, [&nu2](int t, WideOf<K> value) {
        nu2[size_t(t)] = value;
        return true;
    });
    return nu2;
}

// f_t^(2t) = ν_t^(2t) / (γ_t^t · N²). Rounded half up, f_t in
// ten-thousandths is F = ⌊(R + 1)/2⌋ with R = ⌊2·10⁴·f_t⌋, the largest R
// with R^(2t) · γ_t^t · N² ≤ (2·10⁴)^(2t) · ν_t^(2t); R ≤ 2·10⁴ since
// f_t ≤ 1 (Hermite) up to 8 dimensions, and R < 2^15 above, where f_t
// stays below 1.1 (Blichfeldt's bound on γ_t).
template <typename W>
u64 latticeFigure(W nu2, std::type_identity_t<W> n, int t)
{
    const HermitePower gamma = hermite[size_t(t)];
    // In long double first: ln(2·10⁴·f_t) = ln(2·10⁴) + ½·ln ν_t² − (ln γ_t^t + 2·ln N)/(2t),
    // accurate to about 10⁻¹⁵. Only an R within 10⁻⁹ of an integer, where
    // that could decide the floor, is settled in integers.
    const long double twice = std::exp(std::log(2e4L) + std::log((long double)nu2) / 2
                                       - (gamma.power * std::log((long double)gamma.num
                                                                 / gamma.den)
                                          + 2 * std::log((long double)n))
                                               / (2 * t));
    if (std::abs(twice - std::nearbyint(twice)) > 1e-9L)
        return (u64(twice) + 1) / 2;

    Big lattice(nu2), density(n), scale, candidate;
    mpz_pow_ui(lattice.value, lattice.value, unsigned(t));
    mpz_ui_pow_ui(scale.value, 20000, 2 * unsigned(t));
    mpz_mul(lattice.value, lattice.value, scale.value);
    hermitePart(scale, gamma.den, gamma.power, 1);
    mpz_mul(lattice.value, lattice.value, scale.value);
    mpz_mul(density.value, density.value, density.value);
    hermitePart(scale, gamma.num, gamma.power, 1);
    mpz_mul(density.value, density.value, scale.value);
    u64 low = 0, high = 1 << 15; // R in [low, high)
    while (high - low > 1) {
        const u64 r = (low + high) / 2;
        mpz_ui_pow_ui(candidate.value, r, 2 * unsigned(t));
        mpz_mul(candidate.value, candidate.value, density.value);
        if (mpz_cmp(candidate.value, lattice.value) <= 0)
            low = r;
        else
            high = r;
    }
    return (low + 1) / 2;
}

template <typename W>
BasicSpectralOrder<W>::BasicSpectralOrder(W n)
    : m_n(n)
{
    for (int t = minDimension; t <= maxDimension; ++t)
        m_offset[size_t(t)] = offsetAt(n, t);
}

template <typename W>
double BasicSpectralOrder<W>::offsetAt(W n, int t)
{
    return (hermite[size_t(t)].log() + 2 * std::log(double(n))) / (2 * t);
}

template <typename W>
double BasicSpectralOrder<W>::offset(int code) const
{
    const int t = dimensionOf(code), divisor = divisorOf(code);
    return divisor == 1 ? m_offset[size_t(t)] : offsetAt(m_n / W(divisor), t);
}

template <typename W>
int BasicSpectralOrder<W>::compare(W nu2a, int a, W nu2b, int b) const
{
    if (a == b)
        return nu2a < nu2b ? -1 : nu2a > nu2b ? 1 : 0;
    const double apart = (std::log(double(nu2a)) / 2 - offset(a))
            - (std::log(double(nu2b)) / 2 - offset(b));
    if (std::abs(apart) > 1e-9)
        return apart < 0 ? -1 : 1;

    // f_a^(2L) against f_b^(2L), both sides multiplied out, each at the
    // modulus of its own lattice.
    const int ta = dimensionOf(a), tb = dimensionOf(b);
    const int l = std::lcm(ta, tb);
    const auto side = [&](W nu2, int code, int other, Big &value) {
        const int t = dimensionOf(code), u = dimensionOf(other);
        const HermitePower own = hermite[size_t(t)], theirs = hermite[size_t(u)];
        Big factor(nu2);
        mpz_pow_ui(value.value, factor.value, unsigned(l));
        hermitePart(factor, own.den, own.power, unsigned(l / t));
        mpz_mul(value.value, value.value, factor.value);
        hermitePart(factor, theirs.num, theirs.power, unsigned(l / u));
        mpz_mul(value.value, value.value, factor.value);
        Big density(m_n / W(divisorOf(other)));
        mpz_pow_ui(density.value, density.value, unsigned(2 * l / u));
        mpz_mul(value.value, value.value, density.value);
    };
    Big left, right;
    side(nu2a, a, b, left);
    side(nu2b, b, a, right);
    const int order = mpz_cmp(left.value, right.value);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

template <typename W>
double BasicSpectralOrder<W>::approximate(W nu2, int t) const
{
    return std::exp(std::log(double(nu2)) / 2 - offset(t));
}

template <typename W>
W BasicSpectralOrder<W>::least(int t, W nu2b, int b) const
{
    if (t == b)
        return nu2b;
    // f_t = f_b at ν_t² = ν_b² · e^(2·(offset_t − offset_b)), within 10⁻¹²
    // of it; the integers around it decide by bisection.
    const double estimate = double(nu2b) * std::exp(2 * (offset(t) - offset(b)));
    const auto reaches = [&](W nu2) { return compare(nu2, t, nu2b, b) >= 0; };
    W low = wholeOf<W>(std::max(1.0, estimate * (1 - 1e-12))); // below, or 1
    W high = wholeOf<W>(estimate * (1 + 1e-12)) + 1;           // reaches
    while (low > 1 && reaches(low))
        low /= 2;
    while (!reaches(high))
        high *= 2;
    if (reaches(low))
        return low;
    while (high - low > 1) {
        const W middle = low + (high - low) / 2;
        (reaches(middle) ? high : low) = middle;
    }
    return high;
}

template <typename W>
int BasicSpectralOrder<W>::worst(const BasicNu2s<W> &nu2, int upTo, int divisor) const
{
    const int lattice = divisor == 1 ? 0 : divisor * codeStep;
    int worst = minDimension;
    for (int t = minDimension + 1; t <= upTo; ++t) {
        if (compare(nu2[size_t(t)], lattice + t, nu2[size_t(worst)], lattice + worst) < 0)
            worst = t;
    }
    return lattice + worst;
}

template <typename W>
std::optional<W> latticeModulus(W n, Generator generator, u64 lag)
{
    const W whole = hasOwnLattice(n, generator) ? n / 4 : n;
    const W modulus = whole / gcd(whole, W(lag));
    return modulus >= 2 ? std::optional(modulus) : std::nullopt;
}

template <typename K>
std::optional<BasicGeneratorLattice<K>> generatorLattice(WideOf<K> n, K k, Generator generator,
                                                         u64 lag)
{
    using W = WideOf<K>;
    const bool own = hasOwnLattice(n, generator);
    if (lag == 1 && !own)
        return BasicGeneratorLattice<K>{n, k}; // every ranking's question, asked once a candidate
    const std::optional<W> modulus = latticeModulus(n, generator, lag);
    if (!modulus)
        return std::nullopt;
    const W multiplier = own ? (k % 8 == 5 ? W(k) : n - k) : W(k);
    return BasicGeneratorLattice<K>{*modulus, K(powerMod(multiplier, W(lag), *modulus))};
}

template <typename K>
BasicFigures<K> generatorFigures(WideOf<K> n, K k,
                                 const BasicEquidistantRow<WideOf<K>> &equidistant,
                                 Generator generator, int dimensions, u64 lag)
{
    BasicFigures<K> f = figures(n, k, equidistant);
    readOnLattice(f, *generatorLattice(n, k, generator, lag));
    if (dimensions >= minDimension)
        addDimensions(f, dimensions);
    return f;
}

template <typename K>
void readOnLattice(BasicFigures<K> &f, BasicGeneratorLattice<K> lattice)
{
    if (lattice == f.lattice)
        return;
    f.lattice = lattice;
    BasicMeasures<K> own;
    measure(lattice.n, lattice.k, own);
    f.nu2 = own.nu2;
    f.f2 = spectralTenThousandths(own.nu2, lattice.n);
}

template <typename K>
void addLagged(BasicFigures<K> &f, Generator generator, int upTo)
{
    using W = WideOf<K>;
    const W modulus = *latticeModulus(f.n, generator);
    const BasicSpectralOrder<W> order(modulus);
    f.lagged = 0;
    f.laggedAt = 0;
    W worstNu2 = 0;
    int worstCode = 0;
    for (u64 lag = firstLag; lag <= lastLag; ++lag) {
        const auto lattice = generatorLattice(f.n, f.k, generator, lag);
        if (!lattice)
            continue;
        const auto nu2 = latticeNu2UpTo(lattice->n, lattice->k, upTo);
        const int code = order.worst(nu2, upTo, int(u64(modulus / lattice->n)));
        const W value = nu2[size_t(SpectralOrder::dimensionOf(code))];
        if (f.laggedAt == 0 || order.compare(value, code, worstNu2, worstCode) < 0) {
            worstNu2 = value;
            worstCode = code;
            f.laggedAt = int(lag);
            f.lagged = latticeFigure(value, lattice->n, SpectralOrder::dimensionOf(code));
        }
    }
}

template <typename K>
void addDimensions(BasicFigures<K> &f, int upTo)
{
    using W = WideOf<K>;
    const BasicGeneratorLattice<K> lattice = f.lattice;
    f.dimensions = upTo;
    f.nu2t[2] = f.nu2;
    f.ft[2] = f.f2;
    if (upTo > 2) {
        eachLatticeNu2<K>(lattice.n, lattice.k, upTo, [&](int t, W nu2) {
            if (t > 2) { // the Euclid pass gave ν₂² and f₂
                f.nu2t[size_t(t)] = nu2;
                f.ft[size_t(t)] = latticeFigure(nu2, lattice.n, t);
            }
            return true;
        });
    }
    f.meritDimension = BasicSpectralOrder<W>(lattice.n).worst(f.nu2t, upTo);
    f.harmonic = BasicHarmonicScore<W>(lattice.n, upTo).tenThousandths(f.nu2t);
    f.merit = f.ft[size_t(f.meritDimension)];
}

// The engine's two widths.
template u64 latticeFigure(Wide, Wide, int);
template u64 latticeFigure(U256, U256, int);
template class BasicSpectralOrder<Wide>;
template class BasicSpectralOrder<U256>;
template std::optional<Wide> latticeModulus(Wide, Generator, u64);
template std::optional<U256> latticeModulus(U256, Generator, u64);

#define ZYKLAR_LATTICE_WIDTH(K)                                                                    \
    template WideOf<K> latticeNu2Arbitrary(WideOf<K>, K, int);                                     \
    template void eachLatticeNu2(WideOf<K>, K, int, const std::function<bool(int, WideOf<K>)> &,   \
                                 const PlaneBasis<K> *);                                           \
    template WideOf<K> latticeNu2(WideOf<K>, K, int);                                              \
    template BasicNu2s<WideOf<K>> latticeNu2UpTo(WideOf<K>, K, int);                               \
    template std::optional<BasicGeneratorLattice<K>> generatorLattice(WideOf<K>, K, Generator,     \
                                                                      u64);                        \
    template BasicFigures<K> generatorFigures(WideOf<K>, K, const BasicEquidistantRow<WideOf<K>> &, \
                                              Generator, int, u64);                                \
    template void readOnLattice(BasicFigures<K> &, BasicGeneratorLattice<K>);                      \
    template void addLagged(BasicFigures<K> &, Generator, int);                                    \
    template void addDimensions(BasicFigures<K> &, int);
ZYKLAR_LATTICE_WIDTH(u64)
ZYKLAR_LATTICE_WIDTH(u128)
#undef ZYKLAR_LATTICE_WIDTH

} // namespace numbers
