#include "planner/results_table.h"

#include "numeric/results_table.h"

namespace planner {
namespace {

std::string Number(double value) { return QuantityText(Quantity{value, ""}); }

}  // namespace

std::string ResultsTable(const PlanDocument& document, const PlanOutcome& outcome) {
    std::vector<halvex::ResultRow> rows;
    const auto row = [&](const std::string& quantity, const char* form, double value, const char* unit) {
        rows.push_back({quantity, form, Number(value), unit});
    };
    row("gravity", "", document.GravitySi(), "m/s^2");
    const ResolvedProfile& profile = outcome.profile;
    for (double f : profile.crossovers) row("crossover", "", f, "Hz");
    row("peak displacement", "peak-to-peak", profile.displacementPp.value, "m");
    row("peak displacement frequency", "", profile.displacementPp.frequency, "Hz");
    row("peak velocity", "zero-to-peak", profile.velocity.value, "m/s");
    row("peak velocity frequency", "", profile.velocity.frequency, "Hz");
    row("peak acceleration", "zero-to-peak", profile.acceleration.value, "m/s^2");
    row("peak acceleration frequency", "", profile.acceleration.frequency, "Hz");
    if (outcome.shaker) {
        const ShakerResult& shaker = *outcome.shaker;
        if (shaker.movingMass) row("moving mass", "", *shaker.movingMass, "kg");
        if (shaker.maxAcceleration) row("highest acceleration", "zero-to-peak", *shaker.maxAcceleration, "m/s^2");
        static const char* const kUnits[] = {"N", "m", "m/s", "m/s^2"};
        static const char* const kForms[] = {"", "peak-to-peak", "zero-to-peak", "zero-to-peak"};
        for (const ShakerCheck& check : shaker.checks) {
            const std::string name = LimitName(check.limit);
            const int limit = static_cast<int>(check.limit);
            row(name + " required", kForms[limit], check.required, kUnits[limit]);
            row(name + " available", kForms[limit], check.available, kUnits[limit]);
            row(name + " margin", "", check.margin, "");
            row(name + " frequency", "", check.frequency, "Hz");
        }
        rows.push_back({"verdict", "", shaker.ok ? "pass" : "fail", ""});
    }
    if (outcome.sweep) {
        const SweepResult& sweep = *outcome.sweep;
        row("octaves", "", sweep.octaves, "");
        row("time per pass", "", sweep.passTime, "s");
        row("cycles per pass", "", sweep.cyclesPerPass, "");
        row("passes per axis", "", sweep.passesPerAxis, "");
        row("time per axis", "", sweep.axisTime, "s");
        row("total time", "", sweep.totalTime, "s");
    }
    // The answers to the window's queries, when asked.
    if (outcome.at) {
        row("queried time", "", outcome.at->time, "s");
        row("frequency at queried time", "", outcome.at->frequency, "Hz");
        row("pass at queried time", "", outcome.at->pass, "");
        rows.push_back({"direction at queried time", "", outcome.at->upward ? "up" : "down", ""});
    }
    if (outcome.crossings) {
        row("queried frequency", "", outcome.crossings->frequency, "Hz");
        for (double t : outcome.crossings->times) row("queried frequency passed at", "", t, "s");
    }
    if (outcome.resonance) {
        row("half-power band low", "", outcome.resonance->low, "Hz");
        row("half-power band high", "", outcome.resonance->high, "Hz");
        row("time in band per pass", "", outcome.resonance->timePerPass, "s");
        row("cycles in band per pass", "", outcome.resonance->cyclesPerPass, "");
    }
    return halvex::ResultsTable(rows);
}

}  // namespace planner
