// The engine's speed against floors measured in the same run:
// - the sum of one pair near N = 10^18 costs a few dozen divisions, one per
//   partial quotient, however large N is; every figure of one multiplier of
//   N = 2^64 (what kennzahlen computes per row) well under a microsecond;
// - the ranking of N = 10^7 (top 10, both cores) against the plain
//   Euclidean algorithm run once over every k < N on one core (counter
//   vs_euclid; the goal is at most 1.5 by the sum, at most 0.5 with every
//   figure), and with every figure against the sum alone (counter vs_sum;
//   the goal is at most 1.5);
// - a pruned ranking by the figure of merit M₈ over consecutive k near
//   2^64/φ, per candidate against one Euclid pass (measure) per candidate
//   (counter vs_euclid_pass), and the exact ν_t² of one dimension;
// - the lagged figure (seven lattices more) and the 24 dimensions of one
//   multiplier of 2^64, each against its M₈ (counter vs_merit), and pruned
//   rankings by the harmonic score and by the lagged figure against the same
//   ranking by M₈ (counter vs_merit_ranking);
// - every figure of one multiplier, and a pruned ranking by M₈ of 10^6
//   consecutive k, at 2^128 against the same at 2^64 (counter vs_2p64; the
//   goal is at most 3).

#include "numbers/figures.h"
#include "search/multiplierranking.h"
#include "numbers/lattice.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

using numbers::u64;

constexpr u64 rankedN = 10'000'000;

// gcd(N, k) for every k < N, by remainders: no sums, one core.
u64 euclidOverEveryK(u64 n)
{
    u64 coprime = 0;
    for (u64 k = 1; k < n; ++k) {
        u64 a = n, b = k;
        while (b != 0) {
            const u64 rest = a % b;
            a = b;
            b = rest;
        }
        coprime += a == 1;
    }
    return coprime;
}

