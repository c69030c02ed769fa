#include "analysis/input.h"

#include "language/language.h"

#include "analysis/numbertext.h"
#include "numbers/spread.h"


#include <QByteArray>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace analysis {

namespace {

bool isIgnored(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The longest prefix of `s` that reads as a number: sign, digits with at most
// one decimal point (at least one digit), then an exponent only if it has
// digits of its own.
qsizetype numericPrefix(const QByteArray &s)
{
    qsizetype i = 0;
    const qsizetype size = s.size();
    if (i < size && (s[i] == '+' || s[i] == '-'))
        ++i;
    bool digits = false;
    while (i < size && isDigit(s[i])) {
        ++i;
        digits = true;
    }
    if (i < size && s[i] == '.') {
        ++i;
        while (i < size && isDigit(s[i])) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (i < size && (s[i] == 'e' || s[i] == 'E')) {
        qsizetype e = i + 1;
        if (e < size && (s[e] == '+' || s[e] == '-'))
            ++e;
        if (e < size && isDigit(s[e])) {
            while (e < size && isDigit(s[e]))
                ++e;
            i = e;
        }
    }
    return i;
}

double parseInCLocale(const QByteArray &number)
{
    // The program runs in the user's locale, where strtod may expect a
    // decimal comma; this parse always uses the C locale's point.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtod_l(number.constData(), nullptr, cLocale);
}

} // namespace

double readNumber(QStringView text)
{
    QByteArray compact;
    compact.reserve(text.size());
    for (QChar c : text) {
        if (isIgnored(c))
            continue;
        // Anything outside ASCII ends a number anyway.
        compact.append(c.unicode() < 128 ? char(c.unicode()) : '\x7f');
    }
    compact.truncate(numericPrefix(compact));
    if (compact.isEmpty())
        return 0;
    const double value = parseInCLocale(compact);
    if (std::isinf(value))
        return std::copysign(DBL_MAX, value);
    return value;
}

ReducedInput reduceInput(double nRead, double kRead, int largestN)
{
    double n = roundHalfEven(nRead);
    if (n > largestN)
        n = largestN;
    if (n < minN)
        n = minN;

    double k = roundHalfEven(kRead);
    if (k < 1)
        k = 1;
    // k = N itself stays: the common divisor deals with it. A multiple of N
    // becomes 0 here. fmod is exact, so any size of k is safe.
    if (k > n)
        k = std::fmod(k, n);

    const Cancelled whole = cancelDivisor(numbers::Wide(n), numbers::Wide(k));
    return {n, k, int(whole.divisor), std::max(int(whole.n), minN), std::max(int(whole.k), 1)};
}

Cancelled cancelDivisor(numbers::Wide n, numbers::Wide k)
{
    const numbers::Wide g = numbers::gcd(n, k);
    return {g, n / g, k / g};
}

QString divisorMessage(numbers::Wide divisor)
{
    return language::translate("analysis", "Der gemeinsame Teiler %1 wird herausgekürzt")
            .arg(QString::fromStdString(numbers::decimal(divisor)));
}

} // namespace analysis
