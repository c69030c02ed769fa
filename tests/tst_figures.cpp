// Every figure of a multiplier against models that know nothing of
// continued fractions: brute force over the lattice and the occupied circle
// for every pair up to N = 120, and for random pairs of larger N the
// Gauss–Lagrange reduction (ν₂²), a scan of every multiple (Zaremba) and a
// sorted set of gaps (gap ratio); and the moduli people use, up to 2^64.

#include "numbers/figures.h"
#include "numbers/threegaps.h"
#include "recordwalk.h"

#include <QTest>

#include <cmath>
#include <numeric>
#include <random>
#include <map>
#include <set>

using numbers::Ratio;
using numbers::u64;
using numbers::Wide;

Q_DECLARE_METATYPE(Wide)

namespace {

struct Model {
    Wide nu2;
    u64 zaremba;
    Ratio gapRatio;
};

// The lattice y ≡ k·x (mod N) point by point: for 0 < x < N the nearest y
// is the shortest, points with x = 0 or x = N lie N away, and points with
// |x| > N further still. The gaps of the circle after each step, read off
// the occupied positions.
Model bruteForce(u64 n, u64 k)
{
    Model model{Wide(n) * n, n, {1, 1}};
    for (u64 x = 1; x < n; ++x) {
        const u64 r = x * k % n;
        const u64 y = std::min(r, n - r);
        model.nu2 = std::min(model.nu2, Wide(x) * x + Wide(y) * y);
        model.zaremba = std::min(model.zaremba, x * y);
    }
    std::vector<bool> occupied(n, false);
    occupied[0] = true;
    for (u64 i = 1; i < n; ++i) {
        occupied[i * k % n] = true;
        u64 shortest = n, longest = 0, gap = 0;
        for (u64 p = 1; p <= n; ++p) {
            ++gap;
            if (occupied[p % n]) {
                shortest = std::min(shortest, gap);
                longest = std::max(longest, gap);
                gap = 0;
            }
        }
        model.gapRatio = std::max(model.gapRatio, Ratio{longest, shortest});
    }
    return model;
}

// Gauss–Lagrange reduction of the basis (0, N), (1, k): exact in signed
// 128 bits while N < 2^62.
Wide gaussShortest(u64 n, u64 k)
{
    using I = __int128;
    struct V {
        I x, y;
    };
    const auto norm = [](const V &v) { return v.x * v.x + v.y * v.y; };
    const auto roundedQuotient = [](I p, I q) { // q > 0
        I twice = 2 * p + q, denominator = 2 * q;
        I quotient = twice / denominator;
        return twice % denominator < 0 ? quotient - 1 : quotient;
    };
    V a{1, I(k)}, b{0, I(n)};
    for (;;) {
        if (norm(b) < norm(a))
            std::swap(a, b);
        const I mu = roundedQuotient(a.x * b.x + a.y * b.y, norm(a));
        if (mu == 0)
            return Wide(norm(a));
        b = {b.x - mu * a.x, b.y - mu * a.y};
    }
}

// The gap ratio kept in a sorted set of positions and a multiset of gaps.
Ratio gapsInASet(u64 n, u64 k)
{
    std::set<u64> positions{0};
    std::multiset<u64> gaps{n};
    Ratio largest{1, 1};
    for (u64 i = 1; i < n; ++i) {
        const u64 p = i * k % n;
        const auto next = positions.upper_bound(p);
        const u64 after = next == positions.end() ? n : *next;
        const u64 before = *std::prev(next);
        gaps.erase(gaps.find(after - before));
        gaps.insert(p - before);
        gaps.insert(after - p);
        positions.insert(p);
        largest = std::max(largest, Ratio{*gaps.rbegin(), *gaps.begin()});
    }
    return largest;
}

u64 zarembaScan(u64 n, u64 k)
{
    u64 least = n;
    for (u64 x = 1; x < n; ++x) {
        const u64 r = x * k % n;
        least = std::min(least, x * std::min(r, n - r));
    }
    return least;
}

// f₂ in floating point, for a check of the exact rounding.
double spectralEstimate(Wide nu2, Wide n)
{
    return std::sqrt(double(nu2)) / (std::pow(4.0 / 3.0, 0.25) * std::sqrt(double(n)));
}

QString text(Wide value)
{
    return QString::fromStdString(numbers::decimal(value));
}

QString decimal(Wide tenThousandths)
{
    return QString::fromStdString(numbers::fourDecimals(tenThousandths));
}

constexpr Wide twoTo64 = Wide(1) << 64;

} // namespace

