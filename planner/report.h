#pragma once

#include <string>

#include "draw/page.h"
#include "planner/lab.h"
#include "planner/plan.h"

// The test plan report: what a lab hands to its customer before the test.
// Laid out once, window-free, as pages that the printer, the PDF and the
// HTML writer all take, so that every output says the same.
namespace planner {

struct ReportOptions {
    draw::Paper paper = draw::Paper::A4;
    std::string fileName;     // the plan's file name as shown; empty: a plan never saved
    std::string printedDate;  // "2026-12-08": the date of issue and of printing
    std::string version;      // the Halvex version in the footer
};

// The report of an evaluated plan: title block, verdict, profile,
// equipment and checks, sweep and sequence, chart, with a footer on every
// page. lab may be null; with it the equipment names the library.
draw::PagedDocument LayOutReport(const PlanDocument& document, const PlanOutcome& outcome, const LabDocument* lab,
                                 const ReportOptions& options);

// The pages as one self-contained HTML file: inline CSS with print rules,
// the chart as inline SVG, no script and nothing fetched from outside.
std::string ReportHtml(const draw::PagedDocument& report);

// The paper the user's settings ask for: on Linux the LC_PAPER category of
// the environment; A4 where nothing says otherwise.
draw::Paper DefaultPaper();

// The sentence that states the outcome: "The shaker can run this plan,
// binding on stroke at 5 Hz, margin 1.21."
std::string VerdictSentence(const PlanOutcome& outcome);

// A shaker's limit, a level's kind and a run's kind as the reports name them
// to people, in the process's language: "frequency range",
// "displacement p-p", "resonance search".
const char* ReportLimitWords(LimitKind kind);
const char* ReportLevelWords(LevelKind kind);
const char* ReportRunWords(RunKind kind);

}  // namespace planner
