#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "planner/lab_form.h"

namespace {

planner::LabDocument ExampleLibrary() {
    std::ifstream file(std::string(HALVEX_SOURCE_DIR) + "/docs/examples/lab.halvex-lab", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    planner::LabDocument lab;
    std::string message;
    EXPECT_TRUE(planner::ReadLabDocument(text, lab, message)) << message;
    return lab;
}

// Every field of every kind of item reaches the editor's fields and comes
// back: a figure dropped or put in the wrong field would change the library.
TEST(LabFormTest, TheExampleLibraryGoesThroughTheFieldsUnchanged) {
    const planner::LabDocument lab = ExampleLibrary();
    const planner::LabFields fields = planner::LabFieldsOf(lab);
    EXPECT_EQ(fields.shakers[1].highestFrequency.text, "4000");
    EXPECT_EQ(fields.expanders[1].kind, static_cast<int>(planner::ExpanderKind::SlipTable));
    ASSERT_EQ(lab.templates.size(), 1u);  // not shown, and kept
    planner::LabDocument back;
    std::string problem;
    planner::LabPlace place;
    ASSERT_TRUE(planner::LabOf(fields, back, problem, place)) << problem;
    EXPECT_EQ(planner::WriteLabDocument(back), planner::WriteLabDocument(lab));
}

// A problem names the item and the field as the window shows them, and the
// place says which one to mark: the reader's path, of a later item too.
TEST(LabFormTest, AProblemNamesTheItemAndFieldItLiesIn) {
    planner::LabFields fields = planner::LabFieldsOf(ExampleLibrary());
    fields.fixtures[1].name = "Cube 200";
    planner::LabDocument lab;
    std::string problem;
    planner::LabPlace place;
    ASSERT_FALSE(planner::LabOf(fields, lab, problem, place));
    EXPECT_EQ(problem, "Fixture 2, Name: \"Cube 200\" is already the name of another in fixtures");
    EXPECT_EQ(place.list, planner::LabList::Fixtures);
    EXPECT_EQ(place.item, 1);
    EXPECT_EQ(place.key, "name");
}

TEST(LabFormTest, ACopyIsNamedSoThatNoOtherHasItsName) {
    EXPECT_EQ(planner::CopyName("S-9", {"S-9", "S-9 (copy)"}), "S-9 (copy 2)");
    EXPECT_EQ(planner::UniqueName("Shaker", {"Shaker 1", "Shaker 3"}), "Shaker 2");
}

}  // namespace
