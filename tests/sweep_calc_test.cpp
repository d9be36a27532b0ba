#include <gtest/gtest.h>

#include "tests/case_name.h"

#include <cctype>
#include <cmath>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "numeric/number_text.h"
#include "res/sine_sweep_ids.h"
#include "sweep/sine_sweep_calc.h"
#include "sweep/sine_sweep_tables.h"

namespace {

using namespace res::sine_sweep;
using namespace sweep;
using Texts = std::vector<std::pair<int, std::string>>;

const char* const kInput = " Input Error ";
const char* const kPair = " Input Error";
const char* const kRate = " Please select rate type:  linear or log ";

// x1, x2 and x3 are the numbers of edits IDC_INPUT1, IDC_INPUT2 and
// IDC_INPUT3; the texts are in the order they are set.
struct SweepCase {
    const char* name;
    SweepAnalysis analysis;
    int sel;
    double x1, x2, x3;
    const char* message;
    Texts texts;
};

class SweepCalcTest : public ::testing::TestWithParam<SweepCase> {};

TEST_P(SweepCalcTest, GivesTheMessageOrTheTexts) {
    const SweepCase& c = GetParam();
    // Through the dispatch that Calculate, the random checker and the fuzzer
    // use, so each case also checks which inputs its analysis reads.
    const std::optional<SweepOutcome> calculated =
        CalculateAnalysis(static_cast<int>(c.analysis), c.sel, c.x1, c.x2, c.x3);
    ASSERT_TRUE(calculated.has_value());
    const SweepOutcome& outcome = *calculated;
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
    return {{IDC_OUTPUT1, std::string("disp = ") + d0 + " in zero-to-peak"},
            {IDC_OUTPUT2, std::string("disp = ") + dpp + " in peak-to-peak"},
            {IDC_OUTPUT3, std::string("vel  = ") + v + " in/sec"},
            {IDC_OUTPUT4, std::string("accel= ") + g + " G"}};
}

Texts Crossover(const char* f) { return {{IDC_OUTPUT1, std::string("Frequency = ") + f + " Hz"}}; }

const Texts kSixOctaves = {{IDC_OUTPUT2, "        6.64 octaves"}};

Texts WithOctaves(const char* octaves, int id, const char* text) {
    return {{IDC_OUTPUT2, std::string(octaves) + " octaves"}, {id, text}};
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
    ::testing::Values(
        SweepCase{"Upward", kOct, -1, 20, 2000, 0, nullptr, kSixOctaves},
        SweepCase{"DownwardSame", kOct, -1, 2000, 20, 0, nullptr, kSixOctaves},
        SweepCase{"ExactlyOne", kOct, -1, 10, 20, 0, nullptr, {{IDC_OUTPUT2, "           1 octaves"}}},
        SweepCase{"LastDigitDiffers", kOct, -1, 1000, 1001, 0, nullptr, {{IDC_OUTPUT2, "     0.00144 octaves"}}},
        SweepCase{"Equal", kOct, -1, 20, 20, 0, kInput, {}}, SweepCase{"ZeroFirst", kOct, -1, 0, 20, 0, kInput, {}},
        SweepCase{"NegativeSecond", kOct, -1, 20, -20, 0, kInput, {}}),
    halvex_test::CaseName());

INSTANTIATE_TEST_SUITE_P(
    SweepRate, SweepCalcTest,
    ::testing::Values(SweepCase{"LinearUpward", kRateA, 0, 20, 2000, 10, nullptr,
                                WithOctaves("        6.64", IDC_OUTPUT1, "         198  Hz/min")},
                      SweepCase{"LogUpward", kRateA, 1, 20, 2000, 10, nullptr,
                                WithOctaves("        6.64", IDC_OUTPUT1, "       0.664  octaves/min")},
                      SweepCase{"LinearDownwardIsNegative", kRateA, 0, 2000, 20, 10, nullptr,
                                WithOctaves("        6.64", IDC_OUTPUT1, "        -198  Hz/min")},
                      SweepCase{"LogDownwardUnchanged", kRateA, 1, 2000, 20, 10, nullptr,
                                WithOctaves("        6.64", IDC_OUTPUT1, "       0.664  octaves/min")},
                      SweepCase{"OverflowWritesMinusInf", kRateA, 0, 1e308, 1, 1e-10, nullptr,
                                WithOctaves("    1.02e+03", IDC_OUTPUT1, "        -inf  Hz/min")},
                      SweepCase{"NoTypeAskedBeforeNumbers", kRateA, -1, 0, 0, 0, kRate, {}},
                      SweepCase{"TypeTwoDoesNotExist", kRateA, 2, 20, 2000, 10, kRate, {}},
                      SweepCase{"ZeroDuration", kRateA, 0, 20, 2000, 0, kInput, {}},
                      SweepCase{"EqualFrequencies", kRateA, 1, 20, 20, 10, kInput, {}},
                      SweepCase{"ZeroSecondFrequency", kRateA, 1, 20, 0, 10, kInput, {}}),
    halvex_test::CaseName());

INSTANTIATE_TEST_SUITE_P(
    TotalSineCycles, SweepCalcTest,
    ::testing::Values(SweepCase{"LinearUpward", kCycles, 0, 20, 2000, 10, nullptr,
                                WithOctaves("        6.64", IDC_OUTPUT1, "       606000 cycles per sweep")},
                      SweepCase{"LogUpward", kCycles, 1, 20, 2000, 10, nullptr,
                                WithOctaves("        6.64", IDC_OUTPUT1, "       257971 cycles per sweep")},
                      SweepCase{"LinearOneOctave", kCycles, 0, 10, 20, 1, nullptr,
                                WithOctaves("           1", IDC_OUTPUT1, "          900 cycles per sweep")},
                      SweepCase{"LogOneOctave", kCycles, 1, 10, 20, 1, nullptr,
                                WithOctaves("           1", IDC_OUTPUT1, "      865.617 cycles per sweep")},
                      SweepCase{"LinearDownwardSame", kCycles, 0, 2000, 20, 10, nullptr,
                                WithOctaves("        6.64", IDC_OUTPUT1, "       606000 cycles per sweep")},
                      // Counted from the lower frequency, not from the first box.
                      SweepCase{"LogDownwardSameAsUpward", kCycles, 1, 2000, 20, 10, nullptr,
                                WithOctaves("        6.64", IDC_OUTPUT1, "       257971 cycles per sweep")},
                      SweepCase{"OverflowWritesInf", kCycles, 0, 1, 1e308, 1e10, nullptr,
                                WithOctaves("    1.02e+03", IDC_OUTPUT1, "          inf cycles per sweep")},
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

TEST(CalculateAnalysis, NoAnalysisChosenCalculatesNothing) {
    for (int analysis : {-1, 5}) EXPECT_FALSE(CalculateAnalysis(analysis, 0, 20, 2000, 10).has_value()) << analysis;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool Names(const char* text, const char* word) {
    return text != nullptr && Lower(text).find(word) != std::string::npos;
}

// The number after "=" in an output text, or the leading one.
// The number of an output text: the first word after any "=".
double NumberIn(const std::string& text) {
    const std::size_t equals = text.find('=');
    const std::size_t start = text.find_first_not_of(' ', equals == std::string::npos ? 0 : equals + 1);
    return halvex::ParseNumber(text.substr(start, text.find(' ', start) - start));
}

// What each list index means, as the item says it and as the calculation
// takes it: a swapped item, label or case would break one of these rows.
struct AnalysisMeaning {
    const char* name;
    int index;           // in the analysis list
    const char* item;    // a word of the item
    int sel;             // a valid input list choice for it
    const char* output;  // a word of one of its output texts
};

const AnalysisMeaning kAnalysisMeanings[] = {
    {"Amplitude", 0, "amplitude", 3, "disp"},       {"Crossover", 1, "crossover", 4, "frequency ="},
    {"Octaves", 2, "octaves", 0, "octaves"},        {"SweepRate", 3, "rate", 1, "octaves/min"},
    {"Cycles", 4, "cycles", 0, "cycles per sweep"},
};

class AnalysisItems : public ::testing::TestWithParam<AnalysisMeaning> {};

TEST_P(AnalysisItems, ItemNamesWhatTheDispatchCalculates) {
    const AnalysisMeaning& m = GetParam();
    const int index = m.index;
    ASSERT_LT(static_cast<std::size_t>(index), kAnalysisItems.count);
    EXPECT_TRUE(Names(kAnalysisItems.items[index], m.item)) << kAnalysisItems.items[index];
    const std::optional<SweepOutcome> outcome = CalculateAnalysis(index, m.sel, 20, 2000, 10);
    ASSERT_TRUE(outcome.has_value());
    bool named = false;
    for (const SweepOutput& output : outcome->outputs) named = named || Names(output.text.c_str(), m.output);
    EXPECT_TRUE(named) << m.output;
}

INSTANTIATE_TEST_SUITE_P(Sweep, AnalysisItems, ::testing::ValuesIn(kAnalysisMeanings), halvex_test::CaseName());

// Given quantity: the item, the label above the amplitude and the output
// box that shows the amplitude as typed name the same quantity.
TEST(SweepTables, GivenQuantityItemLabelAndEchoAgree) {
    struct Row {
        const char* item;
        const char* label;
        int echo;
    };
    const Row rows[] = {{"zero-to-peak", "zero-peak", IDC_OUTPUT1},
                        {"peak-to-peak", "peak-peak", IDC_OUTPUT2},
                        {"velocity", "velocity", IDC_OUTPUT3},
                        {"acceleration", "acceleration", IDC_OUTPUT4}};
    ASSERT_EQ(kGivenQuantityItems.count, std::size(rows));
    EXPECT_EQ(GivenQuantityLabel(-1), nullptr);
    EXPECT_EQ(GivenQuantityLabel(static_cast<int>(std::size(rows))), nullptr);
    for (int i = 0; i < static_cast<int>(std::size(rows)); ++i) {
        const Row& row = rows[i];
        EXPECT_TRUE(Names(kGivenQuantityItems.items[i], row.item)) << i;
        EXPECT_TRUE(Names(GivenQuantityLabel(i), row.label)) << i;
        std::string echo;
        for (const SweepOutput& output : CalculateAmplitude(100, 0.5, i).outputs) {
            if (output.id == row.echo) echo = output.text;
        }
        EXPECT_EQ(NumberIn(echo), 0.5) << i << ": " << echo;
    }
}

// Amplitude pairs: both labels name the pair's two sides, and the
// crossover of two amplitudes of one motion is that motion's frequency:
// 0.1 in zero-to-peak at 10 Hz is 0.2 in peak-to-peak, 2 pi in/sec and
// (20 pi)^2 x 0.1 / 386 G.
TEST(SweepTables, AmplitudePairItemsLabelsAndCrossoverAgree) {
    const double pi = std::atan2(0.0, -1.0);
    const double velocity = 2 * pi;
    const double acceleration = std::pow(20 * pi, 2) * 0.1 / 386.0;
    struct Row {
        const char* first;
        const char* second;
        double x1, x3;
    };
    const Row rows[] = {{"zero-peak", "velocity", 0.1, velocity},
                        {"zero-peak", "acceleration", 0.1, acceleration},
                        {"peak-peak", "velocity", 0.2, velocity},
                        {"peak-peak", "acceleration", 0.2, acceleration},
                        {"velocity", "acceleration", velocity, acceleration}};
    ASSERT_EQ(kAmplitudePairItems.count, std::size(rows));
    for (int outside : {-1, static_cast<int>(std::size(rows))}) {
        EXPECT_EQ(PairFirstLabel(outside), nullptr);
        EXPECT_EQ(PairSecondLabel(outside), nullptr);
    }
    for (int i = 0; i < static_cast<int>(std::size(rows)); ++i) {
        const Row& row = rows[i];
        const std::string item = kAmplitudePairItems.items[i];
        const std::size_t arrow = item.find("->");
        ASSERT_NE(arrow, std::string::npos) << item;
        EXPECT_TRUE(Names(item.substr(0, arrow).c_str(), row.first)) << item;
        EXPECT_TRUE(Names(item.substr(arrow).c_str(), row.second)) << item;
        EXPECT_TRUE(Names(PairFirstLabel(i), row.first)) << i;
        EXPECT_TRUE(Names(PairSecondLabel(i), row.second)) << i;
        const SweepOutcome outcome = CalculateCrossoverFrequency(row.x1, row.x3, i);
        ASSERT_EQ(outcome.outputs.size(), 1u) << i;
        EXPECT_NEAR(NumberIn(outcome.outputs[0].text), 10.0, 0.01) << outcome.outputs[0].text;
    }
}

}  // namespace
