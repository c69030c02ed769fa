// The engine's speed against floors measured in the same run:
// - the sum of one pair near N = 10^18 costs a few dozen divisions, one per
//   partial quotient, however large N is;
// - the whole ranking of N = 10^7 (top 10, both cores) against the plain
//   Euclidean algorithm run once over every k < N on one core. The counter
//   vs_euclid is the ratio; the goal is at most 1.5.

#include "numbers/ranking.h"
#include "numbers/spread.h"

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

void euclidFloor(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(euclidOverEveryK(rankedN));
}

void rankingTop10(benchmark::State &state)
{
    double floor = 1e300;
    for (int i = 0; i < 2; ++i)
        floor = std::min(floor, seconds([] { benchmark::DoNotOptimize(euclidOverEveryK(rankedN)); }));
    double total = 0;
    for (auto _ : state) {
        total += seconds([] { benchmark::DoNotOptimize(numbers::ranking(rankedN, 10)); });
    }
    state.counters["vs_euclid"] = total / double(state.iterations()) / floor;
}

} // namespace

BENCHMARK(sumNear1e18)->Unit(benchmark::kNanosecond);
BENCHMARK(equidistantSum1e18)->Unit(benchmark::kMillisecond);
BENCHMARK(euclidFloor)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(rankingTop10)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
