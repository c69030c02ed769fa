// zyklar summe N K: one multiplier's figures, in closed form.

#include "cli/arguments.h"
#include "cli/command.h"

namespace cli {

namespace {

template <typename K>
void write(const Invocation &call)
{
    const BasicMultiplier<K> m = multiplierOf<K>(call, call.arguments[1]);
    const auto f = numbers::figures(m.n, m.k, numbers::BasicEquidistantRow(m.n));
    const std::string nText = numbers::decimal(m.n), kText = numbers::decimal(numbers::Wide(m.k));

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

// Above 2^64 in the wider engine; below in the quick one.
void run(const Invocation &call)
{
    if (modulusOf(call) > numbers::maxModulus<numbers::u64>)
        write<numbers::u128>(call);
    else
        write<numbers::u64>(call);
}

} // namespace

const Command summeCommand{
    .name = {"summe", "sum"},
    .arguments = {"N K"},
    .argumentCount = 2,
    .maxN = numbers::maxModulus<numbers::u128>,
    .options = {Option::Format},
    .summary = QT_TRANSLATE_NOOP("cli", "Summe, Anteil und Kettenbruch eines Multiplikators"),
    .help = QT_TRANSLATE_NOOP("cli",
    "Summe, Anteil, Kettenbruch und größter Teilnenner eines Multiplikators,\n"
    "in geschlossener Form je Teilnenner des Kettenbruchs. {N}.\n"),
    .run = run};

} // namespace cli
