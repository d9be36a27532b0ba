// The planner window's fields without a window: what they read as, what a
// field that does not read is called and where it is, the queries, and the
// results table.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "planner/plan_form.h"
#include "planner/query_form.h"
#include "planner/ranking.h"
#include "planner/results_table.h"
#include "tests/planner_example.h"

namespace {

TEST(PlannerForm, ADocumentsFieldsDescribeTheSameDocument) {
    const planner::PlanDocument example = ExamplePlan();
    const planner::PlanFields fields = planner::FieldsOf(example);
    ASSERT_EQ(fields.segments.size(), 3u);
    EXPECT_EQ(fields.segments[0].from, "5");
    EXPECT_EQ(fields.segments[0].to, "auto");
    EXPECT_EQ(planner::LevelUnits(fields.segments[0].kind)[fields.segments[0].unit], "mm");
    EXPECT_EQ(fields.segments[2].endValue, "2");
    EXPECT_EQ(fields.rate, "1 oct/min");
    EXPECT_EQ(planner::ProfileRow(2, fields.segments[2]),
              (std::vector<std::string>{"3", "100", "500", "accel.", "1", "g", "2"}));
    // The expander's bare 0 is in kg, and its list says so.
    EXPECT_EQ(fields.masses[1].text, "0");
    EXPECT_EQ(planner::FieldUnits(planner::QuantityKind::Mass)[fields.masses[1].unit], "kg");
    planner::PlanDocument again;
    std::string problem;
    ASSERT_TRUE(planner::DocumentOf(fields, again, problem)) << problem;
    planner::PlanDocument named = example;
    named.shaker->masses[1] = planner::Quantity{0.0, "kg"};
    EXPECT_TRUE(again == named);
}

// What the window does not show of a shaker from the lab's library (its
// names, figures kept of them, set-ups per axis, fields to fill among them)
// and the report's title block go back into the document whole.
TEST(PlannerForm, TheShakersLibraryFieldsSurviveTheWindow) {
    planner::PlanDocument document;
    std::string problem;
    ASSERT_TRUE(planner::ReadPlanDocument(R"({"format": "halvex-plan", "version": 2,
        "report": {"title": "Bracket", "revision": "B"},
        "profile": [{"from": 10, "to": 100, "acceleration": "1 g"}],
        "sweep": {"type": "log", "rate": "1 oct/min", "mode": "up", "axes": 2},
        "shaker": {"name": "S-9", "rated_force": "9 kN", "max_payload": "?", "frequency_range": ["5 Hz", "4000 Hz"],
                   "expander": "HE", "setups": [{"axis": "Z"}, {"axis": "X", "moving_mass": {"expander": "35 kg"}}]}})",
                                          document, problem))
        << problem;
    planner::PlanDocument again;
    ASSERT_TRUE(planner::DocumentOf(planner::FieldsOf(document), again, problem)) << problem;
    EXPECT_TRUE(again == document) << planner::WritePlanDocument(again);
}

// A library shaker put into a plan whose kept payload was left to fill:
// its figures fill the fields in the library's units, and the payload it
// gives is no longer to fill, so the plan is whole again.
TEST(PlannerForm, ALibraryShakerFillsTheFieldsInItsUnitsAndWhatWasToFill) {
    planner::PlanDocument document;
    std::string problem;
    ASSERT_TRUE(planner::ReadPlanDocument(R"({"format": "halvex-plan", "version": 2,
        "profile": [{"from": 10, "to": 100, "acceleration": "1 g"}],
        "shaker": {"name": "S-9", "rated_force": "9 kN", "max_payload": "?",
                   "moving_mass": {"fixture": "9 kg", "specimen": "8 kg"}}})",
                                          document, problem))
        << problem;
    planner::PlanFields fields = planner::FieldsOf(document);
    planner::LabShaker shaker;
    shaker.name = "S-500";
    shaker.ratedForce = planner::Quantity{500.0, "lbf"};
    shaker.armature = planner::Quantity{5.0, "lb"};
    shaker.maxPayload = planner::Quantity{100.0, "lb"};
    planner::SetShakerFields(fields, planner::WithLabShaker(*document.shaker, shaker));
    EXPECT_EQ(fields.force.text, "500");
    EXPECT_EQ(planner::FieldUnits(planner::QuantityKind::Force)[fields.force.unit], "lbf");
    EXPECT_EQ(fields.masses[0].text, "5");
    EXPECT_EQ(fields.masses[3].text, "8");  // the plan's specimen kept
    planner::PlanDocument chosen;
    ASSERT_TRUE(planner::DocumentOf(fields, chosen, problem)) << problem;
    EXPECT_EQ(chosen.shaker->name, "S-500");
    EXPECT_EQ(planner::QuantityText(*chosen.shaker->maxPayload), "100 lb");
}

