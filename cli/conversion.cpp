#include "conversion.h"

#include <ostream>

#include "build_planes.h"
#include "design_files.h"
#include "file_exception.h"
#include "stdio_file.h"

namespace {

void report(std::ostream& messages, const std::string& path, const std::string& message) {
    messages << programName << ": " << path << ": " << message << '\n';
}

}  // namespace

int runConversion(const CliOptions& options, std::ostream& messages) {
    DesignFileResult input = openInputDesign(options.inputPath);
    if (!input) {
        report(messages, options.inputPath, input.message);
        return exitFileError;
    }
    const std::string outputPath = options.outputPath.value_or(outputPathFor(options.inputPath));
    DesignFileResult output = openOutputDesign(outputPath);
    if (!output) {
        report(messages, outputPath, output.message);
        return exitFileError;
    }

    try {
        BuildPlanes(*input.file, *output.file, options.planes, [&](const DamagedRecord& record) {
            report(messages, options.inputPath, "warning: " + describeDamage(record));
        });
        CloseFile(output.file);
    } catch (const CFileException& e) {
        CloseFileQuietly(output.file);
        report(messages, e.fileName(),
               std::string("Error during the run: ") + causeDescription(e.cause()) +
                   ".  Code: " + std::to_string(e.cause()) + ".  The output file " + outputPath +
                   " is incomplete.");
        return exitFileError;
    }
    return exitDone;
}
