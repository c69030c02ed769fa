#pragma once

#include "numbers/spread.h"

#include <functional>

// The shortest vectors of the lattices of t successive values, t = 2, 3, …,
// in machine integers: the engine's quick way for every N up to 2^128.
// Internal to numbers; lattice.h is the interface.
namespace numbers {

// Calls more(t, ν_t²) for t = 2, 3, … upTo while it returns true.
//
// One LLL reduction (δ = 0.99) of the basis (N, 0, …), (−k^i mod N, e_i)
// of the lattice of T = upTo dimensions serves every t: rows are taken in
// one at a time, so when the reduction first reaches row t, rows 0 … t − 1
// are a reduced basis of the lattice of t dimensions. Its shortest vector
// is then found by enumeration (Schnorr and Euchner), every candidate's
// length computed from its integer coordinates.
//
// The basis stays in exact 64-bit integers, each entry of its Gram matrix
// is computed exactly in 128 bits and then rounded to a double (the
// plane's first reduction, Euclid's, in 128 bits); the Gram–Schmidt
// coefficients are doubles, recomputed from those after every change of a
// row (as in Nguyen and Stehlé's L²), and the enumeration's radius has
// room for their rounding.
//
// Returns false, with nothing or only some dimensions reported, should an
// integer leave its range (k or N − k very much smaller than N, as k = 1
// at N = 2^64) or the reduction not settle; the caller then asks an
// arbitrary-precision reduction for the rest.
//
// `plane`, where given, is a basis of the plane lattice that the caller's
// Euclid pass found (PlaneWalks), used instead of walking it again.
bool machineLatticeNu2(Wide n, u64 k, int upTo, const std::function<bool(int, Wide)> &more,
                       const PlaneBasis<u64> *plane = nullptr);

// The same for N up to 2^128, with rows of 128-bit integers and their Gram
// matrix in 256 bits; the plane's first reduction is Euclid's on N and k.
bool machineLatticeNu2(const U256 &n, u128 k, int upTo,
                       const std::function<bool(int, U256)> &more,
                       const PlaneBasis<u128> *plane = nullptr);

} // namespace numbers
