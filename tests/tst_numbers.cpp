// The number engine on its own: the steps' running minima against a search
// for the nearest occupied neighbours, the closed-form sum against the steps
// (and, past 64 bits, against a record-by-record walk), the continued
// fraction, the equidistant row and the ranking.

#include "numbers/ranking.h"
#include "numbers/spread.h"

#include <QTest>

#include <algorithm>
#include <numeric>
#include <random>

using numbers::u64;
using numbers::Wide;

Q_DECLARE_METATYPE(std::vector<u64>)

namespace {

// The occupation as the window first did it: mark each position and look
// for the nearest marked one on each side.
struct Searched {
    std::vector<u64> backward, forward;
};

Searched searchNeighbours(u64 n, u64 k)
{
    Searched result;
    std::vector<bool> occupied(n, false);
    occupied[0] = true;
    u64 position = 0;
    for (u64 i = 1; i < n; ++i) {
        position = (position + k) % n;
        occupied[position] = true;
        u64 forward = 1, backward = 1;
        while (!occupied[(position + forward) % n])
            ++forward;
        while (!occupied[(position + n - backward) % n])
            ++backward;
        result.backward.push_back(backward);
        result.forward.push_back(forward);
    }
    return result;
}

Wide stepSum(u64 n, u64 k)
{
    numbers::Occupation steps(n, k);
    Wide sum = 0;
    for (u64 i = 1; i < n; ++i) {
        steps.advance();
        sum += steps.minimal();
    }
    return sum;
}

// One record at a time: the side with the larger value drops by the
// smaller one at step m_b + m_f. Cost grows with the partial quotients, so
// it checks the closed form on huge N whose quotients are small.
Wide recordWalk(u64 n, u64 k)
{
    u64 b = k, f = n - k, mb = 1, mf = 1, from = 1;
    Wide sum = 0;
    while (b != 1 && f != 1) {
        const u64 next = mb + mf;
        sum += Wide(std::min(b, f)) * (next - from);
        from = next;
        if (b < f) {
            f -= b;
            mf = next;
        } else {
            b -= f;
            mb = next;
        }
    }
    return sum + (n - from);
}

Wide directDivisorSum(u64 n)
{
    u64 root = 1;
    while (Wide(root + 1) * (root + 1) <= n)
        ++root;
    Wide points = 0;
    for (u64 x = 1; x <= root; ++x)
        points += n / x;
    return 2 * points - Wide(root) * root;
}

} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void stepsAreTheNearestNeighboursUpTo200();
    void closedFormEqualsStepsOnRandomPairs();
    void closedFormPast64Bits();
    void commonDivisorIsRefused_data();
    void commonDivisorIsRefused();
    void equidistantRow();
    void shareAndFractionTexts();
    void rankingAgainstSortedSums();
    void rankingOfLargerNKeepsMirrorPairsTogether();
};

void TestNumbers::workedExamples_data()
{
    QTest::addColumn<u64>("n");
    QTest::addColumn<u64>("k");
    QTest::addColumn<QString>("sum");
    QTest::addColumn<QString>("share");
    QTest::addColumn<QString>("fraction");
    QTest::addColumn<u64>("largest");

    // 21, 8: the window's start values, "8: 38", against an equidistant
    // row of 49.
    QTest::newRow("N = 21, k = 8") << u64(21) << u64(8) << "38" << "0.7755"
                                   << "[0; 2, 1, 1, 1, 2]" << u64(2);
    QTest::newRow("mirror k = 13") << u64(21) << u64(13) << "38" << "0.7755"
                                   << "[0; 1, 1, 1, 1, 1, 2]" << u64(2);
    QTest::newRow("N = 7, k = 3") << u64(7) << u64(3) << "8" << "0.8889" << "[0; 2, 3]" << u64(3);
    QTest::newRow("N = 2, k = 1") << u64(2) << u64(1) << "1" << "1.0000" << "[0; 2]" << u64(2);
    QTest::newRow("k = 1 fills one side") << u64(10) << u64(1) << "9" << "0.5294" << "[0; 10]"
                                          << u64(10);
    QTest::newRow("Fibonacci 89, 55") << u64(89) << u64(55) << "235" << "0.7253"
                                      << "[0; 1, 1, 1, 1, 1, 1, 1, 1, 2]" << u64(2);
}

void TestNumbers::workedExamples()
{
    QFETCH(u64, n);
    QFETCH(u64, k);
    QFETCH(QString, sum);
    QFETCH(QString, share);
    QFETCH(QString, fraction);
    QFETCH(u64, largest);
    const numbers::Figures f = numbers::figures(n, k, numbers::equidistantSum(n));
    QCOMPARE(QString::fromStdString(numbers::decimal(f.sum)), sum);
    QCOMPARE(QString::fromStdString(numbers::shareText(f.share)), share);
    QCOMPARE(QString::fromStdString(numbers::continuedFractionText(f.quotients)), fraction);
    QCOMPARE(f.largest, largest);
    QCOMPARE(f.sum, stepSum(n, k));
}

