#pragma once

#include <string>
#include <vector>

// What one run of the real cuprena-cli binary did.
struct CliRun {
    int status = -1;  // the exit status; 128 + the signal when it was killed
    std::string out;  // standard output
    std::string err;  // standard error
};

// Runs cuprena-cli with the arguments, in `workingFolder` when one is given.
CliRun runCli(const std::vector<std::string>& arguments, const std::string& workingFolder = {});
