#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "design_files.h"
#include "run_cli.h"
#include "scratch_folder.h"
#include "stdio_file.h"

namespace fs = std::filesystem;

namespace {

std::string fileError(const std::string& path, const std::string& message) {
    return "cuprena-cli: " + path + ": " + message + "\n";
}

std::string reading(int cause) {
    return "Error opening file for reading.  Code: " + std::to_string(cause);
}

std::string writing(int cause) {
    return "Error opening file for writing.  Code: " + std::to_string(cause);
}

// A run that must fail on a file: exit 1, exactly this on standard error,
// nothing on standard output.
void expectFileError(const CliRun& run, const std::string& message) {
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, message);
    EXPECT_EQ(run.out, "");
}

TEST(Conversion, DefaultsBuildTheGroundPlaneFromTheTopLayerBesideTheInput) {
    ScratchFolder folder;
    const std::string input = folder.write("in.pcb", smallDesign);

    const CliRun run = runCli({input});

    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(bytesOf(folder.at("_n.pcb")),
              "PCB FILE 4\r\nFT\r\n100 200 900 200 20 1 0\r\n"
              "FT\r\n100 200 900 200 40 9 0\r\nENDPCB\r\n");
    EXPECT_EQ(bytesOf(input), smallDesign);
}

TEST(Conversion, InputWithoutFolderIsWrittenBesideItInTheWorkingFolder) {
    ScratchFolder folder;
    folder.write("board.pcb", smallDesign);

    const CliRun run = runCli({"--ground", "off", "board.pcb"}, folder.path().string());

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(bytesOf(folder.at("_oard.pcb")), smallDesign);
}

// Every run empties the output first: a short second output leaves nothing
// of a longer first one behind.
TEST(Conversion, SecondRunReplacesTheFirst) {
    ScratchFolder folder;
    const std::string input = folder.write("in.pcb", smallDesign);
    const std::string output = folder.at("_n.pcb");

    ASSERT_EQ(runCli({"--power", "1", "--power-enlargement", "100", input}).status, 0);
    const std::string first = bytesOf(output);
    ASSERT_GT(first.size(), smallDesign.size());

    const CliRun second = runCli({"--ground", "off", input});

    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(bytesOf(output), smallDesign);
}

TEST(Conversion, DamagedRecordsAreWarnedAboutWithTheirLineAndTheRunSucceeds) {
    ScratchFolder folder;
    const std::string input =
        folder.write("in.pcb", "PCB FILE 4\r\nFT\r\n1 2 3\r\nCT\r\n" + std::string(45, '1') +
                                   "\r\nFV\r\n10 20 30 40\r\nENDPCB\r\n");

    const CliRun run = runCli({"--ground-pads-vias", input});

    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, fileError(input,
                                 "warning: line 2: free track record: its data line has too few "
                                 "integers") +
                           fileError(input,
                                     "warning: line 4: component track record: its data line is "
                                     "too long, holds a NUL or is missing"));
    EXPECT_NE(bytesOf(folder.at("_n.pcb")).find("FA\r\n10 20 12 15 25 9\r\n"), std::string::npos)
        << "the records behind the damaged ones still get their copies";
}

// However the output names the input, the input is held and so refused:
// the output is never opened and the input keeps every byte.
TEST(HeldInput, OutputThatIsTheInputIsRefused) {
    ScratchFolder folder;
    const std::string input = folder.write("_in.pcb", smallDesign);
    fs::create_hard_link(input, folder.path() / "hard.pcb");
    fs::create_symlink(input, folder.path() / "soft.pcb");

    const struct {
        std::vector<std::string> arguments;
        std::string output;
    } cases[] = {
        {{input}, input},  // the "_" name of "_in.pcb" is "_in.pcb"
        {{"-o", folder.at("hard.pcb"), input}, folder.at("hard.pcb")},
        {{"-o", folder.at("soft.pcb"), input}, folder.at("soft.pcb")},
        {{"--output=" + input, input}, input},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        expectFileError(runCli(c.arguments), fileError(c.output, writing(11)));
        EXPECT_EQ(bytesOf(input), smallDesign);
    }
}

TEST(HeldInput, InputHeldByAnotherOpenIsASharingViolation) {
    ScratchFolder folder;
    const std::string input = folder.write("in.pcb", smallDesign);
    const DesignFileResult holder = openInputDesign(input);
    ASSERT_TRUE(holder);

    expectFileError(runCli({input}), fileError(input, reading(11)));
    EXPECT_FALSE(fs::exists(folder.at("_n.pcb")));
}

TEST(HeldInput, OutputHeldByAnotherOpenIsASharingViolation) {
    ScratchFolder folder;
    const std::string input = folder.write("in.pcb", smallDesign);
    const std::string output = folder.at("_n.pcb");
    const DesignFileResult holder = openOutputDesign(output);
    ASSERT_TRUE(holder);

    expectFileError(runCli({input}), fileError(output, writing(11)));
}

TEST(FailedOpen, EachCauseIsReportedWithTheFileAndNoOutputIsMade) {
    ScratchFolder folder;
    const std::string input = folder.write("in.pcb", smallDesign);
    fs::create_directory(folder.path() / "folder.pcb");
    const std::string notADesign = folder.write("notes.pcb", "pcb file 4\r\nENDPCB\r\n");
    const std::string empty = folder.write("empty.pcb", "");

    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{folder.at("missing.pcb")}, fileError(folder.at("missing.pcb"), reading(2))},
        {{folder.at("gone/in.pcb")}, fileError(folder.at("gone/in.pcb"), reading(3))},
        {{folder.at("folder.pcb")}, fileError(folder.at("folder.pcb"), reading(5))},
        {{notADesign}, fileError(notADesign, "Input file is not an Easytrax or Autotrax file.")},
        {{empty}, fileError(empty, "Input file is not an Easytrax or Autotrax file.")},
        {{"-o", folder.at("folder.pcb"), input}, fileError(folder.at("folder.pcb"), writing(5))},
        {{"-o", folder.at("gone/out.pcb"), input},
         fileError(folder.at("gone/out.pcb"), writing(3))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        expectFileError(runCli(c.arguments), c.message);
    }
    EXPECT_EQ(bytesOf(input), smallDesign);
    EXPECT_EQ(bytesOf(notADesign), "pcb file 4\r\nENDPCB\r\n");
    for (const char* output : {"_n.pcb", "_otes.pcb", "_mpty.pcb", "_issing.pcb"}) {
        EXPECT_FALSE(fs::exists(folder.at(output))) << output;
    }
}

// The first line of this process's memory cannot be read: the open and the
// lock succeed, the read fails with an input/output error.
TEST(FailedOpen, ReadErrorOnTheFirstLineIsReportedLikeAFailedOpen) {
    if (!openInputDesign("/proc/self/mem").message.starts_with("Error opening")) {
        GTEST_SKIP() << "/proc/self/mem does not fail on reading here";
    }

    expectFileError(runCli({"/proc/self/mem"}), fileError("/proc/self/mem", reading(1)));
}

}  // namespace
