#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli/calc_request.h"
#include "numeric/number_text.h"
#include "planner/chart.h"
#include "planner/document.h"
#include "planner/plan.h"
#include "planner/plan_form.h"
#include "planner/quantity.h"

// The user's decimal comma: what a person types and reads takes it, what a
// program reads (documents, JSON, SVG coordinates) keeps the point.
namespace {

// The decimal comma for one test, the point again after it.
class DecimalComma : public ::testing::Test {
protected:
    void SetUp() override { halvex::SetDecimalComma(true); }
    void TearDown() override { halvex::SetDecimalComma(false); }
};

constexpr std::string_view kPlan = R"({
  "format": "halvex-plan", "version": 1,
  "gravity": 9.80665,
  "profile": [
    {"from": 5, "to": 12.5, "displacement_pp": "2.54 mm"},
    {"from": 12.5, "to": 200, "acceleration": "0.75 g"}
  ],
  "sweep": {"type": "log", "rate": "0.5 oct/min", "mode": "up-down", "sweeps": 2, "axes": 1},
  "shaker": {"rated_force": "2.2 kN", "force_fraction": 0.8, "moving_mass": {"armature": "1.5 kg"}}
}
)";

planner::PlanDocument Read(std::string_view text) {
    planner::PlanDocument document;
    std::string message;
    EXPECT_TRUE(planner::ReadPlanDocument(text, document, message)) << message;
    return document;
}

// A plan read and written, and taken through the window's fields and back,
// under the comma is byte for byte the plan of the point: a plan saved under
// German settings opens identically under English ones.
TEST_F(DecimalComma, PlanDocumentsKeepThePoint) {
    halvex::SetDecimalComma(false);
    const std::string pointWritten = planner::WritePlanDocument(Read(kPlan));
    halvex::SetDecimalComma(true);
    const planner::PlanDocument document = Read(kPlan);
    EXPECT_EQ(planner::WritePlanDocument(document), pointWritten);

    const planner::PlanFields fields = planner::FieldsOf(document);
    EXPECT_EQ(fields.rate, "0,5 oct/min");
    planner::PlanDocument edited;
    std::string problem;
    ASSERT_TRUE(planner::DocumentOf(fields, edited, problem)) << problem;
    EXPECT_EQ(planner::WritePlanDocument(edited), pointWritten);
}

// With the comma a point in a quantity field is not a number, as a comma
// is not with the point (the window test types "0,5 oct/min").
TEST_F(DecimalComma, QuantityFieldsRefuseThePoint) {
    planner::Quantity rate;
    std::string problem;
    EXPECT_FALSE(planner::ParseQuantityText("0.5 oct/min", planner::QuantityKind::SweepRate, rate, problem));
    EXPECT_EQ(problem, "\"0.5\" is not a number");
}

// The chart's labels and readout are read by a person, the SVG file's
// coordinates by a program.
TEST_F(DecimalComma, ChartLabelsTakeTheCommaAndSvgCoordinatesThePoint) {
    const planner::PlanDocument document = Read(kPlan);
    planner::PlanOutcome outcome;
    std::string message;
    ASSERT_TRUE(planner::EvaluatePlan(document, {}, outcome, message)) << message;
    planner::Chart chart;
    planner::DrawChart(document, outcome, chart);
    EXPECT_EQ(planner::ChartReadout(chart, {1.0, -1.0}), "10 Hz   3,183 mm p-p   0,1 m/s   0,6407 g");
    const std::string svg = planner::ChartSvg(chart, 800.5, 600);
    EXPECT_NE(svg.find("width=\"800.5\""), std::string::npos);
    const std::size_t range = svg.find("data-range=\"");
    ASSERT_NE(range, std::string::npos);
    EXPECT_EQ(svg.substr(range, svg.find('"', range + 12) - range).find(','), std::string::npos);
}

std::string Answer(const std::vector<std::string_view>& args) {
    halvex::cli::Scratch scratch;
    std::string out;
    std::string problem;
    halvex::cli::Format format = halvex::cli::Format::Text;
    EXPECT_EQ(halvex::cli::RunRequest(args, false, scratch, out, problem, format), halvex::cli::Status::Answered)
        << problem;
    return out;
}

// halvex-calc: its options are what scripts write (the point), its text and
// tsv are read by people (the comma), its JSON never changes.
TEST_F(DecimalComma, CalcTextTakesTheCommaAndJsonKeepsThePoint) {
    const std::vector<std::string_view> sine = {"sine",   "--dimension", "zp",          "--amplitude", "1.5",
                                                "--unit", "mm",          "--frequency", "10"};
    std::vector<std::string_view> json = sine;
    json.insert(json.end(), {"--format", "json"});
    std::vector<std::string_view> tsv = sine;
    tsv.insert(tsv.end(), {"--format", "tsv"});
    const std::string commaText = Answer(sine);
    const std::string commaTsv = Answer(tsv);
    const std::string commaJson = Answer(json);
    halvex::SetDecimalComma(false);
    EXPECT_EQ(Answer(json), commaJson);
    // 1.5 mm zero-to-peak is 3 mm peak-to-peak; 2 pi 10 Hz 1.5 mm is
    // 94.25 mm/s.
    EXPECT_NE(commaText.find("         1,5 mm\n"), std::string::npos) << commaText;
    EXPECT_NE(commaTsv.find("\t94,25\t"), std::string::npos) << commaTsv;
}

}  // namespace
