#include <gtest/gtest.h>

#include <string>

#include "run_cli.h"
#include "scratch_folder.h"

namespace {

const std::string incompleteOnDevFull =
    "cuprena-cli: /dev/full: Error during the run: disk full.  Code: 13.  "
    "The output file /dev/full is incomplete.\n";

// A small output fails when it is written out on closing, a large one in the
// middle of the pass; both are reported the same way and exit 1.
TEST(DiskFull, IsReportedAsAnIncompleteOutputAndExitsOne) {
    ScratchFolder folder;
    std::string large = "PCB FILE 4\r\n";
    while (large.size() < 2'000'000) {
        large += "FT\r\n100 200 900 200 20 1 0\r\n";
    }
    large += "ENDPCB\r\n";
    const struct {
        const char* name;
        std::string bytes;
    } inputs[] = {{"small.pcb", std::string(smallDesign)}, {"large.pcb", large}};

    for (const auto& input : inputs) {
        SCOPED_TRACE(input.name);
        const std::string path = folder.write(input.name, input.bytes);

        const CliRun run = runCli({"-o", "/dev/full", path});

        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, incompleteOnDevFull);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(bytesOf(path), input.bytes);
    }
}

}  // namespace
