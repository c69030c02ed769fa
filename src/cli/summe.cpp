// zyklar summe N K: one multiplier's figures, in closed form.

#include "cli/arguments.h"
#include "cli/command.h"

namespace cli {

namespace {

void run(const Invocation &call)
{
    const Multiplier m = multiplierOf(call);
    const numbers::Figures f = numbers::figures(m.n, m.k, numbers::EquidistantRow(m.n));
    const std::string nText = numbers::decimal(m.n), kText = std::to_string(m.k);

    Output &out = call.out;
    switch (call.format) {
    case Format::Text:
        out << "N = " + nText + ", k = " + kText + '\n';
        for (Figure figure : sumFigures)
            out << say(translate("numbers", numbers::entryOf(figure).caption)) + ": "
                            + fieldOf(figure, f, Format::Text) + '\n';
        break;
    case Format::Csv:
    case Format::Json: {
        std::vector<std::string> keys{"n", "k"}, values{nText, kText};
        for (Figure figure : sumFigures) {
            keys.emplace_back(numbers::entryOf(figure).key);
            values.push_back(fieldOf(figure, f, call.format));
        }
        if (call.format == Format::Csv)
            out << csvLine(keys) << csvLine(values);
        else
            out << jsonObject(keys, values) << '\n';
        break;
    }
    }
}

} // namespace

const Command summeCommand{
    .name = {"summe", "sum"},
    .arguments = {"N K"},
    .argumentCount = 2,
    .maxN = numbers::Wide(1) << 64,
    .options = {Option::Format},
    .summary = QT_TRANSLATE_NOOP("cli", "Summe, Anteil und Kettenbruch eines Multiplikators"),
    .help = QT_TRANSLATE_NOOP("cli",
    "Summe, Anteil, Kettenbruch und größter Teilnenner eines Multiplikators,\n"
    "in geschlossener Form je Teilnenner des Kettenbruchs. {N}.\n"),
    .run = run};

} // namespace cli
