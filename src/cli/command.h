#pragma once

#include "cli/format.h"

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
    Scale
};

// An option as the parser, the usage line and the help know it.
struct OptionDescription {
    Option option;
    const char *name;  // after the two dashes
    const char *value; // its placeholder; nullptr for a flag
    const char *usage; // in the usage line: "[--top T]"
    const char *help;  // the help's line, continued lines indented
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
    const char *summary;   // its line in the overview
    std::string help;      // its paragraph; "{N}" stands for the range of N
    void (*run)(const Invocation &call);
    const char *englishName; // the same command for those who read English: "rank"

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
