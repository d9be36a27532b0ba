#include <gtest/gtest.h>

#include "tests/case_name.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "planner/json.h"
#include "planner/plan.h"
#include "tests/temp_file.h"

namespace {

std::string Document(const std::string& profile, const std::string& rest = "") {
    return "{\"format\": \"halvex-plan\", \"version\": 1, \"profile\": [" + profile + "]" +
           (rest.empty() ? "" : ", " + rest) + "}";
}

// The same document at version 2, for what only that version holds.
std::string Version2(const std::string& profile, const std::string& rest) {
    return "{\"format\": \"halvex-plan\", \"version\": 2, \"profile\": [" + profile + "], " + rest + "}";
}

const std::string kOne = R"({"from": 5, "to": 500, "acceleration": "1 g"})";
const std::string kSweep = R"("sweep": {"type": "log", "rate": "1 oct/min", "mode": "up"})";

struct BadDocument {
    const char* name;
    std::string text;
    const char* message;
};

class PlanRefusesTest : public ::testing::TestWithParam<BadDocument> {};

TEST_P(PlanRefusesTest, WithOneMessageNamingTheField) {
    const BadDocument& c = GetParam();
    planner::PlanDocument document;
    std::string message;
    EXPECT_FALSE(planner::ReadPlan(c.text, document, message));
    EXPECT_EQ(message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, PlanRefusesTest,
    ::testing::Values(
        BadDocument{"NotJson", R"({"format": "halvex-plan",})",
                    "not valid JSON at line 1, column 26: expected a member name in quotes"},
        BadDocument{"NotAnObject", "[]", "document: expected an object, found an array"},
        BadDocument{"UnknownFormat", R"({"format": "halvex-sheet", "version": 1, "profile": []})",
                    "format: unknown format; expected \"halvex-plan\""},
        BadDocument{"NewerVersion", R"({"format": "halvex-plan", "version": 3, "profile": [], "colour": 1})",
                    "version: this document is of a newer version than this program reads (2)"},
        BadDocument{"FractionalVersion", R"({"format": "halvex-plan", "version": 0.5})",
                    "version: must be a whole number, at least 1"},
        BadDocument{"UnknownTopField", Document(kOne, R"("comment": "x")"), "comment: unknown field"},
        BadDocument{"UnknownSegmentField",
                    Document(kOne + R"(, {"from": 500, "to": 600, "acceleration": 1, "colour": "red"})"),
                    "profile[1].colour: unknown field"},
        BadDocument{"OddFieldNameStaysOnOneLine", Document(R"({"from": 5, "to": 500, "velocity": 1, "a b\n": 2})"),
                    "profile[0][\"a b\\n\"]: unknown field"},
        BadDocument{"UnknownMass", Document(kOne, R"("shaker": {"moving_mass": {"table": "1 kg"}})"),
                    "shaker.moving_mass.table: unknown field"},
        BadDocument{"WrongUnitKind", Document(R"({"from": 5, "to": 500, "acceleration": "1 mm"})"),
                    "profile[0].acceleration: \"mm\" is not a unit of an acceleration (m/s^2, mm/s^2, in/s^2, g)"},
        BadDocument{"WrongUnitKindInRamp", Document(R"({"from": 5, "to": 500, "velocity": ["1 m/s", "2 kg"]})"),
                    "profile[0].velocity[1]: \"kg\" is not a unit of a velocity (m/s, mm/s, in/s)"},
        BadDocument{"RateOfTheOtherSweepType", Document(kOne, R"("sweep": {"type": "linear", "rate": "1 oct/min",
                    "mode": "up"})"),
                    "sweep.rate: a linear sweep's rate is in Hz/min or Hz/s"},
        BadDocument{"GravityInG", Document(kOne, R"("gravity": "1 g")"), "gravity: cannot be given in g"},
        BadDocument{"ZeroLevel", Document(R"({"from": 5, "to": 500, "velocity": 0})"),
                    "profile[0].velocity: must be positive and finite"},
        BadDocument{"NegativeFrequency", Document(R"({"from": "-5 Hz", "to": 500, "velocity": 1})"),
                    "profile[0].from: must be positive and finite"},
        BadDocument{"InfiniteInText", Document(R"({"from": 5, "to": 500, "displacement_pp": "1e999 mm"})"),
                    "profile[0].displacement_pp: must be positive and finite"},
        BadDocument{"NegativeMass", Document(kOne, R"("shaker": {"moving_mass": {"fixture": "-1 kg"}})"),
                    "shaker.moving_mass.fixture: must be zero or positive, and finite"},
        BadDocument{"ForceFractionAboveOne", Document(kOne, R"("shaker": {"force_fraction": 1.5})"),
                    "shaker.force_fraction: must be a number above 0 and at most 1"},
        BadDocument{"ZeroSweeps", Document(kOne, R"("sweep": {"type": "log", "rate": 1, "mode": "up", "sweeps": 0})"),
                    "sweep.sweeps: must be a whole number, at least 1"},
        BadDocument{"RateAndPassTime", Document(kOne, R"("sweep": {"type": "log", "rate": 1, "pass_time": 60,
                    "mode": "up"})"),
                    "sweep: give either rate or pass_time, not both"},
        BadDocument{"TwoLevels", Document(R"({"from": 5, "to": 500, "velocity": 1, "acceleration": 1})"),
                    "profile[0].acceleration: a segment has one level, and this one has velocity"},
        BadDocument{
            "NoLevel", Document(R"({"from": 5, "to": 500})"),
            "profile[0]: a segment needs one level: displacement_pp, displacement_zp, velocity or acceleration"},
        BadDocument{"Gap", Document(kOne + R"(, {"from": 600, "to": 900, "velocity": 1})"),
                    "profile[1].from: 600 Hz does not meet profile[0].to (500 Hz); segments must be contiguous"},
        BadDocument{"Backwards", Document(R"({"from": 500, "to": 5, "velocity": 1})"),
                    "profile[0].to: must be above from (500 Hz)"},
        BadDocument{"AutoAtTheBottom", Document(R"({"from": "auto", "to": 5, "velocity": 1})"),
                    "profile[0].from: auto needs a segment below to meet"},
        BadDocument{"AutoNextToARamp", Document(R"({"from": 5, "to": "auto", "velocity": [1, 2]},
                    {"from": "auto", "to": 500, "acceleration": "1 g"})"),
                    "profile[0].to: a ramp's ends must be numbers, not auto"},
        BadDocument{"NeverMeet", Document(R"({"from": 5, "to": "auto", "acceleration": "1 g"},
                    {"from": "auto", "to": 500, "acceleration": "2 g"})"),
                    "profile[0].to: the levels of profile[0] and profile[1] never meet"},
        BadDocument{"MeetOutsideTheirSpan", Document(R"({"from": 20, "to": "auto", "displacement_pp": "1.0 in"},
                    {"from": "auto", "to": 100, "acceleration": "12 g"})"),
                    "profile[0].to: the levels of profile[0] and profile[1] meet at 15.3204 Hz, outside their span "
                    "20 Hz to 100 Hz"},
        BadDocument{"DwellOutsideTheProfile", Document(kOne, R"("sweep": {"type": "log", "rate": 1, "mode": "up",
                    "dwells": [{"frequency": 2000, "time": 60}]})"),
                    "sweep.dwells[0].frequency: 2000 Hz is outside the profile (5 to 500 Hz)"},
        BadDocument{"ForceWithoutMass", Document(kOne, R"("shaker": {"rated_force": "1 kN"})"),
                    "shaker.moving_mass: the force check needs a moving mass above 0"},
        BadDocument{"SequenceInVersion1", Document(kOne, R"("sequence": [{"run": "dwell", "frequency": 50,
                    "time": 60}])"),
                    "sequence: a sequence needs version 2 of the format"},
        BadDocument{"DurationInVersion1", Document(kOne, R"("sweep": {"type": "log", "rate": 1, "mode": "up",
                    "duration": "2 h"})"),
                    "sweep.duration: a sweep given by its time per axis needs version 2 of the format"},
        BadDocument{"ReportInVersion1", Document(kOne, R"("report": {"title": "Bracket"})"),
                    "report: a report's title block needs version 2 of the format"},
        BadDocument{"ReportTextToFill", Version2(kOne, R"("report": {"author": "?"})"),
                    "report.author: a field to fill (\"?\") stands for a figure, not for a name or a text"},
        BadDocument{"ReportUnknownField", Version2(kOne, R"("report": {"date": "today"})"),
                    "report.date: unknown field"},
        BadDocument{"SweepsAndDuration", Version2(kOne, R"("sweep": {"type": "log", "rate": 1, "mode": "up",
                    "sweeps": 2, "duration": "2 h"})"),
                    "sweep: give either sweeps or duration, not both"},
        BadDocument{"UnknownRunKind", Version2(kOne, R"("sequence": [{"run": "soak"}])"),
                    "sequence[0].run: must be one of \"sweep\", \"search\", \"dwell\", \"stepped\""},
        BadDocument{"DwellTimeAndCycles", Version2(kOne, R"("sequence": [{"run": "dwell", "frequency": 50,
                    "time": 60, "cycles": 1000}])"),
                    "sequence[0]: give either time or cycles, not both"},
        BadDocument{"SearchWithoutSweepsOrDuration", Version2(kOne, R"("sequence": [{"run": "search",
                    "type": "log", "rate": "1 oct/min", "mode": "up", "level": 0.5}])"),
                    "sequence[0]: give sweeps or duration"},
        BadDocument{"DwellOutsideTheProfileAtItsLevel", Version2(kOne, R"("sequence": [{"run": "dwell",
                    "frequency": 2000, "time": 60, "level": 0.5}])"),
                    "sequence[0].frequency: 2000 Hz is outside the profile (5 to 500 Hz); a dwell outside it needs "
                    "a level of its own"},
        BadDocument{"FractionAboveOne", Version2(kOne, R"("sequence": [{"run": "dwell", "frequency": 50,
                    "time": 60, "level": 1.5}])"),
                    "sequence[0].level: a part of the profile's level is above 0 and at most 1"},
        BadDocument{"StepWiderThanTheSpan", Version2(kOne, R"("sequence": [{"run": "stepped", "from": 10,
                    "to": 20, "step": "2 oct", "hold": 10}])"),
                    "sequence[0].step: 2 oct is larger than the span from 10 to 20 Hz"},
        BadDocument{"StepNotPositive", Version2(kOne, R"("sequence": [{"run": "stepped", "from": 10,
                    "to": 20, "step": "0 Hz", "hold": 10}])"),
                    "sequence[0].step: must be positive and finite"},
        BadDocument{"TooManySteps", Version2(kOne, R"("sequence": [{"run": "stepped", "from": 5,
                    "to": 500, "step": "0.01 Hz", "hold": 10}])"),
                    "sequence[0].step: more than 10000 steps from 5 to 500 Hz"},
        BadDocument{"SecondSweepRun", Version2(kOne, R"("sweep": {"type": "log", "rate": 1, "mode": "up"},
                    "sequence": [{"run": "sweep"}, {"run": "sweep"}])"),
                    "sequence[1]: the endurance sweep runs once, and sequence[0] runs it"}),
    halvex_test::CaseName());

