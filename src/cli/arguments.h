#pragma once

#include "numbers/spread.h"

#include <optional>
#include <string>
#include <string_view>

// Reading the numbers of a command line: whole numbers, decimal,
// hexadecimal after 0x, or 2^e, 2^e-c, 2^e+c; no sign, point or exponent.
// Output is always decimal.
namespace cli {

struct Invocation;

// „text“, as the messages quote what the user wrote.
std::string quoted(std::string_view text);

// How a limit reads in help texts: 1000000, 10^18, 2^64.
std::string limitText(const numbers::U256 &limit);

// A whole number between min and max; `name` is how the messages call it.
numbers::Wide wholeNumber(std::string_view text, const std::string &name, numbers::Wide min,
                          numbers::Wide max);

// A number as the program writes it into its files: decimal digits, no
// sign and no leading zero, at most `max`; none otherwise.
std::optional<numbers::U256> writtenNumber(std::string_view text, const numbers::U256 &max);

// The command's first argument as N, within the command's range: up to
// 2^128 for the commands that take today's generators.
numbers::U256 modulusOf(const Invocation &call);
// The same for the commands whose N stays within 2^64.
numbers::Wide nOf(const Invocation &call);

// N (the first argument) and a K (by default the second) reduced as the
// window reduces them: K of any length taken modulo N, then their common
// divisor cancelled with the window's message on standard error. A multiple
// of N is a usage error.
template <typename K>
struct BasicMultiplier {
    numbers::WideOf<K> n;
    K k;
};
using Multiplier = BasicMultiplier<numbers::u64>;
Multiplier multiplierOf(const Invocation &call, size_t argument = 1);
// The same for a K given as text (a line of standard input), of the
// engine's width K (numbers/euclid.h): N ≤ 2^64 for u64, N ≤ 2^128 for
// u128.
template <typename K = numbers::u64>
BasicMultiplier<K> multiplierOf(const Invocation &call, std::string_view k);

// What --dimensionen asks for: 2 … 8, and 8 without it.
int dimensionsOf(const Invocation &call);

} // namespace cli
