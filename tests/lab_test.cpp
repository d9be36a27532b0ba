#include <gtest/gtest.h>

#include "tests/case_name.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "planner/file_io.h"
#include "planner/lab.h"
#include "planner/plan.h"
#include "planner/ranking.h"
#include "planner/templates.h"
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
    ::testing::Values(
        BadLab{"APlan", R"({"format": "halvex-plan", "version": 1})",
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
        BadLab{"RangeBackwards", Lab(R"("shakers": [{"name": "S", "frequency_range": ["3000 Hz", "5 Hz"]}])"),
               "shakers[0].frequency_range[1]: must be above the lowest frequency"},
        BadLab{"TemplateWithoutId",
               Lab(R"("templates": [{"format": "halvex-plan", "version": 2, "template": {"title": "T"},
                   "profile": [{"from": 5, "to": 500, "acceleration": "? g"}]}])"),
               "templates[0].template.id: missing; a library's template needs an id"},
        BadLab{"TemplateIdTwice",
               Lab(R"("templates": [{"format": "halvex-plan", "version": 2, "template": {"id": "a", "title": "T"},
                   "profile": [{"from": 5, "to": 500, "acceleration": "1 g"}]},
                   {"format": "halvex-plan", "version": 2, "template": {"id": "a", "title": "U"},
                   "profile": [{"from": 5, "to": 500, "acceleration": "1 g"}]}])"),
               "templates[1].template.id: \"a\" is already the id of templates[0]"},
        BadLab{"TemplateUnknownField",
               Lab(R"("templates": [{"format": "halvex-plan", "version": 2, "template": {"id": "a", "title": "T",
                   "edition": 3}, "profile": [{"from": 5, "to": 500, "acceleration": "1 g"}]}])"),
               "templates[0].template.edition: unknown field"},
        BadLab{"TemplateTitleToFill",
               Lab(R"("templates": [{"format": "halvex-plan", "version": 2, "template": {"id": "a", "title": "?"},
                   "profile": [{"from": 5, "to": 500, "acceleration": "1 g"}]}])"),
               "templates[0].template.title: a field to fill (\"?\") stands for a figure, not for a name or a text"},
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

namespace {

constexpr double kG = 9.80665;

const char* const kThreeShakers = R"({"format": "halvex-lab", "version": 1, "derating": {"force": 0.8},
    "shakers": [{"name": "S-2.2", "rated_force": "2.2 kN", "armature": "2 kg"},
                {"name": "S-22", "rated_force": "22 kN", "armature": "20 kg"},
                {"name": "S-9", "rated_force": "9 kN", "armature": "5 kg", "stroke_pp": "51 mm"}],
    "fixtures": [{"name": "Plate", "mass": "9 kg", "first_resonance": "1800 Hz"}]})";

planner::LabDocument ThreeShakers() {
    planner::LabDocument lab;
    std::string message;
    EXPECT_TRUE(planner::ReadLabDocument(kThreeShakers, lab, message)) << message;
    return lab;
}

planner::PlanOutcome Evaluate(const std::string& text, const planner::LabDocument& lab,
                              planner::PlanDocument& document) {
    planner::PlanQuery query;
    query.lab = &lab;
    planner::PlanOutcome outcome;
    std::string message;
    EXPECT_TRUE(planner::ReadPlanDocument(text, document, message)) << message;
    EXPECT_TRUE(planner::EvaluatePlan(document, query, outcome, message)) << message;
    return outcome;
}

