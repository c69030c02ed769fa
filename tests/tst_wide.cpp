// The engine above 2^64: its 256-bit integer against GMP, the wide engine
// against the quick one wherever both reach (N ≤ 2^64), and past 2^64
// against models in GMP and fplll's own reductions.

#include "numbers/basisreduction.h"
#include "numbers/figures.h"
#include "numbers/lattice.h"
#include "numbers/period.h"
#include "search/multiplierranking.h"

#include <QTest>

#include <gmpxx.h>

#include <random>

Q_DECLARE_METATYPE(numbers::Criterion)
Q_DECLARE_METATYPE(numbers::Generator)

namespace {

using numbers::Figures128;
using numbers::u128;
using numbers::U256;
using numbers::u64;
using numbers::Wide;

mpz_class mpzOf(const U256 &value)
{
    mpz_class result;
    const u64 limbs[4] = {u64(value.low()), u64(value.low() >> 64), u64(value.high()),
                          u64(value.high() >> 64)};
    mpz_import(result.get_mpz_t(), 4, -1, sizeof(u64), 0, 0, limbs);
    return result;
}

U256 u256Of(const mpz_class &value)
{
    U256 result = 0;
    for (size_t bit = mpz_sizeinbase(value.get_mpz_t(), 2); bit-- > 0;)
        result = (result << 1) | U256(mpz_tstbit(value.get_mpz_t(), bit));
    return result;
}

// A number of `bits` random bits, the top one set.
U256 randomOf(std::mt19937_64 &random, int bits)
{
    if (bits == 0)
        return 0;
    U256 value(u128(random()) << 64 | random(), u128(random()) << 64 | random());
    value = value >> unsigned(256 - bits);
    return value | (U256(1) << unsigned(bits - 1));
}

// The figures of the Euclid pass as a model in GMP: the records of the two
// running minima walked one division at a time, every value unbounded.
struct Model {
    mpz_class sum, nu2, zaremba;
    std::vector<mpz_class> quotients;
};

Model modelOf(const mpz_class &n, const mpz_class &k)
{
    Model m;
    mpz_class b = k, f = n - k, bStep = 1, fStep = 1, from = 1;
    m.nu2 = std::min<mpz_class>(1 + b * b, 1 + f * f);
    m.zaremba = std::min(b, f);
    for (;;) {
        const mpz_class smaller = std::min(b, f);
        if (smaller == 1) {
            m.sum += n - from;
            break;
        }
        const bool forward = b < f;
        mpz_class &larger = forward ? f : b, &largerStep = forward ? fStep : bStep;
        const mpz_class &smallerStep = forward ? bStep : fStep;
        const mpz_class q = larger / smaller, rest = larger % smaller;
        const mpz_class end = largerStep + q * smallerStep;
        m.sum += smaller * (end - from);
        from = end;
        m.nu2 = std::min<mpz_class>(m.nu2, end * end + rest * rest);
        m.zaremba = std::min<mpz_class>(m.zaremba, end * rest);
        larger = rest;
        largerStep = end;
    }
    m.quotients.push_back(0);
    for (mpz_class a = n, c = k; c != 0;) {
        m.quotients.push_back(a / c);
        const mpz_class rest = a % c;
        a = c;
        c = rest;
    }
    return m;
}

// Moduli past 2^64 up to 2^128 of every width, and 2^128 itself.
std::vector<U256> widths(std::mt19937_64 &random)
{
    std::vector<U256> moduli{U256(1) << 128, (U256(1) << 128) - 1, (U256(1) << 65),
                             (U256(1) << 64) + 1};
    for (int bits = 65; bits <= 128; ++bits)
        moduli.push_back(randomOf(random, bits));
    return moduli;
}

// A random k below N and coprime with it.
u128 coprimeBelow(std::mt19937_64 &random, const U256 &n)
{
    for (;;) {
        const U256 k = randomOf(random, 1 + int(random() % u64(n.bitWidth()))) % n;
        if (k != 0 && numbers::gcd(n, k) == 1)
            return u128(k);
    }
}

// ν₂² through the walks a stretch of multipliers shares (PlaneWalks), and
// the plane's basis they hand over, against each multiplier's own walk: 3000 k from each start in steps of 1
// to 3, then every fifth backwards, where each k starts a stretch of its
// own; in stretches of 1024 as rankings take them, and of 2 and 5. The starts: both ends of the range, N/2, just below fractions of
// small denominators (a long run in every walk), and at random.
template <typename K>
void compareSharedWalks(numbers::WideOf<K> n, std::mt19937_64 &random)
{
    using W = numbers::WideOf<K>;
    const K count = 3000;
    std::vector<K> starts{1, K(n / 2 - 1500), K(n / 3 - 1000), K(2 * n / 5 - 10), K(n / 7 + 1),
                          K(n - count - 1)};
    for (int i = 0; i < 4; ++i)
        starts.push_back(K(randomOf(random, 8 * sizeof(K)) % U256(n - count)) + 1);
    // The basis handed to the reduction: two points (a, b) of the lattice
    // a ≡ −k·b (mod N), the first of length ν₂², spanning it (a₀b₁ − a₁b₀
    // = ±N).
    const auto basisOf = [&n](K k, const numbers::PlaneBasis<K> &basis, W nu2) {
        const mpz_class modulus = mpzOf(U256(n)), multiplier = mpzOf(U256(k));
        mpz_class a[2], b[2];
        for (int i = 0; i < 2; ++i) {
            const numbers::PlanePoint<K> &p = i == 0 ? basis.shortest : basis.beside;
            a[i] = mpzOf(U256(p.value));
            b[i] = p.forward ? mpzOf(U256(p.step)) : mpz_class(-mpzOf(U256(p.step)));
            const mpz_class rest = (a[i] + multiplier * b[i]) % modulus;
            if (rest != 0)
                return false;
        }
        const mpz_class determinant = abs(a[0] * b[1] - a[1] * b[0]);
        return determinant == modulus && a[0] * a[0] + b[0] * b[0] == mpzOf(U256(nu2));
    };
    const auto same = [&](numbers::PlaneWalks<K> &walks, K k) {
        W shared = 0, own = 0;
        numbers::PlaneBasis<K> basis;
        const bool coprime = numbers::planeNu2(n, k, own);
        return walks.nu2(k, shared, &basis) == coprime
                && (!coprime || (shared == own && basisOf(k, basis, own)));
    };
    for (const K start : starts) {
        const QByteArray where = QByteArray::fromStdString(numbers::decimal(W(n)) + " "
                                                           + numbers::decimal(Wide(start)));
        // Short stretches share runs up to and past the shortest point.
        for (const K stretch : {K(1024), K(2), K(5)}) {
            numbers::PlaneWalks<K> walks(n, stretch);
            for (K k = start; k - start < count; k += K(1 + random() % 3))
                QVERIFY2(same(walks, k), where);
            for (K k = start + count; k > start; k -= 5)
                QVERIFY2(same(walks, k), where);
        }
    }
}

} // namespace

