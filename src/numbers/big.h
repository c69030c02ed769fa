#pragma once

#include "numbers/dimensions.h"
#include "numbers/euclid.h"

#include <gmp.h>

#include <stdexcept>

// A GMP integer for the span of a function, with the engine's 128-bit and
// 256-bit integers in and out. Internal to numbers.
namespace numbers {

struct Big {
    mpz_t value;
    Big() { mpz_init(value); }
    explicit Big(Wide from) : Big() { set(from); }
    explicit Big(const U256 &from) : Big() { set(from); }
    ~Big() { mpz_clear(value); }
    Big(const Big &) = delete;
    Big &operator=(const Big &) = delete;

    void set(Wide from)
    {
        const u64 limbs[2] = {u64(from), u64(from >> 64)};
        mpz_import(value, 2, -1, sizeof(u64), 0, 0, limbs);
    }
    void set(const U256 &from)
    {
        const u64 limbs[4] = {u64(from.low()), u64(from.low() >> 64), u64(from.high()),
                              u64(from.high() >> 64)};
        mpz_import(value, 4, -1, sizeof(u64), 0, 0, limbs);
    }
    // The value as W (Wide or U256), which it must fit.
    template <typename W = Wide>
    W get() const
    {
        constexpr size_t bits = sizeof(W) * 8;
        if (mpz_sizeinbase(value, 2) > bits || mpz_sgn(value) < 0)
            throw std::overflow_error("past the engine's integers");
        u64 limbs[4] = {0, 0, 0, 0};
        mpz_export(limbs, nullptr, -1, sizeof(u64), 0, 0, value);
        const Wide low = (Wide(limbs[1]) << 64) | limbs[0];
        if constexpr (bits == 128)
            return low;
        else
            return W((Wide(limbs[3]) << 64) | limbs[2], low);
    }
};

// (γ_t^t)^exponent's numerator or denominator (dimensions.h).
inline void hermitePart(Big &out, unsigned long part, unsigned power, unsigned long exponent)
{
    mpz_ui_pow_ui(out.value, part, power * exponent);
}

} // namespace numbers
