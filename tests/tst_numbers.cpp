// The number engine on its own: the steps' running minima against a search
// for the nearest occupied neighbours, the closed-form sum against the steps
// (and, past 64 bits, against a record-by-record walk), the continued
// fraction, the equidistant row and the ranking.

#include "search/multiplierranking.h"
#include "search/standing.h"
#include "numbers/period.h"
#include "search/runs.h"
#include "numbers/harmonic.h"
#include "numbers/lattice.h"
#include "numbers/spread.h"
#include "recordwalk.h"

#include <gmpxx.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <system_error>

using numbers::u64;
using numbers::Wide;

Q_DECLARE_METATYPE(std::vector<u64>)
Q_DECLARE_METATYPE(numbers::Generator)

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

// Whether k has the longest period of its generator modulo a small n, by
// running it: x → k·x from 1 as long as any unit's, x → k·x + 1 from 0
// through all n residues.
bool longestPeriod(u64 n, u64 k, numbers::Generator generator)
{
    const auto order = [n](u64 a) {
        u64 x = a % n, steps = 1;
        for (; x != 1 % n && steps <= n; ++steps)
            x = x * a % n;
        return steps;
    };
    switch (generator) {
    case numbers::Generator::Any: return true;
    case numbers::Generator::Mcg: {
        u64 longest = 0;
        for (u64 a = 1; a < n; ++a)
            if (std::gcd(a, n) == 1)
                longest = std::max(longest, order(a));
        return order(k) == longest;
    }
    case numbers::Generator::Lcg: {
        u64 x = 0, steps = 0;
        do {
            x = (k * x + 1) % n;
            ++steps;
        } while (x != 0 && steps <= n);
        return steps == n;
    }
    }
    return false;
}

} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void stepsAreTheNearestNeighboursUpTo200();
    void closedFormEqualsStepsOnRandomPairs();
    void closedFormPast64Bits();
    void commonDivisorIsRefused_data();
    void commonDivisorIsRefused();
    void equidistantRow();
    void shareAndFractionTexts();
    void sharesFromTheBoundedRow();
    void rankingByEveryFigureAgainstSorting();
    void meritAndGeneratorsAgainstSorting();
    void meritInExactOrderAmongNearTies_data();
    void meritInExactOrderAmongNearTies();
    void prunedEqualsUnprunedAt2To64_data();
    void prunedEqualsUnprunedAt2To64();
    void harmonicScoreAgainstTheModel();
    void twoThreadsPastOneBlockOfWork();
    void wholeRankingThroughTemporaryFiles_data();
    void wholeRankingThroughTemporaryFiles();
    void roundingToTenThousandths();
    void standingAgainstCounting();
};

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

void TestNumbers::sharesFromTheBoundedRow()
{
    // Above 2^40 the row is known within Dirichlet's bound; every share
    // must still be the exact one. Random sums are decided by the interval
    // alone; sums at a rounding edge, E·(2j + 1)/20000 and one either side,
    // need the row itself, and get it.
    std::mt19937_64 random(40);
    std::vector<Wide> sizes{(Wide(1) << 40) - 1, (Wide(1) << 40), (Wide(1) << 64),
                            (Wide(1) << 64) - 59};
    for (int bits = 41; bits <= 62; bits += 3)
        sizes.push_back((Wide(1) << bits) + random() % (u64(1) << bits));
    for (const Wide n : sizes) {
        const Wide exact = numbers::equidistantSum(n);
        const numbers::EquidistantRow quick(n);
        // Below 2^40 the row is summed at once; from 2^40 on only bounded.
        const bool summed = n < Wide(1) << 40;
        QCOMPARE(quick.exact(), summed);
        for (int i = 0; i < 200; ++i) {
            const Wide sum = Wide(random()) * random() % exact;
            QCOMPARE(quick.share(sum), numbers::shareTenThousandths(sum, exact));
        }
        QCOMPARE(quick.exact(), summed);
        const numbers::EquidistantRow row(n);
        for (u64 j : {u64(3877), u64(0), u64(9999)}) {
            const Wide edge = (exact * (2 * j + 1) + 19999) / 20000;
            for (const Wide sum : {edge, edge - 1, edge + 1})
                QCOMPARE(row.share(sum), numbers::shareTenThousandths(sum, exact));
            QVERIFY(row.exact());
        }
    }
}

