#pragma once

#include <cstdio>

// Zyklar on the command line: `zyklar analyse|rangliste|summe …`. Works
// without a window and without a display: it needs no Qt application
// object at all. Results go to standard output, everything else to
// standard error.
namespace cli {

// Exit statuses, as grep and diff use them.
inline constexpr int exitOk = 0;
inline constexpr int exitFailure = 1; // writing the results failed
inline constexpr int exitUsage = 2;

// Runs the command that argv names; argv[0] is the program.
int run(int argc, char *argv[], std::FILE *out = stdout, std::FILE *err = stderr);

} // namespace cli
