// The planner editor's own rules without a window: plans saved unfinished,
// undo, breakpoint tables pasted from a spreadsheet, ramps by slope, and the
// results table the window shows.
#include <gtest/gtest.h>

#include <algorithm>

#include "planner/breakpoints.h"
#include "planner/plan_form.h"
#include "planner/results_table.h"
#include "planner/undo_stack.h"

namespace {

// An empty required field is saved as "?" under version 2, opens empty, and
// the plan computes only once it is filled; a complete plan stays version 1.
TEST(PlannerDraft, EmptyFieldsAreSavedToFillAndOpenEmpty) {
    planner::PlanFields fields = planner::NewPlanFields();
    fields.segments[0].to.clear();
    fields.segments[0].unit = 1;  // m/s^2
    fields.segments[0].value.clear();
    fields.dwells.push_back({"40", {"", 1}});
    planner::PlanDocument draft;
    std::string problem;
    ASSERT_FALSE(planner::DocumentOf(fields, draft, problem));
    EXPECT_EQ(problem, "Segment 1, To: a number is needed (a frequency in Hz, or auto)");
    ASSERT_TRUE(planner::DocumentOf(fields, draft, problem, planner::Unfilled::Allowed)) << problem;
    EXPECT_EQ(draft.unfilled,
              (std::vector<std::string>{"profile[0].to", "profile[0].acceleration", "sweep.dwells[0].time"}));

    const std::string text = planner::WritePlanDocument(draft);
    EXPECT_NE(text.find("\"version\": 2"), std::string::npos) << text;
    EXPECT_NE(text.find("\"to\": \"?\", \"acceleration\": \"? m/s^2\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"time\": \"? min\""), std::string::npos) << text;
    planner::PlanDocument opened;
    ASSERT_TRUE(planner::ReadPlan(text, opened, problem)) << problem;
    EXPECT_TRUE(opened == draft);
    const planner::PlanFields shown = planner::FieldsOf(opened);
    EXPECT_EQ(shown.segments[0].to, "");
    EXPECT_EQ(shown.dwells[0].time.text, "");
    EXPECT_EQ(shown.dwells[0].time.unit, 1);
    EXPECT_EQ(shown.dwells[0].frequency, "40");
    // The level's unit is kept though its number is to fill.
    EXPECT_EQ(planner::ProfileRow(0, shown.segments[0])[planner::kUnitColumn], "m/s^2");
    const std::vector<planner::FieldPlace> places = planner::UnfilledPlaces(opened);
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(planner::FieldName(places[0]), "Segment 1, To");
    EXPECT_EQ(planner::FieldName(places[1]), "Segment 1, Value");
    EXPECT_EQ(planner::FieldName(places[2]), "Dwell 1, Time");
    planner::PlanOutcome outcome;
    EXPECT_FALSE(planner::EvaluatePlan(opened, {}, outcome, problem));
    // Every field to fill is named, the first as the path the message is about.
    EXPECT_EQ(problem, "profile[0].to: to be filled (and 2 more: profile[0].acceleration, sweep.dwells[0].time)");

    // Filled in, the same plan is complete, and written as version 1.
    planner::PlanFields filled = shown;
    filled.segments[0].to = "100";
    filled.segments[0].value = "9.81";
    filled.dwells[0].time.text = "5";
    planner::PlanDocument complete;
    ASSERT_TRUE(planner::DocumentOf(filled, complete, problem, planner::Unfilled::Allowed)) << problem;
    EXPECT_NE(planner::WritePlanDocument(complete).find("\"version\": 1"), std::string::npos);

    // A text that does not read is not an empty field.
    filled.segments[0].to = "1OO";
    EXPECT_FALSE(planner::DocumentOf(filled, complete, problem, planner::Unfilled::Allowed));
    EXPECT_EQ(problem, "Segment 1, To: \"1OO\" is not a number (a frequency in Hz, or auto)");
}

TEST(PlannerDraft, AFieldToFillNeedsVersionTwo) {
    const std::string v1 = R"({"format": "halvex-plan", "version": 1,
        "profile": [{"from": 10, "to": "?", "acceleration": "1 g"}]})";
    planner::PlanDocument document;
    std::string problem;
    EXPECT_FALSE(planner::ReadPlan(v1, document, problem));
    EXPECT_EQ(problem, "profile[0].to: a field to fill (\"?\") needs version 2 of the format");
    // The unit a field to fill keeps must be one of its kind.
    EXPECT_FALSE(planner::ReadPlan(R"({"format": "halvex-plan", "version": 2,
        "profile": [{"from": 10, "to": 20, "acceleration": "? mm"}]})",
                                   document, problem));
    EXPECT_EQ(problem,
              "profile[0].acceleration: a field to fill is \"?\", or \"?\", a blank and the unit it is to be given in");
    // Optional fields may be left to fill too: the shaker's, the fraction.
    const std::string v2 = R"({"format": "halvex-plan", "version": 2,
        "profile": [{"from": 10, "to": 100, "acceleration": ["?", "2 g"]}],
        "shaker": {"rated_force": "?", "force_fraction": "?", "moving_mass": {"armature": "?"}}})";
    ASSERT_TRUE(planner::ReadPlan(v2, document, problem)) << problem;
    EXPECT_EQ(document.unfilled, (std::vector<std::string>{"profile[0].acceleration[0]", "shaker.rated_force",
                                                           "shaker.force_fraction", "shaker.moving_mass.armature"}));
    planner::PlanDocument again;
    ASSERT_TRUE(planner::ReadPlan(planner::WritePlanDocument(document), again, problem)) << problem;
    EXPECT_TRUE(again == document);
    const planner::PlanFields fields = planner::FieldsOf(document);
    EXPECT_EQ(fields.segments[0].value, "");
    EXPECT_EQ(fields.segments[0].endValue, "2");
    EXPECT_EQ(fields.force.text, "");
}