void TestNumbers::stepsAreTheNearestNeighboursUpTo200()
{
    for (u64 n = 2; n <= 200; ++n) {
        for (u64 k = 1; k < n; ++k) {
            if (std::gcd(n, k) != 1)
                continue;
            const Searched searched = searchNeighbours(n, k);
            numbers::Occupation steps(n, k);
            Wide sum = 0;
            for (u64 i = 1; i < n; ++i) {
                steps.advance();
                QCOMPARE(steps.step(), i);
                QCOMPARE(steps.position(), i * k % n);
                if (steps.backward() != searched.backward[i - 1]
                    || steps.forward() != searched.forward[i - 1])
                    QFAIL(qPrintable(QStringLiteral("N = %1, k = %2, step %3").arg(n).arg(k).arg(i)));
                sum += std::min(searched.backward[i - 1], searched.forward[i - 1]);
            }
            Wide closed = 0;
            QVERIFY(numbers::spreadSum(n, k, closed));
            QCOMPARE(closed, sum);
            // The permutation row: position i·k mod N was occupied as step i + 1.
            const std::vector<u64> byPosition = numbers::stepsByPosition(n, k);
            for (u64 i = 0; i < n; ++i) {
                if (byPosition[i * k % n] != i + 1)
                    QFAIL(qPrintable(QStringLiteral("permutation of N = %1, k = %2").arg(n).arg(k)));
            }
        }
    }
}

void TestNumbers::closedFormEqualsStepsOnRandomPairs()
{
    std::mt19937_64 random(20261209);
    int pairs = 0;
    while (pairs < 300) {
        const u64 n = 2 + random() % 999'999;
        const u64 k = 1 + random() % (n - 1);
        if (std::gcd(n, k) != 1)
            continue;
        ++pairs;
        Wide wide = 0;
        u64 narrow = 0;
        QVERIFY(numbers::spreadSum(n, k, wide));
        QVERIFY(numbers::spreadSum(n, k, narrow));
        const Wide steps = stepSum(n, k);
        QCOMPARE(wide, steps);
        QCOMPARE(Wide(narrow), steps);
        Wide mirrored = 0;
        QVERIFY(numbers::spreadSum(n, n - k, mirrored));
        QCOMPARE(mirrored, steps);
    }
}

void TestNumbers::closedFormPast64Bits()
{
    // Near 10^18, multipliers close to N/φ have small partial quotients:
    // the record walk stays short and the sum passes 2^64.
    const u64 n = 1'000'000'000'000'000'000;
    int checked = 0;
    Wide largest = 0;
    for (u64 k = 618'033'988'749'894'848; checked < 20; ++k) {
        if (std::gcd(n, k) != 1)
            continue;
        ++checked;
        Wide sum = 0;
        QVERIFY(numbers::spreadSum(n, k, sum));
        QCOMPARE(sum, recordWalk(n, k));
        largest = std::max(largest, sum);
        Wide mirrored = 0;
        QVERIFY(numbers::spreadSum(n, n - k, mirrored));
        QCOMPARE(mirrored, sum);
        const u64 share = numbers::shareTenThousandths(sum, numbers::equidistantSum(n));
        QVERIFY(share > 0 && share < 10000);
    }
    QVERIFY(largest > Wide(std::numeric_limits<u64>::max()));
}

