#include <gtest/gtest.h>

#include "tests/case_name.h"

#include <cmath>
#include <cstddef>
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

TEST(PureSineRows, TranslationAndRotationUnitsForTheSameBox) {
    using namespace res::pure_sine;
    puresine::OutputTexts texts;
    texts.items[0] = {IDC_DISP_ZP_MM, "       12.34 mm", "12.34", 12.34};
    texts.items[1] = {IDC_VEL_MM, "        57.3 mm/sec ", "57.3", 57.3};
    texts.items[2] = {IDC_ACC_G, "         inf G", "inf", HUGE_VAL};
    texts.count = 3;
    EXPECT_EQ(Lines(puresine::ResultRows(texts, false)),
              (std::vector<std::string>{"displacement|zero-to-peak|12.34|mm", "velocity|zero-to-peak|57.3|mm/s",
                                        "acceleration|zero-to-peak|inf|g"}));

    texts.items[0] = {IDC_DISP_PP_IN, "       22.92 degrees", "22.92", 22.92};
    texts.items[1] = {IDC_VEL_MM, "        57.3 degrees/sec ", "57.3", 57.3};
    texts.items[2] = {IDC_DISP_PP_MILS, "", "", 0.0};  // blank under a rotation
    EXPECT_EQ(Lines(puresine::ResultRows(texts, true)),
              (std::vector<std::string>{"displacement|peak-to-peak|22.92|deg", "velocity|zero-to-peak|57.3|deg/s"}));
}

// The table's value is the number the box shows: the text's 12-wide field
// without its padding. A number formatted otherwise than its text (another
// precision, the other type's format) would differ.
TEST(PureSineRows, EachValueIsTheNumberItsTextShows) {
    for (int type = 0; type < 2; ++type) {
        puresine::PureSineOutcome outcome;
        puresine::CalculatePureSine({type, 0, 0, 0, 10.0, 1.0}, 6.283185307179586, 3.141592653589793, outcome);
        ASSERT_EQ(outcome.message, nullptr);
        const Rows rows = puresine::ResultRows(outcome.texts, type != 0);
        ASSERT_EQ(rows.size(), outcome.texts.count) << "type " << type;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::string& text = outcome.texts.items[i].text;
            const std::string field = text.substr(0, 12);
            EXPECT_EQ(rows[i].value, field.substr(field.find_first_not_of(' '))) << text;
        }
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
