// zyklar luecken N K: the gaps between neighbouring occupied positions
// after every step, at most three lengths each, with how many gaps have
// them; read off the running minima, never by sorting positions.

#include "cli/arguments.h"
#include "cli/command.h"
#include "numbers/threegaps.h"

namespace cli {

namespace {

using numbers::u64;

const std::vector<std::string> keys{"schritt",       "kurz", "anzahl_kurz", "mittel",
                                   "anzahl_mittel", "lang", "anzahl_lang", "verhaeltnis"};
const char *const captions[] = {
    QT_TRANSLATE_NOOP("cli", "Schritt"), QT_TRANSLATE_NOOP("cli", "kurz"),
    QT_TRANSLATE_NOOP("cli", "Anzahl"),  QT_TRANSLATE_NOOP("cli", "mittel"),
    QT_TRANSLATE_NOOP("cli", "Anzahl"),  QT_TRANSLATE_NOOP("cli", "lang"),
    QT_TRANSLATE_NOOP("cli", "Anzahl"),  QT_TRANSLATE_NOOP("cli", "Verhältnis")};

// One step's row. With two lengths the middle is empty; with one (after the
// last step every gap is 1) it is both the shortest and the longest.
std::vector<std::string> cells(const numbers::Occupation &steps, Format format)
{
    const numbers::Gaps gaps = numbers::gapsOf(steps);
    const std::string none = format == Format::Json ? "null" : "";
    const auto number = [](u64 value) { return std::to_string(value); };
    const numbers::GapLength &shortest = gaps.shortest(), &longest = gaps.longest();
    const bool middle = gaps.size == 3;
    return {number(steps.step()),
            number(shortest.length),
            number(shortest.count),
            middle ? number(gaps.lengths[1].length) : none,
            middle ? number(gaps.lengths[1].count) : none,
            number(longest.length),
            number(longest.count),
            decimalIn(numbers::tenThousandths(gaps.ratio()), format)};
}

// Calls write(steps) for every step asked for, the occupation standing there.
template <typename Write>
void forEachStep(u64 n, u64 k, u64 only, const Write &write)
{
    numbers::Occupation steps(n, k);
    for (u64 i = 1; i < n; ++i) {
        steps.advance();
        if (only == 0 || i == only)
            write(steps);
        if (i == only)
            break;
    }
}

void run(const Invocation &call)
{
    const Multiplier m = multiplierOf(call);
    const u64 n = u64(m.n), k = m.k;
    const u64 only = call.isSet(Option::Step)
            ? u64(wholeNumber(*call.value(Option::Step), "I", 1, n - 1))
            : 0;
    Output &out = call.out;
    switch (call.format) {
    case Format::Csv:
        out << csvLine(keys);
        forEachStep(n, k, only,
                    [&](const auto &steps) { out << csvLine(cells(steps, Format::Csv)); });
        break;
    case Format::Json: {
        JsonArray rows(out);
        forEachStep(n, k, only, [&](const auto &steps) {
            rows.add(jsonObject(keys, cells(steps, Format::Json)));
        });
        rows.close();
        out << '\n';
        break;
    }
    case Format::Text: {
        std::vector<TextTable::Column> columns;
        for (const char *caption : captions)
            columns.push_back({say(translate("cli", caption))});
        TextTable table(columns);
        forEachStep(n, k, only,
                    [&](const auto &steps) { table.measure(cells(steps, Format::Text)); });
        out << table.header();
        forEachStep(n, k, only,
                    [&](const auto &steps) { out << table.line(cells(steps, Format::Text)); });
        break;
    }
    }
}

} // namespace

const Command lueckenCommand{
    .name = {"luecken", "gaps"},
    .arguments = {"N K"},
    .argumentCount = 2,
    .maxN = 1'000'000,
    .options = {Option::Step, Option::Format},
    .summary = QT_TRANSLATE_NOOP("cli", "die Lücken zwischen den belegten Positionen, Schritt für Schritt"),
    .help = QT_TRANSLATE_NOOP("cli",
    "Nach jedem Schritt i = 1 … N−1 teilen die belegten Positionen 0, K, 2K, …\n"
    "den Kreis in Lücken von höchstens drei Längen (Drei-Abstände-Satz): die\n"
    "kurze, die lange und, wenn es sie gibt, eine mittlere, jede mit der Zahl\n"
    "ihrer Lücken, und das Verhältnis der langen zur kurzen. {N}.\n"),
    .run = run};

} // namespace cli
