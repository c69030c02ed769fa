// The lattice of t successive values in 2 to 8 dimensions and the period
// filters, against brute force for every small N and against the
// two-dimensional figures that Euclid's algorithm gives, for N up to 2^64.

#include "numbers/figures.h"
#include "numbers/period.h"
#include "numbers/lattice.h"
#include "numbers/basisreduction.h"

#include <QTest>

#include <gmp.h>

#include <cmath>
#include <functional>
#include <numeric>
#include <random>

namespace {

using numbers::u64;
using numbers::Wide;

// ν_t² by trying every vector in the box that the Hermite bound allows:
// |h|² ≤ γ_t·N^(2/t), so each |h_i| ≤ √(γ_t·N^(2/t)).
u64 bruteNu2(u64 n, u64 k, int t)
{
    const double gamma[] = {0, 0, 1.1547, 1.2600, 1.4143, 1.5157, 1.6654, 1.8115, 2.0001};
    const int bound = int(std::sqrt(gamma[t] * std::pow(double(n), 2.0 / t))) + 1;
    std::vector<u64> powers{1};
    for (int i = 1; i < t; ++i)
        powers.push_back(powers.back() * k % n);
    u64 best = n * n; // (N, 0, …) is always there
    std::vector<int> h(size_t(t), -bound);
    for (;;) {
        long long residue = 0;
        u64 length = 0;
        bool zero = true;
        for (int i = 0; i < t; ++i) {
            residue = (residue + (long long)(h[size_t(i)]) * (long long)(powers[size_t(i)])) % (long long)n;
            length += u64(h[size_t(i)] * h[size_t(i)]);
            zero = zero && h[size_t(i)] == 0;
        }
        if (!zero && residue == 0)
            best = std::min(best, length);
        int i = 0;
        for (; i < t && h[size_t(i)] == bound; ++i)
            h[size_t(i)] = -bound;
        if (i == t)
            return best;
        ++h[size_t(i)];
    }
}

// ν_t² where it is at most `radius`, found by trying every vector h of
// length² ≤ radius and keeping those with Σ h_i·k^i ≡ 0 (mod n); 0 where
// none is. Few vectors are that short, so N may be as large as it likes.
Wide shortWithin(Wide n, u64 k, int t, Wide radius)
{
    std::vector<Wide> powers{1};
    for (int i = 1; i < t; ++i)
        powers.push_back(powers.back() * k % n);
    Wide best = 0;
    std::function<void(int, Wide, Wide, bool)> extend = [&](int i, Wide residue, Wide length,
                                                             bool zero) {
        if (i == t) {
            if (!zero && residue == 0 && (best == 0 || length < best))
                best = length;
            return;
        }
        for (long long h = 0; Wide(h * h) + length <= radius; ++h) {
            for (const long long value : {h, -h}) {
                const Wide step = powers[size_t(i)] * Wide(h) % n;
                const Wide next = value >= 0 ? (residue + step) % n : (residue + n - step) % n;
                extend(i + 1, next, length + Wide(h * h), zero && h == 0);
                if (h == 0)
                    break;
            }
        }
    };
    extend(0, 0, 0, true);
    return best;
}

// The order of k mod n by stepping through its powers.
u64 order(u64 n, u64 k)
{
    u64 x = k % n, steps = 1;
    for (; x != 1 % n; ++steps)
        x = x * k % n;
    return steps;
}

// The period of x → k·x + 1 mod n from 0.
u64 lcgPeriod(u64 n, u64 k)
{
    u64 x = 0, steps = 0;
    do {
        x = (k * x + 1) % n;
        ++steps;
    } while (x != 0 && steps <= n);
    return steps;
}

// The t-tuples of successive values of a sequence that comes back to its
// start: every lag-th value of x → k·x + c mod n from x0.
std::vector<std::vector<u64>> tuplesOf(u64 n, u64 k, u64 c, u64 x0, u64 lag, int t)
{
    std::vector<u64> seen;
    u64 x = x0;
    do {
        seen.push_back(x);
        for (u64 step = 0; step < lag; ++step)
            x = (k * x + c) % n;
    } while (x != x0);
    std::vector<std::vector<u64>> tuples;
    for (size_t i = 0; i < seen.size(); ++i) {
        std::vector<u64> tuple;
        for (int j = 0; j < t; ++j)
            tuple.push_back(seen[(i + size_t(j)) % seen.size()]);
        tuples.push_back(tuple);
    }
    return tuples;
}

// ν_t² of a set of points modulo n, straight from its definition: the
// shortest h ≠ 0 for which h·x mod n is the same at every point, so that
// the points lie on the hyperplanes h·x ≡ const. Tries every h with
// |h|² ≤ radius; 0 where none of them is.
u64 pointsNu2(u64 n, const std::vector<std::vector<u64>> &points, u64 radius)
{
    const size_t t = points.front().size();
    u64 best = 0;
    std::vector<long long> h(t);
    std::function<void(size_t, u64)> extend = [&](size_t i, u64 length) {
        if (i == t) {
            if (length == 0 || (best && length >= best))
                return;
            const auto dot = [&](const std::vector<u64> &x) {
                long long sum = 0;
                for (size_t j = 0; j < t; ++j)
                    sum = (sum + h[j] * (long long)(x[j] % n)) % (long long)n;
                return (sum + (long long)n) % (long long)n;
            };
            const long long first = dot(points.front());
            for (const auto &x : points)
                if (dot(x) != first)
                    return;
            best = length;
            return;
        }
        long long reach = 0;
        while ((reach + 1) * (reach + 1) + (long long)length <= (long long)radius)
            ++reach;
        for (long long v = -reach; v <= reach; ++v) {
            h[i] = v;
            extend(i + 1, length + u64(v * v));
        }
    };
    extend(0, 0);
    return best;
}

} // namespace

