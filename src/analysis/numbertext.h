#pragma once

#include <QString>

// How Zyklar writes numbers into its boxes, messages and rows.
namespace analysis {

// The decimal text of a whole number with one leading blank where a minus
// sign would stand: " 21", "-5", " 0". Every digit is written, whatever the
// size: 1e20 reads " 100000000000000000000".
QString numberText(double value);

// numberText right-aligned in a column of `width` characters, cut to its
// last `width` characters when longer.
QString column(double value, int width);

// The window's three-character columns: "  7", " 42", "123". Rows of such
// columns line up in a fixed-pitch font; a number of four or more digits
// keeps only its last three.
QString column3(double value);

// Rounds to the nearest whole number, halves to the even neighbour, as the
// values handed to scroll bars and colour components are rounded.
double roundHalfEven(double value);

} // namespace analysis
