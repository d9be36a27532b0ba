#include <gtest/gtest.h>

#include "tests/case_name.h"

#include <string>
#include <utility>
#include <vector>

#include "sweep/sine_sweep_calc.h"
#include "sweep/sine_sweep_tables.h"

namespace {

using namespace sweep;
using Texts = std::vector<std::pair<int, std::string>>;

const char* const kInput = " Input Error ";
const char* const kPair = " Input Error";
const char* const kRate = " Please select rate type:  linear or log ";

// x1, x2 and x3 are the numbers of edits 1019, 1020 and 1021; the texts are
// in the order they are set.
struct SweepCase {
    const char* name;
    SweepAnalysis analysis;
    int sel;
    double x1, x2, x3;
    const char* message;
    Texts texts;
};

SweepOutcome Calculate(const SweepCase& c) {
    switch (c.analysis) {
        case SweepAnalysis::Amplitude:
            return CalculateAmplitude(c.x1, c.x3, c.sel);
        case SweepAnalysis::CrossoverFrequency:
            return CalculateCrossoverFrequency(c.x1, c.x3, c.sel);
        case SweepAnalysis::NumberOfOctaves:
            return CalculateNumberOfOctaves(c.x1, c.x2);
        case SweepAnalysis::SweepRate:
            return CalculateSweepRate(c.x1, c.x2, c.x3, c.sel);
        default:
            return CalculateTotalSineCycles(c.x1, c.x2, c.x3, c.sel);
    }
}

class SweepCalcTest : public ::testing::TestWithParam<SweepCase> {};

TEST_P(SweepCalcTest, GivesTheMessageOrTheTexts) {
    const SweepCase& c = GetParam();
    const SweepOutcome outcome = Calculate(c);
    Texts texts;
    for (const SweepOutput& output : outcome.outputs) texts.emplace_back(output.id, output.text);
    if (c.message == nullptr) {
        EXPECT_EQ(outcome.message, nullptr);
    } else {
        ASSERT_NE(outcome.message, nullptr);
        EXPECT_STREQ(outcome.message, c.message);
    }
    EXPECT_EQ(texts, c.texts);
}

constexpr SweepAnalysis kAmp = SweepAnalysis::Amplitude;
constexpr SweepAnalysis kCross = SweepAnalysis::CrossoverFrequency;
constexpr SweepAnalysis kOct = SweepAnalysis::NumberOfOctaves;
constexpr SweepAnalysis kRateA = SweepAnalysis::SweepRate;
constexpr SweepAnalysis kCycles = SweepAnalysis::TotalSineCycles;

Texts Amplitude(const char* d0, const char* dpp, const char* v, const char* g) {
    return {{1025, std::string("disp = ") + d0 + " in zero-to-peak"},
            {1029, std::string("disp = ") + dpp + " in peak-to-peak"},
            {1030, std::string("vel  = ") + v + " in/sec"},
            {1031, std::string("accel= ") + g + " G"}};
}

Texts Crossover(const char* f) { return {{1025, std::string("Frequency = ") + f + " Hz"}}; }

const Texts kSixOctaves = {{1029, "        6.64 octaves"}};

Texts WithOctaves(const char* octaves, int id, const char* text) {
    return {{1029, std::string(octaves) + " octaves"}, {id, text}};
}

INSTANTIATE_TEST_SUITE_P(
    Amplitude, SweepCalcTest,
    ::testing::Values(SweepCase{"TenGAtHundredHz", kAmp, 3, 100, 0, 10, nullptr,
                                Amplitude("     0.00978", "      0.0196", "        6.14", "          10")},
                      SweepCase{"TwoInchesPeakPeakAtFiftyHz", kAmp, 1, 50, 0, 2, nullptr,
                                Amplitude("           1", "           2", "         314", "         256")},
                      SweepCase{"ZeroPeakShownAsTyped", kAmp, 0, 100, 0, 0.01, nullptr,
                                Amplitude("        0.01", "        0.02", "        6.28", "        10.2")},
                      SweepCase{"VelocityShownAsTyped", kAmp, 2, 10, 0, 1, nullptr,
                                Amplitude("      0.0159", "      0.0318", "           1", "       0.163")},
                      SweepCase{"OneGAtTwoThousandHzInExponentForm", kAmp, 3, 2000, 0, 1, nullptr,
                                Amplitude("    2.44e-06", "    4.89e-06", "      0.0307", "           1")},
                      SweepCase{"OverflowWritesInfAndNan", kAmp, 0, 1e200, 0, 1, nullptr,
                                Amplitude("           1", "         nan", "         inf", "         inf")},
                      SweepCase{"NoQuantityLeavesAccelerationZero", kAmp, -1, 100, 0, 5, nullptr,
                                Amplitude("           0", "           0", "           0", "           0")},
                      SweepCase{"ZeroFrequency", kAmp, 3, 0, 0, 10, kInput, {}},
                      SweepCase{"NegativeFrequency", kAmp, 3, -100, 0, 10, kInput, {}},
                      SweepCase{"ZeroAmplitude", kAmp, 3, 100, 0, 0, kInput, {}},
                      SweepCase{"NegativeAmplitude", kAmp, 0, 100, 0, -1, kInput, {}}),
    halvex_test::CaseName());

INSTANTIATE_TEST_SUITE_P(
    Crossover, SweepCalcTest,
    ::testing::Values(SweepCase{"VelocityAcceleration", kCross, 4, 10, 0, 5, nullptr, Crossover("       30.72")},
                      // 386 exactly: 386.09 would give 61.45, 386.2197 61.47.
                      SweepCase{"OneGAgainstOneInchPerSec", kCross, 4, 1, 0, 1, nullptr, Crossover("       61.43")},
                      SweepCase{"DispZeroPeakVelocity", kCross, 0, 0.1, 0, 10, nullptr, Crossover("       15.92")},
                      SweepCase{"DispPeakPeakVelocity", kCross, 2, 0.2, 0, 10, nullptr, Crossover("       15.92")},
                      SweepCase{"DispZeroPeakAcceleration", kCross, 1, 0.1, 0, 10, nullptr, Crossover("       31.27")},
                      SweepCase{"DispPeakPeakAcceleration", kCross, 3, 0.2, 0, 10, nullptr, Crossover("       31.27")},
                      SweepCase{"UnknownPairGivesZero", kCross, 5, 1, 0, 1, nullptr, Crossover("           0")},
                      SweepCase{"OverflowWritesInf", kCross, 4, 1e-300, 0, 1e300, nullptr, Crossover("         inf")},
                      SweepCase{"ZeroFirst", kCross, 4, 0, 0, 5, kPair, {}},
                      SweepCase{"ZeroSecond", kCross, 4, 10, 0, 0, kPair, {}},
                      SweepCase{"NegativeSecond", kCross, 0, 0.1, 0, -10, kPair, {}},
                      SweepCase{"NoPairBlankBoxes", kCross, -1, 0, 0, 0, kPair, {}}),
    halvex_test::CaseName());

INSTANTIATE_TEST_SUITE_P(
    Octaves, SweepCalcTest,
    ::testing::Values(SweepCase{"Upward", kOct, -1, 20, 2000, 0, nullptr, kSixOctaves},
                      SweepCase{"DownwardSame", kOct, -1, 2000, 20, 0, nullptr, kSixOctaves},
                      SweepCase{"ExactlyOne", kOct, -1, 10, 20, 0, nullptr, {{1029, "           1 octaves"}}},
                      SweepCase{"LastDigitDiffers", kOct, -1, 1000, 1001, 0, nullptr, {{1029, "     0.00144 octaves"}}},
                      SweepCase{"Equal", kOct, -1, 20, 20, 0, kInput, {}},
                      SweepCase{"ZeroFirst", kOct, -1, 0, 20, 0, kInput, {}},
                      SweepCase{"NegativeSecond", kOct, -1, 20, -20, 0, kInput, {}}),
    halvex_test::CaseName());

INSTANTIATE_TEST_SUITE_P(SweepRate, SweepCalcTest,
                         ::testing::Values(SweepCase{"LinearUpward", kRateA, 0, 20, 2000, 10, nullptr,
                                                     WithOctaves("        6.64", 1025, "         198  Hz/min")},
                                           SweepCase{"LogUpward", kRateA, 1, 20, 2000, 10, nullptr,
                                                     WithOctaves("        6.64", 1025, "       0.664  octaves/min")},
                                           SweepCase{"LinearDownwardIsNegative", kRateA, 0, 2000, 20, 10, nullptr,
                                                     WithOctaves("        6.64", 1025, "        -198  Hz/min")},
                                           SweepCase{"LogDownwardUnchanged", kRateA, 1, 2000, 20, 10, nullptr,
                                                     WithOctaves("        6.64", 1025, "       0.664  octaves/min")},
                                           SweepCase{"OverflowWritesMinusInf", kRateA, 0, 1e308, 1, 1e-10, nullptr,
                                                     WithOctaves("    1.02e+03", 1025, "        -inf  Hz/min")},
                                           SweepCase{"NoTypeAskedBeforeNumbers", kRateA, -1, 0, 0, 0, kRate, {}},
                                           SweepCase{"TypeTwoDoesNotExist", kRateA, 2, 20, 2000, 10, kRate, {}},
                                           SweepCase{"ZeroDuration", kRateA, 0, 20, 2000, 0, kInput, {}},
                                           SweepCase{"EqualFrequencies", kRateA, 1, 20, 20, 10, kInput, {}},
                                           SweepCase{"ZeroSecondFrequency", kRateA, 1, 20, 0, 10, kInput, {}}),
                         halvex_test::CaseName());

INSTANTIATE_TEST_SUITE_P(
    TotalSineCycles, SweepCalcTest,
    ::testing::Values(SweepCase{"LinearUpward", kCycles, 0, 20, 2000, 10, nullptr,
                                WithOctaves("        6.64", 1025, "       606000 cycles per sweep")},
                      SweepCase{"LogUpward", kCycles, 1, 20, 2000, 10, nullptr,
                                WithOctaves("        6.64", 1025, "       257971 cycles per sweep")},
                      SweepCase{"LinearOneOctave", kCycles, 0, 10, 20, 1, nullptr,
                                WithOctaves("           1", 1025, "          900 cycles per sweep")},
                      SweepCase{"LogOneOctave", kCycles, 1, 10, 20, 1, nullptr,
                                WithOctaves("           1", 1025, "      865.617 cycles per sweep")},
                      SweepCase{"LinearDownwardSame", kCycles, 0, 2000, 20, 10, nullptr,
                                WithOctaves("        6.64", 1025, "       606000 cycles per sweep")},
                      // Counted from the lower frequency, not from the first box.
                      SweepCase{"LogDownwardSameAsUpward", kCycles, 1, 2000, 20, 10, nullptr,
                                WithOctaves("        6.64", 1025, "       257971 cycles per sweep")},
                      SweepCase{"OverflowWritesInf", kCycles, 0, 1, 1e308, 1e10, nullptr,
                                WithOctaves("    1.02e+03", 1025, "          inf cycles per sweep")},
                      SweepCase{"NoTypeAskedBeforeNumbers", kCycles, -1, 0, 0, 0, kRate, {}},
                      SweepCase{"ZeroDuration", kCycles, 1, 20, 2000, 0, kInput, {}},
                      SweepCase{"EqualFrequencies", kCycles, 0, 20, 20, 10, kInput, {}}),
    halvex_test::CaseName());

TEST(OctavesBetween, SameCountEitherWay) {
    EXPECT_NEAR(OctavesBetween(20, 2000), 6.643856189774724, 1e-12);
    EXPECT_EQ(OctavesBetween(2000, 20), OctavesBetween(20, 2000));
    EXPECT_EQ(OctavesBetween(10, 20), 1.0);
    EXPECT_EQ(OctavesBetween(20, 10), 1.0);
}

TEST(SweepTables, ItemsAndLabelsKeepTheirBlanks) {
    using Items = std::vector<std::string>;
    const auto items = [](const ItemTable& table) { return Items(table.begin(), table.end()); };
    EXPECT_EQ(items(kAnalysisItems),
              (Items{"Amplitude", "Crossover Frequency", "Number of Octaves", "Sweep Rate", "Total Sine Cycles"}));
    EXPECT_EQ(items(kGivenQuantityItems), (Items{"displacement (zero-to-peak)", "displacement (peak-to-peak)",
                                                 "velocity    ", "acceleration    "}));
    EXPECT_EQ(items(kAmplitudePairItems), (Items{"disp (zero-peak) -> velocity ", "disp (zero-peak) -> acceleration ",
                                                 "disp (peak-peak) -> velocity ", "disp (peak-peak) -> acceleration ",
                                                 "velocity         -> acceleration  "}));
    EXPECT_EQ(items(kRateTypeItems), (Items{"linear ", "log    "}));

    const auto labels = [](const char* (*label)(int), int count) {
        Items texts;
        for (int i = 0; i < count; ++i) texts.emplace_back(label(i));
        return texts;
    };
    EXPECT_EQ(labels(GivenQuantityLabel, 4),
              (Items{"Disp. (in zero-peak) ", "Disp. (in peak-peak) ", "Velocity (in/sec) ", "Acceleration (G) "}));
    EXPECT_EQ(labels(PairFirstLabel, 5),
              (Items{"Disp. (in zero-peak) ", "Disp. (in zero-peak) ", "Disp. (in peak-peak) ", "Disp. (in peak-peak) ",
                     "Velocity (in/sec) "}));
    EXPECT_EQ(labels(PairSecondLabel, 5), (Items{"Velocity (in/sec)", "Acceleration (G)", "Velocity (in/sec)",
                                                 "Acceleration (G)", "Acceleration (G)"}));
    for (int outside : {-1, 5}) {
        EXPECT_EQ(PairFirstLabel(outside), nullptr);
        EXPECT_EQ(PairSecondLabel(outside), nullptr);
    }
    EXPECT_EQ(GivenQuantityLabel(-1), nullptr);
    EXPECT_EQ(GivenQuantityLabel(4), nullptr);
}

}  // namespace