TEST(PlanDocumentTest, DeepNestingIsRefusedWithItsPathAndPlace) {
    const std::string brackets(70, '[');
    const std::string text = Document(kOne, "\"x\": " + brackets + std::string(70, ']'));
    // The document itself is the first level, so the 64th bracket is one too many.
    std::string expected = "x";
    for (int i = 0; i < 63; ++i) expected += "[0]";
    expected +=
        ": not valid JSON at line 1, column " + std::to_string(text.find(brackets) + 64) + ": nested too deeply";
    planner::PlanDocument document;
    std::string message;
    EXPECT_FALSE(planner::ReadPlan(text, document, message));
    EXPECT_EQ(message, expected);
}

TEST(PlanDocumentTest, WritesWhatReadsBackEqual) {
    const std::string text = Document(
        R"({"from": "5 Hz", "to": "auto", "displacement_zp": "0.1 in"},
           {"from": "auto", "to": 33.3, "velocity": "250 mm/s"},
           {"from": 33.3, "to": 2000, "acceleration": ["0.1 g", "1.5e1 m/s^2"]})",
        R"("gravity": "9.81 m/s^2",
           "sweep": {"type": "linear", "pass_time": "2.5 min", "mode": "down", "sweeps": 3, "axes": 2,
                     "dwells": [{"frequency": "50 Hz", "time": 30}, {"frequency": 1000, "time": "1 h"}]},
           "shaker": {"rated_force": "2000 lbf", "force_fraction": 0.8,
                      "moving_mass": {"armature": "10 lb", "specimen": 0.1}, "velocity": "70 in/s"})");
    planner::PlanDocument first;
    std::string message;
    ASSERT_TRUE(planner::ReadPlan(text, first, message)) << message;
    const std::string written = planner::WritePlanDocument(first);
    planner::PlanDocument second;
    ASSERT_TRUE(planner::ReadPlan(written, second, message)) << message << "\n" << written;
    EXPECT_TRUE(second == first) << written;
    EXPECT_EQ(second.profile[2].values[1].unit, "m/s^2");
    EXPECT_EQ(second.profile[2].values[1].number, 15.0);
    EXPECT_FALSE(second.shaker->masses[1].has_value());
    EXPECT_TRUE(second.UsesInchPound());
    EXPECT_EQ(planner::WritePlanDocument(second), written);
}

