#include "cli/run.h"

#include "cli/arguments.h"
#include "cli/command.h"
#include "numbers/catalogue.h"
#include "numbers/period.h"
#include "search/temporaryfile.h"
#include "drawing/savefile.h"

#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <system_error>

namespace cli {

namespace {

// Every name of an option, German and English, as the parser takes them.
QStringList namesOf(const OptionDescription &described)
{
    QStringList names{QLatin1String(described.name.german)};
    if (described.name.english)
        names << QLatin1String(described.name.english);
    return names;
}

std::string padded(std::string text, size_t width)
{
    return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}

// An option as the help lists it: its name and value, then its help, the
// continued lines under the first; `width` is the column of the help.
std::string optionLines(const OptionDescription &described, size_t width,
                        const std::string &more = {})
{
    std::string lines = described.helpText() + more;
    const std::string indent(width + 2, ' ');
    for (size_t at = 0; (at = lines.find('\n', at)) != std::string::npos; at += indent.size() + 1)
        lines.insert(at + 1, indent);
    return "  " + padded(described.written(), width) + lines + '\n';
}

// The commands an option goes with, as the overview names them.
std::string commandsTaking(Option option)
{
    if (option == Option::Language)
        return say(translate("cli", "bei jedem Befehl"));
    std::string names;
    for (const Command *command : everyCommand()) {
        if (command->takes(option))
            names += (names.empty() ? "" : ", ") + std::string(command->name.shown());
    }
    return say(translate("cli", "bei %1"), {names});
}

std::string commandLines()
{
    TextTable table({{"", true}, {"", true}});
    std::vector<std::vector<std::string>> rows;
    for (const Command *command : everyCommand())
        rows.push_back({command->name.shown() + std::string(" ") + command->arguments.shown(),
                        say(translate("cli", command->summary))});
    for (const auto &row : rows)
        table.measure(row);
    std::string text;
    for (const auto &row : rows)
        text += "  " + table.line(row);
    return text;
}

// The names of the other language, which are understood as well:
// "Auch auf Englisch: analyze, rank, …; --nach sum, spectral, …"
std::string otherNames()
{
    const bool english = language::current() == language::Language::English;
    const auto other = [english](const Name &name) {
        return english ? name.german : name.inEnglish();
    };
    std::string commands, keys;
    for (const Command *command : everyCommand())
        commands += std::string(command == everyCommand().front() ? "" : ", ")
                + other(command->name);
    for (numbers::Criterion criterion : numbers::rankingCriteria) {
        const numbers::FigureEntry &entry = numbers::entryOf(criterion);
        keys += std::string(criterion == numbers::rankingCriteria[0] ? "" : ", ")
                + other({entry.sortKey, entry.englishKey});
    }
    return say(translate("cli", "\nAuch auf Englisch: %1;\n  %2 %3\n\n"),
               {commands, optionName(Option::Order), keys});
}

// Every option with its help and the commands it goes with.
std::string optionOverview()
{
    size_t width = 0;
    for (const OptionDescription &described : everyOption())
        width = std::max(width, described.written().size() + 2);
    std::string text = say(translate("cli", "Optionen:\n"));
    for (const OptionDescription &described : everyOption())
        text += optionLines(described, width,
                            std::string(1, '\n').append(commandsTaking(described.option)));
    text += "  " + padded("-h, --help", width)
            + say(translate("cli", "diese Hilfe; nach einem Befehl dessen Hilfe")) + '\n';
    text += "  " + padded("--version", width) + say(translate("cli", "die Version")) + '\n';
    return text;
}

std::string overview()
{
    return say(translate("cli", "Aufruf: zyklar [BEFEHL ARGUMENTE… [OPTIONEN]]\n"
                                "Ohne Argumente öffnet zyklar sein Fenster.\n\n"
                                "Befehle:\n"))
            + commandLines() + otherNames() + optionOverview()
            + say(translate("cli", "\nK ≥ N wird modulo N genommen; ein gemeinsamer Teiler von N "
                                   "und K wird\nherausgekürzt. Zahlen sind ganz und ohne "
                                   "Vorzeichen: dezimal,\nhexadezimal (0x9E3779B97F4A7C15) oder "
                                   "als 2^e, 2^e-c, 2^e+c (2^31-1).\n"));
}

std::string helpOf(const Command &command)
{
    std::string help = say(translate("cli", command.help), command.helpValues);
    const size_t range = help.find("{N}");
    if (range != std::string::npos)
        help.replace(range, 3, "2 ≤ N ≤ " + limitText(command.maxN));
    std::string text
            = say(translate("cli", "Aufruf: %1"), {command.usage()}) + "\n\n" + help + '\n';
    for (Option option : command.options)
        text += optionLines(descriptionOf(option), 17);
    return text;
}

Format formatNamed(const std::string &name)
{
    if (name == "text")
        return Format::Text;
    if (name == "csv")
        return Format::Csv;
    if (name == "json")
        return Format::Json;
    throw UsageError{say(translate("cli", "unbekanntes Format %1; möglich sind text, csv und json"),
                         {quoted(name)})};
}

// The arguments as the parser reads them, before any number is.
struct Parsed {
    const Command *command = nullptr;
    std::vector<std::string> arguments;
    std::map<Option, std::string> options;
    bool help = false;
    bool version = false;
};

// A number with a sign would otherwise read as an unknown option.
void refuseSignedNumbers(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument.size() > 1 && (argument[0] == u'-' || argument[0] == u'+')
            && argument[1].isDigit())
            throw UsageError{say(translate("cli", "%1 ist keine ganze Dezimalzahl: Zahlen haben "
                                                  "kein Vorzeichen"),
                                 {quoted(argument.toStdString())})};
    }
}

