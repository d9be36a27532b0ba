#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/calc_request.h"
#include "numeric/number_text.h"
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

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
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
    int dialog = 0;
    PureSineInputs pure;
    SweepInputs sweepIn;
    Answers last;
    std::vector<std::string> lastArgs;
    std::size_t nextMessage = 0, nextDump = 0, compared = 0;
    for (const std::string& line : ReadLines(base + ".script")) {
        std::istringstream words(line);
        std::string command;
        int id = 0;
        int index = 0;
        words >> command >> id;
        if (command == "select" && (words >> index)) {
            if (id == 1000) {
                dialog = index == 0 ? 129 : 130;
                pure = PureSineInputs{};  // each opening starts afresh
                sweepIn = SweepInputs{};
            } else if (id == 1003) {
                pure.type = index;
                pure.dimension = -1;
            } else if (id == 1004) {
                pure.dimension = index;
                pure.unit = -1;
                pure.frequencyUnit = 0;
            } else if (id == 1001) {
                pure.unit = index;
            } else if (id == 1007) {
                pure.frequencyUnit = index;
            } else if (id == 1016) {
                sweepIn = SweepInputs{index, -1};
            } else if (id == 1017) {
                sweepIn.input = index;
            }
        } else if (command == "type") {
            const std::string text = line.substr(line.find(' ', 5) + 1);
            std::string& field = id == 1008   ? pure.amplitude
                                 : id == 1009 ? pure.frequency
                                 : id == 1019 ? sweepIn.x1
                                 : id == 1020 ? sweepIn.x2
                                              : sweepIn.x3;
            field = text;
        } else if ((command == "click" && id == 1) || command == "enter") {
            if (dialog == 130 && sweepIn.analysis < 0) continue;  // Calculate does nothing
            lastArgs = dialog == 129 ? PureSineArgs(pure) : SweepArgs(sweepIn);
            last = AskAll(lastArgs);
            if (last.status == halvex::cli::Status::Refused) {
                ASSERT_LT(nextMessage, messages.size()) << line;
                EXPECT_EQ(last.problem, messages[nextMessage++]) << line;
            }
        } else if (command == "dump") {
            ASSERT_LT(nextDump, dumps.size());
            const JsonValue& dump = dumps[nextDump++];
            const Shown shown = VisibleResults(
                dump, dialog == 129 ? halvex_test::PureSineGridOrder() : halvex_test::SweepRowOrder());
            if (shown.empty()) continue;
            SCOPED_TRACE(halvex_test::Joined(lastArgs));
            ExpectSameAsDialog(lastArgs, last, shown);
            ++compared;
        } else if (command == "escape" || (command == "click" && id == 2)) {
            dialog = 0;
        }
    }
    EXPECT_EQ(nextMessage, messages.size()) << "a message the command line did not give";
    EXPECT_GT(compared + nextMessage, 0u) << "nothing was compared";
}

INSTANTIATE_TEST_SUITE_P(Scripts, WorkedExampleReplay,
                         ::testing::Values(ReplayCase{"pure_sine_translation_example"}, ReplayCase{"pure_sine_one_g"},
                                           ReplayCase{"pure_sine_rotation_example"},
                                           ReplayCase{"pure_sine_messages"},
                                           ReplayCase{"sweep_amplitude"}, ReplayCase{"sweep_crossover"},
                                           ReplayCase{"sweep_octaves"}, ReplayCase{"sweep_rate"},
                                           ReplayCase{"sweep_cycles"}, ReplayCase{"sweep_overflow"}),
                         halvex_test::CaseName());

}  // namespace
