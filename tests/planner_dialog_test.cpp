// The planner's window on the headless backend: a save stopped between its
// write and its rename, an edit that recalculates the chart it shows, and
// the queries, which are not part of the document.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "numeric/number_text.h"
#include "planner/file_io.h"
#include "planner/plan_form.h"
#include "planner/planner_dlg.h"
#include "res/dialog_template.h"
#include "res/planner_ids.h"
#include "res/resource_ids.h"
#include "tests/headless_script.h"

namespace {

using namespace res::planner_dlg;
using halvex_test::Ctl;
using halvex_test::HeadlessWindow;
using halvex_test::ScriptedRun;

// The profile's marked cells as "row,column: problem".
std::vector<std::string> Marks(const HeadlessWindow& w) {
    std::vector<std::string> marks;
    for (const ui::GridMark& mark : Ctl(w, IDC_PROFILE).cellMarks) {
        marks.push_back(std::to_string(mark.row) + "," + std::to_string(mark.column) + ": " + mark.problem);
    }
    return marks;
}

std::string Contents(const std::string& path) {
    std::string text;
    return planner::ReadTextFile(path, text) ? text : "(unreadable)";
}

TEST(PlannerDialog, ASaveStoppedBeforeTheRenameLeavesTheOldFileAndTheChange) {
    const std::string path = ::testing::TempDir() + "planner_dialog_save.halvex-plan";
    std::remove(path.c_str());
    ScriptedRun run;
    CPlannerDlg dialog;
    bool stop = true;
    dialog.beforeReplace = [&](const std::string&) { return !stop; };
    std::string saved, afterStop, title;
    run.Then([&](HeadlessWindow& w) {
           run.Backend().QueueAnswer(path);
           w.UserMenu(IDM_SAVE_AS);  // stopped: nothing at path yet
           saved = Contents(path);
           stop = false;
           run.Backend().QueueAnswer(path);
           w.UserMenu(IDM_SAVE_AS);
       })
        .Then([&](HeadlessWindow& w) {
            w.UserEditCell(IDC_PROFILE, 0, planner::kValueColumn, "3");
            stop = true;
            w.UserMenu(IDM_SAVE);
            afterStop = Contents(path);
            title = w.Title();
        })
        .Then([&](HeadlessWindow& w) {
            run.Backend().QueueAnswer("no");
            w.UserClose();
        });
    dialog.DoModal();
    EXPECT_EQ(saved, "(unreadable)");
    EXPECT_NE(afterStop.find(R"("acceleration": "1 g")"), std::string::npos) << afterStop;
    EXPECT_EQ(title, "planner_dialog_save.halvex-plan* \u2014 Sine Test Planner");
    EXPECT_TRUE(dialog.Modified());
    ASSERT_EQ(run.messages.size(), 2u);
    EXPECT_EQ(run.messages[0], path + ": the save was stopped");
    std::remove(path.c_str());
    std::remove((path + ".saving").c_str());
}

TEST(PlannerDialog, EveryEditRedrawsTheChart) {
    ScriptedRun run;
    CPlannerDlg dialog;
    const draw::Chart* first = nullptr;
    const draw::Chart* second = nullptr;
    const draw::Chart* third = nullptr;
    run.Then([&](HeadlessWindow& w) {
        first = Ctl(w, IDC_CHART).drawing.get();
        w.UserEditCell(IDC_PROFILE, 0, planner::kToColumn, "200");
        second = Ctl(w, IDC_CHART).drawing.get();
        // Copy All Results: the calculators' table; the profile peaks at 10 Hz.
        EXPECT_EQ(w.UserShortcut(res::IDM_COPY_ALL_RESULTS), "");
        EXPECT_NE(w.Clipboard().find("\npeak velocity frequency\t\t10\tHz\n"), std::string::npos) << w.Clipboard();
        w.UserEditCell(IDC_PROFILE, 0, planner::kToColumn, "2OO");  // letters O: the last chart stays, out of date
        third = Ctl(w, IDC_CHART).drawing.get();
        EXPECT_EQ(Ctl(w, IDC_STATUS).text, "Segment 1, To: \"2OO\" is not a number (a frequency in Hz, or auto)");
        EXPECT_FALSE(Ctl(w, IDC_CHART).enabled);
        // The profile now ends at 200 Hz: 1 g there is g / (2 pi 200) = 7.804 mm/s.
        const auto& ops = Ctl(w, IDC_CHART).drawing->ops;
        for (const draw::DrawOp& op : ops) {
            if (op.role != draw::DrawRole::Profile || op.kind != draw::DrawKind::Polyline) continue;  // not the legend
            EXPECT_NEAR(std::pow(10.0, op.points.back().x), 200.0, 1e-9);
            EXPECT_NEAR(std::pow(10.0, op.points.back().y), 0.007803884, 1e-8);
        }
        // Not copied while out of date: the clipboard keeps what it had.
        const std::string copied = w.Clipboard();
        EXPECT_EQ(w.UserShortcut(res::IDM_COPY_ALL_RESULTS), "");
        EXPECT_EQ(w.Clipboard(), copied);
        run.Backend().QueueAnswer("no");
        w.UserClose();
    });
    dialog.DoModal();
    ASSERT_NE(first, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(third, second);
    EXPECT_EQ(run.messages, std::vector<std::string>{"The results cannot be copied while Segment 1, To: \"2OO\" is "
                                                     "not a number (a frequency in Hz, or auto)"});
}

// With the decimal comma the window reads "0,5" in a cell and "0,5 oct/min"
// in a field, and shows and copies its results with the comma; the file it
// saves keeps the point.
TEST(PlannerDialog, TheDecimalCommaIsTheWindowsNotTheFiles) {
    const std::string path = ::testing::TempDir() + "planner_dialog_comma.halvex-plan";
    std::remove(path.c_str());
    halvex::SetDecimalComma(true);
    ScriptedRun run;
    CPlannerDlg dialog;
    std::string gravity, rateResult, copied;
    run.Then([&](HeadlessWindow& w) {
        w.UserEditCell(IDC_PROFILE, 0, planner::kValueColumn, "0,5");
        w.UserType(IDC_RATE, "0,5 oct/min");
        rateResult = Ctl(w, IDC_RATE_RESULT).text;
        gravity = Ctl(w, IDC_GRAVITY).text;
        EXPECT_EQ(w.UserShortcut(res::IDM_COPY_ALL_RESULTS), "");
        copied = w.Clipboard();
        run.Backend().QueueAnswer(path);
        w.UserMenu(IDM_SAVE_AS);
        w.UserClose();
    });
    dialog.DoModal();
    halvex::SetDecimalComma(false);
    const std::string saved = Contents(path);
    EXPECT_NE(saved.find(R"("acceleration": "0.5 g")"), std::string::npos) << saved;
    EXPECT_NE(saved.find(R"("rate": "0.5 oct/min")"), std::string::npos) << saved;
    EXPECT_EQ(gravity, "9,80665");
    // log2(10) = 3.322 octaves at 0.5 oct/min: 6.644 min a pass; at 10 Hz
    // 0.5 g is 0.5 * 9.80665 / (2 pi 10) = 0.07804 m/s.
    EXPECT_EQ(rateResult, "= 6 min 38,6 s per pass");
    EXPECT_NE(copied.find("\ntime per pass\t\t398,6\ts\n"), std::string::npos) << copied;
    EXPECT_NE(copied.find("\npeak velocity\tzero-to-peak\t0,07804\tm/s\n"), std::string::npos) << copied;
    EXPECT_TRUE(run.messages.empty());
    std::remove(path.c_str());
}

// The file named on the command line opens with the window; one that cannot
// be read is refused with its reason, and the window holds a new plan.
TEST(PlannerDialog, OpensTheFileGivenAtStartOrRefusesIt) {
    const std::string example = std::string(HALVEX_SOURCE_DIR) + "/docs/examples/shaker-test.halvex-plan";
    const std::string missing = ::testing::TempDir() + "no-such-plan.halvex-plan";
    std::remove(missing.c_str());
    for (const std::string& path : {example, missing}) {
        ScriptedRun run;
        CPlannerDlg dialog;
        dialog.OpenAtStart(path);
        std::string status;
        run.Then([&](HeadlessWindow& w) {
            status = Ctl(w, IDC_STATUS).text;
            w.UserClose();
        });
        dialog.DoModal();
        EXPECT_FALSE(dialog.Modified());
        if (path == example) {
            EXPECT_TRUE(run.messages.empty());
            EXPECT_EQ(dialog.Path(), example);
            EXPECT_EQ(status, "shaker-test.halvex-plan");
        } else {
            EXPECT_EQ(run.messages, std::vector<std::string>{missing + ": cannot be read"});
            EXPECT_EQ(dialog.Path(), "");
        }
    }
}

// The new plan sweeps 10 to 100 Hz at 1 oct/min: 60 s in, 20 Hz. Asking
// changes nothing in the document; the answer is copied with the results.
// A segment's bad field is its cell, marked whichever row is current.
TEST(PlannerDialog, QueriesAreCopiedButNotPartOfThePlan) {
    ScriptedRun run;
    CPlannerDlg dialog;
    run.Then([&](HeadlessWindow& w) {
        w.UserType(IDC_QUERY_TIME, "1 min");
        EXPECT_FALSE(dialog.Modified());
        EXPECT_EQ(Ctl(w, IDC_STATUS).text, "Untitled");
        EXPECT_EQ(w.UserShortcut(res::IDM_COPY_ALL_RESULTS), "");
        EXPECT_NE(w.Clipboard().find("\nfrequency at queried time\t\t20\tHz\n"), std::string::npos) << w.Clipboard();
        EXPECT_NE(w.Clipboard().find("\ndirection at queried time\t\tup\t\n"), std::string::npos) << w.Clipboard();

        w.UserClick(IDC_ADD);  // segment 2 has no end yet
        const std::vector<std::string> toFill{"1,2: Segment 2, To: a number is needed (a frequency in Hz, or auto)"};
        EXPECT_EQ(Marks(w), toFill);
        w.UserMoveToCell(IDC_PROFILE, 0, planner::kValueColumn);
        EXPECT_EQ(Marks(w), toFill);
        w.UserEditCell(IDC_PROFILE, 1, planner::kToColumn, "200");
        EXPECT_TRUE(Marks(w).empty());
        // A value that reads but is out of range is named as the window names it too.
        w.UserType(IDC_SWEEPS, "0");
        EXPECT_EQ(Ctl(w, IDC_STATUS).text.rfind("Sweep, Sweeps: ", 0), 0u) << Ctl(w, IDC_STATUS).text;
        EXPECT_TRUE(Ctl(w, IDC_SWEEPS).marked);
        run.Backend().QueueAnswer("no");
        w.UserClose();
    });
    dialog.DoModal();
}

// A message names a field as the window labels it, "Segment 1, From": its
// group, then the label shown just before it, or a profile cell's column
// title; the field or the cell is marked.
TEST(PlannerDialog, AMessageNamesAFieldByItsLabel) {
    const res::DialogTemplate& layout = *res::FindDialogTemplate(res::IDD_PLANNER);
    ScriptedRun run;
    CPlannerDlg dialog;
    run.Then([&](HeadlessWindow& w) {
        w.UserClick(IDC_ADD_DWELL);
        w.UserType(IDC_DWELL_FREQUENCY, "40");
        w.UserType(IDC_DWELL_TIME, "1 min");
        // A stepped run at a level of its own: every run field on show.
        w.UserClick(IDC_ADD_RUN);
        w.UserSelect(IDC_RUN_KIND, static_cast<int>(planner::RunChoice::Stepped));
        w.UserSelect(IDC_RUN_LEVEL_SOURCE, static_cast<int>(planner::RunLevel::Source::Own));
        for (const auto& [id, text] : {std::pair{IDC_RUN_FIELD1, "20"},
                                       {IDC_RUN_FIELD2, "30"},
                                       {IDC_RUN_FIELD3, "5"},
                                       {IDC_RUN_FIELD4, "10"},
                                       {IDC_RUN_LEVEL, "1"}}) {
            w.UserType(id, text);
        }
        ASSERT_EQ(Ctl(w, IDC_STATUS).text, "Untitled");
        for (const res::ControlTemplate* control = layout.begin() + 1; control != layout.end(); ++control) {
            if (control->kind != res::ControlKind::Edit) continue;
            // The label shown before it; a run's slot labels change with its kind.
            const res::ControlTemplate* label = control - 1;
            while (label->kind != res::ControlKind::Static) --label;
            SCOPED_TRACE(control->id);
            const std::string labelText = label->id == res::kNoId ? label->text : Ctl(w, label->id).text;
            const std::string before = Ctl(w, control->id).text;
            w.UserType(control->id, "x?");
            const std::string status = Ctl(w, IDC_STATUS).text;
            const std::size_t group = status.find(", ");
            ASSERT_NE(group, std::string::npos) << status;
            EXPECT_EQ(status.substr(group + 2, status.find(": ") - group - 2), labelText) << status;
            EXPECT_TRUE(Ctl(w, control->id).marked);
            w.UserType(control->id, before);
        }
        for (const int column :
             {planner::kFromColumn, planner::kToColumn, planner::kValueColumn, planner::kRampColumn}) {
            SCOPED_TRACE(column);
            const std::string before = Ctl(w, IDC_PROFILE).rows[0][column];
            w.UserEditCell(IDC_PROFILE, 0, column, "x?");
            const std::string status = Ctl(w, IDC_STATUS).text;
            const std::string name = std::string("Segment 1, ") + planner::kProfileColumnTitles[column];
            EXPECT_EQ(status.substr(0, status.find(": ")), name) << status;
            EXPECT_EQ(Marks(w), std::vector<std::string>{"0," + std::to_string(column) + ": " + status});
            w.UserEditCell(IDC_PROFILE, 0, column, before);
        }
        run.Backend().QueueAnswer("no");
        w.UserClose();
    });
    dialog.DoModal();
}

// Help > Manual opens the page installed with the program: beside it on
// Windows, in the package's documents below /usr/bin on Debian.
TEST(PlannerDialog, ManualOpensThePageInstalledBesideTheProgram) {
    const std::string root = ::testing::TempDir() + "planner_manual";
    const std::string page = root + "/share/doc/halvex/planner.html";
    std::string message;
    std::filesystem::create_directories(root + "/bin");
    std::filesystem::create_directories(root + "/share/doc/halvex");
    ASSERT_TRUE(planner::WriteFileReplacing(page, "<html></html>", message)) << message;
    ScriptedRun run;
    run.Backend().SetProgramDirectory(root + "/bin");
    CPlannerDlg dialog;
    run.Then([](HeadlessWindow& w) { EXPECT_EQ(w.UserKey("F1"), ""); });
    dialog.DoModal();
    EXPECT_TRUE(run.messages.empty());
    EXPECT_EQ(run.documents, std::vector<std::string>{root + "/bin/../share/doc/halvex/planner.html"});
    std::filesystem::remove_all(root);
}

}  // namespace