// An option that takes a value, with none after it: at the end, or before
// another option (which the parser would take as its value).
void refuseMissingValues(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        for (const OptionDescription &described : everyOption()) {
            if (described.value.german && namesOf(described).contains(arguments[i].mid(2))
                && arguments[i].startsWith(QLatin1String("--"))
                && (i + 1 == arguments.size() || arguments[i + 1].startsWith(u'-')))
                throw UsageError{say(translate("cli", "%1 braucht einen Wert: %1 %2"),
                                     {optionName(described.option), described.value.shown()})};
        }
    }
}

// The language of this call: --sprache's, the last one given, or the
// locale's. Chosen before anything else is told, so a mistake in the
// arguments is told in it too.
void chooseLanguage(const QCommandLineParser &parser)
{
    language::use(language::ofLocale());
    for (const QString &code : parser.values(QLatin1String(descriptionOf(Option::Language).name.german))) {
        const std::optional<language::Language> chosen = language::named(code);
        if (!chosen)
            throw UsageError{say(translate("cli", "%1 muss de oder en sein, nicht %2"),
                                 {optionName(Option::Language), quoted(code.toStdString())})};
        language::use(*chosen);
    }
}

UsageError notUnderstood(const QCommandLineParser &parser)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().first();
        return {say(translate("cli", "unbekannte Option %1; die Optionen zeigt „zyklar --help“"),
                    {quoted((name.size() == 1 ? "-" : "--") + name.toStdString())})};
    }
    return {say(translate("cli", "einer Option fehlt ihr Wert, etwa --format F oder --top T"))};
}

const Command *commandNamed(const QString &name)
{
    for (const Command *command : everyCommand()) {
        if (name == QLatin1String(command->name.german)
            || name == QLatin1String(command->name.inEnglish()))
            return command;
    }
    throw UsageError{say(translate("cli", "unbekannter Befehl %1; die Befehle zeigt "
                                          "„zyklar --help“"),
                         {quoted(name.toStdString())})};
}

