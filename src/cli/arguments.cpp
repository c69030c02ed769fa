#include "cli/arguments.h"

#include "cli/command.h"
#include "analysis/input.h"
#include "numbers/period.h"
#include "search/multiplierranking.h"

#include <optional>

namespace cli {

namespace {

using numbers::u64;
using numbers::U256;
using numbers::Wide;

// Past every limit of the commands, where an exact value stops growing.
const U256 beyond = U256(1) << 200;

// A number's value, exact up to `beyond`, or modulo `modulus` where one is
// given (K of any length is taken modulo N as it is read).
class Reading
{
public:
    explicit Reading(U256 modulus)
        : m_modulus(modulus)
    {
    }
    U256 value() const { return m_value; }

    void digit(unsigned base, unsigned digit)
    {
        if (m_modulus)
            m_value = (m_value * base + digit) % m_modulus;
        else
            m_value = std::min(beyond, m_value * base + digit);
    }
    // 2^e, for e up to any size.
    void powerOfTwo(U256 exponent)
    {
        if (m_modulus)
            m_value = numbers::powerMod(U256(2), exponent, m_modulus);
        else
            m_value = exponent >= 200 ? beyond : U256(1) << unsigned(u64(exponent));
    }
    // value ± other; false where an exact value would fall below 0.
    bool add(U256 other, bool subtract)
    {
        if (m_modulus) {
            other %= m_modulus;
            m_value = subtract ? (m_value + m_modulus - other) % m_modulus
                               : (m_value + other) % m_modulus;
            return true;
        }
        if (subtract && other > m_value)
            return m_value == beyond;
        m_value = subtract ? (m_value == beyond ? beyond : m_value - other)
                           : std::min(beyond, m_value + other);
        return true;
    }

private:
    U256 m_modulus; // at most 2^128, so products of residues fit
    U256 m_value = 0;
};

// Digits in a base; false where there are none or one is not a digit.
bool readDigits(std::string_view text, unsigned base, Reading &reading)
{
    if (text.empty())
        return false;
    for (char c : text) {
        const unsigned digit = c >= '0' && c <= '9' ? unsigned(c - '0')
                : c >= 'a' && c <= 'f'              ? unsigned(c - 'a' + 10)
                : c >= 'A' && c <= 'F'              ? unsigned(c - 'A' + 10)
                                                    : 16;
        if (digit >= base)
            return false;
        reading.digit(base, digit);
    }
    return true;
}

// A plain number: decimal, or hexadecimal after 0x.
bool readPlain(std::string_view text, Reading &reading)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return readDigits(text.substr(2), 16, reading);
    return readDigits(text, 10, reading);
}

// A whole number as the command line takes it: decimal (2147483647),
// hexadecimal (0x9E3779B97F4A7C15), or a power of two with a correction
// (2^64, 2^31-1, 2^32+15). No sign, point or exponent.
std::optional<U256> readNumber(std::string_view text, U256 modulus)
{
    Reading reading(modulus);
    if (text.substr(0, 2) != "2^")
        return readPlain(text, reading) ? std::optional(reading.value()) : std::nullopt;
    const size_t sign = text.find_first_of("+-", 2);
    Reading exponent(0);
    if (!readDigits(text.substr(2, sign == std::string_view::npos ? sign : sign - 2), 10,
                    exponent))
        return std::nullopt;
    reading.powerOfTwo(exponent.value());
    if (sign == std::string_view::npos)
        return reading.value();
    Reading correction(modulus);
    if (!readPlain(text.substr(sign + 1), correction)
        || !reading.add(correction.value(), text[sign] == '-'))
        return std::nullopt;
    return reading.value();
}

UsageError notANumber(std::string_view name, std::string_view text)
{
    return UsageError{say(translate("cli", "%1 muss eine ganze Zahl sein (dezimal, 0x… oder "
                                           "2^e±c), nicht %2"),
                          {std::string(name), quoted(text)})};
}

} // namespace

