#pragma once

#include <gmp.h>

#include <compare>
#include <concepts>
#include <cstdint>
#include <string>

// A 256-bit unsigned integer with the operators of a built-in one, for the
// engine above 2^64: a modulus N reaches 2^128 itself, a gap sum about
// N·ln N ≈ 2^135 and ν₂² up to 1.16·N. Fixed width, on the stack, as fast
// as the 128-bit arithmetic it is built from; GMP's low-level division for
// the rare quotients of two wide numbers. Arithmetic wraps modulo 2^256 as
// unsigned integers do; the engine's values stay below 2^192.
namespace numbers {

using u128 = unsigned __int128;

class U256
{
public:
    constexpr U256() = default;
    // Widens like a built-in integer (from values ≥ 0).
    constexpr U256(u128 low) : m_low(low) {} // NOLINT
    template <std::integral T>
    constexpr U256(T low) : m_low(u128(low)) {} // NOLINT
    constexpr U256(u128 high, u128 low) : m_high(high), m_low(low) {}
    constexpr U256(const U256 &other) = default;
    // Member by member: GCC 12 copies the two 128-bit halves, just
    // computed in pairs of 64-bit registers, through a 16-byte load of
    // what it stored as two 8-byte halves, and the processor stalls on it.
    constexpr U256 &operator=(const U256 &other)
    {
        m_high = other.m_high;
        m_low = other.m_low;
        return *this;
    }

    constexpr u128 high() const { return m_high; }
    constexpr u128 low() const { return m_low; }
    // The low 128 bits, as a cast to a narrower integer takes them.
    explicit constexpr operator u128() const { return m_low; }
    explicit constexpr operator std::uint64_t() const { return std::uint64_t(m_low); }
    explicit constexpr operator int() const { return int(m_low); }
    explicit constexpr operator bool() const { return m_high != 0 || m_low != 0; }
    explicit operator long double() const
    {
        return (long double)m_high * 0x1p128L + (long double)m_low;
    }
    explicit operator double() const { return double((long double)*this); }

    friend constexpr bool operator==(const U256 &, const U256 &) = default;
    friend constexpr std::strong_ordering operator<=>(const U256 &a, const U256 &b)
    {
        if (a.m_high != b.m_high)
            return a.m_high < b.m_high ? std::strong_ordering::less : std::strong_ordering::greater;
        return a.m_low < b.m_low   ? std::strong_ordering::less
                : a.m_low > b.m_low ? std::strong_ordering::greater
                                    : std::strong_ordering::equal;
    }

    friend constexpr U256 operator+(const U256 &a, const U256 &b)
    {
        const u128 low = a.m_low + b.m_low;
        return {a.m_high + b.m_high + (low < a.m_low), low};
    }
    friend constexpr U256 operator-(const U256 &a, const U256 &b)
    {
        return {a.m_high - b.m_high - (a.m_low < b.m_low), a.m_low - b.m_low};
    }
    friend constexpr U256 operator*(const U256 &a, const U256 &b)
    {
        U256 r = full(a.m_low, b.m_low);
        if ((a.m_high | b.m_high) == 0) // the engine's usual case
            return r;
        r.m_high += a.m_high * b.m_low + a.m_low * b.m_high;
        return r;
    }
    friend U256 operator/(const U256 &a, const U256 &b)
    {
        U256 q, r;
        divide(a, b, q, r);
        return q;
    }
    friend U256 operator%(const U256 &a, const U256 &b)
    {
        U256 q, r;
        divide(a, b, q, r);
        return r;
    }
    friend constexpr U256 operator<<(const U256 &a, unsigned shift)
    {
        if (shift == 0)
            return a;
        if (shift >= 128)
            return {shift >= 256 ? 0 : a.m_low << (shift - 128), 0};
        return {(a.m_high << shift) | (a.m_low >> (128 - shift)), a.m_low << shift};
    }
    friend constexpr U256 operator>>(const U256 &a, unsigned shift)
    {
        if (shift == 0)
            return a;
        if (shift >= 128)
            return {0, shift >= 256 ? 0 : a.m_high >> (shift - 128)};
        return {a.m_high >> shift, (a.m_low >> shift) | (a.m_high << (128 - shift))};
    }
    friend constexpr U256 operator&(const U256 &a, const U256 &b)
    {
        return {a.m_high & b.m_high, a.m_low & b.m_low};
    }
    friend constexpr U256 operator|(const U256 &a, const U256 &b)
    {
        return {a.m_high | b.m_high, a.m_low | b.m_low};
    }

