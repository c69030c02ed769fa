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

// The arrays of a reduction hold up to Capacity dimensions: 8 for the
// figure of merit's usual dimensions, whose arrays stay small enough for
// the cache, and 24 for every dimension.
template <int Capacity>
using Rows = i64[Capacity][Capacity];
template <int Capacity>
using ExactSquares = i128[Capacity][Capacity];
template <int Capacity>
using Coefficients = double[Capacity][Capacity];

// Rows 0 … t − 1 of an LLL-reduced basis in exact integers, their exact
// Gram matrix, and the doubles of their Gram–Schmidt orthogonalisation:
// r_ij = ⟨b_i, b_j*⟩ and μ_ij = r_ij / r_jj.
template <int Capacity>
struct ReducedRows {
    int t;
    const Rows<Capacity> &basis;
    const ExactSquares<Capacity> &gram;
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
template <int Capacity>
bool shortestNu2(const ReducedRows<Capacity> &rows, Wide n, u64 k, Wide &nu2);

} // namespace numbers
