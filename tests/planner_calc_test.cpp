#include <gtest/gtest.h>

#include "tests/case_name.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "planner/json.h"
#include "planner/plan.h"
#include "planner/quantity.h"
#include "tests/temp_file.h"

namespace {

using planner::QuantityKind;

constexpr double kG = 9.80665;

// A document with this profile (and sweep or shaker when given).
std::string Document(const std::string& profile, const std::string& rest = "") {
    return "{\"format\": \"halvex-plan\", \"version\": 1, \"profile\": [" + profile + "]" +
           (rest.empty() ? "" : ", " + rest) + "}";
}

planner::PlanOutcome Evaluate(const std::string& text, const planner::PlanQuery& query = {}) {
    planner::PlanDocument document;
    planner::PlanOutcome outcome;
    std::string message;
    EXPECT_TRUE(planner::ReadPlanDocument(text, document, message)) << message;
    EXPECT_TRUE(planner::EvaluatePlan(document, query, outcome, message)) << message;
    return outcome;
}

// Runs the command on a document written to a scratch file and reads its JSON.
planner::JsonValue RunJson(const std::string& text, std::vector<std::string> options) {
    const std::string path = TestTempPath(".halvex-plan");
    std::ofstream(path, std::ios::binary) << text;
    options.insert(options.begin(), {path, "--format", "json"});
    std::string out;
    std::string err;
    EXPECT_EQ(planner::RunPlanCommand(options, out, err), 0) << err;
    EXPECT_EQ(err, "");
    std::remove(path.c_str());
    planner::JsonValue value;
    planner::JsonError error;
    EXPECT_TRUE(planner::ParseJson(out, value, error)) << out;
    return value;
}

double At(const planner::JsonValue& value, std::initializer_list<const char*> path) {
    const planner::JsonValue* v = &value;
    for (const char* name : path) {
        v = v->Find(name);
        if (v == nullptr) {
            ADD_FAILURE() << "no " << name;
            return 0.0;
        }
    }
    return v->number;
}

const std::string kFiveToFiveHundred = R"({"from": 5, "to": 500, "acceleration": "1 g"})";

TEST(PlannerWorkedExamples, OneInchPeakToPeakMeetsTwelveGAt15_32Hz) {
    const planner::JsonValue out = RunJson(Document(R"({"from": 5, "to": "auto", "displacement_pp": "1.0 in"},
                                                       {"from": "auto", "to": 100, "acceleration": "12 g"})"),
                                           {});
    ASSERT_EQ(out.Find("crossovers")->items.size(), 1u);
    EXPECT_NEAR(out.Find("crossovers")->items[0].number, 15.32, 0.005);
}

TEST(PlannerWorkedExamples, LogSweepTimelineUpDownAndUp) {
    const std::string upDown =
        Document(kFiveToFiveHundred, R"("sweep": {"type": "log", "rate": "0.2215 oct/min", "mode": "up-down"})");
    const planner::JsonValue out = RunJson(upDown, {"--at", "2273"});
    EXPECT_NEAR(At(out, {"sweep", "octaves"}), 6.644, 0.0005);
    EXPECT_NEAR(At(out, {"sweep", "pass_time"}) / 60.0, 30.0, 0.05);
    EXPECT_EQ(At(out, {"at", "pass"}), 2.0);
    EXPECT_EQ(out.Find("at")->Find("direction")->text, "down");
    EXPECT_NEAR(At(out, {"at", "frequency"}), 148.9, 0.05);

    const std::string up = Document(kFiveToFiveHundred,
                                    R"("sweep": {"type": "log", "rate": "0.2215 oct/min", "mode": "up", "sweeps": 2})");
    const planner::JsonValue outUp = RunJson(up, {"--at", "37.883333333333333 min"});
    EXPECT_EQ(outUp.Find("at")->Find("direction")->text, "up");
    EXPECT_NEAR(At(outUp, {"at", "frequency"}), 16.79, 0.005);

    // Every pass downward: the first pass too, and the same place in the second as up-down.
    const std::string down = Document(
        kFiveToFiveHundred, R"("sweep": {"type": "log", "rate": "0.2215 oct/min", "mode": "down", "sweeps": 2})");
    const planner::JsonValue outDown = RunJson(down, {"--at", "2273"});
    EXPECT_EQ(At(outDown, {"sweep", "passes_per_axis"}), 2.0);
    EXPECT_EQ(outDown.Find("at")->Find("direction")->text, "down");
    EXPECT_NEAR(At(outDown, {"at", "frequency"}), 148.9, 0.05);
}

TEST(PlannerWorkedExamples, FiveHundredPoundForceDriving105PoundsReaches4_76G) {
    const planner::JsonValue out = RunJson(
        Document(kFiveToFiveHundred, R"("shaker": {"rated_force": "500 lbf", "moving_mass": {"specimen": "105 lb"}})"),
        {});
    EXPECT_NEAR(At(out, {"shaker", "max_acceleration"}) / kG, 4.76, 0.005);
}

TEST(PlannerWorkedExamples, ResonanceAt100HzQ10AtOneOctavePerMinute) {
    const planner::JsonValue out =
        RunJson(Document(kFiveToFiveHundred, R"("sweep": {"type": "log", "rate": "1 oct/min", "mode": "up"})"),
                {"--resonance", "100 Hz", "--q", "10"});
    const planner::JsonValue& resonance = *out.Find("resonance");
    EXPECT_NEAR(resonance.Find("band")->items[0].number, 95.0, 1e-9);
    EXPECT_NEAR(resonance.Find("band")->items[1].number, 105.0, 1e-9);
    EXPECT_NEAR(resonance.Find("time_per_pass")->number, 8.66, 0.005);
    EXPECT_NEAR(resonance.Find("cycles_per_pass")->number, 866.0, 0.5);
}

std::string Version2(const std::string& profile, const std::string& rest) {
    return "{\"format\": \"halvex-plan\", \"version\": 2, \"profile\": [" + profile + "], " + rest + "}";
}

const planner::JsonValue& RunOf(const planner::JsonValue& out, std::size_t i) {
    return out.Find("sequence")->items.at(i);
}

TEST(PlannerSequenceExamples, TwoHoursOfLinearSweepsOnEachOfThreeAxes) {
    // 10 -> 55 -> 10 Hz at 90 Hz/min: 30 s a pass, so 240 passes in 2 h.
    const planner::JsonValue out =
        RunJson(Version2(R"({"from": 10, "to": 55, "displacement_pp": "0.06 in"})",
                         R"("sweep": {"type": "linear", "rate": "90 Hz/min", "mode": "up-down", "duration": "2 h",
                            "axes": 3})"),
                {});
    EXPECT_EQ(At(out, {"sweep", "passes_per_axis"}), 240.0);
    EXPECT_EQ(At(out, {"test_time", "per_axis"}), 7200.0);
    EXPECT_EQ(At(out, {"test_time", "total"}), 6 * 3600.0);
    EXPECT_NEAR(At(out, {"peaks", "acceleration", "value"}) / kG, 9.28, 0.005);
    EXPECT_EQ(At(out, {"peaks", "acceleration", "frequency"}), 55.0);
}