class TestLattice : public QObject
{
    Q_OBJECT
private slots:
    void everyPairAgainstBruteForce();
    void twoDimensionsAsEuclidGivesThem();
    void machineIntegersAgainstFplll();
    void figuresAtTheRoundingEdge_data();
    void figuresAtTheRoundingEdge();
    void spectralOrderAcrossDimensions_data();
    void spectralOrderAcrossDimensions();
    void minstdDimensionByDimension_data();
    void minstdDimensionByDimension();
    void periodFiltersAgainstSimulation();
    void generatorLatticesAgainstTheirPoints();
    void upTo24DimensionsAgainstFplll();
    void factorsUpTo2To64_data();
    void factorsUpTo2To64();
};

void TestLattice::everyPairAgainstBruteForce()
{
    // t = 2 and 3 for every pair up to N = 300, t = 4 up to N = 160.
    for (u64 n = 2; n <= 300; ++n) {
        for (u64 k = 1; k < n; ++k) {
            if (std::gcd(n, k) != 1)
                continue;
            for (int t = 2; t <= (n <= 160 ? 4 : 3); ++t) {
                if (numbers::latticeNu2(n, k, t) != bruteNu2(n, k, t))
                    QFAIL(qPrintable(QStringLiteral("N = %1, k = %2, t = %3").arg(n).arg(k).arg(t)));
            }
        }
    }
}

void TestLattice::twoDimensionsAsEuclidGivesThem()
{
    // For t = 2 the lattice is the pairs' own, which one Euclid pass on
    // (N, k) measures: an independent model, for N up to 2^64.
    std::mt19937_64 random(2026);
    for (int i = 0; i < 300; ++i) {
        const Wide n = i == 0 ? Wide(1) << 64 : Wide((random() >> (random() % 63)) | 2);
        u64 k = u64(random() % u64(n - 1)) + 1;
        while (numbers::gcd(n, k) != 1)
            k = k % u64(n - 1) + 1;
        numbers::Measures m;
        QVERIFY(numbers::measure(n, k, m));
        QCOMPARE(numbers::latticeNu2(n, k, 2), m.nu2);
        QCOMPARE(numbers::latticeFigure(m.nu2, n, 2), numbers::spectralTenThousandths(m.nu2, n));
        // Every dimension's figure stays within Hermite's bound.
        for (int t = 3; t <= 8; ++t)
            QVERIFY(numbers::latticeFigure(numbers::latticeNu2(n, k, t), n, t) <= 10000);
    }
}

