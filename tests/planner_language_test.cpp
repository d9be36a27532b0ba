// The planner's window in German on the headless backend: the menu bar, the
// grids' headers, a list's items, the chart's titles and a refusal come from
// the catalogue, the unit symbols as they are.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/drawing.h"
#include "lang/tr.h"
#include "planner/plan_form.h"
#include "planner/planner_dlg.h"
#include "res/planner_ids.h"
#include "res/resource_ids.h"
#include "tests/headless_script.h"
#include "tests/in_language.h"

namespace {

using namespace res::planner_dlg;
using halvex_test::Ctl;
using halvex_test::HeadlessWindow;
using halvex_test::ScriptedRun;

using halvex_test::InLanguage;

std::vector<std::string> AxisTitles(const draw::Chart& chart) {
    std::vector<std::string> titles;
    for (const draw::DrawOp& op : chart.ops) {
        if (op.role == draw::DrawRole::AxisTitle) titles.push_back(op.text);
    }
    return titles;
}

TEST(PlannerLanguage, TheWindowSpeaksGerman) {
    const InLanguage german(lang::Language::German);
    ScriptedRun run;
    CPlannerDlg dialog;
    run.Then([&](HeadlessWindow& w) {
        const res::MenuBar& menu = *w.Template().menu;
        EXPECT_STREQ(menu.begin()->text, "&Datei");
        EXPECT_STREQ(menu.Find(IDM_SAVE_AS)->text, "Speichern &unter...");
        EXPECT_STREQ(menu.Find(IDM_SAVE_AS)->shortcut, "Ctrl+Shift+S");
        EXPECT_EQ(w.Title(), "Unbenannt \u2014 Sinus-Prüfplaner");
        EXPECT_EQ(Ctl(w, IDC_PROFILE).columns[planner::kFromColumn].title, "Von");
        EXPECT_EQ(Ctl(w, IDC_PROFILE).rows[0][planner::kLevelColumn], "Beschl.");
        // The unit symbols stay: a header's and a unit list's.
        EXPECT_EQ(Ctl(w, IDC_RESULTS).columns[2].title, "Weg s-s (mm)");
        EXPECT_EQ(Ctl(w, IDC_DWELL_TIME_UNIT).items, (std::vector<std::string>{"s", "min", "h"}));
        EXPECT_EQ(Ctl(w, IDC_SWEEP_MODE).items, (std::vector<std::string>{"auf", "ab", "auf-ab"}));
        EXPECT_EQ(AxisTitles(*Ctl(w, IDC_CHART).drawing),
                  (std::vector<std::string>{"Frequenz (Hz)", "Geschwindigkeit (m/s)"}));
        // A level's kind chosen by its German name: a velocity, in m/s.
        EXPECT_EQ(w.UserEditCell(IDC_PROFILE, 0, planner::kLevelColumn, "Geschw."), "");
        EXPECT_EQ(Ctl(w, IDC_PROFILE).rows[0][planner::kUnitColumn], "m/s");
        w.UserEditCell(IDC_PROFILE, 0, planner::kToColumn, "2OO");
        EXPECT_EQ(w.UserShortcut(res::IDM_COPY_ALL_RESULTS), "");
        run.Backend().QueueAnswer("no");
        w.UserClose();
    });
    dialog.DoModal();
    EXPECT_EQ(run.messages, std::vector<std::string>{"Die Ergebnisse können nicht kopiert werden. Grund: Abschnitt 1, "
                                                     "Bis: „2OO“ ist keine Zahl (eine Frequenz in Hz oder auto)"});
}

// The chart lays its labels out by these widths: a Chinese or Japanese
// character takes a full em, not one byte's or one digit's room.
TEST(PlannerLanguage, FullWidthCharactersAreEstimatedAnEmWide) {
    EXPECT_DOUBLE_EQ(draw::TextWidth("周波数", 10.0), 30.0);
    EXPECT_DOUBLE_EQ(draw::TextWidth("Üb", 10.0), 2 * 6.4);
}

}  // namespace