TEST(PlannerUndo, TypingInOneFieldIsOneStepAndUndoingToTheSavedStateIsUnchanged) {
    planner::UndoStack<std::string> stack("");
    stack.Record("1", "value");
    stack.Record("10", "value");
    stack.Record("10 Hz", "to");
    EXPECT_TRUE(stack.Changed());
    EXPECT_EQ(stack.Undo(), "10");
    EXPECT_EQ(stack.Undo(), "");
    EXPECT_FALSE(stack.CanUndo());
    EXPECT_FALSE(stack.Changed());
    EXPECT_EQ(stack.Redo(), "10");
    // A change after an undo drops what could be redone.
    stack.Record("100", "value");
    EXPECT_FALSE(stack.CanRedo());
    // Typing on in a field just saved starts a new step, so the saved state stays reachable.
    stack.MarkSaved();
    stack.Record("1000", "value");
    EXPECT_EQ(stack.Undo(), "100");
    EXPECT_FALSE(stack.Changed());
    // A change after undoing past the save drops the saved state: the step
    // that takes its place is a change, not the file's state.
    stack.Undo();
    stack.Record("5", "other");
    EXPECT_TRUE(stack.Changed());
}

planner::SegmentFields Segment(const char* from, const char* to, planner::LevelKind kind, const char* unit,
                               const char* value, const char* end = "") {
    planner::SegmentFields s;
    s.from = from;
    s.to = to;
    s.kind = kind;
    const std::vector<std::string>& units = planner::LevelUnits(kind);
    s.unit = static_cast<int>(std::find(units.begin(), units.end(), unit) - units.begin());
    s.value = value;
    s.endValue = end;
    return s;
}

// The profile's rows as the grid shows them, less the segment's number.
std::string Described(const std::vector<planner::SegmentFields>& segments) {
    std::string out;
    for (const planner::SegmentFields& s : segments) {
        const std::vector<std::string> cells = planner::ProfileRow(0, s);
        for (int column = planner::kFromColumn; column < planner::kProfileColumns; ++column) {
            out += cells[column] + (column + 1 < planner::kProfileColumns ? "|" : "\n");
        }
    }
    return out;
}

