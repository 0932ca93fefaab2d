#include <iostream>
#include <string>
#include <vector>

#include "cli_options.h"
#include "conversion.h"

int main(int argc, char** argv) {
    const ParsedCommandLine parsed =
        parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.ok()) {
        std::cerr << programName << ": " << parsed.error << '\n'
                  << "Try '" << programName << " --help' for more information.\n";
        return exitUsageError;
    }
    if (parsed.options.help) {
        std::cout << helpText();
        return exitDone;
    }
    if (parsed.options.version) {
        std::cout << programName << ' ' << CUPRENA_VERSION << '\n';
        return exitDone;
    }
    return runConversion(parsed.options, std::cerr);
}
