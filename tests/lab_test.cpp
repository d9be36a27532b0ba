#include <gtest/gtest.h>

#include "tests/case_name.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "planner/file_io.h"
#include "planner/lab.h"
#include "tests/temp_file.h"

namespace {

std::string Lab(const std::string& members) {
    return R"({"format": "halvex-lab", "version": 1)" + (members.empty() ? "" : ", " + members) + "}";
}

struct BadLab {
    const char* name;
    std::string text;
    const char* message;
};

class LabRefusesTest : public ::testing::TestWithParam<BadLab> {};

TEST_P(LabRefusesTest, WithOneMessageNamingTheField) {
    planner::LabDocument lab;
    std::string message;
    EXPECT_FALSE(planner::ReadLabDocument(GetParam().text, lab, message));
    EXPECT_EQ(message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, LabRefusesTest,
    ::testing::Values(BadLab{"APlan", R"({"format": "halvex-plan", "version": 1})",
                             "format: unknown format; expected \"halvex-lab\""},
                      BadLab{"NewerVersion", R"({"format": "halvex-lab", "version": 2})",
                             "version: this library is of a newer version than this program reads (1)"},
                      BadLab{"UnknownField", Lab(R"("shakers": [{"name": "S-9", "colour": "blue"}])"),
                             "shakers[0].colour: unknown field"},
                      BadLab{"NoName", Lab(R"("fixtures": [{"mass": "9 kg"}])"), "fixtures[0].name: missing"},
                      BadLab{"SameNameTwice", Lab(R"("expanders": [{"name": "HE-600"}, {"name": "HE-600"}])"),
                             "expanders[1].name: \"HE-600\" is already the name of another in expanders"},
                      BadLab{"ForceInMetres", Lab(R"("shakers": [{"name": "S-9", "rated_force": "9 m"}])"),
                             "shakers[0].rated_force: \"m\" is not a unit of a force (N, kN, lbf)"},
                      BadLab{"DeratingAboveOne", Lab(R"("derating": {"force": 1.2})"),
                             "derating.force: must be a number above 0 and at most 1"},
                      BadLab{"UnknownKind", Lab(R"("expanders": [{"name": "X", "kind": "turntable"}])"),
                             "expanders[0].kind: must be one of \"head expander\", \"slip table\""},
                      BadLab{"RangeBackwards",
                             Lab(R"("shakers": [{"name": "S", "frequency_range": ["3000 Hz", "5 Hz"]}])"),
                             "shakers[0].frequency_range[1]: must be above the lowest frequency"},
                      BadLab{"FieldToFill", Lab(R"("fixtures": [{"name": "F", "mass": "?"}])"),
                             "fixtures[0].mass: expected a number and a unit, such as \"20 kg\""}),
    halvex_test::CaseName());

TEST(LabDocumentTest, TheExampleLibraryReadsAndWritesBackEqual) {
    std::ifstream file(std::string(HALVEX_SOURCE_DIR) + "/docs/examples/lab.halvex-lab", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    planner::LabDocument lab;
    std::string message;
    ASSERT_TRUE(planner::ReadLabDocument(text, lab, message)) << message;
    EXPECT_EQ(lab.derating.force, 0.8);
    ASSERT_NE(lab.FindExpander("ST-600"), nullptr);
    EXPECT_EQ(lab.FindExpander("ST-600")->kind, planner::ExpanderKind::SlipTable);
    EXPECT_EQ(planner::WriteLabDocument(lab), text);
}

// A library not made yet is an empty one; one that is there but does not
// read is never written over.
TEST(LabDocumentTest, AFileThatDoesNotReadIsNeverWrittenOver) {
    const std::string path = TestTempPath(".halvex-lab");
    std::remove(path.c_str());
    const planner::OpenedLab missing = planner::OpenLab(path);
    EXPECT_TRUE(missing.readable);
    EXPECT_FALSE(missing.exists);
    EXPECT_TRUE(missing.lab.shakers.empty());

    const std::string newer = R"({"format": "halvex-lab", "version": 7, "shakers": []})";
    std::ofstream(path, std::ios::binary) << newer;
    const planner::OpenedLab opened = planner::OpenLab(path);
    EXPECT_FALSE(opened.readable);
    std::string message;
    EXPECT_FALSE(planner::SaveLab(path, planner::LabDocument(), message));
    EXPECT_NE(message.find("not written over"), std::string::npos) << message;
    std::string text;
    ASSERT_TRUE(planner::ReadTextFile(path, text));
    EXPECT_EQ(text, newer);
    std::remove(path.c_str());
}

}  // namespace
