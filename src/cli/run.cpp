#include "cli/run.h"

#include "cli/arguments.h"
#include "cli/command.h"
#include "numbers/catalogue.h"
#include "search/temporaryfile.h"
#include "drawing/savefile.h"

#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <system_error>

namespace cli {

namespace {

const char overviewOptions[] = QT_TRANSLATE_NOOP(
        "cli",
        "Optionen:\n"
        "  --format F      text (Vorgabe), csv oder json\n"
        "  --top T, --nach KENNZAHL, --von K1, --bis K2\n"
        "                  bei rangliste: nur die ersten T Plätze, die Rangfolge,\n"
        "                  nur die Multiplikatoren von K1 bis K2\n"
        "  --rang          bei kennzahlen: je Kennzahl Rang und bester Wert\n"
        "  --dimensionen T bei kennzahlen und rangliste: der Spektraltest in 2 bis T\n"
        "                  Dimensionen\n"
        "  --generator ART bei rangliste: nur die Multiplikatoren der längsten Periode\n"
        "  --teil I/P      bei rangliste: nur der I-te von P gleichen Teilen\n"
        "  --schritt I     bei luecken: nur der Schritt I\n"
        "  --speichen, --ausgabe DATEI, --skala S\n"
        "                  bei bild: Speichen statt Stern, die Datei, ihre Größe\n"
        "  --sprache S     de (Deutsch) oder en (Englisch) statt der Sprache der\n"
        "                  Umgebung\n"
        "  -h, --help      diese Hilfe; nach einem Befehl dessen Hilfe\n"
        "  --version       die Version\n"
        "\n"
        "K ≥ N wird modulo N genommen; ein gemeinsamer Teiler von N und K wird\n"
        "herausgekürzt. Zahlen sind ganz und ohne Vorzeichen: dezimal,\n"
        "hexadezimal (0x9E3779B97F4A7C15) oder als 2^e, 2^e-c, 2^e+c (2^31-1).\n");

std::string overview()
{
    std::string text = say(translate("cli", "Aufruf: zyklar [BEFEHL ARGUMENTE… [OPTIONEN]]\n"
                                            "Ohne Argumente öffnet zyklar sein Fenster.\n\n"
                                            "Befehle:\n"));
    TextTable table({{"", true}, {"", true}});
    std::vector<std::vector<std::string>> rows;
    for (const Command *command : everyCommand())
        rows.push_back({command->name.shown() + std::string(" ") + command->arguments.shown(),
                        say(translate("cli", command->summary))});
    for (const auto &row : rows)
        table.measure(row);
    for (const auto &row : rows)
        text += "  " + table.line(row);
    // The names of the other language, which are understood as well:
    // "Auch auf Englisch: analyze, rank, …; --nach sum, spectral, …"
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
    text += say(translate("cli", "\nAuch auf Englisch: %1;\n  %2 %3\n\n"),
                {commands, optionName(Option::Order), keys});
    return text + say(translate("cli", overviewOptions));
}

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

std::string helpOf(const Command &command)
{
    std::string help = say(translate("cli", command.help), command.helpValues);
    const size_t range = help.find("{N}");
    if (range != std::string::npos)
        help.replace(range, 3, "2 ≤ N ≤ " + limitText(command.maxN));
    std::string text
            = say(translate("cli", "Aufruf: %1"), {command.usage()}) + "\n\n" + help + '\n';
    for (Option option : command.options) {
        const OptionDescription &described = descriptionOf(option);
        const std::string line = described.written();
        std::string lines = say(translate("cli", described.help));
        for (size_t at = 0; (at = lines.find('\n', at)) != std::string::npos; at += 20)
            lines.insert(at + 1, std::string(19, ' '));
        text += "  " + padded(line, 17) + lines + '\n';
    }
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

Parsed parse(const QStringList &arguments)
{
    // A number with a sign would otherwise read as an unknown option.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument.size() > 1 && (argument[0] == u'-' || argument[0] == u'+')
            && argument[1].isDigit())
            throw UsageError{say(translate("cli", "%1 ist keine ganze Dezimalzahl: Zahlen haben "
                                                  "kein Vorzeichen"),
                                 {quoted(argument.toStdString())})};
    }

    // An option that takes a value, with none after it: at the end, or
    // before another option (which the parser would take as its value).
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        for (const OptionDescription &described : everyOption()) {
            if (described.value.german && namesOf(described).contains(arguments[i].mid(2))
                && arguments[i].startsWith(QLatin1String("--"))
                && (i + 1 == arguments.size() || arguments[i + 1].startsWith(u'-')))
                throw UsageError{say(translate("cli", "%1 braucht einen Wert: %1 %2"),
                                     {optionName(described.option), described.value.shown()})};
        }
    }

    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({help, version});
    for (const OptionDescription &described : everyOption())
        parser.addOption(QCommandLineOption(
                namesOf(described), {},
                described.value.german ? QLatin1String(described.value.german) : QString()));
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().first();
            throw UsageError{say(translate("cli", "unbekannte Option %1; die Optionen zeigt "
                                                  "„zyklar --help“"),
                                 {quoted((name.size() == 1 ? "-" : "--") + name.toStdString())})};
        }
        throw UsageError{
                say(translate("cli", "einer Option fehlt ihr Wert, etwa --format F oder --top T"))};
    }

    Parsed parsed;
    parsed.help = parser.isSet(help);
    parsed.version = parser.isSet(version);
    QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty()) {
        const QString name = positional.takeFirst();
        const auto named = std::find_if(everyCommand().begin(), everyCommand().end(),
                                        [&](const Command *c) {
                                            return name == QLatin1String(c->name.german)
                                                    || name == QLatin1String(c->name.inEnglish());
                                        });
        if (named == everyCommand().end())
            throw UsageError{say(translate("cli", "unbekannter Befehl %1; die Befehle zeigt "
                                                  "„zyklar --help“"),
                                 {quoted(name.toStdString())})};
        parsed.command = *named;
    }
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

// The language of this call: --sprache's, or the locale's. Chosen before
// anything else is read, so a mistake in the arguments is told in it too.
void chooseLanguage(const QStringList &arguments)
{
    language::use(language::ofLocale());
    const QStringList names = namesOf(descriptionOf(Option::Language));
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!argument.startsWith(QLatin1String("--")))
            continue;
        const qsizetype equals = argument.indexOf(u'=');
        QString code;
        if (equals < 0 && names.contains(argument.mid(2)) && i + 1 < arguments.size())
            code = arguments[i + 1];
        else if (equals > 0 && names.contains(argument.mid(2, equals - 2)))
            code = argument.mid(equals + 1);
        else
            continue;
        const std::optional<language::Language> chosen = language::named(code);
        if (!chosen)
            throw UsageError{say(translate("cli", "%1 muss de oder en sein, nicht %2"),
                                 {optionName(Option::Language), quoted(code.toStdString())})};
        language::use(*chosen);
    }
}

} // namespace

int run(int argc, char *argv[], std::FILE *out, std::FILE *err)
{
    try {
        const QStringList arguments = argumentList(argc, argv);
        chooseLanguage(arguments);
        return runParsed(parse(arguments), out, err);
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
        return parsed.command && parsed.command->needsGui && !parsed.help && !parsed.version;
    } catch (const UsageError &) {
        return false;
    }
}

} // namespace cli
