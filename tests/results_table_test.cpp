#include <gtest/gtest.h>

#include "tests/case_name.h"

#include <string>
#include <vector>

#include "numeric/results_table.h"
#include "puresine/pure_sine_report.h"
#include "res/pure_sine_ids.h"
#include "sweep/sine_sweep_report.h"

namespace {

using halvex::ResultRow;
using Rows = std::vector<ResultRow>;

std::string Line(const ResultRow& r) { return r.quantity + "|" + r.form + "|" + r.value + "|" + r.unit; }

std::vector<std::string> Lines(const Rows& rows) {
    std::vector<std::string> lines;
    for (const ResultRow& r : rows) lines.push_back(Line(r));
    return lines;
}

TEST(ResultsTable, HeaderThenOneTabSeparatedLinePerRowEmptyFormKept) {
    const Rows rows = {{"displacement", "zero-to-peak", "0.0978", "in"}, {"octaves", "", "1", "oct"}};
    EXPECT_EQ(halvex::ResultsTable(rows),
              "quantity\tform\tvalue\tunit\n"
              "displacement\tzero-to-peak\t0.0978\tin\n"
              "octaves\t\t1\toct\n");
    EXPECT_EQ(halvex::ResultsTable({}), "quantity\tform\tvalue\tunit\n");
}

struct FieldCase {
    const char* name;
    const char* format;
    const char* text;
    const char* expected;
};

class NumberFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(NumberFieldTest, StripsPaddingAndLiteralText) {
    const FieldCase& c = GetParam();
    EXPECT_EQ(halvex::NumberField(c.format, c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberFieldTest,
    ::testing::Values(
        FieldCase{"PaddedWithUnit", "%12.4g mm", "       12.34 mm", "12.34"},
        FieldCase{"LiteralBefore", "disp = %12.3g in zero-to-peak", "disp =       0.0978 in zero-to-peak", "0.0978"},
        FieldCase{"UnitEndsInBlank", "%12.4g meters/sec ", "      0.6142 meters/sec ", "0.6142"},
        FieldCase{"TwoBlanksBeforeUnit", "%12.3g  Hz/min", "        -198  Hz/min", "-198"},
        FieldCase{"Exponent", "%12.4g micro inch", "       1e+06 micro inch", "1e+06"},
        FieldCase{"Infinity", "%12.4g mm", "         inf mm", "inf"},
        FieldCase{"MinusInfinity", "%12.3g octaves", "        -inf octaves", "-inf"},
        FieldCase{"NaN", "%12.4g G", "         nan G", "nan"},
        FieldCase{"WiderThanField", "%5.4g mm", "1.234e-100 mm", "1.234e-100"},
        FieldCase{"OtherUnit", "%12.4g mm", "       12.34 inches", ""},
        FieldCase{"OtherLiteralBefore", "disp = %12.3g in zero-to-peak", "vel  =         6.14 in/sec", ""},
        FieldCase{"NoNumber", "%12.4g mm", "  mm", ""}),
    halvex_test::CaseName());

TEST(PureSineRows, TranslationAndRotationUnitsForTheSameBox) {
    using namespace res::pure_sine;
    puresine::OutputTexts texts;
    texts.items[0] = {IDC_DISP_ZP_MM, "       12.34 mm"};
    texts.items[1] = {IDC_VEL_MM, "        57.3 mm/sec "};
    texts.items[2] = {IDC_ACC_G, "         inf G"};
    texts.count = 3;
    EXPECT_EQ(Lines(puresine::ResultRows(texts, false)),
              (std::vector<std::string>{"displacement|zero-to-peak|12.34|mm", "velocity|zero-to-peak|57.3|mm/s",
                                        "acceleration|zero-to-peak|inf|g"}));

    texts.items[0] = {IDC_DISP_PP_IN, "       22.92 degrees"};
    texts.items[1] = {IDC_VEL_MM, "        57.3 degrees/sec "};
    texts.items[2] = {IDC_DISP_PP_MILS, ""};  // blank under a rotation
    EXPECT_EQ(Lines(puresine::ResultRows(texts, true)),
              (std::vector<std::string>{"displacement|peak-to-peak|22.92|deg", "velocity|zero-to-peak|57.3|deg/s"}));
}

// Every text a calculation writes must be read back by the table's format:
// a format changed on one side only would leave a value empty.
TEST(PureSineRows, EveryCalculatedTextHasAValue) {
    for (int type = 0; type < 2; ++type) {
        puresine::PureSineOutcome outcome;
        puresine::CalculatePureSine({type, 0, 0, 0, 10.0, 1.0}, 6.283185307179586, 3.141592653589793, outcome);
        ASSERT_EQ(outcome.message, nullptr);
        const Rows rows = puresine::ResultRows(outcome.texts, type != 0);
        ASSERT_EQ(rows.size(), outcome.texts.count) << "type " << type;
        for (const ResultRow& row : rows) EXPECT_FALSE(row.value.empty()) << Line(row);
    }
}

struct SweepRowsCase {
    const char* name;
    sweep::SweepOutcome outcome;
    std::vector<std::string> expected;
};

class SweepRowsTest : public ::testing::TestWithParam<SweepRowsCase> {};

TEST_P(SweepRowsTest, OneRowPerOutputText) {
    EXPECT_EQ(Lines(sweep::ResultRows(GetParam().outcome)), GetParam().expected);
}

// By hand: 1 G at 10 Hz is 386 in/s^2; omega = 62.832 rad/s, so 0.09778 in
// zero-to-peak, 0.1956 in peak-to-peak, 6.143 in/s. 100 to 200 Hz is one
// octave; 10 to 2000 Hz in 10 min is 199 Hz/min; 10 to 160 Hz is 4 octaves,
// 2 oct/min over 2 min; 10 to 20 Hz in 1 min is 15 Hz mean times 60 s = 900.
INSTANTIATE_TEST_SUITE_P(
    Analyses, SweepRowsTest,
    ::testing::Values(
        SweepRowsCase{"Amplitude",
                      sweep::CalculateAmplitude(10.0, 1.0, 3),
                      {"displacement|zero-to-peak|0.0978|in", "displacement|peak-to-peak|0.196|in",
                       "velocity|zero-to-peak|6.14|in/s", "acceleration|zero-to-peak|1|g"}},
        SweepRowsCase{"Crossover", sweep::CalculateCrossoverFrequency(1.0, 6.283185307, 0), {"frequency||1|Hz"}},
        SweepRowsCase{"Octaves", sweep::CalculateNumberOfOctaves(100.0, 200.0), {"octaves||1|oct"}},
        SweepRowsCase{"LinearRate",
                      sweep::CalculateSweepRate(10.0, 2000.0, 10.0, 0),
                      {"octaves||7.64|oct", "sweep rate||199|Hz/min"}},
        SweepRowsCase{
            "LogRate", sweep::CalculateSweepRate(10.0, 160.0, 2.0, 1), {"octaves||4|oct", "sweep rate||2|oct/min"}},
        SweepRowsCase{
            "Cycles", sweep::CalculateTotalSineCycles(10.0, 20.0, 1.0, 0), {"octaves||1|oct", "cycles||900|cycles"}},
        SweepRowsCase{"MessageGivesNoRows", sweep::CalculateNumberOfOctaves(100.0, 100.0), {}}),
    halvex_test::CaseName());

}  // namespace