// A shaker named from the library takes its derating unless the plan gives
// its own force fraction; each check keeps the rated figure beside the usable.
TEST(LabChecks, TheLibrarysDeratingAppliesToANamedShaker) {
    const planner::LabDocument lab = ThreeShakers();
    const std::string named = R"({"format": "halvex-plan", "version": 2,
        "profile": [{"from": 5, "to": 500, "acceleration": "2 g"}],
        "shaker": {"name": "S-9", "rated_force": "9 kN", "moving_mass": {"armature": "5 kg", "specimen": "20 kg"},
                   "frequency_range": ["5 Hz", "3000 Hz"]}})";
    planner::PlanDocument document;
    const planner::PlanOutcome derated = Evaluate(named, lab, document);
    const planner::ShakerCheck& force = derated.shaker->checks.at(0);
    EXPECT_NEAR(force.required, 490.3325, 1e-9);
    EXPECT_EQ(force.available, 7200.0);
    EXPECT_EQ(force.rated, 9000.0);
    EXPECT_NEAR(force.margin, 14.7, 0.05);
    EXPECT_NEAR(force.rated / force.required, 18.4, 0.05);
    // A test that starts where the shaker's range does reaches no limit there.
    EXPECT_EQ(planner::BindingCheck(*derated.shaker), &force);

    std::string own = named;
    own.replace(own.find("\"rated_force\""), 0, "\"force_fraction\": 1, ");
    EXPECT_EQ(Evaluate(own, lab, document).shaker->checks.at(0).available, 9000.0);

    // 500 lbf moving 105 lb: 4.76 g rated, 3.81 g at the library's 0.8.
    const planner::PlanOutcome pounds = Evaluate(R"({"format": "halvex-plan", "version": 2,
        "profile": [{"from": 5, "to": 500, "acceleration": "1 g"}],
        "shaker": {"name": "S-9", "rated_force": "500 lbf", "moving_mass": {"specimen": "105 lb"}}})",
                                                 lab, document);
    EXPECT_NEAR(*pounds.shaker->ratedMaxAcceleration / kG, 4.76, 0.005);
    EXPECT_NEAR(*pounds.shaker->maxAcceleration / kG, 3.81, 0.005);
    // The plan's copy of S-9 differs from the library's: said, never taken silently.
    EXPECT_EQ(pounds.labDifferences,
              (std::vector<std::string>{"shaker.rated_force: 500 lbf in the plan, 9 kN in the library",
                                        "shaker.stroke_pp: none in the plan, 51 mm in the library",
                                        "shaker.moving_mass.armature: none in the plan, 5 kg in the library"}));
}

TEST(LabChecks, RanksTheSmallestShakerThatCanRunThePlanFirst) {
    const planner::LabDocument lab = ThreeShakers();
    planner::PlanDocument document;
    const planner::PlanOutcome outcome = Evaluate(R"({"format": "halvex-plan", "version": 1,
        "profile": [{"from": 20, "to": 2000, "acceleration": "10 g"}],
        "shaker": {"moving_mass": {"fixture": "9 kg", "specimen": "8 kg"}}})",
                                                  lab, document);
    std::vector<planner::RankedShaker> ranking;
    std::string message;
    ASSERT_TRUE(planner::RankShakers(document, outcome, lab, ranking, message)) << message;
    ASSERT_EQ(ranking.size(), 3u);
    EXPECT_EQ(ranking[0].shaker, "S-9");
    EXPECT_NEAR(ranking[0].Binding()->margin, 3.34, 0.005);
    EXPECT_EQ(ranking[1].shaker, "S-22");
    EXPECT_NEAR(ranking[1].Binding()->margin, 4.85, 0.005);
    EXPECT_EQ(ranking[2].shaker, "S-2.2");
    EXPECT_FALSE(ranking[2].result.ok);
    EXPECT_NEAR(ranking[2].Binding()->required, 1863.26, 0.005);
    EXPECT_EQ(ranking[2].Binding()->available, 1760.0);
    EXPECT_NEAR(ranking[2].Binding()->margin, 0.945, 0.0005);
}