TEST(PlannerPaste, ABreakpointTableBecomesSegments) {
    using planner::LevelKind;
    std::vector<planner::SegmentFields> segments;
    std::string problem;
    // A spreadsheet's lines: a header with the units, CR LF line ends, a
    // trailing empty line; the kind changes from displacement to acceleration.
    const char* table = "Frequency (Hz)\tLevel\r\n5\t10 mm p-p\r\n20\t2 g\r\n100\t2 g\r\n200\t4g\r\n\r\n";
    ASSERT_TRUE(planner::ReadBreakpointTable(table, planner::kStandardGravity, segments, problem)) << problem;
    EXPECT_EQ(Described(segments),
              "5|auto|disp. p-p|10|mm|\n"
              "auto|20|accel.|2|g|\n"
              "20|100|accel.|2|g|\n"
              "100|200|accel.|2|g|4\n");
    // The unit in the header; another unit of the kind on a line is converted.
    ASSERT_TRUE(planner::ReadBreakpointTable("Hz\tAcceleration (g)\n10\t1\n20\t19.6133 m/s^2\n",
                                             planner::kStandardGravity, segments, problem))
        << problem;
    EXPECT_EQ(Described(segments), "10|20|accel.|1|g|2\n");

    const std::pair<const char*, const char*> refused[] = {
        {"10\t1\n20\t2\n", "Line 1: \"1\" needs a unit, in the header or after the number (g, m/s, mm p-p...)"},
        {"10\t1 mm\n20\t2 mm\n",
         "Line 1: say whether the displacement \"1 mm\" is p-p or 0-p, in the header or the cell"},
        {"10\t1 g\n10\t2 g\n", "Line 2: the frequencies must rise from line to line"},
        {"10\t1 g\t3\n", "Line 1: a breakpoint table has two columns, frequency and level; this line has 3"},
        {"10\t1 g\n", "a breakpoint table needs two breakpoints or more, a frequency and a level on each line"},
    };
    for (const auto& [text, message] : refused) {
        EXPECT_FALSE(planner::ReadBreakpointTable(text, planner::kStandardGravity, segments, problem)) << text;
        EXPECT_EQ(problem, message);
    }
}

// +6 dB/oct over the octave from 10 to 20 Hz doubles a level very nearly:
// 10^(6/20) = 1.99526.
TEST(PlannerForm, ARampMayBeGivenAsASlope) {
    planner::PlanFields fields = planner::NewPlanFields();
    fields.segments[0] = Segment("10", "20", planner::LevelKind::Acceleration, "g", "1", "+6 dB/oct");
    planner::PlanDocument document;
    std::string problem;
    ASSERT_TRUE(planner::DocumentOf(fields, document, problem)) << problem;
    ASSERT_EQ(document.profile[0].values.size(), 2u);
    EXPECT_NEAR(document.profile[0].values[1].number, 1.99526, 1e-5);
    EXPECT_EQ(document.profile[0].values[1].unit, "g");
    fields.segments[0].to = "auto";
    fields.segments.push_back(Segment("auto", "100", planner::LevelKind::Acceleration, "g", "3"));
    EXPECT_FALSE(planner::DocumentOf(fields, document, problem));
    EXPECT_EQ(problem,
              "Segment 1, Ramp to: a slope in dB/oct needs From and To as frequencies; give the end level instead");
}

// Every time a queried frequency is passed has its row: ten up-down sweeps
// pass 40 Hz twenty times.
TEST(PlannerResultsGrid, EveryCrossingTimeHasItsRow) {
    planner::PlanFields fields = planner::NewPlanFields();
    fields.sweeps = "10";
    planner::PlanDocument document;
    std::string problem;
    ASSERT_TRUE(planner::DocumentOf(fields, document, problem)) << problem;
    planner::PlanQuery query;
    query.frequency = 40.0;
    planner::PlanOutcome outcome;
    ASSERT_TRUE(planner::EvaluatePlan(document, query, outcome, problem)) << problem;
    const planner::ResultsGrid grid = planner::ResultsGridOf(document, outcome);
    EXPECT_EQ(grid.columns[4], "Accel. (g)");
    int crossings = 0;
    for (const auto& row : grid.rows) {
        ASSERT_EQ(row.size(), grid.columns.size());
        crossings += row[0] == "Passes 40 Hz" ? 1 : 0;
    }
    EXPECT_EQ(crossings, 20);
    // 1 g at 10 Hz: displacement p-p 2 g/(2 pi 10)^2 = 4.968 mm, velocity 0.1561 m/s.
    EXPECT_EQ(grid.rows[0], (std::vector<std::string>{"Segment 1 start", "10", "4.968", "0.1561", "1", ""}));
}

