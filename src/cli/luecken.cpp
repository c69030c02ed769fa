// zyklar luecken N K: the gaps between neighbouring occupied positions
// after every step, at most three lengths each, with how many gaps have
// them; read off the running minima, never by sorting positions.

#include "analysis/gapspicture.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "numbers/threegaps.h"

#include <QFont>

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

constexpr int frameDelay = 20; // hundredths of a second: five steps a second

// --animation: every step a frame, the circle or the sunflower of k/N or of
// the golden angle, each with a caption line under it.
void writeAnimation(const Invocation &call)
{
    const std::string file = *call.value(Option::Animation);
    const QString path = QString::fromLocal8Bit(file.c_str());
    if (!path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive))
        throw UsageError{say(translate("cli", "%1: Animationen schreibt zyklar als .gif"),
                             {quoted(file)})};
    const bool golden = call.isSet(Option::Golden);
    const Multiplier m = golden ? Multiplier{nOf(call), 1} : multiplierOf(call);
    if (m.n > analysis::mostAnimatedN)
        throw UsageError{say(translate("cli", "%1 zeichnet N bis %2, nicht %3"),
                             {optionName(Option::Animation), std::to_string(analysis::mostAnimatedN),
                              numbers::decimal(m.n)})};
    const numbers::Rotation rotation = golden ? numbers::goldenRotation
                                              : numbers::Rotation{u64(m.n), m.k};
    const auto view = call.isSet(Option::Sunflower) ? analysis::GapsPicture::View::Sunflower
                                                    : analysis::GapsPicture::View::Circle;
    const QString failure = analysis::saveGapsAnimation(
            path, QSize(480, 480), {rotation.n, rotation.k, 1, view}, int(m.n) - 1, frameDelay,
            QFont(), [&](int step) {
                return QString::fromStdString(
                        golden ? say(translate("cli", "goldener Winkel, %1 Punkte, Schritt %2"),
                                     {numbers::decimal(m.n), std::to_string(step)})
                               : say(translate("cli", "N = %1, k = %2, Schritt %3"),
                                     {numbers::decimal(m.n), std::to_string(m.k),
                                      std::to_string(step)}));
            });
    if (!failure.isEmpty())
        throw Failure{say(translate("cli", "%1 wurde nicht geschrieben: %2"),
                          {quoted(file), failure.toStdString()})};
}

void run(const Invocation &call)
{
    for (Option only : {Option::Sunflower, Option::Golden}) {
        if (call.isSet(only) && !call.isSet(Option::Animation))
            throw UsageError{say(translate("cli", "%1 gilt nur mit %2"),
                                 {optionName(only), optionName(Option::Animation)})};
    }
    if (call.isSet(Option::Animation)) {
        writeAnimation(call);
        return;
    }
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
    .options = {Option::Step, Option::Format, Option::Animation, Option::Sunflower, Option::Golden},
    .summary = QT_TRANSLATE_NOOP("cli", "die Lücken zwischen den belegten Positionen, Schritt für Schritt"),
    .help = QT_TRANSLATE_NOOP("cli",
    "Nach jedem Schritt i = 1 … N−1 teilen die belegten Positionen 0, K, 2K, …\n"
    "den Kreis in Lücken von höchstens drei Längen (Drei-Abstände-Satz): die\n"
    "kurze, die lange und, wenn es sie gibt, eine mittlere, jede mit der Zahl\n"
    "ihrer Lücken, und das Verhältnis der langen zur kurzen. {N}.\n"
    "Mit --animation wird jeder Schritt ein Bild einer GIF-Animation, als Kreis\n"
    "oder Sonnenblume, für N bis %1.\n"),
    .run = run,
    .helpValues = {std::to_string(analysis::mostAnimatedN)}};

} // namespace cli