void TestNumbers::commonDivisorIsRefused_data()
{
    QTest::addColumn<u64>("n");
    QTest::addColumn<u64>("k");
    QTest::newRow("21, 6") << u64(21) << u64(6);
    QTest::newRow("4, 2: equal sides") << u64(4) << u64(2);
    QTest::newRow("200, 8") << u64(200) << u64(8);
    QTest::newRow("10^18, 5·10^17") << u64(1'000'000'000'000'000'000)
                                    << u64(500'000'000'000'000'000);
}

void TestNumbers::commonDivisorIsRefused()
{
    QFETCH(u64, n);
    QFETCH(u64, k);
    Wide sum = 0;
    QVERIFY(!numbers::spreadSum(n, k, sum));
}

void TestNumbers::equidistantRow()
{
    // ⌊21/j⌋ for j = 2 … 21: 10 7 5 4 3 3 2 2 2 and eleven 1s.
    QCOMPARE(numbers::equidistantSum(21), Wide(49));
    QCOMPARE(numbers::equidistantSum(2), Wide(1));
    // The walk along the hyperbola against the direct sum, on both sides
    // of the size where it takes over.
    for (u64 n = 1; n < 3000; ++n)
        QCOMPARE(numbers::divisorSum(n), directDivisorSum(n));
    std::mt19937_64 random(7);
    for (int i = 0; i < 60; ++i) {
        const u64 n = (u64(1) << 20) + random() % 1'000'000'000'000;
        QCOMPARE(numbers::divisorSum(n), directDivisorSum(n));
    }
    for (u64 n : {u64(1) << 20, (u64(1) << 20) - 1, u64(1'000'000'000'000'000)})
        QCOMPARE(numbers::divisorSum(n), directDivisorSum(n));
    // Dirichlet: N·(ln N + 2γ − 1) within O(√N).
    const u64 big = 1'000'000'000'000'000'000;
    const double estimate = 1e18 * (std::log(1e18) + 2 * 0.5772156649 - 1);
    QVERIFY(std::abs(double(numbers::divisorSum(big)) - estimate) < 1e10);
}

void TestNumbers::shareAndFractionTexts()
{
    QCOMPARE(numbers::shareText(7755), std::string("0.7755"));
    QCOMPARE(numbers::shareText(7755, ','), std::string("0,7755"));
    QCOMPARE(numbers::shareText(10000), std::string("1.0000"));
    QCOMPARE(numbers::shareText(5), std::string("0.0005"));
    // Rounded half up: 1/8 of the way is 0.125 → 1250; 2/3 → 6667.
    QCOMPARE(numbers::shareTenThousandths(2, 3), u64(6667));
    QCOMPARE(numbers::shareTenThousandths(1, 40000), u64(0));
    QCOMPARE(numbers::shareTenThousandths(1, 20000), u64(1));
    QCOMPARE(numbers::continuedFraction(8, 21), (std::vector<u64>{0, 2, 1, 1, 1, 2}));
    QCOMPARE(numbers::largestQuotient({0, 2, 1, 1, 1, 2}), u64(2));
    QCOMPARE(numbers::decimal(Wide(0)), std::string("0"));
    QCOMPARE(numbers::decimal(Wide(std::numeric_limits<u64>::max()) * 10 + 9),
             std::string("184467440737095516159"));
}

void TestNumbers::rankingAgainstSortedSums()
{
    for (u64 n = 2; n <= 150; ++n) {
        std::vector<numbers::Ranked> expected;
        for (u64 k = 1; k < n; ++k) {
            if (std::gcd(n, k) == 1)
                expected.push_back({0, k, u64(stepSum(n, k))});
        }
        std::sort(expected.begin(), expected.end(), [](const auto &a, const auto &b) {
            return a.sum > b.sum || (a.sum == b.sum && a.k < b.k);
        });
        for (size_t i = 0; i < expected.size(); ++i)
            expected[i].rank = i > 0 && expected[i].sum == expected[i - 1].sum
                    ? expected[i - 1].rank
                    : i + 1;

        for (u64 top : {u64(1), u64(2), u64(3), u64(7), numbers::everyMultiplier}) {
            for (unsigned threads : {1u, 2u}) {
                const auto ranked = numbers::ranking(n, top, {}, threads);
                QCOMPARE(ranked.size(), std::min<size_t>(top, expected.size()));
                for (size_t i = 0; i < ranked.size(); ++i) {
                    if (ranked[i].k != expected[i].k || ranked[i].rank != expected[i].rank
                        || ranked[i].sum != expected[i].sum)
                        QFAIL(qPrintable(QStringLiteral("N = %1, top %2, row %3")
                                                 .arg(n)
                                                 .arg(top)
                                                 .arg(i)));
                }
            }
        }
    }
}

void TestNumbers::rankingOfLargerNKeepsMirrorPairsTogether()
{
    // Past one block of work, with both threads, the top of a large N is
    // the top of the whole ranking, ranks shared by equal sums.
    const u64 n = 1'000'003; // prime: every k counts
    const auto whole = numbers::ranking(n, numbers::everyMultiplier, {}, 2);
    QCOMPARE(whole.size(), size_t(n - 1));
    const auto top = numbers::ranking(n, 9, {}, 2);
    QCOMPARE(top.size(), size_t(9));
    for (size_t i = 0; i < top.size(); ++i) {
        QCOMPARE(top[i].k, whole[i].k);
        QCOMPARE(top[i].rank, whole[i].rank);
    }
    // The best sum is shared by k, its inverse k⁻¹ (the same gaps, the
    // permutation read backwards) and both mirrors: k < k⁻¹ < N − k⁻¹ < N − k.
    QCOMPARE(whole[3].rank, u64(1));
    QCOMPARE(whole[4].rank, u64(5));
    QCOMPARE(whole[0].k + whole[3].k, n);
    QCOMPARE(whole[1].k + whole[2].k, n);
    QCOMPARE(Wide(whole[0].k) * whole[1].k % n == 1 || Wide(whole[0].k) * whole[1].k % n == n - 1,
             true);
    QCOMPARE(whole.back().k, n - 1); // k = 1 and N − 1 fill one side only
    QCOMPARE(whole.back().sum, n - 1);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