double seconds(const auto &work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void sumNear1e18(benchmark::State &state)
{
    const u64 n = 999'999'999'999'999'989; // prime
    u64 k = 618'033'988'749'894'848;
    for (auto _ : state) {
        numbers::Wide sum;
        benchmark::DoNotOptimize(numbers::spreadSum(n, k, sum));
        benchmark::DoNotOptimize(sum);
        k = k + 1 == n ? 1 : k + 1;
    }
}

void equidistantSum1e18(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(numbers::equidistantSum(1'000'000'000'000'000'000));
}

// What every call at N near 2^64 pays before its first row: the equidistant
// row and one multiplier's figures with its share. Against summing the row
// exactly, which is what it used to pay; the target is a few milliseconds.
void firstFiguresNear2To64(benchmark::State &state)
{
    const numbers::Wide n = (numbers::Wide(1) << 64) - 59;
    const double exact = seconds([n] { benchmark::DoNotOptimize(numbers::equidistantSum(n)); });
    u64 k = 11400714819323198485ull;
    double total = 0;
    for (auto _ : state) {
        total += seconds([n, k] {
            const numbers::EquidistantRow row(n);
            benchmark::DoNotOptimize(numbers::figures(n, k, row));
        });
        k += 2;
    }
    state.counters["ms"] = total / double(state.iterations()) * 1e3;
    state.counters["vs_exact_row"] = total / double(state.iterations()) / exact;
}

void euclidFloor(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(euclidOverEveryK(rankedN));
}

void figuresAt2To64(benchmark::State &state)
{
    const numbers::Wide n = numbers::Wide(1) << 64;
    const numbers::EquidistantRow equidistant(n);
    u64 k = 11400714819323198485ull;
    for (auto _ : state) {
        benchmark::DoNotOptimize(numbers::figures(n, k, equidistant));
        k += 2; // odd: coprime to 2^64
    }
}

std::vector<search::Ranked> rankedTop10(numbers::Criterion criterion)
{
    search::RankingQuery query;
    query.n = rankedN;
    query.criterion = criterion;
    query.top = 10;
    return search::ranking(query);
}

// By the sum alone (Arg 0), or with every figure computed for every k, as
// the ranking by the spectral test does (Arg 1).
void rankingTop10(benchmark::State &state)
{
    const bool everyFigure = state.range(0) == 1;
    double floor = 1e300, sumAlone = 1e300;
    for (int i = 0; i < 2; ++i) {
        floor = std::min(floor, seconds([] { benchmark::DoNotOptimize(euclidOverEveryK(rankedN)); }));
        if (everyFigure)
            sumAlone = std::min(sumAlone, seconds([] {
                                    benchmark::DoNotOptimize(rankedTop10(numbers::Criterion::Sum));
                                }));
    }
    const auto criterion = everyFigure ? numbers::Criterion::Spectral : numbers::Criterion::Sum;
    double total = 0;
    for (auto _ : state)
        total += seconds([criterion] { benchmark::DoNotOptimize(rankedTop10(criterion)); });
    const double each = total / double(state.iterations());
    state.counters["vs_euclid"] = each / floor;
    if (everyFigure)
        state.counters["vs_sum"] = each / sumAlone;
}

// A pruned ranking by M₈ over 10^6 consecutive k at N = 2^64.
constexpr u64 meritCandidates = 1'000'000;
constexpr u64 meritFirst = 11400714819323198485ull;

// The pruned top 10 by a figure of `count` consecutive k from `first` on.
template <typename K>
search::BasicRankingQuery<K> topTen(numbers::WideOf<K> n, numbers::Criterion criterion, K first,
                                    u64 count)
{
    search::BasicRankingQuery<K> query;
    query.n = n;
    query.criterion = criterion;
    query.first = first;
    query.last = first + K(count - 1);
    query.top = 10;
    return query;
}

// One Euclid pass, every figure of it, for each of the candidates.
double euclidPasses()
{
    return seconds([] {
        for (u64 k = meritFirst; k < meritFirst + meritCandidates; ++k) {
            numbers::Measures m;
            benchmark::DoNotOptimize(numbers::measure(numbers::Wide(1) << 64, k, m));
        }
    });
}

void meritRankingAt2To64(benchmark::State &state)
{
    double floor = 1e300;
    for (int i = 0; i < 3; ++i)
        floor = std::min(floor, euclidPasses());
    const search::RankingQuery query = topTen(numbers::Wide(1) << 64, numbers::Criterion::Merit,
                                              meritFirst, meritCandidates);
    double total = 0;
    for (auto _ : state)
        total += seconds([&query] { benchmark::DoNotOptimize(search::ranking(query)); });
    const double each = total / double(state.iterations());
    state.counters["per_candidate_us"] = each / meritCandidates * 1e6;
    state.counters["vs_euclid_pass"] = each / floor;
}

void latticeNu2At2To64(benchmark::State &state)
{
    const int t = int(state.range(0));
    u64 k = meritFirst;
    for (auto _ : state) {
        benchmark::DoNotOptimize(numbers::latticeNu2(numbers::Wide(1) << 64, k, t));
        k += 2;
    }
}

// ν₂² … ν₈² of one multiplier of 2^32, the size of the exhaustive searches,
// by the machine-integer reduction, against fplll's for the same k.
void everyDimensionAt2To32(benchmark::State &state)
{
    const numbers::Wide n = numbers::Wide(1) << 32;
    double fplll = 0;
    for (u64 k = 1000001; k < 1000001 + 2 * 50; k += 2) {
        fplll += seconds([n, k] {
            for (int t = 2; t <= 8; ++t)
                benchmark::DoNotOptimize(numbers::latticeNu2Arbitrary(n, k, t));
        });
    }
    fplll /= 50;
    u64 k = 1000001;
    double total = 0;
    for (auto _ : state) {
        total += seconds([n, k] { benchmark::DoNotOptimize(numbers::latticeNu2UpTo(n, k, 8)); });
        k += 2;
    }
    state.counters["vs_fplll"] = total / double(state.iterations()) / fplll;
}

} // namespace

// Every figure of the spectral test that one multiplier of 2^64 needs for a
// ranking, per candidate: kind 0 is M₈ (ν₂² … ν₈²), 1 the lagged figure, 2
// the 24 dimensions; against kind 0 measured in the same run.
void latticeFiguresAt2To64(benchmark::State &state)
{
    const numbers::Wide n = numbers::Wide(1) << 64;
    const numbers::EquidistantRow equidistant(n);
    const auto figuresOf = [&](int kind, u64 k) {
        numbers::Figures f = numbers::generatorFigures(
                n, k, equidistant, numbers::Generator::Lcg, kind == 2 ? numbers::maxDimension : 8);
        if (kind == 1)
            numbers::addLagged(f, numbers::Generator::Lcg, 8);
        return f.merit;
    };
    constexpr int count = 200;
    const auto each = [&](int kind) {
        return seconds([&] {
                   for (u64 k = meritFirst; k < meritFirst + 4 * count; k += 4)
                       benchmark::DoNotOptimize(figuresOf(kind, k));
               })
                / count;
    };
    const double merit = each(0);
    double total = 0;
    for (auto _ : state)
        total += each(int(state.range(0)));
    const double per = total / double(state.iterations());
    state.counters["per_candidate_us"] = per * 1e6;
    state.counters["vs_merit"] = per / merit;
}

