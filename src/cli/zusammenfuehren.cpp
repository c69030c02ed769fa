// zyklar zusammenfuehren N DATEI…: the parts of a ranking, each written as
// CSV by "rangliste N --teil I/P", merged into the ranking of all: the same
// order, ranks and top as one run over every candidate.

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/rangliste.h"

#include <QFile>

namespace cli {

namespace {

using numbers::u64;
using numbers::Wide;

// The k of every row of one part: the second field, after the rank; the
// fields before it are plain numbers, so no quoting reaches them.
std::vector<u64> multipliersIn(const std::string &path, Wide n)
{
    QFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::ReadOnly))
        throw Failure{say(translate("cli", "%1 ließ sich nicht lesen"), {cli::quoted(path)})};
    std::vector<u64> multipliers;
    const QByteArray header = file.readLine().trimmed();
    if (!header.startsWith("rang,k,"))
        throw UsageError{say(translate("cli", "%1 ist keine Rangliste als CSV (rangliste --format "
                                              "csv)"),
                             {cli::quoted(path)})};
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty())
            continue;
        const QList<QByteArray> fields = line.split(',');
        bool ok = fields.size() > 2;
        const u64 k = ok ? fields[1].toULongLong(&ok) : 0;
        if (!ok || k == 0 || Wide(k) >= n)
            throw UsageError{say(translate("cli", "%1: die Zeile %2 hat kein k von N"),
                                 {cli::quoted(path), cli::quoted(line.left(40).toStdString())})};
        multipliers.push_back(k);
    }
    return multipliers;
}

void run(const Invocation &call)
{
    numbers::RankingQuery query = rankingOrderOf(call, nOf(call));
    std::vector<u64> multipliers;
    for (size_t i = 1; i < call.arguments.size(); ++i) {
        const std::vector<u64> part = multipliersIn(call.arguments[i], query.n);
        multipliers.insert(multipliers.end(), part.begin(), part.end());
    }
    const std::vector<numbers::Ranked> rows = numbers::rankingOf(query, std::move(multipliers));
    writeRanking(call, query, [&rows](const auto &visit) {
        for (const numbers::Ranked &row : rows)
            visit(row);
    });
}

} // namespace

const Command zusammenfuehrenCommand{
    "zusammenfuehren", "N DATEI [DATEI …]", 2, true, Wide(1) << 64,
    {Option::Top, Option::Order, Option::Dimensions, Option::Format}, false,
    QT_TRANSLATE_NOOP("cli", "Teile einer Rangliste zu einer zusammenfügen"),
    QT_TRANSLATE_NOOP("cli",
    "Fügt die Teile einer Rangliste, jeder von \"rangliste N --teil I/P --format csv\"\n"
    "in eine Datei geschrieben, zur Rangliste aller zusammen: dieselbe Ordnung,\n"
    "dieselben Ränge und dieselben ersten T Plätze wie ein Lauf über alle\n"
    "Kandidaten. --nach und --dimensionen wie bei den Teilen, --top höchstens\n"
    "wie bei ihnen. {N}.\n"),
    run,
    "merge"};

} // namespace cli
