#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "lang/tr.h"
#include "puresine/pure_sine_dlg.h"
#include "puresine/pure_sine_results.h"
#include "puresine/pure_sine_state.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "tests/case_name.h"
#include "tests/headless_script.h"
#include "tests/in_language.h"

namespace {

using halvex_test::Ctl;
using halvex_test::HeadlessWindow;
using halvex_test::ScriptedRun;
using namespace res::pure_sine;

const std::vector<int> kTypeGroup = {IDC_TYPE_FRAME, IDC_TYPE};
const std::vector<int> kDimensionGroup = {IDC_DIMENSION_FRAME, IDC_DIMENSION};
const std::vector<int> kAmplitudeGroup = {IDC_AMPLITUDE_FRAME, IDC_AMPLITUDE, IDC_AMPLITUDE_UNIT};
const std::vector<int> kFrequencyGroup = {IDC_FREQUENCY_FRAME, IDC_FREQUENCY, IDC_FREQUENCY_UNIT};
const std::vector<int> kOutputFrame = {IDC_OUTPUT_FRAME, IDC_CAPTION_DISP_PP, IDC_CAPTION_VELOCITY,
                                       IDC_CAPTION_ACCELERATION, IDC_CAPTION_DISP_ZP};

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
    ExpectGroup(w, {res::IDOK, res::IDCANCEL}, Shown::Visible, "buttons");
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
    return [](HeadlessWindow& w) { ASSERT_EQ(w.UserClick(res::IDOK), ""); };
}
ScriptedRun::Step Check(const std::function<void(const HeadlessWindow&)>& check) {
    return [check](HeadlessWindow& w) { check(w); };
}

// Enters the worked translation example: 1 inch peak-to-peak at 10 Hz.
void EnterTranslationExample(ScriptedRun& run) {
    run.Then(Select(IDC_TYPE, 0))
        .Then(Select(IDC_DIMENSION, 0))
        .Then(Select(IDC_AMPLITUDE_UNIT, 2))
        .Then(Type(IDC_AMPLITUDE, "1"))
        .Then(Type(IDC_FREQUENCY, "10"));
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
        EXPECT_EQ(Ctl(w, IDC_TYPE).items, (std::vector<std::string>{"translation", "rotation"}));
        EXPECT_EQ(Ctl(w, IDC_TYPE).selected, -1);
        EXPECT_EQ(Ctl(w, IDC_AMPLITUDE).text, "");
        EXPECT_EQ(Ctl(w, IDC_FREQUENCY).text, "");
    }));
    RunDialog();
    EXPECT_TRUE(run.messages.empty());
}

TEST(PureSineDialog, WalksThroughTheStatesToTranslationResults) {
    ScriptedRun run;
    run.Then(Select(IDC_TYPE, 0)).Then(Check([](const HeadlessWindow& w) {
        ExpectState(w, kTypeChosen);
        EXPECT_EQ(Ctl(w, IDC_DIMENSION).items.size(), 4u);
        EXPECT_EQ(Ctl(w, IDC_DIMENSION).selected, -1);
    }));
    run.Then(Select(IDC_DIMENSION, 0)).Then(Check([](const HeadlessWindow& w) {
        ExpectState(w, kInputsShown);
        EXPECT_EQ(Ctl(w, IDC_FREQUENCY_UNIT).items, (std::vector<std::string>{"Hz", "radians/sec"}));
        EXPECT_EQ(Ctl(w, IDC_FREQUENCY_UNIT).selected, 0);
        EXPECT_EQ(Ctl(w, IDC_AMPLITUDE_UNIT).items.size(), 6u);
        EXPECT_EQ(Ctl(w, IDC_AMPLITUDE_UNIT).selected, -1);
    }));
    run.Then(Select(IDC_AMPLITUDE_UNIT, 2))
        .Then(Type(IDC_AMPLITUDE, "1"))
        .Then(Type(IDC_FREQUENCY, "10"))
        .Then(Calculate());
    run.Then(Check([](const HeadlessWindow& w) {
        ExpectTranslationResults(w);
        EXPECT_EQ(Ctl(w, IDC_DISP_PP_MM).text, "        25.4 mm");
        EXPECT_EQ(Ctl(w, IDC_ACC_G).text, "       5.111 G");
        EXPECT_EQ(Ctl(w, IDC_VEL_UIN).text, "   3.142e+07 micro inches/sec ");
    }));
    RunDialog();
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(run.closed, std::vector<int>{res::IDD_PURE_SINE});  // Calculate leaves the dialog open
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
                         ::testing::Values(ChangeCase{"TypeOneCharacter", [] { return Type(IDC_AMPLITUDE, "12"); }},
                                           ChangeCase{"ClearFrequency", [] { return Type(IDC_FREQUENCY, ""); }},
                                           ChangeCase{"AmplitudeUnit", [] { return Select(IDC_AMPLITUDE_UNIT, 3); }},
                                           ChangeCase{"SameAmplitudeUnit",
                                                      [] { return Select(IDC_AMPLITUDE_UNIT, 2); }},
                                           ChangeCase{"FrequencyUnit", [] { return Select(IDC_FREQUENCY_UNIT, 1); }},
                                           ChangeCase{"Dimension", [] { return Select(IDC_DIMENSION, 1); }}),
                         halvex_test::CaseName());