// Every figure of one multiplier (the Euclid pass, the continued fraction,
// the share, the spectral test to 8 dimensions, H₈ and the lagged figure of
// an LCG) at 2^128, in the wide engine, against the same at 2^64 in the
// quick one, measured in the same run: multipliers near N/φ at both.
void everyFigureAt2To128(benchmark::State &state)
{
    const numbers::Wide n64 = numbers::Wide(1) << 64;
    const numbers::U256 n128 = numbers::U256(1) << 128;
    const numbers::EquidistantRow row64(n64);
    const numbers::BasicEquidistantRow<numbers::U256> row128(n128);
    const numbers::u128 golden128 = (numbers::u128(0x9e3779b97f4a7c15) << 64) | 0xf39cc0605cedc835;
    constexpr int count = 50;
    const auto at64 = [&] {
        return seconds([&] {
                   for (u64 k = meritFirst | 1; k < meritFirst + 8 * count; k += 8) {
                       numbers::Figures f = numbers::generatorFigures(
                               n64, k, row64, numbers::Generator::Lcg, 8);
                       numbers::addLagged(f, numbers::Generator::Lcg, 8);
                       benchmark::DoNotOptimize(f.merit);
                   }
               })
                / count;
    };
    const auto at128 = [&] {
        return seconds([&] {
                   for (numbers::u128 k = golden128 | 1; k < golden128 + 8 * count; k += 8) {
                       numbers::Figures128 f = numbers::generatorFigures(
                               n128, k, row128, numbers::Generator::Lcg, 8);
                       numbers::addLagged(f, numbers::Generator::Lcg, 8);
                       benchmark::DoNotOptimize(f.merit);
                   }
               })
                / count;
    };
    double total = 0, floor = 0;
    for (auto _ : state) {
        floor += at64();
        total += at128();
    }
    state.counters["per_k_us"] = total / double(state.iterations()) * 1e6;
    state.counters["vs_2p64"] = total / floor;
}

// The pruned top-10 ranking by M₈ of 10^6 consecutive k near 2^128/φ
// against the same near 2^64/φ, in the same run (range(0) candidates).
void meritRankingAt2To128(benchmark::State &state)
{
    const u64 candidates = u64(state.range(0));
    const auto narrow = topTen(numbers::Wide(1) << 64, numbers::Criterion::Merit, meritFirst,
                               candidates);
    const auto wide = topTen(numbers::U256(1) << 128, numbers::Criterion::Merit,
                             (numbers::u128(0x9e3779b97f4a7c15) << 64) | 0xf39cc0605cedc835,
                             candidates);
    double total = 0, floor = 0;
    for (auto _ : state) {
        floor += seconds([&] { benchmark::DoNotOptimize(search::ranking(narrow)); });
        total += seconds([&] { benchmark::DoNotOptimize(search::ranking(wide)); });
    }
    state.counters["per_candidate_us"] = total / double(state.iterations() * candidates) * 1e6;
    state.counters["vs_2p64"] = total / floor;
}

// Pruned top-10 rankings of consecutive k near 2^64/φ by the harmonic score
// (kind 1) and by the lagged figure (kind 2), against the same by M₈.
void rankingByAt2To64(benchmark::State &state)
{
    const auto query = [](numbers::Criterion criterion) {
        return topTen(numbers::Wide(1) << 64, criterion, meritFirst, meritCandidates / 10);
    };
    const numbers::Criterion criteria[] = {numbers::Criterion::Merit,
                                           numbers::Criterion::Harmonic,
                                           numbers::Criterion::Lagged};
    const double merit
            = seconds([&] { benchmark::DoNotOptimize(search::ranking(query(criteria[0]))); });
    double total = 0;
    for (auto _ : state) {
        const search::RankingQuery q = query(criteria[state.range(0)]);
        total += seconds([&q] { benchmark::DoNotOptimize(search::ranking(q)); });
    }
    const double each = total / double(state.iterations());
    state.counters["per_candidate_us"] = each / double(meritCandidates / 10) * 1e6;
    state.counters["vs_merit_ranking"] = each / merit;
}

BENCHMARK(sumNear1e18)->Unit(benchmark::kNanosecond);
BENCHMARK(equidistantSum1e18)->Unit(benchmark::kMillisecond);
BENCHMARK(firstFiguresNear2To64)->Unit(benchmark::kMicrosecond)->Iterations(100);
BENCHMARK(euclidFloor)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(figuresAt2To64)->Unit(benchmark::kNanosecond);
BENCHMARK(meritRankingAt2To64)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(latticeNu2At2To64)->ArgName("t")->Arg(3)->Arg(8)->Unit(benchmark::kMicrosecond);
BENCHMARK(everyDimensionAt2To32)->Unit(benchmark::kMicrosecond);
BENCHMARK(rankingTop10)->ArgName("every_figure")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)
        ->UseRealTime()->Iterations(3);
BENCHMARK(latticeFiguresAt2To64)->ArgName("kind")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond)
        ->Iterations(3);
BENCHMARK(everyFigureAt2To128)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(meritRankingAt2To128)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime()
        ->Iterations(1);
BENCHMARK(rankingByAt2To64)->ArgName("kind")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)
        ->UseRealTime()->Iterations(2);
