#pragma once

#include "numbers/figures.h"

#include <optional>
#include <span>
#include <stdexcept>
#include <string>

// A text the program shows translated: its German source here, marked for
// Qt Linguist; the layers with Qt translate it where they show it.
#define ZYKLAR_TEXT(context, text) text

// Every figure of a multiplier described once: how the tools name it (the
// ranking window's column, the text tables' caption, the CSV and JSON
// field), how it is written, and, for a figure that ranks, its `--nach` key,
// its choice in the ranking window and which way is better. The writers,
// the ranking and the window read this catalogue, so a new figure is one
// entry here and its computation in `figures`.
namespace numbers {

enum class Figure {
    Sum, Share, Fraction, Largest, Nu2, F2, Zaremba, GapRatio,
    // The spectral test beyond two dimensions, ν_t² and f_t for t = 3 …
    // 24 (nuOf, fOf), and the figure of merit.
    Nu3, Nu24 = Nu3 + maxDimension - 3, F3, F24 = F3 + maxDimension - 3, Merit,
    // Shown where asked for, after every other: the harmonic score H_T and
    // the smallest M_T of the generator seen every 2nd … 8th step.
    Harmonic, Lagged
};

// What a ranking orders by, in the order the tools offer the choices
// (windowCriteria: the ranking window's cboRangfolge; rankingCriteria:
// `--nach`). The
// figures of the Euclid pass rank every multiplier at the cost of one pass
// and make the standings (everyCriterion); the figure of merit M_T takes a
// lattice reduction per dimension.
enum class Criterion { Sum, Spectral, Zaremba, GapRatio, Largest, Merit, Harmonic, Lagged };
inline constexpr Criterion everyCriterion[] = {Criterion::Sum, Criterion::Spectral,
                                               Criterion::Zaremba, Criterion::GapRatio,
                                               Criterion::Largest};
inline constexpr Criterion windowCriteria[] = {Criterion::Sum,      Criterion::Spectral,
                                               Criterion::Zaremba,  Criterion::GapRatio,
                                               Criterion::Largest,  Criterion::Merit};
// The command line's `--nach` offers the window's and, for generator
// designers, the harmonic score and the lagged figure.
inline constexpr Criterion rankingCriteria[] = {Criterion::Sum,      Criterion::Spectral,
                                                Criterion::Zaremba,  Criterion::GapRatio,
                                                Criterion::Largest,  Criterion::Merit,
                                                Criterion::Harmonic, Criterion::Lagged};

// Whether a ranking reads the lattices of 2 … T dimensions, so that T is
// part of it.
constexpr bool readsDimensions(Criterion criterion)
{
    return criterion == Criterion::Merit || criterion == Criterion::Harmonic
            || criterion == Criterion::Lagged;
}

constexpr Figure nuOf(int t) { return Figure(int(Figure::Nu3) + t - 3); }
constexpr Figure fOf(int t) { return Figure(int(Figure::F3) + t - 3); }

struct FigureEntry {
    Figure figure;
    const char *key = nullptr;     // CSV header and JSON key: "nu2_quadrat"
    const char *caption = nullptr; // in text tables: "ν₂²"
    const char *column = nullptr; // the ranking window's column, where it has one
    const char *widest = nullptr; // the widest text that column shows up to N = 200
    // The ranking this figure stands in (the share stands in the sum's);
    // none for the continued fraction.
    std::optional<Criterion> rankedBy = std::nullopt;
    // Set on the one figure that names its ranking:
    const char *sortKey = nullptr; // `--nach`
    const char *englishKey = nullptr; // the same in English: "spectral"
    const char *choice = nullptr;  // the ranking window's choice
    const char *first = nullptr;   // how the ranking window says which comes first
    bool largerIsBetter = true;
    // The number behind a figure that does not name its ranking, where it
    // orders otherwise than that ranking's value (the share is rounded).
    Ratio (*number)(const Figures &f) = nullptr;
    // The dimension t of a figure of the spectral test past two dimensions
    // (ν_t², f_t); T itself for the figure of merit M_T, which is there
    // once the dimensions up to T are; 0 for the figures of the Euclid pass.
    int dimension = 0;
    // Shown in text tables; the others only in CSV and JSON.
    bool inText = true;
};

// The value of a figure of the Euclid pass that names a ranking (sum,
// largest quotient, ν₂², Zaremba, gap ratio) as that ranking compares it,
// a fraction num/den; the rankings by the lattices compute their own.
template <typename K>
BasicRatio<WideOf<K>> rankedValue(Figure figure, const BasicMeasures<K> &m)
{
    switch (figure) {
    case Figure::Sum: return {m.sum, 1};
    case Figure::Largest: return {m.largest, 1};
    case Figure::Nu2: return {m.nu2, 1};
    case Figure::Zaremba: return {m.zaremba, 1};
    case Figure::GapRatio: return m.gapRatio;
    default: throw std::logic_error("no fraction ranks by this figure");
    }
}

// The number behind a figure's value, by which a table sorts its column:
// its own, or its ranking's value (f₂ sorts as ν₂²). The continued fraction
// sorts by its value k/N, which at one N is k.
Ratio numberOf(const FigureEntry &entry, const Figures &figures);

// Every figure of the Euclid pass, in the order of the columns.
std::span<const FigureEntry> everyFigure();
// The figures of the spectral test in 3 … T dimensions and the figure of
// merit M_T, in the order of their columns after the others: ν₃² … ν_T²,
// f₃ … f_T, M_T. The figures shown where asked for are not among them.
std::vector<const FigureEntry *> dimensionFigures(int upTo);
const FigureEntry &entryOf(Figure figure);
// The figure that names a ranking.
const FigureEntry &entryOf(Criterion criterion);
// The ranking a `--nach` key names, in German or English.
std::optional<Criterion> criterionNamed(std::string_view sortKey);

// The figure's value written out: four decimals with the given decimal
// point, the continued fraction as "[0; 2, 1, 1]". How a format dresses it
// (CSV's quotes, JSON's array) is the writer's.
// For the figures of either width.
template <typename K>
std::string valueOf(Figure figure, const BasicFigures<K> &figures, char decimalPoint);

// A number in subscript digits: "₂₄".
std::string subscriptOf(int number);

// A decimal given in ten-thousandths: "0,7755" with a comma, "0.7755" with
// a point.
std::string decimalOf(Wide tenThousandths, char decimalPoint);

} // namespace numbers
