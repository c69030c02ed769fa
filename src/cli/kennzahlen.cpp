// zyklar kennzahlen N K [K …]: every figure of one or several multipliers,
// one row each, so that candidates can be compared; with --rang also how
// each stands among every multiplier of N.

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/progress.h"

#include <map>

namespace cli {

namespace {

using numbers::Criterion;
using numbers::u64;
using numbers::Wide;

constexpr Wide maxStandingN = Wide(1) << 32;

// The criterion that ranks a figure; the continued fraction has none.
std::optional<Criterion> criterionOf(Figure figure)
{
    switch (figure) {
    case Figure::Sum:
    case Figure::Share: return Criterion::Sum;
    case Figure::Fraction: return std::nullopt;
    case Figure::Largest: return Criterion::Largest;
    case Figure::Nu2:
    case Figure::F2: return Criterion::Spectral;
    case Figure::Zaremba: return Criterion::Zaremba;
    case Figure::GapRatio: return Criterion::GapRatio;
    }
    return std::nullopt;
}

struct Row {
    numbers::Figures figures;
    std::array<u64, 5> ranks{};
    numbers::Figures best; // of every multiplier of the row's N, without a fraction
};

// How each row's multiplier stands among every multiplier of its N: one
// pass per N.
void addStanding(std::vector<Row> &rows, const Invocation &call)
{
    std::map<Wide, std::vector<size_t>> rowsOfN;
    for (size_t i = 0; i < rows.size(); ++i)
        rowsOfN[rows[i].figures.n].push_back(i);
    for (const auto &[n, indices] : rowsOfN) {
        std::vector<u64> multipliers;
        for (size_t i : indices)
            multipliers.push_back(rows[i].figures.k);
        const ProgressLine progress(call.err, "Rang unter allen Multiplikatoren von N = "
                                                      + numbers::decimal(n));
        const numbers::Standing standing = numbers::standing(n, multipliers, progress.progress());
        numbers::Figures best;
        best.sum = standing.best.sum;
        best.share = numbers::shareTenThousandths(best.sum, numbers::equidistantSum(n));
        best.largest = standing.best.largest;
        best.nu2 = standing.best.nu2;
        best.f2 = numbers::spectralTenThousandths(best.nu2, n);
        best.zaremba = standing.best.zaremba;
        best.gapRatio = standing.best.gapRatio;
        for (size_t j = 0; j < indices.size(); ++j) {
            rows[indices[j]].ranks = standing.ranks[j];
            rows[indices[j]].best = best;
        }
    }
}

std::vector<std::string> figureCells(const numbers::Figures &f, Format format)
{
    std::vector<std::string> cells{numbers::decimal(f.n), std::to_string(f.k)};
    for (Figure figure : everyFigure)
        cells.push_back(valueOf(figure, f, format));
    return cells;
}

// The rank and best value of each figure that has them, in the machine
// formats' order: rang_summe, bestwert_summe, rang_anteil, …
std::vector<std::string> standingCells(const Row &row, Format format)
{
    std::vector<std::string> cells;
    for (Figure figure : everyFigure) {
        if (const auto criterion = criterionOf(figure)) {
            cells.push_back(std::to_string(row.ranks[size_t(*criterion)]));
            cells.push_back(valueOf(figure, row.best, format));
        }
    }
    return cells;
}

void writeText(const Invocation &call, const std::vector<Row> &rows, bool standing)
{
    std::vector<TextTable::Column> columns{{"N"}, {"k"}};
    for (Figure figure : everyFigure)
        columns.push_back({captionOf(figure), figure == Figure::Fraction});
    // Under each multiplier its ranks, and after the last one of an N the
    // best values of that N.
    std::vector<std::vector<std::string>> lines;
    for (size_t i = 0; i < rows.size(); ++i) {
        lines.push_back(figureCells(rows[i].figures, Format::Text));
        if (!standing)
            continue;
        std::vector<std::string> ranks{"Rang", ""}, best{"Bestwert", ""};
        for (Figure figure : everyFigure) {
            const auto criterion = criterionOf(figure);
            ranks.push_back(criterion ? std::to_string(rows[i].ranks[size_t(*criterion)]) : "");
            best.push_back(criterion ? valueOf(figure, rows[i].best, Format::Text) : "");
        }
        lines.push_back(ranks);
        if (i + 1 == rows.size() || rows[i + 1].figures.n != rows[i].figures.n)
            lines.push_back(best);
    }
    TextTable table(columns);
    for (const auto &line : lines)
        table.measure(line);
    call.out << table.header();
    for (const auto &line : lines)
        call.out << table.line(line);
}

void run(const Invocation &call)
{
    const bool standing = call.isSet(Option::Standing);
    if (standing && nOf(call) > maxStandingN)
        throw UsageError{"--rang braucht N ≤ " + numbers::decimal(maxStandingN) + ", nicht "
                         + call.arguments[0]};
    std::vector<Row> rows;
    std::map<Wide, Wide> equidistant; // per N, after a common divisor is cancelled
    for (size_t i = 1; i < call.arguments.size(); ++i) {
        const Multiplier m = multiplierOf(call, i);
        auto [sum, fresh] = equidistant.try_emplace(m.n);
        if (fresh)
            sum->second = numbers::equidistantSum(m.n);
        rows.push_back({numbers::figures(m.n, m.k, sum->second), {}, {}});
    }
    if (standing)
        addStanding(rows, call);

    std::vector<std::string> keys{"n", "k"};
    for (Figure figure : everyFigure)
        keys.emplace_back(keyOf(figure));
    if (standing) {
        for (Figure figure : everyFigure) {
            if (criterionOf(figure)) {
                keys.push_back(std::string("rang_") + keyOf(figure));
                keys.push_back(std::string("bestwert_") + keyOf(figure));
            }
        }
    }
    const auto values = [&](const Row &row, Format format) {
        std::vector<std::string> cells = figureCells(row.figures, format);
        if (standing) {
            const std::vector<std::string> more = standingCells(row, format);
            cells.insert(cells.end(), more.begin(), more.end());
        }
        return cells;
    };

    switch (call.format) {
    case Format::Text: writeText(call, rows, standing); break;
    case Format::Csv:
        call.out << csvLine(keys);
        for (const Row &row : rows)
            call.out << csvLine(values(row, Format::Csv));
        break;
    case Format::Json: {
        JsonArray objects(call.out);
        for (const Row &row : rows)
            objects.add(jsonObject(keys, values(row, Format::Json)));
        objects.close();
        call.out << '\n';
        break;
    }
    }
}

} // namespace

const Command kennzahlenCommand{
    "kennzahlen", "N K [K …]", 2, true, Wide(1) << 64, {Option::Standing, Option::Format}, false,
    "jede Kennzahl eines oder mehrerer Multiplikatoren",
    "Jede Kennzahl der Multiplikatoren K von N, eine Zeile je K, zum Vergleich:\n"
    "die Summe der Minimalabstände und ihr Anteil, der Kettenbruch von K/N und\n"
    "sein größter Teilnenner, der Spektraltest (ν₂² und f₂), der Zaremba-Index\n"
    "und das Lückenverhältnis. {N}.\n",
    run};

} // namespace cli
