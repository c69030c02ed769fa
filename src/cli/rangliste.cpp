// zyklar rangliste N: every multiplier coprime to N, the best first by the
// figure chosen, with every figure of each.

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/progress.h"
#include "cli/rangliste.h"
#include "numbers/lattice.h"

namespace cli {

namespace {

using numbers::u64;
using numbers::Wide;

constexpr Wide maxN = Wide(1) << 32;                 // without --von and --bis
constexpr Wide maxWholeN = 1'000'000'000;             // without --top
constexpr u64 maxCandidates = u64(1) << 32;           // in a range of --von and --bis
constexpr u64 maxKeptRange = 1'000'000;                // kept whole without --top

numbers::Criterion criterionNamed(const std::string &name)
{
    if (const auto criterion = numbers::criterionNamed(name))
        return *criterion;
    // "summe, spektral, zaremba, verhaeltnis, teilnenner und guete"
    std::string keys;
    const auto criteria = std::span(numbers::rankingCriteria);
    for (size_t i = 0; i + 1 < criteria.size(); ++i)
        keys += (i > 0 ? ", " : "") + std::string(numbers::entryOf(criteria[i]).sortKey);
    keys = say(translate("cli", "%1 und %2"), {keys, numbers::entryOf(criteria.back()).sortKey});
    throw UsageError{say(translate("cli", "unbekannte Kennzahl %1; möglich sind %2"),
                         {quoted(name), keys})};
}

// The query the arguments ask for, within the limits: N ≤ 2^32, or up to
// 2^64 for a range of at most 2^32 multipliers; N above 10^9 only with a top.
numbers::RankingQuery queryOf(const Invocation &call)
{
    numbers::RankingQuery query = rankingOrderOf(call, nOf(call));
    const auto from = call.value(Option::From), to = call.value(Option::To);
    if (!from && !to && query.n > maxN)
        throw UsageError{say(translate("cli", "N muss ohne --von und --bis zwischen 2 und %1 "
                                              "liegen, nicht %2"),
                             {numbers::decimal(maxN), call.arguments[0]})};
    query.first = from ? u64(wholeNumber(*from, "K1", 1, query.n - 1)) : 1;
    query.last = to ? u64(wholeNumber(*to, "K2", query.first, query.n - 1)) : u64(query.n - 1);
    if (query.last - query.first >= maxCandidates)
        throw UsageError{say(translate("cli", "von K1 bis K2 dürfen höchstens %1 Multiplikatoren "
                                              "liegen"),
                             {std::to_string(maxCandidates)})};
    // One of P equal parts of the candidates, for rankings spread over
    // machines: contiguous stretches of k, whose rankings merge into the
    // whole one (zusammenfuehren).
    if (const auto part = call.value(Option::Shard)) {
        const size_t slash = part->find('/');
        const Wide parts = slash == std::string::npos
                ? 0
                : wholeNumber(std::string_view(*part).substr(slash + 1), "--teil", 1,
                              numbers::everyMultiplier);
        if (slash == std::string::npos)
            throw UsageError{say(translate("cli", "--teil braucht I/P, etwa 2/8, nicht %1"),
                                 {quoted(*part)})};
        const Wide index = wholeNumber(std::string_view(*part).substr(0, slash), "--teil", 1, parts);
        const Wide count = Wide(query.last) - query.first + 1;
        const Wide from = query.first + count * (index - 1) / parts;
        const Wide to = query.first + count * index / parts; // one past
        if (from == to)
            throw UsageError{
                    say(translate("cli", "--teil %1: so viele Teile hat der Bereich nicht"),
                        {*part})};
        query.first = u64(from);
        query.last = u64(to - 1);
    }
    // A range small enough to keep needs no top: it is kept whole, as a
    // top of its size.
    const u64 range = query.last - query.first + 1;
    if (query.top == numbers::everyMultiplier && (from || to || call.isSet(Option::Shard))
        && range <= maxKeptRange)
        query.top = range;
    if (query.top == numbers::everyMultiplier && query.n > maxWholeN)
        throw UsageError{say(translate("cli", "für N über %1 braucht rangliste --top T oder --von "
                                              "und --bis mit höchstens %2 Multiplikatoren"),
                             {numbers::decimal(maxWholeN), numbers::decimal(maxKeptRange)})};
    return query;
}

void run(const Invocation &call)
{
    const numbers::RankingQuery query = queryOf(call);
    const Wide n = query.n;
    std::optional<numbers::Ranking> ranking;
    {
        const ProgressLine progress(
                call.err, say(translate("cli", "Rangliste für N = %1"), {numbers::decimal(n)}));
        ranking.emplace(query, progress.progress());
    }
    if (ranking->size() == 0)
        std::fprintf(call.err, "zyklar: %s\n",
                     say(translate("cli", "von %1 bis %2 liegt kein Multiplikator, der in Frage "
                                          "kommt"),
                         {numbers::decimal(query.first), numbers::decimal(query.last)})
                             .c_str());
    writeRanking(call, query, [&](const auto &visit) { ranking->forEach(visit); });
}

} // namespace

numbers::RankingQuery rankingOrderOf(const Invocation &call, Wide n)
{
    numbers::RankingQuery query;
    query.n = n;
    if (const auto top = call.value(Option::Top))
        query.top = u64(wholeNumber(*top, "T", 1, numbers::everyMultiplier));
    if (const auto order = call.value(Option::Order))
        query.criterion = criterionNamed(*order);
    query.dimensions = dimensionsOf(call);
    if (const auto generator = call.value(Option::Generator)) {
        if (*generator == "mcg")
            query.generator = numbers::Generator::Mcg;
        else if (*generator == "lcg")
            query.generator = numbers::Generator::Lcg;
        else
            throw UsageError{say(translate("cli", "--generator muss mcg oder lcg sein, nicht %1"),
                                 {quoted(*generator)})};
    }
    return query;
}

// Rang, k and every figure of each ranked multiplier, as the format writes
// them; ranked by the figure of merit, its dimensions after the others.
void writeRanking(const Invocation &call, const numbers::RankingQuery &query,
                  const std::function<void(const std::function<void(const numbers::Ranked &)> &)>
                          &forEach)
{
    const Wide n = query.n;
    const numbers::EquidistantRow equidistant(n);
    // Ranked by the figure of merit, its dimensions follow every other
    // figure.
    const FigureColumns figures{
            .dimensions = query.criterion == numbers::Criterion::Merit ? query.dimensions : 0};
    // Rang, k and every figure, as the format writes them.
    const auto cells = [&](const numbers::Ranked &row, Format format) {
        numbers::Figures f = numbers::figures(n, row.k, equidistant);
        if (figures.dimensions)
            numbers::addDimensions(f, figures.dimensions);
        std::vector<std::string> cells{std::to_string(row.rank), std::to_string(row.k)};
        const std::vector<std::string> values = figures.values(f, format);
        cells.insert(cells.end(), values.begin(), values.end());
        return cells;
    };
    std::vector<std::string> keys{"rang", "k"};
    const std::vector<std::string> figureKeys = figures.keys();
    keys.insert(keys.end(), figureKeys.begin(), figureKeys.end());

    Output &out = call.out;
    switch (call.format) {
    case Format::Csv:
        out << csvLine(keys);
        forEach(
                [&](const numbers::Ranked &row) { out << csvLine(cells(row, Format::Csv)); });
        break;
    case Format::Json: {
        JsonArray rows(out);
        forEach([&](const numbers::Ranked &row) {
            rows.add(jsonObject(keys, cells(row, Format::Json)));
        });
        rows.close();
        out << '\n';
        break;
    }
    case Format::Text: {
        // Two passes, the widths first, so no row is kept in memory.
        std::vector<TextTable::Column> columns{{say(translate("cli", "Rang"))}, {"k"}};
        const std::vector<TextTable::Column> captions = figures.captions();
        columns.insert(columns.end(), captions.begin(), captions.end());
        TextTable table(columns);
        forEach(
                [&](const numbers::Ranked &row) { table.measure(cells(row, Format::Text)); });
        out << table.header();
        forEach(
                [&](const numbers::Ranked &row) { out << table.line(cells(row, Format::Text)); });
        break;
    }
    }
}

const Command ranglisteCommand{
    "rangliste", "N", 1, false, Wide(1) << 64,
    {Option::Top, Option::Order, Option::Dimensions, Option::Generator, Option::From, Option::To,
     Option::Shard, Option::Format},
    false,
    QT_TRANSLATE_NOOP("cli", "alle Multiplikatoren von N, der gleichmäßigste zuerst"),
    QT_TRANSLATE_NOOP("cli",
    "Ordnet alle zu N teilerfremden Multiplikatoren k nach einer Kennzahl, die\n"
    "beste zuerst; gleiche Werte teilen sich den Rang, bei gleichem Wert kommt\n"
    "das kleinere k zuerst. Vorgabe ist die Summe der Minimalabstände. Dazu\n"
    "jede Kennzahl von k: Anteil, Kettenbruch, größter Teilnenner, Spektraltest,\n"
    "Zaremba-Index und Lückenverhältnis. Nach dem Gütemaß (--nach guete) das\n"
    "kleinste f_t über 2 bis T Dimensionen; mit --top werden Kandidaten verworfen,\n"
    "sobald ein f_t unter dem T-ten Platz liegt. --generator behält nur die\n"
    "Multiplikatoren der längsten Periode. --teil I/P rangiert nur den I-ten von\n"
    "P gleichen Teilen; zusammenfuehren fügt die Teile zur ganzen Rangliste.\n"
    "2 ≤ N ≤ %1; über %2 nur mit --top, oder mit --von und --bis\nüber höchstens "
    "%3 Multiplikatoren. Mit --von und --bis\n"
    "{N}, wenn dazwischen höchstens %4 Multiplikatoren liegen.\n"),
    run,
    "rank",
    {limitText(maxN), limitText(maxWholeN), numbers::decimal(maxKeptRange),
     limitText(maxCandidates)}};

} // namespace cli