// Choosing a unit of another kind in the grid makes the level that kind; a
// displacement keeps its form, and another kind of level keeps a unit it has.
TEST(PlannerProfileGrid, AUnitOfAnotherKindChangesTheLevelsKind) {
    using planner::LevelKind;
    planner::SegmentFields segment = Segment("10", "20", LevelKind::DisplacementZp, "mm", "1");
    ASSERT_TRUE(planner::SetProfileCell(segment, planner::kUnitColumn, "in"));
    EXPECT_EQ(segment.kind, LevelKind::DisplacementZp);
    ASSERT_TRUE(planner::SetProfileCell(segment, planner::kUnitColumn, "g"));
    EXPECT_EQ(segment.kind, LevelKind::Acceleration);
    ASSERT_TRUE(planner::SetProfileCell(segment, planner::kLevelColumn, "disp. p-p"));
    EXPECT_EQ(planner::ProfileRow(1, segment), (std::vector<std::string>{"2", "10", "20", "disp. p-p", "1", "mm", ""}));
    EXPECT_FALSE(planner::SetProfileCell(segment, planner::kUnitColumn, "furlong"));
    EXPECT_FALSE(planner::SetProfileCell(segment, planner::kSegmentColumn, "3"));

    // Typing on in one cell is one step of the undo history; a unit chosen is a step of its own.
    planner::PlanFields before = planner::NewPlanFields();
    planner::PlanFields after = before;
    after.segments[0].value = "1.5";
    EXPECT_EQ(planner::TypingKey(before, after), "segments[0].value");
    after.segments[0].unit = 1;
    EXPECT_EQ(planner::TypingKey(before, after), "");
}

// A rate shows the time a pass takes, and a time per pass the rate: 10 to
// 100 Hz is log2(10) = 3.3219 octaves, 3 min 19.3 s at 1 oct/min.
TEST(PlannerForm, TheSweepShowsItsOtherFigureAndTheGravityIsAField) {
    planner::PlanFields fields = planner::NewPlanFields();
    const auto counterpart = [&] {
        planner::PlanDocument document;
        planner::PlanOutcome outcome;
        std::string problem;
        if (!planner::DocumentOf(fields, document, problem) || !planner::EvaluatePlan(document, {}, outcome, problem)) {
            return problem;
        }
        return planner::SweepCounterpart(document, outcome);
    };
    EXPECT_EQ(counterpart(), "= 3 min 19.3 s per pass");
    fields.rate = "10 min";
    EXPECT_EQ(counterpart(), "= 0.3322 oct/min");

    // The gravity: standard when empty, never in g, m/s^2 written bare as always.
    fields.gravity = {"9.81 g", 0};
    EXPECT_EQ(counterpart(),
              "Profile, Gravity: the gravity is what g means, so it cannot be given in g (m/s^2, mm/s^2, in/s^2)");
    fields.gravity = {"9.81", 0};
    planner::PlanDocument document;
    std::string problem;
    ASSERT_TRUE(planner::DocumentOf(fields, document, problem)) << problem;
    EXPECT_EQ(document.gravity, (planner::Quantity{9.81, ""}));
    EXPECT_EQ(planner::FieldsOf(document).gravity.text, "9.81");
}

}  // namespace

namespace {

planner::RunFields RunOf(planner::RunChoice choice, std::vector<planner::QuantityField> entries) {
    planner::RunFields run = planner::NewRunFields(choice);
    for (std::size_t i = 0; i < entries.size(); ++i) run.entries[i] = entries[i];
    return run;
}

}  // namespace

