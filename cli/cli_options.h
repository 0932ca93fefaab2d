#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plane_options.h"

inline constexpr const char* programName = "cuprena-cli";

// What one command line asks for.
struct CliOptions {
    PlaneOptions planes = dialogDefaults();
    std::string inputPath;
    std::optional<std::string> outputPath;  // none: the "_" name beside the input
    bool help = false;
    bool version = false;

    // The settings of a new dialog's first Run: the ground plane from the top
    // layer, the power plane off (its source the first internal layer).
    static PlaneOptions dialogDefaults() {
        PlaneOptions options;
        options.buildGround = 1;
        return options;
    }
};

struct ParsedCommandLine {
    CliOptions options;
    std::string error;  // empty when the command line is usable
    bool ok() const { return error.empty(); }
};

// Parses the arguments behind the program name. "--name value" and
// "--name=value" both work, "-o FILE" and "-oFILE" too, and "--" ends the
// options. --help and --version win over everything behind them.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The text of --help: every option with its default and range.
std::string helpText();
