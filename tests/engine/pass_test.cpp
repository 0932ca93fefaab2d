// The pass over whole files: what is copied, where it stops, which pieces are
// taken as records, and which records are reported as damaged.
#include <gtest/gtest.h>

#include "file_exception.h"
#include "pass_harness.h"
#include "stdio_file.h"

namespace {

using namespace std::string_literals;

constexpr PlaneOptions firstRun{.buildGround = 1};
constexpr PlaneOptions everything{.buildGround = 1,
                                  .buildPower = 1,
                                  .groundPadsAndVias = 1,
                                  .powerPadsAndVias = 1,
                                  .powerSource = 1};

std::string padded(std::string text, std::size_t length) {
    text.resize(length, ' ');
    return text;
}

struct PassCase {
    const char* name;
    std::string input;  // bytes on disk
    PlaneOptions options;
    std::string output;  // expected, with LF line ends (written as CR LF)
    std::vector<std::int64_t> damagedLines = {};
};

void PrintTo(const PassCase& c, std::ostream* os) {
    *os << c.name;
}

class Pass : public testing::TestWithParam<PassCase> {};

TEST_P(Pass, CopiesAndInserts) {
    const auto& c = GetParam();
    const auto result = runPass(c.input, c.options);
    EXPECT_EQ(result.output, crlf(c.output));
    std::vector<std::int64_t> lines;
    for (const auto& record : result.damaged) {
        lines.push_back(record.lineNumber);
    }
    EXPECT_EQ(lines, c.damagedLines);
}

const std::string header = "PCB FILE 4\n";
const std::string track = "FT\n1 2 3 4 10 1 0\n";
const std::string trackCopy = "FT\n1 2 3 4 30 9 0\n";

INSTANTIATE_TEST_SUITE_P(
    LineEnds, Pass,
    testing::Values(PassCase{"HeaderAndEnd", "PCB FILE 4\r\nENDPCB\r\n", firstRun,
                             header + "ENDPCB\n"},
                    PassCase{"LfOnly", "PCB FILE 4\nFT\n1 2 3 4 10 1 0\nENDPCB\n", firstRun,
                             header + track + trackCopy + "ENDPCB\n"},
                    PassCase{"MixedLineEnds", "PCB FILE 4\r\nFT\n1 2 3 4 10 1 0\r\nENDPCB\n",
                             firstRun, header + track + trackCopy + "ENDPCB\n"},
                    PassCase{"LoneCrKept", "PCB FILE 4\r\nA\rB\r\nENDPCB\r\n", firstRun,
                             header + "A\rB\nENDPCB\n"},
                    PassCase{"CtrlZEndsTheInput",
                             "PCB FILE 4\r\nFT\r\n1 2 3 4 10 1 0\r\n\x1a"
                             "ENDPCB\r\n",
                             firstRun, header + track + trackCopy},
                    PassCase{"NoEndMarkerLastLineUnended", "PCB FILE 4\nFA\n1 2 3 4 10 1\nlast",
                             firstRun, header + "FA\n1 2 3 4 10 1\nFA\n1 2 3 4 30 9\nlast"}),
    [](const auto& test) { return std::string(test.param.name); });

const std::string longTail(40, 'z');

INSTANTIATE_TEST_SUITE_P(
    EndMarker, Pass,
    testing::Values(
        PassCase{"NothingBehindIt", header + "ENDPCB\n" + track, firstRun, header + "ENDPCB\n"},
        PassCase{"RestOfItsPieceCopied", header + "xxENDPCByy\nmore\n", firstRun,
                 header + "xxENDPCByy\n"},
        PassCase{"LaterPiecesOfItsLineNot", header + "ENDPCB" + longTail + "\nmore\n", firstRun,
                 header + "ENDPCB" + longTail.substr(0, 33)},
        // Starting at the 36th character it lies in two pieces and is not found.
        PassCase{"AcrossAPieceBoundary",
                 header + std::string(35, 'a') + "ENDPCB\n" + track + "ENDPCB\n" + track, firstRun,
                 header + std::string(35, 'a') + "ENDPCB\n" + track + trackCopy + "ENDPCB\n"},
        PassCase{"InsideTheComponentHeader", header + "COMP\nR1\nENDPCB\n" + track, firstRun,
                 header + "COMP\nR1\nENDPCB\n"},
        PassCase{"InADataLineDoesNotEnd",
                 header + "FT\nENDPCB 1 2\n" + track + "ENDPCB\n",
                 firstRun,
                 header + "FT\nENDPCB 1 2\n" + track + trackCopy + "ENDPCB\n",
                 {2}},
        PassCase{"InANameLineDoesNotEnd",
                 header + "FP\n0 0 62 62 1 30 1 13\nENDPCB\n" + track + "ENDPCB\n", everything,
                 header +
                     "FP\n0 0 62 62 1 30 1 13\nENDPCB\nFA\n0 0 36 15 10 9\nFA\n0 0 36 15 10 10\n" +
                     track + trackCopy + "FT\n1 2 3 4 30 10 0\nENDPCB\n"}),
    [](const auto& test) { return std::string(test.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Classification, Pass,
    testing::Values(
        // The six pieces behind COMP are never records, COMP among them included.
        PassCase{"SixPiecesBehindComp",
                 header + "COMP\nFA\nCT\nCOMP\nFT\n1 2 3 4 10 1 0\nx\n" + track, firstRun,
                 header + "COMP\nFA\nCT\nCOMP\nFT\n1 2 3 4 10 1 0\nx\n" + track + trackCopy},
        // A line of two pieces uses up two of the six, so the sixth line is classified.
        PassCase{"SkipCountCountsPieces",
                 header + "COMP\n" + std::string(50, 'L') + "\na\nb\nc\nd\n" + track, firstRun,
                 header + "COMP\n" + std::string(50, 'L') + "\na\nb\nc\nd\n" + track + trackCopy},
        PassCase{"SixthLineSkippedWhenLinesAreShort", header + "COMP\nL\na\nb\nc\nd\n" + track,
                 firstRun, header + "COMP\nL\na\nb\nc\nd\n" + track},
        PassCase{"LongerKeywordsStillMatch",
                 header + "COMPONENT\n1\n2\n3\n4\n5\n6\nFAB\n1 2 3 4 10 1\n", firstRun,
                 header + "COMPONENT\n1\n2\n3\n4\n5\n6\nFAB\n1 2 3 4 10 1\nFA\n1 2 3 4 30 9\n"},
        PassCase{"BlankOrLowerCaseIsNoKeyword",
                 header + " FT\n1 2 3 4 10 1 0\nft\n1 2 3 4 10 1 0\n", firstRun,
                 header + " FT\n1 2 3 4 10 1 0\nft\n1 2 3 4 10 1 0\n"},
        // A line's 40th and 41st characters begin its second piece.
        PassCase{"KeywordInASecondPiece", header + std::string(39, 'a') + "FT\n1 2 3 4 10 1 0\n",
                 firstRun, header + std::string(39, 'a') + "FT\n1 2 3 4 10 1 0\n" + trackCopy},
        PassCase{"Line39ItsLineFeedAPieceOfItsOwn", header + std::string(39, 'F') + "\n" + track,
                 firstRun, header + std::string(39, 'F') + "\n" + track + trackCopy},
        PassCase{"DataLine38Characters", header + "FT\n" + padded("1 2 3 4 10 1 0", 38) + "\n",
                 firstRun, header + "FT\n" + padded("1 2 3 4 10 1 0", 38) + "\n" + trackCopy},
        // Its line feed falls into the next piece: no copies, the record is reported.
        PassCase{"DataLine39Characters",
                 header + "FT\n" + padded("1 2 3 4 10 1 0", 39) + "\n",
                 firstRun,
                 header + "FT\n" + padded("1 2 3 4 10 1 0", 39) + "\n",
                 {2}},
        PassCase{"RestOfALongDataLineIsClassified",
                 header + "FT\n" + padded("1 2 3 4 10 1 0", 39) + "FA\n5 5 5 15 10 1\n",
                 firstRun,
                 header + "FT\n" + padded("1 2 3 4 10 1 0", 39) +
                     "FA\n5 5 5 15 10 1\nFA\n5 5 5 15 30 9\n",
                 {2}},
        PassCase{"LongNameLine",
                 header + "FP\n0 0 62 62 1 30 1 13\n" + std::string(45, 'n') + "\n",
                 everything,
                 header + "FP\n0 0 62 62 1 30 1 13\n" + std::string(45, 'n') + "\n",
                 {2}}),
    [](const auto& test) { return std::string(test.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NulAndEarlyEnd, Pass,
    testing::Values(
        PassCase{"NulFirstEndsThePass", header + "\0FT\n"s + track + "ENDPCB\n", firstRun, header},
        PassCase{"NulCutsItsPiece", header + "AB\0CD\nEF\nENDPCB\n"s, firstRun,
                 header + "ABEF\nENDPCB\n"},
        PassCase{"NulHidesAnEndMarker", header + "A\0ENDPCB\n"s + track, firstRun,
                 header + "A" + track + trackCopy},
        PassCase{"NulInADataLine",
                 header + "FT\n1 2 3 4 10 1 0\0x\n"s + track,
                 firstRun,
                 header + "FT\n1 2 3 4 10 1 0" + track + trackCopy,
                 {2}},
        PassCase{"EndsAfterAKeywordLine", header + "FT\n", firstRun, header + "FT\n", {2}},
        PassCase{"EndsAfterAnUnendedKeyword", header + "FT", firstRun, header + "FT", {2}},
        PassCase{"EndsAfterAPadDataLine",
                 header + "CP\n0 0 62 62 1 30 1 13\n",
                 everything,
                 header + "CP\n0 0 62 62 1 30 1 13\n",
                 {2}}),
    [](const auto& test) { return std::string(test.param.name); });

INSTANTIATE_TEST_SUITE_P(
    DamagedRecords, Pass,
    testing::Values(
        // Reported whatever the settings, with the line of the keyword.
        PassCase{"TooFewIntegers",
                 header + "FT\n1 2 3\nFA\n1 2 x 4 5 6\nFV\n1 2\nFP\n1 2 3 4 5 6 7\nname\n"
                          "ENDPCB\n",
                 PlaneOptions{},
                 header + "FT\n1 2 3\nFA\n1 2 x 4 5 6\nFV\n1 2\nFP\n1 2 3 4 5 6 7\nname\nENDPCB\n",
                 {2, 4, 6, 8}},
        // Nothing is carried over from an earlier record.
        PassCase{"NothingCarriedOver",
                 header + track + "FT\n5 6\n",
                 firstRun,
                 header + track + trackCopy + "FT\n5 6\n",
                 {4}},
        // A keyword line with more behind the keyword is not reported.
        PassCase{"NetNamesAreNotReported", header + "CPUCLK\nGND\nFTDI\n\n", everything,
                 header + "CPUCLK\nGND\nFTDI\n\n"},
        PassCase{"LineNumbersCountLinesNotPieces",
                 header + std::string(100, 'x') + "\n" + track + "CT\n1\n",
                 firstRun,
                 header + std::string(100, 'x') + "\n" + track + trackCopy + "CT\n1\n",
                 {5}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(DamagedRecords, CarryKindFamilyAndReason) {
    const auto result = runPass(header + "CP\n1 2 3\nn\nFT\n" + padded("1", 39) + "\n", everything);
    ASSERT_EQ(result.damaged.size(), 2u);
    EXPECT_EQ(result.damaged[0].family, RecordFamily::component);
    EXPECT_EQ(result.damaged[0].kind, RecordKind::pad);
    EXPECT_EQ(result.damaged[0].reason, DamageReason::missingFields);
    EXPECT_EQ(describeDamage(result.damaged[0]),
              "line 2: component pad record: its data line has too few integers");
    EXPECT_EQ(result.damaged[1].lineNumber, 5);
    EXPECT_EQ(result.damaged[1].reason, DamageReason::lineNotEnded);
    EXPECT_EQ(describeDamage(result.damaged[1]),
              "line 5: free track record: its data line is too long, holds a NUL or is missing");
}

TEST(PassOverAnOpenInput, TwoPassesGiveIdenticalOutputs) {
    ScratchFolder folder;
    const auto inputPath =
        folder.write("in.pcb", crlf(header + "COMP\na\nb\nc\nd\ne\nf\n" + track +
                                    "FP\n0 0 62 62 2 30 1 13\nx\nENDPCB\ntrailing\n"));
    CStdioFile input;
    input.open(inputPath, CStdioFile::Mode::read);
    // The header has been read already, as the file handling leaves it.
    char first[80];
    input.readPiece(first, sizeof first);
    std::string outputs[2];
    for (auto& bytes : outputs) {
        CStdioFile output;
        output.open(folder.at("out.pcb"), CStdioFile::Mode::write);
        BuildPlanes(input, output, everything);
        output.close();
        bytes = bytesOf(folder.at("out.pcb"));
    }
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_EQ(outputs[0], crlf(header + "COMP\na\nb\nc\nd\ne\nf\n" + track + trackCopy +
                               "FT\n1 2 3 4 30 10 0\nFP\n0 0 62 62 2 30 1 13\nx\n"
                               "FT\n-36 36 36 36 10 9\nFT\n36 36 36 -36 10 9\n"
                               "FT\n36 -36 -36 -36 10 9\nFT\n-36 -36 -36 36 10 9\n"
                               "FT\n-36 36 36 36 10 10\nFT\n36 36 36 -36 10 10\n"
                               "FT\n36 -36 -36 -36 10 10\nFT\n-36 -36 -36 36 10 10\nENDPCB\n"));
}

TEST(PassFailures, AWriteThatFailsStopsThePassWithCause13) {
    ScratchFolder folder;
    std::string design = header;
    while (design.size() < 2 * CStdioFile::blockSize) {
        design += track;
    }
    CStdioFile input;
    input.open(folder.write("in.pcb", crlf(design)), CStdioFile::Mode::read);
    const FileSizeLimit limit(CStdioFile::blockSize / 2);
    CStdioFile output;
    output.open(folder.at("out.pcb"), CStdioFile::Mode::write);
    try {
        BuildPlanes(input, output, firstRun);
        output.close();
        FAIL() << "a full disk went unnoticed";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.cause(), CFileException::diskFull);
        EXPECT_EQ(e.osError(), EFBIG);
    }
}

}  // namespace