void TestLattice::machineIntegersAgainstFplll()
{
    // The machine-integer reduction against fplll's arbitrary precision, in
    // every dimension, for N of every size up to 2^64: random k, and the k
    // whose lattices hold very short vectors beside very long ones. Where
    // the machine integers give up, the engine finishes with fplll what they
    // reported so far: what they report, and what the engine gives, is
    // fplll's value, whichever way it was found.
    std::mt19937_64 random(64);
    int pairs = 0, confirmed = 0;
    for (int bits = 2; bits <= 64; ++bits) {
        const Wide top = Wide(1) << bits;
        const Wide sizes[] = {top, top - 1, top / 2 + 1 + random() % u64(top / 2)};
        for (const Wide n : sizes) {
            const u64 largest = u64(n - 1);
            std::vector<u64> ks{1, largest, 2, largest - 1, 3, largest - 2};
            for (int i = 0; i < 4; ++i)
                ks.push_back(1 + random() % largest);
            // Where the machine integers once gave up at t = 8.
            if (n == Wide(1) << 64)
                ks.insert(ks.end(), {(u64(1) << 63) + 9, 701});
            for (const u64 k : ks) {
                if (k == 0 || k >= n || numbers::gcd(n, k) != 1)
                    continue;
                const auto where = [&](int t) {
                    return qPrintable(QStringLiteral("N = %1, k = %2, t = %3")
                                              .arg(QString::fromStdString(numbers::decimal(n)))
                                              .arg(k)
                                              .arg(t));
                };
                std::array<Wide, 9> own{};
                int reported = 1;
                const bool done = numbers::machineLatticeNu2(n, k, 8, [&](int t, Wide nu2) {
                    own[size_t(t)] = nu2;
                    reported = t;
                    return true;
                });
                QCOMPARE(done, reported == 8);
                const auto whole = numbers::latticeNu2UpTo(n, k, 8);
                // Past what the machine integers reported, the engine's
                // value is fplll's. Where they give up because k or N − k
                // is tiny, ν_t² ≤ 10, and trying every vector that short
                // is a model apart from both.
                std::array<Wide, 9> apart{};
                if (!done && std::min<Wide>(k, n - k) <= 3) {
                    for (int t = reported + 1; t <= 8; ++t, ++confirmed)
                        apart[size_t(t)] = shortWithin(n, k, t, 10);
                }
                for (int t = 2; t <= 8; ++t) {
                    const Wide model = numbers::latticeNu2Arbitrary(n, k, t);
                    if ((t <= reported && own[size_t(t)] != model) || whole[size_t(t)] != model
                        || (t > reported && apart[size_t(t)] != 0 && apart[size_t(t)] != model))
                        QFAIL(where(t));
                }
                ++pairs;
            }
        }
    }
    QVERIFY(pairs > 1000);
    QVERIFY(confirmed > 0);
}

void TestLattice::figuresAtTheRoundingEdge_data()
{
    QTest::addColumn<Wide>("nu2");
    QTest::addColumn<Wide>("n");
    QTest::addColumn<int>("t");
    QTest::addColumn<u64>("figure");
    // f₄ = ν₄ / (2N)^(1/4) with N = 8 · 20000⁴ and ν₄ = 4938 is 0,12345
    // exactly, half a ten-thousandth: it rounds up, and one less in ν₄²
    // rounds down. f₈ = ν₈ / (√2 · N^(1/8)) is 1 at N = 2^16, ν₈² = 32.
    const Wide n4 = Wide(8) * 20000 * 20000 * 20000 * 20000;
    QTest::newRow("f4 half") << Wide(4938 * 4938) << n4 << 4 << u64(1235);
    QTest::newRow("f4 below half") << Wide(4938 * 4938 - 1) << n4 << 4 << u64(1234);
    QTest::newRow("f4 above half") << Wide(4938 * 4938 + 1) << n4 << 4 << u64(1235);
    QTest::newRow("f8 one") << Wide(32) << Wide(65536) << 8 << u64(10000);
    // f₃ = ν₃ / (2^(1/6) · N^(1/3)) with N = 2 · (2·10⁶)³ and ν₃² = 20000
    // is 0,00005.
    const Wide n3 = Wide(2) * 2000000 * 2000000 * 2000000;
    QTest::newRow("f3 half near 2^64") << Wide(20000) << n3 << 3 << u64(1);
    QTest::newRow("f3 below half near 2^64") << Wide(19999) << n3 << 3 << u64(0);
    // Where γ_t^t has a denominator (4/3, 64/3): f₆ of ν₆² = 5 is
    // 0,00175 + 2·10⁻¹⁸, and f₂ of ν₂² = 2^62 is 0,85005 + 7·10⁻¹⁹.
    QTest::newRow("f6 just above half")
            << Wide(5) << Wide(942220092685939929ull) << 6 << u64(18);
    QTest::newRow("f2 just above half")
            << (Wide(1) << 62) << Wide(5527152144616548106ull) << 2 << u64(8501);
}