// A shaker field's number is in the unit chosen beside it, or in the one
// typed with it, which the list then follows; never in one assumed.
TEST(PlannerForm, AShakerFieldReadsInTheUnitBesideItOrTheOneTypedWithIt) {
    using planner::QuantityKind;
    const auto stroke = [](const planner::QuantityField& field) {
        planner::PlanFields fields = planner::NewPlanFields();
        fields.stroke = field;
        planner::PlanDocument document;
        std::string problem;
        planner::FieldPlace place;
        const bool reads = planner::DocumentOf(fields, document, problem, place);
        return reads ? planner::QuantityText(*document.shaker->strokePp) : problem;
    };
    EXPECT_EQ(stroke({"51", -1}),
              "Shaker, Stroke p-p: \"51\" needs a unit: choose one beside it, or type one after the number "
              "(mm, m, um, in, mil)");
    EXPECT_EQ(stroke({"51", 0}), "51 mm");
    EXPECT_EQ(stroke({"2 in", 0}), "2 in");

    planner::QuantityField field{"2 in", 0};
    EXPECT_TRUE(planner::FollowTypedUnit(field, QuantityKind::Length));
    EXPECT_EQ(field.unit, 3);
    EXPECT_FALSE(planner::FollowTypedUnit(field, QuantityKind::Length));
    // Another unit chosen: the number stays, now in that unit.
    planner::ChooseUnit(field, QuantityKind::Length, 1);
    EXPECT_EQ(field.text, "2");
    EXPECT_EQ(field.unit, 1);
    field.text = "2 kg";  // not a length: the list stays
    EXPECT_FALSE(planner::FollowTypedUnit(field, QuantityKind::Length));
    EXPECT_EQ(field.unit, 1);
}

TEST(PlannerForm, LevelsInOtherUnitsShowInTheListsUnit) {
    // A bare number is SI: 9.80665 m/s^2 shows as such; 0.5 in/s stays in in/s.
    planner::PlanDocument document;
    std::string message;
    ASSERT_TRUE(planner::ReadPlan(R"({"format": "halvex-plan", "version": 1, "profile": [
        {"from": 10, "to": 20, "acceleration": [9.80665, "2 g"]},
        {"from": 20, "to": 40, "velocity": "0.5 in/s"}]})",
                                  document, message))
        << message;
    const planner::PlanFields fields = planner::FieldsOf(document);
    EXPECT_EQ(planner::ProfileRow(0, fields.segments[0]),
              (std::vector<std::string>{"1", "10", "20", "accel.", "9.80665", "m/s^2", "19.6133"}));
    EXPECT_EQ(planner::ProfileRow(1, fields.segments[1]),
              (std::vector<std::string>{"2", "20", "40", "velocity", "0.5", "in/s", ""}));
}

using planner::FormField;

struct BadField {
    const char* name;
    void (*edit)(planner::PlanFields&);
    const char* message;  // its start
    FormField field;      // the field the window marks
    int segment;
    int dwell = -1;
};

