#pragma once

#include "cli/format.h"
#include "language/language.h"

#include <cstdio>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

// How a command of the command line is described, once: the parser, the
// usage line, the help, the limits of N and the error messages all read
// this description.
namespace cli {

using language::translate;

// A message in the command line's language: the translated text with %1,
// %2 … filled in, in one pass, so nothing filled in is read for more:
//   say(translate("cli", "unbekanntes Format %1"), {quoted(name)})
std::string say(const QString &message, const std::vector<std::string> &arguments = {});

// A mistake in the arguments: one line on standard error, exit status 2,
// nothing on standard output.
struct UsageError {
    std::string message;
};

// The work was understood but could not be done (a file that cannot be
// written): one line on standard error, exit status 1.
struct Failure {
    std::string message;
};

enum class Option {
    Top, Order, From, To, Shard, Standing, Dimensions, Generator, Lag, Step, Format, Spokes, Output,
    Scale, Animation, Sunflower, Golden,
    Language // every command's, and --help's
};

// A name of the command line, German beside its English twin; the English
// one is the German where there is none. Both are understood; the help and
// the messages use the one of the call's language.
struct Name {
    const char *german;
    const char *english = nullptr;

    const char *inEnglish() const { return english ? english : german; }
    // In the language of the call.
    const char *shown() const;
};

// An option as the parser, the usage line and the help know it.
struct OptionDescription {
    Option option;
    Name name;                    // after the two dashes: {"nach", "by"}
    Name value = {};              // its placeholder: {"KENNZAHL", "FIGURE"}; none for a flag
    const char *choices = nullptr; // the usage line names the values instead: "mcg|lcg"
    bool required = false;         // the usage line shows it without brackets
    bool draws = false;            // draws text, so main() makes a GUI application first
    const char *help = nullptr;   // the help's line, continued lines indented (translated)
    // What %1, %2 … of the help stand for, where the help names facts that
    // live elsewhere (the `--nach` keys, the largest dimension).
    std::vector<std::string> (*helpValues)() = nullptr;

    // "--nach KENNZAHL", as the help lists it, in the call's language.
    std::string written() const;
    // "[--nach KENNZAHL]", "[--format text|csv|json]", "--ausgabe DATEI".
    std::string usage() const;
    // The help in the call's language, its values filled in.
    std::string helpText() const;
};
const OptionDescription &descriptionOf(Option option);
std::span<const OptionDescription> everyOption();
// "--nach" or "--by", as the call's language names the option.
std::string optionName(Option option);

struct Invocation;

struct Command {
    Name name;                  // {"rangliste", "rank"}
    Name arguments;             // as the usage line names them: {"N DATEI [DATEI …]", …}
    int argumentCount = 0;      // at least; with moreArguments the last may repeat
    bool moreArguments = false;
    numbers::U256 maxN = 0;     // 2 ≤ N ≤ maxN
    std::vector<Option> options;
    bool needsGui = false;      // draws text, so main() makes a GUI application first
    const char *summary = nullptr; // its line in the overview (translated)
    // Its paragraph (translated); "{N}" stands for the range of N, %1, %2 …
    // for the helpValues.
    const char *help = nullptr;
    void (*run)(const Invocation &call) = nullptr;
    std::vector<std::string> helpValues = {};

    // Whether the command takes the option; --sprache every command takes.
    bool takes(Option option) const;
    // "zyklar rangliste N [--top T] …", in the call's language.
    std::string usage() const;
};

// A command as it was called: its arguments after the command's name, and
// the options given, with their values (empty for a flag).
struct Invocation {
    const Command &command;
    std::vector<std::string> arguments;
    std::map<Option, std::string> options;
    Format format = Format::Text;
    Output &out;
    std::FILE *err;

    bool isSet(Option option) const { return options.count(option) != 0; }
    std::optional<std::string> value(Option option) const;
};

// The commands, in the order the overview lists them.
extern const Command analyseCommand, ranglisteCommand, summeCommand, kennzahlenCommand,
        lueckenCommand, bildCommand, zusammenfuehrenCommand;
std::span<const Command *const> everyCommand();

} // namespace cli
