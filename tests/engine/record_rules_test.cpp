// The copies inserted behind arc, track, via and pad records, checked byte for
// byte through the pass over real files.
#include <gtest/gtest.h>

#include "pass_harness.h"

namespace {

struct RuleCase {
    const char* name;
    PlaneOptions options;
    std::string records;   // input lines between the header and the end marker
    std::string inserted;  // the lines that must follow them
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.name;
}

// Ground plane from the top layer with pads and vias, enlargement 10.
constexpr PlaneOptions ground{.groundEnlargement = 10, .buildGround = 1, .groundPadsAndVias = 1};
// Power plane from the top layer with pads and vias, enlargement 11.
constexpr PlaneOptions power{
    .powerEnlargement = 11, .buildPower = 1, .powerPadsAndVias = 1, .powerSource = 1};
constexpr PlaneOptions powerE10{
    .powerEnlargement = 10, .buildPower = 1, .powerPadsAndVias = 1, .powerSource = 1};
constexpr PlaneOptions both{.groundEnlargement = 10,
                            .powerEnlargement = 11,
                            .buildGround = 1,
                            .buildPower = 1,
                            .groundPadsAndVias = 1,
                            .powerPadsAndVias = 1,
                            .powerSource = 2,
                            .groundSource = 1};
constexpr PlaneOptions bothFromTop{.groundEnlargement = 10,
                                   .powerEnlargement = 11,
                                   .buildGround = 1,
                                   .buildPower = 1,
                                   .groundPadsAndVias = 1,
                                   .powerPadsAndVias = 1,
                                   .powerSource = 1,
                                   .groundSource = 1};
constexpr PlaneOptions groundE11{.groundEnlargement = 11, .buildGround = 1, .groundPadsAndVias = 1};
constexpr PlaneOptions groundE0{.groundEnlargement = 0, .buildGround = 1, .groundPadsAndVias = 1};
// A new dialog's first Run: ground from the top layer, enlargement 10, no pads or vias.
constexpr PlaneOptions firstRun{.buildGround = 1};

class Rules : public testing::TestWithParam<RuleCase> {};

TEST_P(Rules, InsertTheCopiesBehindTheRecord) {
    const auto& c = GetParam();
    const std::string input = "PCB FILE 4\n" + c.records + "ENDPCB\n";
    const auto result = runPass(crlf(input), c.options);
    EXPECT_EQ(result.output, crlf("PCB FILE 4\n" + c.records + c.inserted + "ENDPCB\n"));
    EXPECT_TRUE(result.damaged.empty());
}

INSTANTIATE_TEST_SUITE_P(FormatExample, Rules,
                         testing::Values(RuleCase{"TrackThenArc", firstRun,
                                                  "FT\n100 200 900 200 20 1 0\n",
                                                  "FT\n100 200 900 200 40 9 0\n"},
                                         RuleCase{"Arc", firstRun, "FA\n500 500 100 15 10 1\n",
                                                  "FA\n500 500 100 15 30 9\n"}),
                         [](const auto& test) { return std::string(test.param.name); });

// Both planes from the top layer; ground 10 with vias, power 15 without.
constexpr PlaneOptions workedExample{.groundEnlargement = 10,
                                     .powerEnlargement = 15,
                                     .buildGround = 1,
                                     .buildPower = 1,
                                     .groundPadsAndVias = 1,
                                     .powerPadsAndVias = 0,
                                     .powerSource = 1,
                                     .groundSource = 1};

INSTANTIATE_TEST_SUITE_P(
    TracksArcsVias, Rules,
    testing::Values(
        RuleCase{"WorkedTrack", workedExample, "FT\n100 200 900 200 20 1 0\n",
                 "FT\n100 200 900 200 40 9 0\nFT\n100 200 900 200 50 10 0\n"},
        RuleCase{"WorkedVia", workedExample, "FV\n500 500 50 28\n", "FA\n500 500 17 15 35 9\n"},
        RuleCase{"TrackOnAnotherLayer", workedExample, "FT\n100 200 900 200 20 2 0\n", ""},
        RuleCase{"ArcOnAPlaneLayer", workedExample, "FA\n0 0 10 15 10 9\n", ""},
        RuleCase{"GroundSourceButGroundOff", PlaneOptions{.groundSource = 1},
                 "FT\n1 2 3 4 10 1 0\n", ""},
        RuleCase{"PadsFlagsPlayNoPartForTracks", ground, "FT\n1 2 3 4 10 1 0\n",
                 "FT\n1 2 3 4 30 9 0\n"},
        RuleCase{"PadsFlagsPlayNoPartForArcs", ground, "FA\n5 6 7 3 8 1\n", "FA\n5 6 7 3 28 9\n"},
        RuleCase{"SameSourceGroundCopyFirst", bothFromTop, "CA\n1 2 3 12 10 1\n",
                 "CA\n1 2 3 12 30 9\nCA\n1 2 3 12 32 10\n"},
        RuleCase{"ComponentTrack", firstRun,
                 "COMP\nR1\nRES\nx\n1 2 3\n4 5 6\n7 8 9\nCT\n10 20 30 40 12 1 0\n",
                 "CT\n10 20 30 40 32 9 0\n"},
        RuleCase{"FreeViaBecomesFreeArc", both, "FV\n0 0 50 28\n",
                 "FA\n0 0 17 15 35 9\nFA\n0 0 18 15 36 10\n"},
        RuleCase{"ComponentViaBecomesComponentArc", ground, "CV\n7 8 50 28\n",
                 "CA\n7 8 17 15 35 9\n"},
        RuleCase{"ViaSize51Enlargement0", groundE0, "FV\n1 1 51 20\n", "FA\n1 1 12 15 25 9\n"},
        RuleCase{"ViaSize50Enlargement11", groundE11, "FV\n1 1 50 20\n", "FA\n1 1 18 15 36 9\n"},
        RuleCase{"ViaNeedsPadsAndVias", firstRun, "FV\n1 1 50 20\n", ""},
        RuleCase{"ViaWithoutHole", ground, "FV\n1 1 50\n", "FA\n1 1 17 15 35 9\n"},
        RuleCase{"Enlargement0KeepsTheWidth", groundE0, "FT\n1 2 3 4 25 1 0\n",
                 "FT\n1 2 3 4 25 9 0\n"},
        RuleCase{"SeventhIntegerCarried", firstRun, "FT\n1 2 3 4 10 1 3\n", "FT\n1 2 3 4 30 9 3\n"},
        RuleCase{"SixIntegerTrackGetsSixIntegerCopies", firstRun, "FT\n1 2 3 4 10 1\n",
                 "FT\n1 2 3 4 30 9\n"},
        RuleCase{"ArcSeventhIntegerDropped", firstRun, "FA\n1 2 3 4 10 1 99\n",
                 "FA\n1 2 3 4 30 9\n"},
        RuleCase{"PlainFormFromOddSpacing", firstRun, "FT\n\t0100  +200\t\t-0900 200 020 +1 0\n",
                 "FT\n100 200 -900 200 40 9 0\n"},
        RuleCase{"NegativeCoordinates", firstRun, "FA\n-500 -20 100 6 10 1\n",
                 "FA\n-500 -20 100 6 30 9\n"},
        RuleCase{"NegativeWidthUsedAsItIs", firstRun, "FT\n1 2 3 4 -50 1 0\n",
                 "FT\n1 2 3 4 -30 9 0\n"},
        // Sums beyond 32 bits are written exactly.
        RuleCase{"WidestTrack", PlaneOptions{.groundEnlargement = 100, .buildGround = 1},
                 "FT\n-2147483648 0 0 0 2147483647 1 5\n",
                 "FT\n-2147483648 0 0 0 2147483847 9 5\n"}),
    [](const auto& test) { return std::string(test.param.name); });

INSTANTIATE_TEST_SUITE_P(
    PadOutlines, Rules,
    testing::Values(
        RuleCase{"Round", ground, "FP\n500 800 62 62 1 30 1 13\n1\n", "FA\n500 800 36 15 10 9\n"},
        RuleCase{"RoundPower", power, "FP\n500 800 62 62 1 30 1 13\n1\n",
                 "FA\n500 800 36 15 11 10\n"},
        RuleCase{"Rectangular", ground, "FP\n500 800 60 80 2 30 1 13\n1\n",
                 "FT\n465 845 535 845 10 9\nFT\n535 845 535 755 10 9\n"
                 "FT\n535 755 465 755 10 9\nFT\n465 755 465 845 10 9\n"},
        RuleCase{"Octagonal", ground, "FP\n500 800 70 12 3 30 1 13\n1\n",
                 "FT\n460 820 480 840 10 9\nFT\n480 840 520 840 10 9\n"
                 "FT\n520 840 540 820 10 9\nFT\n540 820 540 780 10 9\n"
                 "FT\n540 780 520 760 10 9\nFT\n520 760 480 760 10 9\n"
                 "FT\n480 760 460 780 10 9\nFT\n460 780 460 820 10 9\n"},
        RuleCase{"OctagonalOdd", ground, "FP\n500 800 61 900 3 30 1 13\n1\n",
                 "FT\n465 817 483 835 10 9\nFT\n483 835 517 835 10 9\n"
                 "FT\n517 835 535 817 10 9\nFT\n535 817 535 783 10 9\n"
                 "FT\n535 783 517 765 10 9\nFT\n517 765 483 765 10 9\n"
                 "FT\n483 765 465 783 10 9\nFT\n465 783 465 817 10 9\n"},
        RuleCase{"OblongWide", ground, "FP\n500 800 100 50 4 30 1 13\n1\n",
                 "FT\n475 830 525 830 10 9\nFT\n475 770 525 770 10 9\n"
                 "FA\n475 800 30 6 10 9\nFA\n525 800 30 9 10 9\n"},
        RuleCase{"OblongTallPower", powerE10, "FP\n500 800 50 100 4 30 1 13\n1\n",
                 "FT\n470 775 470 825 10 10\nFT\n530 775 530 825 10 10\n"
                 "FA\n500 775 30 12 10 10\nFA\n500 825 30 3 10 10\n"},
        RuleCase{"OblongEqualHalvesTheSum", groundE11, "FP\n500 800 51 51 4 30 1 13\n1\n",
                 "FA\n500 800 31 15 11 9\n"},
        RuleCase{"OblongHalvesEachTerm", groundE11, "FP\n500 800 101 51 4 30 1 13\n1\n",
                 "FT\n475 830 525 830 11 9\nFT\n475 770 525 770 11 9\n"
                 "FA\n475 800 30 6 11 9\nFA\n525 800 30 9 11 9\n"},
        RuleCase{"ComponentPad", ground, "CP\n500 800 60 80 2 30 1 13\n1\n",
                 "CT\n465 845 535 845 10 9\nCT\n535 845 535 755 10 9\n"
                 "CT\n535 755 465 755 10 9\nCT\n465 755 465 845 10 9\n"},
        RuleCase{"BothPlanesGroundFirst", both, "FP\n500 800 62 62 1 30 1 13\nGND\n",
                 "FA\n500 800 36 15 10 9\nFA\n500 800 36 15 11 10\n"},
        RuleCase{"NegativeCoordinates", ground, "FP\n20 0 60 80 2 30 1 13\n1\n",
                 "FT\n-15 45 55 45 10 9\nFT\n55 45 55 -45 10 9\n"
                 "FT\n55 -45 -15 -45 10 9\nFT\n-15 -45 -15 45 10 9\n"},
        RuleCase{"NegativeSizeHalvesTowardZero", ground, "FP\n500 800 -17 5 1 30 1 13\n1\n",
                 "FA\n500 800 -3 15 10 9\n"},
        RuleCase{"Enlargement0", groundE0, "FP\n500 800 60 80 2 30 1 13\n1\n",
                 "FT\n470 840 530 840 0 9\nFT\n530 840 530 760 0 9\n"
                 "FT\n530 760 470 760 0 9\nFT\n470 760 470 840 0 9\n"},
        RuleCase{"LayerMatchesGroundOnly", both, "FP\n500 800 62 62 1 30 1 1\n1\n",
                 "FA\n500 800 36 15 10 9\n"},
        RuleCase{"LayerMatchesBoth", bothFromTop, "FP\n500 800 62 62 1 30 1 1\n1\n",
                 "FA\n500 800 36 15 10 9\nFA\n500 800 36 15 11 10\n"},
        RuleCase{"LayerMatchesNeither", bothFromTop, "FP\n500 800 62 62 1 30 1 6\n1\n", ""},
        RuleCase{"PlaneCode2PowerOnly", both, "FP\n0 0 62 62 1 30 2 13\n1\n",
                 "FA\n0 0 36 15 11 10\n"},
        RuleCase{"PlaneCode3PowerOnly", both, "FP\n0 0 62 62 1 30 3 13\n1\n",
                 "FA\n0 0 36 15 11 10\n"},
        RuleCase{"PlaneCode4GroundOnly", both, "FP\n0 0 62 62 1 30 4 13\n1\n",
                 "FA\n0 0 36 15 10 9\n"},
        RuleCase{"PlaneCode5GroundOnly", both, "FP\n0 0 62 62 1 30 5 13\n1\n",
                 "FA\n0 0 36 15 10 9\n"},
        RuleCase{"PlaneCode0", both, "FP\n0 0 62 62 1 30 0 13\n1\n", ""},
        RuleCase{"PlaneCode6", both, "FP\n0 0 62 62 1 30 6 13\n1\n", ""},
        RuleCase{"Shape0", both, "FP\n0 0 62 62 0 30 1 13\n1\n", ""},
        RuleCase{"Shape5", both, "FP\n0 0 62 62 5 30 1 13\n1\n", ""},
        RuleCase{"PadsWithoutBuild", PlaneOptions{.groundPadsAndVias = 1},
                 "FP\n0 0 62 62 1 30 1 13\n1\n", ""},
        RuleCase{"BuildWithoutPads", firstRun, "FP\n0 0 62 62 1 30 1 13\n1\n", ""}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
