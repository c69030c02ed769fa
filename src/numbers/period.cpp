#include "numbers/period.h"

#include "numbers/big.h"

#include <algorithm>
#include <map>

namespace numbers {

namespace {

// Products of residues below 2^64 fit 128 bits.
Wide mulMod(Wide a, Wide b, Wide n)
{
    return a * b % n;
}

// Miller–Rabin with the first twelve primes as bases decides every n
// below 3.3·10^24, so every 64-bit n.
bool millerRabin(u64 n)
{
    u64 d = n - 1;
    int s = 0;
    while (d % 2 == 0) {
        d /= 2;
        ++s;
    }
    for (u64 a : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) {
        if (a % n == 0)
            continue;
        Wide x = powerMod<Wide>(a, d, n);
        if (x == 1 || x == n - 1)
            continue;
        bool composite = true;
        for (int r = 1; r < s && composite; ++r) {
            x = mulMod(x, x, n);
            composite = x != n - 1;
        }
        if (composite)
            return false;
    }
    return true;
}

// A non-trivial divisor of an odd composite n (Pollard's rho, Brent's
// cycle finding with batched gcds).
u64 rho(u64 n)
{
    for (u64 c = 1;; ++c) {
        const auto f = [n, c](u64 x) { return u64((mulMod(x, x, n) + c) % n); };
        u64 y = 2, x = 2, saved = 2, g = 1, q = 1;
        constexpr u64 batch = 128;
        for (u64 r = 1; g == 1; r *= 2) {
            x = y;
            for (u64 i = 0; i < r; ++i)
                y = f(y);
            for (u64 done = 0; done < r && g == 1; done += batch) {
                saved = y;
                for (u64 i = 0; i < std::min(batch, r - done); ++i) {
                    y = f(y);
                    q = u64(mulMod(q, x > y ? x - y : y - x, n));
                }
                g = u64(gcd(q, n));
            }
        }
        if (g == n) { // the batch overshot: step through it one at a time
            do {
                saved = f(saved);
                g = u64(gcd(x > saved ? x - saved : saved - x, n));
            } while (g == 1);
        }
        if (g != n)
            return g;
    }
}

void factorInto(u64 n, std::map<Wide, int> &primes)
{
    if (n == 1)
        return;
    if (isPrime(n)) {
        ++primes[n];
        return;
    }
    const u64 d = rho(n);
    factorInto(d, primes);
    factorInto(n / d, primes);
}

// Steps of Pollard's rho allowed for one N: enough for a factor up to
// about 2^50, a few seconds. N whose two smallest prime factors are both
// larger is refused rather than worked on for hours.
constexpr unsigned long rhoBudget = 1ul << 26;

// A non-trivial divisor of the odd composite n in GMP: Pollard's rho in
// Brent's form, x → x² + c, the differences multiplied together and their
// gcd with n taken every `batch` steps; where a batch overshoots to n, its
// steps are walked again one gcd at a time. Throws TooHardToFactor once the
// budget is spent.
void rhoDivisor(const Big &n, Big &divisor, unsigned long &budget)
{
    constexpr unsigned long batch = 128;
    Big x, y, saved, product, difference;
    const auto step = [&n](Big &value, unsigned long c) {
        mpz_mul(value.value, value.value, value.value);
        mpz_add_ui(value.value, value.value, c);
        mpz_mod(value.value, value.value, n.value);
    };
    for (unsigned long c = 1;; ++c) {
        mpz_set_ui(y.value, 2);
        mpz_set_ui(product.value, 1);
        mpz_set_ui(divisor.value, 1);
        for (unsigned long r = 1; mpz_cmp_ui(divisor.value, 1) == 0; r *= 2) {
            mpz_set(x.value, y.value);
            for (unsigned long i = 0; i < r; ++i)
                step(y, c);
            for (unsigned long done = 0; done < r && mpz_cmp_ui(divisor.value, 1) == 0;
                 done += batch) {
                if (budget < batch + r)
                    throw TooHardToFactor("no factor within the budget");
                budget -= batch;
                mpz_set(saved.value, y.value);
                for (unsigned long i = 0; i < std::min(batch, r - done); ++i) {
                    step(y, c);
                    mpz_sub(difference.value, x.value, y.value);
                    mpz_mul(product.value, product.value, difference.value);
                    mpz_mod(product.value, product.value, n.value);
                }
                mpz_gcd(divisor.value, product.value, n.value);
            }
            budget -= std::min(budget, r);
        }
        if (mpz_cmp(divisor.value, n.value) == 0) {
            // The batch reached every factor at once: its steps one by one.
            do {
                step(saved, c);
                mpz_sub(difference.value, x.value, saved.value);
                mpz_gcd(divisor.value, difference.value, n.value);
            } while (mpz_cmp_ui(divisor.value, 1) == 0);
        }
        if (mpz_cmp(divisor.value, n.value) != 0)
            return;
    }
}

// The prime factors of n > 1 in GMP: small ones by trial division, a prime
// rest by Baillie–PSW, a composite one split by rhoDivisor.
void factorBig(Big &n, std::map<U256, int> &primes, unsigned long &budget)
{
    for (unsigned long p = 2; p < 1000 && mpz_cmp_ui(n.value, 1) > 0; p += 1 + (p > 2)) {
        while (mpz_divisible_ui_p(n.value, p)) {
            mpz_divexact_ui(n.value, n.value, p);
            ++primes[U256(u64(p))];
        }
    }
    if (mpz_cmp_ui(n.value, 1) == 0)
        return;
    if (mpz_probab_prime_p(n.value, 30) > 0) {
        ++primes[n.get<U256>()];
        return;
    }
    Big divisor, other;
    rhoDivisor(n, divisor, budget);
    mpz_divexact(other.value, n.value, divisor.value);
    factorBig(divisor, primes, budget);
    factorBig(other, primes, budget);
}

} // namespace

bool isPrime(u64 n)
{
    if (n < 2)
        return false;
    for (u64 p : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) {
        if (n % p == 0)
            return n == p;
    }
    return millerRabin(n);
}

std::vector<PrimePower> factor(Wide n)
{
    std::map<Wide, int> primes;
    // 2^64 itself is the one N past 64 bits.
    for (; n % 2 == 0 && n > 1; n /= 2)
        ++primes[2];
    for (u64 p = 3; p < 1000 && Wide(p) * p <= n; p += 2) {
        for (; n % p == 0; n /= p)
            ++primes[p];
    }
    factorInto(u64(n), primes);
    std::vector<PrimePower> factors;
    for (const auto &[prime, exponent] : primes)
        factors.push_back({prime, exponent});
    return factors;
}

std::vector<BasicPrimePower<U256>> factor(const U256 &n)
{
    std::vector<BasicPrimePower<U256>> factors;
    if (n.high() == 0 && (n.low() >> 64) == 0) {
        for (const PrimePower &power : factor(n.low()))
            factors.push_back({power.prime, power.exponent});
        return factors;
    }
    std::map<U256, int> primes;
    Big rest(n);
    unsigned long budget = rhoBudget;
    factorBig(rest, primes, budget);
    for (const auto &[prime, exponent] : primes)
        factors.push_back({prime, exponent});
    return factors;
}

namespace {

template <typename W>
W carmichaelOf(const W &n)
{
    W lambda = 1;
    for (const BasicPrimePower<W> &power : factor(n)) {
        W part = power.prime - 1;
        for (int e = 1; e < power.exponent; ++e)
            part *= power.prime;
        if (power.prime == 2 && power.exponent >= 3)
            part /= 2; // λ(2^e) = 2^(e−2): the units mod 2^e are not cyclic
        lambda = lambda / gcd(lambda, part) * part;
    }
    return lambda;
}
} // namespace

Wide carmichael(Wide n)
{
    return carmichaelOf(n);
}

U256 carmichael(const U256 &n)
{
    return carmichaelOf(n);
}

template <typename K>
BasicPeriodFilter<K>::BasicPeriodFilter(W n, Generator generator)
    : m_n(n), m_generator(generator)
{
    for (const auto &power : factor(n))
        m_primes.push_back(power.prime);
    if (generator == Generator::Mcg) {
        m_lambda = carmichael(n);
        for (const auto &power : factor(m_lambda))
            m_lambdaPrimes.push_back(power.prime);
    }
}

template <typename K>
bool BasicPeriodFilter<K>::keeps(K k) const
{
    if (gcd(m_n, W(k)) != 1)
        return false;
    switch (m_generator) {
    case Generator::Any: return true;
    case Generator::Mcg:
        // The order of k is λ(N) when no k^(λ/q) is 1, q every prime of λ.
        return std::none_of(m_lambdaPrimes.begin(), m_lambdaPrimes.end(), [&](const W &q) {
            return powerMod(W(k), m_lambda / q, m_n) == 1 % m_n;
        });
    case Generator::Lcg: {
        const W step = W(k) + m_n - 1; // k − 1 mod N, for k = 0 too
        if (m_n % 4 == 0 && step % 4 != 0)
            return false;
        return std::all_of(m_primes.begin(), m_primes.end(),
                           [&](const W &p) { return step % m_n % p == 0; });
    }
    }
    return false;
}
template class BasicPeriodFilter<u64>;
template class BasicPeriodFilter<u128>;

} // namespace numbers
