#pragma once

#include "numbers/euclid.h"

#include <vector>

// Generators of the longest period, for 2 ≤ N ≤ 2^64. Plain arithmetic: no
// Qt.
namespace numbers {

struct PrimePower {
    Wide prime;
    int exponent;
};

// The prime factors of n (1 ≤ n ≤ 2^64), the smallest first: trial
// division, then Miller–Rabin (deterministic below 2^64) and Pollard's rho
// in Brent's form.
std::vector<PrimePower> factor(Wide n);
bool isPrime(u64 n);

// Carmichael's function λ(N): the largest multiplicative order of any
// residue coprime with N.
Wide carmichael(Wide n);

// What a generator of N keeps.
enum class Generator {
    Any, // every k coprime with N
    // x → k·x mod N: k of the largest order, λ(N); for a prime N the
    // primitive roots.
    Mcg,
    // x → k·x + c mod N, c coprime with N: period N exactly when k − 1 is
    // divisible by every prime factor of N, and by 4 where 4 divides N
    // (Hull–Dobell). For N = 2^e the k ≡ 1 (mod 4).
    Lcg,
};

// Which multipliers of one N have the longest period, decided per k after
// N's factors are known once.
class PeriodFilter
{
public:
    PeriodFilter(Wide n, Generator generator);
    bool keeps(u64 k) const;

private:
    Wide m_n;
    Generator m_generator;
    std::vector<Wide> m_primes;        // of N
    Wide m_lambda = 0;
    std::vector<Wide> m_lambdaPrimes;  // of λ(N)
};

// base^exponent mod n, for n ≤ 2^64.
Wide powerMod(Wide base, Wide exponent, Wide n);

} // namespace numbers
