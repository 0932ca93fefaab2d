#include "error_report.h"

#include "file_exception.h"
#include "message_box.h"

std::string errorReportText(const std::exception& error, const std::string& consequence) {
    std::string text;
    if (const auto* fileError = dynamic_cast<const CFileException*>(&error)) {
        text = "A file error occurred.\n\nFile: " + fileError->fileName() +
               "\nCause: " + causeDescription(fileError->cause()) + " (code " +
               std::to_string(fileError->cause()) + ")";
    } else {
        text = std::string("An unexpected error occurred.\n\n") + error.what();
    }
    if (!consequence.empty()) {
        text += "\n\n" + consequence;
    }
    return text;
}

void reportError(const std::exception& error, const std::string& consequence) {
    messageBox(errorReportText(error, consequence), MessageButtons::ok, MessageIcon::stop);
}