class TestFigures : public QObject
{
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void everyPairUpTo120AgainstBruteForce();
    void randomPairsAgainstIndependentModels();
    void commonDivisorIsRefused();
    void modulusTwoTo64();
    void threeGapsAgainstSortedPositions();
    void convergentsAndTheGoldenPattern();
    void nearestFibonacciEverywhere();
    void generatorsPeopleUse_data();
    void generatorsPeopleUse();
};

void TestFigures::workedExamples_data()
{
    QTest::addColumn<u64>("n");
    QTest::addColumn<u64>("k");
    QTest::addColumn<QString>("sum");
    QTest::addColumn<QString>("share");
    QTest::addColumn<QString>("fraction");
    QTest::addColumn<QString>("largest");
    QTest::addColumn<QString>("nu2");
    QTest::addColumn<QString>("f2");
    QTest::addColumn<u64>("zaremba");
    QTest::addColumn<QString>("gapRatio");

    // 21, 8: the window's start values, "8: 38", against an equidistant row
    // of 49. The lattice's shortest vector is (3, 3): 3·8 = 24 ≡ 3. The
    // gaps after step 2 (positions 0, 8, 16) are 8, 8 and 5; after step 19
    // they are 1, 2 and 3 = 1 + 2 once: the ratio 3.
    QTest::newRow("N = 21, k = 8") << u64(21) << u64(8) << "38" << "0.7755"
                                   << "[0; 2, 1, 1, 1, 2]" << "2" << "18" << "0.8616" << u64(8)
                                   << "3.0000";
    QTest::newRow("mirror k = 13") << u64(21) << u64(13) << "38" << "0.7755"
                                   << "[0; 1, 1, 1, 1, 1, 2]" << "2" << "18" << "0.8616"
                                   << u64(8) << "3.0000";
    // 7, 3: (2, −1) has 2·3 = 6 ≡ −1, so ν₂² = 5 and ρ = 2; after step 2
    // the gaps are 3, 3 and 1.
    QTest::newRow("N = 7, k = 3") << u64(7) << u64(3) << "8" << "0.8889" << "[0; 2, 3]" << "3"
                                  << "5" << "0.7865" << u64(2) << "3.0000";
    QTest::newRow("N = 2, k = 1") << u64(2) << u64(1) << "1" << "1.0000" << "[0; 2]" << "2" << "2"
                                  << "0.9306" << u64(1) << "1.0000";
    // k = 1 fills one side: after step 1 the gaps are 1 and 9.
    QTest::newRow("k = 1 fills one side") << u64(10) << u64(1) << "9" << "0.5294" << "[0; 10]"
                                          << "10" << "2" << "0.4162" << u64(1) << "9.0000";
    // Consecutive Fibonacci numbers: the golden ratio's quotients; the
    // shortest vector is (5, 8), 5·55 = 275 ≡ 8, with ν₂² = 25 + 64 = N.
    QTest::newRow("Fibonacci 89, 55") << u64(89) << u64(55) << "235" << "0.7253"
                                      << "[0; 1, 1, 1, 1, 1, 1, 1, 1, 2]" << "2" << "89"
                                      << "0.9306" << u64(34) << "3.0000";
}

void TestFigures::workedExamples()
{
    QFETCH(u64, n);
    QFETCH(u64, k);
    QFETCH(QString, sum);
    QFETCH(QString, share);
    QFETCH(QString, fraction);
    QFETCH(QString, largest);
    QFETCH(QString, nu2);
    QFETCH(QString, f2);
    QFETCH(u64, zaremba);
    QFETCH(QString, gapRatio);
    const numbers::Figures f = numbers::figures(n, k, numbers::EquidistantRow(n));
    QCOMPARE(text(f.sum), sum);
    QCOMPARE(decimal(f.share), share);
    QCOMPARE(QString::fromStdString(numbers::continuedFractionText(f.quotients)), fraction);
    QCOMPARE(text(f.largest), largest);
    QCOMPARE(text(f.nu2), nu2);
    QCOMPARE(decimal(f.f2), f2);
    QCOMPARE(f.zaremba, zaremba);
    QCOMPARE(decimal(numbers::tenThousandths(f.gapRatio)), gapRatio);
}