// A run's slot means what its unit says: a time or a count of cycles, a
// rate or a time per pass, typed with the number or chosen beside it. An
// empty slot is a field to fill under its document name, and the sequence
// opens again to the same fields.
TEST(PlannerSequence, SlotsAreTheDocumentsFieldsByTheirUnitsAndRoundTrip) {
    using planner::RunChoice;
    planner::PlanFields fields = planner::NewPlanFields();
    fields.sweeps = "2 h";
    planner::RunFields search = RunOf(RunChoice::Search, {{"20 min", 0}, {"1", 0}});
    search.source = planner::RunLevel::Source::Fraction;
    search.level = "0.25";
    planner::RunFields stepped = RunOf(RunChoice::Stepped, {{"20", 0}, {"40", 0}, {"0.5", 1}, {"1000", 3}});
    stepped.source = planner::RunLevel::Source::Own;
    stepped.levelKind = planner::LevelKind::DisplacementZp;
    stepped.levelUnit = 3;  // in
    stepped.level = "0.01";
    fields.runs = {RunOf(RunChoice::Sweep, {}), search, stepped, RunOf(RunChoice::Dwell, {{"30", 0}, {"2h", 0}}),
                   RunOf(RunChoice::Resonances, {{"", -1}, {"30", 1}})};
    planner::PlanDocument document;
    planner::FieldPlace place;
    std::string problem;
    ASSERT_FALSE(planner::DocumentOf(fields, document, problem, place));
    EXPECT_EQ(problem, "Run 5, Count: a value is needed");
    EXPECT_EQ(place.run, 4);
    ASSERT_TRUE(planner::DocumentOf(fields, document, problem, planner::Unfilled::Allowed)) << problem;
    EXPECT_EQ(document.unfilled, std::vector<std::string>{"sequence[4].resonances"});
    ASSERT_TRUE(document.sweep && document.sweep->duration && document.sequence);
    EXPECT_EQ(*document.sweep->duration, (planner::Quantity{2.0, "h"}));
    const std::vector<planner::Run>& runs = *document.sequence;
    EXPECT_EQ(runs[1].passTime, (planner::Quantity{20.0, "min"}));
    EXPECT_EQ(runs[1].sweeps, 1.0);
    EXPECT_EQ(runs[2].step, (planner::Quantity{0.5, "oct"}));
    EXPECT_EQ(runs[2].holdCycles, 1000.0);
    EXPECT_EQ(runs[2].level.value, (planner::Quantity{0.01, "in"}));
    EXPECT_EQ(runs[3].time, (planner::Quantity{2.0, "h"}));

    planner::PlanDocument opened;
    ASSERT_TRUE(planner::ReadPlan(planner::WritePlanDocument(document), opened, problem)) << problem;
    const planner::PlanFields shown = planner::FieldsOf(opened);
    EXPECT_EQ(shown.sweeps, "2 h");
    ASSERT_EQ(shown.runs.size(), fields.runs.size());
    for (std::size_t i = 0; i < shown.runs.size(); ++i) {
        EXPECT_EQ(planner::RunSummary(shown.runs[i]),
                  i == 3 ? "dwell, 30 Hz for 2 h" : planner::RunSummary(fields.runs[i]));
    }
    EXPECT_EQ(planner::RunSummary(shown.runs[2]),
              "stepped sine, 20 Hz to 40 Hz by 0.5 oct, 1000 cycles each, at 0.01 in");
    EXPECT_EQ(planner::FieldName(planner::UnfilledPlaces(opened)[0]), "Run 5, Count");
}

// Copy All Results lists each run and the test's time; a time queried in a
// dwell names the run and has no pass.
TEST(PlannerSequence, TheResultsTableListsTheRunsAndTheQueriedRun) {
    planner::PlanFields fields = planner::NewPlanFields();
    fields.runs = {RunOf(planner::RunChoice::Sweep, {}), RunOf(planner::RunChoice::Dwell, {{"30", 0}, {"2", 2}})};
    planner::PlanDocument document;
    std::string problem;
    ASSERT_TRUE(planner::DocumentOf(fields, document, problem)) << problem;
    planner::PlanQuery query;
    query.at = 3600.0;  // the sweep is 6 min 38.6 s, then the dwell
    planner::PlanOutcome outcome;
    ASSERT_TRUE(planner::EvaluatePlan(document, query, outcome, problem)) << problem;
    const std::string table = planner::ResultsTable(document, outcome);
    // 2 h at 30 Hz: 216,000 cycles.
    for (const char* line :
         {"\nrun 2\t\tdwell\t\n", "\nrun 2 cycles per axis\t\t216000\t\n", "\nrun 2 frequency\t\t30\tHz\n",
          "\nrun at queried time\t\t2\t\n", "\nfrequency at queried time\t\t30\tHz\n"}) {
        EXPECT_NE(table.find(line), std::string::npos) << line << table;
    }
    EXPECT_EQ(table.find("pass at queried time"), std::string::npos) << table;
    const planner::ResultsGrid grid = planner::ResultsGridOf(document, outcome);
    EXPECT_EQ(grid.rows.back(), (std::vector<std::string>{"At 1 h 0 min 0 s", "30", "", "", "", "run 2 (dwell)"}));
}
