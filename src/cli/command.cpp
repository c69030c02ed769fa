#include "cli/command.h"

#include <algorithm>

namespace cli {

namespace {

// The `--nach` keys in the catalogue's order and the call's language, three
// to a line: "summe (Vorgabe), spektral, zaremba,\nverhaeltnis, …".
std::vector<std::string> rankingKeys()
{
    const std::span<const numbers::Criterion> criteria = numbers::rankingCriteria;
    std::string keys;
    for (size_t i = 0; i < criteria.size(); ++i) {
        const numbers::FigureEntry &entry = numbers::entryOf(criteria[i]);
        const std::string key = Name{entry.sortKey, entry.englishKey}.shown();
        if (i == 0)
            keys = say(translate("cli", "%1 (Vorgabe)"), {key});
        else if (i + 1 == criteria.size())
            keys = say(translate("cli", "%1 oder %2"), {keys, key});
        else
            keys += (i % 3 == 0 ? ",\n" : ", ") + key;
    }
    return {keys};
}

std::vector<std::string> dimensionLimits()
{
    return {std::to_string(numbers::minDimension), std::to_string(numbers::maxDimension),
            std::to_string(numbers::defaultDimensions)};
}

const OptionDescription options[] = {
    {.option = Option::Top, .name = {"top"}, .value = {"T"},
     .help = QT_TRANSLATE_NOOP("cli", "nur die ersten T Plätze")},
    {.option = Option::Order, .name = {"nach", "by"}, .value = {"KENNZAHL", "FIGURE"},
     .help = QT_TRANSLATE_NOOP("cli", "die Rangfolge: %1"), .helpValues = rankingKeys},
    {.option = Option::From, .name = {"von", "from"}, .value = {"K1"},
     .help = QT_TRANSLATE_NOOP("cli", "nur Multiplikatoren ab K1")},
    {.option = Option::To, .name = {"bis", "to"}, .value = {"K2"},
     .help = QT_TRANSLATE_NOOP("cli", "nur Multiplikatoren bis K2")},
    {.option = Option::Shard, .name = {"teil", "part"}, .value = {"I/P"},
     .help = QT_TRANSLATE_NOOP("cli", "nur der I-te von P gleichen Teilen der Kandidaten,\n"
                                      "zum Verteilen auf mehrere Rechner")},
    {.option = Option::Standing, .name = {"rang", "rank"},
     .help = QT_TRANSLATE_NOOP("cli", "dazu je Kennzahl der Rang unter allen Multiplikatoren\n"
                                      "von N und ihr bester Wert (N ≤ 2^32)")},
    {.option = Option::Dimensions, .name = {"dimensionen", "dimensions"}, .value = {"T"},
     .help = QT_TRANSLATE_NOOP("cli", "der Spektraltest in %1 bis T Dimensionen, T von %1\n"
                                      "bis %2 (Vorgabe %3)"),
     .helpValues = dimensionLimits},
    {.option = Option::Generator, .name = {"generator"}, .value = {"ART", "KIND"},
     .choices = "mcg|lcg",
     .help = QT_TRANSLATE_NOOP("cli", "nur die Multiplikatoren der längsten Periode: mcg für\n"
                                      "x → k·x mod N, lcg für x → k·x + c mod N; ein MCG\n"
                                      "von N = 2^e auf dem Gitter seiner Bahn modulo N/4")},
    {.option = Option::Lag, .name = {"versatz", "lag"}, .value = {"L"},
     .help = QT_TRANSLATE_NOOP("cli", "jede Kennzahl des Spektraltests für den Generator,\n"
                                      "der nur jeden L-ten Wert zeigt")},
    {.option = Option::Step, .name = {"schritt", "step"}, .value = {"I"},
     .help = QT_TRANSLATE_NOOP("cli", "nur der Schritt I")},
    {.option = Option::Format, .name = {"format"}, .value = {"F"}, .choices = "text|csv|json",
     .help = QT_TRANSLATE_NOOP("cli", "text (Vorgabe), csv oder json")},
    {.option = Option::Spokes, .name = {"speichen", "spokes"},
     .help = QT_TRANSLATE_NOOP("cli", "Speichen statt Stern")},
    {.option = Option::Output, .name = {"ausgabe", "output"}, .value = {"DATEI", "FILE"},
     .required = true, .help = QT_TRANSLATE_NOOP("cli", "die Bilddatei: .png, .svg oder .pdf")},
    {.option = Option::Scale, .name = {"skala", "scale"}, .value = {"S"}, .choices = "1|2|4",
     .help = QT_TRANSLATE_NOOP("cli", "ein PNG 1-, 2- oder 4-mal so groß wie am Bildschirm\n"
                                      "(Vorgabe 4)")},
    {.option = Option::Animation, .name = {"animation"}, .value = {"DATEI", "FILE"}, .draws = true,
     .help = QT_TRANSLATE_NOOP("cli", "jeder Schritt als Bild einer Animation, eine GIF-Datei")},
    {.option = Option::Sunflower, .name = {"sonnenblume", "sunflower"},
     .help = QT_TRANSLATE_NOOP("cli", "die Animation als Sonnenblume statt als Kreis")},
    {.option = Option::Golden, .name = {"golden"},
     .help = QT_TRANSLATE_NOOP("cli", "die Animation mit dem goldenen Winkel selbst: N Punkte,\n"
                                      "K gilt nicht")},
    {.option = Option::Language, .name = {"sprache", "lang"}, .value = {"SPRACHE", "LANGUAGE"},
     .choices = "de|en",
     .help = QT_TRANSLATE_NOOP("cli", "die Sprache dieses Aufrufs: de (Deutsch) oder en\n"
                                      "(Englisch)")},
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

namespace {

std::string optionNamed(const Name &name)
{
    return std::string("--") + name.shown();
}

} // namespace

const char *Name::shown() const
{
    return language::current() == language::Language::English ? inEnglish() : german;
}

std::string OptionDescription::written() const
{
    return optionNamed(name) + (value.german ? std::string(" ") + value.shown() : "");
}

std::string OptionDescription::usage() const
{
    const std::string text = choices ? optionNamed(name) + ' ' + choices : written();
    return required ? text : '[' + text + ']';
}

std::string OptionDescription::helpText() const
{
    return say(translate("cli", help), helpValues ? helpValues() : std::vector<std::string>{});
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

std::string optionName(Option option)
{
    return optionNamed(descriptionOf(option).name);
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
    std::string text = std::string("zyklar ") + name.shown() + ' ' + arguments.shown();
    for (Option option : options)
        text += ' ' + descriptionOf(option).usage();
    return text;
}

std::optional<std::string> Invocation::value(Option option) const
{
    const auto found = options.find(option);
    return found == options.end() ? std::nullopt : std::optional(found->second);
}

} // namespace cli