TEST(PureSineDialog, TypeChangeKeepsHiddenInputsAndDimensionRefillsUnits) {
    ScriptedRun run;
    EnterTranslationExample(run);
    run.Then(Select(IDC_FREQUENCY_UNIT, 1))
        .Then(Calculate())
        .Then(Select(IDC_TYPE, 1))
        .Then(Check([](const HeadlessWindow& w) {
            ExpectState(w, kTypeChosen);
            EXPECT_EQ(Ctl(w, IDC_DIMENSION).selected, -1);
            // Hidden, but still holding what the user left there.
            EXPECT_EQ(Ctl(w, IDC_AMPLITUDE).text, "1");
            EXPECT_EQ(Ctl(w, IDC_FREQUENCY).text, "10");
            EXPECT_EQ(Ctl(w, IDC_AMPLITUDE_UNIT).selected, 2);
            EXPECT_EQ(Ctl(w, IDC_FREQUENCY_UNIT).selected, 1);
        }));
    run.Then(Select(IDC_DIMENSION, 1)).Then(Check([](const HeadlessWindow& w) {
        ExpectState(w, kInputsShown);
        EXPECT_EQ(Ctl(w, IDC_AMPLITUDE).text, "1");
        EXPECT_EQ(Ctl(w, IDC_FREQUENCY).text, "10");
        EXPECT_EQ(Ctl(w, IDC_FREQUENCY_UNIT).selected, 0);  // back on Hz
        EXPECT_EQ(Ctl(w, IDC_AMPLITUDE_UNIT).items, (std::vector<std::string>{"radians", "degrees"}));
        EXPECT_EQ(Ctl(w, IDC_AMPLITUDE_UNIT).selected, -1);
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
    run.Then(Calculate()).Then(Select(IDC_TYPE, 0)).Then(Calculate()).Then(Check([](const HeadlessWindow& w) {
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
    run.Then(Calculate()).Then(Type(IDC_FREQUENCY, "0")).Then(Calculate()).Then(Check([](const HeadlessWindow& w) {
        ExpectState(w, kInputsShown);
    }));
    run.Then(Type(IDC_FREQUENCY, "10abc")).Then(Calculate());  // not a number, so read as 0
    run.Then(Type(IDC_FREQUENCY, " 10\t")).Then(Type(IDC_AMPLITUDE, "-1")).Then(Calculate());
    run.Then(Type(IDC_AMPLITUDE, "1e-12"))
        .Then(Select(IDC_AMPLITUDE_UNIT, 0))
        .Then(Calculate())
        .Then(Check([](const HeadlessWindow& w) {
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
    run.Then(Calculate()).Then(Type(IDC_AMPLITUDE, "1,5")).Then(Calculate()).Then(Check([](const HeadlessWindow& w) {
        ExpectState(w, kInputsShown);
    }));
    RunDialog();
    EXPECT_EQ(run.messages, std::vector<std::string>{"Please enter valid amplitude. "});
    EXPECT_EQ(g_amplitudeValue, 0.0);
    EXPECT_EQ(g_frequencyValue, 10.0);
}

// In German every text the dialog shows is German: the caption, the list
// items as inserted, the results' unit words and the check's message; unit
// symbols and the numbers are written as in English. The English run of
// the same steps is WalksThroughTheStatesToTranslationResults.
TEST(PureSineDialog, SpeaksGermanWhenTheLanguageIsGerman) {
    const halvex_test::InLanguage german(lang::Language::German);
    std::string copied;
    ScriptedRun run;
    run.Then(Check([](const HeadlessWindow& w) {
        EXPECT_STREQ(w.Template().caption, "Reine Sinusschwingung");
        EXPECT_EQ(Ctl(w, IDC_TYPE).items, (std::vector<std::string>{"Translation", "Rotation"}));
    }));
    EnterTranslationExample(run);
    run.Then(Calculate()).Then(Check([](const HeadlessWindow& w) {
        EXPECT_EQ(Ctl(w, IDC_FREQUENCY_UNIT).items, (std::vector<std::string>{"Hz", "Radiant/s"}));
        EXPECT_EQ(Ctl(w, IDC_AMPLITUDE_UNIT).items[2], "Zoll");
        EXPECT_EQ(Ctl(w, IDC_CAPTION_DISP_PP).text, "Weg (Spitze-Spitze)");
        EXPECT_EQ(Ctl(w, IDC_DISP_PP_MM).text, "        25.4 mm");
        EXPECT_EQ(Ctl(w, IDC_DISP_PP_IN).text, "           1 Zoll");
    }));
    run.Then([&copied](HeadlessWindow& w) {
        ASSERT_EQ(w.UserShortcut(res::IDM_COPY_ALL_RESULTS), "");
        copied = w.Clipboard();
    });
    run.Then(Type(IDC_FREQUENCY, "0")).Then(Calculate());
    RunDialog();
    EXPECT_EQ(copied.substr(0, copied.find('\n', copied.find('\n') + 1) + 1),
              "Größe\tForm\tWert\tEinheit\nSchwingweg\tSpitze-Spitze\t25.4\tmm\n");
    EXPECT_EQ(run.messages, std::vector<std::string>{"Bitte eine gültige Frequenz eingeben. "});
}

TEST(PureSineDialog, RotationAfterTranslationShowsOnlyTheEightRotationEdits) {
    ScriptedRun run;
    EnterTranslationExample(run);
    run.Then(Calculate())
        .Then(Select(IDC_TYPE, 1))
        .Then(Select(IDC_DIMENSION, 0))
        .Then(Select(IDC_AMPLITUDE_UNIT, 1))
        .Then(Type(IDC_AMPLITUDE, "2"));
    run.Then(Type(IDC_FREQUENCY, "5"))
        .Then([](HeadlessWindow& w) { w.UserEnter(); })
        .Then(Check([](const HeadlessWindow& w) {
            ExpectRotationResults(w);
            EXPECT_EQ(Ctl(w, IDC_DISP_PP_MM).text, "     0.03491 radians");
            EXPECT_EQ(Ctl(w, IDC_ACC_MM).text, "         987 degrees/sec^2");
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
                ASSERT_EQ(w.UserClick(res::IDCANCEL), "");
            } else if (std::string(closeBy) == "escape") {
                w.UserEscape();
            } else {
                w.UserClose();
            }
        });
        run.Then(Check([](const HeadlessWindow& w) {
            ExpectState(w, kOpened);
            EXPECT_EQ(Ctl(w, IDC_AMPLITUDE).text, "");
            EXPECT_EQ(Ctl(w, IDC_TYPE).selected, -1);
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
        EXPECT_NE(w.UserType(IDC_DISP_PP_MM, "x"), "");
        EXPECT_EQ(Ctl(w, IDC_DISP_PP_MM).text, "        25.4 mm");
    });
    RunDialog();
}

}  // namespace
