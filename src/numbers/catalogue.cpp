#include "numbers/catalogue.h"

#include <algorithm>
#include <stdexcept>

namespace numbers {

namespace {

// Every figure in the order of the columns. The figure that names a
// ranking carries its key, choice and direction; the share and f₂ stand in
// the rankings of the sum and of ν₂², whose order they share at one N.
const FigureEntry fixedFigures[] = {
    {.figure = Figure::Sum, .key = "summe", .caption = ZYKLAR_TEXT("numbers", "Summe"),
     .column = ZYKLAR_TEXT("numbers", "Summe"), .rankedBy = Criterion::Sum, .sortKey = "summe",
     .englishKey = "sum", .choice = ZYKLAR_TEXT("numbers", "Summe"),
     .first = ZYKLAR_TEXT("numbers", "die größte Summe der Minimalabstände zuerst"),
     .largerIsBetter = true},
    {.figure = Figure::Share, .key = "anteil", .caption = ZYKLAR_TEXT("numbers", "Anteil"),
     .column = ZYKLAR_TEXT("numbers", "Anteil"), .rankedBy = Criterion::Sum,
     .number = [](const Figures &f) { return Ratio{f.share, 1}; }},
    {.figure = Figure::Fraction, .key = "kettenbruch",
     .caption = ZYKLAR_TEXT("numbers", "Kettenbruch"),
     .column = ZYKLAR_TEXT("numbers", "Kettenbruch"), .widest = "[0; 1, 1, 1, 1, 1, 1, 1, 1, 1, 2]",
     .number = [](const Figures &f) { return Ratio{f.k, 1}; }},
    {.figure = Figure::Largest, .key = "groesster_teilnenner",
     .caption = ZYKLAR_TEXT("numbers", "größter Teilnenner"),
     .column = ZYKLAR_TEXT("numbers", "größter Teilnenner"), .widest = "200",
     .rankedBy = Criterion::Largest, .sortKey = "teilnenner", .englishKey = "quotient",
     .choice = ZYKLAR_TEXT("numbers", "größter Teilnenner"),
     .first = ZYKLAR_TEXT("numbers", "der kleinste größte Teilnenner zuerst"),
     .largerIsBetter = false},
    {.figure = Figure::Nu2, .key = "nu2_quadrat", .caption = "ν₂²", .rankedBy = Criterion::Spectral,
     .sortKey = "spektral", .englishKey = "spectral",
     .choice = ZYKLAR_TEXT("numbers", "Spektraltest"),
     .first = ZYKLAR_TEXT("numbers", "der beste Spektraltest zuerst"), .largerIsBetter = true},
    {.figure = Figure::F2, .key = "f2", .caption = "f₂",
     .column = ZYKLAR_TEXT("numbers", "Spektraltest f₂"), .widest = "0,0000",
     .rankedBy = Criterion::Spectral},
    {.figure = Figure::Zaremba, .key = "zaremba", .caption = "Zaremba", .column = "Zaremba",
     .widest = "200", .rankedBy = Criterion::Zaremba, .sortKey = "zaremba",
     .choice = ZYKLAR_TEXT("numbers", "Zaremba-Index"),
     .first = ZYKLAR_TEXT("numbers", "der größte Zaremba-Index zuerst"), .largerIsBetter = true},
    {.figure = Figure::GapRatio, .key = "lueckenverhaeltnis",
     .caption = ZYKLAR_TEXT("numbers", "Lückenverhältnis"),
     .column = ZYKLAR_TEXT("numbers", "Lückenverhältnis"), .widest = "0,0000",
     .rankedBy = Criterion::GapRatio, .sortKey = "verhaeltnis", .englishKey = "ratio",
     .choice = ZYKLAR_TEXT("numbers", "Lückenverhältnis"),
     .first = ZYKLAR_TEXT("numbers", "das kleinste Lückenverhältnis zuerst"),
     .largerIsBetter = false},
    // Its dimension is T, whichever T was asked for; the window's is 8.
    {.figure = Figure::Merit, .key = "guete", .caption = ZYKLAR_TEXT("numbers", "Gütemaß M"),
     .column = ZYKLAR_TEXT("numbers", "Gütemaß M₈"), .widest = "0,0000",
     .rankedBy = Criterion::Merit, .sortKey = "guete", .englishKey = "merit",
     .choice = ZYKLAR_TEXT("numbers", "Gütemaß M₈"),
     .first = ZYKLAR_TEXT("numbers", "das größte Gütemaß zuerst"), .largerIsBetter = true,
     .number = [](const Figures &f) { return Ratio{f.merit, 1}; }},
    // Its T is the figure of merit's.
    {.figure = Figure::Harmonic, .key = "harmonisch",
     .caption = ZYKLAR_TEXT("numbers", "harmonisch H"), .rankedBy = Criterion::Harmonic,
     .sortKey = "harmonisch", .englishKey = "harmonic", .largerIsBetter = true,
     .number = [](const Figures &f) { return Ratio{f.harmonic, 1}; }},
    {.figure = Figure::Lagged, .key = "versatzguete", .caption = ZYKLAR_TEXT("numbers", "Versatzgüte"),
     .rankedBy = Criterion::Lagged, .sortKey = "versatzguete", .englishKey = "lagged",
     .largerIsBetter = true, .number = [](const Figures &f) { return Ratio{f.lagged, 1}; }},
};

// The Euclid pass's figures come first in the catalogue.
constexpr size_t euclidFigures = size_t(Figure::Nu3);

// "₂₄"
std::string subscript(int number)
{
    static const char *const digits[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
    std::string text = number >= 10 ? subscript(number / 10) : std::string();
    return text.append(digits[number % 10]);
}

// Every figure in the order of Figure: the fixed ones, and between the
// Euclid pass's and the figure of merit ν_t² (only in CSV and JSON) and
// f_t of every dimension t = 3 … 24, made once.
const std::vector<FigureEntry> &catalogue()
{
    static const std::vector<FigureEntry> entries = [] {
        static std::vector<std::string> texts; // the keys and captions made here
        texts.reserve(4 * (maxDimension - 2));
        const auto kept = [](std::string text) { return texts.emplace_back(std::move(text)).c_str(); };
        std::vector<FigureEntry> all(std::begin(fixedFigures), std::begin(fixedFigures) + euclidFigures);
        // Appended, not summed from a literal: GCC 12 takes "f" + std::string
        // for an overlapping copy (-Wrestrict).
        const auto joined = [](std::string text, const std::string &more, const char *end = "") {
            return text.append(more).append(end);
        };
        for (int t = 3; t <= maxDimension; ++t)
            all.push_back({.figure = nuOf(t),
                           .key = kept(joined("nu", std::to_string(t), "_quadrat")),
                           .caption = kept(joined("ν", subscript(t), "²")), .dimension = t,
                           .inText = false});
        for (int t = 3; t <= maxDimension; ++t)
            all.push_back({.figure = fOf(t), .key = kept(joined("f", std::to_string(t))),
                           .caption = kept(joined("f", subscript(t))), .dimension = t});
        all.insert(all.end(), std::begin(fixedFigures) + euclidFigures, std::end(fixedFigures));
        return all;
    }();
    return entries;
}

} // namespace

std::string subscriptOf(int number)
{
    return subscript(number);
}

std::span<const FigureEntry> everyFigure()
{
    return std::span(catalogue()).first(euclidFigures);
}

std::vector<const FigureEntry *> dimensionFigures(int upTo)
{
    std::vector<const FigureEntry *> figures;
    const size_t latticeFigures = size_t(Figure::Merit) + 1 - euclidFigures;
    for (const FigureEntry &entry : std::span(catalogue()).subspan(euclidFigures, latticeFigures)) {
        if (entry.dimension <= upTo)
            figures.push_back(&entry);
    }
    return figures;
}

const FigureEntry &entryOf(Figure figure)
{
    return catalogue()[size_t(figure)];
}

const FigureEntry &entryOf(Criterion criterion)
{
    const auto named = std::find_if(catalogue().begin(), catalogue().end(),
                                    [criterion](const FigureEntry &entry) {
                                        return entry.sortKey && entry.rankedBy == criterion;
                                    });
    if (named == catalogue().end())
        throw std::logic_error("a ranking without its figure");
    return *named;
}

Ratio numberOf(const FigureEntry &entry, const Figures &figures)
{
    if (entry.number)
        return entry.number(figures);
    return rankedValue(entryOf(*entry.rankedBy).figure, figures);
}

std::optional<Criterion> criterionNamed(std::string_view sortKey)
{
    for (Criterion criterion : rankingCriteria) {
        const FigureEntry &entry = entryOf(criterion);
        if (sortKey == entry.sortKey || (entry.englishKey && sortKey == entry.englishKey))
            return criterion;
    }
    return std::nullopt;
}

std::string decimalOf(Wide tenThousandths, char decimalPoint)
{
    return fourDecimals(tenThousandths, decimalPoint);
}

template <typename K>
std::string valueOf(Figure figure, const BasicFigures<K> &f, char point)
{
    switch (figure) {
    case Figure::Sum: return decimal(f.sum);
    case Figure::Share: return decimalOf(f.share, point);
    case Figure::Fraction: return continuedFractionText(f.quotients);
    case Figure::Largest: return decimal(f.largest);
    case Figure::Nu2: return decimal(f.nu2);
    case Figure::F2: return decimalOf(f.f2, point);
    case Figure::Zaremba: return decimal(Wide(f.zaremba));
    case Figure::GapRatio: return fourDecimals(tenThousandths(f.gapRatio), point);
    case Figure::Merit: return decimalOf(f.merit, point);
    case Figure::Harmonic: return decimalOf(f.harmonic, point);
    case Figure::Lagged: return decimalOf(f.lagged, point);
    default: break;
    }
    const size_t t = size_t(entryOf(figure).dimension);
    return figure <= Figure::Nu24 ? decimal(f.nu2t[t]) : decimalOf(f.ft[t], point);
}
template std::string valueOf(Figure, const Figures &, char);
template std::string valueOf(Figure, const Figures128 &, char);

} // namespace numbers
