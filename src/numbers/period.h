#pragma once

#include "numbers/euclid.h"

#include <stdexcept>
#include <vector>

// Generators of the longest period, for 2 ≤ N ≤ 2^128. Plain arithmetic: no
// Qt.
namespace numbers {

template <typename W>
struct BasicPrimePower {
    W prime;
    int exponent;
};
using PrimePower = BasicPrimePower<Wide>;

// The prime factors of n (1 ≤ n ≤ 2^64), the smallest first: trial
// division, then Miller–Rabin (deterministic below 2^64) and Pollard's rho
// in Brent's form.
std::vector<PrimePower> factor(Wide n);
// The same up to 2^128, in GMP: a prime factor past 2^64 is one that
// passes GMP's Baillie–PSW test, to which no exception is known. Throws
// TooHardToFactor for N past 2^64 with two prime factors past about 2^50,
// which Pollard's rho would take hours to split.
std::vector<BasicPrimePower<U256>> factor(const U256 &n);
struct TooHardToFactor : std::runtime_error {
    using std::runtime_error::runtime_error;
};
bool isPrime(u64 n);

// Carmichael's function λ(N): the largest multiplicative order of any
// residue coprime with N.
Wide carmichael(Wide n);
U256 carmichael(const U256 &n);

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
template <typename K>
class BasicPeriodFilter
{
public:
    using W = WideOf<K>;
    BasicPeriodFilter(W n, Generator generator);
    bool keeps(K k) const;

private:
    W m_n;
    Generator m_generator;
    std::vector<W> m_primes;        // of N
    W m_lambda = 0;
    std::vector<W> m_lambdaPrimes;  // of λ(N)
};
using PeriodFilter = BasicPeriodFilter<u64>;

// base^exponent mod n, for n ≤ 2^64 with W = Wide and n ≤ 2^128 with W =
// U256: the products of two residues fit W.
template <typename W>
W powerMod(W base, W exponent, W n)
{
    W result = 1 % n;
    base %= n;
    for (; exponent != 0; exponent >>= 1) {
        if ((exponent & 1) != 0)
            result = result * base % n;
        base = base * base % n;
    }
    return result;
}

} // namespace numbers