class TestWide : public QObject
{
    Q_OBJECT

private slots:
    void u256AgainstGmp();
    void wideEqualsQuickUpTo2To64();
    void euclidPassPast2To64AgainstTheModel();
    void sharedWalksEqualOwnWalks();
    void latticesPast2To64AgainstFplll();
    void machineReductionPast2To64();
    void rowsAndPeriodsPast2To64();
    void wideSearchEqualsQuickAt2To64_data();
    void wideSearchEqualsQuickAt2To64();
    void prunedEqualsUnprunedPast2To64_data();
    void prunedEqualsUnprunedPast2To64();
};

void TestWide::u256AgainstGmp()
{
    std::mt19937_64 random(128);
    const mpz_class wrap = mpz_class(1) << 256;
    for (int i = 0; i < 20000; ++i) {
        const U256 a = randomOf(random, int(random() % 257)),
                   b = randomOf(random, int(random() % 257));
        const mpz_class ma = mpzOf(a), mb = mpzOf(b);
        const unsigned shift = unsigned(random() % 256);
        QCOMPARE(mpzOf(a + b), mpz_class((ma + mb) % wrap));
        QCOMPARE(mpzOf(a - b), mpz_class(((ma - mb) % wrap + wrap) % wrap));
        QCOMPARE(mpzOf(a * b), mpz_class((ma * mb) % wrap));
        QCOMPARE(mpzOf(a << shift), mpz_class((ma << shift) % wrap));
        QCOMPARE(mpzOf(a >> shift), mpz_class(ma >> shift));
        QCOMPARE(a < b, ma < mb);
        QCOMPARE(a == b, ma == mb);
        QCOMPARE(numbers::decimal(a), ma.get_str());
        QCOMPARE(a.bitWidth(), a == 0 ? 0 : int(mpz_sizeinbase(ma.get_mpz_t(), 2)));
        if (b != 0) {
            QCOMPARE(mpzOf(a / b), mpz_class(ma / mb));
            QCOMPARE(mpzOf(a % b), mpz_class(ma % mb));
        }
        const U256 product = U256::full(u128(a), u128(b));
        QCOMPARE(mpzOf(product), mpz_class(mpzOf(u128(a)) * mpzOf(u128(b))));
    }
}