// Version 1 stays version 1 when nothing of version 2 is used; a sequence
// of every kind of run, with fields still to fill, reads back equal.
TEST(PlanDocumentTest, WritesTheLowestVersionThatHoldsIt) {
    planner::PlanDocument document;
    std::string message;
    const std::string v1 = Document(kOne, kSweep);
    ASSERT_TRUE(planner::ReadPlan(v1, document, message)) << message;
    EXPECT_NE(planner::WritePlanDocument(document).find("\"version\": 1,"), std::string::npos);

    const std::string v2 = Version2(kOne, R"("sweep": {"type": "log", "rate": "1 oct/min", "mode": "up-down",
        "duration": "2 h", "axes": 3},
        "sequence": [{"run": "search", "type": "linear", "pass_time": "5 min", "mode": "up", "duration": "?",
                      "level": {"acceleration": "0.25 g"}},
                     {"run": "sweep"},
                     {"run": "dwell", "frequency": "?", "cycles": 1e6},
                     {"run": "dwell", "resonances": 3, "time": "30 min", "level": 0.5},
                     {"run": "stepped", "from": 10, "to": "80 Hz", "step": "0.5 octaves", "hold_cycles": 1000},
                     {"run": "stepped", "from": "4 Hz", "to": 33, "step": 1, "hold": "? s",
                      "level": {"displacement_zp": "0.01 in"}}])");
    ASSERT_TRUE(planner::ReadPlan(v2, document, message)) << message;
    EXPECT_EQ(document.unfilled,
              (std::vector<std::string>{"sequence[0].duration", "sequence[2].frequency", "sequence[5].hold"}));
    const std::string written = planner::WritePlanDocument(document);
    planner::PlanDocument again;
    ASSERT_TRUE(planner::ReadPlan(written, again, message)) << message << "\n" << written;
    EXPECT_TRUE(again == document) << written;
    EXPECT_EQ((*again.sequence)[4].step.unit, "oct");
    EXPECT_NE(written.find("\"version\": 2,"), std::string::npos);
}

