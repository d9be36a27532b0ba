#pragma once

#include <string>

#include "draw/page.h"
#include "planner/document.h"
#include "planner/plan.h"

// The test plan report as a file and on paper, for the window and for
// halvex-planner --export-report: laid out once (planner/report.h), written
// as HTML here and as PDF by the backend, where it writes PDF.
namespace planner {

struct LabDocument;

// The paper a report is laid out on unless the user chooses: the default
// printer's where the backend knows it, else the user's settings.
draw::Paper UserPaper();

// Today's date where the user is, as 2026-12-08: the report's date of issue.
std::string TodayText();

// The plan's report, laid out on that paper; lab is the library the plan was
// checked against, or nullptr.
draw::PagedDocument ReportPages(const PlanDocument& document, const PlanOutcome& outcome, const LabDocument* lab,
                                const std::string& fileName, draw::Paper paper);

// The bytes of the report as a file of that kind (by the path's extension,
// "pdf" or "html", in any case); false with the reason when the backend does
// not write such files.
bool ReportFileBytes(const draw::PagedDocument& pages, const std::string& path, std::string& bytes,
                     std::string& problem);

// halvex-planner FILE --export-report OUT: the plan in planPath reported
// into outPath, written through a temporary file renamed over it. 0, or 1
// with the reason in problem: a plan that does not read or has fields to
// fill, a file kind not written here, a path that cannot be written.
int ExportReport(const std::string& planPath, const std::string& outPath, std::string& problem);

}  // namespace planner
