// zyklar rangliste N: every multiplier coprime to N, the best first by the
// figure chosen, with every figure of each.

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/part.h"
#include "cli/progress.h"
#include "cli/rangliste.h"
#include "numbers/lattice.h"

namespace cli {

namespace {

using numbers::u64;
using numbers::Wide;

constexpr Wide maxN = Wide(1) << 32;                 // without --von and --bis
constexpr Wide maxWholeN = 1'000'000'000;             // without --top
constexpr u64 maxCandidates = u64(1) << 32;           // in a range of --von and --bis, or a part
constexpr u64 maxKeptRange = 1'000'000;                // kept whole without --top

numbers::Criterion criterionNamed(const std::string &name)
{
    if (const auto criterion = numbers::criterionNamed(name))
        return *criterion;
    // "summe, spektral, zaremba, verhaeltnis, teilnenner und guete", in the
    // language of the call.
    std::string keys;
    const auto criteria = std::span(numbers::rankingCriteria);
    for (size_t i = 0; i + 1 < criteria.size(); ++i)
        keys += (i > 0 ? ", " : "") + keyOf(criteria[i]);
    keys = say(translate("cli", "%1 und %2"), {keys, keyOf(criteria.back())});
    throw UsageError{say(translate("cli", "unbekannte Kennzahl %1; möglich sind %2"),
                         {quoted(name), keys})};
}

// The query the arguments ask for, within the limits: N ≤ 2^32, or up to
// 2^128 for a range of at most 2^32 multipliers, or a part of at most 2^32
// of a larger range; N above 10^9 only with a top. With --teil, the part
// it asks for. K is the multipliers' type.
template <typename K>
struct Search {
    search::BasicRankingQuery<K> query;
    std::optional<Part> part;
};

// One of P equal parts of the candidates, for rankings spread over
// machines: contiguous stretches of k, whose rankings merge into the
// whole one (zusammenfuehren). Narrows the query to the part's stretch.
template <typename K>
Part shardOf(const Invocation &call, const std::string &shard, search::BasicRankingQuery<K> &query)
{
    const std::string name = optionName(Option::Shard);
    const size_t slash = shard.find('/');
    if (slash == std::string::npos)
        throw UsageError{say(translate("cli", "%1 braucht I/P, etwa 2/8, nicht %2"),
                             {name, quoted(shard)})};
    Part part;
    part.n = query.n;
    part.criterion = query.criterion;
    part.dimensions = numbers::readsDimensions(query.criterion) ? query.dimensions : 0;
    part.generator = query.generator;
    part.first = query.first;
    part.last = query.last;
    part.parts = u64(wholeNumber(std::string_view(shard).substr(slash + 1), name, 1,
                                 search::everyMultiplier));
    part.index = u64(wholeNumber(std::string_view(shard).substr(0, slash), name, 1, part.parts));
    if (call.isSet(Option::Top))
        part.top = query.top;
    const auto [from, to] = part.stretch();
    if (from > to)
        throw UsageError{say(translate("cli", "%1 %2: so viele Teile hat der Bereich nicht"),
                             {name, shard})};
    if (to - from >= maxCandidates)
        throw UsageError{say(translate("cli", "%1 %2: ein Teil darf höchstens %3 Multiplikatoren "
                                              "haben"),
                             {name, shard, std::to_string(maxCandidates)})};
    query.first = K(from);
    query.last = K(to);
    return part;
}

template <typename K>
Search<K> searchOf(const Invocation &call, numbers::WideOf<K> n)
{
    Search<K> search{rankingOrderOf<K>(call, n), std::nullopt};
    search::BasicRankingQuery<K> &query = search.query;
    const auto from = call.value(Option::From), to = call.value(Option::To);
    if (!from && !to && query.n > maxN)
        throw UsageError{say(translate("cli", "N muss ohne %1 und %2 zwischen 2 und %3 liegen, "
                                              "nicht %4"),
                             {optionName(Option::From), optionName(Option::To),
                              numbers::decimal(maxN), call.arguments[0]})};
    const Wide highest = Wide(query.n - 1);
    query.first = from ? K(wholeNumber(*from, "K1", 1, highest)) : 1;
    query.last = to ? K(wholeNumber(*to, "K2", query.first, highest)) : K(highest);
    if (const auto shard = call.value(Option::Shard))
        search.part = shardOf(call, *shard, query);
    else if (query.last - query.first >= maxCandidates)
        throw UsageError{say(translate("cli", "von K1 bis K2 dürfen höchstens %1 Multiplikatoren "
                                              "liegen"),
                             {std::to_string(maxCandidates)})};
    // A range small enough to keep needs no top: it is kept whole, as a
    // top of its size.
    const K range = query.last - query.first + 1;
    if (query.top == search::everyMultiplier && (from || to || search.part)
        && range <= maxKeptRange)
        query.top = u64(range);
    if (query.top == search::everyMultiplier && query.n > maxWholeN)
        throw UsageError{say(translate("cli", "für N über %1 braucht %2 %3 oder %4 und %5 mit "
                                              "höchstens %6 Multiplikatoren"),
                             {numbers::decimal(maxWholeN), call.command.name.shown(),
                              descriptionOf(Option::Top).written(),
                              optionName(Option::From), optionName(Option::To),
                              numbers::decimal(maxKeptRange)})};
    return search;
}

template <typename K>
void runWith(const Invocation &call, numbers::WideOf<K> n)
{
    Search<K> search = searchOf<K>(call, n);
    const search::BasicRankingQuery<K> &query = search.query;
    std::optional<search::BasicRanking<K>> ranking;
    {
        const ProgressLine progress(
                call.err, say(translate("cli", "Rangliste für N = %1"), {numbers::decimal(n)}));
        ranking.emplace(query, progress.progress());
    }
    if (ranking->size() == 0)
        std::fprintf(call.err, "zyklar: %s\n",
                     say(translate("cli", "von %1 bis %2 liegt kein Multiplikator, der in Frage "
                                          "kommt"),
                         {numbers::decimal(Wide(query.first)), numbers::decimal(Wide(query.last))})
                             .c_str());
    writeRanking<K>(call, query, [&](const auto &visit) { ranking->forEach(visit); });
    // A part in CSV closes with what it was made with, once every row is out.
    if (search.part && call.format == Format::Csv) {
        search.part->rows = ranking->size();
        call.out << search.part->closingLine();
    }
}

// Up to 2^64 in machine words, beyond in the wide engine.
void run(const Invocation &call)
{
    const numbers::U256 n = modulusOf(call);
    if (n > numbers::maxModulus<u64>)
        runWith<numbers::u128>(call, n);
    else
        runWith<u64>(call, Wide(n));
}

} // namespace

template <typename K>
search::BasicRankingQuery<K> rankingOrderOf(const Invocation &call, numbers::WideOf<K> n)
{
    search::BasicRankingQuery<K> query;
    query.n = n;
    if (const auto top = call.value(Option::Top))
        query.top = u64(wholeNumber(*top, "T", 1, search::everyMultiplier));
    if (const auto order = call.value(Option::Order))
        query.criterion = criterionNamed(*order);
    query.dimensions = dimensionsOf(call);
    query.generator = generatorOf(call);
    return query;
}
template search::RankingQuery rankingOrderOf(const Invocation &, Wide);
template search::BasicRankingQuery<numbers::u128> rankingOrderOf(const Invocation &,
                                                                  numbers::U256);

std::string latticeNote(const numbers::U256 &n, numbers::Generator generator)
{
    if (!numbers::hasOwnLattice(n, generator))
        return {};
    unsigned e = 0;
    while ((numbers::U256(1) << e) < n)
        ++e;
    return say(translate("cli", "Spektraltest auf dem Gitter der Bahn des MCG: modulo N/4 = "
                                "2^%1, mit k oder N − k, was ≡ 5 (mod 8) ist\n"),
               {std::to_string(e - 2)});
}

numbers::Generator generatorOf(const Invocation &call)
{
    const auto generator = call.value(Option::Generator);
    if (!generator)
        return numbers::Generator::Any;
    for (numbers::Generator each : {numbers::Generator::Mcg, numbers::Generator::Lcg}) {
        if (*generator == generatorName(each))
            return each;
    }
    throw UsageError{say(translate("cli", "%1 muss mcg oder lcg sein, nicht %2"),
                         {optionName(Option::Generator), quoted(*generator)})};
}

std::string keyOf(numbers::Criterion criterion)
{
    const numbers::FigureEntry &entry = numbers::entryOf(criterion);
    return Name{entry.sortKey, entry.englishKey}.shown();
}

const char *generatorName(numbers::Generator generator)
{
    switch (generator) {
    case numbers::Generator::Any: return nullptr;
    case numbers::Generator::Mcg: return "mcg";
    case numbers::Generator::Lcg: return "lcg";
    }
    return nullptr;
}

// Ranked by a figure of the lattices, their dimensions follow every other
// figure, and last the harmonic score or the lagged figure where it ranks.
static FigureColumns figureColumnsOf(numbers::Criterion criterion, int dimensions)
{
    FigureColumns columns{.dimensions = numbers::readsDimensions(criterion) ? dimensions : 0};
    const numbers::FigureEntry &ranked = numbers::entryOf(criterion);
    if (criterion == numbers::Criterion::Harmonic || criterion == numbers::Criterion::Lagged)
        columns.more.push_back(ranked.figure);
    return columns;
}

std::vector<std::string> rankingColumns(numbers::Criterion criterion, int dimensions)
{
    std::vector<std::string> keys{"rang", "k"};
    const std::vector<std::string> figureKeys = figureColumnsOf(criterion, dimensions).keys();
    keys.insert(keys.end(), figureKeys.begin(), figureKeys.end());
    return keys;
}

// Rang, k and every figure of each ranked multiplier, as the format writes
// them; ranked by the figure of merit, its dimensions after the others.
template <typename K>
void writeRanking(const Invocation &call, const search::BasicRankingQuery<K> &query,
                  const RankedRows<K> &forEach)
{
    using Row = search::BasicRanked<K>;
    const numbers::WideOf<K> n = query.n;
    const numbers::BasicEquidistantRow<numbers::WideOf<K>> equidistant(n);
    const FigureColumns figures = figureColumnsOf(query.criterion, query.dimensions);
    // Rang, k and every figure, as the format writes them.
    const auto cells = [&](const Row &row, Format format) {
        numbers::BasicFigures<K> f = numbers::generatorFigures(
                n, row.k, equidistant, query.generator, figures.dimensions);
        if (query.criterion == numbers::Criterion::Lagged)
            numbers::addLagged(f, query.generator, query.dimensions);
        std::vector<std::string> cells{std::to_string(row.rank), numbers::decimal(Wide(row.k))};
        const std::vector<std::string> values = figures.values(f, format);
        cells.insert(cells.end(), values.begin(), values.end());
        return cells;
    };
    const std::vector<std::string> keys = rankingColumns(query.criterion, query.dimensions);

    Output &out = call.out;
    switch (call.format) {
    case Format::Csv:
        out << csvLine(keys);
        forEach(
                [&](const Row &row) { out << csvLine(cells(row, Format::Csv)); });
        break;
    case Format::Json: {
        JsonArray rows(out);
        forEach([&](const Row &row) {
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
                [&](const Row &row) { table.measure(cells(row, Format::Text)); });
        out << table.header();
        forEach(
                [&](const Row &row) { out << table.line(cells(row, Format::Text)); });
        out << latticeNote(n, query.generator);
        break;
    }
    }
}
template void writeRanking(const Invocation &, const search::RankingQuery &,
                           const RankedRows<u64> &);
template void writeRanking(const Invocation &, const search::BasicRankingQuery<numbers::u128> &,
                           const RankedRows<numbers::u128> &);

const Command ranglisteCommand{
    .name = {"rangliste", "rank"},
    .arguments = {"N"},
    .argumentCount = 1,
    .maxN = numbers::maxModulus<numbers::u128>,
    .options = {Option::Top, Option::Order, Option::Dimensions, Option::Generator,
                Option::From, Option::To, Option::Shard, Option::Format},
    .summary = QT_TRANSLATE_NOOP("cli", "alle Multiplikatoren von N, der gleichmäßigste zuerst"),
    .help = QT_TRANSLATE_NOOP("cli",
    "Ordnet alle zu N teilerfremden Multiplikatoren k nach einer Kennzahl, die\n"
    "beste zuerst; gleiche Werte teilen sich den Rang, bei gleichem Wert kommt\n"
    "das kleinere k zuerst. Vorgabe ist die Summe der Minimalabstände. Dazu\n"
    "jede Kennzahl von k: Anteil, Kettenbruch, größter Teilnenner, Spektraltest,\n"
    "Zaremba-Index und Lückenverhältnis. Nach dem Gütemaß (--nach guete) das\n"
    "kleinste f_t über 2 bis T Dimensionen; mit --top werden Kandidaten verworfen,\n"
    "sobald ein f_t unter dem T-ten Platz liegt. Nach harmonisch das Mittel H_T\n"
    "der f_t, in dem f_t das Gewicht 1/(t − 1) hat; nach versatzguete das\n"
    "kleinste M_T der Generatoren, die nur jeden 2. bis 8. Wert zeigen; die\n"
    "Zahl steht dann in der letzten Spalte. --generator behält nur die\n"
    "Multiplikatoren der längsten Periode. --teil I/P rangiert nur den I-ten von\n"
    "P gleichen Teilen; zusammenfuehren fügt die Teile zur ganzen Rangliste.\n"
    "2 ≤ N ≤ %1; über %2 nur mit --top, oder mit --von und --bis\nüber höchstens "
    "%3 Multiplikatoren. Mit --von und --bis\n"
    "{N}, wenn dazwischen höchstens %4 Multiplikatoren liegen, mit --teil in\n"
    "jedem Teil.\n"),
    .run = run,
    .helpValues = {limitText(maxN), limitText(maxWholeN), numbers::decimal(maxKeptRange),
                   limitText(maxCandidates)}};

} // namespace cli