// Both engines where both reach: every figure, the lattices of 8
// dimensions (fplll in the wide one, machine integers in the quick one),
// a generator's own lattice and the lagged figure, equal to the bit.
void TestWide::wideEqualsQuickUpTo2To64()
{
    std::mt19937_64 random(64);
    std::vector<std::pair<Wide, u64>> cases;
    for (u64 n = 2; n <= 40; ++n) {
        for (u64 k = 1; k < n; ++k) {
            if (std::gcd(n, k) == 1)
                cases.push_back({n, k});
        }
    }
    for (int bits = 12; bits <= 64; bits += 4) {
        const Wide n = bits == 64 ? Wide(1) << 64 : Wide(random() >> (64 - bits)) | 1;
        for (int i = 0; i < 3; ++i)
            cases.push_back({n, u64(coprimeBelow(random, U256(n)))});
    }
    for (int e = 3; e <= 64; e += 7) {
        const Wide n = Wide(1) << e;
        for (int i = 0; i < 2; ++i)
            cases.push_back({n, u64(random() % n) | 5});
    }
    for (const auto &[n, k] : cases) {
        if (k == 0 || numbers::gcd(n, Wide(k)) != 1)
            continue;
        const numbers::Generator generator = (n & (n - 1)) == 0 && n >= 8 && k % 8 == 5
                ? numbers::Generator::Mcg
                : numbers::Generator::Any;
        const int dimensions = n < 1000 ? 4 : 8;
        numbers::Figures quick = numbers::generatorFigures(n, k, numbers::EquidistantRow(n),
                                                           generator, dimensions);
        Figures128 wide = numbers::generatorFigures(U256(n), u128(k),
                                                    numbers::BasicEquidistantRow(U256(n)),
                                                    generator, dimensions);
        if (generator == numbers::Generator::Mcg && n >= 64) {
            numbers::addLagged(quick, generator, dimensions);
            numbers::addLagged(wide, generator, dimensions);
        }
        const Figures128 expected = numbers::widened(quick);
        const QByteArray where = QByteArray::number(qulonglong(n)) + ' ' + QByteArray::number(k);
        QVERIFY2(wide.sum == expected.sum && wide.share == expected.share, where);
        QVERIFY2(wide.quotients == expected.quotients && wide.largest == expected.largest, where);
        QVERIFY2(wide.zaremba == expected.zaremba && wide.gapRatio == expected.gapRatio, where);
        QVERIFY2(wide.nu2 == expected.nu2 && wide.f2 == expected.f2, where);
        QVERIFY2(wide.nu2t == expected.nu2t && wide.ft == expected.ft, where);
        QVERIFY2(wide.merit == expected.merit && wide.harmonic == expected.harmonic, where);
        QVERIFY2(wide.lagged == expected.lagged && wide.laggedAt == expected.laggedAt, where);
    }
}

