#include <gtest/gtest.h>

#include <string>

#include "design_check.h"

namespace {

const std::string input =
    "PCB FILE 4\r\nFT\r\n100 200 900 200 20 1 0\r\nCP\r\n0 0 60 60 1 30 1 13\r\n1\r\nENDPCB\r\n";
const std::string good =
    "PCB FILE 4\r\nFT\r\n100 200 900 200 20 1 0\r\nFT\r\n100 200 900 200 40 9 0\r\n"
    "CP\r\n0 0 60 60 1 30 1 13\r\n1\r\nCA\r\n0 0 20 15 40 10\r\nENDPCB\r\n";

TEST(DesignCheck, PassesAWellMadeOutput) {
    const DesignCheck check = checkConvertedDesign(input, good, {9, 10});

    EXPECT_TRUE(check.problems.empty()) << check.problems.front();
    EXPECT_EQ(check.insertedRecords, 2);
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

// Each fault the check exists for is found.
TEST(DesignCheck, FindsEveryKindOfFault) {
    const struct {
        const char* fault;
        std::string output;
        std::set<int> layers = {9, 10};
    } faults[] = {
        {"bare LF", replaced(good, "FILE 4\r\n", "FILE 4\n")},
        {"CR CR LF", replaced(good, "FILE 4\r\n", "FILE 4\r\r\n")},
        {"input line lost", replaced(good, "1\r\nCA", "CA")},
        {"input lines swapped",
         replaced(good, "1\r\nCA\r\n0 0 20 15 40 10", "CA\r\n0 0 20 15 40 10\r\n1")},
        {"inserted on layer 7", replaced(good, "40 9 0", "40 7 0")},
        {"power plane record when only the ground plane is built", good, {9}},
        {"inserted arc of seven integers", replaced(good, "40 10", "40 10 0")},
        {"leading zero", replaced(good, "40 9 0", "040 9 0")},
        {"two blanks", replaced(good, "40 9 0", "40  9 0")},
        {"inserted of the other family", replaced(good, "CA\r\n0 0 20", "FA\r\n0 0 20")},
        {"arc behind a track",
         replaced(good, "FT\r\n100 200 900 200 40 9 0", "FA\r\n100 200 50 15 40 9")},
        {"inserted behind no record",
         replaced(good, "PCB FILE 4\r\n", "PCB FILE 4\r\nFT\r\n1 2 3 4 5 9\r\n")},
        {"line after ENDPCB", good + "FT\r\n"},
        {"record after ENDPCB", good + "CA\r\n0 0 20 15 40 10\r\n"},
        {"last line without end", good.substr(0, good.size() - 2)},
    };
    for (const auto& f : faults) {
        EXPECT_FALSE(checkConvertedDesign(input, f.output, f.layers).problems.empty()) << f.fault;
    }
}

}  // namespace
