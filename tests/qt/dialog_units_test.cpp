#include <gtest/gtest.h>

#include "tests/case_name.h"
#include "ui/qt/dialog_units.h"

namespace {

using ui::qt::BaseUnits;

struct BaseCase {
    const char* name;
    int alphabetWidth;
    int x;
};

class BaseUnitsTest : public ::testing::TestWithParam<BaseCase> {};

// 52 letters: width / 26 truncated, then halved rounding halves up.
TEST_P(BaseUnitsTest, AverageWidthOfTheAlphabet) {
    const BaseCase& c = GetParam();
    EXPECT_EQ(ui::qt::BaseUnitsFor(c.alphabetWidth, 15).x, c.x);
    EXPECT_EQ(ui::qt::BaseUnitsFor(c.alphabetWidth, 15).y, 15);
}

INSTANTIATE_TEST_SUITE_P(DialogUnits, BaseUnitsTest,
                         ::testing::Values(BaseCase{"Exact", 312, 6},         // 12 -> 6
                                           BaseCase{"HalfRoundsUp", 286, 6},  // 11 -> 6
                                           BaseCase{"BelowTheHalf", 285, 5},  // 10 -> 5
                                           BaseCase{"WiderFont", 338, 7}),    // 13 -> 7
                         halvex_test::CaseName());

struct PixelCase {
    const char* name;
    int dialogUnits;
    BaseUnits units;
    int horizontal;
    int vertical;
};

class PixelsTest : public ::testing::TestWithParam<PixelCase> {};

// x px = x du * base x / 4 and y px = y du * base y / 8, to the nearest
// pixel with halves rounded away from zero.
TEST_P(PixelsTest, QuarterAndEighthOfTheBaseUnits) {
    const PixelCase& c = GetParam();
    EXPECT_EQ(ui::qt::HorizontalPixels(c.dialogUnits, c.units), c.horizontal);
    EXPECT_EQ(ui::qt::VerticalPixels(c.dialogUnits, c.units), c.vertical);
}

INSTANTIATE_TEST_SUITE_P(DialogUnits, PixelsTest,
                         ::testing::Values(PixelCase{"ExitButtonX", 129, {6, 13}, 194, 210},     // 193.5, 209.625
                                           PixelCase{"MainMenuHeight", 108, {6, 13}, 162, 176},  // 162, 175.5
                                           PixelCase{"OneUnit", 1, {5, 13}, 1, 2},               // 1.25, 1.625
                                           PixelCase{"Zero", 0, {6, 13}, 0, 0},
                                           PixelCase{"Negative", -3, {6, 13}, -5, -5}),  // -4.5, -4.875
                         halvex_test::CaseName());

// Two edits that touch in dialog units, 158 + 14 = 172, with a 14-pixel
// character height: edges at 276.5 -> 277 and 301, so the first is 24
// pixels high and the second starts where it ends.
TEST(DialogUnits, TouchingRectanglesStillTouch) {
    const BaseUnits units{6, 14};
    const ui::qt::PixelRect first = ui::qt::ToPixels(169, 158, 73, 14, units);
    const ui::qt::PixelRect second = ui::qt::ToPixels(169, 172, 73, 14, units);
    EXPECT_EQ(first.y, 277);
    EXPECT_EQ(first.height, 24);
    EXPECT_EQ(second.y, 301);
    EXPECT_EQ(first.x, 254);      // 169 * 6 / 4 = 253.5
    EXPECT_EQ(first.width, 109);  // right edge 242 * 6 / 4 = 363
}

}  // namespace
