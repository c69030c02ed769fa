#pragma once

#include "search/multiplierranking.h"

#include <optional>
#include <string>
#include <string_view>

// One of P parts of a ranking, as "rangliste … --teil I/P --format csv"
// writes it and zusammenfuehren reads it back. After its last row a part
// says what it was made with, in one line that a CSV reader takes for a
// single field, and only a part that was written to its end has that line:
//
//   # zyklar teil=3/8 n=18446744073709551616 nach=guete dimensionen=8
//     generator=lcg von=1 bis=4294967296 top=10 zeilen=10 vollstaendig
//
// (one line). Its rows are a ranking's rows, unchanged.
namespace cli {

// N up to 2^128, and k of either width as u128.
struct Part {
    numbers::U256 n = 0;
    numbers::Criterion criterion = numbers::Criterion::Sum;
    int dimensions = 0;     // of the figure of merit; 0 for any other figure
    numbers::Generator generator = numbers::Generator::Any;
    numbers::u128 first = 0; // the whole range of k that the parts share,
    numbers::u128 last = 0;  // before it is split
    numbers::u64 index = 1; // I of P
    numbers::u64 parts = 1;
    std::optional<numbers::u64> top; // none: every candidate of the part is there
    numbers::u64 rows = 0;

    // The I-th of P equal stretches of first … last, as [from, to]; empty
    // (from > to) where the range has fewer than P multipliers to share.
    std::pair<numbers::u128, numbers::u128> stretch() const;
    // The line after the last row, with its line break.
    std::string closingLine() const;
    // What the merge of two parts must agree on: all but I and the rows.
    // The first field in which they differ, as "nach=summe", or nothing.
    std::optional<std::pair<std::string, std::string>> differenceFrom(const Part &other) const;
};

// The part a closing line describes, or none where the line is not one.
std::optional<Part> partOf(std::string_view line);

} // namespace cli