TEST(PlannerSequenceExamples, SteppedSineInHertzAndInOctaves) {
    const planner::JsonValue out = RunJson(
        Version2(R"({"from": 4, "to": 33, "displacement_zp": "0.010 in"})",
                 R"("sequence": [{"run": "stepped", "from": "4 Hz", "to": "33 Hz", "step": "1 Hz", "hold": "15 s"},
                                 {"run": "stepped", "from": 10, "to": 80, "step": "1 oct", "hold_cycles": 1000,
                                  "level": {"acceleration": "0.5 g"}}])"),
        {});
    const planner::JsonValue& linear = RunOf(out, 0);
    EXPECT_EQ(linear.Find("frequencies")->items.size(), 30u);
    EXPECT_EQ(linear.Find("frequencies")->items.back().number, 33.0);
    EXPECT_EQ(At(linear, {"time_per_axis"}), 450.0);
    EXPECT_EQ(At(linear, {"cycles_per_axis"}), 8325.0);
    EXPECT_NEAR(At(linear, {"peaks", "acceleration", "value"}) / kG, 1.11, 0.005);

    const planner::JsonValue& octaves = RunOf(out, 1);
    std::vector<double> steps;
    for (const planner::JsonValue& f : octaves.Find("frequencies")->items) steps.push_back(f.number);
    EXPECT_EQ(steps, (std::vector<double>{10, 20, 40, 80}));
    EXPECT_EQ(At(octaves, {"time_per_axis"}), 187.5);
    EXPECT_EQ(At(out, {"test_time", "per_axis"}), 637.5);
}

