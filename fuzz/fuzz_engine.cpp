// Arbitrary N up to 10^18 and k, made coprime, through the number engine
// under UndefinedBehaviorSanitizer. Always: the closed-form sum exists, is
// the same for k and N − k (the mirror image), never exceeds the equidistant
// row, agrees with the 64-bit version where that applies and with the steps
// where they are affordable; the continued fraction evaluates back to k/N;
// and a pair with a common divisor is refused.

#include "numbers/spread.h"

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
    constexpr u64 maxN = 1'000'000'000'000'000'000;
    const u64 rawN = take(data, size);
    const u64 rawK = take(data, size);
    // Small N are as interesting as large ones: the low byte picks a scale.
    const u64 scale = u64(1) << (rawN & 63);
    const u64 n = 2 + (rawN >> 6) % std::min(maxN - 1, scale);
    const u64 k = 1 + rawK % (n - 1);

    Wide sum = 0;
    const u64 divisor = std::gcd(n, k);
    if (divisor != 1) {
        check(!numbers::spreadSum(n, k, sum));
        return 0;
    }
    check(numbers::spreadSum(n, k, sum));
    Wide mirrored = 0;
    check(numbers::spreadSum(n, n - k, mirrored));
    check(mirrored == sum);
    check(sum >= n - 1); // every step's distance is at least 1

    if (n < (u64(1) << 32)) {
        u64 narrow = 0;
        check(numbers::spreadSum(n, k, narrow));
        check(Wide(narrow) == sum);
    }
    if (n < (u64(1) << 40))
        check(sum <= numbers::equidistantSum(n));
    if (n <= 50'000) {
        numbers::Occupation steps(n, k);
        Wide stepped = 0;
        for (u64 i = 1; i < n; ++i) {
            steps.advance();
            stepped += steps.minimal();
        }
        check(stepped == sum);
    }

    // The convergents p/q of [0; a1, a2, …] end at k/N.
    const std::vector<u64> quotients = numbers::continuedFraction(k, n);
    check(quotients.front() == 0 && quotients.size() >= 2 && quotients.back() >= 2);
    Wide p0 = 1, q0 = 0, p1 = quotients[0], q1 = 1;
    for (size_t i = 1; i < quotients.size(); ++i) {
        const Wide p2 = quotients[i] * p1 + p0, q2 = quotients[i] * q1 + q0;
        p0 = p1;
        q0 = q1;
        p1 = p2;
        q1 = q2;
    }
    check(p1 == k && q1 == n);
    const u64 largest = numbers::largestQuotient(quotients);
    for (size_t i = 1; i < quotients.size(); ++i)
        check(quotients[i] <= largest);
    return 0;
}
