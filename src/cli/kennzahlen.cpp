// zyklar kennzahlen N K [K …]: every figure of one or several multipliers,
// one row each, so that candidates can be compared; with --rang also how
// each stands among every multiplier of N.

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/progress.h"
#include "cli/rangliste.h"
#include "cli/standardinput.h"
#include "numbers/lattice.h"
#include "search/standing.h"

#include <cstdio>
#include <map>
#include <limits>
#include <optional>

namespace cli {

namespace {

using numbers::Criterion;
using numbers::u128;
using numbers::u64;
using numbers::U256;
using numbers::Wide;

constexpr Wide maxStandingN = Wide(1) << 32;

struct Row {
    numbers::Figures128 figures; // of either width, as they are shown
    std::array<u64, std::size(numbers::everyCriterion)> ranks{};
    // By each criterion, the figures of the best multiplier of the row's N,
    // without a fraction.
    std::array<numbers::Figures, std::size(numbers::everyCriterion)> best;
};

// How each row's multiplier stands among every multiplier of its N: one
// pass per N.
void addStanding(std::vector<Row> &rows, const Invocation &call)
{
    std::map<Wide, std::vector<size_t>> rowsOfN;
    for (size_t i = 0; i < rows.size(); ++i)
        rowsOfN[Wide(rows[i].figures.n)].push_back(i);
    for (const auto &[n, indices] : rowsOfN) {
        std::vector<u64> multipliers;
        for (size_t i : indices)
            multipliers.push_back(u64(rows[i].figures.k));
        const ProgressLine progress(
                call.err, say(translate("cli", "Rang unter allen Multiplikatoren von N = %1"),
                              {numbers::decimal(n)}));
        const search::Standing standing = search::standing(n, multipliers, progress.progress());
        const numbers::EquidistantRow equidistant(n);
        std::array<numbers::Figures, std::size(numbers::everyCriterion)> best;
        for (size_t c = 0; c < best.size(); ++c)
            best[c] = numbers::figuresOf(standing.best[c], n, equidistant);
        for (size_t j = 0; j < indices.size(); ++j) {
            rows[indices[j]].ranks = standing.ranks[j];
            rows[indices[j]].best = best;
        }
    }
}

// How the figures of each K are read: as a generator's, where --generator
// names one, in the dimensions asked for; up to 2^64 by the quick engine,
// above by the wide one (numbers/euclid.h).
class FiguresOfK
{
public:
    explicit FiguresOfK(const Invocation &call)
        : m_call(call), m_n(modulusOf(call)), m_generator(generatorOf(call)),
          m_dimensions(dimensionsOf(call))
    {
        const U256 n = m_n;
        if (m_generator != numbers::Generator::Any) {
            if (wide())
                m_period128.emplace(n, m_generator);
            else
                m_period.emplace(Wide(n), m_generator);
        }
        if (const auto lag = call.value(Option::Lag))
            m_lag = u64(wholeNumber(*lag, optionName(Option::Lag), 1,
                                    std::numeric_limits<u64>::max()));
        lagModulus(n); // refused before anything is read
    }

    // The columns: every figure, the dimensions, and for a generator its
    // harmonic score and lagged figure; seen every L-th step its harmonic
    // score.
    FigureColumns columns(bool euclid = true) const
    {
        FigureColumns columns{.euclid = euclid, .dimensions = m_dimensions};
        if (m_generator != numbers::Generator::Any || m_lag != 1)
            columns.more.push_back(numbers::Figure::Harmonic);
        if (m_generator != numbers::Generator::Any && m_lag == 1)
            columns.more.push_back(numbers::Figure::Lagged);
        return columns;
    }
    // Under a text table, which lattice the figures are read on where it
    // is not N's.
    std::string note() const
    {
        std::string note = latticeNote(m_n, m_generator);
        if (m_lag != 1)
            note += say(translate("cli", "Spektraltest des Generators, der nur jeden %1-ten Wert "
                                         "zeigt: K^%1 auf dem Gitter modulo %2\n"),
                        {std::to_string(m_lag), numbers::decimal(lagModulus(m_n))});
        return note;
    }

    numbers::Figures128 of(std::string_view kText)
    {
        if (wide())
            return figuresOf<u128>(kText, m_period128, m_equidistant128);
        return numbers::widened(figuresOf<u64>(kText, m_period, m_equidistant));
    }

private:
    bool wide() const { return m_n > numbers::maxModulus<u64>; }