TEST(PlannerSequenceExamples, DwellsAtAFrequencyAndForResonancesStillToFind) {
    const planner::JsonValue out =
        RunJson(Version2(kFiveToFiveHundred, R"("sequence": [{"run": "dwell", "frequency": "30 Hz", "time": "2 h"},
                                                             {"run": "dwell", "resonances": 3, "time": "30 min"},
                                                             {"run": "dwell", "resonances": 2, "cycles": 1e5}])"),
                {});
    EXPECT_EQ(At(RunOf(out, 0), {"cycles_per_axis"}), 216000.0);
    EXPECT_EQ(At(RunOf(out, 1), {"time_per_axis"}), 5400.0);
    // Cycles are budgeted at the highest frequency, the shortest time.
    EXPECT_EQ(At(RunOf(out, 2), {"cycles_timed_at"}), 500.0);
    EXPECT_EQ(At(RunOf(out, 2), {"time_per_axis"}), 400.0);
    EXPECT_EQ(At(out, {"test_time", "per_axis"}), 7200.0 + 5400.0 + 400.0);
}

TEST(PlannerSequenceExamples, SearchAtAQuarterOfTheProfile) {
    const planner::JsonValue out = RunJson(Version2(kFiveToFiveHundred, R"("shaker": {"acceleration": "10 g"},
                 "sequence": [{"run": "search", "type": "log", "rate": "0.5 oct/min", "mode": "up", "sweeps": 1,
                               "level": 0.25}])"),
                                           {});
    EXPECT_NEAR(At(RunOf(out, 0), {"time_per_axis"}), 13 * 60 + 17.3, 0.05);
    EXPECT_EQ(At(RunOf(out, 0), {"passes_per_axis"}), 1.0);
    EXPECT_NEAR(At(RunOf(out, 0), {"peaks", "acceleration", "value"}), 0.25 * kG, 1e-12);
    EXPECT_NEAR(out.Find("shaker")->Find("checks")->items[0].Find("required")->number, 0.25 * kG, 1e-12);
}

// The shaker check takes each run at its own level: a dwell above the
// profile binds where the search below it does not, and the check says so.
TEST(PlannerSequence, TheShakerCheckBindsInTheRunThatAsksTheMost) {
    planner::PlanQuery query;
    query.at = 700.0;
    query.frequency = 100.0;
    const planner::PlanOutcome o = Evaluate(Version2(kFiveToFiveHundred, R"("shaker": {"acceleration": "2 g"},
                 "sweep": {"type": "log", "pass_time": "10 min", "mode": "up", "sweeps": 1},
                 "sequence": [{"run": "search", "type": "log", "pass_time": "10 min", "mode": "up", "sweeps": 1,
                               "level": 0.5},
                              {"run": "dwell", "frequency": 100, "time": 60, "level": {"acceleration": "3 g"}},
                              {"run": "sweep"}])"),
                                            query);
    ASSERT_EQ(o.shaker->checks.size(), 1u);
    EXPECT_EQ(o.shaker->checks[0].run, 1u);
    EXPECT_NEAR(o.shaker->checks[0].required, 3 * kG, 1e-12);
    EXPECT_FALSE(o.shaker->ok);
    // 700 s is 40 s into the sweep; 100 Hz is passed in the search, met by the dwell, and passed again.
    EXPECT_EQ(o.at->run, 2u);
    EXPECT_EQ(o.at->pass, 1);
    EXPECT_EQ(o.sequence->axisTime, 1260.0);
    ASSERT_EQ(o.crossings->times.size(), 3u);
    EXPECT_EQ(o.crossings->times[1], 600.0);
    EXPECT_NEAR(o.crossings->times[2] - o.crossings->times[0], 660.0, 1e-9);
}

