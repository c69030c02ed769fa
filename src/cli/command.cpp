#include "cli/command.h"

#include <algorithm>

namespace cli {

namespace {

const OptionDescription options[] = {
    {Option::Top, "top", "T", "[--top T]", QT_TRANSLATE_NOOP("cli", "nur die ersten T Plätze")},
    {Option::Order, "nach", "KENNZAHL", "[--nach KENNZAHL]",
     QT_TRANSLATE_NOOP("cli", "die Rangfolge: summe (Vorgabe), spektral, zaremba,\n"
                              "verhaeltnis, teilnenner oder guete")},
    {Option::From, "von", "K1", "[--von K1]",
     QT_TRANSLATE_NOOP("cli", "nur Multiplikatoren ab K1")},
    {Option::To, "bis", "K2", "[--bis K2]", QT_TRANSLATE_NOOP("cli", "nur Multiplikatoren bis K2")},
    {Option::Shard, "teil", "I/P", "[--teil I/P]",
     QT_TRANSLATE_NOOP("cli", "nur der I-te von P gleichen Teilen der Kandidaten,\n"
                              "zum Verteilen auf mehrere Rechner")},
    {Option::Standing, "rang", nullptr, "[--rang]",
     QT_TRANSLATE_NOOP("cli", "dazu je Kennzahl der Rang unter allen Multiplikatoren\n"
                              "von N und ihr bester Wert (N ≤ 2^32)")},
    {Option::Dimensions, "dimensionen", "T", "[--dimensionen T]",
     QT_TRANSLATE_NOOP("cli", "der Spektraltest in 2 bis T Dimensionen, T von 2\n"
                              "bis 8 (Vorgabe 8)")},
    {Option::Generator, "generator", "ART", "[--generator mcg|lcg]",
     QT_TRANSLATE_NOOP("cli", "nur die Multiplikatoren der längsten Periode: mcg für\n"
                              "x → k·x mod N, lcg für x → k·x + c mod N")},
    {Option::Step, "schritt", "I", "[--schritt I]", QT_TRANSLATE_NOOP("cli", "nur der Schritt I")},
    {Option::Format, "format", "F", "[--format text|csv|json]",
     QT_TRANSLATE_NOOP("cli", "text (Vorgabe), csv oder json")},
    {Option::Spokes, "speichen", nullptr, "[--speichen]",
     QT_TRANSLATE_NOOP("cli", "Speichen statt Stern")},
    {Option::Output, "ausgabe", "DATEI", "--ausgabe DATEI",
     QT_TRANSLATE_NOOP("cli", "die Bilddatei: .png, .svg oder .pdf")},
    {Option::Scale, "skala", "S", "[--skala 1|2|4]",
     QT_TRANSLATE_NOOP("cli", "ein PNG 1-, 2- oder 4-mal so groß wie am Bildschirm\n(Vorgabe 4)")},
    {Option::Language, "sprache", "SPRACHE", "[--sprache de|en]",
     QT_TRANSLATE_NOOP("cli", "die Sprache dieses Aufrufs: de (Deutsch) oder en\n(Englisch)")},
};

const Command *const commands[] = {&analyseCommand,    &ranglisteCommand, &summeCommand,
                                   &kennzahlenCommand, &lueckenCommand,   &bildCommand,
                                   &zusammenfuehrenCommand};

} // namespace

std::string say(const QString &message, const std::vector<std::string> &arguments)
{
    QString text;
    for (qsizetype i = 0; i < message.size(); ++i) {
        const qsizetype which = i + 1 < message.size() ? message[i + 1].digitValue() - 1 : -1;
        if (message[i] == u'%' && which >= 0 && size_t(which) < arguments.size()) {
            text += QString::fromStdString(arguments[size_t(which)]);
            ++i;
        } else {
            text += message[i];
        }
    }
    return text.toStdString();
}

const OptionDescription &descriptionOf(Option option)
{
    return *std::find_if(std::begin(options), std::end(options),
                         [option](const OptionDescription &d) { return d.option == option; });
}

std::span<const OptionDescription> everyOption()
{
    return options;
}

std::span<const Command *const> everyCommand()
{
    return commands;
}

bool Command::takes(Option option) const
{
    return option == Option::Language
            || std::find(options.begin(), options.end(), option) != options.end();
}

std::string Command::usage() const
{
    std::string text = std::string("zyklar ") + name + ' ' + arguments;
    for (Option option : options)
        text += std::string(" ") + descriptionOf(option).usage;
    return text;
}

std::optional<std::string> Invocation::value(Option option) const
{
    const auto found = options.find(option);
    return found == options.end() ? std::nullopt : std::optional(found->second);
}

} // namespace cli