void TestNumbers::shareAndFractionTexts()
{
    QCOMPARE(numbers::fourDecimals(7755), std::string("0.7755"));
    QCOMPARE(numbers::fourDecimals(7755, ','), std::string("0,7755"));
    QCOMPARE(numbers::fourDecimals(10000), std::string("1.0000"));
    QCOMPARE(numbers::fourDecimals(5), std::string("0.0005"));
    // Rounded half up: 1/8 of the way is 0.125 → 1250; 2/3 → 6667.
    QCOMPARE(numbers::shareTenThousandths(2, 3), u64(6667));
    QCOMPARE(numbers::shareTenThousandths(1, 40000), u64(0));
    QCOMPARE(numbers::shareTenThousandths(1, 20000), u64(1));
    QCOMPARE(numbers::continuedFraction(8, 21), (std::vector<Wide>{0, 2, 1, 1, 1, 2}));
    QCOMPARE(numbers::largestQuotient(std::vector<Wide>{0, 2, 1, 1, 1, 2}), Wide(2));
    QCOMPARE(numbers::decimal(Wide(0)), std::string("0"));
    QCOMPARE(numbers::decimal(Wide(std::numeric_limits<u64>::max()) * 10 + 9),
             std::string("184467440737095516159"));
}

// The figure of merit M_T as a model apart from the engine has it: ν_t² by
// fplll, and each f_t raised to the power 1680 = 2·lcm(2, …, 8), where every
// dimension's figure is a rational,
//   f_t^1680 = (ν_t²)^840 · q_t^(840/t) / (p_t^(840/t) · N^(1680/t)), γ_t^t = p_t/q_t,
// the least of them compared as GMP rationals: no logarithm, no rounding.
mpq_class meritPower(Wide n, u64 k, int dimensions)
{
    static const std::pair<unsigned long, unsigned long> hermite[] = {
            {0, 1}, {0, 1}, {4, 3}, {2, 1}, {4, 1}, {8, 1}, {64, 3}, {64, 1}, {256, 1}};
    const mpz_class modulus(numbers::decimal(n));
    std::optional<mpq_class> least;
    for (int t = 2; t <= dimensions; ++t) {
        const mpz_class nu2(numbers::decimal(numbers::latticeNu2Arbitrary(n, k, t)));
        const auto [p, q] = hermite[t];
        const unsigned long share = 840 / unsigned(t);
        mpz_class num, den, power;
        mpz_pow_ui(num.get_mpz_t(), nu2.get_mpz_t(), 840);
        mpz_ui_pow_ui(power.get_mpz_t(), q, share);
        num *= power;
        mpz_ui_pow_ui(den.get_mpz_t(), p, share);
        mpz_pow_ui(power.get_mpz_t(), modulus.get_mpz_t(), 2 * share);
        den *= power;
        const mpq_class figure(num, den);
        if (!least || figure < *least)
            least = figure;
    }
    least->canonicalize();
    return *least;
}

// 2^bits·H_T as the model has it, to within Σ 1/(t − 1): each f_t^(2t) is
// the rational ν_t^(2t)/(γ_t^t·N²), so ⌊2^bits·f_t⌋ is the integer 2t-th
// root of ⌊2^(2t·bits)·f_t^(2t)⌋, weighted by lcm(1 … 7)/(t − 1). With
// bits = 400 two lattices of N ≤ 72 whose ν_t² differ are far apart.
mpz_class harmonicModel(Wide n, u64 k, int dimensions)
{
    static const std::pair<unsigned long, unsigned long> hermite[] = {
            {0, 1}, {0, 1}, {4, 3}, {2, 1}, {4, 1}, {8, 1}, {64, 3}, {64, 1}, {256, 1}};
    const mpz_class modulus(numbers::decimal(n));
    mpz_class sum;
    for (int t = 2; t <= dimensions; ++t) {
        const mpz_class nu2(numbers::decimal(numbers::latticeNu2Arbitrary(n, k, t)));
        mpz_class num, den, root;
        mpz_pow_ui(num.get_mpz_t(), nu2.get_mpz_t(), unsigned(t));
        num *= hermite[t].second;
        num <<= 2 * unsigned(t) * 400;
        den = modulus * modulus * hermite[t].first;
        num /= den;
        mpz_root(root.get_mpz_t(), num.get_mpz_t(), 2 * unsigned(t));
        sum += root * (420 / (t - 1));
    }
    return sum;
}

