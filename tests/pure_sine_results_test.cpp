// The result box table against what it must agree with: the dialog
// template, the captions above the grid, and the numbers the calculation
// puts in each row.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "numeric/number_text.h"
#include "puresine/pure_sine_calc.h"
#include "puresine/pure_sine_results.h"
#include "res/dialog_template.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"

namespace {

using puresine::Form;
using puresine::kResultBoxes;
using puresine::Quantity;
using puresine::ResultBox;
namespace ps = res::pure_sine;

const res::DialogTemplate& PureSineTemplate() { return *res::FindDialogTemplate(res::IDD_PURE_SINE); }

const res::ControlTemplate& Placed(int id) { return *PureSineTemplate().Find(id); }

TEST(PureSineResultTable, HoldsEachReadOnlyEditOfTheDialogOnce) {
    std::set<int> edits;
    for (const res::ControlTemplate& control : PureSineTemplate()) {
        if (control.kind == res::ControlKind::Edit && (control.style & res::kReadOnly) != 0) edits.insert(control.id);
    }
    std::set<int> boxes;
    for (const ResultBox& box : kResultBoxes) EXPECT_TRUE(boxes.insert(box.id).second) << box.id << " twice";
    EXPECT_EQ(boxes, edits);
    for (const ResultBox& box : kResultBoxes) EXPECT_EQ(puresine::FindResultBox(box.id), &box);
    EXPECT_EQ(puresine::FindResultBox(1038), nullptr);
}

// Each box stands under the caption of its quantity and form, and its row
// counts down that column, so a box given another's id or place is caught.
TEST(PureSineResultTable, GridPlaceAgreesWithTheTemplate) {
    const std::map<std::pair<Quantity, Form>, int> captions = {
        {{Quantity::Displacement, Form::ZeroToPeak}, ps::IDC_CAPTION_DISP_ZP},
        {{Quantity::Displacement, Form::PeakToPeak}, ps::IDC_CAPTION_DISP_PP},
        {{Quantity::Velocity, Form::ZeroToPeak}, ps::IDC_CAPTION_VELOCITY},
        {{Quantity::Acceleration, Form::ZeroToPeak}, ps::IDC_CAPTION_ACCELERATION},
    };
    for (const ResultBox& box : kResultBoxes) {
        int nearest = 0;
        for (const auto& [key, caption] : captions) {
            if (nearest == 0 ||
                std::abs(Placed(caption).x - Placed(box.id).x) < std::abs(Placed(nearest).x - Placed(box.id).x)) {
                nearest = caption;
            }
        }
        EXPECT_EQ(nearest, captions.at({box.quantity, box.form})) << box.id;
        for (const ResultBox& other : kResultBoxes) {
            if (other.column == box.column && other.row > box.row) {
                EXPECT_GT(Placed(other.id).y, Placed(box.id).y) << other.id << " below " << box.id;
            }
            if (other.column > box.column) {
                EXPECT_GT(Placed(other.id).x, Placed(box.id).x) << other.id;
            }
        }
    }
}

TEST(PureSineResultTable, RotationFillsTheFirstTwoRowsOfEachColumn) {
    std::set<int> rotation;
    for (const ResultBox& box : kResultBoxes) {
        EXPECT_EQ(box.rotationFormat != nullptr, box.rotationUnit != nullptr) << box.id;
        if (box.rotationFormat != nullptr) rotation.insert(box.id);
    }
    EXPECT_EQ(rotation, (std::set<int>{ps::IDC_DISP_PP_MM, ps::IDC_DISP_ZP_MM, ps::IDC_DISP_PP_IN, ps::IDC_DISP_ZP_IN,
                                       ps::IDC_VEL_M, ps::IDC_VEL_MM, ps::IDC_ACC_M, ps::IDC_ACC_MM}));
}

// The value in each box is the motion in that box's quantity, form and unit:
// displacement 1 m (or rad), velocity 10, acceleration 100 zero-to-peak.
// Factors by hand: 39.37 in/m, 9.81 m/s^2 per G, 180/pi degrees per radian.
double PerBaseUnit(const std::string& unit) {
    const double degrees = 180.0 / std::atan2(0.0, -1.0);
    const std::map<std::string, double> factors = {
        {"mm", 1e3},          {"um", 1e6},      {"in", 39.37},   {"mil", 39370.0},   {"uin", 39370000.0},
        {"m/s", 1.0},         {"mm/s", 1e3},    {"um/s", 1e6},   {"in/s", 39.37},    {"mil/s", 39370.0},
        {"uin/s", 3.937e7},   {"m/s^2", 1.0},   {"mm/s^2", 1e3}, {"in/s^2", 39.37},  {"g", 1.0 / 9.81},
        {"rad", 1.0},         {"deg", degrees}, {"rad/s", 1.0},  {"deg/s", degrees}, {"rad/s^2", 1.0},
        {"deg/s^2", degrees},
    };
    return factors.at(unit);
}

double Expected(const ResultBox& box, const char* unit) {
    const double base = box.quantity == Quantity::Displacement ? 1.0
                        : box.quantity == Quantity::Velocity   ? 10.0
                                                               : 100.0;
    return base * (box.form == Form::PeakToPeak ? 2.0 : 1.0) * PerBaseUnit(unit);
}

TEST(PureSineResultTable, EachRowShowsItsOwnQuantityAndUnit) {
    const puresine::Motion motion{1.0, 10.0, 100.0};
    for (int type : {0, 1}) {
        puresine::OutputTexts texts;
        if (type == 0) {
            puresine::TranslationTexts(motion, texts);
        } else {
            puresine::RotationTexts(motion, std::atan2(0.0, -1.0), texts);
        }
        std::size_t item = 0;
        for (const ResultBox& box : kResultBoxes) {
            const char* unit = type == 0 ? box.translationUnit : box.rotationUnit;
            if (unit == nullptr) continue;
            ASSERT_LT(item, texts.count);
            const puresine::OutputText& text = texts.items[item++];
            ASSERT_EQ(text.id, box.id);
            const double expected = Expected(box, unit);
            EXPECT_NEAR(halvex::ParseNumber(text.number), expected, expected * 1e-3) << text.text;
        }
        EXPECT_EQ(item, texts.count);
    }
}

}  // namespace
