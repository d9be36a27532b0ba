#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/calc_request.h"
#include "numeric/number_text.h"
#include "res/control_names.h"
#include "res/main_menu_ids.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"
#include "tests/calc_cli_expect.h"
#include "tests/case_name.h"
#include "tests/json_value.h"

// Every worked example the dialog tests check, replayed through halvex-calc:
// the driver scripts' inputs become command lines, and what the dialog
// showed in the expected output must be what the command line answers.
namespace {

using halvex_test::Answers;
using halvex_test::AskAll;
using halvex_test::ExpectSameAsDialog;
using halvex_test::JsonReader;
using halvex_test::JsonValue;
using halvex_test::Shown;
namespace ps = res::pure_sine;
namespace ss = res::sine_sweep;

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

// A control as a script names it on the dialog on top: by its name, or by
// its number; 0 for a word that is neither (a command without a control).
int ControlId(const std::string& word, int dialog) {
    int id = 0;
    if (res::FindControlId(dialog, word, id)) return id;
    std::istringstream number(word);
    return number >> id ? id : 0;
}

// The dialogs' inputs as a script leaves them. (A unit list left over from
// another type after a type change has no command line; no script replayed
// here calculates in that state.)
struct PureSineInputs {
    int type = -1, dimension = -1, unit = -1, frequencyUnit = -1;
    std::string amplitude, frequency;
};
struct SweepInputs {
    int analysis = -1, input = -1;
    std::string x1 = " ", x2 = " ", x3 = " ";
};

std::vector<std::string> PureSineArgs(const PureSineInputs& s) {
    static const char* const kDimensions[] = {"pp", "zp", "velocity", "acceleration"};
    static const char* const kLength[] = {"uin", "mil", "in", "um", "mm", "m", "g"};
    static const char* const kAngle[] = {"rad", "deg"};
    std::vector<std::string> args = {"sine", "--amplitude", s.amplitude, "--frequency", s.frequency};
    if (s.dimension >= 0) args.insert(args.end(), {"--dimension", kDimensions[s.dimension]});
    if (s.unit >= 0) args.insert(args.end(), {"--unit", s.type == 1 ? kAngle[s.unit] : kLength[s.unit]});
    if (s.frequencyUnit == 1) args.insert(args.end(), {"--frequency-unit", "rad/s"});
    if (s.type == 1) args.emplace_back("--rotation");
    return args;
}

std::vector<std::string> SweepArgs(const SweepInputs& s) {
    static const char* const kAnalyses[] = {"amplitude", "crossover", "octaves", "rate", "cycles"};
    static const char* const kGiven[] = {"dzp", "dpp", "velocity", "acceleration"};
    static const char* const kPairs[] = {"dzp-velocity", "dzp-acceleration", "dpp-velocity", "dpp-acceleration",
                                         "velocity-acceleration"};
    static const char* const kTypes[] = {"linear", "log"};
    std::vector<std::string> args = {"sweep", kAnalyses[s.analysis]};
    switch (s.analysis) {
        case 0:
            args.insert(args.end(), {"--frequency", s.x1, "--amplitude", s.x3});
            if (s.input >= 0) args.insert(args.end(), {"--given", kGiven[s.input]});
            break;
        case 1:
            args.insert(args.end(), {"--first", s.x1, "--second", s.x3});
            if (s.input >= 0) args.insert(args.end(), {"--pair", kPairs[s.input]});
            break;
        case 2:
            args.insert(args.end(), {"--from", s.x1, "--to", s.x2});
            break;
        default:
            args.insert(args.end(), {"--from", s.x1, "--to", s.x2, "--minutes", s.x3});
            if (s.input >= 0) args.insert(args.end(), {"--type", kTypes[s.input]});
    }
    return args;
}

// The result boxes a dump shows, in the grid's reading order.
Shown VisibleResults(const JsonValue& dump, const std::vector<int>& order) {
    Shown shown;
    for (int id : order) {
        for (const JsonValue& control : dump["controls"].items) {
            if (static_cast<int>(control["id"].number) == id && control["visible"].boolean) {
                shown.push_back({id, control["text"].text});
            }
        }
    }
    return shown;
}

struct ReplayCase {
    const char* name;
};

class WorkedExampleReplay : public ::testing::TestWithParam<ReplayCase> {};

TEST_P(WorkedExampleReplay, AnswersAsTheDialogShowed) {
    const std::string base = std::string(HALVEX_TEST_SCRIPTS) + "/" + GetParam().name;
    std::vector<std::string> messages;
    std::vector<JsonValue> dumps;
    for (const std::string& line : ReadLines(base + ".expected")) {
        const JsonValue value = JsonReader::Parse(line);
        if (value.Has("event") && value["event"].text == "message") messages.push_back(value["text"].text);
        if (value.Has("controls")) dumps.push_back(value);
    }
    int dialog = res::IDD_MAIN_MENU;
    PureSineInputs pure;
    SweepInputs sweepIn;
    Answers last;
    std::vector<std::string> lastArgs;
    std::size_t nextMessage = 0, nextDump = 0, compared = 0;
    for (const std::string& line : ReadLines(base + ".script")) {
        std::istringstream words(line);
        std::string command, control;
        int index = 0;
        words >> command >> control;
        const int id = ControlId(control, dialog);
        if (command == "select" && (words >> index)) {
            if (id == res::main_menu::IDC_ANALYSIS_LIST) {
                dialog = index == 0 ? res::IDD_PURE_SINE : res::IDD_SINE_SWEEP;
                pure = PureSineInputs{};  // each opening starts afresh
                sweepIn = SweepInputs{};
            } else if (id == ps::IDC_TYPE) {
                pure.type = index;
                pure.dimension = -1;
            } else if (id == ps::IDC_DIMENSION) {
                pure.dimension = index;
                pure.unit = -1;
                pure.frequencyUnit = 0;
            } else if (id == ps::IDC_AMPLITUDE_UNIT) {
                pure.unit = index;
            } else if (id == ps::IDC_FREQUENCY_UNIT) {
                pure.frequencyUnit = index;
            } else if (id == ss::IDC_ANALYSIS) {
                sweepIn = SweepInputs{index, -1};
            } else if (id == ss::IDC_INPUT_LIST) {
                sweepIn.input = index;
            }
        } else if (command == "type") {
            const std::string text = line.substr(line.find(' ', 5) + 1);
            std::string& field = id == ps::IDC_AMPLITUDE   ? pure.amplitude
                                 : id == ps::IDC_FREQUENCY ? pure.frequency
                                 : id == ss::IDC_INPUT1    ? sweepIn.x1
                                 : id == ss::IDC_INPUT2    ? sweepIn.x2
                                                           : sweepIn.x3;
            field = text;
        } else if ((command == "click" && id == res::IDOK) || command == "enter") {
            if (dialog == res::IDD_SINE_SWEEP && sweepIn.analysis < 0) continue;  // Calculate does nothing
            lastArgs = dialog == res::IDD_PURE_SINE ? PureSineArgs(pure) : SweepArgs(sweepIn);
            last = AskAll(lastArgs);
            if (last.status == halvex::cli::Status::Refused) {
                ASSERT_LT(nextMessage, messages.size()) << line;
                EXPECT_EQ(last.problem, messages[nextMessage++]) << line;
            }
        } else if (command == "dump") {
            ASSERT_LT(nextDump, dumps.size());
            const JsonValue& dump = dumps[nextDump++];
            const Shown shown = VisibleResults(
                dump, dialog == res::IDD_PURE_SINE ? halvex_test::PureSineGridOrder() : halvex_test::SweepRowOrder());
            if (shown.empty()) continue;
            SCOPED_TRACE(halvex_test::Joined(lastArgs));
            ExpectSameAsDialog(lastArgs, last, shown);
            ++compared;
        } else if (command == "escape" || (command == "click" && id == res::IDCANCEL)) {
            dialog = res::IDD_MAIN_MENU;
        }
    }
    EXPECT_EQ(nextMessage, messages.size()) << "a message the command line did not give";
    EXPECT_GT(compared + nextMessage, 0u) << "nothing was compared";
}

INSTANTIATE_TEST_SUITE_P(Scripts, WorkedExampleReplay,
                         ::testing::Values(ReplayCase{"pure_sine_translation_example"}, ReplayCase{"pure_sine_one_g"},
                                           ReplayCase{"pure_sine_rotation_example"}, ReplayCase{"pure_sine_messages"},
                                           ReplayCase{"sweep_amplitude"}, ReplayCase{"sweep_crossover"},
                                           ReplayCase{"sweep_octaves"}, ReplayCase{"sweep_rate"},
                                           ReplayCase{"sweep_cycles"}, ReplayCase{"sweep_overflow"}),
                         halvex_test::CaseName());

}  // namespace