    template <typename K>
    numbers::BasicFigures<K> figuresOf(
            std::string_view kText, const std::optional<numbers::BasicPeriodFilter<K>> &period,
            std::map<numbers::WideOf<K>, numbers::BasicEquidistantRow<numbers::WideOf<K>>> &rows)
    {
        const BasicMultiplier<K> m = multiplierOf<K>(m_call, kText);
        // A generator's K is of the longest period at N itself, so never
        // shares a divisor with it.
        if (period && (m.n != m_n || !period->keeps(m.k)))
            throw UsageError{say(translate("cli", "K = %1 hat nicht die längste Periode von "
                                                  "N = %2 (%3 %4)"),
                                 {std::string(kText), m_call.arguments[0],
                                  optionName(Option::Generator), generatorName(m_generator)})};
        lagModulus(m.n); // N after a divisor is cancelled may leave too few points
        const auto row = rows.try_emplace(m.n, m.n).first;
        auto f = numbers::generatorFigures(m.n, m.k, row->second, m_generator, m_dimensions,
                                           m_lag);
        if (m_generator != numbers::Generator::Any && m_lag == 1)
            numbers::addLagged(f, m_generator, m_dimensions);
        return f;
    }

    // The modulus of the lattice seen every L-th step, refused where it
    // would hold a single point.
    U256 lagModulus(U256 n) const
    {
        const std::optional<U256> modulus = numbers::latticeModulus(n, m_generator, m_lag);
        if (!modulus)
            throw UsageError{say(translate("cli", "bei %1 %2 bleibt von N = %3 nur ein Punkt"),
                                 {optionName(Option::Lag), std::to_string(m_lag),
                                  numbers::decimal(n)})};
        return *modulus;
    }

    const Invocation &m_call;
    U256 m_n;
    numbers::Generator m_generator;
    int m_dimensions;
    u64 m_lag = 1;
    std::optional<numbers::PeriodFilter> m_period;
    std::optional<numbers::BasicPeriodFilter<u128>> m_period128;
    // Per N after a common divisor is cancelled: at most the divisors of N.
    std::map<Wide, numbers::EquidistantRow> m_equidistant;
    std::map<U256, numbers::BasicEquidistantRow<U256>> m_equidistant128;
};

// N, k and the figures of the columns asked for.
std::vector<std::string> figureCells(const numbers::Figures128 &f, const FigureColumns &columns,
                                     Format format)
{
    std::vector<std::string> cells{numbers::decimal(f.n), numbers::decimal(f.k)};
    const std::vector<std::string> values = columns.values(f, format);
    cells.insert(cells.end(), values.begin(), values.end());
    return cells;
}

// The text table's columns: N, k, every figure and the lattice figures.
std::vector<TextTable::Column> textColumns(const FigureColumns &figures)
{
    std::vector<TextTable::Column> columns{{"N"}, {"k"}};
    const std::vector<TextTable::Column> captions = figures.captions();
    columns.insert(columns.end(), captions.begin(), captions.end());
    return columns;
}

// The rank and best value of each figure that has them, in the machine
// formats' order: rang_summe, bestwert_summe, rang_anteil, …
std::vector<std::string> standingCells(const Row &row, Format format)
{
    std::vector<std::string> cells;
    for (const numbers::FigureEntry &entry : numbers::everyFigure()) {
        if (const auto criterion = entry.rankedBy) {
            cells.push_back(std::to_string(row.ranks[size_t(*criterion)]));
            cells.push_back(fieldOf(entry.figure, row.best[size_t(*criterion)], format));
        }
    }
    return cells;
}

void writeText(const Invocation &call, const std::vector<Row> &rows, bool standing,
               const FiguresOfK &of)
{
    // Under each multiplier its ranks, and after the last one of an N the
    // best values of that N.
    const FigureColumns figures = of.columns();
    std::vector<std::vector<std::string>> lines;
    for (size_t i = 0; i < rows.size(); ++i) {
        lines.push_back(figureCells(rows[i].figures, figures, Format::Text));
        if (!standing)
            continue;
        std::vector<std::string> ranks{say(translate("cli", "Rang")), ""},
                best{say(translate("cli", "Bestwert")), ""};
        for (const numbers::FigureEntry &entry : numbers::everyFigure()) {
            const auto criterion = entry.rankedBy;
            ranks.push_back(criterion ? std::to_string(rows[i].ranks[size_t(*criterion)]) : "");
            best.push_back(criterion
                                   ? fieldOf(entry.figure, rows[i].best[size_t(*criterion)],
                                             Format::Text)
                                   : "");
        }
        lines.push_back(ranks);
        if (i + 1 == rows.size() || rows[i + 1].figures.n != rows[i].figures.n)
            lines.push_back(best);
    }
    TextTable table(textColumns(figures));
    for (const auto &line : lines)
        table.measure(line);
    call.out << table.header();
    for (const auto &line : lines)
        call.out << table.line(line);
    call.out << of.note();
}

// The rows of "kennzahlen N -", written as each K is answered: CSV and JSON
// at once, a text table once the widths of its first rows are measured.
// Closed, what was written is whole: every row, a table's header, and a
// closed JSON array.
class StreamedRows
{
public:
    explicit StreamedRows(const Invocation &call)
        : m_call(call), m_of(call), m_figures(m_of.columns())
    {
        m_keys = {"n", "k"};
        const std::vector<std::string> figureKeys = m_figures.keys();
        m_keys.insert(m_keys.end(), figureKeys.begin(), figureKeys.end());
        if (call.format == Format::Csv)
            call.out << csvLine(m_keys);
        if (call.format == Format::Json)
            m_objects.emplace(call.out);
    }