void TestLattice::figuresAtTheRoundingEdge()
{
    QFETCH(Wide, nu2);
    QFETCH(Wide, n);
    QFETCH(int, t);
    QFETCH(u64, figure);
    QCOMPARE(numbers::latticeFigure(nu2, n, t), figure);
    if (t == 2)
        QCOMPARE(numbers::spectralTenThousandths(nu2, n), figure);
}

void TestLattice::spectralOrderAcrossDimensions_data()
{
    QTest::addColumn<Wide>("n");
    QTest::addColumn<int>("a");
    QTest::addColumn<Wide>("nu2a");
    QTest::addColumn<int>("b");
    QTest::addColumn<Wide>("nu2b");
    // Equal figures of two dimensions, where the logarithms cannot tell:
    // f₂ = f₄ where 3·(ν₂²)² = 2N·(ν₄²)²; f₄ = f₈ where N = 4·(ν₄²/ν₈²)⁴;
    // f₂ = f₆ where N⁴ = 9·(ν₂²/ν₆²)⁶.
    QTest::newRow("f2 = f4 at 6") << Wide(6) << 2 << Wide(2) << 4 << Wide(1);
    QTest::newRow("f4 = f8 at 64") << Wide(64) << 4 << Wide(6) << 8 << Wide(3);
    QTest::newRow("f4 = f8 at 2^62") << (Wide(1) << 62) << 4 << (Wide(1) << 15) << 8 << Wide(1);
    QTest::newRow("f2 = f6 at 9") << Wide(9) << 2 << Wide(3) << 6 << Wide(1);
    QTest::newRow("f2 = f6 at 72") << Wide(72) << 2 << Wide(48) << 6 << Wide(4);
    QTest::newRow("f2 = f4 at 3·2^61") << Wide(3) * (Wide(1) << 61) << 2 << (Wide(1) << 31) << 4
                                       << Wide(1);
}

void TestLattice::spectralOrderAcrossDimensions()
{
    // Equal values are equal, one less in either ν² is below, one more is
    // above; and the least ν² of each dimension that reaches a figure is
    // where the order turns.
    QFETCH(Wide, n);
    QFETCH(int, a);
    QFETCH(Wide, nu2a);
    QFETCH(int, b);
    QFETCH(Wide, nu2b);
    const numbers::SpectralOrder order(n);
    QCOMPARE(order.compare(nu2a, a, nu2b, b), 0);
    QCOMPARE(order.compare(nu2b, b, nu2a, a), 0);
    QCOMPARE(order.compare(nu2a + 1, a, nu2b, b), 1);
    QCOMPARE(order.compare(nu2a, a, nu2b + 1, b), -1);
    if (nu2a > 1)
        QCOMPARE(order.compare(nu2a - 1, a, nu2b, b), -1);
    QCOMPARE(order.least(a, nu2b, b), nu2a);
    QCOMPARE(order.least(b, nu2a, a), nu2b);
    for (int t = 2; t <= 8; ++t) {
        const Wide least = order.least(t, nu2a, a);
        QVERIFY(order.compare(least, t, nu2a, a) >= 0);
        QVERIFY(least == 1 || order.compare(least - 1, t, nu2a, a) < 0);
    }
}

void TestLattice::minstdDimensionByDimension_data()
{
    QTest::addColumn<u64>("k");
    QTest::addColumn<QList<u64>>("nu2");
    QTest::addColumn<QList<u64>>("figures");
    // Modulo 2^31 − 1: Park and Miller's 16807, their later 48271, and
    // 69621. 48271 is among the best in two dimensions and poor in eight.
    QTest::newRow("16807") << u64(16807)
                           << QList<u64>{282475250, 408197, 21682, 4439, 895, 274, 160}
                           << QList<u64>{3375, 4412, 5752, 7361, 6454, 5711, 6096};
    QTest::newRow("48271") << u64(48271)
                           << QList<u64>{1990735345, 1433881, 47418, 4404, 1402, 289, 82}
                           << QList<u64>{8960, 8269, 8506, 7332, 8078, 5865, 4364};
    QTest::newRow("69621") << u64(69621)
                           << QList<u64>{1522719629, 1776803, 47530, 4387, 1263, 369, 182}
                           << QList<u64>{7836, 9205, 8516, 7318, 7667, 6628, 6502};
}