// A fixture whose first resonance is not above the test's top frequency is
// flagged with the ratio; the payload and the shaker's range are checked too.
TEST(LabChecks, FixtureResonancePayloadAndFrequencyRange) {
    planner::PlanDocument document;
    const planner::PlanOutcome outcome = Evaluate(R"({"format": "halvex-plan", "version": 2,
        "profile": [{"from": 20, "to": 2000, "acceleration": "1 g"}],
        "shaker": {"fixture": "Plate", "fixture_resonance": "1800 Hz", "max_payload": "15 kg",
                   "frequency_range": ["5 Hz", "3000 Hz"], "moving_mass": {"fixture": "9 kg", "specimen": "8 kg"}}})",
                                                  ThreeShakers(), document);
    ASSERT_EQ(outcome.shaker->checks.size(), 3u);
    const planner::ShakerCheck& payload = outcome.shaker->checks[0];
    EXPECT_EQ(payload.limit, planner::LimitKind::Payload);
    EXPECT_EQ(payload.required, 17.0);
    EXPECT_FALSE(payload.ok);
    const planner::ShakerCheck& range = outcome.shaker->checks[1];
    EXPECT_EQ(range.limit, planner::LimitKind::FrequencyRange);
    EXPECT_EQ(range.margin, 1.5);
    EXPECT_TRUE(range.ok);
    const planner::ShakerCheck& fixture = outcome.shaker->checks[2];
    EXPECT_EQ(fixture.limit, planner::LimitKind::FixtureResonance);
    EXPECT_EQ(fixture.margin, 0.9);
    EXPECT_FALSE(fixture.ok);
    EXPECT_EQ(document.Version(), 2);
}

}  // namespace

namespace {

// The vertical axis through a head expander, the horizontal ones on a slip
// table: each axis checked with its own moving mass, the heaviest binding;
// the ranking takes every axis's set-up.
TEST(LabChecks, EachAxisIsCheckedWithItsOwnSetUp) {
    const std::string text = R"({"format": "halvex-plan", "version": 2,
        "profile": [{"from": 20, "to": 2000, "acceleration": "10 g"}],
        "sweep": {"type": "log", "rate": "1 oct/min", "mode": "up", "axes": 3},
        "shaker": {"name": "S-9", "rated_force": "9 kN", "moving_mass": {"armature": "5 kg", "specimen": "8 kg"},
                   "setups": [{"axis": "vertical", "expander": "HE", "moving_mass": {"expander": "12 kg"}},
                              {"axis": "X", "expander": "ST", "moving_mass": {"expander": "35 kg"}},
                              {"axis": "Y", "expander": "ST", "moving_mass": {"expander": "35 kg"}}]}})";
    const planner::LabDocument lab = ThreeShakers();
    planner::PlanDocument document;
    const planner::PlanOutcome outcome = Evaluate(text, lab, document);
    ASSERT_EQ(outcome.shaker->axes.size(), 3u);
    EXPECT_EQ(*outcome.shaker->axes[0].movingMass, 25.0);
    EXPECT_EQ(*outcome.shaker->axes[1].movingMass, 48.0);
    const planner::ShakerCheck& force = outcome.shaker->checks.at(0);
    EXPECT_EQ(force.axis, 1u);
    EXPECT_NEAR(force.required, 48.0 * 10 * kG, 1e-9);
    EXPECT_TRUE(outcome.shaker->ok);  // 4707 N of the usable 7200
    EXPECT_TRUE(outcome.shaker->axes[0].ok);

    std::vector<planner::RankedShaker> ranking;
    std::string message;
    ASSERT_TRUE(planner::RankShakers(document, outcome, lab, ranking, message)) << message;
    // The 2.2 kN shaker fails on the slip table's axes.
    EXPECT_EQ(ranking.back().shaker, "S-2.2");
    EXPECT_EQ(ranking.back().Binding()->axis, 1u);

    planner::PlanDocument again;
    ASSERT_TRUE(planner::ReadPlan(planner::WritePlanDocument(document), again, message)) << message;
    EXPECT_TRUE(again == document);

    document.shaker->setups.pop_back();
    planner::PlanOutcome short_;
    EXPECT_FALSE(planner::EvaluatePlan(document, planner::PlanQuery(), short_, message));
    EXPECT_EQ(message, "shaker.setups: 2 set-ups for 3 axes; give one for each axis");
}

}  // namespace