// A file read with lenient spellings is written back in the canonical ones;
// a bare number in a string, where a unit is needed, is still refused.
TEST(PlanDocumentTest, LenientUnitsAreWrittenBackCanonical) {
    const std::string text = Document(
        R"({"from": "5hz", "to": "auto", "displacement_pp": "51MM"},
           {"from": "auto", "to": "2000 HZ", "acceleration": "20 G"})",
        R"("sweep": {"type": "log", "rate": "2 octaves/min", "mode": "up"},
           "shaker": {"rated_force": "22kn", "moving_mass": {"armature": "20 KG"}})");
    planner::PlanDocument document;
    std::string message;
    ASSERT_TRUE(planner::ReadPlan(text, document, message)) << message;
    const std::string written = planner::WritePlanDocument(document);
    for (const char* canonical : {R"({"from": "5 Hz", "to": "auto", "displacement_pp": "51 mm"})",
                                  R"("to": "2000 Hz", "acceleration": "20 g"})", R"("rate": "2 oct/min")",
                                  R"("rated_force": "22 kN")", R"("armature": "20 kg")"}) {
        EXPECT_NE(written.find(canonical), std::string::npos) << canonical << "\n" << written;
    }
    EXPECT_FALSE(planner::ReadPlan(Document(R"({"from": 5, "to": 500, "velocity": "0.5"})"), document, message));
    EXPECT_EQ(message, "profile[0].velocity: expected a number and a unit, such as \"0.5 m/s\"");
    EXPECT_FALSE(planner::ReadPlan(Document(R"({"from": "5", "to": 500, "velocity": 1})"), document, message));
    EXPECT_EQ(message, "profile[0].from: expected \"auto\" or a frequency (Hz)");
}

