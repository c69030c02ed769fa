// zyklar zusammenfuehren N DATEI…: the parts of a ranking, each written as
// CSV by "rangliste N --teil I/P", merged into the ranking of all: the same
// order, ranks and top as one run over every candidate. Each part is
// checked before anything is written: that it is whole, that it is one of
// the same P parts of the same ranking as the others, that each of the P
// is there once, and that its rows are a ranking's rows in their order.

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/part.h"
#include "cli/rangliste.h"
#include "numbers/period.h"

#include <QFile>

#include <algorithm>
#include <map>
#include <unordered_map>
#include <unordered_set>

namespace cli {

namespace {

using numbers::u64;
using numbers::u128;
using numbers::U256;
using numbers::Wide;

// A row of a ranking is well under a kilobyte even at N = 2^64; a longer
// line is no row, and reading stops there, so that a device or a file of
// any size is refused without being read into memory.
constexpr qint64 longestLine = 1 << 16;
// Rows kept in memory without --top, over every part.
constexpr u64 mostRowsKept = 10'000'000;

// A row's rank or k: a k of N ≤ 2^128 fits 128 bits.
std::optional<u128> numberIn(std::string_view text)
{
    const std::optional<U256> value = writtenNumber(text, numbers::maxModulus<u128> - 1);
    return value ? std::optional(u128(*value)) : std::nullopt;
}

// One part as read: what it says it was made with, and its first rows.
struct PartFile {
    std::string path;
    Part part;
    std::string header;
    std::vector<u128> multipliers; // the k of its first rows, in its order
    std::vector<u64> ranks;        // their ranks as the part gives them
};

// A file's lines, each at most longestLine long.
class Lines
{
public:
    explicit Lines(const std::string &path)
        : m_path(path), m_file(QString::fromLocal8Bit(path.c_str()))
    {
        if (!m_file.open(QIODevice::ReadOnly))
            throw Failure{say(translate("cli", "%1 ließ sich nicht lesen"), {cli::quoted(path)})};
    }

