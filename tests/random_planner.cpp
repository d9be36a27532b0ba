#include "tests/random_planner.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iterator>
#include <optional>
#include <sstream>
#include <vector>

#include "app/drive_session.h"
#include "numeric/number_text.h"
#include "planner/file_io.h"
#include "planner/planner_dlg.h"
#include "res/planner_ids.h"
#include "res/resource_ids.h"

namespace halvex_test {
namespace {

using ui::headless::HeadlessControl;
using ui::headless::HeadlessWindow;
namespace pd = res::planner_dlg;

bool Finite(const draw::ChartPoint& point) { return std::isfinite(point.x) && std::isfinite(point.y); }

std::string CheckDrawing(const draw::Chart& chart) {
    if (!Finite({chart.box.x0, chart.box.y0}) || !Finite({chart.box.x1, chart.box.y1})) {
        return "the chart's range is not finite";
    }
    for (const draw::DrawOp& op : chart.ops) {
        const bool finite = std::all_of(op.points.begin(), op.points.end(), Finite) &&
                            std::all_of(op.offsets.begin(), op.offsets.end(), Finite) && std::isfinite(op.dx) &&
                            std::isfinite(op.dy) && std::isfinite(op.slope) && std::isfinite(op.angle);
        if (!finite) return "a chart coordinate is not finite (\"" + op.text + "\")";
    }
    return {};
}

bool Near(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max({std::fabs(a), std::fabs(b), 1e-9}); }

std::string CheckTimes(const planner::SequenceResult& sequence) {
    double sum = 0.0;
    for (std::size_t i = 0; i < sequence.runs.size(); ++i) {
        const planner::RunResult& run = sequence.runs[i];
        if (!std::isfinite(run.time) || run.time < 0.0) return "run " + std::to_string(i) + " has no finite time";
        if (i > 0 && !Near(run.start, sequence.runs[i - 1].End())) {
            return "run " + std::to_string(i) + " does not start where the run before it ends";
        }
        sum += run.time;
    }
    if (!Near(sequence.axisTime, sum + sequence.dwellTime)) {
        return "the time per axis " + halvex::FormatNumber("%.17g", sequence.axisTime) +
               " s is not the sum of its runs and dwells, " + halvex::FormatNumber("%.17g", sum + sequence.dwellTime);
    }
    if (!Near(sequence.totalTime, sequence.axisTime * sequence.axes)) {
        return "the total time is not the time per axis times the axes";
    }
    return {};
}

// What a file the window has saved or opened holds, against the plan on show.
std::string CheckFile(const CPlannerDlg& planner) {
    std::string text, message;
    if (!planner::ReadTextFile(planner.Path(), text)) return planner.Path() + " cannot be read back";
    planner::PlanDocument saved;
    if (!planner::ReadPlan(text, saved, message)) return planner.Path() + " does not open again: " + message;
    if (planner.PlanProblem().empty() && !(saved == planner.PlanShown())) {
        return planner.Path() + " holds another plan than the window shows:\n" + text + "\nthe window's:\n" +
               planner::WritePlanDocument(planner.PlanShown());
    }
    return {};
}

}  // namespace

PlannerBefore PlannerStateBefore(const CPlannerDlg& planner, const HeadlessWindow& top) {
    const HeadlessControl* status = top.FindControl(pd::IDC_STATUS);
    return PlannerBefore{planner.Modified(), planner.Path(),
                         status != nullptr && status->text != FileNameOf(planner.Path())};
}

std::string CheckPlanner(const CPlannerDlg& planner, const HeadlessWindow& top, const std::string& line,
                         const PlannerBefore& before) {
    for (const HeadlessControl& control : top.Controls()) {
        if (control.kind != res::ControlKind::Chart || !control.drawing) continue;
        std::string failure = CheckDrawing(*control.drawing);
        if (!failure.empty()) return failure;
    }
    const bool current = planner.PlanProblem().empty();
    if (current && planner.OutcomeShown().sequence) {
        std::string failure = CheckTimes(*planner.OutcomeShown().sequence);
        if (!failure.empty()) return failure;
    }

    const bool problemShown = top.FindControl(pd::IDC_STATUS)->text != FileNameOf(planner.Path());
    if (!current && !problemShown) return "the status line names no problem while the fields make no plan";
    if (!problemShown && AnyMark(top)) return "a field is marked while the status line names no problem";
    const Typed typed = TypedNeverReading(top, line);
    if (typed.neverReads) {
        if (!problemShown) return "a text that does not read is not named in the status line";
        // Alone in failing, it is the field marked.
        if (!before.problemShown && !MarkedWhereTyped(top, typed)) return "the field that does not read is not marked";
    }

    const bool settled = !planner.Modified() && !planner.Path().empty();
    if (settled && (before.modified || before.path != planner.Path())) return CheckFile(planner);
    return {};
}

DocumentWindow PlannerWindow(std::string directory) {
    const auto menu = [](int id) { return "menu " + std::to_string(id); };
    DocumentWindow window(res::IDD_PLANNER, pd::IDC_STATUS, std::move(directory), "menu",
                          {pd::IDM_OPEN, pd::IDM_SAVE, pd::IDM_SAVE_AS, pd::IDM_NEW});
    window.documents = {"a.halvex-plan", "b.halvex-plan", "missing.halvex-plan", "chart.svg"};
    window.exports = {{menu(pd::IDM_EXPORT_CHART), "chart.svg"}, {menu(pd::IDM_EXPORT_RESULTS), "results.tsv"}};
    window.undo = pd::IDM_UNDO;
    window.fileIds.insert(window.fileIds.end(), {pd::IDM_EXPORT_CHART, pd::IDM_EXPORT_RESULTS, pd::IDM_CLOSE});
    return window;
}

}  // namespace halvex_test
