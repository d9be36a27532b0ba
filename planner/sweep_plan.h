#pragma once

#include <string>
#include <vector>

#include "planner/document.h"
#include "planner/profile.h"

namespace planner {

// The sweep over the whole profile, SI units (Hz, s).
struct SweepResult {
    SweepType type = SweepType::Log;
    SweepMode mode = SweepMode::Up;
    double lowest = 0.0;  // Hz: a pass runs between these
    double highest = 0.0;
    double rate = 0.0;  // oct/s for a log sweep, Hz/s for a linear one
    double octaves = 0.0;
    double passTime = 0.0;
    double cyclesPerPass = 0.0;
    double passesPerAxis = 0.0;  // fractional when a duration ends inside a pass
    double sweepsPerAxis = 0.0;
    double cyclesPerAxis = 0.0;
    double dwellTime = 0.0;  // per axis
    double axisTime = 0.0;   // the passes and the dwells
    double totalTime = 0.0;  // over all axes

    double SweepingTime() const { return passesPerAxis * passTime; }
};

// How a sweep is given: the endurance sweep's settings or a search run's.
struct SweepSpec {
    SweepType type = SweepType::Log;
    const Quantity* rate = nullptr;  // exactly one of rate and passTime
    const Quantity* passTime = nullptr;
    SweepMode mode = SweepMode::Up;
    double sweeps = 1.0;
    const Quantity* duration = nullptr;  // in place of sweeps
    std::string path;                    // "sweep", "sequence[2]": where its fields are
};

// Plans a sweep between lowest and highest: its passes, time and cycles per axis.
bool PlanSweepSpec(const SweepSpec& given, double lowest, double highest, double gravity, SweepResult& sweep,
                   std::string& message);

// The endurance sweep over the profile, with its dwells.
bool PlanSweep(const PlanDocument& document, const ResolvedProfile& profile, SweepResult& sweep, std::string& message);

// Where the sweep is at an elapsed time of one axis's sweeping (dwells are
// not placed on the timeline): which pass (from 1), its direction, the frequency.
struct TimePoint {
    double time = 0.0;
    double frequency = 0.0;
    int pass = 0;
    bool upward = true;
};

bool FrequencyAt(const SweepResult& sweep, double time, TimePoint& point, std::string& message);

// Every elapsed time within one axis's passes at which the sweep passes f,
// in order; a frequency met at a turn between passes is listed once.
bool CrossingTimes(const SweepResult& sweep, double frequency, std::vector<double>& times, std::string& message);

// The half-power band fn(1 - 1/(2Q)) to fn(1 + 1/(2Q)) and, per pass, the
// time and the sine cycles the sweep spends in it (only the part of the
// band inside the profile counts).
struct ResonanceResult {
    double low = 0.0;
    double high = 0.0;
    double timePerPass = 0.0;
    double cyclesPerPass = 0.0;
};

bool ResonanceIn(const SweepResult& sweep, double naturalFrequency, double q, ResonanceResult& resonance,
                 std::string& message);

}  // namespace planner