    // The next line without its line break, and whether it had one; false
    // at the end of the file.
    bool next(std::string &line, bool &broken)
    {
        const QByteArray read = m_file.readLine(longestLine + 2);
        if (read.isEmpty()) {
            if (m_file.error() != QFileDevice::NoError)
                throw Failure{
                        say(translate("cli", "%1 ließ sich nicht lesen"), {cli::quoted(m_path)})};
            return false;
        }
        ++m_number;
        broken = read.endsWith('\n');
        if (read.size() > longestLine + (broken ? 1 : 0))
            throw Failure{say(translate("cli", "%1, Zeile %2: so lange Zeilen hat kein Teil einer "
                                               "Rangliste"),
                              {cli::quoted(m_path), std::to_string(m_number)})};
        line.assign(read.constData(), size_t(read.size() - (broken ? 1 : 0)));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    }
    u64 number() const { return m_number; }

private:
    std::string m_path;
    QFile m_file;
    u64 m_number = 0;
};

Failure notAPart(const std::string &path)
{
    return Failure{say(translate("cli", "%1 ist kein Teil einer Rangliste: die schreibt „%2 N "
                                        "%3 I/P --format csv“"),
                       {cli::quoted(path), ranglisteCommand.name.shown(),
                        optionName(Option::Shard)})};
}

Failure badLine(const std::string &path, u64 line, const std::string &text)
{
    return Failure{say(translate("cli", "%1, Zeile %2 ist keine Zeile einer Rangliste: %3"),
                       {cli::quoted(path), std::to_string(line), cli::quoted(text.substr(0, 40))})};
}

// Reads a part: its header, its rows, of which the first `keep` are kept,
// and its closing line. Each row is a row of the header's columns with a
// rank of a ranking (the first 1, each the last or its own place) and a
// k; what they must be besides is known once the closing line is read.
PartFile readPart(const std::string &path, u64 keep)
{
    PartFile read{path, {}, {}, {}, {}};
    Lines lines(path);
    std::string line;
    bool broken = false;
    if (!lines.next(line, broken) || !line.starts_with("rang,k,"))
        throw notAPart(path);
    read.header = line;
    const size_t columns = size_t(std::count(line.begin(), line.end(), ',')) + 1;
    u64 rows = 0, rank = 0;
    std::optional<Part> closing;
    while (lines.next(line, broken)) {
        if (!broken)
            break; // a last line cut short, row or closing line alike
        if (line.starts_with('#')) {
            closing = partOf(line);
            if (!closing)
                throw badLine(path, lines.number(), line);
            break;
        }
        const auto fields = csvFields(line);
        const std::optional<u128> given = fields && fields->size() == columns
                ? numberIn((*fields)[0])
                : std::nullopt;
        const std::optional<u128> k = given ? numberIn((*fields)[1]) : std::nullopt;
        ++rows;
        // Competition ranks: 1 first, then each one its predecessor's or
        // its own place.
        if (!k || *k == 0 || !(*given == rank || *given == rows) || (rows == 1 && *given != 1))
            throw badLine(path, lines.number(), line);
        rank = u64(*given);
        if (rows <= keep) {
            read.multipliers.push_back(*k);
            read.ranks.push_back(rank);
        }
    }
    if (!closing || !broken)
        throw Failure{say(translate("cli", "%1 ist kein vollständiger Teil einer Rangliste: ihm "
                                           "fehlt die Schlusszeile, die „%2 %3 I/P“ nach der "
                                           "letzten Zeile schreibt"),
                          {cli::quoted(path), ranglisteCommand.name.shown(),
                           optionName(Option::Shard)})};
    while (lines.next(line, broken)) {
        if (!line.empty())
            throw badLine(path, lines.number(), line);
    }
    if (rows != closing->rows || (closing->top && rows > *closing->top))
        throw Failure{say(translate("cli", "%1 ist unvollständig: %2 Zeilen, die Schlusszeile "
                                           "nennt %3"),
                          {cli::quoted(path), std::to_string(rows),
                           std::to_string(closing->rows)})};
    read.part = *closing;
    return read;
}

// Multipliers as keys of a hash: both halves of a 128-bit k count.
struct HashOfK {
    size_t operator()(u128 k) const { return std::hash<u64>()(u64(k) ^ u64(k >> 64)); }
};

// The rows of a part are those of its ranking: the columns of its
// criterion, and each k one of its stretch, of the longest period where it
// asks for one, and there once. K is the engine's width for the part's N.
template <typename K>
void checkRows(const PartFile &read)
{
    const Part &part = read.part;
    if (read.header + '\n' != csvLine(rankingColumns(part.criterion, part.dimensions)))
        throw notAPart(read.path);
    const auto [from, to] = part.stretch();
    const numbers::WideOf<K> n(part.n);
    const numbers::BasicPeriodFilter<K> period(n, part.generator);
    std::unordered_set<u128, HashOfK> seen;
    for (size_t i = 0; i < read.multipliers.size(); ++i) {
        const u128 k = read.multipliers[i];
        const std::string line = std::to_string(i + 2);
        if (k < from || k > to || numbers::gcd(n, K(k)) != 1 || !period.keeps(K(k)))
            throw Failure{say(translate("cli", "%1, Zeile %2: k = %3 gehört nicht zu Teil %4 von "
                                               "%5 der Rangliste von N = %6"),
                              {cli::quoted(read.path), line, numbers::decimal(k),
                               std::to_string(part.index), std::to_string(part.parts),
                               numbers::decimal(part.n)})};
        if (!seen.insert(k).second)
            throw Failure{say(translate("cli", "%1, Zeile %2: k = %3 steht zweimal darin"),
                              {cli::quoted(read.path), line, numbers::decimal(k)})};
    }
}

// Every part of the same ranking, each of the P once.
void checkParts(const std::vector<PartFile> &parts)
{
    const PartFile &first = parts.front();
    std::map<u64, const PartFile *> byIndex;
    for (const PartFile &read : parts) {
        if (const auto difference = first.part.differenceFrom(read.part))
            throw Failure{say(translate("cli", "%1 und %2 sind Teile verschiedener Ranglisten: "
                                               "%3 gegen %4"),
                              {cli::quoted(first.path), cli::quoted(read.path), difference->first,
                               difference->second})};
        const auto [at, added] = byIndex.emplace(read.part.index, &read);
        if (!added)
            throw Failure{say(translate("cli", "%1 und %2 sind beide Teil %3 von %4"),
                              {cli::quoted(at->second->path), cli::quoted(read.path),
                               std::to_string(read.part.index), std::to_string(read.part.parts)})};
    }
    if (byIndex.size() != first.part.parts) {
        std::string missing;
        for (u64 index = 1, listed = 0; index <= first.part.parts && listed < 10; ++index) {
            if (!byIndex.count(index)) {
                missing += (listed++ ? ", " : "") + std::to_string(index);
            }
        }
        throw Failure{say(translate("cli", "es fehlen Teile der Rangliste: von %1 Teilen sind %2 "
                                           "da, es fehlt Teil %3"),
                          {std::to_string(first.part.parts), std::to_string(byIndex.size()),
                           missing})};
    }
}

// Each part's rows stand in the order of the ranking of every kept row,
// tied exactly where the part ties them.
template <typename K>
void checkOrder(const std::vector<PartFile> &parts, const std::vector<search::BasicRanked<K>> &all)
{
    std::unordered_map<u128, std::pair<size_t, u64>, HashOfK> placeOf; // k → place and rank
    for (size_t i = 0; i < all.size(); ++i)
        placeOf[all[i].k] = {i, all[i].rank};
    for (const PartFile &read : parts) {
        for (size_t i = 1; i < read.multipliers.size(); ++i) {
            const auto [place, rank] = placeOf.at(read.multipliers[i]);
            const auto [before, rankBefore] = placeOf.at(read.multipliers[i - 1]);
            if (place < before || (rank == rankBefore) != (read.ranks[i] == read.ranks[i - 1]))
                throw Failure{say(translate("cli", "%1, Zeile %2: k = %3 steht nicht, wo die "
                                                   "Rangliste es hinstellt"),
                                  {cli::quoted(read.path), std::to_string(i + 2),
                                   numbers::decimal(read.multipliers[i])})};
        }
    }
}

// The ranking the parts make, with what the options ask for checked
// against them: the parts decide, and an option that says otherwise is a
// mistake in the call.
template <typename K>
search::BasicRankingQuery<K> queryOf(const Invocation &call,
                                     const search::BasicRankingQuery<K> &asked, const Part &part)
{
    if (U256(asked.n) != part.n)
        throw UsageError{say(translate("cli", "N = %1, die Teile sind aber für N = %2"),
                             {numbers::decimal(asked.n), numbers::decimal(part.n)})};
    search::BasicRankingQuery<K> query = asked;
    query.criterion = part.criterion;
    query.dimensions = part.dimensions ? part.dimensions : numbers::defaultDimensions;
    query.generator = part.generator;
    // "--nach summe widerspricht den Teilen: sie sind mit --nach guete gemacht"
    const auto contradicts = [&](Option option, bool differs, const std::string &given,
                                 const std::string &made) {
        if (call.isSet(option) && differs)
            throw UsageError{say(translate("cli", "%1 %2 widerspricht den Teilen: sie sind mit "
                                                  "%3 gemacht"),
                                 {optionName(option), given, optionName(option) + ' ' + made})};
    };
    contradicts(Option::Order, asked.criterion != part.criterion, keyOf(asked.criterion),
                keyOf(part.criterion));
    contradicts(Option::Dimensions,
                numbers::readsDimensions(part.criterion) && asked.dimensions != part.dimensions,
                std::to_string(asked.dimensions), std::to_string(part.dimensions));
    const char *generator = generatorName(part.generator);
    if (call.isSet(Option::Generator) && asked.generator != part.generator) {
        if (!generator)
            throw UsageError{say(translate("cli", "%1 %2 widerspricht den Teilen: sie sind ohne "
                                                  "%1 gemacht"),
                                 {optionName(Option::Generator), *call.value(Option::Generator)})};
        contradicts(Option::Generator, true, *call.value(Option::Generator), generator);
    }
    return query;
}

template <typename K>
void runWith(const Invocation &call, numbers::WideOf<K> n)
{
    // The options are read before any file is.
    const search::BasicRankingQuery<K> options = rankingOrderOf<K>(call, n);
    const bool topAsked = call.isSet(Option::Top);
    std::vector<PartFile> parts;
    u64 kept = 0;
    for (size_t i = 1; i < call.arguments.size(); ++i) {
        parts.push_back(readPart(call.arguments[i], topAsked ? options.top : mostRowsKept));
        checkRows<K>(parts.back());
        kept += parts.back().multipliers.size();
        if (!topAsked && kept >= mostRowsKept)
            throw Failure{say(translate("cli", "die Teile haben mehr als %1 Zeilen; mit %2 liest "
                                               "%3 nur die ersten T jedes Teils"),
                              {numbers::decimal(mostRowsKept),
                               descriptionOf(Option::Top).written(),
                               call.command.name.shown()})};
    }
    checkParts(parts);
    search::BasicRankingQuery<K> query = queryOf(call, options, parts.front().part);

    // The first T of the whole ranking are among the first T of each part:
    // T is the parts' top, or less.
    const Part &made = parts.front().part;
    if (topAsked && made.top && options.top > *made.top)
        throw UsageError{say(translate("cli", "%1 %2: die Teile haben nur ihre ersten %3 Plätze"),
                             {optionName(Option::Top), std::to_string(options.top),
                              std::to_string(*made.top)})};
    const u64 top = topAsked ? options.top : made.top.value_or(search::everyMultiplier);

    // Every kept row ranked among them all, and each part in that order.
    std::vector<K> multipliers;
    for (const PartFile &read : parts) {
        for (u128 k : read.multipliers)
            multipliers.push_back(K(k));
    }
    query.top = search::everyMultiplier;
    const auto all = search::rankingOf(query, std::move(multipliers));
    checkOrder(parts, all);
    query.top = top;
    writeRanking<K>(call, query, [&](const auto &visit) {
        for (size_t i = 0; i < all.size() && i < top; ++i)
            visit(all[i]);
    });
}

// Up to 2^64 in machine words, beyond in the wide engine.
void run(const Invocation &call)
{
    const U256 n = modulusOf(call);
    if (n > numbers::maxModulus<u64>)
        runWith<u128>(call, n);
    else
        runWith<u64>(call, Wide(n));
}

} // namespace

const Command zusammenfuehrenCommand{
    .name = {"zusammenfuehren", "merge"},
    .arguments = {"N DATEI [DATEI …]", "N FILE [FILE …]"},
    .argumentCount = 2,
    .moreArguments = true,
    .maxN = numbers::maxModulus<u128>,
    .options = {Option::Top, Option::Order, Option::Dimensions, Option::Generator, Option::Format},
    .summary = QT_TRANSLATE_NOOP("cli", "Teile einer Rangliste zu einer zusammenfügen"),
    .help = QT_TRANSLATE_NOOP("cli",
    "Fügt die P Teile einer Rangliste, jeder von\n"
    "„rangliste N --teil I/P --format csv“ in eine Datei geschrieben, zur\n"
    "Rangliste aller zusammen: dieselbe Ordnung, dieselben Ränge und dieselben\n"
    "ersten T Plätze wie ein Lauf über alle Kandidaten. Jeder Teil sagt nach\n"
    "seiner letzten Zeile, womit er gemacht ist: Rangfolge, Dimensionen,\n"
    "Generator und T nimmt zusammenfuehren von dort, und eine Option, die ihnen\n"
    "widerspricht, ist ein Fehler. Nichts wird geschrieben, wenn ein Teil fehlt,\n"
    "doppelt da ist, abgebrochen wurde, zu einer anderen Rangliste gehört oder\n"
    "eine Zeile hat, die nicht die seiner Rangliste ist. {N}.\n"),
    .run = run};

} // namespace cli
