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
    Top, Order, From, To, Shard, Standing, Dimensions, Generator, Step, Format, Spokes, Output,
    Scale,
    Language // every command's, and --help's
};

// An option as the parser, the usage line and the help know it. The name
// and the usage line stay German in both languages, so a command reads the
// same everywhere; the help is translated.
struct OptionDescription {
    Option option;
    const char *name;  // after the two dashes
    const char *value; // its placeholder; nullptr for a flag
    const char *usage; // in the usage line: "[--top T]"
    const char *help;  // the help's line, continued lines indented (translated)
};
const OptionDescription &descriptionOf(Option option);
std::span<const OptionDescription> everyOption();

struct Invocation;

struct Command {
    const char *name;
    const char *arguments; // as the usage line names them: "N K", "N K [K …]"
    int argumentCount;     // at least; with moreArguments the last may repeat
    bool moreArguments;
    numbers::Wide maxN;    // 2 ≤ N ≤ maxN
    std::vector<Option> options;
    bool needsGui;         // draws text, so main() makes a GUI application first
    const char *summary;   // its line in the overview (translated)
    // Its paragraph (translated); "{N}" stands for the range of N, %1, %2 …
    // for the helpValues.
    const char *help;
    void (*run)(const Invocation &call);
    const char *englishName; // the same command for those who read English: "rank"
    std::vector<std::string> helpValues = {};

    // Whether the command takes the option; --sprache every command takes.
    bool takes(Option option) const;
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
