#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "cli_options.h"

namespace {

bool operator==(const PlaneOptions& a, const PlaneOptions& b) {
    return a.groundEnlargement == b.groundEnlargement && a.powerEnlargement == b.powerEnlargement &&
           a.buildGround == b.buildGround && a.buildPower == b.buildPower &&
           a.groundPadsAndVias == b.groundPadsAndVias && a.powerPadsAndVias == b.powerPadsAndVias &&
           a.powerSource == b.powerSource && a.groundSource == b.groundSource;
}

TEST(CommandLine, DefaultsAreThoseOfANewDialogsFirstRun) {
    const ParsedCommandLine parsed = parseCommandLine({"in.pcb"});

    ASSERT_TRUE(parsed.ok()) << parsed.error;
    const PlaneOptions& p = parsed.options.planes;
    EXPECT_EQ(p.buildGround, 1);
    EXPECT_EQ(p.groundSource, 1);
    EXPECT_EQ(p.buildPower, 0);
    EXPECT_EQ(p.powerSource, 2);
    EXPECT_EQ(p.groundEnlargement, 10);
    EXPECT_EQ(p.powerEnlargement, 10);
    EXPECT_EQ(p.groundPadsAndVias, 0);
    EXPECT_EQ(p.powerPadsAndVias, 0);
    EXPECT_EQ(parsed.options.inputPath, "in.pcb");
    EXPECT_FALSE(parsed.options.outputPath);
}

PlaneOptions defaultsWith(void (*change)(PlaneOptions&)) {
    PlaneOptions options = CliOptions::dialogDefaults();
    change(options);
    return options;
}

struct Accepted {
    std::vector<std::string> arguments;
    PlaneOptions planes;
    std::string input;
    std::string output;  // empty: none given
};

void PrintTo(const Accepted& accepted, std::ostream* out) {
    for (const std::string& word : accepted.arguments) {
        *out << word << ' ';
    }
}

class AcceptedCommandLine : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedCommandLine, GivesTheseSettings) {
    const ParsedCommandLine parsed = parseCommandLine(GetParam().arguments);

    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_TRUE(parsed.options.planes == GetParam().planes);
    EXPECT_EQ(parsed.options.inputPath, GetParam().input);
    EXPECT_EQ(parsed.options.outputPath.value_or(""), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AcceptedCommandLine,
    testing::Values(
        Accepted{{"--ground", "off", "a.pcb"},
                 defaultsWith([](PlaneOptions& o) { o.buildGround = 0; }),
                 "a.pcb",
                 ""},
        Accepted{{"--power=6", "--ground", "3", "a.pcb"},
                 defaultsWith([](PlaneOptions& o) {
                     o.buildPower = 1;
                     o.powerSource = 6;
                     o.groundSource = 3;
                 }),
                 "a.pcb",
                 ""},
        Accepted{{"a.pcb", "--ground-enlargement", "0", "--power-enlargement=100"},
                 defaultsWith([](PlaneOptions& o) {
                     o.groundEnlargement = 0;
                     o.powerEnlargement = 100;
                 }),
                 "a.pcb",
                 ""},
        Accepted{{"--ground-enlargement", "007", "a.pcb"},
                 defaultsWith([](PlaneOptions& o) { o.groundEnlargement = 7; }),
                 "a.pcb",
                 ""},
        Accepted{{"--ground-pads-vias", "--power-pads-vias", "a.pcb"},
                 defaultsWith([](PlaneOptions& o) {
                     o.groundPadsAndVias = 1;
                     o.powerPadsAndVias = 1;
                 }),
                 "a.pcb",
                 ""},
        // The last word on a setting wins; "off" then a layer turns it on again.
        Accepted{{"--ground", "2", "--ground", "off", "--power", "off", "--power", "4", "a.pcb"},
                 defaultsWith([](PlaneOptions& o) {
                     o.buildGround = 0;
                     o.groundSource = 2;
                     o.buildPower = 1;
                     o.powerSource = 4;
                 }),
                 "a.pcb",
                 ""},
        Accepted{{"-o", "out.pcb", "a.pcb"}, CliOptions::dialogDefaults(), "a.pcb", "out.pcb"},
        Accepted{{"-oout.pcb", "a.pcb"}, CliOptions::dialogDefaults(), "a.pcb", "out.pcb"},
        Accepted{{"--output=o/x.pcb", "a.pcb"}, CliOptions::dialogDefaults(), "a.pcb", "o/x.pcb"},
        Accepted{
            {"--output", "-dash.pcb", "a.pcb"}, CliOptions::dialogDefaults(), "a.pcb", "-dash.pcb"},
        // After "--" and for "-" alone, a word is a file name.
        Accepted{{"--", "--ground"}, CliOptions::dialogDefaults(), "--ground", ""},
        Accepted{{"-"}, CliOptions::dialogDefaults(), "-", ""}));

TEST(CommandLine, HelpAndVersionWinOverWhatFollows) {
    EXPECT_TRUE(parseCommandLine({"--help", "--bogus"}).options.help);
    EXPECT_TRUE(parseCommandLine({"-h"}).options.help);
    EXPECT_TRUE(parseCommandLine({"--version", "a", "b"}).options.version);
    EXPECT_TRUE(parseCommandLine({"--help"}).ok());
}

}  // namespace
