#pragma once

#include "numbers/dimensions.h"
#include "numbers/euclid.h"

#include <gmp.h>

#include <stdexcept>

// A GMP integer for the span of a function, with the engine's 128-bit
// integers in and out. Internal to numbers.
namespace numbers {

struct Big {
    mpz_t value;
    Big() { mpz_init(value); }
    explicit Big(Wide from) : Big() { set(from); }
    ~Big() { mpz_clear(value); }
    Big(const Big &) = delete;
    Big &operator=(const Big &) = delete;

    void set(Wide from)
    {
        const u64 limbs[2] = {u64(from), u64(from >> 64)};
        mpz_import(value, 2, -1, sizeof(u64), 0, 0, limbs);
    }
    Wide wide() const
    {
        if (mpz_sizeinbase(value, 2) > 128 || mpz_sgn(value) < 0)
            throw std::overflow_error("past 128 bits");
        u64 limbs[2] = {0, 0};
        mpz_export(limbs, nullptr, -1, sizeof(u64), 0, 0, value);
        return (Wide(limbs[1]) << 64) | limbs[0];
    }
};

// (γ_t^t)^exponent's numerator or denominator (dimensions.h).
inline void hermitePart(Big &out, unsigned long part, unsigned power, unsigned long exponent)
{
    mpz_ui_pow_ui(out.value, part, power * exponent);
}

} // namespace numbers