// A duration that ends inside a pass: the pass is cut short, its cycles
// counted to where it stops, and the timeline ends there.
TEST(PlannerSequence, ADurationEndingInsideAPassCutsItShort) {
    planner::PlanQuery query;
    query.frequency = 100.0;
    // 10 to 110 Hz at 1 Hz/s: 100 s a pass; 250 s ends halfway up the third.
    const planner::PlanOutcome o =
        Evaluate(Version2(R"({"from": 10, "to": 110, "velocity": 0.1})",
                          R"("sweep": {"type": "linear", "rate": "1 Hz/s", "mode": "up-down", "duration": "250 s"})"),
                 query);
    EXPECT_EQ(o.sweep->passesPerAxis, 2.5);
    EXPECT_EQ(o.sweep->sweepsPerAxis, 1.25);
    EXPECT_EQ(o.sweep->cyclesPerAxis, 2 * 6000.0 + (10.0 + 60.0) / 2 * 50.0);
    EXPECT_EQ(o.crossings->times, (std::vector<double>{90.0, 110.0}));
}

// Where two auto neighbours meet; expected values by hand: f = A/(2 pi V),
// V/(2 pi X), sqrt(A/X)/(2 pi).
struct CrossoverCase {
    const char* name;
    const char* lower;  // "field": value of the lower segment
    const char* upper;
    double hz;
};

class PlannerCrossoverTest : public ::testing::TestWithParam<CrossoverCase> {};

TEST_P(PlannerCrossoverTest, MeetsWhereTheLevelsAreEqual) {
    const CrossoverCase& c = GetParam();
    const planner::PlanOutcome outcome = Evaluate(Document(std::string(R"({"from": 1, "to": "auto", )") + c.lower +
                                                           R"(}, {"from": "auto", "to": 2000, )" + c.upper + "}"));
    ASSERT_EQ(outcome.profile.crossovers.size(), 1u);
    EXPECT_NEAR(outcome.profile.crossovers[0], c.hz, c.hz * 1e-12);
    EXPECT_EQ(outcome.profile.segments[0].to, outcome.profile.crossovers[0]);
    EXPECT_EQ(outcome.profile.segments[1].from, outcome.profile.crossovers[0]);
}

INSTANTIATE_TEST_SUITE_P(Pairs, PlannerCrossoverTest,
                         ::testing::Values(CrossoverCase{"VelocityThenAcceleration", R"("velocity": 0.5)",
                                                         R"("acceleration": "10 g")", 31.215536453442706},
                                           CrossoverCase{"ZeroPeakThenVelocity", R"("displacement_zp": "1 mm")",
                                                         R"("velocity": "100 mm/s")", 15.915494309189533},
                                           CrossoverCase{"PeakPeakThenAcceleration", R"("displacement_pp": "2.54 mm")",
                                                         R"("acceleration": "1 g")", 13.985519687813353},
                                           CrossoverCase{"AccelerationThenVelocity", R"("acceleration": "10 g")",
                                                         R"("velocity": "1 m/s")", 15.607768226721355}),
                         halvex_test::CaseName());

