// zyklar analyse N K: the five result boxes of the window after "Analyse",
// each under its caption; or the steps as CSV or JSON.

#include "cli/arguments.h"
#include "cli/command.h"
#include "analysis/texts.h"

namespace cli {

namespace {

using numbers::u64;

// The boxes as the window fills them, under their captions.
void writeBoxes(Output &out, u64 n, u64 k)
{
    const analysis::Texts texts = analysis::analysisTexts(n, k, analysis::columnWidth(n), QStringLiteral("\n"));
    namespace caption = analysis::caption;
    const auto heading = [](const char *caption) { return caption::text(caption).toStdString(); };
    out << heading(caption::sequence) << '\n' << texts.sequence.toStdString() << "\n\n";
    out << heading(caption::gaps) << '\n' << texts.gaps.toStdString() << '\n';
    out << heading(caption::minimal) << '\n' << texts.minimal.toStdString() << '\n';
    out << heading(caption::sums) << '\n' << texts.sums.toStdString() << '\n';
    out << heading(caption::permutation) << '\n' << texts.permutation.toStdString();
}

void run(const Invocation &call)
{
    const Multiplier m = multiplierOf(call);
    const u64 n = u64(m.n), k = m.k;
    switch (call.format) {
    case Format::Text: writeBoxes(call.out, n, k); break;
    case Format::Csv: call.out << analysis::stepsCsv(n, k); break;
    case Format::Json: {
        const numbers::Figures f = numbers::figures(n, k, numbers::EquidistantRow(n));
        std::vector<std::string> keys{"n", "k"}, values{std::to_string(n), std::to_string(k)};
        for (Figure figure : sumFigures) {
            keys.emplace_back(numbers::entryOf(figure).key);
            values.push_back(fieldOf(figure, f, Format::Json));
        }
        std::string head = jsonObject(keys, values);
        head.back() = ','; // the steps follow as the last member
        call.out << head << "\"schritte\":";
        JsonArray steps(call.out);
        numbers::Occupation occupation(n, k);
        for (u64 i = 1; i < n; ++i) {
            occupation.advance();
            steps.add(jsonObject(analysis::stepKeys(), analysis::stepValues(occupation)));
        }
        steps.close();
        call.out << "}\n";
        break;
    }
    }
}

} // namespace

const Command analyseCommand{
    .name = {"analyse", "analyze"},
    .arguments = {"N K"},
    .argumentCount = 2,
    .maxN = 1'000'000,
    .options = {Option::Format},
    .summary = QT_TRANSLATE_NOOP("cli", "die Belegung von N Positionen mit dem Multiplikator K"),
    .help = QT_TRANSLATE_NOOP("cli",
    "Belegt N Positionen auf dem Kreis mit dem Multiplikator K, Schritt für Schritt,\n"
    "und zeigt, was das Fenster nach „Analyse“ zeigt: die Folge, die Abstände zu\n"
    "beiden Nachbarn, die Minimalabstände, die Summe und die Permutation.\n"
    "{N}.\n"),
    .run = run};

} // namespace cli
