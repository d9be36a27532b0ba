#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "puresine/pure_sine_dlg.h"
#include "puresine/pure_sine_results.h"
#include "puresine/pure_sine_state.h"
#include "tests/case_name.h"
#include "tests/headless_script.h"

namespace {

using halvex_test::Ctl;
using halvex_test::HeadlessWindow;
using halvex_test::ScriptedRun;

const std::vector<int> kTypeGroup = {1002, 1003};
const std::vector<int> kDimensionGroup = {1005, 1004};
const std::vector<int> kAmplitudeGroup = {1006, 1008, 1001};
const std::vector<int> kFrequencyGroup = {1010, 1009, 1007};
const std::vector<int> kOutputFrame = {1011, 1012, 1013, 1014, 1015};

enum class Shown { Hidden, Visible };

void ExpectGroup(const HeadlessWindow& w, const std::vector<int>& ids, Shown shown, const char* group) {
    for (int id : ids) EXPECT_EQ(Ctl(w, id).visible, shown == Shown::Visible) << group << " control " << id;
}

// The five screen states, as (type, dimension, amplitude, frequency, output frame).
struct State {
    const char* name;
    Shown type, dimension, amplitude, frequency, output;
};
const State kOpened{"Opened", Shown::Visible, Shown::Hidden, Shown::Hidden, Shown::Hidden, Shown::Hidden};
const State kTypeChosen{"TypeChosen", Shown::Visible, Shown::Visible, Shown::Hidden, Shown::Hidden, Shown::Hidden};
const State kInputsShown{"InputsShown", Shown::Visible, Shown::Visible, Shown::Visible, Shown::Visible, Shown::Hidden};
const State kResults{"Results", Shown::Visible, Shown::Visible, Shown::Visible, Shown::Visible, Shown::Visible};

void ExpectNoResults(const HeadlessWindow& w) {
    for (const puresine::ResultBox& box : puresine::kResultBoxes) {
        EXPECT_FALSE(Ctl(w, box.id).visible) << box.id;
        EXPECT_EQ(Ctl(w, box.id).text, " ") << box.id;
    }
}

void ExpectState(const HeadlessWindow& w, const State& s) {
    SCOPED_TRACE(s.name);
    ExpectGroup(w, kTypeGroup, s.type, "type");
    ExpectGroup(w, kDimensionGroup, s.dimension, "dimension");
    ExpectGroup(w, kAmplitudeGroup, s.amplitude, "amplitude");
    ExpectGroup(w, kFrequencyGroup, s.frequency, "frequency");
    ExpectGroup(w, kOutputFrame, s.output, "output frame");
    ExpectGroup(w, {1, 2}, Shown::Visible, "buttons");
    if (s.output == Shown::Hidden) ExpectNoResults(w);
}

void ExpectTranslationResults(const HeadlessWindow& w) {
    ExpectState(w, kResults);
    for (const puresine::ResultBox& box : puresine::kResultBoxes) EXPECT_TRUE(Ctl(w, box.id).visible) << box.id;
}

void ExpectRotationResults(const HeadlessWindow& w) {
    ExpectState(w, kResults);
    for (const puresine::ResultBox& box : puresine::kResultBoxes) {
        const bool rotation = box.rotationFormat != nullptr;
        EXPECT_EQ(Ctl(w, box.id).visible, rotation) << box.id;
        if (!rotation) {
            EXPECT_EQ(Ctl(w, box.id).text, " ") << box.id;
        }
    }
}

// Steps that act on the dialog and must be accepted by it.
ScriptedRun::Step Select(int id, int index) {
    return [id, index](HeadlessWindow& w) { ASSERT_EQ(w.UserSelect(id, index), ""); };
}
ScriptedRun::Step Type(int id, const std::string& text) {
    return [id, text](HeadlessWindow& w) { ASSERT_EQ(w.UserType(id, text), ""); };
}
ScriptedRun::Step Calculate() {
    return [](HeadlessWindow& w) { ASSERT_EQ(w.UserClick(1), ""); };
}
ScriptedRun::Step Check(const std::function<void(const HeadlessWindow&)>& check) {
    return [check](HeadlessWindow& w) { check(w); };
}

// Enters the worked translation example: 1 inch peak-to-peak at 10 Hz.
void EnterTranslationExample(ScriptedRun& run) {
    run.Then(Select(1003, 0)).Then(Select(1004, 0)).Then(Select(1001, 2)).Then(Type(1008, "1")).Then(Type(1009, "10"));
}

void RunDialog() {
    CPureSineDlg dialog;
    dialog.DoModal();
}

TEST(PureSineDialog, OpensWithOnlyTheTypeGroup) {
    ScriptedRun run;
    run.Then(Check([](const HeadlessWindow& w) {
        EXPECT_STREQ(w.Template().caption, "Pure Sine Vibration");
        ExpectState(w, kOpened);
        EXPECT_EQ(Ctl(w, 1003).items, (std::vector<std::string>{"translation", "rotation"}));
        EXPECT_EQ(Ctl(w, 1003).selected, -1);
        EXPECT_EQ(Ctl(w, 1008).text, "");
        EXPECT_EQ(Ctl(w, 1009).text, "");
    }));
    RunDialog();
    EXPECT_TRUE(run.messages.empty());
}

TEST(PureSineDialog, WalksThroughTheStatesToTranslationResults) {
    ScriptedRun run;
    run.Then(Select(1003, 0)).Then(Check([](const HeadlessWindow& w) {
        ExpectState(w, kTypeChosen);
        EXPECT_EQ(Ctl(w, 1004).items.size(), 4u);
        EXPECT_EQ(Ctl(w, 1004).selected, -1);
    }));
    run.Then(Select(1004, 0)).Then(Check([](const HeadlessWindow& w) {
        ExpectState(w, kInputsShown);
        EXPECT_EQ(Ctl(w, 1007).items, (std::vector<std::string>{"Hz", "radians/sec"}));
        EXPECT_EQ(Ctl(w, 1007).selected, 0);
        EXPECT_EQ(Ctl(w, 1001).items.size(), 6u);
        EXPECT_EQ(Ctl(w, 1001).selected, -1);
    }));
    run.Then(Select(1001, 2)).Then(Type(1008, "1")).Then(Type(1009, "10")).Then(Calculate());
    run.Then(Check([](const HeadlessWindow& w) {
        ExpectTranslationResults(w);
        EXPECT_EQ(Ctl(w, 1018).text, "        25.4 mm");
        EXPECT_EQ(Ctl(w, 1033).text, "       5.111 G");
        EXPECT_EQ(Ctl(w, 1035).text, "   3.142e+07 micro inches/sec ");
    }));
    RunDialog();
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(run.closed, std::vector<int>{129});  // Calculate leaves the dialog open
    EXPECT_EQ(g_typeSel, 0);
    EXPECT_EQ(g_dimensionSel, 0);
    EXPECT_EQ(g_amplitudeUnitSel, 2);
    EXPECT_EQ(g_frequencyUnitSel, 0);
    EXPECT_EQ(g_frequencyValue, 10.0);
    EXPECT_EQ(g_amplitudeValue, 1.0);
    EXPECT_EQ(g_zeroPeak, (1.0 / 2.0) / 39.37);
}

// Every change of an input takes a results state back to InputsShown.
struct ChangeCase {
    const char* name;
    std::function<ScriptedRun::Step()> change;
};

class PureSineInputChangeTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(PureSineInputChangeTest, HidesAndBlanksTheResults) {
    ScriptedRun run;
    EnterTranslationExample(run);
    run.Then(Calculate()).Then(GetParam().change()).Then(Check([](const HeadlessWindow& w) {
        ExpectState(w, kInputsShown);
    }));
    RunDialog();
    EXPECT_TRUE(run.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Inputs, PureSineInputChangeTest,
                         ::testing::Values(ChangeCase{"TypeOneCharacter", [] { return Type(1008, "12"); }},
                                           ChangeCase{"ClearFrequency", [] { return Type(1009, ""); }},
                                           ChangeCase{"AmplitudeUnit", [] { return Select(1001, 3); }},
                                           ChangeCase{"SameAmplitudeUnit", [] { return Select(1001, 2); }},
                                           ChangeCase{"FrequencyUnit", [] { return Select(1007, 1); }},
                                           ChangeCase{"Dimension", [] { return Select(1004, 1); }}),
                         halvex_test::CaseName());

TEST(PureSineDialog, TypeChangeKeepsHiddenInputsAndDimensionRefillsUnits) {
    ScriptedRun run;
    EnterTranslationExample(run);
    run.Then(Select(1007, 1)).Then(Calculate()).Then(Select(1003, 1)).Then(Check([](const HeadlessWindow& w) {
        ExpectState(w, kTypeChosen);
        EXPECT_EQ(Ctl(w, 1004).selected, -1);
        // Hidden, but still holding what the user left there.
        EXPECT_EQ(Ctl(w, 1008).text, "1");
        EXPECT_EQ(Ctl(w, 1009).text, "10");
        EXPECT_EQ(Ctl(w, 1001).selected, 2);
        EXPECT_EQ(Ctl(w, 1007).selected, 1);
    }));
    run.Then(Select(1004, 1)).Then(Check([](const HeadlessWindow& w) {
        ExpectState(w, kInputsShown);
        EXPECT_EQ(Ctl(w, 1008).text, "1");
        EXPECT_EQ(Ctl(w, 1009).text, "10");
        EXPECT_EQ(Ctl(w, 1007).selected, 0);  // back on Hz
        EXPECT_EQ(Ctl(w, 1001).items, (std::vector<std::string>{"radians", "degrees"}));
        EXPECT_EQ(Ctl(w, 1001).selected, -1);
    }));
    run.Then(Calculate());  // valid numbers, no unit
    RunDialog();
    EXPECT_EQ(run.messages, std::vector<std::string>{"Please select input unit. "});
    EXPECT_EQ(g_typeSel, 1);
    EXPECT_EQ(g_dimensionSel, 1);
}

// After a type change the dimension list has no selection while the hidden
// inputs still pass every check: the calculation is refused, not run on a
// stale dimension, and the previous results stay in the process-wide values.
TEST(PureSineDialog, CalculateWithoutDimensionIsRefused) {
    ScriptedRun run;
    EnterTranslationExample(run);
    run.Then(Calculate()).Then(Select(1003, 0)).Then(Calculate()).Then(Check([](const HeadlessWindow& w) {
        ExpectState(w, kTypeChosen);
    }));
    RunDialog();
    EXPECT_EQ(run.messages, std::vector<std::string>{"Please select input dimension. "});
    EXPECT_EQ(g_dimensionSel, -1);
    EXPECT_EQ(g_zeroPeak, (1.0 / 2.0) / 39.37);
}

TEST(PureSineDialog, FailedChecksShowOneMessageAndNoResults) {
    ScriptedRun run;
    run.Then(Calculate());  // nothing chosen or typed yet
    EnterTranslationExample(run);
    run.Then(Calculate()).Then(Type(1009, "0")).Then(Calculate()).Then(Check([](const HeadlessWindow& w) {
        ExpectState(w, kInputsShown);
    }));
    run.Then(Type(1009, "10abc")).Then(Calculate());  // not a number, so read as 0
    run.Then(Type(1009, " 10\t")).Then(Type(1008, "-1")).Then(Calculate());
    run.Then(Type(1008, "1e-12")).Then(Select(1001, 0)).Then(Calculate()).Then(Check([](const HeadlessWindow& w) {
        ExpectTranslationResults(w);  // 1e-12 micro inches is accepted
    }));
    RunDialog();
    EXPECT_EQ(run.messages,
              (std::vector<std::string>{"Please enter valid frequency. ", "Please enter valid frequency. ",
                                        "Please enter valid frequency. ", "Please enter valid amplitude. "}));
}

// A comma typed for a decimal point is not read as far as the comma: the
// whole text is refused, as an empty box is, and no result is shown.
TEST(PureSineDialog, CommaDecimalIsRefusedLikeAnEmptyBox) {
    ScriptedRun run;
    EnterTranslationExample(run);
    run.Then(Calculate()).Then(Type(1008, "1,5")).Then(Calculate()).Then(Check([](const HeadlessWindow& w) {
        ExpectState(w, kInputsShown);
    }));
    RunDialog();
    EXPECT_EQ(run.messages, std::vector<std::string>{"Please enter valid amplitude. "});
    EXPECT_EQ(g_amplitudeValue, 0.0);
    EXPECT_EQ(g_frequencyValue, 10.0);
}

TEST(PureSineDialog, RotationAfterTranslationShowsOnlyTheEightRotationEdits) {
    ScriptedRun run;
    EnterTranslationExample(run);
    run.Then(Calculate()).Then(Select(1003, 1)).Then(Select(1004, 0)).Then(Select(1001, 1)).Then(Type(1008, "2"));
    run.Then(Type(1009, "5")).Then([](HeadlessWindow& w) { w.UserEnter(); }).Then(Check([](const HeadlessWindow& w) {
        ExpectRotationResults(w);
        EXPECT_EQ(Ctl(w, 1018).text, "     0.03491 radians");
        EXPECT_EQ(Ctl(w, 1031).text, "         987 degrees/sec^2");
    }));
    RunDialog();
    EXPECT_TRUE(run.messages.empty());
}

TEST(PureSineDialog, ReopensInItsOpeningStateAndKeepsTheProcessWideValues) {
    for (const char* closeBy : {"button", "escape", "close box"}) {
        ScriptedRun run;
        EnterTranslationExample(run);
        run.Then(Calculate()).Then([closeBy](HeadlessWindow& w) {
            if (std::string(closeBy) == "button") {
                ASSERT_EQ(w.UserClick(2), "");
            } else if (std::string(closeBy) == "escape") {
                w.UserEscape();
            } else {
                w.UserClose();
            }
        });
        run.Then(Check([](const HeadlessWindow& w) {
            ExpectState(w, kOpened);
            EXPECT_EQ(Ctl(w, 1008).text, "");
            EXPECT_EQ(Ctl(w, 1003).selected, -1);
        }));
        CPureSineDlg dialog;
        dialog.DoModal();
        EXPECT_EQ(run.closed.size(), 1u) << closeBy;
        EXPECT_EQ(run.codes.at(0), 2) << closeBy;
        dialog.DoModal();  // the same object, opened again
        EXPECT_EQ(g_amplitudeUnitSel, 2) << closeBy;
    }
}

TEST(PureSineDialog, ResultEditsAreReadOnly) {
    ScriptedRun run;
    EnterTranslationExample(run);
    run.Then(Calculate()).Then([](HeadlessWindow& w) {
        EXPECT_NE(w.UserType(1018, "x"), "");
        EXPECT_EQ(Ctl(w, 1018).text, "        25.4 mm");
    });
    RunDialog();
}

}  // namespace
