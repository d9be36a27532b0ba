#include <gtest/gtest.h>

#include <sstream>

#include "tests/case_name.h"

#include "app/drive_session.h"
#include "app/icon_position.h"
#include "app/main_menu_dlg.h"
#include "app/vibration_app.h"
#include "res/main_menu_ids.h"
#include "res/resource_ids.h"
#include "tests/headless_script.h"
#include "ui/messages.h"

namespace {

using halvex_test::Ctl;
using halvex_test::HeadlessWindow;
using halvex_test::ScriptedRun;
using res::main_menu::IDC_ANALYSIS_LIST;

const std::vector<std::string> kAnalyses = {"pure sine", "sine sweep"};

TEST(MainMenu, OpensWithBothAnalysesAndTheAboutItem) {
    ScriptedRun run;
    run.Then([](HeadlessWindow& w) {
        EXPECT_EQ(w.Template().id, res::IDD_MAIN_MENU);
        EXPECT_STREQ(w.Template().caption, "Sine Vibration");
        EXPECT_EQ(Ctl(w, IDC_ANALYSIS_LIST).items, kAnalyses);
        EXPECT_EQ(Ctl(w, IDC_ANALYSIS_LIST).selected, -1);
        ASSERT_EQ(w.SystemMenu().size(), 2u);
        EXPECT_EQ(w.SystemMenu()[0].flags, ui::MF_SEPARATOR);
        EXPECT_EQ(w.SystemMenu()[1].flags, ui::MF_STRING);
        EXPECT_EQ(w.SystemMenu()[1].commandId, res::IDM_ABOUT);
        EXPECT_EQ(w.SystemMenu()[1].text, "&About Halvex...");
        EXPECT_EQ(w.BigIcon(), res::IDR_MAINFRAME);
        EXPECT_EQ(w.SmallIcon(), res::IDR_MAINFRAME);
    });
    CVibrationApp app;
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(run.opened, std::vector<int>{res::IDD_MAIN_MENU});
}

// Each selection opens its dialog, and afterwards the list is back in its
// opening state, so choosing the same entry again opens it again.
TEST(MainMenu, SelectionOpensTheChosenDialogAndRefillsTheList) {
    ScriptedRun run;
    const auto checkRefilled = [](HeadlessWindow& w) {
        EXPECT_EQ(w.Template().id, res::IDD_MAIN_MENU);
        EXPECT_EQ(Ctl(w, IDC_ANALYSIS_LIST).items, kAnalyses);
        EXPECT_EQ(Ctl(w, IDC_ANALYSIS_LIST).selected, -1);
    };
    const auto cancel = [](HeadlessWindow& w) { w.UserEscape(); };
    run.Then([](HeadlessWindow& w) { EXPECT_EQ(w.UserSelect(IDC_ANALYSIS_LIST, 0), ""); })
        .Then(cancel)
        .Then(checkRefilled)
        .Then([](HeadlessWindow& w) { EXPECT_EQ(w.UserSelect(IDC_ANALYSIS_LIST, 0), ""); })
        .Then([](HeadlessWindow& w) { EXPECT_EQ(w.UserClick(res::IDCANCEL), ""); })
        .Then([](HeadlessWindow& w) { EXPECT_EQ(w.UserSelect(IDC_ANALYSIS_LIST, 1), ""); })
        .Then([](HeadlessWindow& w) { w.UserClose(); })
        .Then(checkRefilled)
        .Then([](HeadlessWindow& w) { EXPECT_EQ(w.UserSelect(IDC_ANALYSIS_LIST, -1), ""); })  // no selection: the sweep
        .Then(cancel);
    CVibrationApp app;
    app.InitInstance();
    EXPECT_EQ(run.opened, (std::vector<int>{res::IDD_MAIN_MENU, res::IDD_PURE_SINE, res::IDD_PURE_SINE,
                                            res::IDD_SINE_SWEEP, res::IDD_SINE_SWEEP}));
    EXPECT_EQ(run.closed, (std::vector<int>{res::IDD_PURE_SINE, res::IDD_PURE_SINE, res::IDD_SINE_SWEEP,
                                            res::IDD_SINE_SWEEP, res::IDD_MAIN_MENU}));
}

TEST(MainMenu, AboutOpensForTheAboutCommandWhateverItsLowBits) {
    ScriptedRun run;
    for (unsigned command : {res::IDM_ABOUT, 0x0011u, 0x001Fu}) {
        run.Then([command](HeadlessWindow& w) { w.UserSysCommand(command); });
        run.Then([](HeadlessWindow& w) {
            EXPECT_EQ(w.Template().id, res::IDD_ABOUT);
            EXPECT_EQ(w.UserClick(res::IDOK), "");
        });
    }
    run.Then([](HeadlessWindow& w) { w.UserSysCommand(0x0020); });  // another command
    run.Then([](HeadlessWindow& w) { EXPECT_EQ(w.Template().id, res::IDD_MAIN_MENU); });
    run.Then([](HeadlessWindow& w) { w.UserSysCommand(ui::SC_CLOSE); });
    CVibrationApp app;
    app.InitInstance();
    EXPECT_EQ(run.opened, (std::vector<int>{res::IDD_MAIN_MENU, res::IDD_ABOUT, res::IDD_ABOUT, res::IDD_ABOUT}));
    EXPECT_EQ(run.codes, (std::vector<int>{1, 1, 1, 2}));
}

TEST(MainMenu, EnterEndsTheProgramAsExitDoes) {
    ScriptedRun run;
    run.Then([](HeadlessWindow& w) { w.UserEnter(); });
    CVibrationApp app;
    app.InitInstance();
    EXPECT_EQ(run.closed, std::vector<int>{res::IDD_MAIN_MENU});
    EXPECT_EQ(run.codes, std::vector<int>{1});
}

// A script may name a control as its dialog's header does. Names belong to
// the dialog on top: 1018 is the pure sine's IDC_DISP_PP_MM and the sine
// sweep's IDC_INPUT_FRAME, and neither name reaches the other's control. Only
// a word that starts with ID is a name: any other word that is no number
// makes a line that does not read.
TEST(DriveScript, NamesAControlAsItsDialogDoesAndRefusesAnyOther) {
    std::istringstream script(
        "select IDC_ANALYSIS_LIST 0\n"
        "show IDC_AMPLITUDE\n"
        "show 1008\n"
        "show IDC_INPUT_FRAME\n"
        "click IDC_NO_SUCH\n"
        "click Cancel\n"
        "click IDCANCEL\n"
        "select IDC_ANALYSIS_LIST 1\n"
        "show IDC_INPUT_FRAME\n"
        "show IDC_DISP_PP_MM\n");
    std::ostringstream out;
    EXPECT_EQ(halvex::DriveSession(script, out).Run(), 1);
    EXPECT_EQ(out.str(),
              "{\"event\":\"open\",\"dialog\":102}\n"
              "{\"event\":\"open\",\"dialog\":129}\n"
              "{\"id\":1008,\"kind\":\"edit\",\"visible\":false,\"text\":\"\"}\n"
              "{\"id\":1008,\"kind\":\"edit\",\"visible\":false,\"text\":\"\"}\n"
              "{\"error\":\"no control IDC_INPUT_FRAME on dialog 129\"}\n"
              "{\"error\":\"no control IDC_NO_SUCH on dialog 129\"}\n"
              "{\"error\":\"click: expected a button id\"}\n"
              "{\"event\":\"close\",\"dialog\":129,\"code\":2}\n"
              "{\"event\":\"open\",\"dialog\":130}\n"
              "{\"id\":1018,\"kind\":\"frame\",\"visible\":false,\"text\":\"Input\"}\n"
              "{\"error\":\"no control IDC_DISP_PP_MM on dialog 130\"}\n"
              "{\"event\":\"close\",\"dialog\":130,\"code\":2}\n"
              "{\"event\":\"close\",\"dialog\":102,\"code\":2}\n");
}

struct IconCase {
    const char* name;
    int clientWidth, clientHeight, iconWidth, iconHeight;
    int x, y;
};

class IconPositionTest : public ::testing::TestWithParam<IconCase> {};

TEST_P(IconPositionTest, CentresWithTruncatingDivision) {
    const IconCase& c = GetParam();
    const halvex::Point p = halvex::IconDrawPosition(c.clientWidth, c.clientHeight, c.iconWidth, c.iconHeight);
    EXPECT_EQ(p.x, c.x);
    EXPECT_EQ(p.y, c.y);
}

INSTANTIATE_TEST_SUITE_P(Minimised, IconPositionTest,
                         ::testing::Values(IconCase{"Centred", 36, 36, 32, 32, 2, 2},
                                           IconCase{"TwoNarrowerTruncatesToZero", 30, 36, 32, 32, 0, 2},
                                           IconCase{"ThreeNarrower", 29, 29, 32, 32, -1, -1},
                                           IconCase{"Large", 100, 51, 16, 16, 42, 18}),
                         halvex_test::CaseName());

}  // namespace
