// Arbitrary N up to 2^64 and k through the number engine under
// UndefinedBehaviorSanitizer. Always: the closed-form sum exists, is the
// same for k and N − k (the mirror image), never exceeds the equidistant
// row, agrees with the 64-bit version where that applies and with the steps
// where they are affordable; every figure of one Euclid pass agrees with the
// sum, is shared by the mirror, and keeps to its bounds (ν₂² at most Hermite's
// 2N/√3 and at most 1 + k², ρ at most k and N − k, a gap ratio of at least
// 1); the continued fraction evaluates back to k/N; and a pair with a common
// divisor is refused. ν₂² alone, and through the runs a stretch of k
// shares, as the whole pass finds it. The lattices of t successive values:
// ν₂² as Euclid measures it, ν_t² never growing with t (the lattice of
// t − 1 dimensions lies in that of t), f_t within Hermite's bound, and the
// exact order of f_t across dimensions in step with their rounded values;
// H₈ between the least and the largest f_t; the lattices of a generator's
// lags; and a share from the bounded equidistant row is the exact one.

#include "numbers/figures.h"
#include "numbers/harmonic.h"
#include "numbers/lattice.h"
#include "numbers/threegaps.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <numeric>

namespace {

using numbers::u64;
using numbers::Wide;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

u64 take(const uint8_t *&data, size_t &size)
{
    u64 value = 0;
    const size_t bytes = size < 8 ? size : 8;
    std::memcpy(&value, data, bytes);
    data += bytes;
    size -= bytes;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const u64 rawN = take(data, size);
    const u64 rawK = take(data, size);
    // Small N are as interesting as large ones: the low byte picks a scale,
    // and the largest scale is N = 2^64 itself.
    const unsigned bits = rawN & 63;
    const Wide n = bits == 63 ? Wide(1) << 64 : 2 + (rawN >> 6) % (u64(1) << bits);
    const u64 k = u64(1 + rawK % (n - 1));

    Wide sum = 0;
    numbers::Measures m;
    if (std::gcd(u64(n % k), k) != 1) {
        check(!numbers::spreadSum(n, k, sum));
        check(!numbers::measure(n, k, m));
        return 0;
    }
    check(numbers::spreadSum(n, k, sum));
    Wide mirrored = 0;
    check(numbers::spreadSum(n, u64(n - k), mirrored));
    check(mirrored == sum);
    check(sum >= n - 1); // every step's distance is at least 1

    check(numbers::measure(n, k, m));
    numbers::Measures mirror;
    check(numbers::measure(n, u64(n - k), mirror));
    check(m.sum == sum && mirror.sum == sum);
    check(m.nu2 == mirror.nu2 && m.zaremba == mirror.zaremba && m.gapRatio == mirror.gapRatio);
    check(m.mirrorLargest == mirror.largest && mirror.mirrorLargest == m.largest);
    const u64 f = u64(n - k);
    check(m.nu2 <= 1 + Wide(std::min(k, f)) * std::min(k, f));
    check(numbers::spectralTenThousandths(m.nu2, n) <= 10000);
    check(m.zaremba >= 1 && m.zaremba <= std::min(k, f));
    check(!(m.gapRatio < numbers::Ratio{1, 1}));

    // ν₂² alone, and through the runs a stretch of multipliers shares: the
    // stretch starts a little below k, so k's walk goes on from them.
    Wide plane = 0, own = 0, shared = 0;
    check(numbers::planeNu2(n, k, plane) && plane == m.nu2);
    const u64 stretch = 1 + take(data, size) % 4096;
    const u64 start = k - std::min<u64>(k - 1, take(data, size) % stretch);
    numbers::PlaneWalks<u64> walks(n, stretch);
    check(walks.nu2(start, shared) == numbers::planeNu2(n, start, own));
    check(std::gcd(u64(n % start), start) != 1 || shared == own);
    check(walks.nu2(k, shared) && shared == m.nu2);

    if (n < (Wide(1) << 32)) {
        u64 narrow = 0;
        check(numbers::spreadSum(u64(n), k, narrow));
        check(Wide(narrow) == sum);
    }
    if (n < (Wide(1) << 40))
        check(sum <= numbers::equidistantSum(n));
    else if (n < (Wide(1) << 48))
        check(numbers::EquidistantRow(n).share(sum)
              == numbers::shareTenThousandths(sum, numbers::equidistantSum(n)));

    Wide previous = 0;
    numbers::Nu2s nu2s{};
    numbers::eachLatticeNu2(n, k, 8, [&](int t, Wide nu2) {
        check(nu2 >= 1 && numbers::latticeFigure(nu2, n, t) <= 10000);
        check(t == 2 ? nu2 == m.nu2 : nu2 <= previous);
        previous = nu2;
        nu2s[size_t(t)] = nu2;
        return true;
    });
    // The exact order of the figures across dimensions: antisymmetric, in
    // step with their rounded values, and turning at the least ν² that
    // reaches a figure.
    const numbers::SpectralOrder order(n);
    for (int a = 2; a <= 8; ++a) {
        for (int b = 2; b <= 8; ++b) {
            const int ab = order.compare(nu2s[size_t(a)], a, nu2s[size_t(b)], b);
            check(ab == -order.compare(nu2s[size_t(b)], b, nu2s[size_t(a)], a));
            const u64 fa = numbers::latticeFigure(nu2s[size_t(a)], n, a);
            const u64 fb = numbers::latticeFigure(nu2s[size_t(b)], n, b);
            check(fa == fb || (fa < fb) == (ab < 0));
            const Wide least = order.least(a, nu2s[size_t(b)], b);
            check(order.compare(least, a, nu2s[size_t(b)], b) >= 0);
            check(least == 1 || order.compare(least - 1, a, nu2s[size_t(b)], b) < 0);
        }
    }
    // H₈ is a weighted mean of f₂ … f₈, so its rounding lies between
    // theirs; k's mirror has the same lattices.
    const numbers::HarmonicScore score(n, 8);
    const u64 harmonic = score.tenThousandths(nu2s);
    u64 lowest = 10000, highest = 0;
    for (int t = 2; t <= 8; ++t) {
        lowest = std::min(lowest, numbers::latticeFigure(nu2s[size_t(t)], n, t));
        highest = std::max(highest, numbers::latticeFigure(nu2s[size_t(t)], n, t));
    }
    check(lowest <= harmonic && harmonic <= highest);
    check(score.compare(nu2s, numbers::latticeNu2UpTo(n, u64(n - k), 8)) == 0);
    // The lattice of a generator seen every lag-th step: a modulus that
    // divides N, and a multiplier coprime with it.
    const u64 lag = 1 + rawK % 8;
    for (const auto generator : {numbers::Generator::Mcg, numbers::Generator::Lcg}) {
        if (const auto lattice = numbers::generatorLattice(n, k, generator, lag)) {
            check(lattice->n >= 2 && n % lattice->n == 0 && lattice->k < lattice->n);
            check(numbers::gcd(lattice->n, lattice->k) == 1);
        }
    }
    if (n <= 50'000) {
        numbers::Occupation steps(u64(n), k);
        Wide stepped = 0;
        for (u64 i = 1; i < n; ++i) {
            steps.advance();
            stepped += steps.minimal();
        }
        check(stepped == sum);
    }

    // The convergents p/q of [0; a1, a2, …] end at k/N.
    const std::vector<Wide> quotients = numbers::continuedFraction(k, n);
    check(quotients.front() == 0 && quotients.size() >= 2 && quotients.back() >= 2);
    const numbers::Convergent last = numbers::convergents(quotients).back();
    check(last.p == k && last.q == n);
    const Wide largest = numbers::largestQuotient(quotients);
    check(largest == m.largest);
    for (size_t i = 1; i < quotients.size(); ++i)
        check(quotients[i] <= largest);
    return 0;
}