// A byte that is not UTF-8 and a DEL, in a unit a program set and in a
// command line's word: the document is still JSON that reads back, and the
// message still UTF-8, the byte as U+FFFD and the DEL spelled out.
TEST(PlanDocumentTest, TextThatIsNotUtf8OrHoldsDelIsWrittenAsJson) {
    planner::PlanDocument document;
    document.gravity = {9.81, std::string("m/s^2\xFF\x7F")};
    const std::string written = planner::WritePlanDocument(document);
    EXPECT_NE(written.find("\"9.81 m/s^2\xEF\xBF\xBD\\u007f\""), std::string::npos) << written;
    planner::JsonValue value;
    planner::JsonError error;
    ASSERT_TRUE(planner::ParseJson(written, value, error)) << planner::FormatJsonError(error);
    EXPECT_EQ(value.Find("gravity")->text, "9.81 m/s^2\xEF\xBF\xBD\x7F");

    std::string out;
    std::string err;
    EXPECT_EQ(planner::RunPlanCommand({"--format", "x\xC3\x7F"}, out, err), 2);
    const std::string expected = "plan: --format is text or json, not \"x\xEF\xBF\xBD\\u007f\" (usage: ";
    EXPECT_EQ(err.substr(0, expected.size()), expected);
}

// The command: its exit statuses and where its words go.
struct CommandCase {
    const char* name;
    std::string document;
    std::vector<std::string> options;
    int status;
    const char* errStart;  // the start of the one line on err; empty when it must be empty
};

class PlanCommandTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(PlanCommandTest, ExitsWithItsStatus) {
    const CommandCase& c = GetParam();
    const std::string path = TestTempPath(".halvex-plan");
    std::ofstream(path, std::ios::binary) << c.document;
    std::vector<std::string> args = c.options;
    for (std::string& word : args) {
        if (word == "FILE") word = path;
    }
    std::string out;
    std::string err;
    EXPECT_EQ(planner::RunPlanCommand(args, out, err), c.status) << err;
    std::remove(path.c_str());
    if (c.status == 0) {
        EXPECT_EQ(err, "");
        EXPECT_FALSE(out.empty());
        return;
    }
    EXPECT_EQ(out, "");
    std::string expected = c.errStart;
    if (expected.compare(0, 4, "FILE") == 0) expected.replace(0, 4, path);
    EXPECT_EQ(err.substr(0, expected.size()), expected) << err;
    ASSERT_FALSE(err.empty());
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, PlanCommandTest,
    ::testing::Values(
        CommandCase{"Text", Document(kOne, kSweep), {"FILE"}, 0, ""},
        CommandCase{
            "AllQueries",
            Document(kOne, kSweep),
            {"FILE", "--format", "text", "--at", "1 min", "--frequency", "50", "--resonance", "100", "--q", "5"},
            0,
            ""},
        CommandCase{"NoFile", Document(kOne), {"--format", "json"}, 2, "plan: FILE is missing"},
        CommandCase{"TwoFiles", Document(kOne), {"FILE", "other"}, 2, "plan: more than one FILE: \"other\""},
        CommandCase{
            "UnknownOption", Document(kOne), {"FILE", "--colour", "red"}, 2, "plan: unknown option \"--colour\""},
        CommandCase{"BadFormat", Document(kOne), {"FILE", "--format", "xml"}, 2, "plan: --format is text or json"},
        CommandCase{"MissingValue", Document(kOne), {"FILE", "--at"}, 2, "plan: --at needs a value"},
        CommandCase{"NotATime", Document(kOne, kSweep), {"FILE", "--at", "5 Hz"}, 2, "plan: --at needs a time"},
        CommandCase{"QAlone", Document(kOne, kSweep), {"FILE", "--q", "10"}, 2, "plan: --q needs --resonance"},
        CommandCase{
            "ResonanceAlone", Document(kOne, kSweep), {"FILE", "--resonance", "100"}, 2, "plan: --resonance needs --q"},
        CommandCase{"Twice", Document(kOne, kSweep), {"FILE", "--at", "1", "--at", "2"}, 2, "plan: --at given twice"},
        CommandCase{"PaperAlone", Document(kOne), {"FILE", "--paper", "a4"}, 2, "plan: --paper needs --report"},
        CommandCase{"BadPaper",
                    Document(kOne),
                    {"FILE", "--report", "out.html", "--paper", "a3"},
                    2,
                    "plan: --paper is a4 or letter, not \"a3\""},
        CommandCase{
            "ReportNowhere", Document(kOne), {"FILE", "--report", "/nonexistent/out.html"}, 1, "/nonexistent/out.html"},
        CommandCase{"NoSuchFile", "", {"/nonexistent/plan.halvex-plan"}, 1, "/nonexistent/plan.halvex-plan: cannot"},
        CommandCase{"Directory", "", {"/"}, 1, "/: cannot be read"},
        CommandCase{"RefusedDocument", Document(kOne, R"("colour": 1)"), {"FILE"}, 1, "FILE: "},
        CommandCase{"AtAfterTheEnd", Document(kOne, kSweep), {"FILE", "--at", "1 h"}, 1, "FILE: --at: 3600 s is"},
        CommandCase{"FrequencyOutside",
                    Document(kOne, kSweep),
                    {"FILE", "--frequency", "1"},
                    1,
                    "FILE: --frequency: 1 Hz is outside"},
        CommandCase{"QTooLow", Document(kOne, kSweep), {"FILE", "--resonance", "100", "--q", "0.5"}, 1, "FILE: --q: "},
        CommandCase{"NoSweepToAsk",
                    Document(kOne),
                    {"FILE", "--frequency", "100"},
                    1,
                    "FILE: --frequency: the document has no sweep"}),
    halvex_test::CaseName());

TEST(PlanCommandTest, TextReportIsInTheDocumentsUnits) {
    const std::string path = TestTempPath(".halvex-plan");
    std::ofstream(path, std::ios::binary)
        << Document(R"({"from": 5, "to": "auto", "displacement_pp": "1.0 in"},
                       {"from": "auto", "to": 100, "acceleration": "12 g"})",
                    R"("shaker": {"rated_force": "500 lbf", "moving_mass": {"specimen": "105 lb"}})");
    std::string out;
    std::string err;
    ASSERT_EQ(planner::RunPlanCommand({path}, out, err), 0) << err;
    std::remove(path.c_str());
    EXPECT_NE(out.find("Gravity g = 9.80665 m/s^2\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Disp p-p (in)"), std::string::npos) << out;
    EXPECT_NE(out.find("Crossovers: 15.32 Hz\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Highest acceleration 4.762 g\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Moving mass 105 lb\n"), std::string::npos) << out;
    // 105 lb at 12 g (reached first at the crossover) needs 1260 lbf of the 500.
    const std::size_t force = out.find("  force ");
    ASSERT_NE(force, std::string::npos) << out;
    std::istringstream line(out.substr(force, out.find('\n', force) - force));
    std::vector<std::string> words{std::istream_iterator<std::string>(line), std::istream_iterator<std::string>()};
    EXPECT_EQ(words, (std::vector<std::string>{"force", "1260", "500", "lbf", "0.3968", "15.32", "FAILS"})) << out;
}

}  // namespace