void TestWide::euclidPassPast2To64AgainstTheModel()
{
    std::mt19937_64 random(65);
    for (const U256 &n : widths(random)) {
        for (int i = 0; i < 20; ++i) {
            const u128 k = coprimeBelow(random, n);
            const Model model = modelOf(mpzOf(n), mpzOf(k));
            const Figures128 f = numbers::figures(n, k, numbers::BasicEquidistantRow(n));
            const QByteArray where = QByteArray::fromStdString(numbers::decimal(n) + " "
                                                               + numbers::decimal(Wide(k)));
            QVERIFY2(mpzOf(f.sum) == model.sum, where);
            QVERIFY2(mpzOf(f.nu2) == model.nu2, where);
            U256 plane;
            QVERIFY2(numbers::planeNu2(n, k, plane) && plane == f.nu2, where);
            QVERIFY2(mpzOf(f.zaremba) == model.zaremba, where);
            QVERIFY2(f.quotients.size() == model.quotients.size(), where);
            for (size_t j = 0; j < f.quotients.size(); ++j)
                QVERIFY2(mpzOf(f.quotients[j]) == model.quotients[j], where);
            // f₂ is the spectral figure of ν₂² (its 256-bit way is checked against
            // GMP up to 2^64, in wideEqualsQuickUpTo2To64).
            QVERIFY2(f.f2 == numbers::latticeFigure(f.nu2, n, 2), where);
            // The mirror shares the sum and ν₂².
            const Figures128 mirror = numbers::figures(n, u128(n - k),
                                                       numbers::BasicEquidistantRow(n));
            QVERIFY2(mirror.sum == f.sum && mirror.nu2 == f.nu2, where);
        }
    }
    // 1/2^128 = [0; 2^128], and ν₂² passes 2^128 for Java's LXM multiplier.
    const U256 top = U256(1) << 128;
    QCOMPARE(numbers::decimal(numbers::figures(top, u128(1), numbers::BasicEquidistantRow(top))
                                      .largest),
             std::string("340282366920938463463374607431768211456"));
    const u128 java = (u128(1) << 64) + 0xd605bbb58c8abbfdULL;
    const Figures128 lxm = numbers::figures(top, java, numbers::BasicEquidistantRow(top));
    QCOMPARE(numbers::decimal(lxm.nu2), std::string("386576424944989948281043885549263038858"));
    QVERIFY(lxm.nu2 > top);
}

// ν_t² above 2^64, t = 2 … 12: grown from the basis of t − 1 dimensions
// against a fresh reduction, ν₂² also against Euclid's; each vector is
// checked against the congruence as it is found.
void TestWide::sharedWalksEqualOwnWalks()
{
    std::mt19937_64 random(1024);
    for (const Wide n : {Wide(1) << 64, (Wide(1) << 64) - 59, Wide(1'000'000'000'039),
                         Wide(12157665459056928801u) /* 3^40 */, Wide(1) << 20})
        compareSharedWalks<u64>(n, random);
    if (QTest::currentTestFailed())
        return;
    U256 power80 = 1; // 3^80
    for (int i = 0; i < 80; ++i)
        power80 *= 3;
    for (const U256 &n : {U256(1) << 128, (U256(1) << 127) + 1, (U256(1) << 65) + 1, power80})
        compareSharedWalks<u128>(n, random);
}

void TestWide::latticesPast2To64AgainstFplll()
{
    std::mt19937_64 random(66);
    const std::vector<U256> moduli = widths(random);
    for (size_t i = 0; i < moduli.size(); i += 4) {
        const U256 n = moduli[i];
        const u128 k = coprimeBelow(random, n);
        const auto grown = numbers::latticeNu2UpTo(n, k, 12);
        numbers::BasicMeasures<u128> measures;
        QVERIFY(numbers::measure(n, k, measures));
        QCOMPARE(grown[2], measures.nu2);
        for (int t = 2; t <= 12; ++t)
            QCOMPARE(grown[size_t(t)], numbers::latticeNu2Arbitrary(n, k, t));
    }
}

void TestWide::machineReductionPast2To64()
{
    // The reduction in rows of 128-bit integers against fplll's fresh one in
    // every dimension it reports, for N of every width past 2^64 with k of
    // full width, and for k very much smaller than N, where it may give up
    // and the engine goes on with fplll from there.
    std::mt19937_64 random(24);
    const std::vector<U256> moduli = widths(random);
    int runs = 0, whole = 0;
    const auto check = [&](const U256 &n, u128 k, int upTo) {
        std::vector<U256> reported;
        whole += numbers::machineLatticeNu2(n, k, upTo, [&reported](int, const U256 &nu2) {
            reported.push_back(nu2);
            return true;
        });
        ++runs;
        for (size_t i = 0; i < reported.size(); ++i) {
            const int t = int(i) + 2;
            QCOMPARE(numbers::decimal(reported[i]),
                     numbers::decimal(numbers::latticeNu2Arbitrary(n, k, t)));
        }
        const auto engine = numbers::latticeNu2UpTo(n, k, upTo);
        QCOMPARE(numbers::decimal(engine[size_t(upTo)]),
                 numbers::decimal(numbers::latticeNu2Arbitrary(n, k, upTo)));
    };
    for (size_t i = 0; i < moduli.size(); ++i) {
        const U256 &n = moduli[i];
        u128 k;
        do
            k = u128(randomOf(random, n.bitWidth()) % n);
        while (k == 0 || numbers::gcd(n, k) != 1);
        check(n, k, i % 6 == 0 ? 24 : 8);
    }
    QVERIFY(whole == runs); // full-width multipliers never need fplll
    const U256 top = U256(1) << 128;
    for (const u128 k : {u128(3), u128(top - 3), (u128(1) << 64) + 1, u128(1) << 100 | 1})
        check(top, k, 8);
}

