#pragma once

#include "numbers/euclid.h"

#include <string>
#include <type_traits>
#include <vector>

// How evenly a multiplier k fills N positions on a circle: the occupation
// r(m) = m·k mod N step by step, the sum of its minimal distances in closed
// form, the continued fraction of k/N that explains it, and the equidistant
// row it is measured against. Plain arithmetic: no Qt, no widgets.
namespace numbers {

// Step i (i = 1 … N − 1) occupies r(i). Position 0 is occupied from the
// start, and the nearest occupied neighbour of r(i) lies backwards at
// b(i) = min r(m) and forwards at f(i) = min (N − r(m)), m = 1 … i: the
// distances between r(i) and the earlier r(j) are the r(i − j) and their
// complements. So both are running minima and no neighbour is searched for.
class Occupation
{
public:
    // For 1 ≤ k < N, N ≤ 10^18; before the first step only position 0 is
    // occupied.
    Occupation(u64 n, u64 k)
        : m_n(n), m_k(k), m_backward(n), m_forward(n)
    {
    }

    // Occupies the next position, k further on.
    void advance()
    {
        m_position += m_k; // both below N ≤ 10^18: no overflow
        if (m_position >= m_n)
            m_position -= m_n;
        ++m_step;
        if (m_position < m_backward) {
            m_backward = m_position;
            m_backwardStep = m_step;
        }
        if (m_n - m_position < m_forward) {
            m_forward = m_n - m_position;
            m_forwardStep = m_step;
        }
    }

    u64 n() const { return m_n; }
    u64 step() const { return m_step; }
    u64 position() const { return m_position; } // 0-based
    u64 backward() const { return m_backward; }
    u64 forward() const { return m_forward; }
    // The steps that occupied the nearest positions on either side of 0.
    u64 backwardStep() const { return m_backwardStep; }
    u64 forwardStep() const { return m_forwardStep; }
    // On a tie the backward distance is taken; it is the same number.
    u64 minimal() const { return m_backward <= m_forward ? m_backward : m_forward; }

private:
    u64 m_n, m_k;
    u64 m_step = 0, m_position = 0;
    u64 m_backward, m_forward;
    u64 m_backwardStep = 0, m_forwardStep = 0;
};

// The permutation of an occupation: entry p is the step (1 … N) at which
// position p was occupied, position 0 being step 1. Read as a row it is the
// inverse of the occupation order.
std::vector<u64> stepsByPosition(u64 n, u64 k);

// The sum of the minimal distances over the steps 1 … N − 1, for N and k
// coprime, 1 ≤ k < N ≤ 2^64 (2^128 for the wide one). Costs one division
// per partial quotient of k/N. Returns false, leaving `sum` unspecified,
// when N and k share a divisor.
bool spreadSum(Wide n, u64 k, Wide &sum);
bool spreadSum(U256 n, u128 k, U256 &sum);
// The same for N < 2^32, where the sum fits 64 bits; faster, for rankings.
bool spreadSum(u64 n, u64 k, u64 &sum);

// The equidistant row ⌊N/2⌋ + ⌊N/3⌋ + … + ⌊N/N⌋: step i has i + 1 points,
// and i + 1 points cannot all lie further apart than ⌊N/(i + 1)⌋. No
// multiplier's sum exceeds it. About N^(1/3) operations: quick to 2^64,
// hours at 2^128.
Wide equidistantSum(Wide n);
U256 equidistantSum(const U256 &n);

// Σ ⌊N/j⌋ over j = 1 … N, the lattice points under the hyperbola xy = N.
Wide divisorSum(Wide n);
U256 divisorSum(const U256 &n);

// The sum as a share of the equidistant row, in ten-thousandths rounded half
// up: 8261 stands for 0.8261. Exact, with no floating point.
template <typename W>
u64 shareTenThousandths(W sum, std::type_identity_t<W> equidistant)
{
    return u64((sum * 20000 + equidistant) / (2 * equidistant));
}

// The equidistant row of one N as the denominator of shares. Exact below
// 2^40, where it costs a few thousand steps. Above, Dirichlet's formula
// Σ ⌊N/j⌋ = N·(ln N + 2γ − 1) + Δ(N), with |Δ(N)| ≤ 0.961·√N for N ≥ 1
// (Berkane, Bordellès and Ramaré, Math. Comp. 81, 2012), puts it in an
// interval about 2·√N wide: relative 10⁻¹¹ at 2^64 and 10⁻²¹ at 2^128,
// which decides a share's four decimals unless it lies that close to a
// rounding edge. Only then is the row summed, once. Not for sharing
// between threads. W is the engine's wide type (euclid.h).
template <typename W>
class BasicEquidistantRow
{
public:
    explicit BasicEquidistantRow(W n);
    // shareTenThousandths(sum, equidistantSum(N)), exactly.
    u64 share(W sum) const;
    // Whether the row has been summed exactly.
    bool exact() const { return m_low == m_high; }

private:
    W m_n;
    mutable W m_low, m_high; // the row lies in [m_low, m_high]
};
using EquidistantRow = BasicEquidistantRow<Wide>;

// A number given in ten-thousandths with its four decimals and the given
// separator: 8261 → "0.8261", 26180 → "2.6180".
std::string fourDecimals(Wide tenThousandths, char separator = '.');
std::string fourDecimals(const U256 &tenThousandths, char separator = '.');

// The continued fraction of k/N as Euclid's algorithm gives it, leading 0
// included: 8/21 = [0; 2, 1, 1, 1, 2]. For 1 ≤ k < N the last quotient is at
// least 2 (the expansion Euclid ends with). 1/2^64 = [0; 2^64]: quotients
// reach N.
std::vector<Wide> continuedFraction(u64 k, Wide n);
std::vector<U256> continuedFraction(u128 k, const U256 &n);

// "[0; 2, 1, 1, 1, 2]".
std::string continuedFractionText(const std::vector<Wide> &quotients);
std::string continuedFractionText(const std::vector<U256> &quotients);

// The largest partial quotient after the leading 0: a large one is a long
// run of equal distances on one side, a poorly filled stretch.
Wide largestQuotient(const std::vector<Wide> &quotients);
U256 largestQuotient(const std::vector<U256> &quotients);

// The decimal digits of a number of either width.
std::string decimal(Wide value);
std::string decimal(const U256 &value);

} // namespace numbers