namespace {

// Each --unit word must pick the list index of its unit: checked by an
// amplitude that converts to a known figure by hand (an inch is 1/39.37 m
// here, a G 9.81 m/s^2).
struct UnitCase {
    const char* name;
    std::vector<std::string> args;
    const char* line;  // one line of the text answer
};

class UnitWordTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(UnitWordTest, PicksTheUnitOfItsName) {
    std::vector<std::string> args = {"sine", "--amplitude", "1", "--frequency", "1"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const Answers answers = AskAll(args);
    ASSERT_EQ(answers.status, halvex::cli::Status::Answered) << answers.problem;
    EXPECT_NE(("\n" + answers.text).find(std::string("\n") + GetParam().line + "\n"), std::string::npos)
        << answers.text;
}

INSTANTIATE_TEST_SUITE_P(
    Units, UnitWordTest,
    ::testing::Values(UnitCase{"MicroInch", {"--dimension", "zp", "--unit", "uin"}, "    2.54e-05 mm"},
                      UnitCase{"Mil", {"--dimension", "zp", "--unit", "mil"}, "      0.0254 mm"},
                      UnitCase{"Inch", {"--dimension", "zp", "--unit", "in"}, "        25.4 mm"},
                      UnitCase{"Micron", {"--dimension", "zp", "--unit", "um"}, "       0.001 mm"},
                      UnitCase{"Millimetre", {"--dimension", "zp", "--unit", "mm"}, "           1 mm"},
                      UnitCase{"Metre", {"--dimension", "zp", "--unit", "m"}, "        1000 mm"},
                      UnitCase{
                          "MetrePerSecond", {"--dimension", "velocity", "--unit", "m"}, "           1 meters/sec "},
                      UnitCase{"G", {"--dimension", "acceleration", "--unit", "g"}, "        9.81 meters/sec^2"},
                      // 1 m/s at 1 rad/s is 1 m zero-to-peak; at 1 Hz it would be 1/(2 pi) m.
                      UnitCase{"RadiansPerSecond",
                               {"--dimension", "velocity", "--unit", "m", "--frequency-unit", "rad/s"},
                               "        1000 mm"},
                      UnitCase{"Radian", {"--dimension", "zp", "--unit", "rad", "--rotation"}, "           2 radians"},
                      UnitCase{"Degree", {"--dimension", "zp", "--unit", "deg", "--rotation"}, "           2 degrees"}),
    halvex_test::CaseName());

// What the dialog would refuse is refused with its message; what no dialog
// could be asked is a usage error of one line.
struct ProblemCase {
    const char* name;
    std::vector<std::string> args;
    halvex::cli::Status status;
    const char* problem;  // the whole message of a refusal; part of a usage problem
};

class ProblemTest : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(ProblemTest, NamesTheProblem) {
    const ProblemCase& c = GetParam();
    const std::vector<std::string_view> args(c.args.begin(), c.args.end());
    halvex::cli::Scratch scratch;
    std::string out;
    std::string problem;
    halvex::cli::Format format = halvex::cli::Format::Text;
    EXPECT_EQ(halvex::cli::RunRequest(args, false, scratch, out, problem, format), c.status);
    if (c.status == halvex::cli::Status::Refused) {
        EXPECT_EQ(problem, c.problem);
    } else {
        EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        EXPECT_EQ(problem.find('\n'), std::string::npos);
    }
    EXPECT_EQ(out, "");
}

using S = halvex::cli::Status;
const char* const kSine[] = {"sine", "--dimension", "zp", "--amplitude", "1", "--frequency", "10"};

std::vector<std::string> Sine(std::vector<std::string> more) {
    std::vector<std::string> args(std::begin(kSine), std::end(kSine));
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

INSTANTIATE_TEST_SUITE_P(
    Requests, ProblemTest,
    ::testing::Values(
        ProblemCase{"NothingGiven", {"sine"}, S::Refused, "Please enter valid frequency. "},
        ProblemCase{"NoUnit", Sine({}), S::Refused, "Please select input unit. "},
        ProblemCase{"NoDimension",
                    {"sine", "--amplitude", "1", "--frequency", "1", "--unit", "mm"},
                    S::Refused,
                    "Please select input dimension. "},
        ProblemCase{"AmplitudeOverTheTop",
                    {"sine", "--dimension", "zp", "--amplitude=1e101", "--frequency", "10", "--unit", "mm"},
                    S::Refused,
                    "Please enter valid amplitude. "},
        ProblemCase{"NoRateType",
                    {"sweep", "rate", "--from", "1", "--to", "2", "--minutes", "1"},
                    S::Refused,
                    " Please select rate type:  linear or log "},
        ProblemCase{"CrossoverZero",
                    {"sweep", "crossover", "--pair", "dzp-velocity", "--first", "0", "--second", "1"},
                    S::Refused,
                    " Input Error"},
        ProblemCase{"NoCommand", {}, S::Usage, "no command"},
        ProblemCase{"UnknownCommand", {"cosine"}, S::Usage, "unknown command 'cosine'"},
        ProblemCase{"OptionFirst", {"--format", "json", "sine"}, S::Usage, "a command comes first"},
        ProblemCase{"NoAnalysis", {"sweep", "--from", "1"}, S::Usage, "'sweep' needs one of amplitude, crossover"},
        ProblemCase{"UnknownAnalysis", {"sweep", "speed"}, S::Usage, "unknown sweep analysis 'speed'"},
        ProblemCase{"UnknownOption", Sine({"--colour", "red"}), S::Usage, "unknown option --colour"},
        ProblemCase{"OtherCommandsOption",
                    {"sweep", "octaves", "--rotation"},
                    S::Usage,
                    "option --rotation does not belong to 'sweep octaves'"},
        ProblemCase{"MissingValue", Sine({"--unit"}), S::Usage, "option --unit needs a value"},
        ProblemCase{"OptionWhereAValueBelongs",
                    {"sine", "--amplitude", "--frequency", "1"},
                    S::Usage,
                    "option --amplitude needs a value"},
        ProblemCase{
            "GivenTwice", {"sweep", "octaves", "--from", "1", "--from", "2"}, S::Usage, "option --from given twice"},
        ProblemCase{"FlagWithValue", Sine({"--rotation=yes"}), S::Usage, "--rotation takes no value"},
        ProblemCase{"StrayArgument", Sine({"12"}), S::Usage, "unexpected argument '12'"},
        ProblemCase{"BadDimension", {"sine", "--dimension", "rms"}, S::Usage, "--dimension must be pp, zp, velocity"},
        ProblemCase{"BadFormat", Sine({"--format", "xml"}), S::Usage, "--format must be text, tsv or json"},
        ProblemCase{"AngleWithoutRotation", Sine({"--unit", "deg"}), S::Usage, "--unit deg needs --rotation"},
        ProblemCase{"LengthWithRotation", Sine({"--unit", "mm", "--rotation"}), S::Usage, "not an angle unit"},
        ProblemCase{"GForVelocity",
                    {"sine", "--dimension", "velocity", "--unit", "g"},
                    S::Usage,
                    "--unit g is only for --dimension acceleration"},
        ProblemCase{"BadFrequencyUnit", Sine({"--frequency-unit", "rpm"}), S::Usage,
                    "--frequency-unit must be hz or rad/s"}),
    halvex_test::CaseName());

}  // namespace
