// zyklar analyse N K: the five result boxes of the window after "Analyse",
// each under its caption; or the steps as CSV or JSON.

#include "analysis/analysis.h"
#include "circle/numbertext.h"
#include "cli/arguments.h"
#include "cli/command.h"

namespace cli {

namespace {

using numbers::u64;

// Up to 999 positions the window's three-character columns; beyond, columns
// wide enough for N with its blank, so no digit is cut.
int columnWidth(u64 n)
{
    return n <= 999 ? 3 : int(circle::numberText(double(n)).size());
}

// The boxes as the window fills them, written by the window's number rules.
void writeBoxes(Output &out, u64 n, u64 k)
{
    using circle::column;
    using circle::numberText;
    const int width = columnWidth(n);
    QString sequence = column(1, width) + u' ';
    QString gaps;
    QString minimal = column(double(n), width);
    u64 sum = 0;
    numbers::Occupation steps(n, k);
    for (u64 i = 1; i < n; ++i) {
        steps.advance();
        sequence += column(double(steps.position() + 1), width) + u' ';
        gaps += numberText(double(steps.backward())) + u'-' + numberText(double(steps.forward()))
                + u'\n';
        minimal += column(double(steps.minimal()), width);
        sum += steps.minimal();
    }
    QString permutation;
    for (u64 step : numbers::stepsByPosition(n, k))
        permutation += column(double(step), width);

    namespace caption = analysis::caption;
    out << caption::sequence << '\n' << sequence.toStdString() << "\n\n";
    out << caption::gaps << '\n' << gaps.toStdString() << '\n';
    out << caption::minimal << '\n' << minimal.toStdString() << "\n\n";
    out << caption::sums << '\n'
        << (numberText(double(k)) + u':' + numberText(double(sum))).toStdString() << "\n\n";
    out << caption::permutation << '\n' << permutation.toStdString() << '\n';
}

void run(const Invocation &call)
{
    const Multiplier m = multiplierOf(call);
    const u64 n = u64(m.n), k = m.k;
    switch (call.format) {
    case Format::Text: writeBoxes(call.out, n, k); break;
    case Format::Csv: call.out << stepsCsv(n, k); break;
    case Format::Json: {
        const numbers::Figures f = numbers::figures(n, k, numbers::equidistantSum(n));
        std::vector<std::string> keys{"n", "k"}, values{std::to_string(n), std::to_string(k)};
        for (Figure figure : sumFigures) {
            keys.emplace_back(keyOf(figure));
            values.push_back(valueOf(figure, f, Format::Json));
        }
        std::string head = jsonObject(keys, values);
        head.back() = ','; // the steps follow as the last member
        call.out << head << "\"schritte\":";
        JsonArray steps(call.out);
        writeStepsJson(steps, n, k);
        steps.close();
        call.out << "}\n";
        break;
    }
    }
}

} // namespace

const Command analyseCommand{
    "analyse", "N K", 2, false, 1'000'000, {Option::Format}, false,
    "die Belegung von N Positionen mit dem Multiplikator K",
    "Belegt N Positionen auf dem Kreis mit dem Multiplikator K, Schritt für Schritt,\n"
    "und zeigt, was das Fenster nach „Analyse“ zeigt: die Folge, die Abstände zu\n"
    "beiden Nachbarn, die Minimalabstände, die Summe und die Permutation.\n"
    "{N}.\n",
    run};

} // namespace cli