void TestLattice::minstdDimensionByDimension()
{
    QFETCH(u64, k);
    QFETCH(QList<u64>, nu2);
    QFETCH(QList<u64>, figures);
    const Wide n = (Wide(1) << 31) - 1;
    const auto all = numbers::latticeNu2UpTo(n, k, 8);
    for (int t = 2; t <= 8; ++t) {
        QCOMPARE(u64(all[size_t(t)]), nu2[t - 2]);
        QCOMPARE(numbers::latticeFigure(all[size_t(t)], n, t), figures[t - 2]);
    }
}

void TestLattice::periodFiltersAgainstSimulation()
{
    for (u64 n = 2; n <= 400; ++n) {
        const numbers::PeriodFilter mcg(n, numbers::Generator::Mcg);
        const numbers::PeriodFilter lcg(n, numbers::Generator::Lcg);
        const numbers::PeriodFilter any(n, numbers::Generator::Any);
        u64 largest = 0;
        for (u64 k = 1; k < n; ++k) {
            if (std::gcd(n, k) == 1)
                largest = std::max(largest, order(n, k));
        }
        QCOMPARE(u64(numbers::carmichael(n)), largest);
        for (u64 k = 1; k < n; ++k) {
            const bool coprime = std::gcd(n, k) == 1;
            QCOMPARE(any.keeps(k), coprime);
            if (mcg.keeps(k) != (coprime && order(n, k) == largest))
                QFAIL(qPrintable(QStringLiteral("mcg N = %1, k = %2").arg(n).arg(k)));
            if (lcg.keeps(k) != (lcgPeriod(n, k) == n))
                QFAIL(qPrintable(QStringLiteral("lcg N = %1, k = %2").arg(n).arg(k)));
        }
    }
}

void TestLattice::generatorLatticesAgainstTheirPoints()
{
    // For N = 2^e, every multiplier of the longest period and every lag
    // 1 … 8: the lattice the figures are read on holds exactly the tuples
    // the generator visits, for the MCG from x0 = 1 and for the LCG with
    // c = 1 from 0. Its ν_t² is the shortest h that puts every tuple on one
    // family of hyperplanes, found by trying every h up to the engine's
    // length, so a wrong lattice or a wrong length both fail.
    using numbers::Generator;
    for (int e = 3; e <= 9; ++e) {
        const u64 n = u64(1) << e;
        for (u64 k = 1; k < n; k += 2) {
            for (const Generator generator : {Generator::Mcg, Generator::Lcg}) {
                if (!numbers::PeriodFilter(n, generator).keeps(k))
                    continue;
                if (generator == Generator::Mcg && k % 8 == 3) {
                    // Judged as N − k, whose orbit keeps its residue mod 4.
                    QCOMPARE(numbers::generatorLattice(n, k, generator),
                             numbers::generatorLattice(n, n - k, generator));
                    continue;
                }
                const u64 c = generator == Generator::Lcg ? 1 : 0, x0 = 1 - c;
                for (u64 lag = 1; lag <= 8; ++lag) {
                    const auto lattice = numbers::generatorLattice(n, k, generator, lag);
                    const auto points = tuplesOf(n, k, c, x0, lag, 2);
                    QCOMPARE(lattice.has_value(), points.size() >= 2);
                    if (!lattice)
                        continue;
                    QCOMPARE(Wide(points.size()), lattice->n);
                    for (int t = 2; t <= (e <= 7 ? 4 : 3); ++t) {
                        const Wide nu2 = numbers::latticeNu2(lattice->n, lattice->k, t);
                        if (pointsNu2(n, tuplesOf(n, k, c, x0, lag, t), u64(nu2)) != nu2)
                            QFAIL(qPrintable(QStringLiteral("N = %1, k = %2, %3, lag %4, t = %5")
                                                     .arg(n).arg(k)
                                                     .arg(c ? "lcg" : "mcg").arg(lag).arg(t)));
                    }
                }
            }
        }
    }
}

