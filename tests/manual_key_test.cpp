// F1 in each calculator opens the user manual installed with the program,
// as the planner's Help > Manual opens its own page.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_menu_dlg.h"
#include "puresine/pure_sine_dlg.h"
#include "sweep/sine_sweep_dlg.h"
#include "tests/headless_script.h"

namespace {

using halvex_test::HeadlessWindow;
using halvex_test::ScriptedRun;

struct Calculator {
    const char* name;
    std::function<std::unique_ptr<ui::CDialog>()> make;
};

class ManualKey : public ::testing::TestWithParam<Calculator> {};

// Laid out as the Windows installer lays it: the page beside the program.
TEST_P(ManualKey, OpensTheUserManualBesideTheProgram) {
    // Written with slashes everywhere, so that the places are joined with them too.
    const std::string root =
        std::filesystem::path(::testing::TempDir() + "manual_key_" + GetParam().name).generic_string();
    std::filesystem::create_directories(root);
    std::ofstream(root + "/index.html") << "<html></html>";
    ScriptedRun run;
    run.Backend().SetProgramDirectory(root);
    run.Then([](HeadlessWindow& w) { EXPECT_EQ(w.UserKey("F1"), ""); });
    GetParam().make()->DoModal();
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(run.documents, std::vector<std::string>{root + "/index.html"});
    std::filesystem::remove_all(root);
}

INSTANTIATE_TEST_SUITE_P(Calculators, ManualKey,
                         ::testing::Values(Calculator{"MainMenu", [] { return std::make_unique<CMainMenuDlg>(); }},
                                           Calculator{"PureSine", [] { return std::make_unique<CPureSineDlg>(); }},
                                           Calculator{"SineSweep", [] { return std::make_unique<CSineSweepDlg>(); }}),
                         [](const ::testing::TestParamInfo<Calculator>& row) { return std::string(row.param.name); });

// Without the manual, nothing opens and the user is told where it was looked for.
TEST(ManualKeyMissing, SaysWhereTheManualWasLookedFor) {
    const std::string root = std::filesystem::path(::testing::TempDir() + "manual_key_missing").generic_string();
    ScriptedRun run;
    run.Backend().SetProgramDirectory(root);
    run.Then([](HeadlessWindow& w) { EXPECT_EQ(w.UserKey("F1"), ""); });
    CPureSineDlg dialog;
    dialog.DoModal();
    EXPECT_TRUE(run.documents.empty());
    EXPECT_EQ(run.messages, std::vector<std::string>{"The manual is not installed. It was looked for at:\n" + root +
                                                     "/index.html\n" + root + "/../share/doc/halvex/index.html"});
}

}  // namespace