namespace {

// The built-in templates: the public-domain ones compute what their
// standards imply by hand; the others leave every severity to fill.
TEST(Templates, BuiltInTemplatesImplyTheirFigures) {
    const std::vector<planner::TemplateEntry> templates = planner::Templates(nullptr);
    ASSERT_EQ(templates.size(), planner::BuiltinTemplateTexts().size());
    std::string message;
    planner::PlanOutcome outcome;

    // 0.06 in p-p at 55 Hz: 0.03 in (2 pi 55)^2 = 9.28 g; 2 h on each of 3 axes.
    const planner::TemplateEntry* low = planner::FindTemplate(templates, "mil-std-202-method-201a");
    ASSERT_NE(low, nullptr);
    ASSERT_TRUE(planner::EvaluatePlan(low->document, {}, outcome, message)) << message;
    EXPECT_NEAR(outcome.profile.acceleration.value / kG, 9.28, 0.005);
    EXPECT_EQ(outcome.profile.acceleration.frequency, 55.0);
    EXPECT_EQ(outcome.sequence->totalTime, 6 * 3600.0);

    // 30 frequencies of 15 s: 7 min 30 s and 15 (4 + ... + 33) = 8325 cycles; 0.010 in at 33 Hz is 1.11 g.
    const planner::TemplateEntry* stepped = planner::FindTemplate(templates, "mil-std-167-1a-exploratory");
    ASSERT_NE(stepped, nullptr);
    ASSERT_TRUE(planner::EvaluatePlan(stepped->document, {}, outcome, message)) << message;
    EXPECT_EQ(outcome.sequence->runs.at(0).frequencies.size(), 30u);
    EXPECT_EQ(outcome.sequence->axisTime, 450.0);
    EXPECT_EQ(outcome.sequence->runs[0].cycles, 8325.0);
    EXPECT_NEAR(outcome.profile.acceleration.value / kG, 1.11, 0.005);

    // Structure only: no severity of a copyrighted standard is carried.
    for (const char* id : {"sweep-endurance-crossover", "search-endurance-dwell-search", "stepped-sine-survey"}) {
        const planner::TemplateEntry* structure = planner::FindTemplate(templates, id);
        ASSERT_NE(structure, nullptr) << id;
        for (const planner::Segment& segment : structure->document.profile) {
            const std::string level = "profile[" + std::to_string(&segment - structure->document.profile.data()) +
                                      "]." + planner::LevelFieldName(segment.kind);
            EXPECT_TRUE(structure->document.IsUnfilled(level)) << id << ' ' << level;
        }
        EXPECT_FALSE(planner::EvaluatePlan(structure->document, {}, outcome, message)) << id;
        EXPECT_NE(message.find("to be filled"), std::string::npos) << message;
    }
}

// A library's template of a built-in's id takes its place; the others follow.
TEST(Templates, ALibrarysTemplatesJoinTheBuiltInOnes) {
    planner::LabDocument lab;
    std::string message;
    ASSERT_TRUE(planner::ReadLabDocument(Lab(R"("templates": [
        {"format": "halvex-plan", "version": 2, "template": {"id": "stepped-sine-survey", "title": "Ours"},
         "profile": [{"from": 5, "to": 50, "acceleration": "1 g"}]},
        {"format": "halvex-plan", "version": 2, "template": {"id": "lab-qual", "title": "Lab qualification"},
         "profile": [{"from": 5, "to": 500, "acceleration": "? g"}]}])"),
                                         lab, message))
        << message;
    const std::vector<planner::TemplateEntry> templates = planner::Templates(&lab);
    EXPECT_EQ(templates.size(), planner::BuiltinTemplateTexts().size() + 1);
    EXPECT_EQ(planner::FindTemplate(templates, "stepped-sine-survey")->document.templateInfo->title, "Ours");
    EXPECT_FALSE(planner::FindTemplate(templates, "lab-qual")->builtIn);
    planner::LabDocument again;
    ASSERT_TRUE(planner::ReadLabDocument(planner::WriteLabDocument(lab), again, message)) << message;
    EXPECT_TRUE(again == lab) << planner::WriteLabDocument(lab);
}

}  // namespace