void TestFigures::everyPairUpTo120AgainstBruteForce()
{
    for (u64 n = 2; n <= 120; ++n) {
        for (u64 k = 1; k < n; ++k) {
            Wide plane = 0;
            const bool coprime = std::gcd(n, k) == 1;
            QCOMPARE(numbers::planeNu2(Wide(n), k, plane), coprime);
            if (!coprime)
                continue;
            const QString pair = QStringLiteral("N = %1, k = %2").arg(n).arg(k);
            numbers::Measures m;
            QVERIFY(numbers::measure(n, k, m));
            const Model model = bruteForce(n, k);
            if (m.nu2 != model.nu2 || plane != model.nu2 || m.zaremba != model.zaremba
                || !(m.gapRatio == model.gapRatio))
                QFAIL(qPrintable(pair));
            // Partial quotients: the largest of k/N, and of its mirror.
            const auto quotients = numbers::continuedFraction(k, n);
            const auto mirrored = numbers::continuedFraction(n - k, n);
            if (m.largest != numbers::largestQuotient(quotients)
                || m.mirrorLargest != numbers::largestQuotient(mirrored))
                QFAIL(qPrintable(pair + QStringLiteral(": largest quotient")));
            Wide sum = 0;
            QVERIFY(numbers::spreadSum(n, k, sum));
            QCOMPARE(m.sum, sum);
            // f₂ rounded half up, and never above 1.
            const u64 f2 = numbers::spectralTenThousandths(m.nu2, n);
            const double estimate = spectralEstimate(m.nu2, n) * 10000;
            if (std::abs(double(f2) - estimate) > 0.5 + 1e-9 || f2 > 10000)
                QFAIL(qPrintable(pair + QStringLiteral(": f2 %1, estimate %2").arg(f2).arg(estimate)));
        }
    }
}