const BadField kBadFields[] = {
    {"empty_end", [](planner::PlanFields& f) { f.segments[0].to = ""; },
     "Segment 1, To: a number is needed (a frequency in Hz, or auto)", FormField::To, 0},
    {"ramp_end_text", [](planner::PlanFields& f) { f.segments[0].endValue = "two"; },
     "Segment 1, Ramp to: \"two\" is not a number", FormField::EndValue, 0},
    {"second_segment_from",
     [](planner::PlanFields& f) {
         f.segments.push_back(f.segments[0]);
         f.segments[1].from = "x";
     },
     "Segment 2, From: ", FormField::From, 1},
    {"rate_of_a_length", [](planner::PlanFields& f) { f.rate = "1 mm"; },
     "Sweep, Rate or time per pass: ", FormField::Rate, -1},
    {"sweeps_empty", [](planner::PlanFields& f) { f.sweeps = ""; }, "Sweep, Sweeps: a number is needed",
     FormField::Sweeps, -1},
    {"mass_in_newtons", [](planner::PlanFields& f) { f.masses[3].text = "12 N"; },
     "Shaker, Specimen: \"N\" is not a unit", FormField::Specimen, -1},
    {"fraction_word", [](planner::PlanFields& f) { f.fraction = "all"; },
     "Shaker, Usable part: \"all\" is not a number", FormField::Fraction, -1},
    {"dwell_without_time",
     [](planner::PlanFields& f) {
         f.dwells.push_back({"40", {}});
     },
     "Dwell 1, Time: a time is needed", FormField::DwellTime, -1, 0},
    {"dwells_without_a_sweep",
     [](planner::PlanFields& f) {
         f.rate.clear();
         f.dwells.push_back({"40", {"5", 1}});
     },
     "Sweep, Rate or time per pass: the dwells are part of a sweep", FormField::Rate, -1},
    // Reads as a number, but the document refuses it: named as the window
    // names the field, not by its path in the file.
    {"negative_level", [](planner::PlanFields& f) { f.segments[0].value = "-1"; },
     "Segment 1, Value: ", FormField::Value, 0},
    {"end_below_start", [](planner::PlanFields& f) { f.segments[0].to = "5"; }, "Segment 1, To: must be above from",
     FormField::To, 0},
    {"segments_apart",
     [](planner::PlanFields& f) {
         f.segments.push_back(f.segments[0]);
         f.segments[1].from = "20";
         f.segments[1].to = "200";
     },
     "Segment 2, From: 20 Hz does not meet segment 1's To (100 Hz)", FormField::From, 1},
    {"no_axes", [](planner::PlanFields& f) { f.axes = "0"; }, "Sweep, Axes: ", FormField::Axes, -1},
    {"stroke_zero",
     [](planner::PlanFields& f) {
         f.stroke = {"0", 0};
     },
     "Shaker, Stroke p-p: ", FormField::Stroke, -1},
    {"dwell_outside_the_profile",
     [](planner::PlanFields& f) {
         f.dwells.push_back({"40", {"5", 1}});
         f.dwells.push_back({"200", {"5", 1}});
     },
     "Dwell 2, Frequency: 200 Hz is outside", FormField::DwellFrequency, -1, 1},
    // The moving mass is four fields: none of them is marked.
    {"force_without_mass",
     [](planner::PlanFields& f) {
         f.force = {"9", 1};
     },
     "Shaker, moving mass: ", FormField::None, -1},
};

TEST(PlannerForm, AFieldThatDoesNotReadIsNamed) {
    for (const BadField& c : kBadFields) {
        SCOPED_TRACE(c.name);
        planner::PlanFields fields = planner::NewPlanFields();
        c.edit(fields);
        planner::PlanDocument document;
        std::string problem;
        planner::FieldPlace place;
        EXPECT_FALSE(planner::DocumentOf(fields, document, problem, place));
        EXPECT_EQ(problem.rfind(c.message, 0), 0u) << problem;
        EXPECT_EQ(place.field, c.field);
        EXPECT_EQ(place.segment, c.segment);
        EXPECT_EQ(place.dwell, c.dwell);
    }
}

// The new plan sweeps 10 to 100 Hz at 1 oct/min, up and down once: 199.3 s
// a pass (log2(10) octaves), 398.6 s of sweeping.
struct QueryCase {
    const char* name;
    planner::QueryFields fields;
    bool sweep;
    const char* problem;  // empty when every query is answered
    FormField field;
    bool crossings;  // the frequency 40 Hz answered all the same
};

