#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "numeric/number_text.h"
#include "puresine/pure_sine_dlg.h"
#include "puresine/pure_sine_tables.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"
#include "sweep/sine_sweep_dlg.h"
#include "tests/calc_cli_expect.h"
#include "tests/headless_script.h"

// The command line and the dialogs on the headless backend, given the same
// random inputs, must show the same texts or the same message: the two
// faces of one calculation cannot drift apart.
namespace {

using halvex_test::Answers;
using halvex_test::Ctl;
using halvex_test::HeadlessWindow;
using halvex_test::ScriptedRun;
using halvex_test::Shown;
namespace ps = res::pure_sine;
namespace ss = res::sine_sweep;

std::uint64_t Seed() {
    const char* value = std::getenv("HALVEX_RANDOM_SEED");
    return value != nullptr ? std::strtoull(value, nullptr, 10) : 13;
}

constexpr int kCases = 300;

// Numbers as a user might type them, in and out of every check's range.
std::string RandomNumberText(std::mt19937_64& random) {
    static const char* const kFixed[] = {"0", "", "abc", "-12.5", "1e-12", "1e100", "1e101", "1e-13", "1e300"};
    std::uniform_int_distribution<int> kind(0, 9);
    const int k = kind(random);
    if (k < 3) return kFixed[std::uniform_int_distribution<std::size_t>(0, std::size(kFixed) - 1)(random)];
    const double mantissa = std::uniform_real_distribution<double>(0.1, 10.0)(random);
    const int exponent = std::uniform_int_distribution<int>(-6, 6)(random);
    return halvex::FormatNumber(k < 6 ? "%.6g" : "%.3g", mantissa) +
           (exponent != 0 ? "e" + std::to_string(exponent) : "");
}

int Pick(std::mt19937_64& random, int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); }

ScriptedRun::Step Select(int id, int index) {
    return [id, index](HeadlessWindow& w) { ASSERT_EQ(w.UserSelect(id, index), ""); };
}
ScriptedRun::Step Type(int id, const std::string& text) {
    return [id, text](HeadlessWindow& w) { ASSERT_EQ(w.UserType(id, text), ""); };
}

// Calculate, then the dialog's result boxes or its message against the
// command line's answer in every format.
void CalculateAndCompare(ScriptedRun& run, const std::vector<std::string>& args, const std::vector<int>& order,
                         std::size_t& messagesBefore) {
    run.Then([&run, &messagesBefore](HeadlessWindow& w) {
        messagesBefore = run.messages.size();
        ASSERT_EQ(w.UserClick(res::IDOK), "");
    });
    run.Then([&run, args, &order, &messagesBefore](HeadlessWindow& w) {
        SCOPED_TRACE(halvex_test::Joined(args));
        Shown shown;
        for (int id : order) {
            if (Ctl(w, id).visible) shown.push_back({id, Ctl(w, id).text});
        }
        const Answers answers = halvex_test::AskAll(args);
        if (answers.status == halvex::cli::Status::Refused) {
            EXPECT_TRUE(shown.empty());
            ASSERT_EQ(run.messages.size(), messagesBefore + 1);
            EXPECT_EQ(run.messages.back(), answers.problem);
        } else {
            EXPECT_EQ(run.messages.size(), messagesBefore);
            halvex_test::ExpectSameAsDialog(args, answers, shown);
        }
    });
}