// The lagged figure as the model has it: the least f_t^1680 over the lags'
// lattices (tst_lattice checks them against the points they hold), each
// normalised by its own modulus.
mpq_class laggedModel(Wide n, u64 k, numbers::Generator generator, int dimensions)
{
    std::optional<mpq_class> least;
    for (u64 lag = 2; lag <= 8; ++lag) {
        if (const auto lattice = numbers::generatorLattice(n, k, generator, lag)) {
            const mpq_class merit = meritPower(lattice->n, lattice->k, dimensions);
            if (!least || merit < *least)
                least = merit;
        }
    }
    return least.value_or(0);
}

// Multipliers in the order of their exact M_T, the better first and equal
// values by the smaller k, with their competition ranks.
// An MCG of 2^e is judged on the lattice of its orbit (tst_lattice checks
// that lattice against the orbit's points).
std::vector<search::Ranked> rankedByExactMerit(Wide n, const std::vector<u64> &multipliers,
                                                int dimensions,
                                                numbers::Generator generator
                                                = numbers::Generator::Any,
                                                numbers::Criterion criterion
                                                = numbers::Criterion::Merit)
{
    std::vector<std::pair<mpq_class, u64>> merits;
    for (u64 k : multipliers) {
        const numbers::GeneratorLattice lattice = *numbers::generatorLattice(n, k, generator);
        switch (criterion) {
        case numbers::Criterion::Harmonic:
            merits.emplace_back(harmonicModel(lattice.n, lattice.k, dimensions), k);
            break;
        case numbers::Criterion::Lagged:
            merits.emplace_back(laggedModel(n, k, generator, dimensions), k);
            break;
        default: merits.emplace_back(meritPower(lattice.n, lattice.k, dimensions), k);
        }
    }
    std::sort(merits.begin(), merits.end(), [](const auto &a, const auto &b) {
        return a.first > b.first || (a.first == b.first && a.second < b.second);
    });
    std::vector<search::Ranked> ranked;
    for (size_t i = 0; i < merits.size(); ++i) {
        const bool tie = i > 0 && merits[i].first == merits[i - 1].first;
        ranked.push_back({tie ? ranked.back().rank : i + 1, merits[i].second});
    }
    return ranked;
}

// The ranking's order by brute force: every candidate's figure computed
// on its own (no mirror taken for another), sorted, ranked.
std::vector<search::Ranked> sortedByFigure(u64 n, numbers::Criterion criterion, u64 first,
                                            u64 last,
                                            numbers::Generator generator = numbers::Generator::Any,
                                            int dimensions = 8)
{
    struct Candidate {
        u64 k;
        Wide num, den; // the figure as a fraction, larger better
    };
    std::vector<Candidate> candidates;
    if (numbers::readsDimensions(criterion)) {
        std::vector<u64> multipliers;
        for (u64 k = first; k <= last; ++k) {
            if (std::gcd(n, k) == 1 && longestPeriod(n, k, generator))
                multipliers.push_back(k);
        }
        return rankedByExactMerit(n, multipliers, dimensions, generator, criterion);
    }
    for (u64 k = first; k <= last; ++k) {
        if (std::gcd(n, k) != 1 || !longestPeriod(n, k, generator))
            continue;
        numbers::Measures m;
        numbers::measure(n, k, m);
        const Wide largest = numbers::largestQuotient(numbers::continuedFraction(k, n));
        switch (criterion) {
        case numbers::Criterion::Sum: candidates.push_back({k, stepSum(n, k), 1}); break;
        case numbers::Criterion::Spectral: {
            const numbers::GeneratorLattice lattice = *numbers::generatorLattice(n, k, generator);
            candidates.push_back({k, numbers::latticeNu2Arbitrary(lattice.n, lattice.k, 2), 1});
            break;
        }
        case numbers::Criterion::Zaremba: candidates.push_back({k, m.zaremba, 1}); break;
        case numbers::Criterion::GapRatio:
            candidates.push_back({k, m.gapRatio.den, m.gapRatio.num});
            break;
        case numbers::Criterion::Largest: candidates.push_back({k, 1, largest}); break;
        case numbers::Criterion::Merit:
        case numbers::Criterion::Harmonic:
        case numbers::Criterion::Lagged: break;
        }
    }
    const auto compare = [](const Candidate &a, const Candidate &b) {
        return a.num * b.den <=> b.num * a.den;
    };
    std::sort(candidates.begin(), candidates.end(), [&](const auto &a, const auto &b) {
        const auto order = compare(a, b);
        return order > 0 || (order == 0 && a.k < b.k);
    });
    std::vector<search::Ranked> ranked;
    for (size_t i = 0; i < candidates.size(); ++i) {
        const bool tie = i > 0 && compare(candidates[i], candidates[i - 1]) == 0;
        ranked.push_back({tie ? ranked.back().rank : i + 1, candidates[i].k});
    }
    return ranked;
}