// Reads the arguments once: the language first, then everything else.
Parsed parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({help, version});
    for (const OptionDescription &described : everyOption())
        parser.addOption(QCommandLineOption(
                namesOf(described), {},
                described.value.german ? QLatin1String(described.value.german) : QString()));
    const bool understood = parser.parse(arguments);
    chooseLanguage(parser);
    refuseSignedNumbers(arguments);
    refuseMissingValues(arguments);
    if (!understood)
        throw notUnderstood(parser);

    Parsed parsed;
    parsed.help = parser.isSet(help);
    parsed.version = parser.isSet(version);
    QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty())
        parsed.command = commandNamed(positional.takeFirst());
    for (const QString &argument : positional)
        parsed.arguments.push_back(argument.toStdString());
    for (const OptionDescription &described : everyOption()) {
        const QString name = QLatin1String(described.name.german);
        if (parser.isSet(name))
            parsed.options[described.option] = parser.value(name).toLocal8Bit().toStdString();
    }
    return parsed;
}

int runParsed(const Parsed &parsed, std::FILE *out, std::FILE *err)
{
    if (parsed.help || parsed.version) {
        Output output(out);
        output << (parsed.version ? std::string("zyklar " ZYKLAR_VERSION "\n")
                   : parsed.command ? helpOf(*parsed.command)
                                    : overview());
        if (!output.finish())
            throw Failure{say(translate("cli", "die Hilfe ließ sich nicht vollständig schreiben"))};
        return exitOk;
    }
    if (!parsed.command)
        throw UsageError{
                say(translate("cli", "kein Befehl angegeben; die Befehle zeigt „zyklar --help“"))};

    const Command &command = *parsed.command;
    if (int(parsed.arguments.size()) < command.argumentCount)
        throw UsageError{
                say(translate("cli", "zu wenige Argumente; Aufruf: %1"), {command.usage()})};
    if (int(parsed.arguments.size()) > command.argumentCount && !command.moreArguments)
        throw UsageError{
                say(translate("cli", "zu viele Argumente; Aufruf: %1"), {command.usage()})};
    for (const auto &[option, value] : parsed.options) {
        if (!command.takes(option))
            throw UsageError{say(translate("cli", "%1 gilt nicht für %2; Aufruf: %3"),
                                 {optionName(option), command.name.shown(), command.usage()})};
    }

    Output output(out);
    Invocation call{command, parsed.arguments, parsed.options, Format::Text, output, err};
    if (const auto format = call.value(Option::Format))
        call.format = formatNamed(*format);
    try {
        command.run(call);
    } catch (const Failure &) {
        output.finish(); // what was complete before the failure
        throw;
    } catch (const numbers::TooHardToFactor &) {
        // Only the period filters of --generator factor N.
        output.finish();
        throw UsageError{say(translate("cli", "%1 braucht die Primfaktoren von N = %2, doch zwei "
                                              "davon sind zu groß, um sie in vertretbarer Zeit "
                                              "zu finden"),
                             {optionName(Option::Generator), call.arguments[0]})};
    } catch (const std::system_error &error) {
        // Temporary files of a large ranking.
        output.finish();
        throw Failure{say(translate("cli", "Zwischendateien in %1 ließen sich nicht schreiben: %2"),
                          {quoted(search::TemporaryFile::folder()),
                           drawing::reasonFor(error.code().value()).toStdString()})};
    }
    if (!output.finish())
        throw Failure{
                say(translate("cli", "die Ergebnisse ließen sich nicht vollständig schreiben"))};
    return exitOk;
}

QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int run(int argc, char *argv[], std::FILE *out, std::FILE *err)
{
    try {
        return runParsed(parse(argumentList(argc, argv)), out, err);
    } catch (const UsageError &error) {
        std::fprintf(err, "zyklar: %s\n", error.message.c_str());
        return exitUsage;
    } catch (const Failure &failure) {
        std::fprintf(err, "zyklar: %s\n", failure.message.c_str());
        return exitFailure;
    }
}

bool needsGuiApplication(int argc, char *argv[])
{
    try {
        const Parsed parsed = parse(argumentList(argc, argv));
        if (!parsed.command || parsed.help || parsed.version)
            return false;
        return parsed.command->needsGui
                || std::any_of(parsed.options.begin(), parsed.options.end(),
                               [](const auto &given) { return descriptionOf(given.first).draws; });
    } catch (const UsageError &) {
        return false;
    }
}

} // namespace cli