TEST(CalcCliAgainstDialog, PureSineRandomInputs) {
    static const char* const kDimensions[] = {"pp", "zp", "velocity", "acceleration"};
    static const char* const kLength[] = {"uin", "mil", "in", "um", "mm", "m", "g"};
    static const char* const kAngle[] = {"rad", "deg"};
    std::mt19937_64 random(Seed());
    ScriptedRun run;
    std::size_t messagesBefore = 0;
    for (int i = 0; i < kCases; ++i) {
        const int type = Pick(random, 0, 1);
        const int dimension = Pick(random, 0, 3);
        const int units = static_cast<int>(puresine::AmplitudeUnitTable(type, dimension)->count);
        const int unit = Pick(random, -1, units - 1);  // -1: none chosen
        const int frequencyUnit = Pick(random, 0, 1);
        const std::string amplitude = RandomNumberText(random);
        const std::string frequency = RandomNumberText(random);
        std::vector<std::string> args = {"sine",        "--dimension", kDimensions[dimension], "--amplitude", amplitude,
                                         "--frequency", frequency};
        run.Then(Select(ps::IDC_TYPE, type)).Then(Select(ps::IDC_DIMENSION, dimension));
        if (unit >= 0) {
            run.Then(Select(ps::IDC_AMPLITUDE_UNIT, unit));
            args.insert(args.end(), {"--unit", type == 1 ? kAngle[unit] : kLength[unit]});
        }
        if (frequencyUnit == 1) {
            run.Then(Select(ps::IDC_FREQUENCY_UNIT, 1));
            args.insert(args.end(), {"--frequency-unit", "rad/s"});
        }
        if (type == 1) args.emplace_back("--rotation");
        run.Then(Type(ps::IDC_AMPLITUDE, amplitude)).Then(Type(ps::IDC_FREQUENCY, frequency));
        CalculateAndCompare(run, args, halvex_test::PureSineGridOrder(), messagesBefore);
    }
    CPureSineDlg dialog;
    dialog.DoModal();
    EXPECT_GT(run.messages.size(), 0u);
    EXPECT_LT(run.messages.size(), static_cast<std::size_t>(kCases));  // both answers and refusals were compared
}

TEST(CalcCliAgainstDialog, SweepRandomInputs) {
    static const char* const kAnalyses[] = {"amplitude", "crossover", "octaves", "rate", "cycles"};
    static const char* const kInputs[][5] = {
        {"dzp", "dpp", "velocity", "acceleration"},
        {"dzp-velocity", "dzp-acceleration", "dpp-velocity", "dpp-acceleration", "velocity-acceleration"},
        {},
        {"linear", "log"},
        {"linear", "log"}};
    static const int kInputCount[] = {4, 5, 0, 2, 2};
    // The options that stand for the three boxes, by analysis; nullptr
    // where the analysis has no such box.
    static const char* const kBoxOptions[][3] = {{"--frequency", nullptr, "--amplitude"},
                                                 {"--first", nullptr, "--second"},
                                                 {"--from", "--to", nullptr},
                                                 {"--from", "--to", "--minutes"},
                                                 {"--from", "--to", "--minutes"}};
    static const char* const kInputOption[] = {"--given", "--pair", nullptr, "--type", "--type"};
    std::mt19937_64 random(Seed() + 1);
    ScriptedRun run;
    std::size_t messagesBefore = 0;
    for (int i = 0; i < kCases; ++i) {
        const int analysis = Pick(random, 0, 4);
        // Mostly an input chosen; sometimes none, as a user who forgot.
        const int input =
            kInputCount[analysis] == 0 ? -1 : Pick(random, -1, kInputCount[analysis] * 4 - 1) % kInputCount[analysis];
        std::vector<std::string> args = {"sweep", kAnalyses[analysis]};
        run.Then(Select(ss::IDC_ANALYSIS, analysis));
        if (input >= 0) {
            run.Then(Select(ss::IDC_INPUT_LIST, input));
            args.insert(args.end(), {kInputOption[analysis], kInputs[analysis][input]});
        }
        for (int box = 0; box < 3; ++box) {
            const char* option = kBoxOptions[analysis][box];
            // The amplitude and crossover boxes appear only once the input is chosen.
            const bool shown = option != nullptr && (analysis >= 2 || input >= 0 || (analysis == 0 && box == 0));
            if (!shown) continue;
            const std::string text = RandomNumberText(random);
            run.Then(Type(ss::IDC_INPUT1 + box, text));
            args.insert(args.end(), {option, text});
        }
        CalculateAndCompare(run, args, halvex_test::SweepRowOrder(), messagesBefore);
    }
    CSineSweepDlg dialog;
    dialog.DoModal();
    EXPECT_GT(run.messages.size(), 0u);
    EXPECT_LT(run.messages.size(), static_cast<std::size_t>(kCases));
}

}  // namespace