void TestFigures::randomPairsAgainstIndependentModels()
{
    std::mt19937_64 random(20261209);
    for (int pairs = 0; pairs < 400;) {
        // N from a few thousand to 2^62, spread over the orders of magnitude.
        const u64 n = 2000 + (random() >> (2 + random() % 50));
        const u64 k = 1 + random() % (n - 1);
        if (std::gcd(n, k) != 1)
            continue;
        ++pairs;
        numbers::Measures m;
        QVERIFY(numbers::measure(n, k, m));
        QCOMPARE(m.nu2, gaussShortest(n, k));
        if (n <= 1'000'000)
            QCOMPARE(m.zaremba, zarembaScan(n, k));
        if (n <= 200'000)
            QVERIFY(m.gapRatio == gapsInASet(n, k));
        QCOMPARE(m.largest, numbers::largestQuotient(numbers::continuedFraction(k, n)));
        const double f2 = spectralEstimate(m.nu2, n) * 10000;
        QVERIFY(std::abs(double(numbers::spectralTenThousandths(m.nu2, n)) - f2) <= 0.5 + 1e-6);
        // The mirror shares every figure but the largest quotient.
        numbers::Measures mirror;
        QVERIFY(numbers::measure(n, n - k, mirror));
        QCOMPARE(mirror.sum, m.sum);
        QCOMPARE(mirror.nu2, m.nu2);
        QCOMPARE(mirror.zaremba, m.zaremba);
        QVERIFY(mirror.gapRatio == m.gapRatio);
        QCOMPARE(mirror.largest, m.mirrorLargest);
    }
}

void TestFigures::commonDivisorIsRefused()
{
    numbers::Measures m;
    for (auto [n, k] : {std::pair<Wide, u64>{21, 6}, {4, 2}, {200, 8}, {twoTo64, 1ull << 40}})
        QVERIFY(!numbers::measure(n, k, m));
}

void TestFigures::modulusTwoTo64()
{
    // Multiplicative hashing with 64-bit words: the golden-ratio constant
    // ⌊2^64/φ⌋ rounded to odd. Its first 44 partial quotients are 1, as the
    // golden ratio's; then the rounding shows, with one quotient of 121.
    // They are small, so the record walk is short.
    const u64 golden = 11400714819323198485ull;
    numbers::Measures m;
    QVERIFY(numbers::measure(twoTo64, golden, m));
    QCOMPARE(m.sum, recordWalk(twoTo64, golden));
    QVERIFY(m.sum > twoTo64);
    QCOMPARE(m.largest, Wide(121));

    // The equidistant sum at 2^64 steps past 2^64 − 1 by the number of
    // divisors of 2^64: 65.
    QCOMPARE(numbers::divisorSum(twoTo64) - numbers::divisorSum(twoTo64 - 1), Wide(65));

    // k = 1: one partial quotient of 2^64 itself, the gaps 1 and 2^64 − 1.
    const numbers::Figures one = numbers::figures(twoTo64, u64(1), numbers::EquidistantRow(twoTo64));
    QCOMPARE(text(one.largest), QStringLiteral("18446744073709551616"));
    QCOMPARE(one.sum, twoTo64 - 1);
    QCOMPARE(one.nu2, Wide(2));
    QCOMPARE(one.zaremba, u64(1));
    QCOMPARE(decimal(numbers::tenThousandths(one.gapRatio)),
             QStringLiteral("18446744073709551615.0000"));

    // Random multipliers: the sum by two routes, the mirror's figures.
    std::mt19937_64 random(64);
    for (int i = 0; i < 200; ++i) {
        const u64 k = random() | 1;
        QVERIFY(numbers::measure(twoTo64, k, m));
        Wide sum = 0;
        QVERIFY(numbers::spreadSum(twoTo64, k, sum));
        QCOMPARE(m.sum, sum);
        numbers::Measures mirror;
        QVERIFY(numbers::measure(twoTo64, u64(twoTo64 - k), mirror));
        QCOMPARE(mirror.nu2, m.nu2);
        QCOMPARE(mirror.largest, m.mirrorLargest);
        QVERIFY(numbers::spectralTenThousandths(m.nu2, twoTo64) <= 10000);
    }
}

void TestFigures::threeGapsAgainstSortedPositions()
{
    // Every pair up to N = 200, every step: the lengths and counts read off
    // the running minima against the occupied positions kept sorted, and the
    // steps with a new shortest gap against those where it shrank.
    for (u64 n = 2; n <= 200; ++n) {
        for (u64 k = 1; k < n; ++k) {
            if (std::gcd(n, k) != 1)
                continue;
            std::set<u64> positions{0};
            std::map<u64, u64> counts{{n, 1}};
            numbers::Occupation steps(n, k);
            std::vector<u64> shrank;
            u64 shortest = n;
            for (u64 i = 1; i < n; ++i) {
                steps.advance();
                const u64 p = i * k % n;
                const auto next = positions.upper_bound(p);
                const u64 after = next == positions.end() ? n : *next;
                const u64 before = *std::prev(next);
                if (--counts[after - before] == 0)
                    counts.erase(after - before);
                ++counts[p - before];
                ++counts[after - p];
                positions.insert(p);
                if (counts.begin()->first < shortest) {
                    shortest = counts.begin()->first;
                    if (i > 1)
                        shrank.push_back(i);
                }
                const numbers::Gaps gaps = numbers::gapsOf(steps);
                std::vector<std::pair<u64, u64>> got;
                for (int g = 0; g < gaps.size; ++g)
                    got.push_back({gaps.lengths[size_t(g)].length, gaps.lengths[size_t(g)].count});
                if (got != std::vector<std::pair<u64, u64>>(counts.begin(), counts.end()))
                    QFAIL(qPrintable(QStringLiteral("N = %1, k = %2, step %3").arg(n).arg(k).arg(i)));
            }
            std::vector<u64> marked;
            const auto quotients = numbers::continuedFraction(k, n);
            const auto newShortest = numbers::newShortestGaps(n, k);
            for (size_t j = 0; j < newShortest.size(); ++j) {
                marked.push_back(newShortest[j].step);
                QCOMPARE(newShortest[j].quotient, quotients[j + 1]);
            }
            // Step 1 sets the first shortest gap; q₀ = 1 is not listed when
            // a₁ = 1 repeats it.
            marked.erase(std::remove(marked.begin(), marked.end(), u64(1)), marked.end());
            if (marked != shrank)
                QFAIL(qPrintable(QStringLiteral("new shortest gaps of N = %1, k = %2").arg(n).arg(k)));
        }
    }
}

void TestFigures::convergentsAndTheGoldenPattern()
{
    // Every coprime pair up to 300: the convergents end at k/N, their
    // denominators grow, neighbours differ by ±1 in p·q' − p'·q, and each
    // is the fraction of the quotients up to it. The pattern breaks exactly
    // where a quotient other than 1 stands that is not a final 2.
    for (u64 n = 2; n <= 300; ++n) {
        for (u64 k = 1; k < n; ++k) {
            if (std::gcd(n, k) != 1)
                continue;
            const auto quotients = numbers::continuedFraction(k, n);
            const auto c = numbers::convergents(quotients);
            QCOMPARE(c.size() + 1, quotients.size());
            QCOMPARE(u64(c.back().p), k);
            QCOMPARE(u64(c.back().q), n);
            for (size_t j = 1; j < c.size(); ++j) {
                QVERIFY(c[j].q > c[j - 1].q || (j == 1 && c[j].q == c[j - 1].q));
                const auto cross = __int128(c[j].p * c[j - 1].q) - __int128(c[j - 1].p * c[j].q);
                QVERIFY(cross == 1 || cross == -1);
            }
            size_t firstOther = 0;
            for (size_t j = 1; j < quotients.size() && !firstOther; ++j)
                firstOther = quotients[j] != 1 ? j : 0;
            const bool golden = firstOther + 1 == quotients.size() && quotients.back() == 2;
            const auto broken = numbers::goldenPatternBreak(n, k);
            QCOMPARE(broken.has_value(), !golden);
            if (broken) {
                QCOMPARE(broken->index, firstOther);
                QCOMPARE(broken->quotient, quotients[firstOther]);
                QCOMPARE(Wide(broken->step), firstOther == 1 ? Wide(1) : c[firstOther - 2].q);
            }
        }
    }
    // 123/200 ≈ 200/φ: the 2 in fifth place, from step 5 on.
    const auto broken = numbers::goldenPatternBreak(200, 123);
    QVERIFY(broken && broken->index == 5 && broken->quotient == 2 && broken->step == 5);
}

void TestFigures::nearestFibonacciEverywhere()
{
    std::vector<u64> fibonacci{1, 2};
    while (fibonacci.back() < 200'000)
        fibonacci.push_back(fibonacci.back() + fibonacci[fibonacci.size() - 2]);
    for (u64 n = 2; n <= 100'000; ++n) {
        size_t best = 1;
        for (size_t i = 1; i < fibonacci.size() && fibonacci[i] <= 100'000; ++i) {
            const u64 d = fibonacci[i] > n ? fibonacci[i] - n : n - fibonacci[i];
            const u64 e = fibonacci[best] > n ? fibonacci[best] - n : n - fibonacci[best];
            if (d < e)
                best = i;
        }
        const numbers::FibonacciPair pair = numbers::nearestFibonacci(n, 100'000);
        if (pair.n != fibonacci[best] || pair.k != fibonacci[best - 1])
            QFAIL(qPrintable(QStringLiteral("N = %1").arg(n)));
    }
    QCOMPARE(numbers::nearestFibonacci(200, 100'000).n, u64(233));
    QCOMPARE(numbers::nearestFibonacci(200, 100'000).k, u64(144));
}

void TestFigures::generatorsPeopleUse_data()
{
    // ν₂² as Knuth's spectral test table has it, and by a Gauss–Lagrange
    // reduction in arbitrary precision (Python) for the 64-bit one.
    QTest::addColumn<Wide>("n");
    QTest::addColumn<u64>("k");
    QTest::addColumn<QString>("nu2");
    QTest::addColumn<QString>("f2");
    const Wide prime31 = (Wide(1) << 31) - 1;
    QTest::newRow("MINSTD 16807") << prime31 << u64(16807) << "282475250" << "0.3375";
    QTest::newRow("MINSTD 48271") << prime31 << u64(48271) << "1990735345" << "0.8960";
    QTest::newRow("Numerical Recipes 1664525") << (Wide(1) << 32) << u64(1664525) << "4938916874"
                                               << "0.9979";
    QTest::newRow("32-bit golden hash") << (Wide(1) << 32) << u64(2654435769u) << "3606635378"
                                        << "0.8528";
    QTest::newRow("64-bit golden hash") << twoTo64 << u64(11400714819323198485ull)
                                        << "8830711942274225978" << "0.6439";
}

void TestFigures::generatorsPeopleUse()
{
    QFETCH(Wide, n);
    QFETCH(u64, k);
    QFETCH(QString, nu2);
    QFETCH(QString, f2);
    const numbers::Figures f = numbers::figures(n, k, numbers::EquidistantRow(n));
    QCOMPARE(text(f.nu2), nu2);
    QCOMPARE(decimal(f.f2), f2);
}

QTEST_GUILESS_MAIN(TestFigures)
#include "tst_figures.moc"