    void add(std::string_view k)
    {
        switch (m_call.format) {
        case Format::Csv: m_call.out << csvLine(cells(k, Format::Csv)); break;
        case Format::Json: m_objects->add(jsonObject(m_keys, cells(k, Format::Json))); break;
        case Format::Text:
            if (m_table)
                m_call.out << m_table->line(cells(k, Format::Text));
            else if (m_first.push_back(cells(k, Format::Text)); m_first.size() == 1000)
                startTable();
            break;
        }
    }
    // What is answered goes out; a text table starts with what it has.
    void flush()
    {
        if (m_call.format == Format::Text && !m_table && !m_first.empty())
            startTable();
        if (!m_call.out.finish())
            throw Failure{say(
                    translate("cli", "die Ergebnisse ließen sich nicht vollständig schreiben"))};
    }
    void close()
    {
        if (m_call.format == Format::Text) {
            if (!m_table)
                startTable();
            m_call.out << m_of.note();
        }
        if (m_objects) {
            m_objects->close();
            m_call.out << '\n';
            m_objects.reset();
        }
        m_call.out.finish();
    }

private:
    std::vector<std::string> cells(std::string_view k, Format format)
    {
        return figureCells(m_of.of(k), m_figures, format);
    }
    void startTable()
    {
        m_table.emplace(textColumns(m_figures));
        for (const auto &row : m_first)
            m_table->measure(row);
        m_call.out << m_table->header();
        for (const auto &row : m_first)
            m_call.out << m_table->line(row);
        m_first.clear();
    }

