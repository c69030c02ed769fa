#include "cli/arguments.h"

#include "cli/command.h"
#include "core/input.h"
#include "numbers/ranking.h"

namespace cli {

namespace {

using numbers::u64;
using numbers::Wide;

bool allDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

void requireDigits(std::string_view text, const char *name)
{
    if (!allDigits(text))
        throw UsageError{std::string(name) + " muss eine ganze Dezimalzahl sein, nicht "
                         + quoted(text)};
}

} // namespace

std::string quoted(std::string_view text)
{
    return "„" + std::string(text) + "“";
}

std::string limitText(Wide limit)
{
    // Large round limits by their powers, the rest by their digits.
    int exponent = 0;
    Wide power = 1;
    for (; power < limit; power *= 10)
        ++exponent;
    if (power == limit && exponent >= 12)
        return "10^" + std::to_string(exponent);
    for (int bits = 32; bits <= 64; ++bits) {
        if (limit == Wide(1) << bits)
            return "2^" + std::to_string(bits);
    }
    return numbers::decimal(limit);
}

Wide wholeNumber(std::string_view text, const char *name, Wide min, Wide max)
{
    requireDigits(text, name);
    Wide value = 0;
    for (char digit : text) {
        value = value * 10 + u64(digit - '0');
        if (value > max)
            break;
    }
    if (value < min && max == numbers::everyMultiplier)
        throw UsageError{std::string(name) + " muss mindestens " + numbers::decimal(min)
                         + " sein, nicht " + std::string(text)};
    if (value < min || value > max)
        throw UsageError{std::string(name) + " muss zwischen " + numbers::decimal(min) + " und "
                         + numbers::decimal(max) + " liegen, nicht " + std::string(text)};
    return value;
}

Wide nOf(const Invocation &call)
{
    return wholeNumber(call.arguments[0], "N", 2, call.command.maxN);
}

Multiplier multiplierOf(const Invocation &call, size_t argument)
{
    const Wide n = nOf(call);
    const std::string &kText = call.arguments[argument];
    if (!allDigits(kText))
        throw UsageError{"K muss eine ganze Dezimalzahl sein, nicht " + quoted(kText)};
    Wide k = 0;
    for (char digit : kText)
        k = (k * 10 + u64(digit - '0')) % n;
    if (k == 0)
        throw UsageError{"K darf kein Vielfaches von N sein: dann bliebe jeder Schritt auf "
                         "Position 1"};
    const core::Cancelled cancelled = core::cancelDivisor(n, k);
    if (cancelled.divisor != 1)
        std::fprintf(call.err, "%s\n",
                     core::divisorMessage(cancelled.divisor).toUtf8().constData());
    return {cancelled.n, u64(cancelled.k)};
}

int dimensionsOf(const Invocation &call)
{
    if (const auto dimensions = call.value(Option::Dimensions))
        return int(wholeNumber(*dimensions, "--dimensionen", numbers::minDimension,
                               numbers::maxDimension));
    return numbers::maxDimension;
}

} // namespace cli
