#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "planner/document.h"
#include "planner/lab.h"
#include "planner/profile.h"
#include "planner/sequence.h"
#include "planner/shaker.h"
#include "planner/sweep_plan.h"

namespace planner {

// What a user asks of a plan besides the plan itself (SI units).
struct PlanQuery {
    std::optional<double> at;         // s, elapsed
    std::optional<double> frequency;  // Hz, when is it passed
    std::optional<double> resonance;  // Hz, with q
    std::optional<double> q;
    // The lab's library, for the derating of a shaker named from it.
    const LabDocument* lab = nullptr;
};

struct Crossings {
    double frequency = 0.0;
    std::vector<double> times;
};

// Everything the planner works out for one document and query; a part is
// present when its input is.
struct PlanOutcome {
    ResolvedProfile profile;
    std::optional<ShakerResult> shaker;
    std::optional<SweepResult> sweep;
    // With a sweep or a sequence: the runs of one axis and the test's time.
    std::optional<SequenceResult> sequence;
    std::optional<SequencePoint> at;
    // With a library: where the plan's copies of its entries' figures differ.
    std::vector<std::string> labDifferences;
    std::optional<Crossings> crossings;
    std::optional<ResonanceResult> resonance;
};

// The checks that need the whole document (the profile's joins, dwells
// inside the profile, results that can be computed) and the answers to the
// query. Returns false with one message.
bool EvaluatePlan(const PlanDocument& document, const PlanQuery& query, PlanOutcome& outcome, std::string& message);

// Reads and checks a whole document: a plan, or false and one message. A
// document with fields to fill is read and its fields checked, and its whole
// is checked by EvaluatePlan once they are filled.
bool ReadPlan(std::string_view text, PlanDocument& document, std::string& message);

// The JSON report, SI units, one line.
std::string PlanJsonReport(const PlanDocument& document, const PlanOutcome& outcome);

struct RankedShaker;

// Which shaker? as one JSON line, SI units, and for people.
std::string RankJsonReport(const std::vector<RankedShaker>& ranking);
std::string RankTextReport(const PlanDocument& document, const std::vector<RankedShaker>& ranking);

// The library listed, as one JSON line in SI units, and for people.
std::string LabJsonReport(const LabDocument& lab);
std::string LabTextReport(const LabDocument& lab);

// `halvex-calc lab LIB [--format text|json]`: the library listed. Returns
// the exit status as RunPlanCommand does.
int RunLabCommand(const std::vector<std::string>& args, std::string& out, std::string& err);

// The report for people, in the units the document is written in.
std::string PlanTextReport(const PlanDocument& document, const PlanOutcome& outcome);

// The answers to the query in outcome, a line each: "At 1 min 0 s: pass 1
// (up), 20 Hz". The times a frequency is passed each on a line of its own
// when timesInLine is 0; otherwise the first timesInLine of them on the
// answer's line, then how many more there are.
std::string QueryAnswers(const PlanOutcome& outcome, std::size_t timesInLine);

// `halvex-calc plan FILE [--format text|json] [--at TIME] [--frequency F]
// [--resonance F --q Q]`: args are the words after "plan". Returns the exit
// status: 0 with the report in out, 1 with one message in err for a refused
// document or query, 2 with one line in err for a usage error.
int RunPlanCommand(const std::vector<std::string>& args, std::string& out, std::string& err);

}  // namespace planner