    const Invocation &m_call;
    FiguresOfK m_of;
    FigureColumns m_figures;
    std::vector<std::string> m_keys;
    std::optional<JsonArray> m_objects;
    std::optional<TextTable> m_table;
    std::vector<std::vector<std::string>> m_first; // a text table's measure
};

// "kennzahlen N -": the K from standard input, one a line, each row written
// as it is answered, so the memory stays the same however many there are,
// and a reader at the other end of a pipe has every row as soon as its K.
// A text table takes its widths from the rows before the first wait for
// input, at most a thousand. However the reading ends, what was written is
// whole. A line that is no K ends it with a message that names the line;
// SIGINT and SIGTERM end it too, and then the process, by that signal.
void runFromInput(const Invocation &call)
{
    if (call.isSet(Option::Standing))
        throw UsageError{say(translate("cli", "%1 braucht die K als Argumente, nicht von der "
                                              "Standardeingabe"),
                             {optionName(Option::Standing)})};
    StreamedRows rows(call); // N and the options are checked before anything is read
    StandardInput input;
    try {
        for (std::string line; input.next(line, [&rows] { rows.flush(); });) {
            const size_t start = line.find_first_not_of(" \t");
            if (start != std::string::npos)
                rows.add(line.substr(start, line.find_last_not_of(" \t") - start + 1));
        }
    } catch (const UsageError &error) {
        rows.close();
        throw UsageError{say(translate("cli", "Zeile %1 der Standardeingabe: %2"),
                             {std::to_string(input.number()), error.message})};
    }
    rows.close();
    if (input.signal())
        input.endBySignal();
}

// The figures of each K of the arguments, at its N once a common divisor
// is cancelled.
std::vector<Row> rowsOf(const Invocation &call, FiguresOfK &figuresOfK)
{
    std::vector<Row> rows;
    for (size_t i = 1; i < call.arguments.size(); ++i)
        rows.push_back({figuresOfK.of(call.arguments[i]), {}, {}});
    return rows;
}

// CSV or JSON: N, k, every figure, the standing, the lattice.
void writeMachine(const Invocation &call, const std::vector<Row> &rows, bool standing,
                  const FiguresOfK &of)
{
    const FigureColumns euclid, lattice = of.columns(false);
    std::vector<std::string> keys{"n", "k"};
    const auto add = [](std::vector<std::string> &to, const std::vector<std::string> &more) {
        to.insert(to.end(), more.begin(), more.end());
    };
    add(keys, euclid.keys());
    if (standing) {
        for (const numbers::FigureEntry &entry : numbers::everyFigure()) {
            if (entry.rankedBy) {
                keys.push_back(std::string("rang_") + entry.key);
                keys.push_back(std::string("bestwert_") + entry.key);
            }
        }
    }
    add(keys, lattice.keys());
    const auto values = [&](const Row &row, Format format) {
        std::vector<std::string> cells = figureCells(row.figures, euclid, format);
        if (standing)
            add(cells, standingCells(row, format));
        add(cells, lattice.values(row.figures, format));
        return cells;
    };
    if (call.format == Format::Csv) {
        call.out << csvLine(keys);
        for (const Row &row : rows)
            call.out << csvLine(values(row, Format::Csv));
        return;
    }
    JsonArray objects(call.out);
    for (const Row &row : rows)
        objects.add(jsonObject(keys, values(row, Format::Json)));
    objects.close();
    call.out << '\n';
}

void run(const Invocation &call)
{
    if (call.arguments.size() == 2 && call.arguments[1] == "-") {
        runFromInput(call);
        return;
    }
    const bool standing = call.isSet(Option::Standing);
    if (standing && modulusOf(call) > maxStandingN)
        throw UsageError{say(translate("cli", "%1 braucht N ≤ %2, nicht %3"),
                             {optionName(Option::Standing), numbers::decimal(maxStandingN),
                              call.arguments[0]})};
    for (const Option option : {Option::Generator, Option::Lag}) {
        if (standing && call.isSet(option))
            throw UsageError{say(translate("cli", "%1 gilt für alle Multiplikatoren von N und "
                                                  "geht nicht mit %2"),
                                 {optionName(Option::Standing), optionName(option)})};
    }
    FiguresOfK figuresOfK(call);
    std::vector<Row> rows = rowsOf(call, figuresOfK);
    if (standing)
        addStanding(rows, call);
    if (call.format == Format::Text)
        writeText(call, rows, standing, figuresOfK);
    else
        writeMachine(call, rows, standing, figuresOfK);
}

} // namespace

const Command kennzahlenCommand{
    .name = {"kennzahlen", "figures"},
    .arguments = {"N K [K …]"},
    .argumentCount = 2,
    .moreArguments = true,
    .maxN = numbers::maxModulus<u128>,
    .options = {Option::Standing, Option::Dimensions, Option::Generator, Option::Lag,
                Option::Format},
    .summary = QT_TRANSLATE_NOOP("cli", "jede Kennzahl eines oder mehrerer Multiplikatoren"),
    .help = QT_TRANSLATE_NOOP("cli",
    "Jede Kennzahl der Multiplikatoren K von N, eine Zeile je K, zum Vergleich:\n"
    "die Summe der Minimalabstände und ihr Anteil, der Kettenbruch von K/N und\n"
    "sein größter Teilnenner, der Spektraltest (ν₂² und f₂), der Zaremba-Index\n"
    "und das Lückenverhältnis; dazu der Spektraltest in 3 bis T Dimensionen\n"
    "(ν_t² in CSV und JSON, f_t) und das Gütemaß M_T, das kleinste f_t.\n"
    "Mit --generator nur K der längsten Periode; ein MCG von N = 2^e wird\n"
    "wie in den heutigen Tabellen auf dem Gitter seiner Bahn modulo N/4\n"
    "beurteilt, mit K oder N − K, was ≡ 5 (mod 8) ist. Dazu am Ende das\n"
    "harmonische Mittel H_T der f_t (f_t mit dem Gewicht 1/(t − 1)) und die\n"
    "Versatzgüte, das kleinste M_T der Generatoren, die nur jeden 2. bis 8. Wert\n"
    "zeigen. Mit --versatz L der Spektraltest und H_T dieses Generators mit\n"
    "K^L, auf dem Gitter modulo N/ggT(N, L).\n"
    "Mit - statt der K kommen die K von der Standardeingabe, eines je Zeile,\n"
    "und jede Zeile wird geschrieben, sobald ihr K beantwortet ist. Eine Zeile\n"
    "ohne K beendet den Lauf mit ihrer Nummer; was geschrieben ist, bleibt ganz,\n"
    "auch nach Strg+C. {N}.\n"),
    .run = run};

} // namespace cli
