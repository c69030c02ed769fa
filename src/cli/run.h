#pragma once

#include <cstdio>

// Zyklar on the command line: `zyklar analyse|rangliste|summe|bild …`.
// Works without a window and without a display. Results go to standard
// output, everything else to standard error.
namespace cli {

// Exit statuses, as grep and diff use them.
inline constexpr int exitOk = 0;
inline constexpr int exitFailure = 1; // understood, but a file or the output could not be written
inline constexpr int exitUsage = 2;

// Runs the command that argv names; argv[0] is the program. A command that
// draws text needs a QGuiApplication made before.
int run(int argc, char *argv[], std::FILE *out = stdout, std::FILE *err = stderr);

// Whether the command that argv names will draw text, so the caller makes a
// QGuiApplication first.
bool needsGuiApplication(int argc, char *argv[]);

} // namespace cli