bool sameRanking(const std::vector<search::Ranked> &a, const std::vector<search::Ranked> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto &x, const auto &y) {
        return x.rank == y.rank && x.k == y.k;
    });
}

// The engine's ranking with each of the tops, on one thread and on two,
// against the first `top` of the sorted one: where it differs ("top 3, 2
// threads"), or nothing.
QString whereNotSorted(search::RankingQuery query, std::initializer_list<u64> tops,
                       const std::vector<search::Ranked> &sorted)
{
    for (u64 top : tops) {
        for (unsigned threads : {1u, 2u}) {
            query.top = top;
            query.threads = threads;
            const std::vector<search::Ranked> head(
                    sorted.begin(), sorted.begin() + std::min<size_t>(top, sorted.size()));
            if (!sameRanking(search::ranking(query), head))
                return QStringLiteral("top %1, %2 threads").arg(top).arg(threads);
        }
    }
    return {};
}

void TestNumbers::rankingByEveryFigureAgainstSorting()
{
    // Every figure, the whole ranking or its top, one thread or two, the
    // whole range of k or a part of it whose mirrors are partly outside.
    using numbers::Criterion;
    for (u64 n = 2; n <= 90; ++n) {
        for (Criterion criterion : {Criterion::Sum, Criterion::Spectral, Criterion::Zaremba,
                                    Criterion::GapRatio, Criterion::Largest}) {
            for (auto [first, last] : {std::pair<u64, u64>{1, n - 1}, {n / 3 + 1, n - 1 - n / 5}}) {
                if (first > last)
                    continue;
                search::RankingQuery query;
                query.n = n;
                query.criterion = criterion;
                query.first = first;
                query.last = last;
                const QString where = whereNotSorted(
                        query, {1, 3, 7, search::everyMultiplier},
                        sortedByFigure(n, criterion, first, last));
                if (!where.isEmpty())
                    QFAIL(qPrintable(QStringLiteral("N = %1, criterion %2, k %3 … %4, %5")
                                             .arg(n)
                                             .arg(int(criterion))
                                             .arg(first)
                                             .arg(last)
                                             .arg(where)));
            }
        }
    }
}

void TestNumbers::meritAndGeneratorsAgainstSorting()
{
    // The figure of merit, the harmonic score and the lagged figure, pruned
    // in a top ranking and in full in a whole one, and every criterion with
    // only the multipliers of the longest period: as sorting every
    // candidate's figure says.
    using numbers::Criterion;
    using numbers::Generator;
    for (u64 n = 2; n <= 72; ++n) {
        for (Criterion criterion : {Criterion::Merit, Criterion::Harmonic, Criterion::Lagged,
                                    Criterion::Sum, Criterion::Spectral, Criterion::Largest}) {
            for (Generator generator : {Generator::Any, Generator::Mcg, Generator::Lcg}) {
                if (!numbers::readsDimensions(criterion) && generator == Generator::Any)
                    continue; // rankingByEveryFigureAgainstSorting
                const int dimensions
                        = numbers::readsDimensions(criterion) ? int(3 + n % 4) : 8;
                search::RankingQuery query;
                query.n = n;
                query.criterion = criterion;
                query.generator = generator;
                query.dimensions = dimensions;
                const QString where = whereNotSorted(
                        query, {1, 4, search::everyMultiplier},
                        sortedByFigure(n, criterion, 1, n - 1, generator, dimensions));
                if (!where.isEmpty())
                    QFAIL(qPrintable(QStringLiteral("N = %1, criterion %2, generator %3, %4")
                                             .arg(n)
                                             .arg(int(criterion))
                                             .arg(int(generator))
                                             .arg(where)));
            }
        }
    }
}