namespace {

TEST(PlanCommandTest, TextReportOfTheSweepExamples) {
    const std::string path = TestTempPath(".halvex-plan");
    std::ofstream(path, std::ios::binary)
        << Document(kOne, R"("sweep": {"type": "log", "rate": "0.2215 oct/min", "mode": "up-down", "sweeps": 2})");
    std::string out;
    std::string err;
    ASSERT_EQ(planner::RunPlanCommand({path, "--at", "2273", "--resonance", "100", "--q", "10"}, out, err), 0) << err;
    std::remove(path.c_str());
    // Alignment aside: runs of blanks become one.
    std::string words;
    for (const char c : out) {
        if (c != ' ' || (!words.empty() && words.back() != ' ' && words.back() != '\n')) words += c;
    }
    // log2(100) / 0.2215 oct/min = 29.9948 min; 4 passes of it.
    for (const char* line : {"\nOctaves 6.644\n", "\nTime per pass 29 min 59.7 s\n", "\nTotal time 1 h 59 min 58.8 s\n",
                             "\nAt 37 min 53 s: pass 2 (down), 148.9 Hz\n",
                             "\nHalf-power band 95 to 105 Hz: 39.11 s and 3908 cycles per pass\n"}) {
        EXPECT_NE(words.find(line), std::string::npos) << line << words;
    }
}

}  // namespace

namespace {

// The sequence for people: each run with its time, cycles and details, the
// test time, the run a check binds in, and a pass cut short said so.
TEST(PlanCommandTest, TextReportOfASequence) {
    const std::string path = TestTempPath(".halvex-plan");
    std::ofstream(path, std::ios::binary) << Version2(R"({"from": 10, "to": 110, "velocity": 0.1})",
                                                      R"("shaker": {"velocity": "1 m/s"},
           "sweep": {"type": "linear", "rate": "1 Hz/s", "mode": "up-down", "duration": "250 s", "axes": 3},
           "sequence": [{"run": "sweep"}, {"run": "dwell", "resonances": 2, "time": "1 min"},
                        {"run": "stepped", "from": 20, "to": 30, "step": "5 Hz", "hold": "10 s",
                         "level": {"velocity": "0.2 m/s"}}])");
    std::string out;
    std::string err;
    ASSERT_EQ(planner::RunPlanCommand({path, "--at", "300"}, out, err), 0) << err;
    std::remove(path.c_str());
    std::string words;
    for (const char c : out) {
        if (c != ' ' || (!words.empty() && words.back() != ' ' && words.back() != '\n')) words += c;
    }
    for (const char* line :
         {"\nSweeps per axis 1.25\n", "\nThe time per axis ends inside a pass: the last pass is cut short\n",
          "\n1 endurance sweep 4 min 10 s 13750 2.5 passes, the last cut short\n",
          "\n2 dwell 2 min 0 s - 2 resonances, frequencies still to find\n",
          "\n3 stepped sine 30 s 750 3 steps, 20 to 30 Hz\n", "\nSteps of run 3 (Hz): 20 25 30\n",
          "\nTest time per axis 6 min 40 s\n", "\nTest time over 3 axes 20 min 0 s\n",
          "\nvelocity 0.2 1 m/s 5 20 ok 3\n", "\nAt 5 min 0 s: run 2 (dwell), at a resonance still to be found\n"}) {
        EXPECT_NE(words.find(line), std::string::npos) << line << words;
    }
}

}  // namespace

namespace {

// Every example shipped with the program opens as a plan and is saved at its
// own version, reading back equal.
TEST(PlanDocumentTest, ShippedExamplesOpenAndSaveAtTheirVersion) {
    int examples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(HALVEX_SOURCE_DIR) + "/docs/examples")) {
        if (entry.path().extension() != ".halvex-plan") continue;
        ++examples;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        planner::PlanDocument document;
        planner::PlanDocument again;
        std::string message;
        ASSERT_TRUE(planner::ReadPlan(text, document, message)) << entry.path() << ": " << message;
        const std::string written = planner::WritePlanDocument(document);
        ASSERT_TRUE(planner::ReadPlan(written, again, message)) << message;
        EXPECT_TRUE(again == document) << written;
        const std::string version = "\"version\": " + std::to_string(document.Version()) + ",";
        EXPECT_NE(text.find(version), std::string::npos) << entry.path();
    }
    EXPECT_GE(examples, 3);
}

}  // namespace