const QueryCase kQueries[] = {
    {"all_empty_ask_nothing", {}, true, "", FormField::None, false},
    {"time_with_two_units",
     {"4 min9 min", "40", "", ""},
     true,
     "Queries, Time: \"4 min9 min\" is not a number or a time (s, min, h)",
     FormField::QueryTime,
     true},
    {"time_past_the_sweeping",
     {"400", "", "", ""},
     true,
     "Queries, Time: 400 s is outside the sweeps of one axis (0 to 398.631 s)",
     FormField::QueryTime,
     false},
    {"frequency_in_an_unknown_unit",
     {"", "40 Hertz", "", ""},
     true,
     "Queries, Frequency: \"Hertz\" is not a unit of a frequency",
     FormField::QueryFrequency,
     false},
    {"q_without_resonance",
     {"", "40", "", "10"},
     true,
     "Queries, Resonance: a natural frequency is needed for the half-power band",
     FormField::QueryResonance,
     true},
    {"q_of_one_half",
     {"", "40", "40", "0.5"},
     true,
     "Queries, Q: the quality factor must be above 0.5",
     FormField::QueryQ,
     true},
    {"resonance_of_zero",
     {"", "", "0", "10"},
     true,
     "Queries, Resonance: the natural frequency must be positive",
     FormField::QueryResonance,
     false},
    {"no_sweep", {"60", "", "", ""}, false, "Queries, Time: the plan has no sweep", FormField::QueryTime, false},
};

TEST(PlannerForm, AQueryThatDoesNotReadIsNamedAndTheOthersAnswered) {
    for (const QueryCase& c : kQueries) {
        SCOPED_TRACE(c.name);
        planner::PlanFields fields = planner::NewPlanFields();
        if (!c.sweep) fields.rate.clear();
        planner::PlanDocument document;
        planner::PlanOutcome outcome;
        std::string problem;
        ASSERT_TRUE(planner::DocumentOf(fields, document, problem)) << problem;
        ASSERT_TRUE(planner::EvaluatePlan(document, {}, outcome, problem)) << problem;
        planner::FieldPlace place;
        EXPECT_EQ(planner::AnswerQueries(c.fields, outcome, problem, place), *c.problem == '\0');
        EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << problem;
        EXPECT_EQ(place.field, c.field);
        EXPECT_EQ(outcome.crossings.has_value(), c.crossings);
        EXPECT_FALSE(outcome.at.has_value());
    }
}

TEST(PlannerForm, ARateFieldMayHoldATimePerPass) {
    planner::PlanFields fields = planner::NewPlanFields();
    fields.rate = "30 min";
    planner::PlanDocument document;
    std::string problem;
    ASSERT_TRUE(planner::DocumentOf(fields, document, problem)) << problem;
    ASSERT_TRUE(document.sweep->passTime.has_value());
    EXPECT_FALSE(document.sweep->rate.has_value());
    EXPECT_EQ(planner::QuantityText(*document.sweep->passTime), "30 min");
    fields.rate = "";
    ASSERT_TRUE(planner::DocumentOf(fields, document, problem)) << problem;
    EXPECT_FALSE(document.sweep.has_value());
}

// The window's results grid: each peak in the column of its quantity, in
// the unit the document gives it ("in", not mm), at its frequency.
TEST(PlannerForm, ResultsGridPutsEachPeakInItsColumn) {
    planner::PlanDocument document;
    std::string message;
    ASSERT_TRUE(planner::ReadPlan(R"({"format": "halvex-plan", "version": 1,
        "profile": [{"from": 10, "to": 20, "displacement_pp": "0.06 in"}],
        "sweep": {"type": "log", "rate": "1 oct/min", "mode": "up"}})",
                                  document, message))
        << message;
    planner::PlanOutcome outcome;
    ASSERT_TRUE(planner::EvaluatePlan(document, {}, outcome, message)) << message;
    const planner::ResultsGrid grid = planner::ResultsGridOf(document, outcome);
    EXPECT_EQ(grid.columns[2], "Disp. p-p (in)");
    EXPECT_EQ(grid.columns[3], "Vel. (in/s)");
    EXPECT_EQ(grid.columns[4], "Accel. (g)");
    // pi 20 Hz 0.06 in = 3.770 in/s; (2 pi 20 Hz)^2 0.03 in 0.0254 m/in / 9.80665 m/s^2 = 1.227 g;
    // 10 Hz over 1/60 oct/s ln 2 = 865.6 cycles.
    const std::vector<std::vector<std::string>> expected = {
        {"Peak displacement", "10", "0.06", "", "", ""},  {"Peak velocity", "20", "", "3.77", "", ""},
        {"Peak acceleration", "20", "", "", "1.227", ""}, {"Octaves", "", "", "", "", "1"},
        {"Time per pass", "", "", "", "", "1 min 0 s"},   {"Cycles per pass", "", "", "", "", "865.6"},
        {"Passes per axis", "", "", "", "", "1"},
    };
    for (const std::vector<std::string>& row : expected) {
        EXPECT_NE(std::find(grid.rows.begin(), grid.rows.end(), row), grid.rows.end()) << row[0];
    }
}