void TestNumbers::prunedEqualsUnprunedAt2To64_data()
{
    QTest::addColumn<numbers::Criterion>("criterion");
    QTest::addColumn<numbers::Generator>("generator");
    QTest::addColumn<u64>("first");
    QTest::addColumn<int>("dimensions");
    using numbers::Criterion;
    using numbers::Generator;
    // Near 2^64/φ, where good multipliers crowd, and among 32-bit ones.
    const u64 golden = 11400714819323198000u, wide = 4294960000u;
    QTest::newRow("merit, mcg") << Criterion::Merit << Generator::Mcg << golden << 8;
    QTest::newRow("merit, 24") << Criterion::Merit << Generator::Lcg << golden << 24;
    QTest::newRow("harmonic") << Criterion::Harmonic << Generator::Any << golden << 8;
    QTest::newRow("harmonic, lcg, 32 bits") << Criterion::Harmonic << Generator::Lcg << wide << 8;
    QTest::newRow("harmonic, mcg") << Criterion::Harmonic << Generator::Mcg << golden << 8;
    QTest::newRow("harmonic, 16") << Criterion::Harmonic << Generator::Any << golden << 16;
    QTest::newRow("lagged, lcg") << Criterion::Lagged << Generator::Lcg << golden << 8;
    QTest::newRow("lagged, mcg") << Criterion::Lagged << Generator::Mcg << wide << 8;
    QTest::newRow("lagged, 12") << Criterion::Lagged << Generator::Lcg << wide << 12;
}

void TestNumbers::prunedEqualsUnprunedAt2To64()
{
    // A top ranking drops candidates as soon as they cannot get in; every
    // candidate's key computed in full and sorted (as a merge does) gives
    // the same top, on one thread and on two.
    QFETCH(numbers::Criterion, criterion);
    QFETCH(numbers::Generator, generator);
    QFETCH(u64, first);
    QFETCH(int, dimensions);
    search::RankingQuery query;
    query.n = Wide(1) << 64;
    query.criterion = criterion;
    query.generator = generator;
    query.dimensions = dimensions;
    query.first = first;
    query.last = first + 3000;
    query.top = 12;
    const numbers::PeriodFilter period(query.n, generator);
    std::vector<u64> candidates;
    for (u64 k = query.first; k <= query.last; ++k) {
        if (period.keeps(k))
            candidates.push_back(k);
    }
    const std::vector<search::Ranked> unpruned = search::rankingOf(query, candidates);
    for (unsigned threads : {1u, 2u}) {
        query.threads = threads;
        QVERIFY(sameRanking(search::ranking(query), unpruned));
    }
}

void TestNumbers::harmonicScoreAgainstTheModel()
{
    // H₈ rounded to four decimals, and the order of H₈ between neighbours,
    // as the model's 400-bit brackets give them, at 2^64 and 2^32.
    std::mt19937_64 random(8);
    for (const Wide n : {Wide(1) << 64, Wide(1) << 32}) {
        const numbers::HarmonicScore score(n, 8);
        std::vector<std::pair<mpz_class, numbers::Nu2s>> seen;
        for (int i = 0; i < 60; ++i) {
            const u64 k = u64(random() % u64(n - 1)) | 1;
            const numbers::Nu2s nu2 = numbers::latticeNu2UpTo(n, k, 8);
            const mpz_class model = harmonicModel(n, k, 8); // 2^400·420·Σ f_t/(t − 1)
            // ⌊10⁴·H + ½⌋ with H = model/(2^400·W), W = Σ 420/(t − 1) = 1089.
            mpz_class rounded = (model * 20000 + (mpz_class(1089) << 400)) / (mpz_class(2178) << 400);
            QCOMPARE(score.tenThousandths(nu2), rounded.get_ui());
            for (const auto &[other, otherNu2] : seen) {
                const int expected = model < other ? -1 : model > other ? 1 : 0;
                QCOMPARE(score.compare(nu2, otherNu2), expected);
            }
            seen.emplace_back(model, nu2);
        }
    }
}

