#pragma once

#include <iosfwd>

#include "cli_options.h"

// Exit statuses of cuprena-cli.
inline constexpr int exitDone = 0;
inline constexpr int exitFileError = 1;
inline constexpr int exitUsageError = 2;

// Converts one design as the dialog's Run does: holds the input without
// sharing after checking its first line, creates the output, runs the pass
// and closes the output. Every message, warnings for damaged records
// included, goes to `messages` as "cuprena-cli: FILE: MESSAGE". Returns
// exitDone or exitFileError.
int runConversion(const CliOptions& options, std::ostream& messages);