// Copy All Results and Export Results: each kind of quantity in the unit the
// document gives it, to the digits the window shows. Expected values by hand:
// the crossover sqrt(A / X) / 2 pi, X zero-to-peak, is 13.99 Hz in both plans
// (1 g against 1.27 mm, 10 g against 0.5 in); the velocity there A / (2 pi f)
// is 0.1116 m/s, or 43.94 in/s; 1 oct/min over log2(100) octaves is 398.6 s.
TEST(PlannerForm, ResultsTableInTheDocumentsUnits) {
    const std::string metric =
        "quantity\tform\tvalue\tunit\n"
        "gravity\t\t9.80665\tm/s^2\n"
        "segment 1 from\t\t5\tHz\n"
        "segment 1 to\t\t13.99\tHz\n"
        "segment 1 displacement\tpeak-to-peak\t2.54\tmm\n"
        "segment 2 from\t\t13.99\tHz\n"
        "segment 2 to\t\t100\tHz\n"
        "segment 2 acceleration\tzero-to-peak\t1\tg\n"
        "segment 3 from\t\t100\tHz\n"
        "segment 3 to\t\t500\tHz\n"
        "segment 3 acceleration at start\tzero-to-peak\t1\tg\n"
        "segment 3 acceleration at end\tzero-to-peak\t2\tg\n"
        "crossover\t\t13.99\tHz\n"
        "peak displacement\tpeak-to-peak\t2.54\tmm\n"
        "peak displacement frequency\t\t5\tHz\n"
        "peak velocity\tzero-to-peak\t0.1116\tm/s\n"
        "peak velocity frequency\t\t13.99\tHz\n"
        "peak acceleration\tzero-to-peak\t2\tg\n"
        "peak acceleration frequency\t\t500\tHz\n"
        "moving mass\t\t25\tkg\n"
        "highest acceleration\tzero-to-peak\t36.71\tg\n"  // 9 kN / 25 kg = 360 m/s^2
        "force required\t\t0.4903\tkN\n"                  // 25 kg 2 g
        "force available\t\t9\tkN\n"
        "force margin\t\t18.35\t\n"
        "force frequency\t\t500\tHz\n"
        "stroke required\tpeak-to-peak\t2.54\tmm\n"
        "stroke available\tpeak-to-peak\t51\tmm\n"
        "stroke margin\t\t20.08\t\n"
        "stroke frequency\t\t5\tHz\n"
        "velocity required\tzero-to-peak\t0.1116\tm/s\n"
        "velocity available\tzero-to-peak\t1.8\tm/s\n"
        "velocity margin\t\t16.13\t\n"
        "velocity frequency\t\t13.99\tHz\n"
        "acceleration required\tzero-to-peak\t2\tg\n"
        "acceleration available\tzero-to-peak\t100\tg\n"
        "acceleration margin\t\t50\t\n"
        "acceleration frequency\t\t500\tHz\n"
        "verdict\t\tpass\t\n"
        "octaves\t\t6.644\t\n"
        "time per pass\t\t398.6\ts\n"
        "cycles per pass\t\t42848\t\n"  // 495 Hz / (1/60 oct/s ln 2)
        "passes per axis\t\t20\t\n"
        "time per axis\t\t7972.6\ts\n"
        "total time\t\t23917.9\ts\n";
    const planner::PlanDocument example = ExamplePlan();
    planner::PlanOutcome outcome;
    std::string message;
    ASSERT_TRUE(planner::EvaluatePlan(example, {}, outcome, message)) << message;
    EXPECT_EQ(planner::ResultsTable(example, outcome), metric);
    // The window's grid in the same units: 51 / 2.54 = 20.08.
    const planner::ResultsGrid grid = planner::ResultsGridOf(example, outcome);
    const std::vector<std::vector<std::string>> rows = {
        {"Crossover", "13.99", "", "", "", ""},
        {"Moving mass", "", "", "", "", "25 kg"},
        {"Highest acceleration", "", "", "", "", "36.71 g"},
        {"Force check", "500", "", "", "", "required 0.4903 kN, available 9 kN, margin 18.35, holds"},
        {"Stroke check", "5", "", "", "", "required 2.54 mm, available 51 mm, margin 20.08, holds"},
    };
    for (const std::vector<std::string>& row : rows) {
        EXPECT_NE(std::find(grid.rows.begin(), grid.rows.end(), row), grid.rows.end()) << row[0];
    }

    const std::string inchPound =
        "quantity\tform\tvalue\tunit\n"
        "gravity\t\t9.80665\tm/s^2\n"
        "segment 1 from\t\t5\tHz\n"
        "segment 1 to\t\t13.99\tHz\n"
        "segment 1 displacement\tpeak-to-peak\t1\tin\n"
        "segment 2 from\t\t13.99\tHz\n"
        "segment 2 to\t\t500\tHz\n"
        "segment 2 acceleration\tzero-to-peak\t10\tg\n"
        "crossover\t\t13.99\tHz\n"
        "peak displacement\tpeak-to-peak\t1\tin\n"
        "peak displacement frequency\t\t5\tHz\n"
        "peak velocity\tzero-to-peak\t43.94\tin/s\n"
        "peak velocity frequency\t\t13.99\tHz\n"
        "peak acceleration\tzero-to-peak\t10\tg\n"
        "peak acceleration frequency\t\t13.99\tHz\n"
        "moving mass\t\t100\tlb\n"
        "highest acceleration\tzero-to-peak\t50\tg\n"  // a pound-force moves a pound at 1 g
        "force required\t\t1000\tlbf\n"
        "force available\t\t5000\tlbf\n"
        "force margin\t\t5\t\n"
        "force frequency\t\t13.99\tHz\n"
        "stroke required\tpeak-to-peak\t1\tin\n"
        "stroke available\tpeak-to-peak\t2\tin\n"
        "stroke margin\t\t2\t\n"
        "stroke frequency\t\t5\tHz\n"
        "velocity required\tzero-to-peak\t43.94\tin/s\n"
        "velocity available\tzero-to-peak\t70\tin/s\n"
        "velocity margin\t\t1.593\t\n"
        "velocity frequency\t\t13.99\tHz\n"
        "verdict\t\tpass\t\n"
        "octaves\t\t6.644\t\n"
        "time per pass\t\t398.6\ts\n"
        "cycles per pass\t\t42848\t\n"
        "passes per axis\t\t1\t\n"
        "time per axis\t\t398.6\ts\n"
        "total time\t\t398.6\ts\n";
    planner::PlanDocument document;
    ASSERT_TRUE(planner::ReadPlan(R"({"format": "halvex-plan", "version": 1, "profile": [
        {"from": 5, "to": "auto", "displacement_pp": "1 in"}, {"from": "auto", "to": 500, "acceleration": "10 g"}],
        "sweep": {"type": "log", "rate": "1 octave/min", "mode": "up"},
        "shaker": {"rated_force": "5000 lbf", "moving_mass": {"armature": "40 lb", "fixture": "35 lb",
                   "specimen": "25 lb"}, "stroke_pp": "2 in", "velocity": "70 in/s"}})",
                                  document, message))
        << message;
    ASSERT_TRUE(planner::EvaluatePlan(document, {}, outcome, message)) << message;
    EXPECT_EQ(planner::ResultsTable(document, outcome), inchPound);
}

}  // namespace