void TestNumbers::meritInExactOrderAmongNearTies_data()
{
    QTest::addColumn<Wide>("n");
    QTest::addColumn<numbers::Generator>("generator");
    QTest::addColumn<u64>("first");
    QTest::addColumn<u64>("last");
    QTest::addColumn<std::vector<u64>>("better"); // each before the next, not tied
    // Windows of full-period multipliers where M₈ crowds: many neighbours
    // in the ranking show the same four decimals and are not equal. And
    // pairs that a ranking by the rounded value tied: M₈ = 0,6959833
    // against 0,6959705 at 2^32, and 0,7235053 against 0,7234687 at 2^64.
    // Below 2^32 a whole ranking goes through sorted runs.
    using numbers::Generator;
    QTest::newRow("2^32 near 2650545933")
            << (Wide(1) << 32) << Generator::Lcg << u64(2650541933) << u64(2650549933)
            << std::vector<u64>{2650635245, 2650545933};
    QTest::newRow("2^64 near 4292057297")
            << (Wide(1) << 64) << Generator::Lcg << u64(4292055297) << u64(4292059297)
            << std::vector<u64>{4292057297, 4292760713};
    QTest::newRow("2^31 - 1, primitive roots near 742938285")
            << Wide(2147483647) << Generator::Mcg << u64(742936285) << u64(742944285)
            << std::vector<u64>{};
}

void TestNumbers::meritInExactOrderAmongNearTies()
{
    // The ranking by M₈ of every full-period multiplier of a window, whole
    // and in tops, from the scan and from a merge, against the exact model;
    // and the pairs a rounded order got wrong, in their order.
    QFETCH(Wide, n);
    QFETCH(numbers::Generator, generator);
    QFETCH(u64, first);
    QFETCH(u64, last);
    QFETCH(std::vector<u64>, better);
    search::RankingQuery query;
    query.n = n;
    query.criterion = numbers::Criterion::Merit;
    query.generator = generator;
    query.first = first;
    query.last = last;
    // The full periods of these moduli: k ≡ 1 (mod 4) for x → k·x + c mod
    // 2^e (Hull–Dobell), and the primitive roots of the prime 2^31 − 1,
    // whose k^((p − 1)/q) ≠ 1 for each prime q of p − 1 = 2·3²·7·11·31·151·331.
    const auto fullPeriod = [&](u64 k) {
        if (generator == numbers::Generator::Lcg)
            return k % 4 == 1;
        const u64 p = u64(n);
        for (u64 q : {2, 3, 7, 11, 31, 151, 331}) {
            u64 power = 1, base = k, exponent = (p - 1) / q;
            for (; exponent; exponent >>= 1, base = base * base % p)
                if (exponent & 1)
                    power = power * base % p;
            if (power == 1)
                return false;
        }
        return true;
    };
    std::vector<u64> candidates;
    for (u64 k = first; k <= last; ++k)
        if (fullPeriod(k))
            candidates.push_back(k);
    const std::vector<search::Ranked> model = rankedByExactMerit(n, candidates, 8);

    // Ties of the rounding that are not ties: the window tests what it should.
    const numbers::EquidistantRow row(n);
    const auto rounded = [&](u64 k) {
        numbers::Figures f = numbers::figures(n, k, row);
        numbers::addDimensions(f, 8);
        return f.merit;
    };
    int roundedTies = 0;
    for (size_t i = 1; i < model.size(); ++i)
        roundedTies += model[i].rank != model[i - 1].rank
                && rounded(model[i].k) == rounded(model[i - 1].k);
    QVERIFY2(roundedTies >= 10, qPrintable(QString::number(roundedTies)));

    const u64 whole = n <= search::maxWholeRankingN ? search::everyMultiplier : model.size();
    const QString where = whereNotSorted(query, {7, 62, whole}, model);
    QVERIFY2(where.isEmpty(), qPrintable(where));
    for (u64 top : {u64(62), search::everyMultiplier}) {
        query.top = top;
        const std::vector<search::Ranked> head(
                model.begin(), model.begin() + std::min<size_t>(top, model.size()));
        QVERIFY(sameRanking(search::rankingOf(query, candidates), head));
    }

    std::vector<search::Ranked> apart;
    for (u64 k : better)
        apart.push_back({apart.size() + 1, k});
    QVERIFY(sameRanking(search::rankingOf(query, better), apart));
}

