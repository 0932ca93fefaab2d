#pragma once

#include <exception>
#include <string>

// The general error report: a message box with the stop icon and the
// application's title that says what failed. For a file error that is the
// file, the cause in words and the cause code. `consequence`, when given,
// ends the text as a paragraph of its own ("The output file ... is
// incomplete.").
void reportError(const std::exception& error, const std::string& consequence = {});

// The text of that report.
std::string errorReportText(const std::exception& error, const std::string& consequence = {});