TEST(PlannerProfile, AMiddleSegmentWithTwoAutoEndsMeetsBothNeighbours) {
    // 10 mm p-p meets 0.2 m/s at 0.2 / (2 pi 0.005 m); that meets 5 g at 5 g / (2 pi 0.2 m/s).
    const planner::PlanOutcome o = Evaluate(Document(R"({"from": 5, "to": "auto", "displacement_pp": "10 mm"},
                                                        {"from": "auto", "to": "auto", "velocity": 0.2},
                                                        {"from": "auto", "to": 500, "acceleration": "5 g"})"));
    ASSERT_EQ(o.profile.crossovers.size(), 2u);
    EXPECT_NEAR(o.profile.crossovers[0], 6.366197723675814, 1e-9);
    EXPECT_NEAR(o.profile.crossovers[1], 39.01942056680338, 1e-9);
}

TEST(PlannerProfile, RampSlopeEndsAndPeaksOfTheExampleDocument) {
    std::ifstream file(std::string(HALVEX_SOURCE_DIR) + "/docs/examples/shaker-test.halvex-plan");
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const planner::PlanOutcome o = Evaluate(text);
    ASSERT_EQ(o.profile.segments.size(), 3u);
    // 1 g to 2 g over 100 to 500 Hz: 20 log10(2) / log2(5) dB per octave of acceleration.
    EXPECT_NEAR(o.profile.segments[2].slopeDbPerOctave, 2.5929312481882376, 1e-12);
    EXPECT_NEAR(o.profile.segments[2].end.acceleration, 2 * kG, 1e-12);
    EXPECT_NEAR(o.profile.segments[0].start.velocity, 0.00127 * 2 * 3.141592653589793 * 5, 1e-15);
    EXPECT_NEAR(o.profile.displacementPp.value, 0.00254, 1e-15);
    EXPECT_EQ(o.profile.displacementPp.frequency, 5.0);  // constant on the segment: the lowest place
    EXPECT_NEAR(o.profile.velocity.frequency, 13.985519687813353, 1e-9);
    EXPECT_NEAR(o.profile.velocity.value, 0.11159948700598941, 1e-12);
    EXPECT_EQ(o.profile.acceleration.frequency, 500.0);

    // 5 + 0 + 8 + 12 kg moving; force 25 kg * 2 g against 9 kN.
    ASSERT_TRUE(o.shaker);
    EXPECT_EQ(*o.shaker->movingMass, 25.0);
    EXPECT_NEAR(*o.shaker->maxAcceleration, 360.0, 1e-12);
    struct Expected {
        planner::LimitKind limit;
        double margin;
        double frequency;
    };
    const Expected expected[] = {{planner::LimitKind::Force, 18.35489183360271, 500.0},
                                 {planner::LimitKind::Stroke, 51.0 / 2.54, 5.0},
                                 {planner::LimitKind::Velocity, 16.12910639905895, 13.985519687813353},
                                 {planner::LimitKind::Acceleration, 50.0, 500.0}};
    ASSERT_EQ(o.shaker->checks.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(o.shaker->checks[i].limit, expected[i].limit) << i;
        EXPECT_NEAR(o.shaker->checks[i].margin, expected[i].margin, 1e-9) << i;
        EXPECT_NEAR(o.shaker->checks[i].frequency.value_or(0.0), expected[i].frequency, 1e-9) << i;
        EXPECT_TRUE(o.shaker->checks[i].ok) << i;
    }
    EXPECT_TRUE(o.shaker->ok);

    // log2(100) octaves at 1 oct/min, 10 sweeps up and down, 3 axes.
    ASSERT_TRUE(o.sweep);
    EXPECT_NEAR(o.sweep->passTime, 398.63137138648347, 1e-9);
    EXPECT_NEAR(o.sweep->cyclesPerPass, 42848.04271440222, 1e-6);
    EXPECT_EQ(o.sweep->passesPerAxis, 20.0);
    EXPECT_NEAR(o.sweep->totalTime, 23917.882283189007, 1e-6);
}

// 10 mm p-p meets 0.5 m/s at 0.5 / (pi 0.01 m) = 15.9155 Hz, which meets
// 20 g at 20 g / (2 pi 0.5 m/s) = 62.4311 Hz. Each peak is first reached at
// the lower of its two places, though its other place computes a hair
// higher; limits equal to the peaks hold, and of limits equally short the
// first binds.
TEST(PlannerProfile, APeakIsReachedFirstAtTheLowestFrequencyWhateverTheRounding) {
    const std::string text = Document(R"({"from": 5, "to": "auto", "displacement_pp": "10 mm"},
                                        {"from": "auto", "to": "auto", "velocity": "0.5 m/s"},
                                        {"from": "auto", "to": 2000, "acceleration": "20 g"})",
                                      R"("shaker": {"rated_force": "1961.33 N", "moving_mass": {"specimen": "10 kg"},
                                         "stroke_pp": "10 mm", "velocity": "0.5 m/s", "acceleration": "20 g"})");
    const planner::PlanOutcome o = Evaluate(text);
    const double first = 0.5 / (3.141592653589793 * 0.01);
    const double second = 20 * kG / (2 * 3.141592653589793 * 0.5);
    EXPECT_EQ(o.profile.displacementPp.frequency, 5.0);
    EXPECT_EQ(o.profile.displacementPp.value, 0.01);
    EXPECT_NEAR(o.profile.velocity.frequency, first, first * 1e-12);
    EXPECT_EQ(o.profile.velocity.value, 0.5);
    EXPECT_NEAR(o.profile.acceleration.frequency, second, second * 1e-12);
    EXPECT_EQ(o.profile.acceleration.value, 20 * kG);
    ASSERT_EQ(o.shaker->checks.size(), 4u);
    for (const planner::ShakerCheck& check : o.shaker->checks) {
        EXPECT_TRUE(check.ok) << planner::LimitName(check.limit);
        EXPECT_NEAR(check.margin, 1.0, 1e-12) << planner::LimitName(check.limit);
    }
    // The margins as the crossover's rounding may leave them: the force binds, not the stroke.
    planner::ShakerResult rounded = *o.shaker;
    rounded.checks[1].margin = 0.9999999999999997;
    EXPECT_EQ(planner::BindingCheck(rounded), &rounded.checks[0]);
    rounded.checks[2].margin = 0.999;
    EXPECT_EQ(planner::BindingCheck(rounded), &rounded.checks[2]);

    // The report for people says the same.
    const std::string path = TestTempPath(".halvex-plan");
    std::ofstream(path, std::ios::binary) << text;
    std::string out;
    std::string err;
    ASSERT_EQ(planner::RunPlanCommand({path}, out, err), 0) << err;
    std::remove(path.c_str());
    std::string words;  // runs of blanks as one
    for (const char c : out) {
        if (c != ' ' || (!words.empty() && words.back() != ' ' && words.back() != '\n')) words += c;
    }
    for (const char* line : {"\nPeak displacement p-p 10 mm at 5 Hz\n", "\nPeak velocity 0.5 m/s at 15.92 Hz\n",
                             "\nPeak acceleration 20 g at 62.43 Hz\n", "\nstroke 10 10 mm 1 5 ok\n"}) {
        EXPECT_NE(words.find(line), std::string::npos) << line << words;
    }
}

