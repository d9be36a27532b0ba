// Copy All Results on the real dialogs: the table of the results on show, in
// the order they were set, and nothing at all when none is on show.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "puresine/pure_sine_dlg.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"
#include "sweep/sine_sweep_dlg.h"
#include "tests/headless_script.h"

namespace {

using halvex_test::HeadlessWindow;
using halvex_test::ScriptedRun;
namespace ps = res::pure_sine;
namespace ss = res::sine_sweep;

const unsigned kCopyAll = res::IDM_COPY_ALL_RESULTS;

ScriptedRun::Step Do(std::string (HeadlessWindow::*action)(int, int), int id, int value) {
    return [=](HeadlessWindow& w) { ASSERT_EQ((w.*action)(id, value), ""); };
}
ScriptedRun::Step Select(int id, int index) { return Do(&HeadlessWindow::UserSelect, id, index); }
ScriptedRun::Step Type(int id, const std::string& text) {
    return [=](HeadlessWindow& w) { ASSERT_EQ(w.UserType(id, text), ""); };
}
ScriptedRun::Step Click(int id) {
    return [=](HeadlessWindow& w) { ASSERT_EQ(w.UserClick(id), ""); };
}
// Copies and records what the clipboard then holds.
ScriptedRun::Step CopyAll(std::vector<std::string>& copies) {
    return [&copies](HeadlessWindow& w) {
        ASSERT_EQ(w.UserShortcut(kCopyAll), "");
        copies.push_back(w.Clipboard());
    };
}

// Rotation, 2 degrees peak-to-peak at 5 Hz, by hand: 1 degree = 0.01745 rad
// zero-to-peak; omega = 31.42 rad/s gives 0.5483 rad/s (31.42 deg/s) and
// 17.23 rad/s^2 (987 deg/s^2).
TEST(CopyAllResults, PureSineRotationTableThenNothingOnceTheResultsAreHidden) {
    std::vector<std::string> copies;
    ScriptedRun run;
    run.Then(Select(ps::IDC_TYPE, 1))
        .Then(Select(ps::IDC_DIMENSION, 0))
        .Then(Select(ps::IDC_AMPLITUDE_UNIT, 1))
        .Then(Type(ps::IDC_AMPLITUDE, "2"))
        .Then(Type(ps::IDC_FREQUENCY, "5"));
    run.Then(Click(res::IDOK)).Then(CopyAll(copies)).Then(Type(ps::IDC_FREQUENCY, "6")).Then(CopyAll(copies));
    CPureSineDlg dialog;
    dialog.DoModal();
    EXPECT_TRUE(run.messages.empty());
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0],
              "quantity\tform\tvalue\tunit\n"
              "displacement\tpeak-to-peak\t0.03491\trad\n"
              "displacement\tzero-to-peak\t0.01745\trad\n"
              "displacement\tpeak-to-peak\t2\tdeg\n"
              "displacement\tzero-to-peak\t1\tdeg\n"
              "velocity\tzero-to-peak\t0.5483\trad/s\n"
              "velocity\tzero-to-peak\t31.42\tdeg/s\n"
              "acceleration\tzero-to-peak\t17.23\trad/s^2\n"
              "acceleration\tzero-to-peak\t987\tdeg/s^2\n");
    EXPECT_EQ(copies[1], copies[0]);  // results hidden: the clipboard is left alone
}

TEST(CopyAllResults, PureSineOffersTheCommandOnEveryResultBox) {
    std::vector<int> ids;
    ScriptedRun run;
    run.Then([&ids](HeadlessWindow& w) {
        // The window has its manual's key (F1) beside it.
        const auto& commands = w.ControlCommands();
        const auto copy = std::find_if(commands.begin(), commands.end(),
                                       [](const auto& command) { return command.commandId == kCopyAll; });
        ASSERT_NE(copy, commands.end());
        EXPECT_EQ(copy->text, "Copy All Results");
        EXPECT_EQ(copy->shortcut, "Ctrl+Shift+C");
        ids = copy->controlIds;
    });
    CPureSineDlg dialog;
    dialog.DoModal();
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<int>{
                       ps::IDC_DISP_PP_MM,  ps::IDC_DISP_ZP_MM,  ps::IDC_DISP_PP_IN,      ps::IDC_DISP_ZP_IN,
                       ps::IDC_VEL_M,       ps::IDC_VEL_MM,      ps::IDC_VEL_MICRONS,     ps::IDC_VEL_IN,
                       ps::IDC_ACC_M,       ps::IDC_ACC_MM,      ps::IDC_ACC_IN,          ps::IDC_ACC_G,
                       ps::IDC_VEL_MILS,    ps::IDC_VEL_UIN,     ps::IDC_DISP_ZP_MILS,    ps::IDC_DISP_PP_MILS,
                       ps::IDC_DISP_ZP_UIN, ps::IDC_DISP_PP_UIN, ps::IDC_DISP_ZP_MICRONS, ps::IDC_DISP_PP_MICRONS}));
}

// Linear sweep from 10 to 2000 Hz in 10 minutes: log2(200) = 7.64 octaves,
// set first, then 1990 / 10 = 199 Hz/min. Calculate clicked twice shows the
// same outputs, each copied once. Typing into an output clears the results,
// and then there is nothing to copy.
TEST(CopyAllResults, SweepRateInTheOrderSetThenNothingAfterTheGuardCleared) {
    std::vector<std::string> copies;
    ScriptedRun run;
    run.Then(Select(ss::IDC_ANALYSIS, 3))
        .Then(Select(ss::IDC_INPUT_LIST, 0))
        .Then(Type(ss::IDC_INPUT1, "10"))
        .Then(Type(ss::IDC_INPUT2, "2000"));
    run.Then(Type(ss::IDC_INPUT3, "10")).Then(Click(res::IDOK)).Then(Click(res::IDOK)).Then(CopyAll(copies));
    run.Then(Type(ss::IDC_OUTPUT1, "x")).Then(CopyAll(copies));
    CSineSweepDlg dialog;
    dialog.DoModal();
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0],
              "quantity\tform\tvalue\tunit\n"
              "octaves\t\t7.64\toct\n"
              "sweep rate\t\t199\tHz/min\n");
    EXPECT_EQ(copies[1], copies[0]);
    EXPECT_EQ(run.messages, std::vector<std::string>{" Illegal attempt to modify output. "});
}

}  // namespace