void TestNumbers::twoThreadsPastOneBlockOfWork()
{
    // 70001 candidates are three blocks of work: both threads take some.
    // Against every sum computed and sorted, and the top against the whole.
    const u64 n = 70'001;
    std::vector<std::pair<u64, u64>> sums;
    for (u64 k = 1; k < n; ++k) {
        u64 sum;
        if (numbers::spreadSum(n, k, sum))
            sums.push_back({sum, k});
    }
    std::sort(sums.begin(), sums.end(), [](const auto &a, const auto &b) {
        return a.first > b.first || (a.first == b.first && a.second < b.second);
    });
    search::RankingQuery query;
    query.n = n;
    query.threads = 2;
    const auto whole = search::ranking(query);
    QCOMPARE(whole.size(), sums.size());
    for (size_t i = 0; i < whole.size(); ++i) {
        const u64 rank = i > 0 && sums[i].first == sums[i - 1].first ? whole[i - 1].rank : i + 1;
        if (whole[i].k != sums[i].second || whole[i].rank != rank)
            QFAIL(qPrintable(QStringLiteral("row %1").arg(i)));
    }
    query.top = 9;
    QVERIFY(sameRanking(search::ranking(query), {whole.begin(), whole.begin() + 9}));

    // The best sum is shared by k, its inverse k⁻¹ (the same gaps, the
    // permutation read backwards) and both mirrors: k < k⁻¹ < N − k⁻¹ < N − k.
    QCOMPARE(whole[3].rank, u64(1));
    QCOMPARE(whole[4].rank, u64(5));
    QCOMPARE(whole[0].k + whole[3].k, n);
    QCOMPARE(whole[1].k + whole[2].k, n);
    const Wide product = Wide(whole[0].k) * whole[1].k % n;
    QVERIFY(product == 1 || product == n - 1);
}

void TestNumbers::wholeRankingThroughTemporaryFiles_data()
{
    QTest::addColumn<size_t>("budget");
    QTest::addColumn<bool>("longRuns");
    // 64 KiB on two threads: runs of 1365 entries, all read in one block.
    QTest::newRow("many short runs") << size_t(64) << false;
    // 2 MiB: runs of 43690 entries, read in a full block and a part of one.
    QTest::newRow("runs longer than a read block") << size_t(2048) << true;
}

void TestNumbers::wholeRankingThroughTemporaryFiles()
{
    // With a budget of a few kilobytes the runs go to files; the ranking is
    // the one kept in memory, read twice, and leaves no file behind.
    QFETCH(size_t, budget);
    QFETCH(bool, longRuns);
    const size_t runLength = (budget << 10) / sizeof(search::NarrowEntry) / 2;
    QCOMPARE(runLength > search::SortedRuns::readBlock, longRuns);
    QTemporaryDir folder;
    qputenv("TMPDIR", folder.path().toLocal8Bit());
    search::RankingQuery query;
    query.n = 100'003;
    query.criterion = numbers::Criterion::Spectral;
    query.threads = 2;
    const auto inMemory = search::ranking(query);
    query.memoryBudget = budget << 10;
    {
        const search::Ranking spilled(query);
        QCOMPARE(spilled.size(), u64(inMemory.size()));
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
        for (int pass = 0; pass < 2; ++pass) {
            size_t row = 0;
            bool same = true;
            spilled.forEach([&](const search::Ranked &ranked) {
                same = same && ranked.k == inMemory[row].k && ranked.rank == inMemory[row].rank;
                ++row;
            });
            QVERIFY(same);
            QCOMPARE(row, inMemory.size());
        }
    }
    // A folder for the runs that cannot be written to: the ranking says so.
    qputenv("TMPDIR", QFile::encodeName(folder.filePath(QStringLiteral("fehlt"))));
    QVERIFY_THROWS_EXCEPTION(std::system_error, search::Ranking{query});
    qunsetenv("TMPDIR");
}

