// Copy All Results on the real dialogs: the table of the results on show, in
// the order they were set, and nothing at all when none is on show.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "puresine/pure_sine_dlg.h"
#include "res/resource_ids.h"
#include "sweep/sine_sweep_dlg.h"
#include "tests/headless_script.h"

namespace {

using halvex_test::HeadlessWindow;
using halvex_test::ScriptedRun;

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
    run.Then(Select(1003, 1)).Then(Select(1004, 0)).Then(Select(1001, 1)).Then(Type(1008, "2")).Then(Type(1009, "5"));
    run.Then(Click(1)).Then(CopyAll(copies)).Then(Type(1009, "6")).Then(CopyAll(copies));
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
        ASSERT_EQ(w.ControlCommands().size(), 1u);
        EXPECT_EQ(w.ControlCommands()[0].text, "Copy All Results");
        EXPECT_EQ(w.ControlCommands()[0].shortcut, "Ctrl+Shift+C");
        ids = w.ControlCommands()[0].controlIds;
    });
    CPureSineDlg dialog;
    dialog.DoModal();
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<int>{1018, 1023, 1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031,
                                     1032, 1033, 1034, 1035, 1036, 1037, 1039, 1040, 1041, 1042}));
}

// Linear sweep from 10 to 2000 Hz in 10 minutes: log2(200) = 7.64 octaves,
// set first, then 1990 / 10 = 199 Hz/min. Calculate clicked twice shows the
// same outputs, each copied once. Typing into an output clears the results,
// and then there is nothing to copy.
TEST(CopyAllResults, SweepRateInTheOrderSetThenNothingAfterTheGuardCleared) {
    std::vector<std::string> copies;
    ScriptedRun run;
    run.Then(Select(1016, 3)).Then(Select(1017, 0)).Then(Type(1019, "10")).Then(Type(1020, "2000"));
    run.Then(Type(1021, "10")).Then(Click(1)).Then(Click(1)).Then(CopyAll(copies));
    run.Then(Type(1025, "x")).Then(CopyAll(copies));
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