void TestLattice::upTo24DimensionsAgainstFplll()
{
    // Above 8 dimensions: ν_t² against fplll's proved enumeration, f_t
    // rounded as the integer root of its exact rational power gives it,
    // and the order across dimensions against the two figures' powers
    // multiplied out, for N of every size up to 2^64.
    std::mt19937_64 random(24);
    for (int bits = 3; bits <= 64; bits += 3) {
        const Wide n = (Wide(1) << bits) - (bits % 2 ? 1 : 0);
        const numbers::SpectralOrder order(n);
        for (int i = 0; i < 2; ++i) {
            const u64 k = u64(1 + random() % u64(n - 1)) | 1;
            if (numbers::gcd(n, k) != 1)
                continue;
            const auto nu2 = numbers::latticeNu2UpTo(n, k, numbers::maxDimension);
            for (int t = 9; t <= numbers::maxDimension; ++t) {
                const Wide model = numbers::latticeNu2Arbitrary(n, k, t);
                QCOMPARE(nu2[size_t(t)], model);
                // ⌊2·10⁴·f_t⌋ = ⌊(20000^(2t)·ν^(2t)·q^t / (p^t·N²))^(1/2t)⌋, γ_t = p/q.
                const numbers::HermitePower gamma = numbers::hermite[size_t(t)];
                mpz_t num, den, part, root;
                mpz_inits(num, den, part, root, nullptr);
                mpz_set_str(num, numbers::decimal(model).c_str(), 10);
                mpz_pow_ui(num, num, unsigned(t));
                mpz_ui_pow_ui(part, 20000, 2 * unsigned(t));
                mpz_mul(num, num, part);
                mpz_ui_pow_ui(part, gamma.den, gamma.power);
                mpz_mul(num, num, part);
                mpz_set_str(den, numbers::decimal(n).c_str(), 10);
                mpz_mul(den, den, den);
                mpz_ui_pow_ui(part, gamma.num, gamma.power);
                mpz_mul(den, den, part);
                mpz_fdiv_q(num, num, den);
                mpz_root(root, num, 2 * unsigned(t));
                QCOMPARE(numbers::latticeFigure(model, n, t), (mpz_get_ui(root) + 1) / 2);
                mpz_clears(num, den, part, root, nullptr);
                // The least ν² of dimension t that reaches f_(t−1) is where
                // the order turns.
                const Wide least = order.least(t, nu2[size_t(t - 1)], t - 1);
                QVERIFY(order.compare(least, t, nu2[size_t(t - 1)], t - 1) >= 0);
                QVERIFY(least == 1 || order.compare(least - 1, t, nu2[size_t(t - 1)], t - 1) < 0);
            }
        }
    }
}

void TestLattice::factorsUpTo2To64_data()
{
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("factors");
    QTest::newRow("2^64") << "18446744073709551616" << "2^64";
    QTest::newRow("2^31 − 1, prime") << "2147483647" << "2147483647";
    QTest::newRow("2^31 − 2") << "2147483646" << "2·3^2·7·11·31·151·331";
    QTest::newRow("2^64 − 59, prime") << "18446744073709551557" << "18446744073709551557";
    QTest::newRow("2^64 − 1") << "18446744073709551615" << "3·5·17·257·641·65537·6700417";
    QTest::newRow("a square of a large prime") << "18446744030759878681"
                                               << "4294967291^2";
    QTest::newRow("two primes near 2^32") << "18446743979220271189"
                                          << "4294967279·4294967291";
}

void TestLattice::factorsUpTo2To64()
{
    QFETCH(QString, n);
    QFETCH(QString, factors);
    Wide value = 0;
    for (QChar digit : n)
        value = value * 10 + u64(digit.digitValue());
    QStringList parts;
    Wide product = 1;
    for (const numbers::PrimePower &power : numbers::factor(value)) {
        QString part = QString::fromStdString(numbers::decimal(power.prime));
        if (power.exponent > 1)
            part += QStringLiteral("^%1").arg(power.exponent);
        parts << part;
        for (int e = 0; e < power.exponent; ++e)
            product *= power.prime;
        QVERIFY(power.prime > (u64(1) << 32) || numbers::isPrime(u64(power.prime)));
    }
    QCOMPARE(parts.join(u'·'), factors);
    QVERIFY(product == value);
}

QTEST_GUILESS_MAIN(TestLattice)
#include "tst_lattice.moc"