TEST(PlannerShaker, ALimitEqualToThePeakInAnotherUnitHolds) {
    // 7.62 mm is 0.3 in, though 0.3 * 0.0254 m rounds a bit below 7.62 * 0.001 m.
    const planner::PlanOutcome o = Evaluate(
        Document(R"({"from": 5, "to": 50, "displacement_pp": "7.62 mm"})", R"("shaker": {"stroke_pp": "0.3 in"})"));
    ASSERT_EQ(o.shaker->checks.size(), 1u);
    EXPECT_TRUE(o.shaker->checks[0].ok);
    EXPECT_TRUE(o.shaker->ok);
}

TEST(PlannerShaker, OneFailingLimitFailsThePlan) {
    // 10 mm p-p to 20 Hz then 5 g: a 6 mm stroke is short, the rest holds.
    const planner::PlanOutcome o = Evaluate(Document(R"({"from": 5, "to": 20, "displacement_pp": "10 mm"},
                                                        {"from": 20, "to": 200, "acceleration": "5 g"})",
                                                     R"("shaker": {"stroke_pp": "6 mm", "acceleration": "50 g"})"));
    ASSERT_EQ(o.shaker->checks.size(), 2u);
    EXPECT_FALSE(o.shaker->checks[0].ok);
    EXPECT_NEAR(o.shaker->checks[0].margin, 0.6, 1e-12);
    EXPECT_TRUE(o.shaker->checks[1].ok);
    EXPECT_FALSE(o.shaker->ok);
    EXPECT_FALSE(o.shaker->movingMass);
}

TEST(PlannerSweep, LinearSweepTimelineCrossingsAndDwells) {
    // 10 to 110 Hz in 100 s: 1 Hz/s, mean 60 Hz, 6000 cycles a pass.
    const std::string text = Document(R"({"from": 10, "to": 110, "velocity": 0.1})",
                                      R"("sweep": {"type": "linear", "pass_time": "100 s", "mode": "up-down",
                                         "sweeps": 2, "axes": 2, "dwells": [{"frequency": 60, "time": "1 min"}]})");
    planner::PlanQuery query;
    query.at = 150.0;
    query.frequency = 60.0;
    const planner::PlanOutcome o = Evaluate(text, query);
    EXPECT_EQ(o.sweep->rate, 1.0);
    EXPECT_EQ(o.sweep->cyclesPerPass, 6000.0);
    EXPECT_EQ(o.sweep->axisTime, 460.0);
    EXPECT_EQ(o.sweep->totalTime, 920.0);
    EXPECT_EQ(o.at->pass, 2);
    EXPECT_FALSE(o.at->upward);
    EXPECT_EQ(o.at->frequency, 60.0);
    EXPECT_EQ(o.crossings->times, (std::vector<double>{50.0, 150.0, 250.0, 350.0}));

    // The lowest frequency is met once at each turn between a down and an up pass.
    query.at = 400.0;  // the very end belongs to the last pass
    query.frequency = 10.0;
    const planner::PlanOutcome ends = Evaluate(text, query);
    EXPECT_EQ(ends.crossings->times, (std::vector<double>{0.0, 200.0, 400.0}));
    EXPECT_EQ(ends.at->pass, 4);
    EXPECT_EQ(ends.at->frequency, 10.0);
}