    U256 &operator+=(const U256 &b) { return *this = *this + b; }
    U256 &operator-=(const U256 &b) { return *this = *this - b; }
    U256 &operator*=(const U256 &b) { return *this = *this * b; }
    U256 &operator/=(const U256 &b) { return *this = *this / b; }
    U256 &operator%=(const U256 &b) { return *this = *this % b; }
    U256 &operator>>=(unsigned shift) { return *this = *this >> shift; }
    U256 &operator<<=(unsigned shift) { return *this = *this << shift; }
    U256 &operator++() { return *this = *this + 1; }
    U256 &operator--() { return *this = *this - 1; }

    // The full 256-bit product of two 128-bit numbers.
    static constexpr U256 full(u128 a, u128 b)
    {
        const u128 a0 = std::uint64_t(a), a1 = a >> 64, b0 = std::uint64_t(b), b1 = b >> 64;
        const u128 low = a0 * b0, cross1 = a0 * b1, cross2 = a1 * b0;
        const u128 middle = (low >> 64) + std::uint64_t(cross1) + std::uint64_t(cross2);
        return {a1 * b1 + (cross1 >> 64) + (cross2 >> 64) + (middle >> 64),
                (middle << 64) | std::uint64_t(low)};
    }

    // The bits needed to write the number: 0 for 0.
    int bitWidth() const
    {
        if (m_high != 0)
            return 128 + width(m_high);
        return width(m_low);
    }

private:
    static int width(u128 v)
    {
        const std::uint64_t high = std::uint64_t(v >> 64), low = std::uint64_t(v);
        return high ? 128 - __builtin_clzll(high) : low ? 64 - __builtin_clzll(low) : 0;
    }

    // Quotient and remainder; a division by 0 is an error of the caller, as
    // with built-in integers, and gives 0.
    static void divide(const U256 &a, const U256 &b, U256 &q, U256 &r)
    {
        if (b.m_high == 0 && a.m_high == 0) {
            if (b.m_low == 0) {
                q = r = U256();
                return;
            }
            q = a.m_low / b.m_low;
            r = a.m_low % b.m_low;
            return;
        }
        if (b && (b & (b - 1)) == 0) { // 2^e, such as N = 2^128: shift and mask
            const int e = b.bitWidth() - 1;
            q = a >> unsigned(e);
            r = a & (b - 1);
            return;
        }
        mp_limb_t na[4], nb[4], nq[4] = {0, 0, 0, 0}, nr[4] = {0, 0, 0, 0};
        a.limbs(na);
        b.limbs(nb);
        mp_size_t sa = 4, sb = 4;
        while (sa > 0 && na[sa - 1] == 0)
            --sa;
        while (sb > 0 && nb[sb - 1] == 0)
            --sb;
        if (sb == 0 || sa < sb) {
            q = U256();
            r = sb == 0 ? U256() : a;
            return;
        }
        mpn_tdiv_qr(nq, nr, 0, na, sa, nb, sb);
        q = fromLimbs(nq);
        r = fromLimbs(nr);
    }
    void limbs(mp_limb_t out[4]) const
    {
        out[0] = mp_limb_t(m_low);
        out[1] = mp_limb_t(m_low >> 64);
        out[2] = mp_limb_t(m_high);
        out[3] = mp_limb_t(m_high >> 64);
    }
    static U256 fromLimbs(const mp_limb_t in[4])
    {
        return {(u128(in[3]) << 64) | in[2], (u128(in[1]) << 64) | in[0]};
    }
    static_assert(sizeof(mp_limb_t) == 8, "64-bit GMP limbs");

    u128 m_high = 0, m_low = 0;
};

// ⌊x⌋ of a long double 0 ≤ x < 2^192 as an integer W (u128 or U256).
template <typename W>
W wholeOf(long double x)
{
    if constexpr (sizeof(W) > sizeof(u128)) {
        const long double high = __builtin_floorl(x * 0x1p-128L);
        return W(u128(high), u128(x - high * 0x1p128L));
    } else {
        return W(x);
    }
}

} // namespace numbers
