#pragma once

#include "numbers/lattice.h"

#include <cstdint>

// The shortest vector of a reduced lattice basis, for the machine-integer
// reduction (basisreduction.h). Internal to numbers.
namespace numbers {

using i64 = std::int64_t;
using i128 = __int128;

// a + b·c, false where it leaves 128 bits.
inline bool addProduct(i128 &a, i128 b, i128 c)
{
    i128 product;
    return !__builtin_mul_overflow(b, c, &product) && !__builtin_add_overflow(a, product, &a);
}

// A signed 256-bit integer in two's complement, for the Gram matrix of rows
// of 128-bit entries: only what the reduction needs.
class I256
{
public:
    I256() = default;
    I256(i128 value) // NOLINT: widens like a built-in integer
        : m_bits(value < 0 ? ~u128(0) : 0, u128(value))
    {
    }

    bool negative() const { return (m_bits.high() >> 127) != 0; }
    U256 magnitude() const { return negative() ? U256(0) - m_bits : m_bits; }
    // Whether the value lies within ±(2^127 − 1).
    bool fitsI128() const
    {
        const bool sign = (m_bits.low() >> 127) != 0;
        return m_bits.high() == (sign ? ~u128(0) : 0) && m_bits.low() != u128(1) << 127;
    }
    explicit operator i128() const { return i128(m_bits.low()); }
    explicit operator double() const
    {
        if (fitsI128())
            return double(i128(m_bits.low()));
        const double size = double(magnitude());
        return negative() ? -size : size;
    }
    friend bool operator==(const I256 &, const I256 &) = default;
    friend bool operator<(const I256 &a, const I256 &b)
    {
        if (a.negative() != b.negative())
            return a.negative();
        return a.m_bits < b.m_bits;
    }
    friend bool operator<(const I256 &a, int b) { return a < I256(b); }

    // a + b·c for b and c within ±(2^127 − 1), false where the sum leaves
    // 256 bits or b or c their range.
    friend bool addProduct(I256 &a, const I256 &b, const I256 &c)
    {
        if (!b.fitsI128() || !c.fitsI128())
            return false;
        I256 product;
        product.m_bits = U256::full(b.magnitude().low(), c.magnitude().low());
        if (b.negative() != c.negative())
            product.m_bits = U256(0) - product.m_bits;
        const I256 sum = fromBits(a.m_bits + product.m_bits);
        if (a.negative() == product.negative() && sum.negative() != a.negative())
            return false;
        a = sum;
        return true;
    }

private:
    static I256 fromBits(const U256 &bits)
    {
        I256 value;
        value.m_bits = bits;
        return value;
    }

    U256 m_bits;
};

// The machine words of a reduction: basis entries, exact Gram entries, the
// modulus and ν², the multiplier. Narrow for N ≤ 2^64; wide for N ≤ 2^128,
// whose rows hold 128-bit entries and whose Gram matrix 256-bit ones.
struct NarrowWords {
    using Entry = i64;
    using Square = i128;
    using Modulus = Wide;
    using Multiplier = u64;
    // The largest entry a row keeps: −Entry's least is left out, so every
    // entry can be negated.
    static bool fits(i128 value) { return value <= INT64_MAX && value >= -INT64_MAX; }
    static Wide size(i128 value) { return Wide(value < 0 ? -value : value); }
};
struct WideWords {
    using Entry = i128;
    using Square = I256;
    using Modulus = U256;
    using Multiplier = u128;
    static bool fits(const I256 &value) { return value.fitsI128(); }
    static U256 size(const I256 &value) { return value.magnitude(); }
};

// The arrays of a reduction hold up to Capacity dimensions: 8 for the
// figure of merit's usual dimensions, whose arrays stay small enough for
// the cache, and 24 for every dimension.
template <int Capacity, typename Words>
using Rows = typename Words::Entry[Capacity][Capacity];
template <int Capacity, typename Words>
using ExactLengths = typename Words::Square[Capacity];
template <int Capacity>
using Coefficients = double[Capacity][Capacity];

// Rows 0 … t − 1 of an LLL-reduced basis in exact integers, their exact
// squared lengths, and the doubles of their Gram–Schmidt orthogonalisation:
// r_ij = ⟨b_i, b_j*⟩ and μ_ij = r_ij / r_jj.
template <int Capacity, typename Words>
struct ReducedRows {
    int t;
    const Rows<Capacity, Words> &basis;
    const ExactLengths<Capacity, Words> &lengths;
    const Coefficients<Capacity> &r;
    const Coefficients<Capacity> &mu;
};

// The squared length ν² of the shortest nonzero vector of the rows, by
// Schnorr and Euchner's enumeration: depth-first over the coefficients
// x_{t−1}, …, x_0, each within the interval that the partial length leaves,
// from the centre outward, the last nonzero one positive (h and −h are the
// same length). Every candidate's length is computed from its integer
// coordinates, and the vector found is checked to lie in the lattice of k
// modulo N (Σ h_c·k^c ≡ 0); false where it does not. For Capacity 8 and 24.
template <int Capacity, typename Words>
bool shortestNu2(const ReducedRows<Capacity, Words> &rows, const typename Words::Modulus &n,
                 typename Words::Multiplier k, typename Words::Modulus &nu2);

} // namespace numbers