TEST(PlannerSweep, ATurnIsPassedOnceThoughItsTwoTimesRoundApart) {
    // Up and down in 97 s a pass: the top is met at the ends of passes 1 and
    // 3. The time up to it, from the rate worked out of the pass time, and
    // the pass time itself differ in their last bit.
    planner::PlanQuery query;
    query.frequency = 500.0;
    const planner::PlanOutcome o =
        Evaluate(Document(R"({"from": 5, "to": 500, "acceleration": "1 g"})",
                          R"("sweep": {"type": "log", "pass_time": 97, "mode": "up-down", "sweeps": 2})"),
                 query);
    ASSERT_EQ(o.crossings->times.size(), 2u);
    EXPECT_NEAR(o.crossings->times[0], 97.0, 1e-9);
    EXPECT_NEAR(o.crossings->times[1], 291.0, 1e-9);
}

struct UnitCase {
    const char* name;
    const char* text;
    QuantityKind kind;
    double si;
};

class PlannerUnitTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(PlannerUnitTest, ConvertsToSi) {
    const UnitCase& c = GetParam();
    planner::Quantity quantity;
    std::string problem;
    ASSERT_TRUE(planner::ParseQuantityText(c.text, c.kind, quantity, problem)) << problem;
    EXPECT_DOUBLE_EQ(planner::ToSi(quantity, c.kind, 9.81), c.si);
}

INSTANTIATE_TEST_SUITE_P(Units, PlannerUnitTest,
                         ::testing::Values(UnitCase{"Inch", "2 in", QuantityKind::Length, 0.0508},
                                           UnitCase{"Mil", "3 mil", QuantityKind::Length, 7.62e-5},
                                           UnitCase{"Micrometre", "25 um", QuantityKind::Length, 2.5e-5},
                                           UnitCase{"InchPerSecond", "10 in/s", QuantityKind::Velocity, 0.254},
                                           UnitCase{"GravityOfTheDocument", "2 g", QuantityKind::Acceleration, 19.62},
                                           UnitCase{"InchPerSecondSquared", "-1e2 in/s^2", QuantityKind::Acceleration,
                                                    -2.54},
                                           UnitCase{"Gram", "500 g", QuantityKind::Mass, 0.5},
                                           UnitCase{"Pound", "105 lb", QuantityKind::Mass, 47.62719885},
                                           UnitCase{"PoundForce", "2 lbf", QuantityKind::Force, 8.896443230521},
                                           UnitCase{"KiloNewton", "9 kN", QuantityKind::Force, 9000.0},
                                           UnitCase{"Hour", ".5 h", QuantityKind::Time, 1800.0},
                                           UnitCase{"OctavesPerMinute", "3 oct/min", QuantityKind::SweepRate, 0.05},
                                           UnitCase{"HertzPerMinute", "30 Hz/min", QuantityKind::SweepRate, 0.5}),
                         halvex_test::CaseName());

// Units in any letter case, with or without the blank; the octave spelled
// three ways. Refused: what is not a number and a unit of the field's kind,
// and a mass in G, which may be the gravity as well as the gram.
struct Spelling {
    const char* text;
    QuantityKind kind;
    const char* unit;          // as it is kept and written; nullptr: refused
    const char* problem = "";  // the start of the refusal
};

