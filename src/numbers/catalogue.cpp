#include "numbers/catalogue.h"

#include <algorithm>
#include <stdexcept>

namespace numbers {

namespace {

// Every figure in the order of the columns. The figure that names a
// ranking carries its key, choice and direction; the share and f₂ stand in
// the rankings of the sum and of ν₂², whose order they share at one N.
const FigureEntry catalogue[] = {
    {.figure = Figure::Sum, .key = "summe", .caption = "Summe", .column = "Summe",
     .rankedBy = Criterion::Sum, .sortKey = "summe", .choice = "Summe",
     .first = "die größte Summe der Minimalabstände zuerst", .largerIsBetter = true,
     .ranked = [](const Measures &m) { return Ratio{m.sum, 1}; }},
    {.figure = Figure::Share, .key = "anteil", .caption = "Anteil", .column = "Anteil",
     .rankedBy = Criterion::Sum,
     .number = [](const Figures &f) { return Ratio{f.share, 1}; }},
    {.figure = Figure::Fraction, .key = "kettenbruch", .caption = "Kettenbruch",
     .column = "Kettenbruch", .widest = "[0; 1, 1, 1, 1, 1, 1, 1, 1, 1, 2]",
     .number = [](const Figures &f) { return Ratio{f.k, 1}; }},
    {.figure = Figure::Largest, .key = "groesster_teilnenner", .caption = "größter Teilnenner",
     .column = "größter Teilnenner", .widest = "200", .rankedBy = Criterion::Largest,
     .sortKey = "teilnenner", .choice = "größter Teilnenner",
     .first = "der kleinste größte Teilnenner zuerst", .largerIsBetter = false,
     .ranked = [](const Measures &m) { return Ratio{m.largest, 1}; }},
    {.figure = Figure::Nu2, .key = "nu2_quadrat", .caption = "ν₂²",
     .rankedBy = Criterion::Spectral, .sortKey = "spektral", .choice = "Spektraltest",
     .first = "der beste Spektraltest zuerst", .largerIsBetter = true,
     .ranked = [](const Measures &m) { return Ratio{m.nu2, 1}; }},
    {.figure = Figure::F2, .key = "f2", .caption = "f₂", .column = "Spektraltest f₂",
     .widest = "0,0000", .rankedBy = Criterion::Spectral},
    {.figure = Figure::Zaremba, .key = "zaremba", .caption = "Zaremba", .column = "Zaremba",
     .widest = "200", .rankedBy = Criterion::Zaremba, .sortKey = "zaremba",
     .choice = "Zaremba-Index", .first = "der größte Zaremba-Index zuerst",
     .largerIsBetter = true, .ranked = [](const Measures &m) { return Ratio{m.zaremba, 1}; }},
    {.figure = Figure::GapRatio, .key = "lueckenverhaeltnis", .caption = "Lückenverhältnis",
     .column = "Lückenverhältnis", .widest = "0,0000", .rankedBy = Criterion::GapRatio,
     .sortKey = "verhaeltnis", .choice = "Lückenverhältnis",
     .first = "das kleinste Lückenverhältnis zuerst", .largerIsBetter = false,
     .ranked = [](const Measures &m) { return m.gapRatio; }},
};

// A CSV field in double quotes, doubling any quote inside (RFC 4180).
std::string csvQuoted(std::string_view field)
{
    std::string text = "\"";
    for (char c : field)
        text += c == '"' ? std::string("\"\"") : std::string(1, c);
    return text + "\"";
}

std::string jsonArray(const std::vector<Wide> &values)
{
    std::string text = "[";
    for (size_t i = 0; i < values.size(); ++i)
        (text += i ? "," : "") += decimal(values[i]);
    return text + "]";
}

} // namespace

std::span<const FigureEntry> everyFigure()
{
    return catalogue;
}

const FigureEntry &entryOf(Figure figure)
{
    return catalogue[size_t(figure)];
}

const FigureEntry &entryOf(Criterion criterion)
{
    const auto named = std::find_if(std::begin(catalogue), std::end(catalogue),
                                    [criterion](const FigureEntry &entry) {
                                        return entry.sortKey && entry.rankedBy == criterion;
                                    });
    if (named == std::end(catalogue))
        throw std::logic_error("a ranking without its figure");
    return *named;
}

Ratio numberOf(const FigureEntry &entry, const Figures &figures)
{
    if (entry.number)
        return entry.number(figures);
    return entryOf(*entry.rankedBy).ranked(figures);
}

std::optional<Criterion> criterionNamed(std::string_view sortKey)
{
    for (Criterion criterion : everyCriterion) {
        if (sortKey == entryOf(criterion).sortKey)
            return criterion;
    }
    return std::nullopt;
}

std::string decimalOf(Wide tenThousandths, Format format)
{
    return fourDecimals(tenThousandths, format == Format::Text ? ',' : '.');
}

std::string valueOf(Figure figure, const Figures &f, Format format)
{
    switch (figure) {
    case Figure::Sum: return decimal(f.sum);
    case Figure::Share: return decimalOf(f.share, format);
    case Figure::Fraction:
        if (format == Format::Json)
            return jsonArray(f.quotients);
        if (format == Format::Csv)
            return csvQuoted(continuedFractionText(f.quotients));
        return continuedFractionText(f.quotients);
    case Figure::Largest: return decimal(f.largest);
    case Figure::Nu2: return decimal(f.nu2);
    case Figure::F2: return decimalOf(f.f2, format);
    case Figure::Zaremba: return std::to_string(f.zaremba);
    case Figure::GapRatio: return decimalOf(tenThousandths(f.gapRatio), format);
    }
    return {};
}

} // namespace numbers
