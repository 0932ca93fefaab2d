#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "design_check.h"
#include "run_cli.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

struct Setting {
    const char* name;
    std::vector<std::string> arguments;
    std::set<int> planeLayers;
    bool padsReachAPlane;  // every corpus design then gets inserted records
};

const Setting settings[] = {
    {"Defaults", {}, {9}, false},
    {"BothPlanesWithPadsAndVias",
     {"--ground", "1", "--power", "6", "--ground-pads-vias", "--power-pads-vias"},
     {9, 10},
     true},
    {"BothPlanesFromOneLayer",
     {"--ground", "6", "--power", "6", "--ground-enlargement", "0", "--power-enlargement", "100",
      "--ground-pads-vias", "--power-pads-vias"},
     {9, 10},
     true},
    {"PowerPlaneOnly", {"--ground", "off", "--power", "1", "--power-pads-vias"}, {10}, true},
    {"EverythingOff", {"--ground", "off"}, {}, false},
};

struct CorpusCase {
    std::string design;  // relative to the test data folder
    const Setting* setting;
};

void PrintTo(const CorpusCase& c, std::ostream* out) {
    *out << c.design << ' ' << c.setting->name;
}

std::vector<CorpusCase> corpusCases() {
    std::vector<std::string> designs;
    for (const char* part : {"real", "converted"}) {
        for (const auto& entry :
             fs::directory_iterator(fs::path(CUPRENA_TEST_DATA_DIR) / "corpus" / part)) {
            const std::string extension = entry.path().extension().string();
            if (extension == ".pcb" || extension == ".PCB") {
                designs.push_back(fs::relative(entry.path(), CUPRENA_TEST_DATA_DIR).string());
            }
        }
    }
    std::sort(designs.begin(), designs.end());
    std::vector<CorpusCase> cases;
    for (const std::string& design : designs) {
        for (const Setting& setting : settings) {
            cases.push_back({design, &setting});
        }
    }
    return cases;
}

class CorpusConversion : public testing::TestWithParam<CorpusCase> {};

TEST_P(CorpusConversion, OutputIsTheInputWithWellMadePlaneRecords) {
    const std::string& design = GetParam().design;
    const Setting& setting = *GetParam().setting;
    const std::string input = bytesOf(fs::path(CUPRENA_TEST_DATA_DIR) / design);
    ScratchFolder folder;
    const std::string copy = folder.write("design.pcb", input);

    std::vector<std::string> arguments = setting.arguments;
    arguments.push_back(copy);
    const CliRun run = runCli(arguments);

    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "") << "no corpus design has a damaged record";
    const std::string output = bytesOf(folder.at("_esign.pcb"));
    const DesignCheck check = checkConvertedDesign(input, output, setting.planeLayers);
    for (const std::string& problem : check.problems) {
        ADD_FAILURE() << problem;
    }
    if (setting.planeLayers.empty()) {
        EXPECT_EQ(output, input) << "with both planes off the output is the input";
    } else if (setting.padsReachAPlane) {
        EXPECT_GT(check.insertedRecords, 0) << "every design has pads that reach a plane";
    }
    EXPECT_EQ(bytesOf(copy), input);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusConversion, testing::ValuesIn(corpusCases()),
                         [](const testing::TestParamInfo<CorpusCase>& param) {
                             std::string name =
                                 param.param.design + "_" + param.param.setting->name;
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](char c) {
                                     return !std::isalnum(static_cast<unsigned char>(c));
                                 },
                                 '_');
                             return name;
                         });

}  // namespace