// Ten-thousandths are rounded half up: the fifth decimal and what follows it
// decide, by a long division independent of the engine's formula. Exact
// halves (1/20000 = 0.00005) and values just below them tell rounding half up
// from truncating and from rounding half down.
void TestNumbers::roundingToTenThousandths()
{
    const auto longDivision = [](Wide num, Wide den) {
        const Wide whole = num * 10000 / den, rest = num * 10000 % den;
        return whole + (2 * rest >= den ? 1 : 0);
    };
    std::mt19937_64 random(20261209);
    std::vector<std::pair<Wide, Wide>> fractions{{1, 20000}, {1, 20001}, {3, 80000}, {1, 3},
                                                 {2, 3},     {1, 8},     {7, 7},     {0, 5}};
    for (Wide den = 1; den <= 300; ++den) {
        for (Wide num = 0; num <= 3 * den; ++num)
            fractions.emplace_back(num, den);
    }
    for (int i = 0; i < 2000; ++i) {
        const Wide den = random() | 1;
        fractions.emplace_back(Wide(random() % u64(den)), den);
    }
    for (const auto &[num, den] : fractions) {
        if (numbers::tenThousandths(numbers::Ratio{num, den}) != longDivision(num, den))
            QFAIL(qPrintable(QStringLiteral("ratio %1/%2").arg(u64(num)).arg(u64(den))));
        if (num <= den && numbers::shareTenThousandths(num, den) != u64(longDivision(num, den)))
            QFAIL(qPrintable(QStringLiteral("share %1/%2").arg(u64(num)).arg(u64(den))));
    }

    // f₂ = ν₂ / ((4/3)^(1/4) · √N): wherever the long double value stands
    // clear of a half, the rounded figure is exactly its nearest neighbour.
    int checked = 0;
    for (int i = 0; i < 20000; ++i) {
        const Wide n = (random() >> (random() % 60)) + 2;
        // ν₂² up to the bound √(4/3)·N that no lattice of determinant N passes.
        const Wide nu2 = Wide(random() % u64(n)) + 1;
        const long double f2 = std::sqrt((long double)(nu2)) / std::pow(4.0L / 3, 0.25L)
                / std::sqrt((long double)(n)) * 10000;
        const long double fraction = f2 - std::floor(f2);
        if (std::abs(fraction - 0.5L) < 1e-6L)
            continue;
        ++checked;
        if (numbers::spectralTenThousandths(nu2, n) != u64(std::llround(f2)))
            QFAIL(qPrintable(QStringLiteral("ν₂² = %1, N = %2").arg(u64(nu2)).arg(u64(n))));
    }
    QVERIFY(checked > 19000);
}

void TestNumbers::standingAgainstCounting()
{
    // Each figure's rank is one more than the multipliers that beat it; the
    // best values are the best of every multiplier.
    for (u64 n = 2; n <= 60; ++n) {
        std::vector<u64> given;
        std::vector<numbers::Measures> every;
        for (u64 k = 1; k < n; ++k) {
            if (std::gcd(n, k) != 1)
                continue;
            numbers::Measures m;
            numbers::measure(n, k, m);
            every.push_back(m);
            if (k % 3 == 1)
                given.push_back(k);
        }
        const search::Standing standing = search::standing(n, given, {}, 2);
        for (size_t i = 0; i < given.size(); ++i) {
            numbers::Measures g;
            numbers::measure(n, given[i], g);
            std::array<u64, 5> ranks{1, 1, 1, 1, 1};
            for (const numbers::Measures &m : every) {
                ranks[0] += m.sum > g.sum;
                ranks[1] += m.nu2 > g.nu2;
                ranks[2] += m.zaremba > g.zaremba;
                ranks[3] += m.gapRatio < g.gapRatio;
                ranks[4] += m.largest < g.largest;
            }
            QCOMPARE(standing.ranks[i], ranks);
        }
        const auto best = [&](auto figure, auto better) {
            auto value = figure(every.front());
            for (const numbers::Measures &m : every)
                value = better(figure(m), value) ? figure(m) : value;
            return value;
        };
        const auto bestBy = [&standing](numbers::Criterion criterion) {
            return standing.best[size_t(criterion)];
        };
        using numbers::Criterion;
        QCOMPARE(bestBy(Criterion::Sum).sum, best([](auto &m) { return m.sum; }, std::greater<>()));
        QCOMPARE(bestBy(Criterion::Spectral).nu2,
                 best([](auto &m) { return m.nu2; }, std::greater<>()));
        QCOMPARE(bestBy(Criterion::Zaremba).zaremba,
                 best([](auto &m) { return m.zaremba; }, std::greater<>()));
        QCOMPARE(bestBy(Criterion::Largest).largest,
                 best([](auto &m) { return m.largest; }, std::less<>()));
        QVERIFY(bestBy(Criterion::GapRatio).gapRatio
                == best([](auto &m) { return m.gapRatio; }, std::less<numbers::Ratio>()));
    }
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