const Spelling kSpellings[] = {
    {"22kN", QuantityKind::Force, "kN"},
    {"22 KN", QuantityKind::Force, "kN"},
    {"22 kn", QuantityKind::Force, "kN"},
    {"5000LBF", QuantityKind::Force, "lbf"},
    {"51mm", QuantityKind::Length, "mm"},
    {"51 MM", QuantityKind::Length, "mm"},
    {"1.5e-3m", QuantityKind::Length, "m"},
    {"3 Mil", QuantityKind::Length, "mil"},
    {"2m/s", QuantityKind::Velocity, "m/s"},
    {"10 G", QuantityKind::Acceleration, "g"},
    {"10g", QuantityKind::Acceleration, "g"},
    {"-1e2IN/S^2", QuantityKind::Acceleration, "in/s^2"},
    {"100 hz", QuantityKind::Frequency, "Hz"},
    {"100HZ", QuantityKind::Frequency, "Hz"},
    {"30 MIN", QuantityKind::Time, "min"},
    {"500 g", QuantityKind::Mass, "g"},
    {"20 KG", QuantityKind::Mass, "kg"},
    {"1 octave/min", QuantityKind::SweepRate, "oct/min"},
    {"1 Octaves/Min", QuantityKind::SweepRate, "oct/min"},
    {"2 octaves/s", QuantityKind::SweepRate, "oct/s"},
    {"30 hz/MIN", QuantityKind::SweepRate, "Hz/min"},
    {"500 G", QuantityKind::Mass, nullptr, "\"G\" may be the gravity or the gram"},
    {"2 ms", QuantityKind::Time, nullptr, "\"ms\" is not a unit of a time (s, min, h)"},
    {"2.54", QuantityKind::Length, nullptr, "expected a number and a unit, such as \"51 mm\""},
    {"22", QuantityKind::Force, nullptr, "expected a number and a unit, such as \"22 kN\""},
    {"mm", QuantityKind::Length, nullptr, "expected a number and a unit"},
    {"", QuantityKind::Mass, nullptr, "expected a number and a unit, such as \"20 kg\""},
    {"2.54  mm", QuantityKind::Length, nullptr, "expected a number and a unit"},
    {" 2.54 mm", QuantityKind::Length, nullptr, "expected a number and a unit"},
    {"2.54 mm ", QuantityKind::Length, nullptr, "expected a number and a unit"},
    {"1,5 mm", QuantityKind::Length, nullptr, "\"1,5\" is not a number"},
    {"0x10 mm", QuantityKind::Length, nullptr, "\"0x10\" is not a number"},
    {"inf mm", QuantityKind::Length, nullptr, "\"inf\" is not a number"},
    {"1e mm", QuantityKind::Length, nullptr, "\"1e\" is not a number"},
    {". mm", QuantityKind::Length, nullptr, "\".\" is not a number"},
    {"1emm", QuantityKind::Length, nullptr, "\"emm\" is not a unit of a length"},
    {"2 Hz", QuantityKind::Length, nullptr, "\"Hz\" is not a unit of a length (m, mm, um, in, mil)"},
    {"1 oct", QuantityKind::SweepRate, nullptr, "\"oct\" is not a unit of a sweep rate"},
};

TEST(PlannerUnits, LenientSpellingsAreReadAndKeptCanonical) {
    for (const Spelling& c : kSpellings) {
        SCOPED_TRACE(c.text);
        planner::Quantity quantity;
        std::string problem;
        EXPECT_EQ(planner::ParseQuantityText(c.text, c.kind, quantity, problem), c.unit != nullptr) << problem;
        if (c.unit != nullptr) {
            EXPECT_EQ(quantity.unit, c.unit);
        } else {
            EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << problem;
        }
    }
}

}  // namespace

namespace {

// A stated boundary where the neighbours' levels do not meet is warned of,
// and the plan still computes as written.
TEST(PlannerProfile, AStepAtAStatedBoundaryIsWarnedOf) {
    const planner::PlanOutcome o = Evaluate(Document(R"({"from": 2, "to": 13.2, "displacement_zp": "1 mm"},
                                                        {"from": 13.2, "to": 100, "acceleration": "7 m/s^2"},
                                                        {"from": 100, "to": 200, "acceleration": "7.03 m/s^2"})"));
    ASSERT_EQ(o.profile.warnings.size(), 1u);  // 0.43 % at 100 Hz is within the tolerance
    const planner::ProfileWarning& w = o.profile.warnings[0];
    EXPECT_EQ(w.path, "profile[0].to");
    EXPECT_NEAR(w.stepPercent, 1.76, 0.005);
    EXPECT_NEAR(*w.meetsAt, 13.32, 0.005);
    EXPECT_EQ(w.message,
              "profile[0].to: at 13.2 Hz profile[0] asks 6.879 m/s^2 and profile[1] 7 m/s^2 of acceleration, a step "
              "of 1.76 %; the levels meet at 13.3159 Hz");
    EXPECT_EQ(o.profile.acceleration.value, 7.03);
}

}  // namespace
