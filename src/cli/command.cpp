#include "cli/command.h"

#include <algorithm>

namespace cli {

namespace {

const OptionDescription options[] = {
    {Option::Top, "top", "T", "[--top T]", "nur die ersten T Plätze"},
    {Option::Order, "nach", "KENNZAHL", "[--nach KENNZAHL]",
     "die Rangfolge: summe (Vorgabe), spektral, zaremba,\nverhaeltnis, teilnenner oder guete"},
    {Option::From, "von", "K1", "[--von K1]", "nur Multiplikatoren ab K1"},
    {Option::To, "bis", "K2", "[--bis K2]", "nur Multiplikatoren bis K2"},
    {Option::Shard, "teil", "I/P", "[--teil I/P]",
     "nur der I-te von P gleichen Teilen der Kandidaten,\nzum Verteilen auf mehrere Rechner"},
    {Option::Standing, "rang", nullptr, "[--rang]",
     "dazu je Kennzahl der Rang unter allen Multiplikatoren\n"
     "von N und ihr bester Wert (N ≤ 2^32)"},
    {Option::Dimensions, "dimensionen", "T", "[--dimensionen T]",
     "der Spektraltest in 2 bis T Dimensionen, T von 2\nbis 8 (Vorgabe 8)"},
    {Option::Generator, "generator", "ART", "[--generator mcg|lcg]",
     "nur die Multiplikatoren der längsten Periode: mcg für\nx → k·x mod N, lcg für x → k·x + c mod N"},
    {Option::Step, "schritt", "I", "[--schritt I]", "nur der Schritt I"},
    {Option::Format, "format", "F", "[--format text|csv|json]", "text (Vorgabe), csv oder json"},
    {Option::Spokes, "speichen", nullptr, "[--speichen]", "Speichen statt Stern"},
    {Option::Output, "ausgabe", "DATEI", "--ausgabe DATEI", "die Bilddatei: .png, .svg oder .pdf"},
    {Option::Scale, "skala", "S", "[--skala 1|2|4]",
     "ein PNG 1-, 2- oder 4-mal so groß wie am Bildschirm\n(Vorgabe 4)"},
};

const Command *const commands[] = {&analyseCommand,    &ranglisteCommand, &summeCommand,
                                   &kennzahlenCommand, &lueckenCommand,   &bildCommand,
                                   &zusammenfuehrenCommand};

} // namespace

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
    return std::find(options.begin(), options.end(), option) != options.end();
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
