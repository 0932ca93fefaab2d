// The real designs of the test data, converted under several settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "pass_harness.h"

namespace {

std::vector<std::filesystem::path> corpusDesigns() {
    std::vector<std::filesystem::path> designs;
    for (const char* folder : {"real", "converted"}) {
        for (const auto& entry : std::filesystem::directory_iterator(
                 std::filesystem::path(CUPRENA_TEST_DATA_DIR) / "corpus" / folder)) {
            const auto extension = entry.path().extension();
            if (extension == ".pcb" || extension == ".PCB") {
                designs.push_back(entry.path());
            }
        }
    }
    std::sort(designs.begin(), designs.end());
    return designs;
}

std::vector<std::string> crlfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

bool isInsertedRecord(const std::vector<std::string>& lines, std::size_t at) {
    static const std::regex keyword("FA|FT|CA|CT");
    static const std::regex data("-?\\d+( -?\\d+){4} (9|10)( -?\\d+)?");
    return at + 1 < lines.size() && std::regex_match(lines[at], keyword) &&
           std::regex_match(lines[at + 1], data);
}

// Every input line in order, with nothing but whole inserted records between
// them. Returns how many records were inserted.
int checkOnlyRecordsInserted(const std::string& input, const std::string& output) {
    const auto in = crlfLines(input);
    const auto out = crlfLines(output);
    std::size_t i = 0;
    std::size_t j = 0;
    int inserted = 0;
    while (j < out.size()) {
        const bool inputPairHere =
            i + 1 < in.size() && j + 1 < out.size() && out[j] == in[i] && out[j + 1] == in[i + 1];
        if (isInsertedRecord(out, j) && !inputPairHere) {
            j += 2;
            ++inserted;
        } else if (i < in.size() && out[j] == in[i]) {
            ++i;
            ++j;
        } else {
            ADD_FAILURE() << "output line " << j + 1 << " \"" << out[j]
                          << "\" is neither the next input line nor an inserted record";
            return inserted;
        }
    }
    EXPECT_EQ(i, in.size()) << "input lines missing from the output";
    return inserted;
}

class Corpus : public testing::TestWithParam<std::filesystem::path> {};

TEST_P(Corpus, WithBothPlanesOffTheOutputIsTheInput) {
    const std::string input = bytesOf(GetParam());
    const auto end = input.find("ENDPCB\r\n");
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(runPass(input, copyOnly()).output, input.substr(0, end + 8));
}

TEST_P(Corpus, LineFeedsAloneGiveTheSameOutput) {
    const std::string input = bytesOf(GetParam());
    std::string lfOnly = input;
    std::erase(lfOnly, '\r');
    const PlaneOptions options{.buildGround = 1, .buildPower = 1, .powerSource = 6};
    EXPECT_EQ(runPass(lfOnly, options).output, runPass(input, options).output);
}

TEST_P(Corpus, WithEverythingOnOnlyWholeRecordsAreInserted) {
    const std::string input = bytesOf(GetParam());
    const PlaneOptions settings[] = {
        {.groundEnlargement = 10,
         .powerEnlargement = 11,
         .buildGround = 1,
         .buildPower = 1,
         .groundPadsAndVias = 1,
         .powerPadsAndVias = 1,
         .powerSource = 6,
         .groundSource = 1},
        {.groundEnlargement = 0,
         .powerEnlargement = 100,
         .buildGround = 1,
         .buildPower = 1,
         .groundPadsAndVias = 1,
         .powerPadsAndVias = 1,
         .powerSource = 1,
         .groundSource = 1},
    };
    for (const auto& options : settings) {
        const auto result = runPass(input, options);
        EXPECT_GT(checkOnlyRecordsInserted(input, result.output), 0);
        EXPECT_TRUE(result.damaged.empty()) << describeDamage(result.damaged.front());
    }
}

INSTANTIATE_TEST_SUITE_P(Designs, Corpus, testing::ValuesIn(corpusDesigns()), [](const auto& test) {
    std::string name = test.param.stem().string();
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
});

TEST(Corpus, DemoBoardGetsItsCopies) {
    // DEMO.PCB: count what the default settings insert, per kind, against the
    // records on the top layer that an independent reading finds.
    const std::string input =
        bytesOf(std::filesystem::path(CUPRENA_TEST_DATA_DIR) / "corpus/real/DEMO.PCB");
    const auto in = crlfLines(input);
    int topTracksAndArcs = 0;
    int skip = 0;
    for (std::size_t i = 0; i + 1 < in.size(); ++i) {
        if (skip > 0) {
            --skip;
            continue;
        }
        if (in[i].rfind("COMP", 0) == 0) {
            skip = 6;
        } else if (in[i] == "FT" || in[i] == "CT" || in[i] == "FA" || in[i] == "CA") {
            std::istringstream fields(in[i + 1]);
            long v[6] = {};
            for (auto& value : v) {
                fields >> value;
            }
            topTracksAndArcs += v[5] == 1 ? 1 : 0;
            ++i;
        }
    }
    const auto result = runPass(input, PlaneOptions{.buildGround = 1});
    EXPECT_GT(topTracksAndArcs, 100);
    EXPECT_EQ(checkOnlyRecordsInserted(input, result.output), topTracksAndArcs);
}

}  // namespace
