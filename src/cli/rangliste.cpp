// zyklar rangliste N: every multiplier coprime to N, largest sum first.

#include "cli/arguments.h"
#include "cli/command.h"
#include "numbers/ranking.h"

#include <chrono>
#include <unistd.h>

namespace cli {

namespace {

using numbers::u64;

// The ranking, with its progress shown only to a person watching a terminal,
// and only once the run has taken a second.
std::vector<numbers::Ranked> ranked(const Invocation &call, u64 n, u64 top)
{
    const bool terminal = isatty(fileno(call.err));
    const auto started = std::chrono::steady_clock::now();
    bool shown = false;
    const numbers::Progress progress = [&](double done) {
        if (std::chrono::steady_clock::now() - started < std::chrono::seconds(1))
            return;
        std::fprintf(call.err, "\rRangliste für N = %s: %3d %%", std::to_string(n).c_str(),
                     int(done * 100));
        std::fflush(call.err);
        shown = true;
    };
    std::vector<numbers::Ranked> rows
            = numbers::ranking(n, top, terminal ? progress : numbers::Progress());
    if (shown)
        std::fprintf(call.err, "\r\033[K");
    return rows;
}

void run(const Invocation &call)
{
    const u64 top = call.isSet(Option::Top)
            ? u64(wholeNumber(*call.value(Option::Top), "T", 1, numbers::everyMultiplier))
            : numbers::everyMultiplier;
    const u64 n = u64(nOf(call));
    const std::vector<numbers::Ranked> rows = ranked(call, n, top);
    const numbers::Wide equidistant = numbers::equidistantSum(n);
    const auto figuresOf = [&](const numbers::Ranked &row) {
        return numbers::figures(n, row.k, equidistant);
    };
    // Rang, k and the figures, as the format writes them.
    const auto cells = [&](const numbers::Ranked &row, Format format) {
        const numbers::Figures f = figuresOf(row);
        std::vector<std::string> cells{std::to_string(row.rank), std::to_string(row.k)};
        for (Figure figure : everyFigure)
            cells.push_back(valueOf(figure, f, format));
        return cells;
    };

    Output &out = call.out;
    switch (call.format) {
    case Format::Csv: {
        std::vector<std::string> keys{"rang", "k"};
        for (Figure figure : everyFigure)
            keys.emplace_back(keyOf(figure));
        out << csvLine(keys);
        for (const numbers::Ranked &row : rows)
            out << csvLine(cells(row, Format::Csv));
        break;
    }
    case Format::Json: {
        std::vector<std::string> keys{"rang", "k"};
        for (Figure figure : everyFigure)
            keys.emplace_back(keyOf(figure));
        out << "[";
        for (size_t i = 0; i < rows.size(); ++i) {
            const std::vector<std::string> values = cells(rows[i], Format::Json);
            std::string object = i ? ",\n{" : "\n{";
            for (size_t c = 0; c < keys.size(); ++c)
                object += (c ? "," : "") + jsonMember(keys[c], values[c]);
            out << object << '}';
        }
        out << "\n]\n";
        break;
    }
    case Format::Text: {
        // Two passes, the widths first, so no row is kept in memory.
        std::vector<TextTable::Column> columns{{"Rang"}, {"k"}};
        for (Figure figure : everyFigure)
            columns.push_back({captionOf(figure), figure == Figure::Fraction});
        TextTable table(columns);
        for (const numbers::Ranked &row : rows)
            table.measure(cells(row, Format::Text));
        out << table.header();
        for (const numbers::Ranked &row : rows)
            out << table.line(cells(row, Format::Text));
        break;
    }
    }
}

} // namespace

const Command ranglisteCommand{
    "rangliste", "N", 1, 1'000'000'000, {Option::Top, Option::Format}, false,
    "alle Multiplikatoren von N, der gleichmäßigste zuerst",
    "Ordnet alle zu N teilerfremden Multiplikatoren k nach der Summe ihrer\n"
    "Minimalabstände, die größte zuerst; gleiche Summen teilen sich den Rang.\n"
    "Dazu der Anteil an der gleichverteilten Summe und der Kettenbruch von k/N.\n"
    "{N}.\n",
    run};

} // namespace cli
