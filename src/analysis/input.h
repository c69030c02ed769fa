#pragma once

#include "numbers/euclid.h"

#include <QString>
#include <QStringView>

// Reading N and the multiplier from their text boxes, and reducing them to a
// pair the analysis can run with: 2 ≤ N ≤ 200, 1 ≤ k ≤ N − 1, N and k
// coprime. The command line cancels the common divisor by the same rule.
namespace analysis {

inline constexpr int minN = 2;
inline constexpr int maxN = 200;

// The numeric value of a text: its longest leading numeric part, with
// blanks, tabs and line feeds ignored wherever they stand; "." is the decimal
// point and an exponent ("1e1") is understood; a text without a leading
// number reads as 0. The same in every locale. A value beyond the range of a
// double saturates at the largest finite one.
double readNumber(QStringView text);

// N and k (0 ≤ k ≤ N) without their greatest common divisor g, which is N
// itself for k = 0 or k = N.
struct Cancelled {
    numbers::Wide divisor;
    numbers::Wide n;
    numbers::Wide k;
};
Cancelled cancelDivisor(numbers::Wide n, numbers::Wide k);

// What the window and the command line say when they cancel g:
// "Der gemeinsame Teiler 3 wird herausgekürzt".
QString divisorMessage(numbers::Wide divisor);

// The reduction as data.
struct ReducedInput {
    double clampedN;  // rounded, then clamped to 2 … 200 (or the largest N asked for)
    double clampedK;  // rounded, raised to 1, and taken mod N when above N
    int divisor;      // the common divisor g of clampedN and clampedK
    int n;            // clampedN / g, at least 2
    int k;            // clampedK / g, at least 1
};

// Both values are first rounded to whole numbers, halves to even, so the
// divisor is always taken of whole numbers. A multiplier that is a multiple
// of N has N itself as the common divisor, and the analysis then runs with
// N = 2, k = 1.
// The window "Drei Abstände" reduces its own N and k by the same rule, up
// to a larger N.
ReducedInput reduceInput(double nRead, double kRead, int largestN = maxN);

} // namespace analysis
