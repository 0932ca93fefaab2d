#include "pass_harness.h"

#include "stdio_file.h"

PassResult runPass(std::string_view inputBytes, const PlaneOptions& options) {
    ScratchFolder folder;
    const auto inputPath = folder.write("in.pcb", inputBytes);
    const auto outputPath = folder.at("out.pcb");
    PassResult result;
    CStdioFile input;
    CStdioFile output;
    input.open(inputPath, CStdioFile::Mode::read);
    output.open(outputPath, CStdioFile::Mode::write);
    BuildPlanes(input, output, options,
                [&](const DamagedRecord& record) { result.damaged.push_back(record); });
    output.close();
    input.close();
    result.output = bytesOf(outputPath);
    return result;
}

PlaneOptions copyOnly() {
    return PlaneOptions{};
}
