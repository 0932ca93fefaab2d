#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "run_cli.h"
#include "scratch_folder.h"

namespace {

struct Misuse {
    std::vector<std::string> arguments;
    std::string message;
};

void PrintTo(const Misuse& misuse, std::ostream* out) {
    for (const std::string& word : misuse.arguments) {
        *out << '[' << word << ']';
    }
}

class UsageError : public testing::TestWithParam<Misuse> {};

// A usage error says what is wrong, exits 2 and touches no file.
TEST_P(UsageError, IsExplainedAndExitsTwo) {
    ScratchFolder folder;
    folder.write("in.pcb", smallDesign);

    const CliRun run = runCli(GetParam().arguments, folder.path().string());

    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "cuprena-cli: " + GetParam().message +
                           "\nTry 'cuprena-cli --help' for more information.\n");
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "_n.pcb"));
    EXPECT_EQ(bytesOf(folder.path() / "in.pcb"), smallDesign);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UsageError,
    testing::Values(
        Misuse{{"--bogus", "in.pcb"}, "unknown option '--bogus'"},
        Misuse{{"-x", "in.pcb"}, "unknown option '-x'"},
        Misuse{{"--ground=", "in.pcb"}, "--ground: '' is not a layer from 1 to 6 or 'off'"},
        Misuse{{"--ground", "0", "in.pcb"}, "--ground: '0' is not a layer from 1 to 6 or 'off'"},
        Misuse{{"--ground", "7", "in.pcb"}, "--ground: '7' is not a layer from 1 to 6 or 'off'"},
        Misuse{{"--power", "x", "in.pcb"}, "--power: 'x' is not a layer from 1 to 6 or 'off'"},
        Misuse{{"--power", "OFF", "in.pcb"}, "--power: 'OFF' is not a layer from 1 to 6 or 'off'"},
        Misuse{{"--ground-enlargement", "101", "in.pcb"},
               "--ground-enlargement: '101' is not a whole number of mils from 0 to 100"},
        Misuse{{"--power-enlargement", "-1", "in.pcb"},
               "--power-enlargement: '-1' is not a whole number of mils from 0 to 100"},
        Misuse{{"--power-enlargement=", "in.pcb"},
               "--power-enlargement: '' is not a whole number of mils from 0 to 100"},
        Misuse{{"--ground-enlargement", "", "in.pcb"},
               "--ground-enlargement: '' is not a whole number of mils from 0 to 100"},
        Misuse{{"--ground-enlargement", "+5", "in.pcb"},
               "--ground-enlargement: '+5' is not a whole number of mils from 0 to 100"},
        Misuse{{"--ground-enlargement", "99999999999", "in.pcb"},
               "--ground-enlargement: '99999999999' is not a whole number of mils from 0 to 100"},
        Misuse{{"--ground-pads-vias=1", "in.pcb"}, "--ground-pads-vias takes no value"},
        Misuse{{"in.pcb", "--ground"}, "--ground needs a value"},
        Misuse{{"in.pcb", "-o"}, "-o needs a value"},
        Misuse{{"-o", "", "in.pcb"}, "-o: the output file name is empty"},
        Misuse{{}, "no input design given"}, Misuse{{"--ground", "2"}, "no input design given"},
        Misuse{{"in.pcb", "other.pcb"},
               "only one input design may be given; 'other.pcb' is a second one"},
        Misuse{{""}, "the input file name is empty"}));

TEST(Help, ListsEveryOptionWithItsDefaultAndRange) {
    const CliRun help = runCli({"--help"});

    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const char* text :
         {"Usage: cuprena-cli [OPTIONS] INPUT", "-o, --output FILE", "--ground LAYER|off",
          "--power LAYER|off", "--ground-enlargement MILS", "--power-enlargement MILS",
          "--ground-pads-vias", "--power-pads-vias", "-h, --help", "--version", "1 to 6",
          "0 to 100", "default 1", "default off", "default 10",
          "Exit status: 0 done, 1 a file error, 2 a usage error"}) {
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
    }
    EXPECT_EQ(runCli({"-h"}).out, help.out);
}

TEST(Version, IsTheProjectsVersion) {
    const CliRun version = runCli({"--version"});

    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "cuprena-cli " CUPRENA_VERSION "\n");
    EXPECT_EQ(version.err, "");
}

}  // namespace