std::string quoted(std::string_view text)
{
    return say(translate("cli", "„%1“"), {std::string(text)});
}

std::string limitText(const U256 &limit)
{
    // Large round limits by their powers, the rest by their digits.
    int exponent = 0;
    U256 power = 1;
    for (; power < limit; power *= 10)
        ++exponent;
    if (power == limit && exponent >= 12)
        return "10^" + std::to_string(exponent);
    for (unsigned bits = 32; bits <= 128; ++bits) {
        if (limit == U256(1) << bits)
            return "2^" + std::to_string(bits);
    }
    return numbers::decimal(limit);
}

namespace {

U256 numberWithin(std::string_view text, const std::string &name, U256 min, U256 max)
{
    const std::optional<U256> read = readNumber(text, 0);
    if (!read)
        throw notANumber(name, text);
    const U256 value = *read;
    if (value < min && max == search::everyMultiplier)
        throw UsageError{say(translate("cli", "%1 muss mindestens %2 sein, nicht %3"),
                             {name, numbers::decimal(min), std::string(text)})};
    if (value < min || value > max)
        throw UsageError{say(translate("cli", "%1 muss zwischen %2 und %3 liegen, nicht %4"),
                             {name, numbers::decimal(min), numbers::decimal(max),
                              std::string(text)})};
    return value;
}

} // namespace

Wide wholeNumber(std::string_view text, const std::string &name, Wide min, Wide max)
{
    return Wide(numberWithin(text, name, min, max));
}

std::optional<U256> writtenNumber(std::string_view text, const U256 &max)
{
    if (text.empty() || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    U256 value = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || value > max / 10 || value * 10 + unsigned(c - '0') > max)
            return std::nullopt;
        value = value * 10 + unsigned(c - '0');
    }
    return value;
}

U256 modulusOf(const Invocation &call)
{
    return numberWithin(call.arguments[0], "N", 2, call.command.maxN);
}

Wide nOf(const Invocation &call)
{
    const U256 n = modulusOf(call);
    if (n > numbers::maxModulus<u64>)
        throw std::logic_error("N past 2^64 in a command of 64 bits");
    return Wide(n);
}

Multiplier multiplierOf(const Invocation &call, size_t argument)
{
    return multiplierOf(call, std::string_view(call.arguments[argument]));
}

template <typename K>
BasicMultiplier<K> multiplierOf(const Invocation &call, std::string_view kText)
{
    using W = numbers::WideOf<K>;
    const U256 n = modulusOf(call);
    const std::optional<U256> read = readNumber(kText, n);
    if (!read)
        throw notANumber("K", kText);
    const U256 k = *read;
    if (k == 0)
        throw UsageError{say(translate("cli", "K darf kein Vielfaches von N sein: dann bliebe "
                                              "jeder Schritt auf Position 1"))};
    // k < N ≤ 2^128, so the divisor and k fit 128 bits.
    const U256 divisor = numbers::gcd(n, k);
    if (divisor != 1)
        std::fprintf(call.err, "zyklar: %s\n",
                     say(translate("cli", "%1: N = %2, K = %3 wird zu N = %4, K = %5"),
                         {analysis::divisorMessage(Wide(divisor)).toStdString(),
                          numbers::decimal(n), std::string(kText),
                          numbers::decimal(n / divisor), numbers::decimal(k / divisor)})
                             .c_str());
    return {W(n / divisor), K(Wide(k / divisor))};
}
template BasicMultiplier<u64> multiplierOf(const Invocation &, std::string_view);
template BasicMultiplier<numbers::u128> multiplierOf(const Invocation &, std::string_view);

int dimensionsOf(const Invocation &call)
{
    if (const auto dimensions = call.value(Option::Dimensions))
        return int(wholeNumber(*dimensions, optionName(Option::Dimensions), numbers::minDimension,
                               numbers::maxDimension));
    return numbers::defaultDimensions;
}

} // namespace cli