void TestWide::rowsAndPeriodsPast2To64()
{
    // Σ⌊N/j⌋ − Σ⌊(N − 1)/j⌋ counts the divisors of N. Each sum walks about
    // N^(1/3) points, a second apiece here, so the wide walk is checked
    // just past 2^64.
    const U256 n = (U256(1) << 64) + 1; // 274177 · 67280421310721
    const U256 exact = numbers::equidistantSum(n);
    QCOMPARE(exact + n - numbers::divisorSum(n - 1), U256(4));

    // The share from the bounded row equals the share from the exact row.
    std::mt19937_64 random(67);
    const numbers::BasicEquidistantRow<U256> row(n);
    for (int i = 0; i < 20; ++i) {
        U256 sum;
        QVERIFY(numbers::spreadSum(n, coprimeBelow(random, n), sum));
        QCOMPARE(row.share(sum), numbers::shareTenThousandths(sum, exact));
    }

    // The longest periods of 2^128, and factors past 2^64.
    const U256 top = U256(1) << 128;
    const numbers::BasicPeriodFilter<u128> mcg(top, numbers::Generator::Mcg),
            lcg(top, numbers::Generator::Lcg);
    for (int i = 0; i < 200; ++i) {
        const u128 k = u128(randomOf(random, 128));
        QCOMPARE(mcg.keeps(k), k % 8 == 3 || k % 8 == 5);
        QCOMPARE(lcg.keeps(k), k % 4 == 1);
    }
    QCOMPARE(numbers::decimal(numbers::carmichael(top)), numbers::decimal(top / 4));
    mpz_class p = 1000000000, q = mpz_class(1) << 90;
    mpz_nextprime(p.get_mpz_t(), p.get_mpz_t());
    mpz_nextprime(q.get_mpz_t(), q.get_mpz_t());
    const auto split = numbers::factor(u256Of(p * p * q));
    QCOMPARE(split.size(), size_t(2));
    QCOMPARE(mpzOf(split[0].prime), p);
    QCOMPARE(split[0].exponent, 2);
    QCOMPARE(mpzOf(split[1].prime), q);
    // Rho with its batches of gcds splits a 128-bit N with a factor near 2^40.
    p = mpz_class(1) << 40;
    q = mpz_class(1) << 87;
    mpz_nextprime(p.get_mpz_t(), p.get_mpz_t());
    mpz_nextprime(q.get_mpz_t(), q.get_mpz_t());
    const auto pair = numbers::factor(u256Of(p * q));
    QCOMPARE(pair.size(), size_t(2));
    QCOMPARE(mpzOf(pair[0].prime), p);
    QCOMPARE(mpzOf(pair[1].prime), q);
}

using numbers::Criterion;
using numbers::Generator;

// The top `top` of k = first … first + count by a figure, in K's width.
template <typename K>
search::BasicRankingQuery<K> queryOf(numbers::WideOf<K> n, Criterion criterion,
                                     Generator generator, int dimensions, K first, K count,
                                     u64 top)
{
    search::BasicRankingQuery<K> query;
    query.n = n;
    query.criterion = criterion;
    query.generator = generator;
    query.dimensions = dimensions;
    query.first = first;
    query.last = first + count;
    query.top = top;
    return query;
}

template <typename K>
bool sameRanking(const std::vector<search::BasicRanked<K>> &a,
                 const std::vector<search::BasicRanked<K>> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto &x, const auto &y) {
        return x.rank == y.rank && x.k == y.k;
    });
}

