#include <gtest/gtest.h>

#include "tests/case_name.h"

#include <cmath>
#include <map>
#include <string>

#include "puresine/pure_sine_calc.h"
#include "puresine/pure_sine_tables.h"
#include "res/pure_sine_ids.h"

namespace {

using namespace puresine;
using namespace res::pure_sine;

const double kPi = std::atan2(0.0, -1.0);
const double kTwoPi = 2.0 * kPi;

std::map<int, std::string> Texts(const PureSineOutcome& outcome) {
    std::map<int, std::string> texts;
    for (const OutputText& item : outcome.texts) texts[item.id] = item.text;
    return texts;
}

PureSineOutcome Calculate(int type, int dimension, int unit, int frequencyUnit, double frequency, double amplitude) {
    PureSineOutcome outcome;
    CalculatePureSine(PureSineInputs{type, dimension, unit, frequencyUnit, frequency, amplitude}, kTwoPi, kPi, outcome);
    return outcome;
}

TEST(PureSineTranslation, OneInchPeakToPeakAtTenHz) {
    const PureSineOutcome outcome = Calculate(0, 0, 2, 0, 10, 1);
    ASSERT_EQ(outcome.message, nullptr);
    EXPECT_NEAR(outcome.omega, 62.83185307, 1e-8);
    EXPECT_NEAR(outcome.motion.zeroPeak, 0.0127000254, 1e-10);
    EXPECT_NEAR(outcome.motion.velocity, 0.79796613, 1e-8);
    EXPECT_NEAR(outcome.motion.acceleration, 50.1376906, 1e-7);
    // Leading blanks right-align each number in twelve characters.
    const std::map<int, std::string> expected = {
        {IDC_DISP_PP_MM, "        25.4 mm"},
        {IDC_DISP_ZP_MM, "        12.7 mm"},
        {IDC_DISP_PP_IN, "           1 inches"},
        {IDC_DISP_ZP_IN, "         0.5 inches"},
        {IDC_DISP_PP_MILS, "        1000 Mils"},
        {IDC_DISP_ZP_MILS, "         500 Mils"},
        {IDC_DISP_PP_UIN, "       1e+06 micro inch"},
        {IDC_DISP_ZP_UIN, "       5e+05 micro inch"},
        {IDC_DISP_PP_MICRONS, "    2.54e+04 microns"},
        {IDC_DISP_ZP_MICRONS, "    1.27e+04 microns"},
        {IDC_VEL_M, "       0.798 meters/sec "},
        {IDC_VEL_MM, "         798 mm/sec "},
        {IDC_VEL_MICRONS, "    7.98e+05 microns/sec "},
        {IDC_VEL_IN, "       31.42 inches/sec "},
        {IDC_VEL_MILS, "   3.142e+04 Mils/sec "},
        {IDC_VEL_UIN, "   3.142e+07 micro inches/sec "},
        {IDC_ACC_M, "       50.14 meters/sec^2"},
        {IDC_ACC_MM, "   5.014e+04 mm/sec^2"},
        {IDC_ACC_IN, "        1974 inches/sec^2"},
        {IDC_ACC_G, "       5.111 G"},
    };
    EXPECT_EQ(Texts(outcome), expected);
    // The order of setting is part of the behaviour: millimetres first, G last.
    EXPECT_EQ(outcome.texts.items[0].id, IDC_DISP_PP_MM);
    EXPECT_EQ(outcome.texts.items[4].id, IDC_DISP_PP_MILS);
    EXPECT_EQ(outcome.texts.items[19].id, IDC_ACC_G);
}

TEST(PureSineTranslation, OneGAtOneHundredHz) {
    const PureSineOutcome outcome = Calculate(0, 3, 6, 0, 100, 1);
    ASSERT_EQ(outcome.message, nullptr);
    EXPECT_NEAR(outcome.motion.zeroPeak, 2.4849020e-05, 1e-12);
    const auto texts = Texts(outcome);
    EXPECT_EQ(texts.at(IDC_DISP_ZP_MM), "     0.02485 mm");
    EXPECT_EQ(texts.at(IDC_DISP_PP_MM), "      0.0497 mm");
    EXPECT_EQ(texts.at(IDC_VEL_IN), "      0.6147 inches/sec ");
    EXPECT_EQ(texts.at(IDC_ACC_M), "        9.81 meters/sec^2");
    EXPECT_EQ(texts.at(IDC_ACC_IN), "       386.2 inches/sec^2");
    EXPECT_EQ(texts.at(IDC_ACC_G), "           1 G");
}

// Each unit index names the same length unit in every table; checked by
// a zero-peak displacement that converts to exactly one millimetre.
struct UnitCase {
    const char* name;
    int unit;
    double amplitude;
};

class PureSineUnitTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(PureSineUnitTest, ZeroPeakDisplacementConvertsToMetres) {
    const UnitCase& c = GetParam();
    const PureSineOutcome outcome = Calculate(0, 1, c.unit, 0, 1, c.amplitude);
    ASSERT_EQ(outcome.message, nullptr);
    EXPECT_EQ(Texts(outcome).at(IDC_DISP_ZP_MM), "           1 mm");
}

INSTANTIATE_TEST_SUITE_P(Units, PureSineUnitTest,
                         ::testing::Values(UnitCase{"MicroInches", 0, 39370.0}, UnitCase{"Mils", 1, 39.37},
                                           UnitCase{"Inches", 2, 0.03937}, UnitCase{"Microns", 3, 1000.0},
                                           UnitCase{"Millimetres", 4, 1.0}, UnitCase{"Metres", 5, 0.001}),
                         halvex_test::CaseName());

TEST(PureSineTranslation, UnitStepFollowsQuantityStep) {
    // Velocity in inches/sec: (A / omega) / 39.37.
    const PureSineOutcome outcome = Calculate(0, 2, 2, 1, 10, 5);
    ASSERT_EQ(outcome.message, nullptr);
    EXPECT_EQ(outcome.motion.zeroPeak, (5.0 / 10.0) / 39.37);
    // G applies only to acceleration; index 6 with another dimension is metres.
    EXPECT_EQ(TranslationMotion(1, 6, 2.0, 1.0).zeroPeak, 2.0);
}

TEST(PureSineTranslation, RadiansPerSecondTakesTheFrequencyAsTyped) {
    EXPECT_EQ(Calculate(0, 0, 2, 1, 10, 1).omega, 10.0);
    EXPECT_NEAR(Calculate(0, 0, 2, 0, 10, 1).omega, 62.83185307, 1e-8);
}

TEST(PureSineRotation, TwoDegreesPeakToPeakAtFiveHz) {
    const PureSineOutcome outcome = Calculate(1, 0, 1, 0, 5, 2);
    ASSERT_EQ(outcome.message, nullptr);
    EXPECT_NEAR(outcome.motion.zeroPeak, 0.0174532925, 1e-10);
    EXPECT_NEAR(outcome.motion.velocity, 0.548311356, 1e-9);
    EXPECT_NEAR(outcome.motion.acceleration, 17.2257093, 1e-7);
    const std::map<int, std::string> expected = {
        {IDC_DISP_PP_MM, "     0.03491 radians"},  {IDC_DISP_ZP_MM, "     0.01745 radians"},
        {IDC_DISP_PP_IN, "           2 degrees"},  {IDC_DISP_ZP_IN, "           1 degrees"},
        {IDC_VEL_M, "      0.5483 radians/sec "},  {IDC_VEL_MM, "       31.42 degrees/sec "},
        {IDC_ACC_M, "       17.23 radians/sec^2"}, {IDC_ACC_MM, "         987 degrees/sec^2"},
    };
    EXPECT_EQ(Texts(outcome), expected);
}

TEST(PureSineRotation, EdgeCases) {
    auto texts = Texts(Calculate(1, 3, 0, 0, 1, 1));  // 1 rad/s^2 at 1 Hz
    EXPECT_EQ(texts.at(IDC_DISP_ZP_MM), "     0.02533 radians");
    EXPECT_EQ(texts.at(IDC_DISP_ZP_IN), "       1.451 degrees");
    EXPECT_EQ(texts.at(IDC_VEL_M), "      0.1592 radians/sec ");
    EXPECT_EQ(texts.at(IDC_ACC_M), "           1 radians/sec^2");
    EXPECT_EQ(texts.at(IDC_ACC_MM), "        57.3 degrees/sec^2");

    texts = Texts(Calculate(1, 1, 1, 0, 1, 180));  // 180 degrees zero-peak
    EXPECT_EQ(texts.at(IDC_DISP_ZP_MM), "       3.142 radians");
    EXPECT_EQ(texts.at(IDC_DISP_ZP_IN), "         180 degrees");

    texts = Texts(Calculate(1, 2, 1, 1, 2, 90));  // 90 degrees/sec at 2 rad/s
    EXPECT_EQ(texts.at(IDC_DISP_ZP_MM), "      0.7854 radians");
    EXPECT_EQ(texts.at(IDC_DISP_ZP_IN), "          45 degrees");
    EXPECT_EQ(texts.at(IDC_ACC_MM), "         180 degrees/sec^2");

    texts = Texts(Calculate(1, 1, 0, 0, 10, 1));  // 1 radian zero-peak at 10 Hz
    EXPECT_EQ(texts.at(IDC_VEL_MM), "        3600 degrees/sec ");
    EXPECT_EQ(texts.at(IDC_ACC_MM), "   2.262e+05 degrees/sec^2");
}

TEST(PureSineRotation, RadiansPerDegreeIsTheReciprocalOfDegreesPerRadian) {
    const double degreesPerRadian = 180.0 / kPi;
    EXPECT_EQ(RotationMotion(1, 1, 1.0, 1.0, kPi).zeroPeak, 1.0 * (1.0 / degreesPerRadian));
}

struct CheckCase {
    const char* name;
    int unit;
    int dimension;
    double frequency;
    double amplitude;
    const char* message;  // nullptr: passes
};

class PureSineCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(PureSineCheckTest, FirstFailingCheckGivesItsMessage) {
    const CheckCase& c = GetParam();
    const char* message = CheckInputs(PureSineInputs{0, c.dimension, c.unit, 0, c.frequency, c.amplitude});
    if (c.message == nullptr) {
        EXPECT_EQ(message, nullptr);
    } else {
        ASSERT_NE(message, nullptr);
        EXPECT_STREQ(message, c.message);
    }
}

const double kNaN = std::nan("");
const double kInf = HUGE_VAL;

INSTANTIATE_TEST_SUITE_P(
    Checks, PureSineCheckTest,
    ::testing::Values(CheckCase{"BoundsIncluded", 0, 0, 1e-12, 1e100, nullptr},
                      CheckCase{"UpperBoundsIncluded", 0, 0, 1e100, 1e-12, nullptr},
                      CheckCase{"ZeroFrequency", 0, 0, 0.0, 1.0, "Please enter valid frequency. "},
                      CheckCase{"NegativeFrequency", 0, 0, -5.0, 1.0, "Please enter valid frequency. "},
                      CheckCase{"FrequencyBelowWindow", 0, 0, 9.9e-13, 1.0, "Please enter valid frequency. "},
                      CheckCase{"FrequencyAboveWindow", 0, 0, 1.0000000001e100, 1.0, "Please enter valid frequency. "},
                      CheckCase{"FrequencyNaN", 0, 0, kNaN, 1.0, "Please enter valid frequency. "},
                      CheckCase{"FrequencyInfinite", 0, 0, kInf, 1.0, "Please enter valid frequency. "},
                      CheckCase{"BothInvalidFrequencyFirst", 0, 0, 0.0, 0.0, "Please enter valid frequency. "},
                      CheckCase{"ZeroAmplitude", 0, 0, 1.0, 0.0, "Please enter valid amplitude. "},
                      CheckCase{"AmplitudeNaN", 0, 0, 1.0, kNaN, "Please enter valid amplitude. "},
                      CheckCase{"NumbersBeforeUnit", -1, 0, 1.0, 0.0, "Please enter valid amplitude. "},
                      CheckCase{"NoUnit", -1, 0, 1.0, 1.0, "Please select input unit. "},
                      CheckCase{"UnitSevenDoesNotExist", 7, 3, 1.0, 1.0, "Please select input unit. "},
                      CheckCase{"GIsTheLastUnit", 6, 3, 1.0, 1.0, nullptr},
                      CheckCase{"NoDimension", 2, -1, 1.0, 1.0, "Please select input dimension. "},
                      CheckCase{"UnitBeforeDimension", -1, -1, 1.0, 1.0, "Please select input unit. "}),
    halvex_test::CaseName());

TEST(PureSineCalculate, FailedCheckProducesNoTexts) {
    const PureSineOutcome outcome = Calculate(0, 0, 2, 0, 0, 1);
    ASSERT_NE(outcome.message, nullptr);
    EXPECT_EQ(outcome.texts.count, 0u);
}

TEST(PureSineTables, UnitTableByTypeAndDimension) {
    EXPECT_EQ(AmplitudeUnitTable(0, 0), &kDisplacementUnits);
    EXPECT_EQ(AmplitudeUnitTable(0, 1), &kDisplacementUnits);
    EXPECT_EQ(AmplitudeUnitTable(0, 2), &kVelocityUnits);
    EXPECT_EQ(AmplitudeUnitTable(0, 3), &kAccelerationUnits);
    EXPECT_EQ(AmplitudeUnitTable(1, 0), &kAngleUnits);
    EXPECT_EQ(AmplitudeUnitTable(1, 2), &kAngularVelocityUnits);
    EXPECT_EQ(AmplitudeUnitTable(1, 3), &kAngularAccelerationUnits);
    EXPECT_EQ(AmplitudeUnitTable(-1, 0), nullptr);
    EXPECT_EQ(AmplitudeUnitTable(0, -1), nullptr);
    EXPECT_EQ(AmplitudeUnitTable(2, 0), nullptr);

    EXPECT_STREQ(kDisplacementUnits.items[1], "Mils");  // table order, not alphabetical
    EXPECT_STREQ(kVelocityUnits.items[3], "microns/sec");
    EXPECT_STREQ(kAccelerationUnits.items[3], "microns/sec^2");
    EXPECT_EQ(kAccelerationUnits.count, 7u);
    EXPECT_STREQ(kAccelerationUnits.items[6], "G");
    EXPECT_EQ(kDisplacementUnits.count, 6u);
    EXPECT_EQ(kAngleUnits.count, 2u);
}

}  // namespace
