#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "data_line.h"
#include "keywords.h"

namespace {

struct ReadCase {
    const char* line;
    std::vector<std::int32_t> fields;  // what is read, in order
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << '"' << c.line << '"';
}

class ReadDataLine : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadDataLine, TakesIntegersAsFormattedReadingDoes) {
    std::array<std::int32_t, 8> fields;
    fields.fill(-777);
    const int read = pcbfile::readDataLine(GetParam().line, fields);
    const auto& expected = GetParam().fields;
    ASSERT_EQ(read, static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i], i < expected.size() ? expected[i] : -777) << "field " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadDataLine,
    testing::Values(ReadCase{"100 200 900 200 20 1 0\n", {100, 200, 900, 200, 20, 1, 0}},
                    ReadCase{"  0100\t+5   -7\t\t 8\n", {100, 5, -7, 8}},
                    ReadCase{"1 2 3 4 5 6 7 8 9 10\n", {1, 2, 3, 4, 5, 6, 7, 8}},
                    ReadCase{"1 2 x 4\n", {1, 2}}, ReadCase{"1 2 3x4\n", {1, 2, 3}},
                    // The blank between integers may be missing, as in "%d %d" reading.
                    ReadCase{"12-5+3\n", {12, -5, 3}}, ReadCase{"1 - 2\n", {1}},
                    ReadCase{"1 +\n", {1}}, ReadCase{"", {}}, ReadCase{"\n", {}},
                    ReadCase{"text\n", {}},
                    // White space is what the "C" locale's isspace accepts, lone CR included.
                    ReadCase{"1\r2\v3\f4\n5", {1, 2, 3, 4, 5}},
                    ReadCase{"2147483647 -2147483648 1\n", {2147483647, -2147483648, 1}},
                    // A value that does not fit 32 bits is no integer: reading stops there.
                    ReadCase{"1 2147483648 3\n", {1}}, ReadCase{"1 -2147483649 3\n", {1}},
                    ReadCase{"99999999999999999999999 1\n", {}},
                    ReadCase{"00000000000000000000007 1\n", {7, 1}}));

TEST(FormatRecord, WritesTheKeywordLineAndPlainDecimals) {
    char buffer[pcbfile::maxRecordText];
    const std::int64_t track[] = {100, 200, 900, 200, 40, 9, 0};
    EXPECT_EQ(pcbfile::formatRecord(buffer, RecordFamily::free, RecordKind::track, track),
              "FT\n100 200 900 200 40 9 0\n");
    const std::int64_t arc[] = {-15, 45, 0, 15, 10, 10};
    EXPECT_EQ(pcbfile::formatRecord(buffer, RecordFamily::component, RecordKind::arc, arc),
              "CA\n-15 45 0 15 10 10\n");
    // Values beyond 32 bits are written exactly, whatever their length.
    const std::int64_t wide[] = {INT64_MIN, INT64_MAX, -4294967296, 4294967494, 200, 10, -1};
    EXPECT_EQ(pcbfile::formatRecord(buffer, RecordFamily::component, RecordKind::track, wide),
              "CT\n-9223372036854775808 9223372036854775807 -4294967296 4294967494 200 10 -1\n");
}

TEST(Keywords, HeaderLineIsExact) {
    EXPECT_TRUE(pcbfile::isHeaderLine("PCB FILE 4\n"));
    EXPECT_TRUE(pcbfile::isHeaderLine("PCB FILE 5\n"));
    for (const char* line : {"PCB FILE 4", "PCB FILE 4 \n", "pcb file 4\n", "PCB FILE 6\n",
                             "\nPCB FILE 4\n", " PCB FILE 4\n", "PCB FILE 4\r\n", ""}) {
        EXPECT_FALSE(pcbfile::isHeaderLine(line)) << '"' << line << '"';
    }
}

TEST(Keywords, RecordsAreTheLeadingCharactersExactly) {
    const std::pair<const char*, const char*> table[] = {
        {"FA\n", "FA"},      {"FAR\n", "FA"},    {"CPUCLK\n", "CP"}, {"CV", "CV"},
        {"fa\n", nullptr},   {" FA\n", nullptr}, {"F\n", nullptr},   {"", nullptr},
        {"COMP\n", nullptr}, {"FZ\n", nullptr},
    };
    for (const auto& [line, keyword] : table) {
        const auto* found = pcbfile::recordKeywordOf(line);
        if (keyword) {
            ASSERT_NE(found, nullptr) << line;
            EXPECT_EQ(found->text, keyword);
        } else {
            EXPECT_EQ(found, nullptr) << line;
        }
    }
}

}  // namespace