void TestWide::wideSearchEqualsQuickAt2To64_data()
{
    QTest::addColumn<Criterion>("criterion");
    QTest::addColumn<Generator>("generator");
    QTest::addColumn<u64>("n");
    QTest::addColumn<u64>("first");
    QTest::addColumn<int>("dimensions");
    const u64 golden = 11400714819323198000u;
    const u64 top = 0; // 2^64
    QTest::newRow("sum") << Criterion::Sum << Generator::Any << top << golden << 8;
    QTest::newRow("spectral, mcg") << Criterion::Spectral << Generator::Mcg << top << golden << 8;
    QTest::newRow("zaremba, prime") << Criterion::Zaremba << Generator::Any
                                    << u64(18446744073709551557u) << golden << 8;
    QTest::newRow("gap ratio") << Criterion::GapRatio << Generator::Lcg << top << golden << 8;
    QTest::newRow("largest quotient") << Criterion::Largest << Generator::Any << top << golden << 8;
    QTest::newRow("merit, mcg") << Criterion::Merit << Generator::Mcg << top << golden << 6;
    QTest::newRow("harmonic, lcg") << Criterion::Harmonic << Generator::Lcg << top << golden << 5;
    QTest::newRow("lagged, mcg") << Criterion::Lagged << Generator::Mcg << top << golden << 3;
}

void TestWide::wideSearchEqualsQuickAt2To64()
{
    // The search in 128-bit multipliers over the wide engine ranks as the
    // quick one, whose rankings tst_numbers checks against sorting, from
    // the scan of the candidates and their mirrors to the pruning.
    QFETCH(Criterion, criterion);
    QFETCH(Generator, generator);
    QFETCH(u64, n);
    QFETCH(u64, first);
    QFETCH(int, dimensions);
    const Wide modulus = n ? Wide(n) : Wide(1) << 64;
    const std::vector<search::Ranked> expected = search::ranking(
            queryOf<u64>(modulus, criterion, generator, dimensions, first, 600, 9));
    const std::vector<search::BasicRanked<u128>> ranked = search::ranking(
            queryOf<u128>(modulus, criterion, generator, dimensions, first, 600, 9));
    QCOMPARE(ranked.size(), expected.size());
    for (size_t i = 0; i < ranked.size(); ++i) {
        QCOMPARE(ranked[i].rank, expected[i].rank);
        QCOMPARE(u64(ranked[i].k), expected[i].k);
    }
}

void TestWide::prunedEqualsUnprunedPast2To64_data()
{
    QTest::addColumn<Criterion>("criterion");
    QTest::addColumn<Generator>("generator");
    QTest::addColumn<QString>("n");
    QTest::addColumn<int>("dimensions");
    // 2^128 with 64-bit multipliers next to 2^63·φ; 2^65 + 1 = 3 · 12297829382473034411.
    QTest::newRow("merit, lcg, 2^128") << Criterion::Merit << Generator::Lcg << "2^128" << 8;
    QTest::newRow("merit, mcg, 2^128") << Criterion::Merit << Generator::Mcg << "2^128" << 8;
    QTest::newRow("harmonic, 2^65+1") << Criterion::Harmonic << Generator::Any << "2^65+1" << 6;
    QTest::newRow("harmonic, mcg, 2^128") << Criterion::Harmonic << Generator::Mcg << "2^128" << 8;
    QTest::newRow("lagged, lcg, 2^128") << Criterion::Lagged << Generator::Lcg << "2^128" << 4;
    QTest::newRow("sum, 2^65+1") << Criterion::Sum << Generator::Any << "2^65+1" << 8;
}

void TestWide::prunedEqualsUnprunedPast2To64()
{
    // Past 2^64 the top ranking, which drops candidates as soon as they
    // cannot get in, equals every candidate's key computed in full and
    // sorted, on one thread and on two.
    QFETCH(Criterion, criterion);
    QFETCH(Generator, generator);
    QFETCH(QString, n);
    QFETCH(int, dimensions);
    search::BasicRankingQuery<u128> query
            = queryOf<u128>(n == "2^128" ? U256(1) << 128 : (U256(1) << 65) + 1, criterion,
                            generator, dimensions, u128(14923729446516375050u) /* 2^63·φ */, 400,
                            7);
    const numbers::BasicPeriodFilter<u128> period(query.n, generator);
    std::vector<u128> candidates;
    for (u128 k = query.first; k <= query.last; ++k) {
        if (numbers::gcd(query.n, k) == 1 && period.keeps(k))
            candidates.push_back(k);
    }
    const auto unpruned = search::rankingOf(query, candidates);
    QCOMPARE(unpruned.size(), size_t(7));
    for (unsigned threads : {1u, 2u}) {
        query.threads = threads;
        QVERIFY(sameRanking(search::ranking(query), unpruned));
    }
}

QTEST_APPLESS_MAIN(TestWide)
#include "tst_wide.moc"
